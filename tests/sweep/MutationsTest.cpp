// The sweep's own tools: a walker that misses fields or mutations that change from
// run to run would leave the sweep quietly weaker.

#include "Mutations.h"
#include "StructureFields.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// A little-endian TIFF: header, a 0th directory of two entries (the second the Exif
// pointer), then an Exif directory of one entry.
QByteArray smallTiff() {
    const char bytes[] = "II*\0\x08\0\0\0"                    // header, 0th at 8
                         "\x02\0"                             // 2 entries
                         "\x0f\x01\x02\0\x04\0\0\0Cam\0"      // Make, ASCII, 4, inline
                         "\x69\x87\x04\0\x01\0\0\0\x26\0\0\0" // Exif pointer -> 38
                         "\0\0\0\0"                           // no next directory
                         "\x01\0"                             // 1 entry
                         "\x9d\x82\x05\0\x01\0\0\0\x38\0\0\0" // FNumber -> 56
                         "\0\0\0\0"                           // no next directory
                         "\x1c\0\0\0\x0a\0\0\0";              // 28/10
    return QByteArray(bytes, sizeof bytes - 1);
}

bool hasField(const std::vector<StructureField>& fields, std::size_t offset, int width) {
    return std::any_of(fields.begin(), fields.end(), [&](const StructureField& field) {
        return field.offset == offset && field.width == width && !field.bigEndian;
    });
}

TEST(StructureFields, FindsEveryLengthAndOffsetOfATiff) {
    const std::vector<StructureField> fields = structureFields(smallTiff());
    EXPECT_TRUE(hasField(fields, 4, 4));  // first directory offset
    EXPECT_TRUE(hasField(fields, 8, 2));  // 0th entry count
    EXPECT_TRUE(hasField(fields, 14, 4)); // Make's count
    EXPECT_TRUE(hasField(fields, 30, 4)); // the Exif pointer's value
    EXPECT_TRUE(hasField(fields, 34, 4)); // next directory offset
    EXPECT_TRUE(hasField(fields, 38, 2)); // Exif entry count, reached through the pointer
    EXPECT_TRUE(hasField(fields, 48, 4)); // FNumber's value offset
    EXPECT_EQ(fields.size(), 14u);        // 1 + (1 + 2 × 3 + 1) + (1 + 1 × 3 + 1)
}

TEST(StructureFields, FollowsJpegSegmentsIntoTheExifBlock) {
    const QByteArray tiff = smallTiff();
    const auto length = static_cast<char>(2 + 6 + tiff.size());
    const QByteArray jpeg = QByteArray("\xFF\xD8\xFF\xE0\0\x04\0\0\xFF\xE1\0", 11) + length +
                            QByteArray("Exif\0\0", 6) + tiff + QByteArray("\xFF\xDA\0\x02", 4);
    const std::vector<StructureField> fields = structureFields(jpeg);
    auto at = [&](std::size_t offset) {
        return std::any_of(fields.begin(), fields.end(),
                           [&](const StructureField& field) { return field.offset == offset; });
    };
    EXPECT_TRUE(at(4));               // APP0 length
    EXPECT_TRUE(at(10));              // APP1 length
    EXPECT_TRUE(at(18 + 38));         // the Exif directory's entry count inside APP1
    EXPECT_TRUE(at(jpeg.size() - 2)); // start-of-scan length, where the walk ends
}

TEST(StructureFields, WritesInTheFieldsByteOrder) {
    QByteArray bytes(6, '\0');
    writeField(bytes, {1, 4, true}, 0x01020304u);
    writeField(bytes, {4, 2, false}, 0xFFFFu);
    EXPECT_EQ(bytes, QByteArray("\0\x01\x02\x03\xFF\xFF", 6));
}

TEST(Mutations, AreTheSameForTheSameSeedAndDamageTheirBase) {
    const std::vector<SweepFile> bases{{QStringLiteral("small.tif"), smallTiff()}};
    const auto first = mutations(bases, 200, 7, 8);
    const auto again = mutations(bases, 200, 7, 8);
    const auto other = mutations(bases, 200, 8, 8);
    ASSERT_EQ(first.size(), 200u);
    int changed = 0;
    bool differsWithSeed = false;
    for (std::size_t index = 0; index < first.size(); ++index) {
        EXPECT_EQ(first[index].name, again[index].name);
        EXPECT_EQ(first[index].bytes, again[index].bytes);
        EXPECT_GE(first[index].bytes.size(), 8);
        changed += first[index].bytes != bases[0].bytes ? 1 : 0;
        differsWithSeed = differsWithSeed || first[index].bytes != other[index].bytes;
    }
    EXPECT_TRUE(differsWithSeed);
    // Setting a field to the value it already holds (0 in an empty next-directory
    // offset) is the only way a mutation leaves its base as it was.
    EXPECT_GT(changed, 180);
}

} // namespace

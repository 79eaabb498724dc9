// The sweep's walker of structure fields: one that missed fields would leave the
// sweep quietly weaker.

#include "StructureFields.h"

#include <gtest/gtest.h>

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

// The offsets of the fields found and how many of them are big-endian.
std::pair<std::vector<std::size_t>, int> fieldsOf(const QByteArray& bytes) {
    std::pair<std::vector<std::size_t>, int> found{{}, 0};
    for (const StructureField& field : structureFields(bytes)) {
        found.first.push_back(field.offset);
        found.second += field.bigEndian ? 1 : 0;
    }
    return found;
}

TEST(StructureFields, FindsEveryLengthAndOffsetOfATiffAlsoInsideAJpeg) {
    // The first directory offset; the 0th directory's entry count, each entry's type,
    // count and value, its next directory offset; then the same for the Exif directory
    // reached through the pointer.
    const std::vector<std::size_t> tiffFields{4, 8, 12, 14, 18, 24, 26, 30, 34, 38, 42, 44, 48, 52};
    const QByteArray tiff = smallTiff();
    EXPECT_EQ(fieldsOf(tiff), std::pair(tiffFields, 0));

    const auto length = static_cast<char>(2 + 6 + tiff.size());
    const QByteArray jpeg = QByteArray("\xFF\xD8\xFF\xE0\0\x04\0\0\xFF\xE1\0", 11) + length +
                            QByteArray("Exif\0\0", 6) + tiff + QByteArray("\xFF\xDA\0\x02", 4);
    // The big-endian segment lengths of APP0, APP1 and the start of scan, where the
    // walk ends, around the TIFF fields.
    std::vector<std::size_t> jpegFields{4, 10};
    for (const std::size_t offset : tiffFields)
        jpegFields.push_back(18 + offset);
    jpegFields.push_back(static_cast<std::size_t>(jpeg.size()) - 2);
    EXPECT_EQ(fieldsOf(jpeg), std::pair(jpegFields, 3));

    QByteArray bytes(6, '\0');
    writeField(bytes, {1, 4, true}, 0x01020304u);
    writeField(bytes, {4, 2, false}, 0xFFFFu);
    EXPECT_EQ(bytes, QByteArray("\0\x01\x02\x03\xFF\xFF", 6));
}

} // namespace

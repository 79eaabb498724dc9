#include "ReaderHelpers.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace fixture;

namespace {

const Bytes exifPayloadStart = {'E', 'x', 'i', 'f', 0, 0};

int detectBytes(const Bytes& data) {
    ExifReaderContext reader;
    return detect(data, reader);
}

// A PSD with the given header and an Exif resource.
Bytes psdWith(const PsdHeader& header) {
    return psd(header, {}, {psdResource(1058, "", minimalTiff())});
}

Bytes prefix(const Bytes& data, size_t length) {
    return Bytes(data.begin(), data.begin() + static_cast<std::ptrdiff_t>(length));
}

struct DetectionCase {
    std::string name;
    Bytes data;
    int expected;
};

std::vector<DetectionCase> detectionCases() {
    const Bytes app0 = segment(0xFFE0, Bytes(14, 'J'));
    const Bytes psdFile = psdWithExif(minimalTiff());
    const PsdHeader indexed{.colorMode = 2};
    const Bytes exifResource = psdResource(1058, "", minimalTiff());
    Bytes withoutExif = psd({}, {}, {psdResource(1036, "", Bytes(50, 1))});
    withoutExif.insert(withoutExif.end(), 20, 0);
    std::vector<DetectionCase> cases = {
        {"empty", {}, EXIFLIST_ERROR_FORMAT},
        {"unknown", {0x12, 0x34}, EXIFLIST_ERROR_FORMAT},
        {"JPEG quantisation table first",
         jpegWithExif(minimalTiff(), {segment(0xFFDB, Bytes(65, 0))}),
         EXIFLIST_ERROR_JPEG_EXIF_NOT_FIRST},
        {"JPEG ends after APP0", jpeg({app0}), EXIFLIST_ERROR_FORMAT},
        {"JPEG ends inside a marker", jpeg({app0, {0xFF}}), EXIFLIST_ERROR_FORMAT},
        {"JPEG end of image", jpeg({app0, {0xFF, 0xD9}}), EXIFLIST_ERROR_JPEG_NO_EXIF},
        {"JPEG ends at APP2", jpeg({app0, {0xFF, 0xE2}}), EXIFLIST_ERROR_JPEG_NO_EXIF},
        {"JPEG start of image only", jpeg({}), EXIFLIST_ERROR_FORMAT},
        {"JPEG APP1 length cut", jpeg({{0xFF, 0xE1, 0x00}}), EXIFLIST_ERROR_FORMAT},
        {"JPEG APP0 past the data", jpeg({segmentWithLength(0xFFE0, 400, Bytes(30, 'x'))}),
         EXIFLIST_ERROR_JPEG_SEGMENT_LENGTH},
        {"JPEG APP1 past the data", jpeg({segmentWithLength(0xFFE1, 400, Bytes(30, 'x'))}),
         EXIFLIST_ERROR_JPEG_SEGMENT_LENGTH},
        {"JPEG APP1 identifier cut", jpeg({{0xFF, 0xE1, 0x00, 0x10, 'E', 'x', 'i'}}),
         EXIFLIST_ERROR_FORMAT},
        {"TIFF magic 43", {'I', 'I', 43, 0, 8, 0, 0, 0}, EXIFLIST_SUCCESS},
        {"PSD valid", psdWith({}), EXIFLIST_SUCCESS},
        {"PSD version 2", psdWith({.version = 2}), EXIFLIST_ERROR_PSD_HEADER},
        {"PSD signature", psdWith({.signature = "8BPX"}), EXIFLIST_ERROR_PSD_HEADER},
        {"PSD reserved", psdWith({.reserved = {0, 0, 0, 0, 0, 1}}), EXIFLIST_ERROR_PSD_HEADER},
        {"PSD 0 channels", psdWith({.channels = 0}), EXIFLIST_ERROR_PSD_CHANNELS},
        {"PSD 56 channels", psdWith({.channels = 56}), EXIFLIST_SUCCESS},
        {"PSD 57 channels", psdWith({.channels = 57}), EXIFLIST_ERROR_PSD_CHANNELS},
        {"PSD height 0", psdWith({.rows = 0}), EXIFLIST_ERROR_PSD_HEIGHT},
        {"PSD height 30000", psdWith({.rows = 30000}), EXIFLIST_SUCCESS},
        {"PSD height 30001", psdWith({.rows = 30001}), EXIFLIST_ERROR_PSD_HEIGHT},
        {"PSD height 65536", psdWith({.rows = 65536}), EXIFLIST_ERROR_PSD_HEIGHT},
        {"PSD width 40000", psdWith({.columns = 40000}), EXIFLIST_SUCCESS},
        {"PSD depth 24", psdWith({.depth = 24}), EXIFLIST_ERROR_PSD_DEPTH},
        {"PSD depth 32", psdWith({.depth = 32}), EXIFLIST_SUCCESS},
        {"PSD colour mode 5", psdWith({.colorMode = 5}), EXIFLIST_ERROR_PSD_COLOR_MODE},
        {"PSD colour mode 9", psdWith({.colorMode = 9}), EXIFLIST_SUCCESS},
        {"PSD header cut", prefix(psdFile, 25), EXIFLIST_ERROR_PSD_HEADER},
        {"PSD colour data length cut", prefix(psdFile, 28), EXIFLIST_ERROR_FORMAT},
        {"PSD resources length cut", prefix(psdFile, 32), EXIFLIST_ERROR_FORMAT},
        {"PSD without resources", psd({}, {}, {}), EXIFLIST_ERROR_PSD_NO_RESOURCES},
        {"PSD indexed, 768 colour bytes", psd(indexed, Bytes(768, 7), {exifResource}),
         EXIFLIST_SUCCESS},
        {"PSD indexed, 767 colour bytes", psd(indexed, Bytes(767, 7), {exifResource}),
         EXIFLIST_ERROR_PSD_COLOR_DATA},
        // RGB colour data is not skipped: its first bytes are read as the resources length.
        {"PSD RGB with colour data", psd({}, Bytes(10, 0), {exifResource}),
         EXIFLIST_ERROR_PSD_NO_RESOURCES},
        {"PSD without Exif", withoutExif, EXIFLIST_ERROR_PSD_NO_EXIF},
        {"PSD resources past the data", prefix(withoutExif, 34 + 30), EXIFLIST_ERROR_FORMAT},
    };
    // Tiny segment lengths end the search without looping.
    for (uint16_t marker : {0xFFE0, 0xFFE1, 0xFFE2})
        for (uint16_t length : {0, 1})
            cases.push_back(
                {"JPEG marker " + std::to_string(marker) + " length " + std::to_string(length),
                 jpeg({segmentWithLength(marker, length, Bytes(20, 0)),
                       segment(0xFFE1, concat({exifPayloadStart, minimalTiff()}))}),
                 EXIFLIST_ERROR_JPEG_EXIF_NOT_FIRST});
    // A TIFF header cut short still locates the structure.
    for (size_t length = 2; length < 8; ++length)
        cases.push_back({"TIFF cut to " + std::to_string(length), prefix(minimalTiff(), length),
                         EXIFLIST_SUCCESS});
    return cases;
}

TEST(ContainerDetection, ResultOfEachContainer) {
    EXPECT_EQ(selectFileFormat(nullptr), EXIFLIST_ERROR_FORMAT);
    for (const DetectionCase& c : detectionCases())
        EXPECT_EQ(detectBytes(c.data), c.expected) << c.name;
}

TEST(ContainerDetection, ShortTiffHeaderTakesNothingFromThePreviousFile) {
    ExifReaderContext reader;
    ASSERT_EQ(detect({'M', 'M', 0, 42, 0x11, 0x22, 0x33, 0x44}, reader), EXIFLIST_SUCCESS);
    // The same context's stream pointed at other bytes, the last detection's results
    // still in place.
    const Bytes cut = {'I', 'I', 42, 0, 8};
    setFileStrm(&reader.strm, cut.data(), static_cast<int64_t>(cut.size()));
    ASSERT_EQ(selectFileFormat(&reader), EXIFLIST_SUCCESS);
    unsigned char header[8];
    std::memcpy(header, &reader.tiffHeader, sizeof header);
    EXPECT_EQ(Bytes(header, header + 8), (Bytes{'I', 'I', 42, 0, 8, 0, 0, 0}));

    int result = 0;
    EXPECT_EQ(generateUsefulIfdTableArray(&reader, &result), nullptr);
    EXPECT_EQ(result, EXIFLIST_ERROR_IFD);
    EXPECT_EQ(generateUsefulIfdTableArray(nullptr, &result), nullptr);
}

// Reads of three photographs interleaved step by step: each context reads its tables
// from what its own detection found, and records its own container's headers.
TEST(ReaderContext, InterleavedReadsEachKeepToTheirOwnPhotograph) {
    TiffBuilder bigEndian;
    bigEndian.order = Order::big;
    bigEndian.zeroth = {asciiEntry(TAG_MAKE, "TIFF maker")};
    bigEndian.exif = std::vector<Entry>{rationalEntry(TAG_FNUMBER, TIFF_TYPE_RATIONAL, {56, 10})};
    TiffBuilder inPsd;
    inPsd.zeroth = {asciiEntry(TAG_ARTIST, "Someone"), asciiEntry(TAG_MAKE, "PSD maker")};
    const Bytes files[] = {
        jpegWithExif(minimalTiff(), {segment(0xFFE0, Bytes(14, 'J'))}), bigEndian.build(),
        psd({.rows = 1234, .columns = 5678}, {}, {psdResource(1058, "", inPsd.build())})};
    std::vector<std::string> alone;
    for (const Bytes& file : files) {
        int result = 0;
        alone.push_back(dumpArrayToString(readTables(file, result).get(), EXIFLIST_DUMP_DETAILED));
        ASSERT_GT(result, 0);
    }
    EXPECT_NE(alone[0].find("ABCD"), std::string::npos);
    EXPECT_NE(alone[1].find("56/10"), std::string::npos);
    EXPECT_NE(alone[2].find("PSD maker"), std::string::npos);

    ExifReaderContext readers[std::size(files)];
    for (size_t index = 0; index < std::size(files); ++index)
        ASSERT_EQ(detect(files[index], readers[index]), EXIFLIST_SUCCESS);
    for (size_t index = std::size(files); index-- > 0;) {
        int result = 0;
        TableArray tables(generateUsefulIfdTableArray(&readers[index], &result));
        EXPECT_EQ(dumpArrayToString(tables.get(), EXIFLIST_DUMP_DETAILED), alone[index]);
    }
    // SOI, APP0, APP1 marker and length, identifier; the 8-byte header fields; and the
    // PSD header, section lengths, resource signature, ID, name and size.
    EXPECT_EQ(readers[0].exifOffset, 2 + 18 + 4 + 6);
    EXPECT_EQ(readers[0].jpegApp1Header.length, 2 + 6 + minimalTiff().size());
    EXPECT_EQ(readers[1].exifOffset, 0);
    EXPECT_EQ(Bytes(readers[1].tiffHeader.byteOrder, readers[1].tiffHeader.byteOrder + 2),
              (Bytes{'M', 'M'}));
    EXPECT_EQ(readers[2].exifOffset, 26 + 4 + 4 + 4 + 2 + 2 + 4);
    EXPECT_EQ(readers[2].psdHeader.rows, 1234u);
    EXPECT_EQ(readers[2].psdHeader.columns, 5678u);
}

TEST(ByteOrder, HostOrderIsTheOrderOfTheHostsOwnBytes) {
    const uint16_t one = 1;
    unsigned char first = 0;
    std::memcpy(&first, &one, 1);
    EXPECT_EQ(systemByteOrder(), first == 1 ? 1 : 0);
}

} // namespace

#include "ReaderHelpers.h"

#include "exiflistlib/DetectionState.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace fixture;

namespace {

const Bytes exifPayloadStart = {'E', 'x', 'i', 'f', 0, 0};

int detectBytes(const Bytes& data) {
    FileStrm strm;
    return detect(data, strm);
}

TEST(ContainerDetection, ShortOrUnknownDataIsNoFormat) {
    EXPECT_EQ(selectFileFormat(nullptr), EXIFLIST_ERROR_FORMAT);
    EXPECT_EQ(detectBytes({}), EXIFLIST_ERROR_FORMAT);
    EXPECT_EQ(detectBytes({0xFF}), EXIFLIST_ERROR_FORMAT);
    EXPECT_EQ(detectBytes({0x12, 0x34}), EXIFLIST_ERROR_FORMAT);
    EXPECT_EQ(detectBytes({'G', 'I', 'F', '8', '9', 'a'}), EXIFLIST_ERROR_FORMAT);
}

TEST(JpegDetection, FindsExifAfterApp0) {
    FileStrm strm;
    const Bytes data = jpegWithExif(minimalTiff(), {segment(0xFFE0, Bytes(14, 'J'))});
    ASSERT_EQ(detect(data, strm), EXIFLIST_SUCCESS);
    EXPECT_EQ(exiflist::exifOffset, 30); // 2 SOI + 16 APP0 + 2 marker + 2 length + 6 id
    EXPECT_EQ(exiflist::JpegApp1Header.marker, 0xFFE1);
    EXPECT_EQ(exiflist::JpegApp1Header.length, 8 + minimalTiff().size());
    EXPECT_STREQ(exiflist::JpegApp1Header.identifier, "Exif");
    EXPECT_EQ(exiflist::tiffHeader.firstIfdOffset, 8u);
}

TEST(JpegDetection, SkipsOtherApp1SegmentsAndAcceptsAnySixthIdentifierByte) {
    FileStrm strm;
    const Bytes xmp =
        segment(0xFFE1, concat({{'h', 't', 't', 'p', ':', '/', '/'}, Bytes(40, 'x')}));
    Bytes data = jpegWithExif(minimalTiff(), {xmp});
    const size_t exifIdentifier = 2 + xmp.size() + 4;
    data[exifIdentifier + 5] = 'Z';
    ASSERT_EQ(detect(data, strm), EXIFLIST_SUCCESS);
    EXPECT_EQ(exiflist::exifOffset, static_cast<int64_t>(exifIdentifier + 6));
}

TEST(JpegDetection, NonApplicationMarkerBeforeExifIsRefused) {
    const Bytes quantisationTable = segment(0xFFDB, Bytes(65, 0));
    EXPECT_EQ(detectBytes(jpegWithExif(minimalTiff(), {quantisationTable})),
              EXIFLIST_ERROR_JPEG_EXIF_NOT_FIRST);
}

TEST(JpegDetection, TinySegmentLengthsEndWithoutLooping) {
    for (uint16_t marker : {0xFFE0, 0xFFE1, 0xFFE2}) {
        for (uint16_t length : {0, 1}) {
            const Bytes data = jpeg({segmentWithLength(marker, length, Bytes(20, 0)),
                                     segment(0xFFE1, concat({exifPayloadStart, minimalTiff()}))});
            EXPECT_EQ(detectBytes(data), EXIFLIST_ERROR_JPEG_EXIF_NOT_FIRST)
                << std::hex << marker << " length " << length;
        }
    }
}

TEST(JpegDetection, SegmentReachingPastTheDataIsRefused) {
    for (uint16_t marker : {0xFFE0, 0xFFE1}) {
        FileStrm strm;
        const Bytes data = jpeg({segmentWithLength(marker, 400, Bytes(30, 'x'))});
        EXPECT_EQ(detect(data, strm), EXIFLIST_ERROR_JPEG_SEGMENT_LENGTH);
        EXPECT_EQ(strm.seekError, 1);
    }
}

TEST(JpegDetection, DataEndingAtOrInsideAMarker) {
    const Bytes app0 = segment(0xFFE0, Bytes(14, 'J'));
    EXPECT_EQ(detectBytes(jpeg({app0})), EXIFLIST_ERROR_FORMAT);
    EXPECT_EQ(detectBytes(jpeg({app0, {0xFF}})), EXIFLIST_ERROR_FORMAT);
    EXPECT_EQ(detectBytes(jpeg({app0, {0xFF, 0xD9}})), EXIFLIST_ERROR_JPEG_NO_EXIF);
    EXPECT_EQ(detectBytes(jpeg({app0, {0xFF, 0xE2}})), EXIFLIST_ERROR_JPEG_NO_EXIF);
    EXPECT_EQ(detectBytes(jpeg({})), EXIFLIST_ERROR_FORMAT);
    EXPECT_EQ(detectBytes(jpeg({{0xFF, 0xE1, 0x00}})), EXIFLIST_ERROR_FORMAT);
    EXPECT_EQ(detectBytes(jpeg({{0xFF, 0xE1, 0x00, 0x10, 'E', 'x', 'i'}})), EXIFLIST_ERROR_FORMAT);
}

TEST(TiffDetection, ReadsHeaderInEitherByteOrder) {
    FileStrm strm;
    ASSERT_EQ(detect(minimalTiff(Order::little), strm), EXIFLIST_SUCCESS);
    EXPECT_EQ(exiflist::exifOffset, 0);
    EXPECT_EQ(exiflist::tiffHeader.magic, 42);
    EXPECT_EQ(exiflist::tiffHeader.firstIfdOffset, 8u);

    Bytes bigEndian = {'M', 'M', 0, 42, 0, 0, 1, 2};
    ASSERT_EQ(detect(bigEndian, strm), EXIFLIST_SUCCESS);
    EXPECT_EQ(exiflist::tiffHeader.magic, 42);
    EXPECT_EQ(exiflist::tiffHeader.firstIfdOffset, 0x0102u);
}

TEST(TiffDetection, InvalidOrShortHeaderStillLocatesTheStructure) {
    EXPECT_EQ(detectBytes({'I', 'I', 43, 0, 8, 0, 0, 0}), EXIFLIST_SUCCESS);
    EXPECT_EQ(exiflist::tiffHeader.magic, 43);
    const Bytes tiff = minimalTiff();
    for (size_t length = 2; length < 8; ++length)
        EXPECT_EQ(detectBytes(Bytes(tiff.begin(), tiff.begin() + length)), EXIFLIST_SUCCESS);
}

TEST(TiffDetection, ShortHeaderTakesNothingFromThePreviousFile) {
    ASSERT_EQ(detectBytes({'M', 'M', 0, 42, 0x11, 0x22, 0x33, 0x44}), EXIFLIST_SUCCESS);
    ASSERT_EQ(detectBytes({'I', 'I', 42, 0, 8}), EXIFLIST_SUCCESS);
    unsigned char header[8];
    std::memcpy(header, &exiflist::tiffHeader, sizeof header);
    EXPECT_EQ(Bytes(header, header + 8), (Bytes{'I', 'I', 42, 0, 8, 0, 0, 0}));

    int result = 0;
    EXPECT_EQ(readTables({'I', 'I', 42, 0, 8}, result), nullptr);
    EXPECT_EQ(result, EXIFLIST_ERROR_IFD);
}

struct PsdCase {
    const char* name;
    PsdHeader header;
    int expected;
};

PsdHeader headerWith(void (*change)(PsdHeader&)) {
    PsdHeader header;
    change(header);
    return header;
}

TEST(PsdDetection, HeaderChecks) {
    const PsdCase cases[] = {
        {"valid", {}, EXIFLIST_SUCCESS},
        {"version 2", headerWith([](PsdHeader& h) { h.version = 2; }), EXIFLIST_ERROR_PSD_HEADER},
        {"signature", headerWith([](PsdHeader& h) { h.signature = "8BPX"; }),
         EXIFLIST_ERROR_PSD_HEADER},
        {"reserved", headerWith([](PsdHeader& h) { h.reserved[5] = 1; }),
         EXIFLIST_ERROR_PSD_HEADER},
        {"0 channels", headerWith([](PsdHeader& h) { h.channels = 0; }),
         EXIFLIST_ERROR_PSD_CHANNELS},
        {"56 channels", headerWith([](PsdHeader& h) { h.channels = 56; }), EXIFLIST_SUCCESS},
        {"57 channels", headerWith([](PsdHeader& h) { h.channels = 57; }),
         EXIFLIST_ERROR_PSD_CHANNELS},
        {"height 0", headerWith([](PsdHeader& h) { h.rows = 0; }), EXIFLIST_ERROR_PSD_HEIGHT},
        {"height 30000", headerWith([](PsdHeader& h) { h.rows = 30000; }), EXIFLIST_SUCCESS},
        {"height 30001", headerWith([](PsdHeader& h) { h.rows = 30001; }),
         EXIFLIST_ERROR_PSD_HEIGHT},
        {"height 65536", headerWith([](PsdHeader& h) { h.rows = 65536; }),
         EXIFLIST_ERROR_PSD_HEIGHT},
        {"width 40000", headerWith([](PsdHeader& h) { h.columns = 40000; }), EXIFLIST_SUCCESS},
        {"depth 24", headerWith([](PsdHeader& h) { h.depth = 24; }), EXIFLIST_ERROR_PSD_DEPTH},
        {"depth 32", headerWith([](PsdHeader& h) { h.depth = 32; }), EXIFLIST_SUCCESS},
        {"colour mode 5", headerWith([](PsdHeader& h) { h.colorMode = 5; }),
         EXIFLIST_ERROR_PSD_COLOR_MODE},
        {"colour mode 10", headerWith([](PsdHeader& h) { h.colorMode = 10; }),
         EXIFLIST_ERROR_PSD_COLOR_MODE},
        {"colour mode 9", headerWith([](PsdHeader& h) { h.colorMode = 9; }), EXIFLIST_SUCCESS},
    };
    for (const PsdCase& c : cases)
        EXPECT_EQ(detectBytes(psd(c.header, {}, {psdResource(1058, "", minimalTiff())})),
                  c.expected)
            << c.name;
}

TEST(PsdDetection, ShortHeaderAndSectionLengths) {
    const Bytes valid = psdWithExif(minimalTiff());
    EXPECT_EQ(detectBytes(Bytes(valid.begin(), valid.begin() + 25)), EXIFLIST_ERROR_PSD_HEADER);
    EXPECT_EQ(detectBytes(Bytes(valid.begin(), valid.begin() + 28)), EXIFLIST_ERROR_FORMAT);
    EXPECT_EQ(detectBytes(Bytes(valid.begin(), valid.begin() + 32)), EXIFLIST_ERROR_FORMAT);
    EXPECT_EQ(detectBytes(psd({}, {}, {})), EXIFLIST_ERROR_PSD_NO_RESOURCES);
}

TEST(PsdDetection, ExifOffsetIsTheResourceData) {
    FileStrm strm;
    ASSERT_EQ(detect(psdWithExif(minimalTiff()), strm), EXIFLIST_SUCCESS);
    EXPECT_EQ(exiflist::exifOffset, 26 + 4 + 4 + 12);
    EXPECT_EQ(exiflist::PsdHeaderSection.rows, 100u);
    EXPECT_EQ(exiflist::PsdHeaderSection.columns, 200u);
}

TEST(PsdDetection, IndexedColourDataMustBe768Bytes) {
    const PsdHeader indexed = headerWith([](PsdHeader& h) { h.colorMode = 2; });
    const Bytes resource = psdResource(1058, "", minimalTiff());
    EXPECT_EQ(detectBytes(psd(indexed, Bytes(768, 7), {resource})), EXIFLIST_SUCCESS);
    EXPECT_EQ(detectBytes(psd(indexed, Bytes(767, 7), {resource})), EXIFLIST_ERROR_PSD_COLOR_DATA);
}

TEST(PsdDetection, DuotoneColourDataIsSkippedOtherModesAreNot) {
    const PsdHeader duotone = headerWith([](PsdHeader& h) { h.colorMode = 8; });
    const Bytes resource = psdResource(1059, "", minimalTiff());
    FileStrm strm;
    ASSERT_EQ(detect(psd(duotone, Bytes(10, '8'), {resource}), strm), EXIFLIST_SUCCESS);
    EXPECT_EQ(exiflist::exifOffset, 26 + 4 + 10 + 4 + 12);
    // RGB colour data is not skipped: its first bytes are read as the resources length.
    EXPECT_EQ(detect(psd({}, Bytes(10, 0), {resource}), strm), EXIFLIST_ERROR_PSD_NO_RESOURCES);
}

TEST(PsdDetection, ResourceSearch) {
    const Bytes tiff = minimalTiff();
    FileStrm strm;
    ASSERT_EQ(detect(psd({}, {}, {psdResource(0x0423, "", tiff)}), strm), EXIFLIST_SUCCESS);
    ASSERT_EQ(
        detect(psd({}, {}, {psdResource(1036, "thumb", Bytes(50, 1)), psdResource(1058, "", tiff)}),
               strm),
        EXIFLIST_SUCCESS);
    EXPECT_EQ(exiflist::exifOffset, 34 + (4 + 2 + 6 + 4 + 50) + 12);

    Bytes withoutExif = psd({}, {}, {psdResource(1036, "", Bytes(50, 1))});
    withoutExif.insert(withoutExif.end(), 20, 0);
    EXPECT_EQ(detectBytes(withoutExif), EXIFLIST_ERROR_PSD_NO_EXIF);
    // A section that claims more bytes than the data holds.
    withoutExif.resize(34 + 30);
    EXPECT_EQ(detectBytes(withoutExif), EXIFLIST_ERROR_FORMAT);
}

TEST(PsdDetection, PascalNameLengthSkipsToAnEvenBoundary) {
    const int64_t resourceStart = 26 + 4 + 4;
    const struct {
        std::string name;
        int64_t skipped;
    } cases[] = {{"", 1}, {"abc", 3}, {"abcd", 5}};
    for (const auto& c : cases) {
        FileStrm strm;
        ASSERT_EQ(detect(psd({}, {}, {psdResource(1058, c.name, minimalTiff())}), strm),
                  EXIFLIST_SUCCESS);
        EXPECT_EQ(exiflist::exifOffset, resourceStart + 6 + 1 + c.skipped + 4) << c.name;
    }
}

} // namespace

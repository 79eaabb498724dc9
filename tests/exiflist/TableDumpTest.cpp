#include "ReaderHelpers.h"

#include <gtest/gtest.h>

using namespace fixture;

namespace {

void addText(ExifIfdTable* table, uint16_t tag, uint16_t type, const Bytes& bytes) {
    addTagNodeToIfd(table, tag, type, static_cast<uint32_t>(bytes.size()), nullptr, bytes.data());
}

void addNumbers(ExifIfdTable* table, uint16_t tag, uint16_t type, uint32_t count,
                const std::vector<uint32_t>& values) {
    addTagNodeToIfd(table, tag, type, count, values.data(), nullptr);
}

TEST(TagCatalogue, NamesByDirectory) {
    EXPECT_STREQ(getTagName(IFD_0TH, 404), "CodingMethods");
    EXPECT_STREQ(getTagName(IFD_1ST, 254), "NewSubfileType");
    EXPECT_STREQ(getTagName(IFD_EXIF, 50341), "PrintImVersion");
    EXPECT_STREQ(getTagName(IFD_0TH, 1000), "(unknown)");
    EXPECT_STREQ(getTagName(IFD_GPS, 0), "GPSVersionID");
    EXPECT_STREQ(getTagName(IFD_GPS, 31), "GPSHPositioningError");
    EXPECT_STREQ(getTagName(IFD_GPS, 32), "(unknown)");
    EXPECT_STREQ(getTagName(IFD_INTEROPERABILITY, 2), "InteroperabilityVersion");
    EXPECT_STREQ(getTagName(9, TAG_MAKE), "(unknown)");
}

TEST(TableDump, HeadingsAndNothingForNull) {
    EXPECT_EQ(dumpToString(nullptr, EXIFLIST_DUMP_DETAILED), "");
    EXPECT_EQ(dumpArrayToString(nullptr, EXIFLIST_DUMP_DETAILED), "");
    const char* headings[] = {"", "0TH", "1ST", "EXIF", "GPS", "Interoperability", ""};
    for (int type = 0; type <= 6; ++type)
        EXPECT_EQ(dumpToString(emptyTable(type).get(), EXIFLIST_DUMP_SHORT),
                  std::string("\n= ") + headings[type] + " IFD =\n");
}

TEST(TableDump, LinesInBothModesWithErrorsAndUnknownTags) {
    Table table = emptyTable(IFD_0TH);
    addText(table.get(), TAG_MAKE, TIFF_TYPE_ASCII, {'A', 'B', 'C', 'D', 0});
    addNumbers(table.get(), TAG_EXPOSURE_TIME, TIFF_TYPE_RATIONAL, 1, {1, 125});
    addNumbers(table.get(), TAG_FNUMBER, TIFF_TYPE_RATIONAL, 0, {});
    addNumbers(table.get(), 9999, TIFF_TYPE_LONG, 1, {5});
    EXPECT_EQ(dumpToString(table.get(), EXIFLIST_DUMP_DETAILED),
              "\n= 0TH IFD =\n"
              " - 0x010f 0x0002 000005 Make : \"ABCD\"\n"
              " - 0x829a 0x0005 000001 ExposureTime : 1/125 \n"
              " - 0x829d 0x0005 000000 FNumber : (error)\n"
              " - 0x270f 0x0004 000001 (unknown) : 5 \n");
    EXPECT_EQ(dumpToString(table.get(), 7), "\n= 0TH IFD =\n"
                                            " - Make: \"ABCD\"\n"
                                            " - ExposureTime: 1/125 \n"
                                            " - FNumber: (error)\n"
                                            " - (unknown): 5 \n");
}

TEST(TableDump, ValueTextOfEveryType) {
    Table table = emptyTable(IFD_EXIF);
    addNumbers(table.get(), TAG_GAIN_CONTROL, TIFF_TYPE_BYTE, 2, {0x101, 7});
    addText(table.get(), TAG_MODEL, TIFF_TYPE_ASCII, {'a', 0, 'b'});
    addText(table.get(), TAG_ARTIST, TIFF_TYPE_ASCII, {'x', 'y'});
    addNumbers(table.get(), TAG_SHARPNESS, TIFF_TYPE_SHORT, 2, {65535, 0x10002});
    addNumbers(table.get(), TAG_ISO_SPEED, TIFF_TYPE_LONG, 1, {4000000000u});
    addNumbers(table.get(), TAG_CONTRAST, TIFF_TYPE_SBYTE, 2, {0xFF, 5});
    addText(table.get(), TAG_EXIF_VERSION, TIFF_TYPE_UNDEFINED, {'0', '2', '3', '0'});
    addText(table.get(), TAG_LENS_MAKE, TIFF_TYPE_UNDEFINED, {0, ' ', 'A', 0x7F});
    addText(table.get(), TAG_LENS_MODEL, TIFF_TYPE_UNDEFINED, Bytes(20, 'u'));
    addNumbers(table.get(), TAG_EXPOSURE_PROGRAM, TIFF_TYPE_SSHORT, 1, {65534});
    addNumbers(table.get(), TAG_SATURATION, TIFF_TYPE_SLONG, 1, {0xFFFFFFFF});
    addNumbers(table.get(), TAG_EXPOSURE_BIAS_VALUE, TIFF_TYPE_SRATIONAL, 1, {0xFFFFFFFF, 3});
    EXPECT_EQ(dumpToString(table.get(), EXIFLIST_DUMP_SHORT),
              "\n= EXIF IFD =\n"
              " - GainControl: 1 7 \n"
              " - Model: \"a\"\n"
              " - Artist: \"xy\"\n"
              " - Sharpness: 65535 2 \n"
              " - ISOSpeed: 4000000000 \n"
              " - Contrast: -1 5 \n"
              " - ExifVersion: 0 2 3 0 \n"
              " - LensMake: 0x00 0x20 A 0x7f \n"
              " - LensModel: u u u u u u u u u u u u u u u u (omitted)\n"
              " - ExposureProgram: -2 \n"
              " - Saturation: -1 \n"
              " - ExposureBiasValue: -1/3 \n");
}

TEST(TableDump, ArrayDumpsEveryTableInOrder) {
    Table zeroth = emptyTable(IFD_0TH);
    Table gps = emptyTable(IFD_GPS);
    addText(gps.get(), 31, TIFF_TYPE_ASCII, {'1', 0});
    addText(gps.get(), 32, TIFF_TYPE_ASCII, {'2', 0});
    ExifIfdTable* tables[] = {zeroth.get(), gps.get(), nullptr};
    EXPECT_EQ(dumpArrayToString(tables, EXIFLIST_DUMP_SHORT), "\n= 0TH IFD =\n\n= GPS IFD =\n"
                                                              " - GPSHPositioningError: \"1\"\n"
                                                              " - (unknown): \"2\"\n");
}

} // namespace

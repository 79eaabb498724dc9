#include "ReaderHelpers.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

using namespace fixture;
using namespace std::string_view_literals;

namespace {

constexpr uint16_t tagOrientation = 274; // not kept
constexpr uint16_t typeFloat = 11;

std::vector<uint32_t> numbers(const ExifTagNode* node, size_t count) {
    return std::vector<uint32_t>(node->numData, node->numData + count);
}

std::string text(const ExifTagNode* node) {
    return std::string(reinterpret_cast<const char*>(node->byteData), node->count);
}

Table zerothWith(std::vector<Entry> entries, Order order = Order::little) {
    TiffBuilder builder;
    builder.order = order;
    builder.zeroth = std::move(entries);
    return readZerothIfd(builder.build());
}

TEST(AnalyzeIfd, EntryCountLimits) {
    Table empty = zerothWith({});
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(empty->entryCount, 0);
    EXPECT_EQ(empty->firstNode, nullptr);

    const std::vector<Entry> unkept(256, shortEntry(tagOrientation, TIFF_TYPE_SHORT, {1}));
    Table full = zerothWith(unkept);
    ASSERT_NE(full, nullptr);
    EXPECT_EQ(full->entryCount, 256);
    EXPECT_EQ(full->firstNode, nullptr);

    std::vector<Entry> tooMany = unkept;
    tooMany.push_back(asciiEntry(TAG_MAKE, "ABCD"));
    EXPECT_EQ(zerothWith(tooMany), nullptr);
}

TEST(AnalyzeIfd, DirectoryOutsideTheDataOrCutShort) {
    ExifReaderContext reader;
    const Bytes tiff = minimalTiff();
    ASSERT_EQ(detect(tiff, reader), EXIFLIST_SUCCESS);
    EXPECT_EQ(analyzeIFD(&reader, 5000, IFD_EXIF), nullptr);
    EXPECT_EQ(reader.strm.seekError, 1);
    EXPECT_EQ(analyzeIFD(nullptr, 8, IFD_0TH), nullptr);

    // Cut inside the only entry: the 0th IFD's link lies outside the data.
    const Bytes cut(tiff.begin(), tiff.begin() + 8 + 2 + 6);
    ASSERT_EQ(detect(cut, reader), EXIFLIST_SUCCESS);
    EXPECT_EQ(analyzeIFD(&reader, 8, IFD_0TH), nullptr);
    EXPECT_EQ(reader.strm.seekError, 1);
    // Without a link to check, the short entry itself fails the directory.
    ASSERT_EQ(detect(cut, reader), EXIFLIST_SUCCESS);
    EXPECT_EQ(analyzeIFD(&reader, 8, IFD_EXIF), nullptr);
    EXPECT_EQ(reader.strm.seekError, 0);
}

TEST(AnalyzeIfd, KeepsKnownTagsOfSupportedTypesInDirectoryOrder) {
    Table table = zerothWith({shortEntry(tagOrientation, TIFF_TYPE_SHORT, {1}),
                              rawEntry(TAG_FNUMBER, typeFloat, 1, 0x40000000),
                              rawEntry(TAG_MAKE, 0, 1, 0), asciiEntry(TAG_MAKE, "first"),
                              asciiEntry(TAG_MODEL, "M"), asciiEntry(TAG_MAKE, "second")});
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->entryCount, 6);
    const ExifTagNode* first = table->firstNode;
    ASSERT_EQ(first, getTagNodePtrFromIfd(table.get(), TAG_MAKE));
    EXPECT_EQ(text(first), "first\0"sv);
    EXPECT_EQ(first->prev, nullptr);
    ASSERT_NE(first->next, nullptr);
    EXPECT_EQ(first->next->tag, TAG_MODEL);
    ASSERT_NE(first->next->next, nullptr);
    EXPECT_EQ(text(first->next->next), "second\0"sv);
    EXPECT_EQ(first->next->next->prev, first->next);
    EXPECT_EQ(first->next->next->next, nullptr);
}

TEST(AnalyzeIfd, ValuesInlineOffsetAndCappedTo8192Bytes) {
    const std::string longText(9999, 'q');
    std::vector<uint32_t> shorts(5000), longs(3000);
    for (size_t i = 0; i < shorts.size(); ++i)
        shorts[i] = static_cast<uint32_t>(i);
    for (size_t i = 0; i < longs.size(); ++i)
        longs[i] = static_cast<uint32_t>(i * 100000);
    Table table = zerothWith({asciiEntry(TAG_MAKE, "abc"), asciiEntry(TAG_MODEL, "abcd"),
                              asciiEntry(TAG_ARTIST, longText),
                              byteEntry(TAG_COPYRIGHT, TIFF_TYPE_ASCII, Bytes(8192, 'r')),
                              byteEntry(TAG_GAIN_CONTROL, TIFF_TYPE_BYTE, Bytes(9000, 4)),
                              shortEntry(TAG_SHARPNESS, TIFF_TYPE_SHORT, shorts),
                              longEntry(TAG_ISO_SPEED, TIFF_TYPE_LONG, longs)});
    ASSERT_NE(table, nullptr);
    const ExifTagNode* make = getTagNodePtrFromIfd(table.get(), TAG_MAKE);
    EXPECT_EQ(text(make), "abc\0"sv);
    EXPECT_EQ(make->numData, nullptr);
    EXPECT_EQ(text(getTagNodePtrFromIfd(table.get(), TAG_MODEL)), "abcd\0"sv);
    const ExifTagNode* artist = getTagNodePtrFromIfd(table.get(), TAG_ARTIST);
    EXPECT_EQ(artist->count, EXIFLIST_MAX_TEXT_COUNT);
    EXPECT_EQ(text(artist), longText.substr(0, EXIFLIST_MAX_TEXT_COUNT));
    EXPECT_EQ(getTagNodePtrFromIfd(table.get(), TAG_COPYRIGHT)->count, 8192u);
    EXPECT_EQ(getTagNodePtrFromIfd(table.get(), TAG_GAIN_CONTROL)->count, 8192u);
    const ExifTagNode* sharpness = getTagNodePtrFromIfd(table.get(), TAG_SHARPNESS);
    ASSERT_EQ(sharpness->count, 4096u);
    EXPECT_EQ(sharpness->numData[4095], 4095u);
    const ExifTagNode* iso = getTagNodePtrFromIfd(table.get(), TAG_ISO_SPEED);
    ASSERT_EQ(iso->count, 2048u);
    EXPECT_EQ(iso->numData[2047], 2047u * 100000);
}

// Signed values are kept as their bit patterns.
TEST(AnalyzeIfd, IntegerValuesInBothByteOrders) {
    const struct {
        Entry entry;
        std::vector<uint32_t> expected;
    } cases[] = {
        {shortEntry(TAG_EXPOSURE_PROGRAM, TIFF_TYPE_SHORT, {3}), {3}},
        {shortEntry(TAG_SHARPNESS, TIFF_TYPE_SHORT, {1, 2, 0xFFFF}), {1, 2, 0xFFFF}},
        {longEntry(TAG_ISO_SPEED, TIFF_TYPE_LONG, {7, 0x80000000}), {7, 0x80000000}},
        {byteEntry(TAG_CONTRAST, TIFF_TYPE_BYTE, {9, 8, 7, 6, 5}), {9, 8, 7, 6, 5}},
        {shortEntry(TAG_EXPOSURE_PROGRAM, TIFF_TYPE_SSHORT, {0xFFFE}), {65534}},
        {rationalEntry(TAG_EXPOSURE_BIAS_VALUE, TIFF_TYPE_SRATIONAL, {0xFFFFFFFF, 3}),
         {0xFFFFFFFF, 3}},
        {byteEntry(TAG_GAIN_CONTROL, TIFF_TYPE_SBYTE, {0xFF}), {255}},
        {longEntry(TAG_ISO_SPEED, TIFF_TYPE_SLONG, {0xFFFFFFF6}), {0xFFFFFFF6}},
    };
    for (Order order : {Order::little, Order::big}) {
        for (const auto& c : cases) {
            Table table = zerothWith({c.entry}, order);
            ASSERT_NE(table, nullptr);
            const ExifTagNode* node = getTagNodePtrFromIfd(table.get(), c.entry.tag);
            ASSERT_NE(node, nullptr) << c.entry.tag;
            EXPECT_EQ(numbers(node, c.expected.size()), c.expected)
                << c.entry.tag << " type " << c.entry.type;
        }
    }
}

TEST(AnalyzeIfd, UnreadableValuesMarkOnlyTheirNode) {
    ExifReaderContext reader;
    TiffBuilder builder;
    builder.zeroth = {rawEntry(TAG_FNUMBER, TIFF_TYPE_RATIONAL, 1, 0x00FFFFFF),
                      rawEntry(TAG_FOCAL_LENGTH, TIFF_TYPE_RATIONAL, 0xFFFFFFFF, 8),
                      rawEntry(TAG_ISO_SPEED, TIFF_TYPE_LONG, 3, 0x7FFFFFF0),
                      rawEntry(TAG_MAKE, TIFF_TYPE_ASCII, 1000, 8),
                      rawEntry(TAG_MODEL, TIFF_TYPE_ASCII, 0, 0),
                      asciiEntry(TAG_ARTIST, "readable after a refused move")};
    const Bytes tiff = builder.build();
    ASSERT_EQ(detect(tiff, reader), EXIFLIST_SUCCESS);
    Table table(analyzeIFD(&reader, 8, IFD_0TH));
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(reader.strm.seekError, 1);
    for (uint16_t tag : {TAG_FNUMBER, TAG_FOCAL_LENGTH, TAG_ISO_SPEED, TAG_MAKE, TAG_MODEL}) {
        const ExifTagNode* node = getTagNodePtrFromIfd(table.get(), tag);
        ASSERT_NE(node, nullptr) << tag;
        EXPECT_EQ(node->error, 1) << tag;
        EXPECT_EQ(node->numData, nullptr) << tag;
        EXPECT_EQ(node->byteData, nullptr) << tag;
    }
    EXPECT_EQ(getTagNodePtrFromIfd(table.get(), TAG_FOCAL_LENGTH)->count, 0xFFFFFFFFu);
    const ExifTagNode* artist = getTagNodePtrFromIfd(table.get(), TAG_ARTIST);
    EXPECT_EQ(artist->error, 0);
    EXPECT_EQ(text(artist), "readable after a refused move\0"sv);
}

TEST(GenerateTables, ZerothExifAndGpsInOrder) {
    TiffBuilder builder;
    builder.order = Order::big;
    builder.zeroth = {asciiEntry(TAG_MAKE, "Maker")};
    builder.exif = std::vector<Entry>{rationalEntry(TAG_FNUMBER, TIFF_TYPE_RATIONAL, {28, 10})};
    builder.gps =
        std::vector<Entry>{byteEntry(0, TIFF_TYPE_BYTE, {2, 3, 0, 0}), asciiEntry(1, "N")};
    builder.nextIfdOffset = 0x1234; // read for the 0th IFD only
    const Bytes tiff = builder.build();
    const Bytes xmp =
        segment(0xFFE1, concat({{'h', 't', 't', 'p', ':', '/', '/'}, Bytes(40, 'x')}));
    Bytes afterXmp = jpegWithExif(tiff, {xmp});
    afterXmp[2 + xmp.size() + 4 + 5] = 'Z'; // any sixth identifier byte is accepted
    // Found in every container shape: after other segments or resources, past skipped
    // colour data, behind resource names padded to an even length (length byte included).
    const Bytes files[] = {
        tiff,
        jpegWithExif(tiff, {segment(0xFFE0, Bytes(14, 'J'))}),
        afterXmp,
        psdWithExif(tiff),
        psd({.colorMode = 8}, Bytes(10, '8'), {psdResource(1059, "", tiff)}),
        psd({}, {}, {psdResource(1036, "thumb", Bytes(50, 1)), psdResource(1058, "abc", tiff)}),
        psd({}, {}, {psdResource(1058, "abcd", tiff)}),
    };
    for (const Bytes& file : files) {
        SCOPED_TRACE(&file - files);
        int result = 0;
        TableArray tables = readTables(file, result);
        ASSERT_EQ(result, 3);
        ASSERT_EQ(tableCount(tables.get()), 3);
        EXPECT_EQ(getIfdType(tables[0]), IFD_0TH);
        EXPECT_EQ(getIfdType(tables[1]), IFD_EXIF);
        EXPECT_EQ(getIfdType(tables[2]), IFD_GPS);
        EXPECT_EQ(tables[0]->nextIfdOffset, 0x1234u);
        EXPECT_EQ(tables[1]->nextIfdOffset, 0u);
        EXPECT_EQ(tables[2]->entryCount, 2);
        EXPECT_EQ(tables[2]->firstNode, nullptr);
        NodeCopy fNumber(getTagInfo(tables.get(), IFD_EXIF, TAG_FNUMBER));
        tables.reset(); // the copy outlives the tables
        ASSERT_NE(fNumber, nullptr);
        EXPECT_EQ(numbers(fNumber.get(), 2), (std::vector<uint32_t>{28, 10}));
    }
}

TEST(GenerateTables, WhatWasReadBeforeAFailureIsKept) {
    TiffBuilder builder;
    builder.zeroth = {asciiEntry(TAG_MAKE, "Maker"), asciiEntry(TAG_GPS_INFO_IFD_POINTER, "text")};
    builder.exifPointer = 0; // zero and non-LONG pointers lead to no table
    int result = 0;
    EXPECT_EQ(tableCount(readTables(builder.build(), result).get()), 1);
    EXPECT_EQ(result, 1);

    builder.zeroth.pop_back();
    builder.exifPointer = 0x00FFFFFF; // into garbage
    builder.gps = std::vector<Entry>{asciiEntry(1, "N")};
    TableArray tables = readTables(builder.build(), result);
    EXPECT_EQ(result, EXIFLIST_ERROR_IFD);
    ASSERT_EQ(tableCount(tables.get()), 2);
    EXPECT_EQ(getIfdType(tables[1]), IFD_GPS);

    Bytes farAway = minimalTiff();
    farAway[4] = 0xF0; // an unreadable 0th IFD gives no array at all
    for (const Bytes& data : {farAway, Bytes{'I', 'I', 43, 0, 8, 0, 0, 0, 0, 0}}) {
        EXPECT_EQ(readTables(data, result), nullptr);
        EXPECT_EQ(result, EXIFLIST_ERROR_IFD);
    }
}

} // namespace

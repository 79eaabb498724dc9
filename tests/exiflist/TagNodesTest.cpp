#include "ReaderHelpers.h"

#include <gtest/gtest.h>

using namespace fixture;

namespace {

TEST(AddTagNode, StoresACopyOfTheRightKindOfData) {
    Table table = emptyTable(IFD_EXIF);
    uint32_t rational[] = {1, 250};
    const unsigned char text[] = "ABC";
    addTagNodeToIfd(table.get(), TAG_EXPOSURE_TIME, TIFF_TYPE_RATIONAL, 1, rational, text);
    addTagNodeToIfd(table.get(), TAG_MAKE, TIFF_TYPE_ASCII, 4, nullptr, text);
    addTagNodeToIfd(table.get(), TAG_MODEL, TIFF_TYPE_ASCII, 0, rational, text);
    addTagNodeToIfd(table.get(), TAG_ARTIST, TIFF_TYPE_ASCII, 3, nullptr, nullptr);
    rational[1] = 0;

    const ExifTagNode* exposure = getTagNodePtrFromIfd(table.get(), TAG_EXPOSURE_TIME);
    ASSERT_NE(exposure, nullptr);
    EXPECT_EQ(exposure->numData[1], 250u);
    EXPECT_EQ(exposure->byteData, nullptr);
    const ExifTagNode* make = getTagNodePtrFromIfd(table.get(), TAG_MAKE);
    EXPECT_NE(make->byteData, text);
    EXPECT_EQ(make->error, 0);
    for (uint16_t tag : {TAG_MODEL, TAG_ARTIST}) {
        const ExifTagNode* node = getTagNodePtrFromIfd(table.get(), tag);
        EXPECT_EQ(node->error, 1);
        EXPECT_EQ(node->numData, nullptr);
        EXPECT_EQ(node->byteData, nullptr);
    }
    EXPECT_EQ(make->prev, exposure);
}

TEST(TagNodes, NullIsAcceptedEverywhere) {
    addTagNodeToIfd(nullptr, TAG_MAKE, TIFF_TYPE_ASCII, 0, nullptr, nullptr);
    freeTagNode(nullptr);
    freeIfdTable(nullptr);
    freeIfdTableArray(nullptr);
    EXPECT_EQ(getIfdType(nullptr), 0);
    EXPECT_EQ(getTagNodePtrFromIfd(nullptr, TAG_MAKE), nullptr);
    EXPECT_EQ(getTagInfo(nullptr, IFD_0TH, TAG_MAKE), nullptr);
}

TEST(GetTagInfo, CopiesTheFirstMatchOfTheFirstTableOfTheType) {
    Table first = emptyTable(IFD_0TH);
    Table second = emptyTable(IFD_0TH);
    const unsigned char firstText[] = "one";
    const unsigned char secondText[] = "two";
    addTagNodeToIfd(first.get(), TAG_MAKE, TIFF_TYPE_ASCII, 4, nullptr, firstText);
    addTagNodeToIfd(first.get(), TAG_MAKE, TIFF_TYPE_ASCII, 4, nullptr, secondText);
    addTagNodeToIfd(second.get(), TAG_MODEL, TIFF_TYPE_ASCII, 4, nullptr, secondText);
    addTagNodeToIfd(first.get(), TAG_ARTIST, TIFF_TYPE_ASCII, 0, nullptr, nullptr);
    ExifIfdTable* tables[] = {first.get(), second.get(), nullptr};

    NodeCopy make(getTagInfo(tables, IFD_0TH, TAG_MAKE));
    ASSERT_NE(make, nullptr);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(make->byteData), 3), "one");
    EXPECT_NE(make->byteData, first->firstNode->byteData);
    EXPECT_EQ(make->next, nullptr);
    EXPECT_EQ(make->prev, nullptr);
    EXPECT_EQ(getTagInfo(tables, IFD_0TH, TAG_MODEL), nullptr);
    EXPECT_EQ(getTagInfo(tables, IFD_0TH, TAG_ARTIST), nullptr);
    EXPECT_EQ(getTagInfo(tables, IFD_EXIF, TAG_MAKE), nullptr);
}

} // namespace

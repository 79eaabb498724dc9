#include "PrintBoxFixtures.h"
#include "PsdBuilder.h"

#include "pictures/Picture.h"
#include "pictures/PsdDecoder.h"
#include "platform/FileData.h"

#include <gtest/gtest.h>

namespace {

// The picture decoded for the boxes (none: every pixel); a null image when refused.
QImage decode(const QByteArray& bytes, const PrintBoxes& boxes = {}) {
    const auto decoded =
        PsdDecoder::decode(reinterpret_cast<const unsigned char*>(bytes.constData()),
                           static_cast<std::size_t>(bytes.size()), boxes);
    return decoded ? decoded->image : QImage();
}

// A gradient that differs per channel and per position, so swapped channels, rows or
// planes show.
std::uint16_t gradient(int channel, int x, int y) {
    return (channel * 70 + x * 20 + y * 50) % 256;
}

struct Variant {
    const char* name;
    int colorMode;
    int channels;
    int depth;
    bool rle;
    bool largeDocument;
};

class PsdVariants : public testing::TestWithParam<Variant> {};

QRgb expectedColour(const Variant& v, int x, int y) {
    auto s = [&](int c) { return static_cast<int>(gradient(c, x, y)); };
    switch (v.colorMode) {
    case 1:
        return qRgb(s(0), s(0), s(0));
    case 3:
        return qRgb(s(0), s(1), s(2));
    default:
        return qRgb(s(0) * s(3) / 255, s(1) * s(3) / 255, s(2) * s(3) / 255);
    }
}

TEST_P(PsdVariants, DecodesTheCompositeAtFullSize) {
    const Variant v = GetParam();
    PsdDocument document;
    document.width = 7;
    document.height = 5;
    document.colorMode = v.colorMode;
    document.channels = v.channels;
    document.depth = v.depth;
    document.rle = v.rle;
    document.largeDocument = v.largeDocument;
    // 16-bit samples carry the 8-bit value in both bytes, which narrows back exactly.
    document.sample = [&](int c, int x, int y) {
        const std::uint16_t s = gradient(c, x, y);
        return v.depth == 16 ? static_cast<std::uint16_t>(s * 257) : s;
    };
    const QImage image = decode(buildPsd(document));
    ASSERT_FALSE(image.isNull());
    ASSERT_EQ(image.size(), QSize(7, 5));
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x)
            ASSERT_EQ(image.pixel(x, y), expectedColour(v, x, y)) << x << "," << y;
}

INSTANTIATE_TEST_SUITE_P(Composite, PsdVariants,
                         testing::Values(Variant{"Rgb8Raw", 3, 3, 8, false, false},
                                         Variant{"Rgb8Rle", 3, 3, 8, true, false},
                                         Variant{"Rgb16Raw", 3, 3, 16, false, false},
                                         Variant{"Rgb16Rle", 3, 3, 16, true, false},
                                         Variant{"RgbWithAlphaRle", 3, 4, 8, true, false},
                                         Variant{"Gray8Raw", 1, 1, 8, false, false},
                                         Variant{"Gray16Rle", 1, 1, 16, true, false},
                                         Variant{"Cmyk8Rle", 4, 4, 8, true, false},
                                         Variant{"Cmyk16Raw", 4, 5, 16, false, false},
                                         Variant{"LargeDocumentRle", 3, 3, 8, true, true}),
                         [](const testing::TestParamInfo<Variant>& info) {
                             return info.param.name;
                         });

TEST(PsdDecoder, CmykInkValuesAreInverted) {
    PsdDocument document;
    document.colorMode = 4;
    document.channels = 4;
    // No cyan, full magenta and yellow, no black: red.
    document.sample = [](int c, int, int) -> std::uint16_t { return c == 1 || c == 2 ? 0 : 255; };
    EXPECT_EQ(decode(buildPsd(document)).pixel(0, 0), qRgb(255, 0, 0));
}

TEST(PsdDecoder, ReducedDecodeAveragesBlocksKeepsEnoughPixelsAndTheFullSize) {
    PsdDocument document;
    document.width = 100;
    document.height = 60;
    document.colorMode = 1;
    document.channels = 1;
    document.rle = true;
    document.sample = [](int, int x, int y) -> std::uint16_t { return (x + y) % 2 ? 255 : 0; };
    // Printed at 0.155 of its pixels the document needs 16 by 10 of them; the largest
    // whole factor leaving that many is 6: 17 by 10 with a partial column.
    const QImage image = decode(buildPsd(document), boxesScaling(0.155, 60));
    ASSERT_EQ(image.size(), QSize(17, 10));
    EXPECT_NEAR(qGray(image.pixel(3, 3)), 128, 1);
    EXPECT_NEAR(qGray(image.pixel(16, 9)), 128, 1);

    // The picture of a document reduced as it is read keeps the document's full size.
    document.width = 3000;
    document.height = 2000;
    document.sample = [](int, int, int) -> std::uint16_t { return 90; };
    const auto picture =
        Picture::initWithData(*FileData::fromByteArray(buildPsd(document)), thumbnailBoxes);
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->size(), QSizeF(3000, 2000));
    EXPECT_EQ(picture->image().size(), QSize(600, 400)); // reduced by 5
    EXPECT_EQ(qGray(picture->image().pixel(5, 5)), 90);
}

QByteArray smallRlePsd() {
    PsdDocument document;
    document.rle = true;
    document.sample = gradient;
    return buildPsd(document);
}

TEST(PsdDecoder, EveryTruncationIsRefused) {
    const QByteArray whole = smallRlePsd();
    ASSERT_FALSE(decode(whole).isNull());
    for (qsizetype length = 0; length < whole.size(); ++length)
        EXPECT_TRUE(decode(whole.left(length)).isNull()) << length;
    EXPECT_FALSE(Picture::initWithData(*FileData::fromByteArray(whole.chopped(1)), {}));
}

TEST(PsdDecoder, DamagedDocumentsAreRefused) {
    const QByteArray whole = smallRlePsd();
    const qsizetype imageData = 26 + 4 + 4 + 4;
    const qsizetype firstCount = imageData + 2;
    const qsizetype firstRow = firstCount + 2 * 3 * 3;

    auto with = [&](qsizetype at, std::initializer_list<unsigned char> bytes) {
        QByteArray damaged = whole;
        for (unsigned char b : bytes)
            damaged[at++] = static_cast<char>(b);
        return damaged;
    };
    // A row count past the end of the file.
    EXPECT_TRUE(decode(with(firstCount, {0xff, 0xff})).isNull());
    // A repeat run longer than the row.
    EXPECT_TRUE(decode(with(firstRow, {0x81, 0x00})).isNull());
    // A literal run longer than the row's bytes.
    EXPECT_TRUE(decode(with(firstRow, {0x7f})).isNull());
    // Unknown compression, colour mode, depth; no channels; zero and huge sizes.
    EXPECT_TRUE(decode(with(imageData, {0, 9})).isNull());
    EXPECT_TRUE(decode(with(24, {0, 9})).isNull());
    EXPECT_TRUE(decode(with(22, {0, 32})).isNull());
    EXPECT_TRUE(decode(with(12, {0, 0})).isNull());
    EXPECT_TRUE(decode(with(14, {0, 0, 0, 0})).isNull());
    EXPECT_TRUE(decode(with(18, {0xff, 0xff, 0xff, 0xff})).isNull());
    // A section length beyond the file.
    EXPECT_TRUE(decode(with(26, {0x7f, 0xff, 0xff, 0xff})).isNull());
    // Bad signature or version.
    EXPECT_TRUE(decode(with(0, {'8', 'B', 'P', 'X'})).isNull());
    EXPECT_TRUE(decode(with(4, {0, 3})).isNull());
}

} // namespace

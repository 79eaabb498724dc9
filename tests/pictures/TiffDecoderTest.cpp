#include "PrintBoxFixtures.h"

#include "pictures/Picture.h"
#include "pictures/TiffDecoder.h"
#include "platform/FileData.h"

#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>

#include <gtest/gtest.h>

namespace {

constexpr int noCompression = 0;
constexpr int lzwCompression = 1;

QByteArray
tiffOf(const QImage& image, int compression,
       QImageIOHandler::Transformations transformation = QImageIOHandler::TransformationNone) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "tiff");
    writer.setCompression(compression);
    writer.setTransformation(transformation);
    EXPECT_TRUE(writer.write(image)) << qPrintable(writer.errorString());
    return bytes;
}

// The reducing decoder's picture of the file for the boxes; a null image when it
// leaves the file to the image plug-ins.
QImage reduced(const QByteArray& tiff, const PrintBoxes& boxes) {
    const auto decoded =
        TiffDecoder::decode(reinterpret_cast<const unsigned char*>(tiff.constData()),
                            static_cast<std::size_t>(tiff.size()), boxes);
    return decoded ? decoded->image : QImage();
}

std::shared_ptr<Picture> pictureOf(const QByteArray& tiff) {
    return Picture::initWithData(*FileData::fromByteArray(tiff), thumbnailBoxes);
}

// An RGB picture of size whose pixel (x, y) is a colour worked out from them.
QImage pattern(QSize size) {
    QImage image(size, QImage::Format_RGB888);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb((x * 37) % 256, (y * 53) % 256, (x * y) % 256));
    return image;
}

// Each 4 × 4 block becomes its mean, rounded to nearest; the blocks at the right and
// bottom edges hold only the pixels left there. Printed at a fifth of its pixels, the
// picture needs about 6 by 5 of them: halved twice it still has 8 by 6.
TEST(TiffDecoder, ReducesEachBlockToItsMean) {
    const QImage source = pattern(QSize(30, 21));
    for (const int compression : {noCompression, lzwCompression}) {
        SCOPED_TRACE(compression);
        const QImage image = reduced(tiffOf(source, compression), boxesScaling(0.2, 21));
        ASSERT_EQ(image.size(), QSize(8, 6));
        EXPECT_EQ(image.pixel(0, 0), qRgb(56, 80, 2));
        EXPECT_EQ(image.pixel(7, 5), qRgb(31, 36, 58));
    }
}

TEST(TiffDecoder, ReadsGrayscale) {
    QImage gray(16, 16, QImage::Format_Grayscale8);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            gray.scanLine(y)[x] = static_cast<uchar>(x < 8 ? 40 : 200);
    const QByteArray tiff = tiffOf(gray, noCompression);
    const QImage image = reduced(tiff, boxesScaling(0.1, 16));
    ASSERT_EQ(image.size(), QSize(2, 2));
    EXPECT_EQ(image.pixel(0, 1), qRgb(40, 40, 40));
    EXPECT_EQ(image.pixel(1, 0), qRgb(200, 200, 200));
    // Small enough to need no reduction, the picture comes whole from the plug-ins.
    EXPECT_TRUE(reduced(tiff, thumbnailBoxes).isNull());
    const auto picture = pictureOf(tiff);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->image().size(), QSize(16, 16));
}

// Samples of other widths and alpha channels stay with the image plug-ins, which
// still give the picture; a cut-off file gives no picture from this decoder rather
// than a partial one.
TEST(TiffDecoder, LeavesWhatItDoesNotReadToThePluginsAndRefusesCutFiles) {
    const PrintBoxes tiny = boxesScaling(0.25, 8);
    QImage deep(8, 8, QImage::Format_RGBX64);
    deep.fill(Qt::darkGreen);
    QImage translucent(8, 8, QImage::Format_ARGB32);
    translucent.fill(qRgba(10, 20, 30, 128));
    for (const QImage& image : {deep, translucent}) {
        const QByteArray tiff = tiffOf(image, noCompression);
        EXPECT_TRUE(reduced(tiff, tiny).isNull());
        const auto picture = pictureOf(tiff);
        ASSERT_NE(picture, nullptr);
        EXPECT_EQ(picture->image().size(), QSize(8, 8));
    }
    EXPECT_TRUE(reduced(QByteArray("not a photograph at all"), tiny).isNull());
    const QByteArray tiff = tiffOf(pattern(QSize(64, 64)), noCompression);
    ASSERT_FALSE(reduced(tiff, tiny).isNull());
    EXPECT_TRUE(reduced(tiff.left(tiff.size() / 2), tiny).isNull());
}

// A picture larger than its print boxes need goes through the reducing decoder and comes
// out upright and as the image plug-ins would show it.
TEST(TiffDecoder, LargePicturesAreReducedUprightLikeThePluginsShowThem) {
    const QSize stored(1600, 1200);
    QImage source(stored, QImage::Format_RGB888);
    source.fill(Qt::white);
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 400; ++x)
            source.setPixel(x, y, qRgb(200, 30, 30)); // a red top-left corner as stored
    for (const auto transformation :
         {QImageIOHandler::TransformationNone, QImageIOHandler::TransformationRotate90,
          QImageIOHandler::TransformationMirror}) {
        SCOPED_TRACE(static_cast<int>(transformation));
        const QByteArray tiff = tiffOf(source, lzwCompression, transformation);
        const auto picture = pictureOf(tiff);
        ASSERT_NE(picture, nullptr);

        QBuffer buffer;
        buffer.setData(tiff);
        QImageReader reader(&buffer);
        reader.setAutoTransform(true);
        const QImage shown = reader.read();
        ASSERT_FALSE(shown.isNull());
        EXPECT_EQ(picture->size(), QSizeF(shown.size()));
        const QImage& reduced = picture->image();
        EXPECT_EQ(reduced.width() * 2, shown.width());
        EXPECT_EQ(reduced.height() * 2, shown.height());
        for (const QPointF corner :
             {QPointF(0.05, 0.05), QPointF(0.95, 0.05), QPointF(0.05, 0.95), QPointF(0.95, 0.95)}) {
            const QRgb expected = shown.pixel(static_cast<int>(corner.x() * shown.width()),
                                              static_cast<int>(corner.y() * shown.height()));
            const QRgb actual = reduced.pixel(static_cast<int>(corner.x() * reduced.width()),
                                              static_cast<int>(corner.y() * reduced.height()));
            EXPECT_EQ(actual, expected) << corner.x() << "," << corner.y();
        }
    }
}

} // namespace

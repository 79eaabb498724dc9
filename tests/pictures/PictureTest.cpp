#include "PrintBoxFixtures.h"
#include "common/HostileJpeg.h"
#include "common/QStringPrinter.h"

#include "pictures/DecodeLimits.h"
#include "pictures/JpegFrame.h"
#include "pictures/Picture.h"
#include "platform/FileData.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

QByteArray encode(const QImage& image, const char* format, bool progressive = false) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(95);
    writer.setProgressiveScanWrite(progressive);
    EXPECT_TRUE(writer.write(image));
    return bytes;
}

// A JPEG whose stored pixels are the left half red and the right half blue, with an
// Exif segment giving the orientation.
QByteArray orientedJpeg(QSize stored, quint16 orientation) {
    QImage image(stored, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.fillRect(0, 0, stored.width() / 2, stored.height(), Qt::red);
    painter.fillRect(stored.width() / 2, 0, stored.width() - stored.width() / 2, stored.height(),
                     Qt::blue);
    painter.end();
    const QByteArray jpeg = encode(image, "jpeg");

    // Big-endian TIFF header, one directory holding Orientation (SHORT, 1 value).
    const QByteArray tiff = QByteArray("MM\0*\0\0\0\x08", 8) + QByteArray("\0\x01", 2) +
                            QByteArray("\x01\x12\0\x03\0\0\0\x01", 8) +
                            QByteArray(1, static_cast<char>(orientation >> 8)) +
                            QByteArray(1, static_cast<char>(orientation & 0xff)) +
                            QByteArray(2, '\0') + QByteArray(4, '\0');
    const QByteArray payload = QByteArray("Exif\0\0", 6) + tiff;
    const int segmentLength = static_cast<int>(payload.size()) + 2;
    QByteArray app1("\xff\xe1", 2);
    app1.append(static_cast<char>(segmentLength >> 8));
    app1.append(static_cast<char>(segmentLength & 0xff));
    app1.append(payload);
    // Right after the start-of-image marker.
    return jpeg.left(2) + app1 + jpeg.mid(2);
}

std::shared_ptr<Picture> pictureFrom(const QByteArray& bytes) {
    return Picture::initWithData(*FileData::fromByteArray(bytes), thumbnailBoxes);
}

bool isReddish(QRgb c) {
    return qRed(c) > 200 && qBlue(c) < 60;
}
bool isBluish(QRgb c) {
    return qBlue(c) > 200 && qRed(c) < 60;
}

TEST(Picture, OrientationIsAppliedAndLargePhotographsAreDecodedScaled) {
    const auto picture = pictureFrom(orientedJpeg(QSize(80, 40), 6));
    ASSERT_TRUE(picture);
    // Turned a quarter clockwise: the stored left (red) half is now on top.
    EXPECT_EQ(picture->size(), QSizeF(40, 80));
    ASSERT_EQ(picture->image().size(), QSize(40, 80));
    EXPECT_TRUE(isReddish(picture->image().pixel(20, 10)));
    EXPECT_TRUE(isBluish(picture->image().pixel(20, 70)));

    // Stored 4000 by 2000 and turned upright to 2000 by 4000, keeping its full size.
    const auto large = pictureFrom(orientedJpeg(QSize(4000, 2000), 6));
    ASSERT_TRUE(large);
    EXPECT_EQ(large->size(), QSizeF(2000, 4000));
    EXPECT_EQ(large->image().size(), QSize(500, 1000)); // halved while read, no smaller than needed
    EXPECT_TRUE(isReddish(large->image().pixel(250, 125)));
}

TEST(Picture, NonPicturesGiveNoPicture) {
    EXPECT_FALSE(pictureFrom(QByteArray()));
    EXPECT_FALSE(pictureFrom(QByteArray("not a picture at all")));
    const QByteArray jpeg = orientedJpeg(QSize(80, 40), 1);
    EXPECT_FALSE(pictureFrom(jpeg.left(jpeg.size() / 10)));
}

TEST(Picture, JpegsWhoseDecodeWouldPassTheMemoryLimitAreRefusedFromTheirHeader) {
    const QByteArray bomb = HostileJpeg::make();
    ASSERT_LT(bomb.size(), 1000);
    const auto frame = JpegFrame::read(reinterpret_cast<const unsigned char*>(bomb.constData()),
                                       static_cast<std::size_t>(bomb.size()));
    ASSERT_TRUE(frame);
    EXPECT_EQ(frame->width, HostileJpeg::declaredWidth);
    EXPECT_EQ(frame->height, HostileJpeg::declaredHeight);
    // 4:2:0: a full-resolution luminance plane and two quarter chroma planes, every
    // coefficient two bytes.
    EXPECT_EQ(frame->coefficientBufferBytes, (6126LL * 3376 + 2 * 3063LL * 1688) * 128);
    const auto data = FileData::fromByteArray(bomb);
    const Status refused = Picture::withinDecodeMemory(*data, thumbnailBoxes);
    ASSERT_FALSE(refused.ok());
    const QStringList told = refused.failure().arguments;
    EXPECT_EQ(told.mid(0, 2), (QStringList{"49000", "27000"}));
    EXPECT_GT(told.value(2).toLongLong(), pictureDecodeMemoryLimit >> 20);
    EXPECT_EQ(told.value(3), QString::number(pictureDecodeMemoryLimit >> 20));
    EXPECT_EQ(pictureFrom(bomb), nullptr);

    // The same declared size decodes row by row when it is baseline: only the decoder's
    // reduced output counts, which stays within the limit.
    const QByteArray baseline = HostileJpeg::make(false);
    const auto baselineFrame = JpegFrame::read(
        reinterpret_cast<const unsigned char*>(baseline.constData()), std::size_t(baseline.size()));
    ASSERT_TRUE(baselineFrame);
    EXPECT_FALSE(baselineFrame->needsWholeCoefficientBuffer);
    EXPECT_TRUE(Picture::withinDecodeMemory(*FileData::fromByteArray(baseline), thumbnailBoxes));

    // An honest progressive photograph decodes.
    QImage photo(1600, 1200, QImage::Format_RGB32);
    photo.fill(Qt::darkGreen);
    const QByteArray progressive = encode(photo, "jpeg", true);
    EXPECT_TRUE(Picture::withinDecodeMemory(*FileData::fromByteArray(progressive), thumbnailBoxes));
    const auto picture = pictureFrom(progressive);
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->size(), QSizeF(1600, 1200));
}

} // namespace

#include "pictures/Picture.h"

#include "pictures/DecodeLimits.h"
#include "pictures/JpegFrame.h"
#include "pictures/PictureReduction.h"
#include "pictures/PsdDecoder.h"
#include "pictures/TiffDecoder.h"
#include "platform/FileData.h"

#include <QBuffer>
#include <QColorSpace>
#include <QImageReader>
#include <QPaintEngine>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr double pointsPerInch = 72.0;
constexpr qint64 bytesPerMebibyte = 1024 * 1024;
// Qt's plug-ins refuse images whose pixels alone would take more than this.
constexpr int imageAllocationLimitMegabytes =
    static_cast<int>(pictureDecodeMemoryLimit / bytesPerMebibyte);
// The JPEG decoder reduces by at most this factor in each direction while decoding;
// Qt scales what it yields the rest of the way.
constexpr qint64 largestJpegReduction = 8;
constexpr qint64 bytesPerPixel = 4;

QSize transposed(QSize size, bool swap) {
    return swap ? size.transposed() : size;
}

// The size reached by halving full as often as it stays at least needed. The JPEG
// decoder scales by halves within its transform, so such a size is decoded directly,
// without a resampling pass that would cost time and detail.
QSize halvedAtLeast(QSize full, QSize needed) {
    return PictureReduction::reducedSize(full, PictureReduction::powerOfTwoFactor(full, needed));
}

// The plug-in format of a JPEG or a TIFF, known from its first bytes; empty for
// anything else. Qt then loads that plug-in alone, instead of loading the installed
// ones (with the libraries each needs) one after the other until one can read them.
QByteArray pluginFormat(const QByteArray& bytes) {
    if (bytes.startsWith("\xFF\xD8\xFF"))
        return QByteArrayLiteral("jpeg");
    if (bytes.startsWith(QByteArrayView("II*\0", 4)) ||
        bytes.startsWith(QByteArrayView("MM\0*", 4)))
        return QByteArrayLiteral("tiff");
    return QByteArray();
}

std::shared_ptr<Picture> decodeWithImagePlugins(const FileData& data) {
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data.bytes()),
                                                     static_cast<qsizetype>(data.length()));
    QBuffer buffer;
    buffer.setData(bytes);
    if (!buffer.open(QIODevice::ReadOnly))
        return nullptr;
    const QByteArray format = pluginFormat(bytes);
    QImageReader reader(&buffer, format);
    reader.setAutoDetectImageFormat(format.isEmpty());
    reader.setAutoTransform(true);
    reader.setAllocationLimit(imageAllocationLimitMegabytes);

    const QSize storedSize = reader.size();
    // The scaled size is given in the file's stored orientation; the orientation is
    // applied after decoding.
    const bool turned = reader.transformation().testFlag(QImageIOHandler::TransformationRotate90);
    QSize fullSize = transposed(storedSize, turned);
    if (storedSize.isValid()) {
        const QSize decoded = halvedAtLeast(fullSize, Picture::decodedSizeFor(fullSize));
        if (decoded != fullSize)
            reader.setScaledSize(transposed(decoded, turned));
    }
    QImage image = reader.read();
    if (image.isNull())
        return nullptr;
    if (!storedSize.isValid())
        fullSize = image.size();
    return Picture::initWithImage(std::move(image), QSizeF(fullSize));
}

// A TIFF larger than the labels need is reduced while it is read rather than decoded
// whole first; null when the file is not one the TIFF decoder reads or needs no
// reduction, so the image plug-ins decode it.
std::shared_ptr<Picture> decodeTiffReduced(const FileData& data) {
    const auto length = static_cast<std::size_t>(data.length());
    const auto header = TiffDecoder::readHeader(data.bytes(), length);
    if (!header)
        return nullptr;
    const bool turned = header->transformation.testFlag(QImageIOHandler::TransformationRotate90);
    const QSize fullSize = transposed(header->size, turned);
    const QSize decoded = halvedAtLeast(fullSize, Picture::decodedSizeFor(fullSize));
    if (decoded == fullSize)
        return nullptr;
    const QImage stored =
        TiffDecoder::decodeReduced(data.bytes(), length, transposed(decoded, turned));
    if (stored.isNull())
        return nullptr;
    return Picture::initWithImage(TiffDecoder::upright(stored, header->transformation),
                                  QSizeF(fullSize));
}

std::shared_ptr<Picture> decodePsd(const FileData& data, const PsdDecoder::Header& header) {
    const auto length = static_cast<std::size_t>(data.length());
    QImage image = PsdDecoder::decode(data.bytes(), length, Picture::decodedSizeFor(header.size));
    if (image.isNull())
        return nullptr;
    return Picture::initWithImage(std::move(image), QSizeF(header.size));
}

// The memory a JPEG's decode takes at most: its coefficient buffer, when it needs
// one, and the pixels the decoder hands over before Qt's final scaling.
qint64 jpegDecodeBytes(const JpegFrame& frame) {
    const QSize full(frame.width, frame.height);
    const QSize decoded = halvedAtLeast(full, Picture::decodedSizeFor(full));
    const qint64 reducedPixels = ((frame.width + largestJpegReduction - 1) / largestJpegReduction) *
                                 ((frame.height + largestJpegReduction - 1) / largestJpegReduction);
    const qint64 pixels = std::max(qint64(decoded.width()) * decoded.height(), reducedPixels);
    return frame.coefficientBufferBytes + pixels * bytesPerPixel;
}

} // namespace

Picture::Picture(QImage image, QSizeF size) : image_(std::move(image)), size_(size) {}

QSize Picture::decodedSizeFor(QSize fullSize) {
    if (fullSize.isEmpty())
        return fullSize;
    const double pixelsPerPoint = printResolutionDpi / pointsPerInch;
    const double width = fullSize.width();
    const double height = fullSize.height();
    // Tape 18 draws the picture tapeThumbnailHeight points high whatever its width;
    // Roll 60 fits its longer side into rollThumbnailSide points.
    const double forTape = tapeThumbnailHeight * pixelsPerPoint / height;
    const double forRoll = rollThumbnailSide * pixelsPerPoint / std::max(width, height);
    const double scale = std::max(forTape, forRoll);
    if (scale >= 1.0)
        return fullSize;
    return QSize(std::min(fullSize.width(), static_cast<int>(std::ceil(width * scale))),
                 std::min(fullSize.height(), static_cast<int>(std::ceil(height * scale))));
}

QString Picture::refusalReason(const FileData& data) {
    const auto frame = JpegFrame::read(data.bytes(), static_cast<std::size_t>(data.length()));
    if (!frame)
        return QString();
    const qint64 needed = jpegDecodeBytes(*frame);
    if (needed <= pictureDecodeMemoryLimit)
        return QString();
    return QStringLiteral("decoding its %1 × %2 pixel picture would need %3 MiB, more than the "
                          "%4 MiB a picture may take")
        .arg(frame->width)
        .arg(frame->height)
        .arg((needed + bytesPerMebibyte - 1) / bytesPerMebibyte)
        .arg(pictureDecodeMemoryLimit / bytesPerMebibyte);
}

std::shared_ptr<Picture> Picture::initWithData(const FileData& data) {
    if (!refusalReason(data).isEmpty())
        return nullptr;
    PsdDecoder::Header header;
    if (PsdDecoder::readHeader(data.bytes(), static_cast<std::size_t>(data.length()), header))
        return decodePsd(data, header);
    if (auto reduced = decodeTiffReduced(data))
        return reduced;
    return decodeWithImagePlugins(data);
}

std::shared_ptr<Picture> Picture::initWithImage(QImage image, QSizeF fullSize) {
    if (image.isNull())
        return nullptr;
    return std::shared_ptr<Picture>(new Picture(std::move(image), fullSize));
}

void Picture::drawInRect(QPainter& painter, const QRectF& rect) const {
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    // An SVG file embeds the picture as a PNG, which would carry the colour profile
    // the camera wrote (libpng warns about the faulty sRGB profiles many cameras
    // write). Labels are drawn without colour management on every other device, so
    // the SVG leaves the profile out too.
    if (painter.paintEngine() && painter.paintEngine()->type() == QPaintEngine::SVG) {
        QImage unprofiled = image_;
        unprofiled.setColorSpace(QColorSpace());
        painter.drawImage(rect, unprofiled);
    } else {
        painter.drawImage(rect, image_);
    }
    painter.restore();
}

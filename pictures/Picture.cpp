#include "pictures/Picture.h"

#include "pictures/DecodeLimits.h"
#include "pictures/JpegFrame.h"
#include "pictures/PluginDecoder.h"
#include "pictures/PsdDecoder.h"
#include "pictures/TiffDecoder.h"
#include "platform/FileData.h"

#include <QColorSpace>
#include <QPaintEngine>
#include <QPainter>

#include <cstring>
#include <optional>

namespace {

constexpr qint64 bytesPerMebibyte = 1024 * 1024;

enum class Format { Jpeg, Tiff, Psd, Other };

// The format the bytes start as. A document whose header the PSD decoder cannot read,
// like anything else unknown, is left to the image plug-ins.
Format formatOf(const unsigned char* bytes, std::size_t length) {
    const auto startsWith = [&](const char* magic, std::size_t size) {
        return length >= size && std::memcmp(bytes, magic, size) == 0;
    };
    if (startsWith("\xFF\xD8", 2))
        return Format::Jpeg;
    // Classic and big TIFF, in either byte order.
    if (startsWith("II*\0", 4) || startsWith("MM\0*", 4) || startsWith("II+\0", 4) ||
        startsWith("MM\0+", 4))
        return Format::Tiff;
    PsdDecoder::Header header;
    if (PsdDecoder::readHeader(bytes, length, header))
        return Format::Psd;
    return Format::Other;
}

std::optional<DecodedPicture> decoded(const FileData& data, const PrintBoxes& boxes) {
    const unsigned char* bytes = data.bytes();
    const auto length = static_cast<std::size_t>(data.length());
    switch (formatOf(bytes, length)) {
    case Format::Jpeg:
        // Refused from its frame header, before anything is allocated for it.
        if (!Picture::withinDecodeMemory(data, boxes))
            return std::nullopt;
        return PluginDecoder::decode(bytes, length, boxes, QByteArrayLiteral("jpeg"));
    case Format::Tiff:
        // TIFFs the reducing decoder does not read, and those small enough to need no
        // reduction, come whole from the image plug-ins.
        if (auto reduced = TiffDecoder::decode(bytes, length, boxes))
            return reduced;
        return PluginDecoder::decode(bytes, length, boxes, QByteArrayLiteral("tiff"));
    case Format::Psd:
        return PsdDecoder::decode(bytes, length, boxes);
    case Format::Other:
        break;
    }
    return PluginDecoder::decode(bytes, length, boxes, QByteArray());
}

} // namespace

Picture::Picture(QImage image, QSizeF size) : image_(std::move(image)), size_(size) {}

Status Picture::withinDecodeMemory(const FileData& data, const PrintBoxes& boxes) {
    const auto frame = JpegFrame::read(data.bytes(), static_cast<std::size_t>(data.length()));
    if (!frame)
        return {};
    const qint64 needed = frame->decodeBytes(boxes);
    if (needed <= pictureDecodeMemoryLimit)
        return {};
    return Failure{QStringLiteral("pictureTooLargeReason"),
                   {QString::number(frame->width), QString::number(frame->height),
                    QString::number((needed + bytesPerMebibyte - 1) / bytesPerMebibyte),
                    QString::number(pictureDecodeMemoryLimit / bytesPerMebibyte)}};
}

std::shared_ptr<Picture> Picture::initWithData(const FileData& data, const PrintBoxes& boxes) {
    auto picture = decoded(data, boxes);
    if (!picture)
        return nullptr;
    return initWithImage(std::move(picture->image), QSizeF(picture->fullSize));
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

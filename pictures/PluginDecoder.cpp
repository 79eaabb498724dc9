#include "pictures/PluginDecoder.h"

#include "pictures/DecodeLimits.h"

#include <QBuffer>
#include <QImageReader>

#include <utility>

namespace {

constexpr qint64 bytesPerMebibyte = 1024 * 1024;
// Qt's plug-ins refuse images whose pixels alone would take more than this.
constexpr int imageAllocationLimitMegabytes =
    static_cast<int>(pictureDecodeMemoryLimit / bytesPerMebibyte);

} // namespace

namespace PluginDecoder {

std::optional<DecodedPicture> decode(const unsigned char* bytes, std::size_t length,
                                     const PrintBoxes& boxes, const QByteArray& format) {
    QBuffer buffer;
    buffer.setData(QByteArray::fromRawData(reinterpret_cast<const char*>(bytes),
                                           static_cast<qsizetype>(length)));
    if (!buffer.open(QIODevice::ReadOnly))
        return std::nullopt;
    QImageReader reader(&buffer, format);
    reader.setAutoDetectImageFormat(format.isEmpty());
    reader.setAutoTransform(true);
    reader.setAllocationLimit(imageAllocationLimitMegabytes);

    const QSize storedSize = reader.size();
    // The scaled size is given in the file's stored orientation; the orientation is
    // applied after decoding.
    const auto transformation = reader.transformation();
    QSize fullSize = PictureReduction::turnedSize(storedSize, transformation);
    if (storedSize.isValid()) {
        const QSize decoded = PictureReduction::halvedAtLeast(
            fullSize, PictureReduction::neededSize(fullSize, boxes));
        if (decoded != fullSize)
            reader.setScaledSize(PictureReduction::turnedSize(decoded, transformation));
    }
    QImage image = reader.read();
    if (image.isNull())
        return std::nullopt;
    if (!storedSize.isValid())
        fullSize = image.size();
    return DecodedPicture{std::move(image), fullSize};
}

} // namespace PluginDecoder

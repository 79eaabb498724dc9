#include "pictures/TiffDecoder.h"

#include "pictures/DecodeLimits.h"

#include <QTransform>

#include <tiffio.h>

#include <algorithm>
#include <climits>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <memory>
#include <vector>

namespace {

constexpr int grayChannels = 1;
constexpr int rgbChannels = 3;
// The block side at most.
constexpr int maximumFactor = 1024;
// The largest picture the decoder hands out. A header can declare any size; what is
// allocated never follows it past this.
constexpr qint64 maximumDecodedPixels = pictureDecodePixelLimit;
// The longest scanline read (a million 16-bit RGBA pixels); longer ones are refused
// rather than allocated on the header's word.
constexpr tmsize_t maximumScanlineBytes = 8 * 1024 * 1024;

// The file's bytes as libtiff's client stream: reads and seeks over the buffer, and
// the buffer itself as the mapped file so strips are read in place.
struct MemoryStream {
    const unsigned char* bytes;
    toff_t length;
    toff_t position = 0;
};

tmsize_t readStream(thandle_t handle, void* buffer, tmsize_t size) {
    auto* stream = static_cast<MemoryStream*>(handle);
    if (size < 0 || stream->position >= stream->length)
        return 0;
    const auto count =
        std::min<toff_t>(static_cast<toff_t>(size), stream->length - stream->position);
    std::memcpy(buffer, stream->bytes + stream->position, count);
    stream->position += count;
    return static_cast<tmsize_t>(count);
}

tmsize_t refuseWrite(thandle_t, void*, tmsize_t) {
    return 0;
}

toff_t seekStream(thandle_t handle, toff_t offset, int whence) {
    auto* stream = static_cast<MemoryStream*>(handle);
    toff_t base = 0;
    if (whence == SEEK_CUR)
        base = stream->position;
    else if (whence == SEEK_END)
        base = stream->length;
    if (offset > std::numeric_limits<toff_t>::max() - base)
        return static_cast<toff_t>(-1);
    stream->position = base + offset;
    return stream->position;
}

int closeStream(thandle_t) {
    return 0;
}

toff_t streamSize(thandle_t handle) {
    return static_cast<MemoryStream*>(handle)->length;
}

int mapStream(thandle_t handle, void** base, toff_t* size) {
    auto* stream = static_cast<MemoryStream*>(handle);
    *base = const_cast<unsigned char*>(stream->bytes);
    *size = stream->length;
    return 1;
}

void unmapStream(thandle_t, void*, toff_t) {}

// Damaged files are refused quietly: the image plug-ins get their turn and report.
int ignoreMessage(TIFF*, void*, const char*, const char*, va_list) {
    return 1;
}

struct TiffClose {
    void operator()(TIFF* tiff) const { TIFFClose(tiff); }
};

// An open TIFF over the bytes; the stream lives as long as the handle.
class TiffFile {
public:
    TiffFile(const unsigned char* bytes, std::size_t length) : stream_{bytes, length} {
        std::unique_ptr<TIFFOpenOptions, void (*)(TIFFOpenOptions*)> options(TIFFOpenOptionsAlloc(),
                                                                             TIFFOpenOptionsFree);
        TIFFOpenOptionsSetErrorHandlerExtR(options.get(), ignoreMessage, nullptr);
        TIFFOpenOptionsSetWarningHandlerExtR(options.get(), ignoreMessage, nullptr);
        tiff_.reset(TIFFClientOpenExt("photograph", "r", &stream_, readStream, refuseWrite,
                                      seekStream, closeStream, streamSize, mapStream, unmapStream,
                                      options.get()));
    }

    TIFF* get() const { return tiff_.get(); }

    // Samples per pixel when the image is one this decoder reads, else 0.
    int channels() const {
        TIFF* tiff = tiff_.get();
        uint16_t bits = 0, samples = 0, planar = 0, photometric = 0;
        if (!tiff || TIFFIsTiled(tiff) ||
            !TIFFGetFieldDefaulted(tiff, TIFFTAG_BITSPERSAMPLE, &bits) ||
            !TIFFGetFieldDefaulted(tiff, TIFFTAG_SAMPLESPERPIXEL, &samples) ||
            !TIFFGetFieldDefaulted(tiff, TIFFTAG_PLANARCONFIG, &planar) ||
            !TIFFGetField(tiff, TIFFTAG_PHOTOMETRIC, &photometric) || bits != 8 ||
            planar != PLANARCONFIG_CONTIG)
            return 0;
        if (samples == grayChannels &&
            (photometric == PHOTOMETRIC_MINISBLACK || photometric == PHOTOMETRIC_MINISWHITE))
            return grayChannels;
        if (samples == rgbChannels && photometric == PHOTOMETRIC_RGB)
            return rgbChannels;
        return 0;
    }

    bool whiteIsZero() const {
        uint16_t photometric = 0;
        return TIFFGetField(tiff_.get(), TIFFTAG_PHOTOMETRIC, &photometric) &&
               photometric == PHOTOMETRIC_MINISWHITE;
    }

    QSize size() const {
        uint32_t width = 0, height = 0;
        TIFFGetField(tiff_.get(), TIFFTAG_IMAGEWIDTH, &width);
        TIFFGetField(tiff_.get(), TIFFTAG_IMAGELENGTH, &height);
        if (width == 0 || height == 0 || width > INT_MAX || height > INT_MAX)
            return {};
        return QSize(static_cast<int>(width), static_cast<int>(height));
    }

private:
    MemoryStream stream_;
    std::unique_ptr<TIFF, TiffClose> tiff_;
};

QImageIOHandler::Transformations transformationFor(uint16_t orientation) {
    switch (orientation) {
    case ORIENTATION_TOPRIGHT:
        return QImageIOHandler::TransformationMirror;
    case ORIENTATION_BOTRIGHT:
        return QImageIOHandler::TransformationRotate180;
    case ORIENTATION_BOTLEFT:
        return QImageIOHandler::TransformationFlip;
    case ORIENTATION_LEFTTOP:
        return QImageIOHandler::TransformationFlipAndRotate90;
    case ORIENTATION_RIGHTTOP:
        return QImageIOHandler::TransformationRotate90;
    case ORIENTATION_RIGHTBOT:
        return QImageIOHandler::TransformationMirrorAndRotate90;
    case ORIENTATION_LEFTBOT:
        return QImageIOHandler::TransformationRotate270;
    default:
        return QImageIOHandler::TransformationNone;
    }
}

// The picture as stored, reduced by factor, each pixel the mean of its block; null
// when a scanline cannot be read or the result would be too large.
QImage reduced(const TiffFile& file, int channels, QSize size, int factor) {
    const tmsize_t lineSize = TIFFScanlineSize(file.get());
    if (lineSize < static_cast<tmsize_t>(size.width()) * channels ||
        lineSize > maximumScanlineBytes)
        return {};
    PictureReduction::BlockAverager blocks(size, factor, channels);
    const QSize reducedSize = blocks.outputSize();
    if (static_cast<qint64>(reducedSize.width()) * reducedSize.height() > maximumDecodedPixels)
        return {};
    QImage image(reducedSize, QImage::Format_RGB32);
    if (image.isNull())
        return {};
    const bool invert = file.whiteIsZero();
    const auto toRgb = [channels, invert](const auto& means) {
        const auto level = [&](int channel) {
            return invert ? 255 - means[channel] : means[channel];
        };
        return channels == rgbChannels ? qRgb(level(0), level(1), level(2))
                                       : qRgb(level(0), level(0), level(0));
    };
    std::vector<unsigned char> line(static_cast<std::size_t>(lineSize));
    for (int row = 0; row < size.height(); ++row) {
        if (TIFFReadScanline(file.get(), line.data(), static_cast<uint32_t>(row), 0) < 0)
            return {};
        for (int channel = 0; channel < channels; ++channel)
            blocks.addSamples(channel, line.data() + channel, channels);
        if ((row + 1) % factor == 0 || row + 1 == size.height())
            blocks.writeRow(row / factor, reinterpret_cast<QRgb*>(image.scanLine(row / factor)),
                            toRgb);
    }
    return image;
}

// The image turned upright by the transformation (mirrors first, then the turn).
QImage upright(const QImage& image, QImageIOHandler::Transformations transformation) {
    QImage turned = image.mirrored(transformation.testFlag(QImageIOHandler::TransformationMirror),
                                   transformation.testFlag(QImageIOHandler::TransformationFlip));
    if (transformation.testFlag(QImageIOHandler::TransformationRotate90))
        turned = turned.transformed(QTransform().rotate(90));
    return turned;
}

} // namespace

namespace TiffDecoder {

std::optional<DecodedPicture> decode(const unsigned char* bytes, std::size_t length,
                                     const PrintBoxes& boxes) {
    const TiffFile file(bytes, length);
    const int channels = file.get() ? file.channels() : 0;
    const QSize stored = channels ? file.size() : QSize();
    if (stored.isEmpty())
        return std::nullopt;
    uint16_t orientation = ORIENTATION_TOPLEFT;
    TIFFGetFieldDefaulted(file.get(), TIFFTAG_ORIENTATION, &orientation);
    const auto transformation = transformationFor(orientation);
    const QSize full = PictureReduction::turnedSize(stored, transformation);
    const QSize decoded =
        PictureReduction::halvedAtLeast(full, PictureReduction::neededSize(full, boxes));
    if (decoded == full)
        return std::nullopt;
    const int factor = PictureReduction::powerOfTwoFactor(
        stored, PictureReduction::turnedSize(decoded, transformation), maximumFactor);
    const QImage image = reduced(file, channels, stored, factor);
    if (image.isNull())
        return std::nullopt;
    return DecodedPicture{upright(image, transformation), full};
}

} // namespace TiffDecoder

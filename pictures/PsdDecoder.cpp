#include "pictures/PsdDecoder.h"

#include "pictures/ByteCursor.h"
#include "pictures/DecodeLimits.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace {

// Document versions: 1 is the ordinary document, 2 the large document format, which
// widens the size limits, the layer section length and the run-length counts.
constexpr int psdVersion = 1;
constexpr int psbVersion = 2;
constexpr std::uint32_t psdMaxSide = 30000;
constexpr std::uint32_t psbMaxSide = 300000;
constexpr int maxChannels = 56;
constexpr std::size_t headerLength = 26;
// The decoded image never exceeds this many pixels (four bytes each).
constexpr std::uint64_t maxOutputPixels = pictureDecodePixelLimit;
// Each compressed row costs its start, its length and its count while decoding; a
// document whose row tables alone would pass the decode limit is refused.
constexpr std::uint64_t rowTableBytesPerRow = 3 * sizeof(std::uint64_t);
// The longest run one PackBits header can describe.
constexpr std::size_t maxRunLength = 128;

enum ColorMode { grayscaleMode = 1, rgbMode = 3, cmykMode = 4 };
enum Compression { rawCompression = 0, rleCompression = 1 };

int channelsFor(int colorMode) {
    switch (colorMode) {
    case grayscaleMode:
        return 1;
    case rgbMode:
        return 3;
    case cmykMode:
        return 4;
    default:
        return 0;
    }
}

// Expands one PackBits row into out; false when the row is damaged or does not fill
// out exactly.
bool unpackBits(const unsigned char* in, std::size_t inLength, std::vector<unsigned char>& out) {
    std::size_t written = 0;
    std::size_t i = 0;
    while (written < out.size()) {
        if (i >= inLength)
            return false;
        const int header = static_cast<signed char>(in[i++]);
        if (header >= 0) {
            const std::size_t count = static_cast<std::size_t>(header) + 1;
            if (count > inLength - i || count > out.size() - written)
                return false;
            std::copy_n(in + i, count, out.begin() + written);
            i += count;
            written += count;
        } else if (header != -128) {
            const std::size_t count = static_cast<std::size_t>(1 - header);
            if (i >= inLength || count > out.size() - written)
                return false;
            std::fill_n(out.begin() + written, count, in[i++]);
            written += count;
        }
    }
    return true;
}

// Where each channel row of the image data lies, and how to turn it into 8-bit samples.
class PlaneReader {
public:
    bool open(const unsigned char* bytes, std::size_t length, ByteCursor cursor,
              const PsdDecoder::Header& header, bool largeDocument) {
        bytes_ = bytes;
        width_ = static_cast<std::size_t>(header.size.width());
        height_ = static_cast<std::size_t>(header.size.height());
        bytesPerSample_ = header.depth / 8;
        rowBytes_ = width_ * bytesPerSample_; // both bounded, no overflow
        row_.resize(rowBytes_);

        const auto compression = cursor.read(2);
        if (!compression)
            return false;
        const std::uint64_t rows = static_cast<std::uint64_t>(header.channels) * height_;
        if (*compression == rawCompression) {
            rle_ = false;
            if (rowBytes_ != 0 && rows > cursor.remaining() / rowBytes_)
                return false;
            start_ = cursor.position();
            return true;
        }
        if (*compression != rleCompression)
            return false;
        rle_ = true;
        const int countWidth = largeDocument ? 4 : 2;
        if (rows > cursor.remaining() / countWidth ||
            rows > pictureDecodeMemoryLimit / rowTableBytesPerRow)
            return false;
        rowStarts_.resize(rows);
        rowLengths_.resize(rows);
        std::vector<std::uint64_t> counts(rows);
        for (std::uint64_t& count : counts)
            count = *cursor.read(countWidth);
        // A PackBits run yields at most maxRunLength bytes from two input bytes, so a
        // shorter row cannot be whole; refusing it early keeps a damaged count table
        // from costing a full-size image allocation.
        const std::uint64_t shortestRow = 2 * ((rowBytes_ + maxRunLength - 1) / maxRunLength);
        std::uint64_t offset = cursor.position();
        for (std::uint64_t r = 0; r < rows; ++r) {
            if (counts[r] > length - offset || counts[r] < shortestRow)
                return false;
            rowStarts_[r] = offset;
            rowLengths_[r] = counts[r];
            offset += counts[r];
        }
        return true;
    }

    // The 8-bit samples of one row of one channel, or null when the row is damaged.
    const unsigned char* row(int channel, std::size_t y) {
        const std::size_t index = static_cast<std::size_t>(channel) * height_ + y;
        const unsigned char* samples = nullptr;
        if (rle_) {
            if (!unpackBits(bytes_ + rowStarts_[index], rowLengths_[index], row_))
                return nullptr;
            samples = row_.data();
        } else {
            samples = bytes_ + start_ + index * rowBytes_;
        }
        if (bytesPerSample_ == 1)
            return samples;
        // 16-bit samples: keep the high byte, rounded.
        narrowed_.resize(width_);
        for (std::size_t x = 0; x < width_; ++x) {
            const unsigned wide = (unsigned(samples[2 * x]) << 8) | samples[2 * x + 1];
            narrowed_[x] = static_cast<unsigned char>((wide * 255 + 32767) / 65535);
        }
        return narrowed_.data();
    }

private:
    const unsigned char* bytes_ = nullptr;
    std::size_t width_ = 0;
    std::size_t height_ = 0;
    std::size_t bytesPerSample_ = 1;
    std::size_t rowBytes_ = 0;
    bool rle_ = false;
    std::size_t start_ = 0;
    std::vector<std::uint64_t> rowStarts_;
    std::vector<std::uint64_t> rowLengths_;
    std::vector<unsigned char> row_;
    std::vector<unsigned char> narrowed_;
};

// Skips a section that starts with its own length.
bool skipSection(ByteCursor& cursor, int lengthWidth) {
    const auto length = cursor.read(lengthWidth);
    return length && cursor.skip(*length);
}

// The largest whole factor that leaves the document at least atLeast in both
// directions.
int reductionFactor(QSize size, QSize atLeast) {
    if (atLeast.isEmpty())
        return 1;
    const int byWidth = size.width() / atLeast.width();
    const int byHeight = size.height() / atLeast.height();
    return std::max(1, std::min(byWidth, byHeight));
}

// The colour of one output pixel from its block's channel means.
template <typename Means> QRgb toRgb(const Means& mean, int colorMode) {
    switch (colorMode) {
    case grayscaleMode:
        return qRgb(mean[0], mean[0], mean[0]);
    case rgbMode:
        return qRgb(mean[0], mean[1], mean[2]);
    default: {
        // Stored ink values are inverted (255 is no ink), so each of red, green and
        // blue is the paper left by its ink times the paper left by the black.
        const int k = mean[3];
        return qRgb(mean[0] * k / 255, mean[1] * k / 255, mean[2] * k / 255);
    }
    }
}

} // namespace

namespace PsdDecoder {

bool readHeader(const unsigned char* bytes, std::size_t length, Header& header) {
    ByteCursor cursor(bytes, length);
    if (length < headerLength || bytes[0] != '8' || bytes[1] != 'B' || bytes[2] != 'P' ||
        bytes[3] != 'S')
        return false;
    cursor.skip(4);
    const int version = static_cast<int>(*cursor.read(2));
    if (version != psdVersion && version != psbVersion)
        return false;
    cursor.skip(6);
    const auto channels = *cursor.read(2);
    const auto height = *cursor.read(4);
    const auto width = *cursor.read(4);
    const auto depth = *cursor.read(2);
    const auto colorMode = *cursor.read(2);
    const std::uint32_t maxSide = version == psdVersion ? psdMaxSide : psbMaxSide;
    const int needed = channelsFor(static_cast<int>(colorMode));
    if (needed == 0 || channels < static_cast<std::uint64_t>(needed) || channels > maxChannels ||
        width == 0 || height == 0 || width > maxSide || height > maxSide ||
        (depth != 8 && depth != 16))
        return false;
    header.size = QSize(static_cast<int>(width), static_cast<int>(height));
    header.channels = static_cast<int>(channels);
    header.depth = static_cast<int>(depth);
    header.colorMode = static_cast<int>(colorMode);
    return true;
}

std::optional<DecodedPicture> decode(const unsigned char* bytes, std::size_t length,
                                     const PrintBoxes& boxes) {
    Header header;
    if (!readHeader(bytes, length, header))
        return std::nullopt;
    const bool largeDocument = bytes[5] == psbVersion;

    ByteCursor cursor(bytes, length);
    cursor.skip(headerLength);
    // Colour mode data, image resources, then layers and masks (wider in the large
    // format); the composite image data follows them.
    if (!skipSection(cursor, 4) || !skipSection(cursor, 4) ||
        !skipSection(cursor, largeDocument ? 8 : 4))
        return std::nullopt;

    PlaneReader planes;
    if (!planes.open(bytes, length, cursor, header, largeDocument))
        return std::nullopt;

    const int factor =
        reductionFactor(header.size, PictureReduction::neededSize(header.size, boxes));
    const int channels = channelsFor(header.colorMode);
    PictureReduction::BlockAverager blocks(header.size, factor, channels);
    const QSize reduced = blocks.outputSize();
    if (static_cast<std::uint64_t>(reduced.width()) * static_cast<std::uint64_t>(reduced.height()) >
        maxOutputPixels)
        return std::nullopt;
    QImage image(reduced, QImage::Format_RGB32);
    if (image.isNull())
        return std::nullopt;

    const int height = header.size.height();
    const auto pixel = [&header](const auto& means) { return toRgb(means, header.colorMode); };
    for (int outY = 0; outY < reduced.height(); ++outY) {
        const int firstY = outY * factor;
        const int lastY = std::min(height, firstY + factor);
        for (int c = 0; c < channels; ++c) {
            for (int y = firstY; y < lastY; ++y) {
                const unsigned char* row = planes.row(c, static_cast<std::size_t>(y));
                if (!row)
                    return std::nullopt;
                blocks.addSamples(c, row, 1);
            }
        }
        blocks.writeRow(outY, reinterpret_cast<QRgb*>(image.scanLine(outY)), pixel);
    }
    return DecodedPicture{std::move(image), header.size};
}

} // namespace PsdDecoder

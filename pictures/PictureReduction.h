#pragma once

#include "pictures/PrintBoxes.h"

#include <QImage>
#include <QImageIOHandler>
#include <QSize>

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <vector>

// A picture as a decoder hands it over: its pixels upright and reduced to what its
// print boxes need, and the photograph's full upright size in pixels.
struct DecodedPicture {
    QImage image;
    QSize fullSize;
};

// How a picture is reduced while it is decoded, shared by the picture decoders.
namespace PictureReduction {

// Pictures print at up to this resolution, so pixels beyond it are never seen.
inline constexpr int printResolutionDpi = 600;

// The fewest pixels a picture of fullSize upright pixels needs: the smallest scale
// that gives printResolutionDpi in every box, never enlarged. With no box, every
// pixel. Decoding keeps at least this many (up to twice as many in each direction,
// whatever the decoder reaches without resampling).
QSize neededSize(QSize fullSize, const PrintBoxes& boxes);

// The size reached by halving full as often as it stays at least needed. The JPEG
// decoder scales by halves within its transform, so such a size is decoded directly,
// without a resampling pass that would cost time and detail.
QSize halvedAtLeast(QSize full, QSize needed);

// The size of a picture once the transformation is applied (a quarter turn swaps its
// sides); applied again, the size it was stored at.
QSize turnedSize(QSize size, QImageIOHandler::Transformations transformation);

// The largest power of two, up to largestFactor, that reduces size (each side rounded
// up) to no less than atLeast. The JPEG decoder scales by such factors within its
// transform; the other decoders follow it, so that a photograph looks the same
// whatever its format.
int powerOfTwoFactor(QSize size, QSize atLeast,
                     int largestFactor = std::numeric_limits<int>::max());

// The size reduced by the factor, each side rounded up.
QSize reducedSize(QSize size, int factor);

// Averages blocks of factor × factor source pixels into one output pixel each, a row
// of blocks at a time: the samples of the source rows of one output row are added,
// channel by channel, then writeRow turns each block's rounded channel means into its
// colour and starts the next row of blocks. Blocks at the right and bottom edges may
// be smaller; their means count only the pixels they hold.
class BlockAverager {
public:
    static constexpr int maximumChannels = 4;

    BlockAverager(QSize sourceSize, int factor, int channels);

    QSize outputSize() const { return reducedSize(source_, factor_); }

    // Adds the samples of one channel of one source row: a sample for each source
    // column, `step` bytes apart.
    void addSamples(int channel, const unsigned char* samples, int step);

    // Writes output row outputRow into line, each pixel toRgb(means) where means holds
    // the block's mean of each channel, then clears the sums for the next row.
    template <typename ToRgb> void writeRow(int outputRow, QRgb* line, ToRgb toRgb) {
        const int rows = std::min(factor_, source_.height() - outputRow * factor_);
        const int width = outputSize().width();
        std::array<int, maximumChannels> means{};
        for (int x = 0; x < width; ++x) {
            const int columns = std::min(factor_, source_.width() - x * factor_);
            const auto count =
                static_cast<std::uint64_t>(columns) * static_cast<std::uint64_t>(rows);
            const std::uint64_t* sum = &sums_[static_cast<std::size_t>(x) * channels_];
            for (int channel = 0; channel < channels_; ++channel)
                means[channel] = static_cast<int>((sum[channel] + count / 2) / count);
            line[x] = toRgb(means);
        }
        std::fill(sums_.begin(), sums_.end(), 0);
    }

private:
    QSize source_;
    int factor_;
    int channels_;
    std::vector<std::uint64_t> sums_;
};

} // namespace PictureReduction

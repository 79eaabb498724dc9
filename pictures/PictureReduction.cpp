#include "pictures/PictureReduction.h"

#include <cmath>

namespace {

constexpr double pointsPerInch = 72.0;

} // namespace

namespace PictureReduction {

// Each box asks for the scale at which the picture just fits it, at the print
// resolution; the largest of them is needed.
QSize neededSize(QSize fullSize, const PrintBoxes& boxes) {
    if (fullSize.isEmpty() || boxes.empty())
        return fullSize;
    const double pixelsPerPoint = printResolutionDpi / pointsPerInch;
    const double width = fullSize.width();
    const double height = fullSize.height();
    double scale = 0.0;
    for (const QSizeF& box : boxes)
        scale = std::max(scale, std::min(box.width() * pixelsPerPoint / width,
                                         box.height() * pixelsPerPoint / height));
    if (scale >= 1.0)
        return fullSize;
    return QSize(std::min(fullSize.width(), static_cast<int>(std::ceil(width * scale))),
                 std::min(fullSize.height(), static_cast<int>(std::ceil(height * scale))));
}

QSize halvedAtLeast(QSize full, QSize needed) {
    return reducedSize(full, powerOfTwoFactor(full, needed));
}

QSize turnedSize(QSize size, QImageIOHandler::Transformations transformation) {
    return transformation.testFlag(QImageIOHandler::TransformationRotate90) ? size.transposed()
                                                                            : size;
}

int powerOfTwoFactor(QSize size, QSize atLeast, int largestFactor) {
    int factor = 1;
    while (factor <= largestFactor / 2) {
        const QSize half = reducedSize(size, 2 * factor);
        // A size that halving no longer changes (one pixel each way) stays as it is.
        if (half.width() < atLeast.width() || half.height() < atLeast.height() ||
            half == reducedSize(size, factor))
            break;
        factor *= 2;
    }
    return factor;
}

QSize reducedSize(QSize size, int factor) {
    return QSize((size.width() + factor - 1) / factor, (size.height() + factor - 1) / factor);
}

BlockAverager::BlockAverager(QSize sourceSize, int factor, int channels)
    : source_(sourceSize), factor_(factor), channels_(channels),
      sums_(static_cast<std::size_t>(reducedSize(sourceSize, factor).width()) *
                static_cast<std::size_t>(channels),
            0) {}

void BlockAverager::addSamples(int channel, const unsigned char* samples, int step) {
    std::uint64_t* sums = sums_.data() + channel;
    const auto channels = static_cast<std::size_t>(channels_);
    for (int x = 0; x < source_.width(); ++x)
        sums[static_cast<std::size_t>(x / factor_) * channels] +=
            samples[static_cast<std::size_t>(x) * static_cast<std::size_t>(step)];
}

} // namespace PictureReduction

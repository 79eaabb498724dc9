// Feeds arbitrary bytes to the reducing TIFF decoder: header checks, scanline reading
// and block averaging at several reductions, and turning the result upright.

#include "pictures/TiffDecoder.h"

#include <cstddef>
#include <cstdint>
#include <limits>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Pictures printed a hundredth of a point, a point and an inch high: reduced to a
    // pixel, by a few halvings, and hardly at all.
    constexpr double wide = std::numeric_limits<double>::infinity();
    for (const double height : {0.01, 1.0, 72.0})
        TiffDecoder::decode(data, size, {QSizeF(wide, height)});
    return 0;
}

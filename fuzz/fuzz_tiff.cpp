// Feeds arbitrary bytes to the reducing TIFF decoder: header checks, scanline reading
// and block averaging at several reductions, and turning the result upright.

#include "pictures/TiffDecoder.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto header = TiffDecoder::readHeader(data, size);
    if (!header)
        return 0;
    for (const QSize atLeast : {QSize(1, 1), header->size / 3, header->size})
        if (!atLeast.isEmpty())
            TiffDecoder::upright(TiffDecoder::decodeReduced(data, size, atLeast),
                                 header->transformation);
    return 0;
}

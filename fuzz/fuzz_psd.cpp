#include "pictures/PsdDecoder.h"

#include <cstddef>
#include <cstdint>

// Feeds arbitrary bytes to the layered-document decoder, both reduced for a picture
// printed an inch square and, for small documents, at full size.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    constexpr int fullDecodeSide = 4096;
    constexpr double inch = 72.0;
    PsdDecoder::Header header;
    if (!PsdDecoder::readHeader(data, size, header))
        return 0;
    PsdDecoder::decode(data, size, {QSizeF(inch, inch)});
    if (header.size.width() <= fullDecodeSide && header.size.height() <= fullDecodeSide)
        PsdDecoder::decode(data, size, {});
    return 0;
}

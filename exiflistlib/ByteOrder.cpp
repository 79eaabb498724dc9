#include "exiflistlib/ByteOrder.h"

#include "exiflistlib/exiflist.h"

#include <bit>
#include <cstring>

namespace exiflist {

namespace {

constexpr bool hostIsLittleEndian = std::endian::native == std::endian::little;

constexpr bool differsFromHost(DataOrder order) {
    return (order == DataOrder::littleEndian) != hostIsLittleEndian;
}

} // namespace

uint16_t convertFromDataOrder16(uint16_t stored, DataOrder order) {
    return differsFromHost(order) ? static_cast<uint16_t>((stored >> 8) | (stored << 8)) : stored;
}

uint32_t convertFromDataOrder32(uint32_t stored, DataOrder order) {
    if (!differsFromHost(order))
        return stored;
    return (stored >> 24) | ((stored >> 8) & 0x0000FF00u) | ((stored << 8) & 0x00FF0000u) |
           (stored << 24);
}

uint16_t decode16(const unsigned char* bytes, DataOrder order) {
    uint16_t stored = 0;
    std::memcpy(&stored, bytes, sizeof stored);
    return convertFromDataOrder16(stored, order);
}

uint32_t decode32(const unsigned char* bytes, DataOrder order) {
    uint32_t stored = 0;
    std::memcpy(&stored, bytes, sizeof stored);
    return convertFromDataOrder32(stored, order);
}

} // namespace exiflist

int systemByteOrder() {
    return exiflist::hostIsLittleEndian ? 1 : 0;
}

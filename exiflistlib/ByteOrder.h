#pragma once

#include <cstdint>

// Conversion of 16- and 32-bit values between the order of the data and the order of
// the host. A value read from the data as it is stored is byte-reversed when the two
// orders differ.
namespace exiflist {

enum class DataOrder { littleEndian, bigEndian };

uint16_t convertFromDataOrder16(uint16_t stored, DataOrder order);
uint32_t convertFromDataOrder32(uint32_t stored, DataOrder order);

// The value of the first 2 or 4 bytes at `bytes`, stored in `order`.
uint16_t decode16(const unsigned char* bytes, DataOrder order);
uint32_t decode32(const unsigned char* bytes, DataOrder order);

} // namespace exiflist

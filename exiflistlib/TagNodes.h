#pragma once

#include "exiflistlib/exiflist.h"

#include <cstddef>

// Building blocks shared by the directory reader, tag copies and the dump.
namespace exiflist {

// RATIONAL and SRATIONAL values take two 32-bit elements each.
bool isRationalType(uint16_t type);

// Number of uint32 elements that numData holds for a node of the type and count.
uint64_t numDataElementCount(uint16_t type, uint32_t count);

// `count` x `elementSize` as a size_t; false when the product does not fit.
bool checkedByteSize(uint64_t count, size_t elementSize, size_t* bytes);

// Appends a node that takes over `numData` or `byteData` (allocated with malloc);
// with neither, or with count 0, the node gets `error` and the buffers are freed.
// When the node itself cannot be allocated it is dropped and the buffers are freed.
void appendTagNode(ExifIfdTable* table, uint16_t tag, uint16_t type, uint32_t count,
                   uint32_t* numData, unsigned char* byteData);

} // namespace exiflist

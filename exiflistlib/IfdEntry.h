#pragma once

#include "exiflistlib/ByteOrder.h"
#include "exiflistlib/exiflist.h"

namespace exiflist {

inline constexpr int ifdEntrySize = 12;

// One 12-byte directory entry, decoded from the TIFF structure's byte order.
struct IfdEntry {
    uint16_t tag;
    uint16_t type;
    uint32_t count;
    unsigned char valueField[4]; // as stored
    uint32_t value;              // the value field as one converted 32-bit number
};

IfdEntry decodeIfdEntry(const unsigned char* bytes, DataOrder order);

// Appends the node for the entry when its tag is kept and its type supported. A value
// that cannot be fetched gives a node with `error`. May move the context's stream.
void addNodeForEntry(ExifIfdTable* table, const IfdEntry& entry, ExifReaderContext* reader);

} // namespace exiflist

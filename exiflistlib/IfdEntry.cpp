#include "exiflistlib/IfdEntry.h"

#include "exiflistlib/ByteStream.h"
#include "exiflistlib/ContainerDetection.h"
#include "exiflistlib/KeptTags.h"
#include "exiflistlib/TagNodes.h"

#include <array>
#include <cstdlib>
#include <cstring>

// Turns one directory entry into a tag node. Values of up to four bytes stand in the
// entry's value field; longer ones at an offset counted from the TIFF header.
namespace exiflist {
namespace {

constexpr int valueFieldSize = 4;

using WorkBuffer = std::array<unsigned char, EXIFLIST_MAX_VALUE_BYTES>;

int elementSize(uint16_t type) {
    switch (type) {
    case TIFF_TYPE_SHORT:
    case TIFF_TYPE_SSHORT:
        return 2;
    case TIFF_TYPE_LONG:
    case TIFF_TYPE_SLONG:
        return 4;
    default:
        return 1;
    }
}

uint32_t decodeElement(const unsigned char* bytes, int size, DataOrder order) {
    if (size == 1)
        return bytes[0];
    if (size == 2)
        return decode16(bytes, order);
    return decode32(bytes, order);
}

// Moves to `offset` from the TIFF header; false when the move is refused.
bool seekTiffOffset(ExifReaderContext* reader, uint32_t offset) {
    return seekStrm(&reader->strm, reader->exifOffset + int64_t{offset}, SeekOrigin::start);
}

// Moves to `offset` from the TIFF header and reads `length` bytes into `buffer`;
// false when the move is refused or the data ends first.
bool readAtTiffOffset(ExifReaderContext* reader, uint32_t offset, void* buffer, int64_t length) {
    return seekTiffOffset(reader, offset) && readStrm(buffer, length, &reader->strm) == length;
}

// A malloc'd array of `count` elements decoded from `bytes`, or null without memory.
uint32_t* decodeElements(const unsigned char* bytes, uint32_t count, int size, DataOrder order) {
    size_t byteCount = 0;
    if (!checkedByteSize(count, sizeof(uint32_t), &byteCount))
        return nullptr;
    auto* elements = static_cast<uint32_t*>(std::malloc(byteCount));
    if (elements == nullptr)
        return nullptr;
    for (uint32_t i = 0; i < count; ++i)
        elements[i] = decodeElement(bytes + size_t{i} * size, size, order);
    return elements;
}

void addIntegerNode(ExifIfdTable* table, const IfdEntry& entry, ExifReaderContext* reader) {
    const DataOrder order = tiffDataOrder(reader);
    const int size = elementSize(entry.type);
    const uint64_t byteCount = uint64_t{entry.count} * size;
    if (entry.count <= 1) {
        const uint32_t value =
            size == 4 ? entry.value : decodeElement(entry.valueField, size, order);
        addTagNodeToIfd(table, entry.tag, entry.type, entry.count, &value, nullptr);
        return;
    }
    if (byteCount <= valueFieldSize) {
        appendTagNode(table, entry.tag, entry.type, entry.count,
                      decodeElements(entry.valueField, entry.count, size, order), nullptr);
        return;
    }
    // Only whole elements from the first EXIFLIST_MAX_VALUE_BYTES bytes are read.
    const uint32_t count = byteCount > EXIFLIST_MAX_VALUE_BYTES
                               ? EXIFLIST_MAX_VALUE_BYTES / static_cast<uint32_t>(size)
                               : entry.count;
    WorkBuffer work;
    if (!readAtTiffOffset(reader, entry.value, work.data(), int64_t{count} * size)) {
        appendTagNode(table, entry.tag, entry.type, count, nullptr, nullptr);
        return;
    }
    appendTagNode(table, entry.tag, entry.type, count,
                  decodeElements(work.data(), count, size, order), nullptr);
}

void addByteNode(ExifIfdTable* table, const IfdEntry& entry, ExifReaderContext* reader) {
    if (entry.count <= valueFieldSize) {
        addTagNodeToIfd(table, entry.tag, entry.type, entry.count, nullptr, entry.valueField);
        return;
    }
    const uint32_t count =
        entry.count > EXIFLIST_MAX_VALUE_BYTES ? EXIFLIST_MAX_TEXT_COUNT : entry.count;
    WorkBuffer work;
    const bool read = readAtTiffOffset(reader, entry.value, work.data(), count);
    addTagNodeToIfd(table, entry.tag, entry.type, count, nullptr, read ? work.data() : nullptr);
}

// Rational counts are not capped, so the value is only allocated once the data is
// known to hold all of it: a hostile count cannot ask for more memory than the file
// has bytes.
void addRationalNode(ExifIfdTable* table, const IfdEntry& entry, ExifReaderContext* reader) {
    const uint64_t wordCount = numDataElementCount(entry.type, entry.count);
    size_t byteCount = 0;
    uint32_t* words = nullptr;
    if (checkedByteSize(wordCount, sizeof(uint32_t), &byteCount) &&
        seekTiffOffset(reader, entry.value) &&
        byteCount <= static_cast<uint64_t>(remainingBytes(&reader->strm)) && byteCount > 0) {
        words = static_cast<uint32_t*>(std::malloc(byteCount));
    }
    if (words != nullptr) {
        readStrm(words, static_cast<int64_t>(byteCount), &reader->strm);
        const DataOrder order = tiffDataOrder(reader);
        for (uint64_t i = 0; i < wordCount; ++i)
            words[i] = convertFromDataOrder32(words[i], order);
    }
    appendTagNode(table, entry.tag, entry.type, entry.count, words, nullptr);
}

} // namespace

IfdEntry decodeIfdEntry(const unsigned char* bytes, DataOrder order) {
    IfdEntry entry = {};
    entry.tag = decode16(bytes, order);
    entry.type = decode16(bytes + 2, order);
    entry.count = decode32(bytes + 4, order);
    std::memcpy(entry.valueField, bytes + 8, valueFieldSize);
    entry.value = decode32(bytes + 8, order);
    return entry;
}

void addNodeForEntry(ExifIfdTable* table, const IfdEntry& entry, ExifReaderContext* reader) {
    if (!isKeptTag(entry.tag))
        return;
    switch (entry.type) {
    case TIFF_TYPE_BYTE:
    case TIFF_TYPE_SHORT:
    case TIFF_TYPE_LONG:
    case TIFF_TYPE_SBYTE:
    case TIFF_TYPE_SSHORT:
    case TIFF_TYPE_SLONG:
        addIntegerNode(table, entry, reader);
        break;
    case TIFF_TYPE_ASCII:
    case TIFF_TYPE_UNDEFINED:
        addByteNode(table, entry, reader);
        break;
    case TIFF_TYPE_RATIONAL:
    case TIFF_TYPE_SRATIONAL:
        addRationalNode(table, entry, reader);
        break;
    default:
        break; // FLOAT, DOUBLE and unknown types are not read
    }
}

} // namespace exiflist

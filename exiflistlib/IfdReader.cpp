#include "exiflistlib/ByteStream.h"
#include "exiflistlib/ContainerDetection.h"
#include "exiflistlib/IfdEntry.h"
#include "exiflistlib/TagNodes.h"

#include <array>
#include <cstdlib>

// Reads image file directories into tables: a directory is either read whole or not
// at all, while a value that cannot be fetched only marks its own node.
namespace exiflist {
namespace {

constexpr int64_t entryCountSize = 2;  // the directory's 16-bit entry count
constexpr int64_t nextIfdLinkSize = 4; // the 0th IFD's 32-bit link after its entries
constexpr int usefulIfdCount = 3;      // the 0th, Exif and GPS IFDs

// Moves to `position`; a position outside the data marks the stream and gives false.
bool moveTo(FileStrm* strm, int64_t position) {
    return seekStrm(strm, position, SeekOrigin::start);
}

// Reads the link to the next directory that follows the 0th IFD's entries.
bool readNextIfdOffset(ExifReaderContext* reader, int64_t linkPosition, uint32_t* nextIfdOffset) {
    if (!moveTo(&reader->strm, linkPosition))
        return false;
    unsigned char bytes[nextIfdLinkSize];
    if (readStrm(bytes, nextIfdLinkSize, &reader->strm) < nextIfdLinkSize)
        return false;
    *nextIfdOffset = decode32(bytes, tiffDataOrder(reader));
    return true;
}

// Reads every entry of the directory into the table; false when an entry lies
// outside the data or is cut short.
bool readEntries(ExifReaderContext* reader, ExifIfdTable* table, int64_t firstEntry) {
    for (int i = 0; i < table->entryCount; ++i) {
        const int64_t position = firstEntry + int64_t{i} * ifdEntrySize;
        unsigned char bytes[ifdEntrySize];
        if (!moveTo(&reader->strm, position) ||
            readStrm(bytes, ifdEntrySize, &reader->strm) < ifdEntrySize)
            return false;
        addNodeForEntry(table, decodeIfdEntry(bytes, tiffDataOrder(reader)), reader);
    }
    return true;
}

// Follows a directory pointer of the 0th IFD. Returns false when a usable pointer led
// to a directory that could not be read; a missing or unusable pointer is no table.
bool readPointedIfd(ExifReaderContext* reader, const ExifIfdTable* zeroth, uint16_t pointerTag,
                    int ifdType, ExifIfdTable** table) {
    *table = nullptr;
    const ExifTagNode* pointer = getTagNodePtrFromIfd(zeroth, pointerTag);
    if (pointer == nullptr || pointer->error != 0 || pointer->numData == nullptr ||
        pointer->numData[0] == 0)
        return true;
    *table = analyzeIFD(reader, pointer->numData[0], ifdType);
    return *table != nullptr;
}

} // namespace
} // namespace exiflist

ExifIfdTable* analyzeIFD(ExifReaderContext* reader, uint32_t ifdOffset, int ifdType) {
    using namespace exiflist;
    if (reader == nullptr)
        return nullptr;
    const int64_t position = reader->exifOffset + int64_t{ifdOffset};
    if (!moveTo(&reader->strm, position))
        return nullptr;
    unsigned char countBytes[entryCountSize];
    if (readStrm(countBytes, entryCountSize, &reader->strm) < entryCountSize)
        return nullptr;
    const uint16_t entryCount = decode16(countBytes, tiffDataOrder(reader));
    if (entryCount > EXIFLIST_MAX_IFD_ENTRIES)
        return nullptr;
    const int64_t firstEntry = position + entryCountSize;

    uint32_t nextIfdOffset = 0;
    if (ifdType == IFD_0TH) {
        const int64_t linkPosition = firstEntry + int64_t{ifdEntrySize} * entryCount;
        if (!readNextIfdOffset(reader, linkPosition, &nextIfdOffset))
            return nullptr;
    }

    auto* table = static_cast<ExifIfdTable*>(std::calloc(1, sizeof(ExifIfdTable)));
    if (table == nullptr)
        return nullptr;
    table->ifdType = ifdType;
    table->entryCount = entryCount;
    table->nextIfdOffset = nextIfdOffset;
    if (!readEntries(reader, table, firstEntry)) {
        freeIfdTable(table);
        return nullptr;
    }
    return table;
}

ExifIfdTable** generateUsefulIfdTableArray(ExifReaderContext* reader, int* result) {
    using namespace exiflist;
    int ignoredResult = 0;
    int& status = result != nullptr ? *result : ignoredResult;

    ExifIfdTable* zeroth = reader == nullptr
                               ? nullptr
                               : analyzeIFD(reader, reader->tiffHeader.firstIfdOffset, IFD_0TH);
    if (zeroth == nullptr) {
        status = EXIFLIST_ERROR_IFD;
        return nullptr;
    }
    std::array<ExifIfdTable*, usefulIfdCount> found = {zeroth, nullptr, nullptr};
    int foundCount = 1;
    bool allRead = true;
    const std::array<std::pair<uint16_t, int>, usefulIfdCount - 1> pointers = {
        {{TAG_EXIF_IFD_POINTER, IFD_EXIF}, {TAG_GPS_INFO_IFD_POINTER, IFD_GPS}}};
    for (const auto& [pointerTag, ifdType] : pointers) {
        ExifIfdTable* table = nullptr;
        allRead = readPointedIfd(reader, zeroth, pointerTag, ifdType, &table) && allRead;
        if (table != nullptr)
            found[foundCount++] = table;
    }

    auto* tableArray =
        // NOLINTNEXTLINE(bugprone-sizeof-expression): an array of pointers, a pointer's size
        static_cast<ExifIfdTable**>(std::calloc(foundCount + 1, sizeof(ExifIfdTable*)));
    if (tableArray == nullptr) {
        for (int i = 0; i < foundCount; ++i)
            freeIfdTable(found[i]);
        status = EXIFLIST_ERROR_IFD;
        return nullptr;
    }
    for (int i = 0; i < foundCount; ++i)
        tableArray[i] = found[i];
    status = allRead ? foundCount : EXIFLIST_ERROR_IFD;
    return tableArray;
}

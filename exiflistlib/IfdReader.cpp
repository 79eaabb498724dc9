#include "exiflistlib/ByteStream.h"
#include "exiflistlib/ContainerDetection.h"
#include "exiflistlib/DetectionState.h"
#include "exiflistlib/IfdEntry.h"
#include "exiflistlib/TagNodes.h"

#include <array>
#include <cstdlib>

// Reads image file directories into tables: a directory is either read whole or not
// at all, while a value that cannot be fetched only marks its own node.
namespace exiflist {
namespace {

// Moves to `position`; a position outside the data marks the stream and gives false.
bool moveTo(FileStrm* strm, int64_t position) {
    return seekStrm(strm, position, SeekOrigin::start);
}

// Reads the link to the next directory that follows the 0th IFD's entries.
bool readNextIfdOffset(FileStrm* strm, int64_t linkPosition, uint32_t* nextIfdOffset) {
    if (!moveTo(strm, linkPosition))
        return false;
    unsigned char bytes[4];
    if (readStrm(bytes, sizeof bytes, strm) < static_cast<int64_t>(sizeof bytes))
        return false;
    *nextIfdOffset = decode32(bytes, tiffDataOrder());
    return true;
}

// Reads every entry of the directory into the table; false when an entry lies
// outside the data or is cut short.
bool readEntries(FileStrm* strm, ExifIfdTable* table, int64_t firstEntry) {
    for (int i = 0; i < table->entryCount; ++i) {
        const int64_t position = firstEntry + int64_t{i} * ifdEntrySize;
        unsigned char bytes[ifdEntrySize];
        if (!moveTo(strm, position) ||
            readStrm(bytes, sizeof bytes, strm) < static_cast<int64_t>(sizeof bytes))
            return false;
        addNodeForEntry(table, decodeIfdEntry(bytes, tiffDataOrder()), strm);
    }
    return true;
}

// Follows a directory pointer of the 0th IFD. Returns false when a usable pointer led
// to a directory that could not be read; a missing or unusable pointer is no table.
bool readPointedIfd(FileStrm* strm, const ExifIfdTable* zeroth, uint16_t pointerTag, int ifdType,
                    ExifIfdTable** table) {
    *table = nullptr;
    const ExifTagNode* pointer = getTagNodePtrFromIfd(zeroth, pointerTag);
    if (pointer == nullptr || pointer->error != 0 || pointer->numData == nullptr ||
        pointer->numData[0] == 0)
        return true;
    *table = analyzeIFD(strm, pointer->numData[0], ifdType);
    return *table != nullptr;
}

} // namespace
} // namespace exiflist

ExifIfdTable* analyzeIFD(FileStrm* strm, uint32_t ifdOffset, int ifdType) {
    using namespace exiflist;
    if (strm == nullptr)
        return nullptr;
    const int64_t position = exifOffset + int64_t{ifdOffset};
    if (!moveTo(strm, position))
        return nullptr;
    unsigned char countBytes[2];
    if (readStrm(countBytes, sizeof countBytes, strm) < static_cast<int64_t>(sizeof countBytes))
        return nullptr;
    const uint16_t entryCount = decode16(countBytes, tiffDataOrder());
    if (entryCount > EXIFLIST_MAX_IFD_ENTRIES)
        return nullptr;
    const int64_t firstEntry = position + 2;

    uint32_t nextIfdOffset = 0;
    if (ifdType == IFD_0TH) {
        const int64_t linkPosition = firstEntry + int64_t{ifdEntrySize} * entryCount;
        if (!readNextIfdOffset(strm, linkPosition, &nextIfdOffset))
            return nullptr;
    }

    auto* table = static_cast<ExifIfdTable*>(std::calloc(1, sizeof(ExifIfdTable)));
    if (table == nullptr)
        return nullptr;
    table->ifdType = ifdType;
    table->entryCount = entryCount;
    table->nextIfdOffset = nextIfdOffset;
    if (!readEntries(strm, table, firstEntry)) {
        freeIfdTable(table);
        return nullptr;
    }
    return table;
}

ExifIfdTable** generateUsefulIfdTableArray(FileStrm* strm, int* result) {
    using namespace exiflist;
    int ignoredResult = 0;
    int& status = result != nullptr ? *result : ignoredResult;

    ExifIfdTable* zeroth = analyzeIFD(strm, tiffHeader.firstIfdOffset, IFD_0TH);
    if (zeroth == nullptr) {
        status = EXIFLIST_ERROR_IFD;
        return nullptr;
    }
    std::array<ExifIfdTable*, 3> found = {zeroth, nullptr, nullptr};
    int foundCount = 1;
    bool allRead = true;
    const std::array<std::pair<uint16_t, int>, 2> pointers = {
        {{TAG_EXIF_IFD_POINTER, IFD_EXIF}, {TAG_GPS_INFO_IFD_POINTER, IFD_GPS}}};
    for (const auto& [pointerTag, ifdType] : pointers) {
        ExifIfdTable* table = nullptr;
        allRead = readPointedIfd(strm, zeroth, pointerTag, ifdType, &table) && allRead;
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

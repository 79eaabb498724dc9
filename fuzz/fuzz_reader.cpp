// Feeds arbitrary bytes through the metadata reader: stream set-up, container
// detection, table building, tag copies, the dump and every release function.

#include "exiflistlib/exiflist.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>

namespace {

std::FILE* nullSink() {
    static std::FILE* sink = std::fopen("/dev/null", "w");
    return sink;
}

void copyEveryKeptTag(ExifIfdTable* const* tables) {
    for (ExifIfdTable* const* table = tables; *table != nullptr; ++table) {
        const int type = getIfdType(*table);
        if (type != IFD_0TH && type != IFD_EXIF && type != IFD_GPS)
            continue;
        for (const ExifTagNode* node = (*table)->firstNode; node != nullptr; node = node->next) {
            getTagName(type, node->tag);
            freeTagNode(getTagInfo(tables, type, node->tag));
        }
    }
}

// Rebuilds the 0th table node by node, as a caller assembling its own table would.
void rebuildZerothTable(ExifIfdTable* const* tables) {
    ExifIfdTable copy = {};
    copy.ifdType = IFD_0TH;
    for (const ExifTagNode* node = tables[0]->firstNode; node != nullptr; node = node->next) {
        addTagNodeToIfd(&copy, node->tag, node->type, node->count, node->numData, node->byteData);
        getTagNodePtrFromIfd(&copy, node->tag);
    }
    dumpIfdTableToFile(nullSink(), &copy, EXIFLIST_DUMP_SHORT);
    for (ExifTagNode* node = copy.firstNode; node != nullptr;) {
        ExifTagNode* next = node->next;
        freeTagNode(node);
        node = next;
    }
}

// The thumbnail directory that the 0th IFD links to, read and released on its own.
void readLinkedIfd(ExifReaderContext* reader, const ExifIfdTable* zeroth) {
    if (zeroth->nextIfdOffset == 0)
        return;
    ExifIfdTable* linked = analyzeIFD(reader, zeroth->nextIfdOffset, IFD_1ST);
    dumpIfdTableToFile(nullSink(), linked, EXIFLIST_DUMP_DETAILED);
    freeIfdTable(linked);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ExifReaderContext reader;
    setExifReaderContext(&reader, data, static_cast<int64_t>(size));
    if (selectFileFormat(&reader) != EXIFLIST_SUCCESS)
        return 0;
    int result = 0;
    ExifIfdTable** tables = generateUsefulIfdTableArray(&reader, &result);
    if (tables != nullptr) {
        copyEveryKeptTag(tables);
        dumpIfdTableArrayToFile(nullSink(), tables, EXIFLIST_DUMP_DETAILED);
        dumpIfdTableArrayToFile(nullSink(), tables, EXIFLIST_DUMP_SHORT);
        rebuildZerothTable(tables);
        readLinkedIfd(&reader, tables[0]);
    }
    freeIfdTableArray(tables);
    return 0;
}

#include "ReaderHelpers.h"

#include <cstdio>
#include <cstdlib>

namespace fixture {
namespace {

// The dump is written to memory rather than to a file, so that dumps on several
// threads at once do not wait for each other's disk.
template <typename Dump> std::string captureDump(Dump dump) {
    char* buffer = nullptr;
    std::size_t size = 0;
    std::FILE* memory = open_memstream(&buffer, &size);
    if (memory == nullptr)
        return "(no memory stream)";
    dump(memory);
    std::fclose(memory);
    std::string text(buffer, size);
    std::free(buffer);
    return text;
}

} // namespace

int detect(const Bytes& data, ExifReaderContext& reader) {
    setExifReaderContext(&reader, data.data(), static_cast<int64_t>(data.size()));
    return selectFileFormat(&reader);
}

Table emptyTable(int ifdType) {
    auto* table = static_cast<ExifIfdTable*>(std::calloc(1, sizeof(ExifIfdTable)));
    table->ifdType = ifdType;
    return Table(table);
}

TableArray readTables(const Bytes& data, int& result) {
    ExifReaderContext reader;
    result = detect(data, reader);
    if (result != EXIFLIST_SUCCESS)
        return nullptr;
    return TableArray(generateUsefulIfdTableArray(&reader, &result));
}

Table readZerothIfd(const Bytes& tiff) {
    ExifReaderContext reader;
    if (detect(tiff, reader) != EXIFLIST_SUCCESS)
        return nullptr;
    return Table(analyzeIFD(&reader, reader.tiffHeader.firstIfdOffset, IFD_0TH));
}

std::string dumpToString(const ExifIfdTable* table, int mode) {
    return captureDump([&](std::FILE* file) { dumpIfdTableToFile(file, table, mode); });
}

std::string dumpArrayToString(ExifIfdTable* const* tables, int mode) {
    return captureDump([&](std::FILE* file) { dumpIfdTableArrayToFile(file, tables, mode); });
}

int tableCount(ExifIfdTable* const* tables) {
    int count = 0;
    while (tables != nullptr && tables[count] != nullptr)
        ++count;
    return count;
}

} // namespace fixture

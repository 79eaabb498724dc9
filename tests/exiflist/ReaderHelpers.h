#pragma once

#include "FixtureBuilder.h"

#include "exiflistlib/exiflist.h"

#include <memory>
#include <string>

// Shortcuts for running the reader over fixture bytes in tests.
namespace fixture {

// Sets `reader` up for `data` and runs container detection.
int detect(const Bytes& data, ExifReaderContext& reader);

// Owners that free with the reader's own functions.
template <auto release> struct Freeing {
    template <typename T> void operator()(T* pointer) const { release(pointer); }
};
using TableArray = std::unique_ptr<ExifIfdTable*[], Freeing<freeIfdTableArray>>;
using Table = std::unique_ptr<ExifIfdTable, Freeing<freeIfdTable>>;
using NodeCopy = std::unique_ptr<ExifTagNode, Freeing<freeTagNode>>;

// A table of the type with no entries, as the reader allocates it.
Table emptyTable(int ifdType);

// Detection followed by generateUsefulIfdTableArray; `result` gets its result, or the
// detection code when detection failed.
TableArray readTables(const Bytes& data, int& result);

// The 0th IFD of a TIFF structure given directly (detection included).
Table readZerothIfd(const Bytes& tiff);

// What dumpIfdTableToFile / dumpIfdTableArrayToFile print.
std::string dumpToString(const ExifIfdTable* table, int mode);
std::string dumpArrayToString(ExifIfdTable* const* tables, int mode);

// Number of tables in a null-terminated array.
int tableCount(ExifIfdTable* const* tables);

} // namespace fixture

#include "exiflistlib/exiflist.h"

#include <algorithm>
#include <cstring>

// Prints decoded tables as text, one line per node, for diagnosing what was read from
// a photograph. Text from the file is always written as data, never used as a format.
namespace {

constexpr uint32_t maxUndefinedBytesShown = 16;

const char* ifdName(int ifdType) {
    switch (ifdType) {
    case IFD_0TH:
        return "0TH";
    case IFD_1ST:
        return "1ST";
    case IFD_EXIF:
        return "EXIF";
    case IFD_GPS:
        return "GPS";
    case IFD_INTEROPERABILITY:
        return "Interoperability";
    default:
        return "";
    }
}

void printText(std::FILE* out, const ExifTagNode& node) {
    const auto* text = reinterpret_cast<const char*>(node.byteData);
    std::fputc('"', out);
    std::fwrite(text, 1, strnlen(text, node.count), out);
    std::fputc('"', out);
}

void printUndefined(std::FILE* out, const ExifTagNode& node) {
    const uint32_t shown = std::min(node.count, maxUndefinedBytesShown);
    for (uint32_t i = 0; i < shown; ++i) {
        const unsigned char byte = node.byteData[i];
        if (byte >= 0x21 && byte <= 0x7E)
            std::fprintf(out, "%c ", byte);
        else
            std::fprintf(out, "0x%02x ", byte);
    }
    if (node.count > maxUndefinedBytesShown)
        std::fputs("(omitted)", out);
}

void printNumbers(std::FILE* out, const ExifTagNode& node) {
    const uint32_t* values = node.numData;
    for (uint32_t i = 0; i < node.count; ++i) {
        switch (node.type) {
        case TIFF_TYPE_BYTE:
            std::fprintf(out, "%u ", values[i] & 0xFFu);
            break;
        case TIFF_TYPE_SHORT:
            std::fprintf(out, "%hu ", static_cast<unsigned short>(values[i]));
            break;
        case TIFF_TYPE_LONG:
            std::fprintf(out, "%u ", values[i]);
            break;
        case TIFF_TYPE_RATIONAL:
            std::fprintf(out, "%u/%u ", values[2 * size_t{i}], values[2 * size_t{i} + 1]);
            break;
        case TIFF_TYPE_SBYTE:
            std::fprintf(out, "%d ", static_cast<int>(static_cast<int8_t>(values[i])));
            break;
        case TIFF_TYPE_SSHORT:
            std::fprintf(out, "%hd ", static_cast<short>(values[i]));
            break;
        case TIFF_TYPE_SLONG:
            std::fprintf(out, "%d ", static_cast<int32_t>(values[i]));
            break;
        case TIFF_TYPE_SRATIONAL:
            std::fprintf(out, "%d/%d ", static_cast<int32_t>(values[2 * size_t{i}]),
                         static_cast<int32_t>(values[2 * size_t{i} + 1]));
            break;
        default:
            return;
        }
    }
}

// The value text of a node. Each kind of value is printed only from the buffer that
// holds it, so a node built with the other kind prints no value.
void printValue(std::FILE* out, const ExifTagNode& node) {
    if (node.type == TIFF_TYPE_ASCII || node.type == TIFF_TYPE_UNDEFINED) {
        if (node.byteData == nullptr)
            return;
        if (node.type == TIFF_TYPE_ASCII)
            printText(out, node);
        else
            printUndefined(out, node);
    } else if (node.numData != nullptr) {
        printNumbers(out, node);
    }
}

void printNode(std::FILE* out, int ifdType, const ExifTagNode& node, int mode) {
    const char* name = getTagName(ifdType, node.tag);
    if (mode == EXIFLIST_DUMP_DETAILED)
        std::fprintf(out, " - 0x%04x 0x%04x %06u %s : ", node.tag, node.type, node.count, name);
    else
        std::fprintf(out, " - %s: ", name);
    if (node.error != 0)
        std::fputs("(error)", out);
    else
        printValue(out, node);
    std::fputc('\n', out);
}

} // namespace

void dumpIfdTableToFile(std::FILE* out, const ExifIfdTable* table, int mode) {
    if (out == nullptr || table == nullptr)
        return;
    std::fprintf(out, "\n= %s IFD =\n", ifdName(table->ifdType));
    for (const ExifTagNode* node = table->firstNode; node != nullptr; node = node->next)
        printNode(out, table->ifdType, *node, mode);
}

void dumpIfdTableArrayToFile(std::FILE* out, ExifIfdTable* const* tableArray, int mode) {
    if (tableArray == nullptr)
        return;
    for (ExifIfdTable* const* entry = tableArray; *entry != nullptr; ++entry)
        dumpIfdTableToFile(out, *entry, mode);
}

void dumpIfdTable(const ExifIfdTable* table, int mode) {
    dumpIfdTableToFile(stdout, table, mode);
}

void dumpIfdTableArray(ExifIfdTable* const* tableArray, int mode) {
    dumpIfdTableArrayToFile(stdout, tableArray, mode);
}

#include "exiflistlib/ContainerDetection.h"

#include "exiflistlib/ByteStream.h"

#include <cstring>

namespace exiflist {
namespace {

constexpr uint16_t jpegStartOfImage = 0xFFD8;
constexpr uint16_t psdSignatureStart = 0x3842; // "8B"
constexpr uint16_t tiffLittleEndian = 0x4949;  // "II"
constexpr uint16_t tiffBigEndian = 0x4D4D;     // "MM"
constexpr uint16_t tiffMagic = 42;
constexpr int64_t tiffHeaderSize = 8;

bool hasByteOrder(const ExifTiffHeader& header, const char* order) {
    return std::memcmp(header.byteOrder, order, sizeof header.byteOrder) == 0;
}

int locateTiffInTiff(ExifReaderContext* reader) {
    reader->fileEnd = reader->strm.size;
    rewindStrm(&reader->strm);
    return readTiffHeader(reader);
}

// Forgets what an earlier detection in the context found, so that a header cut short
// in this file cannot borrow its byte order or directory offset from the last one.
void clearDetection(ExifReaderContext* reader) {
    reader->fileEnd = 0;
    reader->exifOffset = 0;
    reader->tiffHeader = {};
    reader->jpegApp1Header = {};
    reader->psdHeader = {};
}

} // namespace

DataOrder tiffDataOrder(const ExifReaderContext* reader) {
    return hasByteOrder(reader->tiffHeader, "II") ? DataOrder::littleEndian : DataOrder::bigEndian;
}

int readTiffHeader(ExifReaderContext* reader) {
    static_assert(sizeof(ExifTiffHeader) == tiffHeaderSize);
    ExifTiffHeader& header = reader->tiffHeader;
    reader->exifOffset = reader->strm.position;
    if (readStrm(&header, tiffHeaderSize, &reader->strm) < tiffHeaderSize)
        return EXIFLIST_SUCCESS;
    if (!hasByteOrder(header, "II") && !hasByteOrder(header, "MM"))
        return EXIFLIST_SUCCESS;
    header.magic = convertFromDataOrder16(header.magic, tiffDataOrder(reader));
    if (header.magic != tiffMagic)
        return EXIFLIST_SUCCESS;
    header.firstIfdOffset = convertFromDataOrder32(header.firstIfdOffset, tiffDataOrder(reader));
    return EXIFLIST_SUCCESS;
}

} // namespace exiflist

void setExifReaderContext(ExifReaderContext* reader, const unsigned char* data, int64_t length) {
    if (reader == nullptr)
        return;
    *reader = {};
    setFileStrm(&reader->strm, data, length);
}

int selectFileFormat(ExifReaderContext* reader) {
    using namespace exiflist;
    if (reader == nullptr)
        return EXIFLIST_ERROR_FORMAT;
    clearDetection(reader);
    uint16_t signature = 0;
    if (!readBigEndian16(&reader->strm, &signature))
        return EXIFLIST_ERROR_FORMAT;
    switch (signature) {
    case jpegStartOfImage:
        return locateTiffInJpeg(reader);
    case psdSignatureStart:
        return locateTiffInPsd(reader);
    case tiffLittleEndian:
    case tiffBigEndian:
        return locateTiffInTiff(reader);
    default:
        return EXIFLIST_ERROR_FORMAT;
    }
}

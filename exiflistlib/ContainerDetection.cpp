#include "exiflistlib/ContainerDetection.h"

#include "exiflistlib/ByteStream.h"
#include "exiflistlib/DetectionState.h"

#include <cstring>

namespace exiflist {
namespace {

constexpr uint16_t jpegStartOfImage = 0xFFD8;
constexpr uint16_t psdSignatureStart = 0x3842; // "8B"
constexpr uint16_t tiffLittleEndian = 0x4949;  // "II"
constexpr uint16_t tiffBigEndian = 0x4D4D;     // "MM"
constexpr uint16_t tiffMagic = 42;

bool hasByteOrder(const char* order) {
    return std::memcmp(tiffHeader.byteOrder, order, sizeof tiffHeader.byteOrder) == 0;
}

int locateTiffInTiff(FileStrm* strm) {
    fileEnd = strm->size;
    rewindStrm(strm);
    return readTiffHeader(strm);
}

} // namespace

DataOrder tiffDataOrder() {
    return hasByteOrder("II") ? DataOrder::littleEndian : DataOrder::bigEndian;
}

int readTiffHeader(FileStrm* strm) {
    exifOffset = strm->position;
    if (readStrm(&tiffHeader, sizeof tiffHeader, strm) < static_cast<int64_t>(sizeof tiffHeader))
        return EXIFLIST_SUCCESS;
    if (!hasByteOrder("II") && !hasByteOrder("MM"))
        return EXIFLIST_SUCCESS;
    tiffHeader.magic = convertFromDataOrder16(tiffHeader.magic, tiffDataOrder());
    if (tiffHeader.magic != tiffMagic)
        return EXIFLIST_SUCCESS;
    tiffHeader.firstIfdOffset = convertFromDataOrder32(tiffHeader.firstIfdOffset, tiffDataOrder());
    return EXIFLIST_SUCCESS;
}

} // namespace exiflist

int selectFileFormat(FileStrm* strm) {
    using namespace exiflist;
    if (strm == nullptr)
        return EXIFLIST_ERROR_FORMAT;
    // A header cut short in this file must not borrow its byte order or directory
    // offset from the previous one.
    tiffHeader = {};
    uint16_t signature = 0;
    if (!readBigEndian16(strm, &signature))
        return EXIFLIST_ERROR_FORMAT;
    switch (signature) {
    case jpegStartOfImage:
        return locateTiffInJpeg(strm);
    case psdSignatureStart:
        return locateTiffInPsd(strm);
    case tiffLittleEndian:
    case tiffBigEndian:
        return locateTiffInTiff(strm);
    default:
        return EXIFLIST_ERROR_FORMAT;
    }
}

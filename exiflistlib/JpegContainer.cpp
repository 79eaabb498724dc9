#include "exiflistlib/ByteStream.h"
#include "exiflistlib/ContainerDetection.h"

#include <cstring>

// Walks the APPn segments at the start of a JPEG up to the Exif APP1 segment, whose
// payload after the 6-byte identifier is the TIFF structure.
namespace exiflist {
namespace {

constexpr uint16_t app1Marker = 0xFFE1;
constexpr uint16_t appMarkerMask = 0xFFF0;
constexpr uint16_t appMarkerFamily = 0xFFE0; // APP0 ... APP15
constexpr size_t exifIdentifierSize = 6;
static_assert(sizeof ExifJpegApp1Header{}.identifier == exifIdentifierSize);
// "Exif" and a zero byte; the sixth identifier byte is not examined.
constexpr char exifIdentifierPrefix[] = "Exif";
constexpr size_t exifIdentifierPrefixSize = sizeof exifIdentifierPrefix;

void resetJpegApp1Header(ExifJpegApp1Header& header) {
    header = {};
    header.marker = app1Marker;
    std::memcpy(header.identifier, exifIdentifierPrefix, exifIdentifierPrefixSize);
}

void storeJpegApp1Header(ExifJpegApp1Header& header, uint16_t length,
                         const unsigned char* identifier) {
    header.marker = app1Marker;
    header.length = length;
    // Copied as a string: up to the first zero byte, zero-filled.
    std::memset(header.identifier, 0, exifIdentifierSize);
    for (size_t i = 0; i < exifIdentifierSize && identifier[i] != 0; ++i)
        header.identifier[i] = static_cast<char>(identifier[i]);
}

bool isExifIdentifier(const unsigned char* identifier) {
    return std::memcmp(identifier, exifIdentifierPrefix, exifIdentifierPrefixSize) == 0;
}

} // namespace

int locateTiffInJpeg(ExifReaderContext* reader) {
    FileStrm* strm = &reader->strm;
    reader->fileEnd = strm->size;
    resetJpegApp1Header(reader->jpegApp1Header);

    rewindStrm(strm);
    uint16_t marker = 0;
    if (!readBigEndian16(strm, &marker) || !readBigEndian16(strm, &marker))
        return EXIFLIST_ERROR_FORMAT;
    for (;;) {
        const int64_t segmentStart = strm->position;
        if ((marker & appMarkerMask) != appMarkerFamily)
            return EXIFLIST_ERROR_JPEG_EXIF_NOT_FIRST;
        uint16_t length = 0;
        if (!readBigEndian16(strm, &length))
            return EXIFLIST_ERROR_FORMAT;
        if (marker == app1Marker) {
            unsigned char identifier[exifIdentifierSize];
            if (readStrm(identifier, exifIdentifierSize, strm) <
                static_cast<int64_t>(exifIdentifierSize))
                return EXIFLIST_ERROR_FORMAT;
            if (isExifIdentifier(identifier)) {
                storeJpegApp1Header(reader->jpegApp1Header, length, identifier);
                return readTiffHeader(reader);
            }
            if (!seekStrm(strm, segmentStart + length, SeekOrigin::start))
                return EXIFLIST_ERROR_JPEG_SEGMENT_LENGTH;
        } else if (!seekStrm(strm, static_cast<int64_t>(length) - 2, SeekOrigin::current)) {
            return EXIFLIST_ERROR_JPEG_SEGMENT_LENGTH;
        }
        if (!readBigEndian16(strm, &marker))
            return EXIFLIST_ERROR_FORMAT;
        if (strm->position >= reader->fileEnd)
            return EXIFLIST_ERROR_JPEG_NO_EXIF;
    }
}

} // namespace exiflist

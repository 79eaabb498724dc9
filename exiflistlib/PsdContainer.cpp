#include "exiflistlib/ByteStream.h"
#include "exiflistlib/ContainerDetection.h"

#include <algorithm>
#include <array>
#include <cstring>

// Checks a Photoshop file header and finds the Exif image resource, whose data is the
// TIFF structure.
namespace exiflist {
namespace {

constexpr char psdSignature[4] = {'8', 'B', 'P', 'S'};
constexpr uint16_t psdVersion = 1;
constexpr uint16_t minChannels = 1;
constexpr uint16_t maxChannels = 56;
constexpr uint32_t minRows = 1;
constexpr uint32_t maxRows = 30000;
constexpr std::array<uint16_t, 4> validDepths = {1, 8, 16, 32};
constexpr std::array<uint16_t, 8> validColorModes = {0, 1, 2, 3, 4, 7, 8, 9};
constexpr uint16_t indexedColorMode = 2;
constexpr uint16_t rgbColorMode = 3;
constexpr uint16_t duotoneColorMode = 8;
constexpr uint32_t indexedColorDataLength = 768;
constexpr uint16_t exifResourceId = 1058; // 1058 and 1059 both carry Exif data
constexpr uint16_t exifResourceIdMask = 0xFFFE;
constexpr char resourceSignatureTail[3] = {'B', 'I', 'M'}; // after the leading '8'

// The 26-byte file header in the file's own layout (big-endian, no padding). Height
// and width are split into 16-bit halves because they are not 4-byte aligned.
struct PsdHeaderBlock {
    char signature[4];
    uint16_t version;
    unsigned char reserved[6];
    uint16_t channels;
    uint16_t rowsHigh;
    uint16_t rowsLow;
    uint16_t columnsHigh;
    uint16_t columnsLow;
    uint16_t depth;
    uint16_t colorMode;
};
constexpr int64_t psdHeaderSize = 26;
static_assert(sizeof(PsdHeaderBlock) == psdHeaderSize);

uint16_t fromBigEndian(uint16_t stored) {
    return convertFromDataOrder16(stored, DataOrder::bigEndian);
}

// What the header says until it has been read: a 100-row RGB image, 8 bits a channel.
constexpr uint16_t unreadChannels = 3;
constexpr uint32_t unreadRows = 100;
constexpr uint16_t unreadDepth = 8;

void resetPsdHeader(ExifPsdHeader& header) {
    header = {};
    std::memcpy(header.signature, psdSignature, sizeof psdSignature);
    header.version = psdVersion;
    header.channels = unreadChannels;
    header.rows = unreadRows;
    header.depth = unreadDepth;
    header.colorMode = rgbColorMode;
}

template <size_t N> bool contains(const std::array<uint16_t, N>& values, uint16_t value) {
    return std::find(values.begin(), values.end(), value) != values.end();
}

// Reads and checks the 26-byte file header into the context's header.
int checkPsdHeader(ExifReaderContext* reader) {
    PsdHeaderBlock block = {};
    ExifPsdHeader& section = reader->psdHeader;
    if (readStrm(&block, psdHeaderSize, &reader->strm) < psdHeaderSize)
        return EXIFLIST_ERROR_PSD_HEADER;
    if (std::memcmp(block.signature, psdSignature, sizeof psdSignature) != 0)
        return EXIFLIST_ERROR_PSD_HEADER;
    std::memcpy(section.signature, block.signature, sizeof section.signature);
    section.version = fromBigEndian(block.version);
    if (section.version != psdVersion)
        return EXIFLIST_ERROR_PSD_HEADER;
    std::memcpy(section.reserved, block.reserved, sizeof section.reserved);
    if (std::any_of(std::begin(block.reserved), std::end(block.reserved),
                    [](unsigned char byte) { return byte != 0; }))
        return EXIFLIST_ERROR_PSD_HEADER;
    section.channels = fromBigEndian(block.channels);
    if (section.channels < minChannels || section.channels > maxChannels)
        return EXIFLIST_ERROR_PSD_CHANNELS;

    block.rowsHigh = fromBigEndian(block.rowsHigh);
    block.rowsLow = fromBigEndian(block.rowsLow);
    block.columnsHigh = fromBigEndian(block.columnsHigh);
    block.columnsLow = fromBigEndian(block.columnsLow);
    section.rows = (uint32_t{block.rowsHigh} << 16) | block.rowsLow;
    if (section.rows < minRows || section.rows > maxRows)
        return EXIFLIST_ERROR_PSD_HEIGHT;
    section.columns = (uint32_t{block.columnsHigh} << 16) | block.columnsLow;

    section.depth = fromBigEndian(block.depth);
    if (!contains(validDepths, section.depth))
        return EXIFLIST_ERROR_PSD_DEPTH;
    section.colorMode = fromBigEndian(block.colorMode);
    if (!contains(validColorModes, section.colorMode))
        return EXIFLIST_ERROR_PSD_COLOR_MODE;
    return EXIFLIST_SUCCESS;
}

// Passes over the colour-mode data section. Only indexed and duotone images are taken
// to carry colour data; a skip beyond the data is refused and detection goes on.
int skipColorModeData(ExifReaderContext* reader) {
    FileStrm* strm = &reader->strm;
    uint32_t length = 0;
    if (!readBigEndian32(strm, &length))
        return EXIFLIST_ERROR_FORMAT;
    const uint16_t colorMode = reader->psdHeader.colorMode;
    if (colorMode == indexedColorMode && length != indexedColorDataLength)
        return EXIFLIST_ERROR_PSD_COLOR_DATA;
    if (colorMode == indexedColorMode || colorMode == duotoneColorMode)
        seekStrm(strm, int64_t{length} + (length & 1u), SeekOrigin::current);
    return EXIFLIST_SUCCESS;
}

// Searches byte by byte for "8BIM" followed by an Exif resource ID, up to the end of
// the image-resources section as its length field declares it.
int findExifResource(ExifReaderContext* reader) {
    FileStrm* strm = &reader->strm;
    const int64_t sectionStart = strm->position;
    uint32_t sectionLength = 0;
    if (!readBigEndian32(strm, &sectionLength))
        return EXIFLIST_ERROR_FORMAT;
    if (sectionLength == 0)
        return EXIFLIST_ERROR_PSD_NO_RESOURCES;
    // The limit is kept in 32 bits, as the section length field is.
    const uint32_t scanLimit = static_cast<uint32_t>(sectionStart) + sectionLength;
    for (;;) {
        unsigned char byte = 0;
        if (readStrm(&byte, 1, strm) < 1)
            return EXIFLIST_ERROR_FORMAT;
        if (byte == '8') {
            unsigned char tail[sizeof resourceSignatureTail];
            if (readStrm(tail, sizeof tail, strm) < static_cast<int64_t>(sizeof tail))
                return EXIFLIST_ERROR_FORMAT;
            if (std::memcmp(tail, resourceSignatureTail, sizeof tail) == 0) {
                uint16_t id = 0;
                if (!readBigEndian16(strm, &id))
                    return EXIFLIST_ERROR_FORMAT;
                if ((id & exifResourceIdMask) == exifResourceId)
                    return EXIFLIST_SUCCESS;
            }
        }
        if (strm->position >= int64_t{scanLimit})
            return EXIFLIST_ERROR_PSD_NO_EXIF;
    }
}

// Passes over the resource's Pascal name (length byte, name and pad together are even)
// and its data size, leaving the stream on the resource data.
int skipResourceNameAndSize(ExifReaderContext* reader) {
    FileStrm* strm = &reader->strm;
    unsigned char nameLength = 0;
    if (readStrm(&nameLength, 1, strm) < 1)
        return EXIFLIST_ERROR_FORMAT;
    const int64_t skip = nameLength == 0 ? 1 : (nameLength % 2 == 1 ? nameLength : nameLength + 1);
    seekStrm(strm, skip, SeekOrigin::current);
    uint32_t dataSize = 0;
    if (!readBigEndian32(strm, &dataSize))
        return EXIFLIST_ERROR_FORMAT;
    return EXIFLIST_SUCCESS;
}

} // namespace

int locateTiffInPsd(ExifReaderContext* reader) {
    reader->fileEnd = reader->strm.size;
    resetPsdHeader(reader->psdHeader);
    rewindStrm(&reader->strm);
    for (int (*step)(ExifReaderContext*) :
         {checkPsdHeader, skipColorModeData, findExifResource, skipResourceNameAndSize}) {
        const int result = step(reader);
        if (result != EXIFLIST_SUCCESS)
            return result;
    }
    return readTiffHeader(reader);
}

} // namespace exiflist

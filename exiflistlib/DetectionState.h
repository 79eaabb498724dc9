#pragma once

#include <cstdint>

// What the last container detection found. The directory reader takes the position
// and header of the TIFF structure from here, so one detection-and-read sequence runs
// at a time per process.
namespace exiflist {

// The 8-byte TIFF header as read, converted in place as far as it is valid.
struct TiffHeaderRecord {
    char byteOrder[2]; // "II" or "MM"
    uint16_t magic;    // 42
    uint32_t firstIfdOffset;
};
static_assert(sizeof(TiffHeaderRecord) == 8);

// The header of the Exif APP1 segment of a JPEG.
struct JpegApp1HeaderRecord {
    uint16_t marker;
    uint16_t length; // host order
    char identifier[6];
};

// The 26-byte PSD file header in the file's own layout (big-endian, no padding).
// Height and width are split into 16-bit halves because they are not 4-byte aligned.
struct PsdHeaderBlockRecord {
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
static_assert(sizeof(PsdHeaderBlockRecord) == 26);

// The PSD file header converted to host values.
struct PsdHeaderSectionRecord {
    char signature[4];
    uint16_t version;
    unsigned char reserved[6];
    uint16_t channels;
    uint32_t rows;
    uint32_t columns;
    uint16_t depth;
    uint16_t colorMode;
};

extern int64_t fileEnd;    // length of the data of the last detection
extern int64_t exifOffset; // stream offset of the TIFF header; TIFF offsets count from here
extern TiffHeaderRecord tiffHeader;
extern JpegApp1HeaderRecord JpegApp1Header;
extern PsdHeaderBlockRecord PsdHeaderBlock;
extern PsdHeaderSectionRecord PsdHeaderSection;

} // namespace exiflist

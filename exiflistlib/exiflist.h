#pragma once

// Kestavolin's photograph metadata reader.
//
// Works on the complete bytes of an image file in memory: recognises the container
// (JPEG, TIFF or Photoshop PSD), locates the TIFF structure that carries the Exif
// metadata, reads the 0th, Exif and GPS directories into tables of tag nodes, copies
// tags out for callers, and names and prints tables for diagnosis.
//
// Plain records and free functions. Results are integers (1 for success, a negative
// code for a failure) or pointers (null for a failure). Whoever receives a table, a
// table array or a tag copy frees it with the matching free function. Nothing here
// throws. Each read of a photograph works in a reader context that the caller owns and
// passes to every step; the reader keeps no state of its own, so reads with contexts
// of their own run on any number of threads at once:
//
//     ExifReaderContext reader;
//     setExifReaderContext(&reader, bytes, length);
//     if (selectFileFormat(&reader) == EXIFLIST_SUCCESS) {
//         int result = 0;
//         ExifIfdTable** tables = generateUsefulIfdTableArray(&reader, &result);
//         ExifTagNode* make = getTagInfo(tables, IFD_0TH, TAG_MAKE);
//         ...
//         freeTagNode(make);
//         freeIfdTableArray(tables);
//     }

#include <cstdint>
#include <cstdio>

// ---------------------------------------------------------------------------------
// Result codes

inline constexpr int EXIFLIST_SUCCESS = 1;
// Null stream, fewer than 2 bytes, unrecognised signature, or the data ends before a
// marker, length, identifier or resource field could be read in full.
inline constexpr int EXIFLIST_ERROR_FORMAT = -1;
// PSD: the image-resources section is empty.
inline constexpr int EXIFLIST_ERROR_PSD_NO_RESOURCES = -20;
// The 0th IFD cannot be read, or a sub-IFD pointer leads nowhere.
inline constexpr int EXIFLIST_ERROR_IFD = -110;
// PSD: short header, signature not "8BPS", version not 1 or a reserved byte not zero.
inline constexpr int EXIFLIST_ERROR_PSD_HEADER = -200;
inline constexpr int EXIFLIST_ERROR_PSD_CHANNELS = -212;   // outside 1 ... 56
inline constexpr int EXIFLIST_ERROR_PSD_HEIGHT = -213;     // outside 1 ... 30000
inline constexpr int EXIFLIST_ERROR_PSD_DEPTH = -214;      // not 1, 8, 16 or 32
inline constexpr int EXIFLIST_ERROR_PSD_COLOR_MODE = -215; // 5, 6 or above 9
// PSD: indexed colour whose colour-mode data is not 768 bytes long.
inline constexpr int EXIFLIST_ERROR_PSD_COLOR_DATA = -220;
// PSD: no image resource 8BIM with ID 1058 or 1059 before the end of the section.
inline constexpr int EXIFLIST_ERROR_PSD_NO_EXIF = -231;
// JPEG: a segment's length reaches outside the data.
inline constexpr int EXIFLIST_ERROR_JPEG_SEGMENT_LENGTH = -300;
// JPEG: a marker other than APP0 ... APP15 came before the Exif APP1 segment.
inline constexpr int EXIFLIST_ERROR_JPEG_EXIF_NOT_FIRST = -302;
// JPEG: the data ended with a marker and no Exif APP1 segment came before it.
inline constexpr int EXIFLIST_ERROR_JPEG_NO_EXIF = -303;

// ---------------------------------------------------------------------------------
// Byte stream

// A read cursor over bytes owned by the caller. The stream never copies, resizes or
// frees the data. Invariant: 0 <= position <= size and current == base + position.
struct FileStrm {
    const unsigned char* current; // the next byte to be read
    int64_t size;                 // length of the data in bytes
    const unsigned char* base;    // the first byte of the data
    const unsigned char* end;     // one past the last byte
    int64_t position;             // offset of current from base
    int32_t seekError;            // 1 once a move outside 0 ... size was refused
};

// Points the stream at `length` bytes starting at `data`.
void setFileStrm(FileStrm* strm, const unsigned char* data, int64_t length);

// Copies up to `length` bytes from the stream into `buffer` and returns how many were
// copied; fewer than asked means the data has ended.
int64_t readStrm(void* buffer, int64_t length, FileStrm* strm);

// Byte order of the host: 1 little-endian, 0 big-endian.
int systemByteOrder();

// ---------------------------------------------------------------------------------
// Reader context

// The 8-byte TIFF header as read, converted to host order as far as it is valid.
struct ExifTiffHeader {
    char byteOrder[2]; // "II" or "MM"
    uint16_t magic;    // 42
    uint32_t firstIfdOffset;
};

// The header of a JPEG's Exif APP1 segment.
struct ExifJpegApp1Header {
    uint16_t marker;
    uint16_t length; // host order
    char identifier[6];
};

// The header of a Photoshop file, converted to host values.
struct ExifPsdHeader {
    char signature[4];
    uint16_t version;
    unsigned char reserved[6];
    uint16_t channels;
    uint32_t rows;
    uint32_t columns;
    uint16_t depth;
    uint16_t colorMode;
};

// One read of one photograph: the stream over its bytes and what container detection
// found in them, which the directory reader works from. The caller owns it (nothing
// to release) and passes it to every step of the read; one thread uses it at a time.
struct ExifReaderContext {
    FileStrm strm;
    int64_t fileEnd;    // length of the data when detection ran
    int64_t exifOffset; // stream offset of the TIFF header; TIFF offsets count from here
    ExifTiffHeader tiffHeader;
    ExifJpegApp1Header jpegApp1Header; // set when the container is a JPEG
    ExifPsdHeader psdHeader;           // set when the container is a Photoshop file
};

// Points the context's stream at `length` bytes starting at `data`, as setFileStrm
// does, with nothing detected yet.
void setExifReaderContext(ExifReaderContext* reader, const unsigned char* data, int64_t length);

// ---------------------------------------------------------------------------------
// Container detection

// Recognises the container of the context's data from the stream's position on, and
// records in the context where its TIFF structure starts and what its headers say;
// what an earlier detection in the context found is cleared first. Returns
// EXIFLIST_SUCCESS or one of the negative codes above.
int selectFileFormat(ExifReaderContext* reader);

// ---------------------------------------------------------------------------------
// Directory tables and tag nodes

// IFD types.
inline constexpr int IFD_0TH = 1;
inline constexpr int IFD_1ST = 2;
inline constexpr int IFD_EXIF = 3;
inline constexpr int IFD_GPS = 4;
inline constexpr int IFD_INTEROPERABILITY = 5;

// TIFF field types.
inline constexpr uint16_t TIFF_TYPE_BYTE = 1;
inline constexpr uint16_t TIFF_TYPE_ASCII = 2;
inline constexpr uint16_t TIFF_TYPE_SHORT = 3;
inline constexpr uint16_t TIFF_TYPE_LONG = 4;
inline constexpr uint16_t TIFF_TYPE_RATIONAL = 5;
inline constexpr uint16_t TIFF_TYPE_SBYTE = 6;
inline constexpr uint16_t TIFF_TYPE_UNDEFINED = 7;
inline constexpr uint16_t TIFF_TYPE_SSHORT = 8;
inline constexpr uint16_t TIFF_TYPE_SLONG = 9;
inline constexpr uint16_t TIFF_TYPE_SRATIONAL = 10;

// The tags the reader keeps; every other directory entry is passed over.
inline constexpr uint16_t TAG_IMAGE_DESCRIPTION = 270;
inline constexpr uint16_t TAG_MAKE = 271;
inline constexpr uint16_t TAG_MODEL = 272;
inline constexpr uint16_t TAG_SOFTWARE = 305;
inline constexpr uint16_t TAG_DATE_TIME = 306;
inline constexpr uint16_t TAG_ARTIST = 315;
inline constexpr uint16_t TAG_COPYRIGHT = 33432;
inline constexpr uint16_t TAG_EXPOSURE_TIME = 33434;
inline constexpr uint16_t TAG_FNUMBER = 33437;
inline constexpr uint16_t TAG_EXIF_IFD_POINTER = 34665;
inline constexpr uint16_t TAG_EXPOSURE_PROGRAM = 34850;
inline constexpr uint16_t TAG_GPS_INFO_IFD_POINTER = 34853;
inline constexpr uint16_t TAG_PHOTOGRAPHIC_SENSITIVITY = 34855;
inline constexpr uint16_t TAG_SENSITIVITY_TYPE = 34864;
inline constexpr uint16_t TAG_ISO_SPEED = 34867;
inline constexpr uint16_t TAG_EXIF_VERSION = 36864;
inline constexpr uint16_t TAG_DATE_TIME_ORIGINAL = 36867;
inline constexpr uint16_t TAG_DATE_TIME_DIGITIZED = 36868;
inline constexpr uint16_t TAG_EXPOSURE_BIAS_VALUE = 37380;
inline constexpr uint16_t TAG_METERING_MODE = 37383;
inline constexpr uint16_t TAG_LIGHT_SOURCE = 37384;
inline constexpr uint16_t TAG_FLASH = 37385;
inline constexpr uint16_t TAG_FOCAL_LENGTH = 37386;
inline constexpr uint16_t TAG_PIXEL_X_DIMENSION = 40962;
inline constexpr uint16_t TAG_PIXEL_Y_DIMENSION = 40963;
inline constexpr uint16_t TAG_EXPOSURE_MODE = 41986;
inline constexpr uint16_t TAG_WHITE_BALANCE = 41987;
inline constexpr uint16_t TAG_FOCAL_LENGTH_IN_35MM_FORMAT = 41989;
inline constexpr uint16_t TAG_SCENE_CAPTURE_TYPE = 41990;
inline constexpr uint16_t TAG_GAIN_CONTROL = 41991;
inline constexpr uint16_t TAG_CONTRAST = 41992;
inline constexpr uint16_t TAG_SATURATION = 41993;
inline constexpr uint16_t TAG_SHARPNESS = 41994;
inline constexpr uint16_t TAG_SUBJECT_DISTANCE_RANGE = 41996;
inline constexpr uint16_t TAG_CAMERA_OWNER_NAME = 42032;
inline constexpr uint16_t TAG_BODY_SERIAL_NUMBER = 42033;
inline constexpr uint16_t TAG_LENS_SPECIFICATION = 42034;
inline constexpr uint16_t TAG_LENS_MAKE = 42035;
inline constexpr uint16_t TAG_LENS_MODEL = 42036;
inline constexpr uint16_t TAG_LENS_SERIAL_NUMBER = 42037;

// Limits of what one directory may cost.
inline constexpr uint16_t EXIFLIST_MAX_IFD_ENTRIES = 256;
// Out-of-line integer, ASCII and UNDEFINED values are read up to this many bytes.
inline constexpr uint32_t EXIFLIST_MAX_VALUE_BYTES = 8192;
// An ASCII or UNDEFINED count above EXIFLIST_MAX_VALUE_BYTES is cut to this.
inline constexpr uint32_t EXIFLIST_MAX_TEXT_COUNT = 8191;

// One kept directory entry with its value in host byte order.
//  - numData: for BYTE, SHORT, LONG, SBYTE, SSHORT, SLONG `count` elements, each the
//    value zero-extended to 32 bits (signed types are not sign-extended); for
//    RATIONAL and SRATIONAL 2 x `count` elements, numerator first. Null otherwise.
//  - byteData: for ASCII and UNDEFINED exactly `count` bytes as stored, without a
//    terminator. Null otherwise.
//  - error: 1 when the value is not available; then neither buffer is set.
struct ExifTagNode {
    uint16_t tag;
    uint16_t type;
    uint32_t count;
    uint32_t* numData;
    unsigned char* byteData;
    uint16_t error;
    ExifTagNode* prev;
    ExifTagNode* next;
};

// One decoded directory. It owns its nodes.
struct ExifIfdTable {
    int32_t ifdType;        // IFD_0TH ... IFD_INTEROPERABILITY
    uint16_t entryCount;    // entries the directory declares, not the nodes kept
    ExifTagNode* firstNode; // in directory order; null when nothing was kept
    uint32_t nextIfdOffset; // 0th IFD: link to the next IFD; 0 for other types
};

// Reads the directory at `ifdOffset` (relative to the TIFF header the context's
// detection found) into a new table, or returns null when the directory cannot be read
// whole.
ExifIfdTable* analyzeIFD(ExifReaderContext* reader, uint32_t ifdOffset, int ifdType);

// Appends a node holding a copy of the values (`numData` wins over `byteData`).
// A null table is ignored.
void addTagNodeToIfd(ExifIfdTable* table, uint16_t tag, uint16_t type, uint32_t count,
                     const uint32_t* numData, const unsigned char* byteData);

// The first node of the table with the tag, still owned by the table, or null.
ExifTagNode* getTagNodePtrFromIfd(const ExifIfdTable* table, uint16_t tag);

// A new caller-owned copy of the first node with the tag in the first table of the
// type, or null. Release it with freeTagNode.
ExifTagNode* getTagInfo(ExifIfdTable* const* tableArray, int ifdType, uint16_t tag);

// The table's ifdType, or 0 for a null table.
int getIfdType(const ExifIfdTable* table);

// Release a node, a table with its nodes, or a table array with its tables. Null is
// accepted and ignored.
void freeTagNode(ExifTagNode* node);
void freeIfdTable(ExifIfdTable* table);
void freeIfdTableArray(ExifIfdTable** tableArray);

// Reads the 0th IFD and the Exif and GPS IFDs it points to into a null-terminated
// array (in that order, absent ones leave no gap). `*result` becomes the number of
// tables read, or EXIFLIST_ERROR_IFD when a directory could not be read. Returns null
// when the 0th IFD cannot be read. Call after selectFileFormat returned success for the
// context.
ExifIfdTable** generateUsefulIfdTableArray(ExifReaderContext* reader, int* result);

// ---------------------------------------------------------------------------------
// Tag names and text dump

// Longest tag name including its terminator.
inline constexpr int EXIFLIST_TAG_NAME_SIZE = 128;

// The catalogue name of the tag in an IFD of the type, or "(unknown)". The text is
// the catalogue's own: it stays valid and unchanged, and is never freed.
const char* getTagName(int ifdType, uint16_t tag);

// Dump modes: EXIFLIST_DUMP_DETAILED prints tag, type and count before each name;
// any other value prints names only.
inline constexpr int EXIFLIST_DUMP_DETAILED = 1;
inline constexpr int EXIFLIST_DUMP_SHORT = 0;

// Print a table, or each table of a null-terminated array, one line per node, to
// standard output. Null prints nothing.
void dumpIfdTable(const ExifIfdTable* table, int mode);
void dumpIfdTableArray(ExifIfdTable* const* tableArray, int mode);

// The same, to any open C stream.
void dumpIfdTableToFile(std::FILE* out, const ExifIfdTable* table, int mode);
void dumpIfdTableArrayToFile(std::FILE* out, ExifIfdTable* const* tableArray, int mode);

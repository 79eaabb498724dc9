#pragma once

#include "exiflistlib/ByteOrder.h"
#include "exiflistlib/exiflist.h"

// The container walks behind selectFileFormat. Each finds the start of the TIFF
// structure inside its container and finishes with readTiffHeader; the result is
// EXIFLIST_SUCCESS or a negative code.
namespace exiflist {

int locateTiffInJpeg(FileStrm* strm);
int locateTiffInPsd(FileStrm* strm);

// Takes the current position as the start of the TIFF structure and reads its
// header. Returns EXIFLIST_SUCCESS even for a short or invalid header: that shows up
// when the first directory cannot be read.
int readTiffHeader(FileStrm* strm);

// The byte order of values inside the TIFF structure: "II" is little-endian, anything
// else big-endian.
DataOrder tiffDataOrder();

} // namespace exiflist

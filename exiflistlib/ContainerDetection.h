#pragma once

#include "exiflistlib/ByteOrder.h"
#include "exiflistlib/exiflist.h"

// The container walks behind selectFileFormat. Each finds the start of the TIFF
// structure inside its container, recording what it reads in the context, and
// finishes with readTiffHeader; the result is EXIFLIST_SUCCESS or a negative code.
namespace exiflist {

int locateTiffInJpeg(ExifReaderContext* reader);
int locateTiffInPsd(ExifReaderContext* reader);

// Takes the stream's current position as the start of the TIFF structure and reads
// its header into the context. Returns EXIFLIST_SUCCESS even for a short or invalid
// header: that shows up when the first directory cannot be read.
int readTiffHeader(ExifReaderContext* reader);

// The byte order of values inside the context's TIFF structure: "II" is
// little-endian, anything else big-endian.
DataOrder tiffDataOrder(const ExifReaderContext* reader);

} // namespace exiflist

#pragma once

#include "exiflistlib/exiflist.h"

// Stream moves used inside the reader. A move outside 0 ... size is refused: it sets
// the stream's seekError and leaves the stream where it was.
namespace exiflist {

enum class SeekOrigin { start, current };

// Moves to `offset` counted from `origin`. Returns false when the move was refused.
bool seekStrm(FileStrm* strm, int64_t offset, SeekOrigin origin);

// Back to the first byte; clears seekError.
void rewindStrm(FileStrm* strm);

// Bytes between the current position and the end of the data.
int64_t remainingBytes(const FileStrm* strm);

// Reads a big-endian 16- or 32-bit value; false when the data ends first.
bool readBigEndian16(FileStrm* strm, uint16_t* value);
bool readBigEndian32(FileStrm* strm, uint32_t* value);

} // namespace exiflist

#include "exiflistlib/ByteStream.h"

#include "exiflistlib/ByteOrder.h"

#include <algorithm>
#include <cstring>

namespace exiflist {
namespace {

void moveTo(FileStrm* strm, int64_t target) {
    strm->position = target;
    strm->current = strm->base + target;
}

} // namespace

bool seekStrm(FileStrm* strm, int64_t offset, SeekOrigin origin) {
    int64_t target = offset;
    if (origin == SeekOrigin::current && __builtin_add_overflow(strm->position, offset, &target))
        target = -1;
    if (target < 0 || target > strm->size) {
        strm->seekError = 1;
        return false;
    }
    moveTo(strm, target);
    return true;
}

void rewindStrm(FileStrm* strm) {
    moveTo(strm, 0);
    strm->seekError = 0;
}

int64_t remainingBytes(const FileStrm* strm) {
    return strm->size - strm->position;
}

bool readBigEndian16(FileStrm* strm, uint16_t* value) {
    unsigned char bytes[2];
    if (readStrm(bytes, sizeof bytes, strm) < static_cast<int64_t>(sizeof bytes))
        return false;
    *value = decode16(bytes, DataOrder::bigEndian);
    return true;
}

bool readBigEndian32(FileStrm* strm, uint32_t* value) {
    unsigned char bytes[4];
    if (readStrm(bytes, sizeof bytes, strm) < static_cast<int64_t>(sizeof bytes))
        return false;
    *value = decode32(bytes, DataOrder::bigEndian);
    return true;
}

} // namespace exiflist

void setFileStrm(FileStrm* strm, const unsigned char* data, int64_t length) {
    if (strm == nullptr)
        return;
    // Without data, or with a negative length, the stream is empty rather than
    // pointing at memory that is not there.
    const int64_t size = (data == nullptr || length < 0) ? 0 : length;
    strm->base = data;
    strm->current = data;
    strm->size = size;
    strm->end = data + size;
    strm->position = 0;
    strm->seekError = 0;
}

int64_t readStrm(void* buffer, int64_t length, FileStrm* strm) {
    if (buffer == nullptr || strm == nullptr || length <= 0)
        return 0;
    const int64_t count = std::min(length, exiflist::remainingBytes(strm));
    if (count <= 0)
        return 0;
    std::memcpy(buffer, strm->current, static_cast<size_t>(count));
    strm->current += count;
    strm->position += count;
    return count;
}

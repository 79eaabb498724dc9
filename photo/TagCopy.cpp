#include "photo/TagCopy.h"

TagCopy usableTag(ExifIfdTable* const* tables, int ifdType, std::uint16_t tag) {
    TagCopy copy(getTagInfo(tables, ifdType, tag));
    if (copy && copy->error)
        copy.reset();
    return copy;
}

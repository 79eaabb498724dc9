#pragma once

#include "exiflistlib/exiflist.h"

#include <cstdint>
#include <memory>

// A caller-owned copy of a tag node from getTagInfo, released with freeTagNode.
struct TagNodeRelease {
    void operator()(ExifTagNode* node) const { freeTagNode(node); }
};
using TagCopy = std::unique_ptr<ExifTagNode, TagNodeRelease>;

// A copy of the tag from the first table of the type, or null when the tag is absent
// or its value could not be read.
TagCopy usableTag(ExifIfdTable* const* tables, int ifdType, std::uint16_t tag);

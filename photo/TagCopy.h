#pragma once

#include "exiflistlib/exiflist.h"

#include <memory>

// A caller-owned copy of a tag node from getTagInfo, released with freeTagNode.
struct TagNodeRelease {
    void operator()(ExifTagNode* node) const { freeTagNode(node); }
};
using TagCopy = std::unique_ptr<ExifTagNode, TagNodeRelease>;

#pragma once

#include <cstdint>

namespace exiflist {

// True for the tags the directory reader turns into nodes; every other entry is
// passed over.
bool isKeptTag(uint16_t tag);

} // namespace exiflist

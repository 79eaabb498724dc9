#pragma once

#include "pictures/PictureReduction.h"

#include <cstddef>
#include <optional>

// Pictures read through Qt's image plug-ins: JPEG, which the plug-in decodes scaled
// by halves within its transform, and whatever the decoders of our own do not read.
// The plug-ins refuse pictures whose pixels alone would pass the decode memory limit.
namespace PluginDecoder {

// The picture upright (its orientation applied) and scaled while decoded, where the
// plug-in can, to the halving that keeps the size its print boxes need; nothing when
// no plug-in decodes the bytes.
std::optional<DecodedPicture> decode(const unsigned char* bytes, std::size_t length,
                                     const PrintBoxes& boxes);

} // namespace PluginDecoder

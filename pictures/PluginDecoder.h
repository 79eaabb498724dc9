#pragma once

#include "pictures/PictureReduction.h"

#include <QByteArray>

#include <cstddef>
#include <optional>

// Pictures read through Qt's image plug-ins: JPEG, which the plug-in decodes scaled
// by halves within its transform, and whatever the decoders of our own do not read.
// The plug-ins refuse pictures whose pixels alone would pass the decode memory limit.
namespace PluginDecoder {

// The picture upright (its orientation applied) and scaled while decoded, where the
// plug-in can, to the halving that keeps the size its print boxes need; nothing when
// no plug-in decodes the bytes. A known format names its plug-in ("jpeg", "tiff"),
// which Qt then loads alone instead of asking every installed plug-in (and loading
// the libraries each needs) whether it reads the bytes; an empty one asks them all.
std::optional<DecodedPicture> decode(const unsigned char* bytes, std::size_t length,
                                     const PrintBoxes& boxes, const QByteArray& format);

} // namespace PluginDecoder

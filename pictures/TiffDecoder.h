#pragma once

#include "pictures/PictureReduction.h"

#include <cstddef>
#include <optional>

// Large TIFF photographs decoded a scanline at a time, each block of pixels averaged
// into the reduced picture as it is read, so the picture never exists at full size
// in memory (Qt's TIFF plug-in can only decode whole). Reads single images stored in
// strips of 8-bit grayscale or RGB samples, any compression libtiff decodes.
namespace TiffDecoder {

// The picture, larger than its print boxes need, reduced by the largest power of two
// that keeps it at least the size they need (each pixel the mean of its block) and
// turned upright. Nothing when the file is of another kind, needs no reduction,
// cannot be decoded, or would give a picture larger than any print could use: the
// image plug-ins then read it.
std::optional<DecodedPicture> decode(const unsigned char* bytes, std::size_t length,
                                     const PrintBoxes& boxes);

} // namespace TiffDecoder

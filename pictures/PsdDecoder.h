#pragma once

#include "pictures/PictureReduction.h"

#include <QSize>

#include <cstddef>
#include <optional>

// Decodes the merged (composite) image of a Photoshop document or large document:
// RGB, grayscale and CMYK, 8 or 16 bits per channel, raw or PackBits-compressed.
// Every size and offset is checked against the input, so damaged documents give no
// picture rather than a read out of bounds.
namespace PsdDecoder {

struct Header {
    QSize size;
    int channels = 0;
    int depth = 0;
    int colorMode = 0;
};

// True when the bytes start with a document header this decoder can read.
bool readHeader(const unsigned char* bytes, std::size_t length, Header& header);

// The composite image, reduced by the largest whole factor that still leaves it the
// size its print boxes need (no box: every pixel); each output pixel is the average
// of the block it stands for. Nothing when the document is damaged or of an
// unsupported kind.
std::optional<DecodedPicture> decode(const unsigned char* bytes, std::size_t length,
                                     const PrintBoxes& boxes);

} // namespace PsdDecoder

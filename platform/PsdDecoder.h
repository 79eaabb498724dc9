#pragma once

#include <QImage>
#include <QSize>

#include <cstddef>

// Decodes the merged (composite) image of a Photoshop document: RGB, grayscale and
// CMYK, 8 or 16 bits per channel, raw or PackBits-compressed.
namespace PsdDecoder {

struct Header {
    QSize size;
    int channels = 0;
    int depth = 0;
    int colorMode = 0;
};

// The header when the bytes start with a supported document header.
bool readHeader(const unsigned char* bytes, std::size_t length, Header& header);

// The composite image, subsampled by an integer factor so that no side exceeds
// maxSide (0: no limit). A null image when the document is damaged or unsupported.
QImage decode(const unsigned char* bytes, std::size_t length, int maxSide = 0);

} // namespace PsdDecoder

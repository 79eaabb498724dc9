#pragma once

#include <QImage>
#include <QSize>

#include <cstddef>

// Decodes the merged (composite) image of a Photoshop document or large document:
// RGB, grayscale and CMYK, 8 or 16 bits per channel, raw or PackBits-compressed.
// Every size and offset is checked against the input, so damaged documents give a
// null image rather than a read out of bounds.
namespace PsdDecoder {

struct Header {
    QSize size;
    int channels = 0;
    int depth = 0;
    int colorMode = 0;
};

// True when the bytes start with a document header this decoder can read.
bool readHeader(const unsigned char* bytes, std::size_t length, Header& header);

// The composite image, reduced by the largest whole factor that still leaves it at
// least atLeast in both directions (an empty atLeast decodes every pixel); each
// output pixel is the average of the block it stands for. Null when the document
// is damaged or of an unsupported kind.
QImage decode(const unsigned char* bytes, std::size_t length, QSize atLeast = QSize());

} // namespace PsdDecoder

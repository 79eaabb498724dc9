#pragma once

#include <QImage>
#include <QImageIOHandler>
#include <QSize>

#include <cstddef>
#include <optional>

// Large TIFF photographs decoded a scanline at a time, each block of pixels averaged
// into the reduced picture as it is read, so the picture never exists at full size
// in memory (Qt's TIFF plug-in can only decode whole). Reads single images stored in
// strips of 8-bit grayscale or RGB samples, any compression libtiff decodes; anything
// else is left to the image plug-ins.
namespace TiffDecoder {

struct Header {
    QSize size; // as stored, before the orientation is applied
    QImageIOHandler::Transformations transformation;
};

// The header of a TIFF this decoder reads, or nothing.
std::optional<Header> readHeader(const unsigned char* bytes, std::size_t length);

// The picture (as stored) reduced by the largest power of two that keeps it at least
// atLeast, each pixel the mean of its block; a null image when the file cannot be
// decoded or the result would be larger than any picture the labels could use.
QImage decodeReduced(const unsigned char* bytes, std::size_t length, QSize atLeast);

// The image turned upright by the transformation (mirrors first, then the turn).
QImage upright(const QImage& image, QImageIOHandler::Transformations transformation);

} // namespace TiffDecoder

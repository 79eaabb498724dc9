#pragma once

#include "platform/Result.h"

#include <QImage>
#include <QSizeF>
#include <QString>

#include <optional>

class LabelLayout;

// Labels written to files: the format a file's name asks for, PNG at a chosen
// resolution, and SVG (texts as outlines, so that it needs no font; their words in its
// description). Every file is drawn by the same code as the preview; PDF documents are
// written by pdf/LabelDocument.
namespace LabelFiles {

enum class Format { Pdf, Png, Svg };

inline constexpr int defaultPngDpi = 300;
inline constexpr int minimumDpi = 1;
inline constexpr int maximumDpi = 9600;
// The most pixels a PNG may have; a label of several thousand characters at a high
// resolution would otherwise ask for gigabytes.
inline constexpr double maximumImagePixels = 250'000'000.0;

// The format the file name's extension asks for (in any letter case).
std::optional<Format> formatForPath(const QString& path);

// "out.png" as the index-th (1-based) of count files: "out-1.png" ... "out-12.png",
// zero-padded to the width of count; the path itself when count is 1.
QString numberedPath(const QString& path, int index, int count);

// The pixel size of a label drawn at dpi, rounded up to whole pixels.
QSize pixelSizeAt(const QSizeF& labelSize, int dpi);

// The label drawn into an image at dpi (which the image records). Fails when dpi is out
// of range or the image would be too large.
Result<QImage> renderImage(LabelLayout& layout, int dpi);

// The bytes of the label's PNG file at dpi, or why they cannot be made.
Result<QByteArray> pngBytes(LabelLayout& layout, int dpi);
// The bytes of the label's SVG file.
QByteArray svgBytes(LabelLayout& layout);

// Each failure names the file and the cause. Files are written whole or not at all.
Status writeFile(const QString& path, const QByteArray& bytes);
Status writePng(LabelLayout& layout, const QString& path, int dpi);
Status writeSvg(LabelLayout& layout, const QString& path);
} // namespace LabelFiles

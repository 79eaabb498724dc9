#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

// Photographs made for the benchmarks when no real ones are at hand: synthetic
// pixels that compress like a photograph, with the thirty Exif tags the analysis
// reads written by a standard metadata library.
namespace GeneratedPhotos {

// Smooth colour fields with fine grain; seed varies the pattern.
QImage syntheticImage(QSize size, int seed);

// The image as a JPEG (quality 90) carrying the Exif tags. Empty when encoding fails.
QByteArray jpegWithExif(const QImage& image, int seed);

// Writes the image as an uncompressed RGB TIFF carrying the Exif tags. Returns an
// empty string on success, else what went wrong.
QString writeTiffWithExif(const QImage& image, const QString& path);

} // namespace GeneratedPhotos

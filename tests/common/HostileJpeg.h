#pragma once

#include <QByteArray>

// JPEG files whose frame header declares far more pixels than their few bytes hold,
// as a hostile or damaged file would: a small progressive (or baseline) colour JPEG
// with 4:2:0 sampling whose declared size is then rewritten.
namespace HostileJpeg {

inline constexpr int declaredWidth = 49000;
inline constexpr int declaredHeight = 27000;

// About 600 bytes, without Exif.
QByteArray make(bool progressive = true);
// The same after the Exif segment of the bundled sample photograph (about 3 KB), so
// that its metadata reads and only its picture is hostile.
QByteArray makeWithExif();

} // namespace HostileJpeg

#pragma once

#include <cstddef>

// The two peer metadata libraries reading the thirty tags the photo analysis reads
// (0th directory: description, make, model, artist, copyright; Exif directory: lens,
// exposure, sensitivity, modes, flash, focal lengths, dates, version, pixel sizes),
// each turned into its display text from bytes already in memory. Each answers how
// many of the tags the file held.
namespace PeerReaders {

inline constexpr int analysedTagCount = 30;

int readWithExiv2(const unsigned char* bytes, std::size_t length);
int readWithLibexif(const unsigned char* bytes, std::size_t length);

// Stops the peers' own warnings on damaged files from flooding the report.
void silencePeerWarnings();

} // namespace PeerReaders

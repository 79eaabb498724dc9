#pragma once

#include "exiflistlib/exiflist.h"

#include <QString>

#include <optional>

// The words shown for the enumerated Exif tags. Most words are localised; the white
// balance words and the D-series light sources are shown as stored here.

std::optional<QString> whiteBalanceWord(const ExifTagNode& node);
std::optional<QString> exposureModeWord(const ExifTagNode& node);
std::optional<QString> exposureProgramWord(const ExifTagNode& node);
std::optional<QString> meteringModeWord(const ExifTagNode& node);
std::optional<QString> lightSourceWord(const ExifTagNode& node);
std::optional<QString> sceneCaptureTypeWord(const ExifTagNode& node);
std::optional<QString> gainControlWord(const ExifTagNode& node);
std::optional<QString> contrastWord(const ExifTagNode& node);
std::optional<QString> saturationWord(const ExifTagNode& node);
std::optional<QString> sharpnessWord(const ExifTagNode& node);
std::optional<QString> subjectDistanceRangeWord(const ExifTagNode& node);

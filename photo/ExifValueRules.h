#pragma once

#include "photo/TagCopy.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <optional>

// The display values the photo information holds, each computed from one tag copy
// whose error flag is clear. Every rule yields nothing when the value cannot be shown
// (zero denominator, non-positive quotient, code outside its table, the wrong kind of
// value).

// Reduces numerator/denominator in place by their greatest common divisor (Euclid's
// algorithm, first dividend the denominator) and answers the divisor. Both values
// must be non-zero. Answers 0 and leaves both unchanged when the reduced fraction
// does not fit in 32 bits (only possible when one of them is INT32_MIN).
std::int32_t yakubun(std::int32_t& numerator, std::int32_t& denominator);

// Plain text values (descriptions, names, dates).
std::optional<QString> textValue(const ExifTagNode& node);

struct MakerValue {
    bool skipMaker; // print the model without the maker in front of it
    QString maker;  // display name
};
std::optional<MakerValue> makerValue(const ExifTagNode& node);

std::optional<QString> fNumberValue(const ExifTagNode& node);
std::optional<QString> exposureTimeValue(const ExifTagNode& node);
std::optional<QString> exposureBiasValueText(const ExifTagNode& node);
std::optional<QString> focalLengthValue(const ExifTagNode& node);
std::optional<QString> focalLengthIn35mmValue(const ExifTagNode& node);
std::optional<QString> exifVersionValue(const ExifTagNode& node);
std::optional<QString> pixelDimensionValue(const ExifTagNode& node);
std::optional<std::uint16_t> flashValue(const ExifTagNode& node);

// A copy of the tag from the Exif directory, null when the tag is absent or its value
// is unavailable.
using UsableTagLookup = std::function<TagCopy(std::uint16_t tag)>;

// The sensitivity from ISOSpeed, or else from SensitivityType and
// PhotographicSensitivity; looks the tags up in that order and only as far as needed.
std::optional<QString> sensitivityValue(const UsableTagLookup& usableTag);

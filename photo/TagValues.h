#pragma once

#include "exiflistlib/exiflist.h"

#include <QString>

#include <cstdint>
#include <optional>

// The views of a tag copy's value that the value rules read. Each yields nothing when
// the copy does not carry the kind of value asked for.

struct Rational {
    std::int32_t numerator;
    std::int32_t denominator;
};

// The low 16 bits of the first numeric element.
std::optional<std::uint16_t> sixteenBitView(const ExifTagNode& node);

// The first numeric element, all 32 bits.
std::optional<std::uint32_t> firstElement(const ExifTagNode& node);

// The first two numeric elements as a signed numerator and denominator (RATIONAL and
// SRATIONAL alike).
std::optional<Rational> rationalView(const ExifTagNode& node);

// The bytes up to the first NUL or the end of the value, decoded as UTF-8 and kept
// exactly as stored. Nothing for a numeric value or bytes that are not valid UTF-8.
std::optional<QString> textView(const ExifTagNode& node);

// n / d formed in single precision, as the displayed quotients are.
float singlePrecisionQuotient(Rational value);

// "%.1f" of a single-precision value widened to double, correctly rounded and
// independent of the C locale.
QString oneDecimal(float value);

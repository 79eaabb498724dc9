#pragma once

#include <QString>

#include <algorithm>
#include <climits>

// The tape length the user sets on the printer before a tape label is printed.

// Points per millimetre (72 / 25.4, to 14 decimals).
inline constexpr double pointsPerMillimetre = 2.83464566929134;

// The length of a label widthPoints long, in whole millimetres, truncated so that it
// is never more than the label.
inline int tapeLengthMillimetres(double widthPoints) {
    return static_cast<int>(std::clamp(widthPoints / pointsPerMillimetre, 0.0, double(INT_MAX)));
}

// The length as the window shows it: "Tape: 122 mm", or where lengths are measured in
// inches "Tape: 4.81 in" (hundredths, truncated like the millimetres).
QString tapeLengthText(double widthPoints, bool metric);

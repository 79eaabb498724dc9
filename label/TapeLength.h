#pragma once

#include <QString>

#include <vector>

// The tape length the user sets on the printer before a label is printed. Every length
// the user is told is rounded up, to whole millimetres or, where lengths are measured
// in inches, to hundredths of an inch: a tape set shorter than the label would cut
// its end off.

// Points per millimetre (72 / 25.4, to 14 decimals).
inline constexpr double pointsPerMillimetre = 2.83464566929134;

// Label lengths are sums of 32-bit floats, so a label meant to be exactly 60 mm may
// come out a few millionths of a millimetre longer. A length less than this past a
// whole unit is told as that unit: a thousandth of a millimetre, far below what a
// printer can feed and far above the rounding of any label's length.
inline constexpr double lengthTolerancePoints = 0.001 * pointsPerMillimetre;

// The length of a label widthPoints long in whole millimetres, rounded up.
int tapeLengthMillimetres(double widthPoints);

// A label's length as the user is told it: "123 mm", or in inches "4.81 in"
// (hundredths, rounded up like the millimetres).
QString labelLengthText(double widthPoints, bool metric);

// A label of a job of several: how it is named to the user and its width in points.
struct LabelLength {
    QString name;
    double widthPoints = 0;
};

// The tape a job of several labels takes, adding each label's length as it is told,
// copies times over: "249 mm", or in inches "9.40 in".
QString totalLengthText(const std::vector<LabelLength>& labels, int copies, bool metric);

// What the user is told before such a job: "NAME: 83 mm" for each label, one a line,
// then the total line of the string tables ("Total: 249 mm").
QString tapeLengthsText(const std::vector<LabelLength>& labels, int copies, bool metric = true);

// The current label's length under the preview: "Tape: 123 mm" or "Tape: 4.81 in".
QString tapeLengthText(double widthPoints, bool metric);

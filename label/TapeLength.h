#pragma once

#include <QString>

#include <algorithm>
#include <climits>
#include <vector>

// The tape length the user sets on the printer before a tape label is printed.

// Points per millimetre (72 / 25.4, to 14 decimals).
inline constexpr double pointsPerMillimetre = 2.83464566929134;

// The length of a label widthPoints long, in whole millimetres, truncated so that it
// is never more than the label.
inline int tapeLengthMillimetres(double widthPoints) {
    return static_cast<int>(std::clamp(widthPoints / pointsPerMillimetre, 0.0, double(INT_MAX)));
}

// A label of a job of several: how it is named to the user and its width in points.
struct LabelLength {
    QString name;
    double widthPoints = 0;
};

// The tape a job of several labels takes: the sum of each label's length as
// tapeLengthMillimetres tells it, copies times over.
int totalTapeMillimetres(const std::vector<LabelLength>& labels, int copies);

// What the user is told before such a job: "NAME: 83 mm" for each label, one a line,
// then the total line of the string tables ("Total: 249 mm").
QString tapeLengthsText(const std::vector<LabelLength>& labels, int copies);

// A label's length as the window shows it: "122 mm", or where lengths are measured in
// inches "4.81 in" (hundredths, truncated like the millimetres).
QString labelLengthText(double widthPoints, bool metric);

// The current label's length under the preview: "Tape: 122 mm" or "Tape: 4.81 in".
QString tapeLengthText(double widthPoints, bool metric);

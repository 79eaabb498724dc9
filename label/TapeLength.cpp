#include "label/TapeLength.h"

#include "platform/LocalizedText.h"

#include <QStringList>

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

// The steps lengths are told in: a millimetre, or a hundredth of an inch.
constexpr double pointsPerHundredthInch = 72.0 / 100.0;
// Lengths are told up to this many steps; a longer one is told as this.
constexpr double mostSteps = INT_MAX;

// The whole steps that cover a label widthPoints long.
long long stepsCovering(double widthPoints, bool metric) {
    const double step = metric ? pointsPerMillimetre : pointsPerHundredthInch;
    const double steps = std::ceil((widthPoints - lengthTolerancePoints) / step);
    return static_cast<long long>(std::clamp(steps, 0.0, mostSteps));
}

QString stepsText(long long steps, bool metric) {
    if (metric)
        return QStringLiteral("%1 mm").arg(steps);
    return QStringLiteral("%1.%2 in").arg(steps / 100).arg(steps % 100, 2, 10, QLatin1Char('0'));
}

long long totalSteps(const std::vector<LabelLength>& labels, int copies, bool metric) {
    long long total = 0;
    for (const LabelLength& label : labels)
        total += stepsCovering(label.widthPoints, metric);
    const auto most = static_cast<long long>(mostSteps);
    return std::min(std::min(total, most) * std::max(copies, 1), most);
}

} // namespace

int tapeLengthMillimetres(double widthPoints) {
    return static_cast<int>(stepsCovering(widthPoints, true));
}

QString labelLengthText(double widthPoints, bool metric) {
    return stepsText(stepsCovering(widthPoints, metric), metric);
}

QString totalLengthText(const std::vector<LabelLength>& labels, int copies, bool metric) {
    return stepsText(totalSteps(labels, copies, metric), metric);
}

QString tapeLengthsText(const std::vector<LabelLength>& labels, int copies, bool metric) {
    QStringList lines;
    for (const LabelLength& label : labels)
        lines << QStringLiteral("%1: %2").arg(label.name,
                                              labelLengthText(label.widthPoints, metric));
    lines << localizedText(QStringLiteral("tapeTotalLengthMsg"),
                           {totalLengthText(labels, copies, metric)});
    return lines.join(QLatin1Char('\n'));
}

QString tapeLengthText(double widthPoints, bool metric) {
    return localizedText(QStringLiteral("tapeLengthShown"), {labelLengthText(widthPoints, metric)});
}

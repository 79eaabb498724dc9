#include "label/TapeLength.h"

#include "platform/LocalizedText.h"

#include <QStringList>

#include <cmath>

namespace {

constexpr double pointsPerInch = 72.0;

} // namespace

int totalTapeMillimetres(const std::vector<LabelLength>& labels, int copies) {
    long long total = 0;
    for (const LabelLength& label : labels)
        total += tapeLengthMillimetres(label.widthPoints);
    return static_cast<int>(std::min<long long>(total * std::max(copies, 1), INT_MAX));
}

QString tapeLengthsText(const std::vector<LabelLength>& labels, int copies) {
    QStringList lines;
    for (const LabelLength& label : labels)
        lines << QStringLiteral("%1: %2 mm")
                     .arg(label.name)
                     .arg(tapeLengthMillimetres(label.widthPoints));
    lines << localizedString(QStringLiteral("tapeTotalMsg"))
                 .arg(totalTapeMillimetres(labels, copies));
    return lines.join(QLatin1Char('\n'));
}

QString labelLengthText(double widthPoints, bool metric) {
    if (metric)
        return QStringLiteral("%1 mm").arg(tapeLengthMillimetres(widthPoints));
    const double hundredths = std::floor(std::max(widthPoints, 0.0) / pointsPerInch * 100.0);
    return QStringLiteral("%1 in").arg(hundredths / 100.0, 0, 'f', 2);
}

QString tapeLengthText(double widthPoints, bool metric) {
    return localizedString(QStringLiteral("tapeLengthShown"))
        .arg(labelLengthText(widthPoints, metric));
}

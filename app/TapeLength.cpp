#include "app/TapeLength.h"

#include "platform/LocalizedText.h"

#include <cmath>

namespace {

constexpr double pointsPerInch = 72.0;

} // namespace

QString tapeLengthText(double widthPoints, bool metric) {
    if (metric)
        return localizedString(QStringLiteral("tapeLengthMillimetres"))
            .arg(tapeLengthMillimetres(widthPoints));
    const double hundredths = std::floor(std::max(widthPoints, 0.0) / pointsPerInch * 100.0);
    return localizedString(QStringLiteral("tapeLengthInches")).arg(hundredths / 100.0, 0, 'f', 2);
}

#include "label/ZoomSteps.h"

#include <algorithm>
#include <array>

namespace ZoomSteps {

namespace {

constexpr std::array steps{smallest, 0.5, 0.75, actualSize, 1.5, 2.0, 3.0, 4.0, 6.0, largest};
// Factors this close to a step count as that step.
constexpr double tolerance = 1e-9;

} // namespace

double zoomedIn(double factor) {
    const auto next = std::find_if(steps.begin(), steps.end(),
                                   [factor](double step) { return step > factor + tolerance; });
    return next == steps.end() ? largest : *next;
}

double zoomedOut(double factor) {
    const auto previous = std::find_if(steps.rbegin(), steps.rend(),
                                       [factor](double step) { return step < factor - tolerance; });
    return previous == steps.rend() ? smallest : *previous;
}

double fitting(const QSizeF& content, const QSizeF& room) {
    if (content.isEmpty() || room.isEmpty())
        return smallest;
    const double factor =
        std::min(room.width() / content.width(), room.height() / content.height());
    return std::clamp(factor, smallest, largest);
}

} // namespace ZoomSteps

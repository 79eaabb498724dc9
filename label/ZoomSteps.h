#pragma once

#include <QSizeF>

// The zoom factors of the label preview: the steps Zoom In and Zoom Out move between,
// and the factor at which a label fits a given room. 1 is actual size (one point of
// the label to one pixel at the screen's scale).
namespace ZoomSteps {

inline constexpr double smallest = 0.25;
inline constexpr double largest = 8.0;
inline constexpr double actualSize = 1.0;

// The next step above or below the factor; a factor between steps (after Fit to
// Window) moves to the nearest step in that direction. The ends stay where they are.
double zoomedIn(double factor);
double zoomedOut(double factor);
// The largest factor at which content (at actual size) fits room, within the limits.
double fitting(const QSizeF& content, const QSizeF& room);

} // namespace ZoomSteps

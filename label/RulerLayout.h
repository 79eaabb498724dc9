#pragma once

#include <QSizeF>
#include <QString>

#include <vector>

class QPainter;

// The marks of the ruler drawn above the tape label, in millimetres or inches: a short
// tick at every step, a tall tick with a number at every major step. Positions are in
// points from the ruler's left edge (the label's left edge).
namespace RulerLayout {

// 2 mm and a tenth of an inch, as 32-bit floats.
inline constexpr float metricStep = static_cast<float>(2 * 72 / 25.4);
inline constexpr float inchStep = 7.2f;
inline constexpr double shortTickHeight = 8;
inline constexpr double tallTickHeight = 12;
// Numbers stand on top of the tall ticks.
inline constexpr double numberY = 12;

struct Tick {
    double x;
    double height;
};

struct Number {
    QString text;
    double x; // lower-left corner of the number's line box, at numberY
};

struct Marks {
    std::vector<Tick> ticks;
    std::vector<Number> numbers;
};

// The marks for a ruler `width` points wide. Positions are accumulated step by step,
// as the ruler draws them, and the last short tick may lie at or just past the width.
Marks marksForWidth(double width, bool metric);

// Whether the user's locale measures in the metric system.
bool systemUsesMetric();

// Draws the ruler for a view of viewSize points; the painter's user space is points
// with the origin at the top-left corner.
void drawRuler(QPainter& painter, const QSizeF& viewSize, bool metric);

} // namespace RulerLayout

#pragma once

#include <QFont>
#include <QSizeF>
#include <QString>

#include <vector>

class QPainter;

// The marks of the ruler drawn above the tape label, in millimetres or inches: a short
// tick at every step, a tall tick with a number at every major step. Positions are in
// points from the ruler's left edge (the label's left edge), or in pixels for a ruler
// above a zoomed label.
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
    double x;     // lower-left corner of the number's line box, at numberY
    double tickX; // the tall tick the number belongs to
};

struct Marks {
    std::vector<Tick> ticks;
    std::vector<Number> numbers;
};

// The marks for a ruler `width` points wide. Positions are accumulated step by step,
// as the ruler draws them, and the last short tick may lie at or just past the width.
Marks marksForWidth(double width, bool metric);

// The least room between one number's end and the next number: closer, two numbers
// read as one.
inline constexpr double numberGap = 4;

// The marks for a ruler `width` pixels wide above a label shown at `zoom`: the ticks
// follow the label's lengths at that zoom, while tick heights and each number's
// distance from its tick stay those of actual size. Only numbers drawn whole within
// the width are kept, and where they would come closer than numberGap, only every 2nd,
// 5th, 10th, 20th, 50th ... from zero.
Marks marksAtZoom(double width, bool metric, double zoom);

// The font of the ruler's numbers, the same at every zoom.
QFont numberFont();

// Whether the user's locale measures in the metric system.
bool systemUsesMetric();

// Draws the ruler, with its marks at the zoom, for a view of viewSize pixels; the
// painter's user space is pixels with the origin at the top-left corner. Line widths
// and the numbers' size do not change with the zoom.
void drawRuler(QPainter& painter, const QSizeF& viewSize, bool metric, double zoom);

} // namespace RulerLayout

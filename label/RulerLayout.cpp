#include "label/RulerLayout.h"

#include "label/AttributedText.h"
#include "label/LabelCanvas.h"
#include "platform/FontCatalogue.h"

#include <QLocale>

namespace RulerLayout {

namespace {

struct Scheme {
    float step;
    // The counter of steps since the last number must exceed this for a number.
    int plainTicksBetweenNumbers;
    // Step counts from which the numbers move further left, and by how much.
    int firstShiftAt;
    double firstShift;
    int secondShiftAt;
    double secondShift;
};

constexpr Scheme metricScheme{metricStep, 4, 5, 5, 50, 5};
constexpr Scheme inchScheme{inchStep, 9, 10, 7, 100, 14};

QString numberText(int stepCount, bool metric) {
    constexpr int millimetresPerStep = 2;
    constexpr int stepsPerInch = 10;
    if (metric)
        return QString::asprintf("%d", stepCount * millimetresPerStep);
    return QString::asprintf("%d.0", stepCount / stepsPerInch);
}

const QColor& rulerColour() {
    static const QColor grey = QColor::fromRgbF(0.8f, 0.8f, 0.8f, 1.0f);
    return grey;
}

constexpr qreal rulerFontSize = 12;
constexpr qreal lineWidth = 1;

} // namespace

Marks marksForWidth(double width, bool metric) {
    const Scheme& scheme = metric ? metricScheme : inchScheme;
    Marks marks;
    double x = 0;
    double numberX = 0;
    int stepCount = 0;
    // Starts above the limit so that the first tick is a numbered one.
    int sinceNumber = 10;
    do {
        if (sinceNumber > scheme.plainTicksBetweenNumbers) {
            marks.ticks.push_back({x, tallTickHeight});
            if (stepCount == scheme.firstShiftAt)
                numberX -= scheme.firstShift;
            if (stepCount == scheme.secondShiftAt)
                numberX -= scheme.secondShift;
            marks.numbers.push_back({numberText(stepCount, metric), numberX});
            sinceNumber = 0;
        } else {
            ++sinceNumber;
            ++stepCount;
            x += scheme.step;
            numberX += scheme.step;
            marks.ticks.push_back({x, shortTickHeight});
        }
    } while (x < width);
    return marks;
}

bool systemUsesMetric() {
    return QLocale::system().measurementSystem() == QLocale::MetricSystem;
}

void drawRuler(QPainter& painter, const QSizeF& viewSize, bool metric) {
    LabelCanvas canvas(painter, viewSize.height());
    const double width = viewSize.width();
    canvas.strokeLine(QPointF(0, 0), QPointF(width, 0), lineWidth, rulerColour());
    const Marks marks = marksForWidth(width, metric);
    for (const Tick& tick : marks.ticks)
        canvas.strokeLine(QPointF(tick.x, 0), QPointF(tick.x, tick.height), lineWidth,
                          rulerColour());
    const QFont scaleFont =
        FontCatalogue::fontWithName(QStringLiteral("HelveticaNeue"), rulerFontSize);
    for (const Number& number : marks.numbers)
        canvas.drawText(AttributedText(number.text, scaleFont), QPointF(number.x, numberY),
                        rulerColour());
}

} // namespace RulerLayout

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

// Keeps every nth number, from zero.
std::vector<Number> everyNth(const std::vector<Number>& numbers, std::size_t nth) {
    std::vector<Number> kept;
    for (std::size_t index = 0; index < numbers.size(); index += nth)
        kept.push_back(numbers[index]);
    return kept;
}

// Whether, keeping every nth number, each stands apart from the next.
bool apartAtEvery(std::size_t nth, const std::vector<Number>& numbers,
                  const std::vector<double>& widths) {
    for (std::size_t index = nth; index < numbers.size(); index += nth)
        if (numbers[index - nth].x + widths[index - nth] + numberGap > numbers[index].x)
            return false;
    return true;
}

// The numbers drawn whole within the width, as many as can stand apart: every one, or
// every 2nd, 5th, 10th, 20th, 50th and so on.
std::vector<Number> wholeAndApart(const std::vector<Number>& numbers, double width) {
    const QFont font = numberFont();
    std::vector<Number> whole;
    std::vector<double> widths;
    for (const Number& number : numbers) {
        const double numberWidth = AttributedText(number.text, font).width();
        if (number.x >= 0 && number.x + numberWidth <= width) {
            whole.push_back(number);
            widths.push_back(numberWidth);
        }
    }
    for (std::size_t decade = 1;; decade *= 10)
        for (const std::size_t nth : {decade, 2 * decade, 5 * decade})
            if (nth >= whole.size() || apartAtEvery(nth, whole, widths))
                return everyNth(whole, nth);
}

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
            marks.numbers.push_back({numberText(stepCount, metric), numberX, x});
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

QFont numberFont() {
    return FontCatalogue::fontWithName(QStringLiteral("HelveticaNeue"), rulerFontSize);
}

Marks marksAtZoom(double width, bool metric, double zoom) {
    Marks marks = marksForWidth(width / zoom, metric);
    for (Tick& tick : marks.ticks)
        tick.x *= zoom;
    // The number moves with its tick and keeps its distance from it.
    for (Number& number : marks.numbers) {
        number.x += number.tickX * (zoom - 1);
        number.tickX *= zoom;
    }
    marks.numbers = wholeAndApart(marks.numbers, width);
    return marks;
}

bool systemUsesMetric() {
    // Britain measures in metric units for most things, label tapes among them; Qt
    // tells its system apart from the metric one only for its miles and pints.
    return QLocale::system().measurementSystem() != QLocale::ImperialUSSystem;
}

void drawRuler(QPainter& painter, const QSizeF& viewSize, bool metric, double zoom) {
    LabelCanvas canvas(painter, viewSize.height());
    const double width = viewSize.width();
    canvas.strokeLine(QPointF(0, 0), QPointF(width, 0), lineWidth, rulerColour());
    const Marks marks = marksAtZoom(width, metric, zoom);
    for (const Tick& tick : marks.ticks)
        canvas.strokeLine(QPointF(tick.x, 0), QPointF(tick.x, tick.height), lineWidth,
                          rulerColour());
    const QFont font = numberFont();
    for (const Number& number : marks.numbers)
        canvas.drawText(AttributedText(number.text, font), QPointF(number.x, numberY),
                        rulerColour());
}

} // namespace RulerLayout

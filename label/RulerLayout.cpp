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
// The least room between one number's end and the next number.
constexpr double numberGap = 2;

// Keeps every nth number.
std::vector<Number> everyNth(const std::vector<Number>& numbers, std::size_t nth) {
    std::vector<Number> kept;
    for (std::size_t index = 0; index < numbers.size(); index += nth)
        kept.push_back(numbers[index]);
    return kept;
}

// Whether, keeping every nth number, one would run into the next.
bool overlapAtEvery(std::size_t nth, const std::vector<Number>& numbers,
                    const std::vector<double>& widths) {
    for (std::size_t index = nth; index < numbers.size(); index += nth)
        if (numbers[index - nth].x + widths[index - nth] + numberGap > numbers[index].x)
            return true;
    return false;
}

// The fewest numbers left out for the rest to stand apart: every number, or every
// 2nd, 5th or 10th.
std::vector<Number> thinnedOut(const std::vector<Number>& numbers) {
    const QFont font = numberFont();
    std::vector<double> widths;
    for (const Number& number : numbers)
        widths.push_back(AttributedText(number.text, font).width());
    constexpr std::size_t sparsest = 10;
    for (const std::size_t nth : {1, 2, 5})
        if (!overlapAtEvery(nth, numbers, widths))
            return everyNth(numbers, nth);
    return everyNth(numbers, sparsest);
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
    marks.numbers = thinnedOut(marks.numbers);
    return marks;
}

bool systemUsesMetric() {
    return QLocale::system().measurementSystem() == QLocale::MetricSystem;
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

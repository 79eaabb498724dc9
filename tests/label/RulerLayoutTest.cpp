#include "label/RulerLayout.h"
#include "label/AttributedText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

namespace {

using RulerLayout::marksAtZoom;
using RulerLayout::marksForWidth;

QStringList textsOf(const RulerLayout::Marks& marks) {
    QStringList texts;
    for (const auto& number : marks.numbers)
        texts << number.text;
    return texts;
}

struct RulerCase {
    double width;
    bool metric;
    int shortTicks;
    // A number and its x: each stands on its tall tick, moved left by half its width.
    QString text;
    double x;
    QString lastText;
    double lastX;
    double lastTickX;
};

TEST(RulerLayoutTest, TicksAndNumbersAcrossTheRuler) {
    const RulerCase cases[] = {
        {680, true, 120, "10", 23.346, "230", 641.969, 680.315},
        {680, true, 120, "100", 273.465, "230", 641.969, 680.315},
        {680, false, 95, "1.0", 65, "9.0", 641, 684},
        {1000, false, 139, "10.0", 699, "13.0", 915, 1000.8},
        {3, true, 1, "0", 0, "0", 0, RulerLayout::metricStep},
    };
    for (const RulerCase& c : cases) {
        const auto marks = marksForWidth(c.width, c.metric);
        const auto found = std::find_if(marks.numbers.begin(), marks.numbers.end(),
                                        [&](const auto& number) { return number.text == c.text; });
        ASSERT_NE(found, marks.numbers.end()) << c.text.toStdString();
        EXPECT_NEAR(found->x, c.x, 1e-3) << c.text.toStdString();
        EXPECT_EQ(marks.numbers.back().text, c.lastText);
        EXPECT_NEAR(marks.numbers.back().x, c.lastX, 1e-3) << c.lastText.toStdString();
        EXPECT_NEAR(marks.ticks.back().x, c.lastTickX, 1e-3) << c.width;
        EXPECT_EQ(marks.ticks.back().height, RulerLayout::shortTickHeight);
        EXPECT_EQ(
            std::count_if(marks.ticks.begin(), marks.ticks.end(),
                          [](auto tick) { return tick.height == RulerLayout::shortTickHeight; }),
            c.shortTicks)
            << c.width;
        EXPECT_EQ(marks.ticks.size(), c.shortTicks + marks.numbers.size()) << c.width;
    }
}

// At actual size and zoomed in every number stays; at every zoom each tick sits above
// the same length of the label at its own height, and each number keeps its distance
// from its tick.
TEST(RulerLayoutTest, MarksFollowTheZoomAndKeepTheirSize) {
    for (const bool metric : {true, false})
        for (const double zoom : {1.0, 4.0, 0.25}) {
            const auto actual = marksForWidth(680, metric);
            const auto zoomed = marksAtZoom(680 * zoom, metric, zoom);
            ASSERT_EQ(zoomed.ticks.size(), actual.ticks.size()) << zoom;
            for (std::size_t index = 0; index < actual.ticks.size(); ++index) {
                EXPECT_DOUBLE_EQ(zoomed.ticks[index].x, actual.ticks[index].x * zoom);
                EXPECT_EQ(zoomed.ticks[index].height, actual.ticks[index].height);
            }
            for (const auto& number : zoomed.numbers) {
                const auto& unzoomed = actual.numbers.at(textsOf(actual).indexOf(number.text));
                EXPECT_DOUBLE_EQ(number.tickX, unzoomed.tickX * zoom);
                EXPECT_NEAR(number.x - number.tickX, unzoomed.x - unzoomed.tickX, 1e-9);
            }
            EXPECT_EQ(textsOf(zoomed) == textsOf(actual), zoom >= 1) << "thinned only at 25%";
        }
}

// At every zoom step, in both units, each number is drawn whole within the ruler and
// stands apart from the next, measured in the numbers' own font; the numbers kept are
// every one, or every 2nd, 5th, 10th ... from zero.
TEST(RulerLayoutTest, NumbersStandWholeAndApartAtEveryZoom) {
    const QFont font = RulerLayout::numberFont();
    for (const bool metric : {true, false}) {
        for (const double zoom : {0.25, 0.5, 0.75, 1.0, 1.5, 2.0, 3.0, 4.0, 6.0, 8.0}) {
            // A long label, and one ending just past a number, as wide as its start.
            for (const double width : {3000 * zoom, 72 * 5 * zoom + 6}) {
                SCOPED_TRACE(std::to_string(zoom) + (metric ? " mm " : " in ") +
                             std::to_string(width));
                const auto marks = marksAtZoom(width, metric, zoom);
                ASSERT_GE(marks.numbers.size(), 2u);
                const double step = marks.numbers[1].text.toDouble();
                for (std::size_t index = 0; index < marks.numbers.size(); ++index) {
                    const auto& number = marks.numbers[index];
                    const double numberWidth = AttributedText(number.text, font).width();
                    EXPECT_GE(number.x, 0);
                    EXPECT_LE(number.x + numberWidth, width) << number.text.toStdString();
                    EXPECT_DOUBLE_EQ(number.text.toDouble(), step * static_cast<double>(index));
                    if (index + 1 < marks.numbers.size()) {
                        EXPECT_GE(marks.numbers[index + 1].x - (number.x + numberWidth),
                                  RulerLayout::numberGap)
                            << number.text.toStdString();
                    }
                }
            }
        }
    }
}

} // namespace

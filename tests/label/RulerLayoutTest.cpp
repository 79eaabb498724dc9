#include "label/RulerLayout.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using RulerLayout::marksForWidth;

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

} // namespace

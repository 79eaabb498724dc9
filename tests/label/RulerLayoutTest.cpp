#include "label/RulerLayout.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using RulerLayout::marksForWidth;

const RulerLayout::Number* numberNamed(const RulerLayout::Marks& marks, const QString& text) {
    const auto found = std::find_if(marks.numbers.begin(), marks.numbers.end(),
                                    [&](const auto& number) { return number.text == text; });
    return found == marks.numbers.end() ? nullptr : &*found;
}

// The x of the tall tick the number stands on: the k-th tall tick for the k-th number.
double tallTickX(const RulerLayout::Marks& marks, std::size_t numberIndex) {
    std::size_t seen = 0;
    for (const auto& tick : marks.ticks) {
        if (tick.height == RulerLayout::tallTickHeight && seen++ == numberIndex)
            return tick.x;
    }
    return -1;
}

TEST(RulerLayoutTest, MetricNumbersEveryTenMillimetresShiftedLeftAsTheyWiden) {
    const auto marks = marksForWidth(680, true);
    ASSERT_GE(marks.numbers.size(), 3u);
    EXPECT_EQ(marks.numbers[0].text, "0");
    EXPECT_EQ(marks.numbers[1].text, "10");
    EXPECT_EQ(marks.numbers[2].text, "20");
    EXPECT_EQ(marks.numbers[0].x, 0);
    EXPECT_NEAR(tallTickX(marks, 1), 28.346, 1e-3);
    EXPECT_NEAR(marks.numbers[1].x, tallTickX(marks, 1) - 5, 1e-9);
    EXPECT_NEAR(numberNamed(marks, "100")->x, tallTickX(marks, 10) - 10, 1e-9);
    EXPECT_EQ(marks.numbers.back().text, "230");
    EXPECT_NEAR(marks.numbers.back().x, 641.969, 1e-3);
    EXPECT_NEAR(marks.ticks.back().x, 680.315, 1e-3);
    EXPECT_EQ(marks.ticks.back().height, RulerLayout::shortTickHeight);
}

TEST(RulerLayoutTest, MetricTicksEveryTwoMillimetresAcrossTheRuler) {
    const auto marks = marksForWidth(680, true);
    const auto shortTicks = std::count_if(marks.ticks.begin(), marks.ticks.end(), [](auto tick) {
        return tick.height == RulerLayout::shortTickHeight;
    });
    EXPECT_EQ(shortTicks, 120);
    // 120 steps of 2 mm end within a hundredth of a point of 240 mm.
    EXPECT_NEAR(marks.ticks.back().x, 680.3149, 0.01);
}

TEST(RulerLayoutTest, InchNumbersEveryInch) {
    const auto marks = marksForWidth(680, false);
    EXPECT_EQ(marks.numbers[0].text, "0.0");
    EXPECT_EQ(marks.numbers[1].text, "1.0");
    EXPECT_NEAR(marks.numbers[1].x, 65, 1e-4);
    EXPECT_EQ(marks.numbers.back().text, "9.0");
    EXPECT_NEAR(marks.numbers.back().x, 641, 1e-3);
    EXPECT_NEAR(marks.ticks.back().x, 684, 1e-3);
    const auto wide = marksForWidth(1000, false);
    EXPECT_NEAR(numberNamed(wide, "10.0")->x, tallTickX(wide, 10) - 21, 1e-9);
}

TEST(RulerLayoutTest, RulerNarrowerThanAStepHasTheZeroAndOneTick) {
    const auto marks = marksForWidth(3, true);
    ASSERT_EQ(marks.numbers.size(), 1u);
    EXPECT_EQ(marks.numbers[0].text, "0");
    ASSERT_EQ(marks.ticks.size(), 2u);
    EXPECT_EQ(marks.ticks[0].height, RulerLayout::tallTickHeight);
    EXPECT_EQ(marks.ticks[1].x, static_cast<double>(RulerLayout::metricStep));
}

} // namespace

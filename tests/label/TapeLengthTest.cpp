#include "label/TapeLength.h"

#include "platform/LocalizedText.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// A tape set shorter than the label cuts its end off; a label of exactly whole units,
// whose 32-bit length lies a few millionths past them, asks for no more.
TEST(TapeLength, IsRoundedUpButNotForTheNoiseOfThirtyTwoBitLengths) {
    EXPECT_EQ(tapeLengthMillimetres(122.84 * pointsPerMillimetre), 123);
    EXPECT_EQ(tapeLengthMillimetres(170.0), 60) << "a Roll 60 label is 59.97 mm";
    EXPECT_EQ(tapeLengthMillimetres(0.0), 0);
    for (const double millimetres : {60.0, 83.0, 1000.0}) {
        const auto exact = static_cast<float>(millimetres * pointsPerMillimetre);
        float noisy = exact;
        for (int ulp = 0; ulp < 4; ++ulp)
            noisy = std::nextafter(noisy, 1e9f);
        EXPECT_EQ(tapeLengthMillimetres(exact), millimetres);
        EXPECT_EQ(tapeLengthMillimetres(noisy), millimetres);
        EXPECT_EQ(tapeLengthMillimetres((millimetres + 0.002) * pointsPerMillimetre),
                  millimetres + 1);
    }
    EXPECT_EQ(labelLengthText(72.0, false), QStringLiteral("1.00 in"));
    EXPECT_EQ(labelLengthText(std::nextafter(72.0f, 100.0f), false), QStringLiteral("1.00 in"));
    EXPECT_EQ(labelLengthText(72.01, false), QStringLiteral("1.01 in"));
    EXPECT_EQ(labelLengthText(346.0, false), QStringLiteral("4.81 in"));
}

// Each line and the total are told in the one unit, the total adding the lengths as
// the lines tell them, copies times over.
TEST(TapeLength, AJobOfSeveralLabelsTellsEachOneAndTheTotalInOneUnit) {
    const std::vector<LabelLength> labels = {{QStringLiteral("row 1 (a.jpg)"), 238.0},
                                             {QStringLiteral("row 2 (b.jpg)"), 100.0}};
    EXPECT_EQ(totalLengthText(labels, 2, true), QStringLiteral("240 mm"));
    EXPECT_EQ(totalLengthText(labels, 2, false), QStringLiteral("9.40 in"));
    auto strings = installStringTables(QLocale(QLocale::English));
    ASSERT_TRUE(strings);
    EXPECT_EQ(tapeLengthsText(labels, 2),
              QStringLiteral("row 1 (a.jpg): 84 mm\nrow 2 (b.jpg): 36 mm\nTotal: 240 mm"));
    EXPECT_EQ(tapeLengthsText(labels, 1, false),
              QStringLiteral("row 1 (a.jpg): 3.31 in\nrow 2 (b.jpg): 1.39 in\nTotal: 4.70 in"));
    EXPECT_EQ(tapeLengthText(346.0, true), QStringLiteral("Tape: 123 mm"));
    EXPECT_EQ(tapeLengthText(346.0, false), QStringLiteral("Tape: 4.81 in"));
    strings = installStringTables(QLocale(QLocale::Japanese));
    ASSERT_TRUE(strings);
    EXPECT_EQ(tapeLengthsText(labels, 3, false).split('\n').last(),
              QStringLiteral("合計：14.10 in"));
}

} // namespace

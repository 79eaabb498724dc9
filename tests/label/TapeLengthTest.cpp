#include "label/TapeLength.h"

#include "platform/LocalizedText.h"

#include <gtest/gtest.h>

namespace {

TEST(TapeLength, IsTruncatedSoThatItIsNeverOverstated) {
    EXPECT_EQ(tapeLengthMillimetres(238.0), 83);
    EXPECT_EQ(tapeLengthMillimetres(283.46456692913387), 99);
    EXPECT_EQ(tapeLengthMillimetres(0.0), 0);
}

TEST(TapeLength, AJobOfSeveralLabelsTellsEachOneAndTheTotalOfItsCopies) {
    const std::vector<LabelLength> labels = {{QStringLiteral("row 1 (a.jpg)"), 238.0},
                                             {QStringLiteral("row 2 (b.jpg)"), 100.0}};
    // The total adds the lengths as they are told, so that the lines add up.
    EXPECT_EQ(totalTapeMillimetres(labels, 1), 118);
    EXPECT_EQ(totalTapeMillimetres(labels, 3), 354);

    ASSERT_TRUE(installStringTables(QLocale(QLocale::English)));
    EXPECT_EQ(tapeLengthsText(labels, 2),
              QStringLiteral("row 1 (a.jpg): 83 mm\nrow 2 (b.jpg): 35 mm\nTotal: 236 mm"));
    useEmptyStringTable();
}

TEST(TapeLength, IsShownInTheRulersUnit) {
    ASSERT_TRUE(installStringTables(QLocale(QLocale::English)));
    EXPECT_EQ(tapeLengthText(346.0, true), QStringLiteral("Tape: 122 mm"));
    EXPECT_EQ(tapeLengthText(346.0, false), QStringLiteral("Tape: 4.80 in"));
    EXPECT_EQ(tapeLengthText(72.0, false), QStringLiteral("Tape: 1.00 in"));
    useEmptyStringTable();
}

} // namespace

#include "PrintBoxFixtures.h"

#include "pictures/PictureReduction.h"

#include <gtest/gtest.h>

namespace {

using PictureReduction::neededSize;
using PictureReduction::powerOfTwoFactor;
using PictureReduction::reducedSize;

// Enough pixels for 600 dpi in every box: the strip draws a picture 43 points high,
// the square fits it into 67 points; small pictures are never enlarged, and without
// a box nothing is reduced.
TEST(PictureReduction, NeededSizeServesEveryBox) {
    EXPECT_EQ(neededSize(QSize(20000, 1000), thumbnailBoxes), QSize(7167, 359));
    EXPECT_EQ(neededSize(QSize(3000, 6000), thumbnailBoxes), QSize(280, 559));
    EXPECT_EQ(neededSize(QSize(300, 200), thumbnailBoxes), QSize(300, 200));
    EXPECT_EQ(neededSize(QSize(3000, 6000), {QSizeF(67, 67)}), QSize(280, 559));
    EXPECT_EQ(neededSize(QSize(6000, 3000), {QSizeF(67, 67)}), QSize(559, 280));
    EXPECT_EQ(neededSize(QSize(6000, 3000), {}), QSize(6000, 3000));
}

TEST(PictureReduction, HalvesAsLongAsTheSizeStaysLargeEnough) {
    struct Case {
        QSize size;
        QSize atLeast;
        int largest;
        int factor;
    };
    const Case cases[] = {
        {{1000, 600}, {100, 100}, 1 << 30, 4}, // 600 / 8 rounds up to 75, too few rows
        {{1001, 801}, {126, 101}, 1 << 30, 8}, // sides are rounded up: 126 × 101 at 8
        {{4000, 3000}, {10, 10}, 16, 16},      // capped
        {{800, 600}, {800, 600}, 1 << 30, 1},  // no room to reduce
        {{1, 1}, {1, 1}, 1 << 30, 1},          // halving a pixel changes nothing
        {{1, 4096}, {1, 1}, 1 << 30, 4096},    // one side stuck at a pixel, the other halves
    };
    for (const Case& c : cases)
        EXPECT_EQ(powerOfTwoFactor(c.size, c.atLeast, c.largest), c.factor)
            << c.size.width() << "x" << c.size.height();
    EXPECT_EQ(reducedSize({1001, 801}, 8), QSize(126, 101));
}

} // namespace

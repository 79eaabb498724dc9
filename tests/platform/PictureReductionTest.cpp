#include "platform/PictureReduction.h"

#include <gtest/gtest.h>

namespace {

using PictureReduction::BlockAverager;
using PictureReduction::powerOfTwoFactor;
using PictureReduction::reducedSize;

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

TEST(PictureReduction, EdgeBlocksAverageOnlyThePixelsTheyHold) {
    // 3 × 3 two-channel pixels in blocks of 2: full, partial column, partial row, corner.
    const unsigned char rows[3][6] = {
        {10, 200, 20, 200, 90, 0}, {30, 100, 41, 100, 70, 1}, {50, 0, 60, 255, 255, 254}};
    BlockAverager blocks({3, 3}, 2, 2);
    ASSERT_EQ(blocks.outputSize(), QSize(2, 2));
    QRgb line[2] = {};
    const auto firstTwo = [](const auto& means) { return qRgb(means[0], means[1], 0); };
    for (int y = 0; y < 2; ++y)
        for (int channel = 0; channel < 2; ++channel)
            blocks.addSamples(channel, rows[y] + channel, 2);
    blocks.writeRow(0, line, firstTwo);
    EXPECT_EQ(line[0], qRgb(25, 150, 0)); // (10+20+30+41) / 4 = 25.25; 600 / 4
    EXPECT_EQ(line[1], qRgb(80, 1, 0));   // 160 / 2; (0 + 1) / 2 rounds up

    for (int channel = 0; channel < 2; ++channel)
        blocks.addSamples(channel, rows[2] + channel, 2);
    blocks.writeRow(1, line, firstTwo);
    EXPECT_EQ(line[0], qRgb(55, 128, 0)); // the sums start again for the second row
    EXPECT_EQ(line[1], qRgb(255, 254, 0));
}

} // namespace

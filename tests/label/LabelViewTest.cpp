#include "LabelFixtures.h"

#include "label/LabelView.h"
#include "label/RollLayout.h"
#include "label/Ruler.h"
#include "label/TapeLayout.h"
#include "photo/DefaultExifItems.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

bool isDark(const QImage& image, int x, int y) {
    return qGray(image.pixel(x, y)) < 128;
}

TEST(LabelViewTest, RollLabelDrawsTheDoubleFrame) {
    LabelView roll;
    roll.setLabel(std::make_unique<RollLayout>());
    const QImage image = roll.grab().toImage();
    ASSERT_EQ(image.size(), QSize(170, 170));
    EXPECT_TRUE(isDark(image, 85, 0)) << "outer frame along the edge";
    EXPECT_FALSE(isDark(image, 85, 4));
    EXPECT_LT(qGray(image.pixel(85, 170 - 8)), 250) << "hairline 8 points inside";
}

TEST(LabelViewTest, ThumbnailSitsAtTheLeftOfTheStripBesideTheTitle) {
    auto record = recordWith({.model = "EOS"}, QString(), QSizeF(100, 68));
    auto layout = std::make_unique<TapeLayout>();
    layout->setDisplaySettings(defaultExifItemsStatus());
    layout->setExifData(record.get());
    LabelView tape;
    tape.setLabel(std::move(layout));
    const QImage image = tape.grab().toImage();
    // The sample photograph is a dark scene: pixels inside the thumbnail are not white,
    // the margin to its left is.
    EXPECT_EQ(image.pixelColor(2, 20), QColor(Qt::white));
    EXPECT_NE(image.pixelColor(6 + 30, 20), QColor(Qt::white));
}

TEST(LabelViewTest, RulerDrawsItsBaseLineAndTicks) {
    Ruler ruler(true, nullptr);
    ruler.resize(680, 30);
    const QImage image = ruler.grab().toImage();
    // The ruler has no background of its own; the window shows through above the marks.
    EXPECT_NE(image.pixel(300, 29), image.pixel(300, 2)) << "base line along the bottom";
}

} // namespace

#include "label/LabelCanvas.h"
#include "label/AttributedText.h"
#include "platform/FontCatalogue.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

constexpr int scale = 8; // pixels per point

// The lowest and highest rows (in points from the image's bottom, y upwards) that hold
// dark pixels.
std::pair<double, double> inkRowsFromBottom(const QImage& image) {
    int top = -1;
    int bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 128) {
                if (top < 0)
                    top = y;
                bottom = y;
                break;
            }
        }
    }
    return {double(image.height() - 1 - bottom) / scale, double(image.height() - top) / scale};
}

QImage drawn(const AttributedText& text, const QPointF& lowerLeft, double heightInPoints) {
    QImage image(200 * scale, int(heightInPoints * scale), QImage::Format_RGB32);
    const int dotsPerMetre = qRound(72.0 * scale / 0.0254);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.scale(scale, scale);
    LabelCanvas canvas(painter, heightInPoints);
    canvas.drawText(text, lowerLeft);
    return image;
}

TEST(LabelCanvasTest, TextStandsOnItsDescentAboveTheGivenPoint) {
    const AttributedText text(QStringLiteral("HHH"),
                              FontCatalogue::fontWithName(QStringLiteral("Helvetica"), 20));
    const auto [bottom, top] = inkRowsFromBottom(drawn(text, QPointF(10, 30), 80));
    EXPECT_NEAR(bottom, 30 + text.descent(), 0.25) << "the baseline is the descent above y";
    const double capHeight = FontCatalogue::metricsInPoints(text.font()).capHeight();
    EXPECT_NEAR(top - bottom, capHeight, 0.5) << "drawn at 20 points whatever the resolution";
}

TEST(LabelCanvasTest, RowsOfABlockStackUpwardsFromItsLowerLeftCorner) {
    AttributedText block(QStringLiteral("H\rH\rH"),
                         FontCatalogue::fontWithName(QStringLiteral("Helvetica"), 9));
    block.setFixedRowHeight(11);
    const auto [bottom, top] = inkRowsFromBottom(drawn(block, QPointF(10, 5), 60));
    EXPECT_NEAR(bottom, 5 + block.descent(), 0.25);
    const double capHeight = FontCatalogue::metricsInPoints(block.font()).capHeight();
    EXPECT_NEAR(top, 5 + 2 * 11 + block.descent() + capHeight, 0.5) << "first row on top";
}

} // namespace

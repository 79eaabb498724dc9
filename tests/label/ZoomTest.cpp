#include "label/LabelPreview.h"
#include "label/Ruler.h"
#include "label/TapeView.h"
#include "label/ZoomSteps.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QWheelEvent>

#include <gtest/gtest.h>

namespace {

// Steps from a step, from between steps and at the limits, which hold.
TEST(ZoomSteps, MoveToTheNeighbouringStep) {
    const double cases[][3] = {{1.0, 1.5, 0.75}, {1.2, 1.5, 1.0},   {0.25, 0.5, 0.25},
                               {8.0, 8.0, 6.0},  {0.1, 0.25, 0.25}, {20.0, 8.0, 8.0}};
    for (const auto& [from, in, out] : cases) {
        EXPECT_DOUBLE_EQ(ZoomSteps::zoomedIn(from), in) << from;
        EXPECT_DOUBLE_EQ(ZoomSteps::zoomedOut(from), out) << from;
    }
}

TEST(ZoomSteps, FittingTakesTheTighterSideWithinTheLimits) {
    EXPECT_DOUBLE_EQ(ZoomSteps::fitting({200, 50}, {400, 200}), 2.0);
    EXPECT_DOUBLE_EQ(ZoomSteps::fitting({200, 50}, {400, 75}), 1.5);
    EXPECT_DOUBLE_EQ(ZoomSteps::fitting({2000, 43}, {100, 100}), ZoomSteps::smallest);
    EXPECT_DOUBLE_EQ(ZoomSteps::fitting({10, 10}, {1000, 1000}), ZoomSteps::largest);
    EXPECT_DOUBLE_EQ(ZoomSteps::fitting({}, {100, 100}), ZoomSteps::smallest);
}

class Preview : public testing::Test {
protected:
    void SetUp() override {
        tape->setPhotographer(QStringLiteral("A photographer"));
        preview.showLabel(tape, ruler);
        preview.resize(700, 300);
    }
    void wheel(int turn, Qt::KeyboardModifiers modifiers) {
        QWheelEvent event(QPointF(10, 10), QPointF(10, 10), QPoint(), QPoint(0, turn), Qt::NoButton,
                          modifiers, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(preview.viewport(), &event);
    }

    LabelPreview preview;
    TapeView* tape = new TapeView;
    Ruler* ruler = new Ruler(true, nullptr);
};

TEST_F(Preview, ZoomSizesLabelAndRulerAndKeepsTheRulerAsLongAsTheLabel) {
    const QSizeF label = tape->layout().labelSize();
    wheel(120, Qt::NoModifier);
    EXPECT_DOUBLE_EQ(preview.zoom(), 1.0) << "a plain wheel scrolls";
    wheel(120, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(preview.zoom(), 1.5);
    preview.zoomIn();
    EXPECT_DOUBLE_EQ(preview.zoom(), 2.0);
    EXPECT_EQ(tape->size(), QSize(qCeil(label.width() * 2), qCeil(label.height() * 2)));
    EXPECT_EQ(ruler->height(), 30) << "only the ruler's marks follow the zoom";
    EXPECT_GE(ruler->minimumWidth(), tape->width());
    wheel(-120, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(preview.zoom(), 1.5);
    tape->setTitle(QStringLiteral("A much longer title than before, for a longer strip"));
    EXPECT_GE(ruler->minimumWidth(), tape->width());
    preview.zoomToActualSize();
    EXPECT_EQ(tape->size(), QSize(qCeil(tape->layout().labelSize().width()), 43));
}

TEST_F(Preview, FitToWindowShowsLabelAndRulerWithoutScrolling) {
    preview.zoomToFit();
    EXPECT_GT(preview.zoom(), 1.0);
    const QSize stage = preview.widget()->minimumSizeHint();
    EXPECT_LE(stage.width(), preview.viewport()->width());
    EXPECT_LE(stage.height(), preview.viewport()->height());
}

// Drawn at the zoom as vectors: the view shows the label as it is drawn on paper at
// four times its size, not the actual-size picture enlarged.
TEST_F(Preview, TheLabelIsDrawnAtTheZoomNotEnlarged) {
    const QImage actual = tape->grab().toImage();
    preview.setZoom(4.0);
    const QImage zoomed = tape->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QSizeF label = tape->layout().labelSize();
    ASSERT_EQ(zoomed.size(), QSize(qCeil(label.width() * 4), qCeil(label.height() * 4)));

    QImage drawn(zoomed.size(), QImage::Format_RGB32);
    drawn.fill(Qt::white);
    QPainter painter(&drawn);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(4, 4);
    tape->paintLabel(painter); // as on paper
    painter.end();
    EXPECT_EQ(zoomed, drawn);
    EXPECT_NE(zoomed, actual.scaled(zoomed.size()).convertToFormat(QImage::Format_RGB32));
}

} // namespace

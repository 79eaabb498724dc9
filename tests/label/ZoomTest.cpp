#include "label/LabelPreview.h"
#include "label/LabelView.h"
#include "label/RollLayout.h"
#include "label/Ruler.h"
#include "label/TapeLayout.h"
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
        showTape(QStringLiteral("A photographer"));
        preview.resize(700, 300);
    }
    void showTape(const QString& photographer) {
        auto label = std::make_unique<TapeLayout>();
        label->setPhotographer(photographer);
        preview.showLabel(std::move(label));
    }
    const LabelLayout& label() const { return *tape->label(); }
    void wheel(int turn, Qt::KeyboardModifiers modifiers) {
        QWheelEvent event(QPointF(10, 10), QPointF(10, 10), QPoint(), QPoint(0, turn), Qt::NoButton,
                          modifiers, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(preview.viewport(), &event);
    }

    LabelPreview preview;
    LabelView* tape = preview.findChild<LabelView*>();
    Ruler* ruler = preview.findChild<Ruler*>();
};

TEST_F(Preview, ZoomSizesLabelAndRulerAndKeepsTheRulerAsLongAsTheLabel) {
    const QSizeF size = label().labelSize();
    wheel(120, Qt::NoModifier);
    EXPECT_DOUBLE_EQ(preview.zoom(), 1.0) << "a plain wheel scrolls";
    wheel(120, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(preview.zoom(), 1.5);
    preview.zoomIn();
    EXPECT_DOUBLE_EQ(preview.zoom(), 2.0);
    EXPECT_EQ(tape->size(), QSize(qCeil(size.width() * 2), qCeil(size.height() * 2)));
    EXPECT_EQ(ruler->height(), 30) << "only the ruler's marks follow the zoom";
    EXPECT_GE(ruler->minimumWidth(), tape->width());
    wheel(-120, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(preview.zoom(), 1.5);
    showTape(QStringLiteral("A much longer photographer's name than before, for a longer strip"));
    EXPECT_GE(ruler->minimumWidth(), tape->width());
    preview.zoomToActualSize();
    EXPECT_EQ(tape->size(), QSize(qCeil(label().labelSize().width()), 43));
}

// Fit to Window holds as the area is resized and as another label is shown, until
// another zoom is chosen; a roll label shows no ruler.
TEST_F(Preview, FitToWindowKeepsFittingTheLabelAndRulerWithoutScrolling) {
    const auto fits = [this] {
        const QSize stage = preview.widget()->minimumSizeHint();
        return stage.width() <= preview.viewport()->width() &&
               stage.height() <= preview.viewport()->height();
    };
    preview.show();
    preview.zoomToFit();
    EXPECT_GT(preview.zoom(), 1.0);
    EXPECT_TRUE(fits());
    const double wide = preview.zoom();
    preview.resize(350, 300);
    EXPECT_LT(preview.zoom(), wide);
    EXPECT_TRUE(fits());
    preview.showLabel(std::make_unique<RollLayout>());
    EXPECT_TRUE(ruler->isHidden());
    EXPECT_TRUE(fits());
    preview.zoomToActualSize();
    preview.resize(700, 300);
    EXPECT_DOUBLE_EQ(preview.zoom(), 1.0);
}

// In place of a label the preview shows a message; the label comes back in its place.
TEST_F(Preview, AMessageTakesTheLabelsPlace) {
    preview.showMessage(QStringLiteral("Open photographs"));
    EXPECT_EQ(preview.label(), nullptr);
    EXPECT_EQ(preview.message(), QStringLiteral("Open photographs"));
    showTape(QStringLiteral("Someone"));
    ASSERT_NE(preview.label(), nullptr);
    EXPECT_TRUE(preview.message().isEmpty());
    EXPECT_FALSE(ruler->isHidden());
}

// Drawn at the zoom as vectors: the view shows the label as it is drawn on paper at
// four times its size, not the actual-size picture enlarged.
TEST_F(Preview, TheLabelIsDrawnAtTheZoomNotEnlarged) {
    const QImage actual = tape->grab().toImage();
    preview.setZoom(4.0);
    const QImage zoomed = tape->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QSizeF size = label().labelSize();
    ASSERT_EQ(zoomed.size(), QSize(qCeil(size.width() * 4), qCeil(size.height() * 4)));

    QImage drawn(zoomed.size(), QImage::Format_RGB32);
    drawn.fill(Qt::white);
    QPainter painter(&drawn);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(4, 4);
    label().draw(painter, size, false); // as on paper
    painter.end();
    EXPECT_EQ(zoomed, drawn);
    EXPECT_NE(zoomed, actual.scaled(zoomed.size()).convertToFormat(QImage::Format_RGB32));
}

} // namespace

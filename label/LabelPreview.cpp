#include "label/LabelPreview.h"

#include "label/LabelView.h"
#include "label/Ruler.h"
#include "label/ZoomSteps.h"

#include <QVBoxLayout>
#include <QWheelEvent>

#include <algorithm>

namespace {

// Room around the label, and between the ruler and the label below it, in pixels.
constexpr QMargins stageMargins(20, 10, 20, 10);
constexpr int rulerToLabel = 7;
// The ruler's height at every zoom: only its marks follow the zoom.
constexpr int rulerHeight = 30;

} // namespace

LabelPreview::LabelPreview(QWidget* parent) : QScrollArea(parent), zoom_(ZoomSteps::actualSize) {
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    viewport()->setBackgroundRole(QPalette::Window);
    auto* stage = new QWidget;
    stage->setBackgroundRole(QPalette::Window);
    stageLayout_ = new QVBoxLayout(stage);
    stageLayout_->setContentsMargins(stageMargins);
    stageLayout_->setSpacing(rulerToLabel);
    stageLayout_->addStretch();
    setWidget(stage);
}

void LabelPreview::showLabel(LabelView* view, Ruler* ruler) {
    view_ = view;
    ruler_ = ruler;
    // Placed above the closing stretch, so that both keep to the top-left corner.
    int row = 0;
    if (ruler_) {
        ruler_->setFixedHeight(rulerHeight);
        stageLayout_->insertWidget(row++, ruler_);
    }
    stageLayout_->insertWidget(row, view_, 0, Qt::AlignLeft);
    connect(view_, &LabelView::labelSizeChanged, this, &LabelPreview::fitRulerToLabel);
    setZoom(zoom_);
}

void LabelPreview::setZoom(double factor) {
    zoom_ = std::clamp(factor, ZoomSteps::smallest, ZoomSteps::largest);
    if (view_)
        view_->setZoom(zoom_);
    if (ruler_)
        ruler_->setZoom(zoom_);
    fitRulerToLabel();
    emit zoomChanged(zoom_);
}

void LabelPreview::zoomIn() {
    setZoom(ZoomSteps::zoomedIn(zoom_));
}

void LabelPreview::zoomOut() {
    setZoom(ZoomSteps::zoomedOut(zoom_));
}

void LabelPreview::zoomToActualSize() {
    setZoom(ZoomSteps::actualSize);
}

// The label and the ruler above it fill the visible area without scrolling.
void LabelPreview::zoomToFit() {
    if (!view_)
        return;
    QSizeF room = QSizeF(viewport()->size().shrunkBy(stageMargins));
    if (ruler_)
        room.rheight() -= rulerHeight + rulerToLabel;
    setZoom(ZoomSteps::fitting(view_->layout().labelSize(), room));
}

void LabelPreview::wheelEvent(QWheelEvent* event) {
    if (!event->modifiers().testFlag(Qt::ControlModifier)) {
        QScrollArea::wheelEvent(event);
        return;
    }
    const int turn = event->angleDelta().y();
    if (turn > 0)
        zoomIn();
    else if (turn < 0)
        zoomOut();
    event->accept();
}

void LabelPreview::fitRulerToLabel() {
    if (ruler_ && view_)
        ruler_->setMinimumWidth(view_->width());
}

#include "label/LabelPreview.h"

#include "label/LabelView.h"
#include "label/ScaleViewer.h"

#include <QEvent>
#include <QVBoxLayout>

namespace {

// Room around the label, and between the ruler and the label below it.
constexpr QMargins stageMargins(20, 10, 20, 10);
constexpr int rulerHeight = 30;
constexpr int rulerToLabel = 7;

} // namespace

LabelPreview::LabelPreview(QWidget* parent) : QScrollArea(parent) {
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

void LabelPreview::showLabel(LabelView* view, ScaleViewer* ruler) {
    view_ = view;
    ruler_ = ruler;
    // Placed above the closing stretch, so that both keep to the top-left corner.
    int row = 0;
    if (ruler_) {
        ruler_->setFixedHeight(rulerHeight);
        stageLayout_->insertWidget(row++, ruler_);
    }
    stageLayout_->insertWidget(row, view_, 0, Qt::AlignLeft);
    view_->installEventFilter(this);
    fitRulerToLabel();
}

// The view changes its own size whenever the label's length changes.
bool LabelPreview::eventFilter(QObject* watched, QEvent* event) {
    if (watched == view_ && event->type() == QEvent::Resize)
        fitRulerToLabel();
    return QScrollArea::eventFilter(watched, event);
}

void LabelPreview::fitRulerToLabel() {
    if (ruler_)
        ruler_->setMinimumWidth(view_->width());
}

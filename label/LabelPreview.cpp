#include "label/LabelPreview.h"

#include "label/DropPrompt.h"
#include "label/LabelLayout.h"
#include "label/LabelView.h"
#include "label/Ruler.h"
#include "label/RulerLayout.h"
#include "label/ZoomSteps.h"
#include "photo/LabelMedia.h"
#include "platform/LocalizedText.h"

#include <QResizeEvent>
#include <QStackedWidget>
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

LabelPreview::LabelPreview(QWidget* parent)
    : QScrollArea(parent), pages_(new QStackedWidget), stage_(new QWidget), view_(new LabelView),
      ruler_(new Ruler(RulerLayout::systemUsesMetric(), nullptr)), prompt_(new DropPrompt),
      zoom_(ZoomSteps::actualSize) {
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    viewport()->setBackgroundRole(QPalette::Window);
    stage_->setBackgroundRole(QPalette::Window);
    auto* stageLayout = new QVBoxLayout(stage_);
    stageLayout->setContentsMargins(stageMargins);
    stageLayout->setSpacing(rulerToLabel);
    ruler_->setFixedHeight(rulerHeight);
    ruler_->setAccessibleName(localizedString(QStringLiteral("rulerName")));
    ruler_->setAccessibleDescription(localizedString(
        ruler_->metric() ? QStringLiteral("rulerInMillimetres") : QStringLiteral("rulerInInches")));
    stageLayout->addWidget(ruler_);
    stageLayout->addWidget(view_, 0, Qt::AlignLeft);
    stageLayout->addStretch();
    prompt_->setBackgroundRole(QPalette::Window);
    connect(view_, &LabelView::labelSizeChanged, this, [this](const QSizeF& size) {
        fitRulerToLabel();
        if (fitting_)
            fit();
        emit labelSizeChanged(size);
    });
    connect(view_, &LabelView::photosDropped, this, &LabelPreview::photosDropped);
    connect(prompt_, &DropPrompt::photosDropped, this, &LabelPreview::photosDropped);
    pages_->addWidget(stage_);
    pages_->addWidget(prompt_);
    pages_->setCurrentWidget(prompt_);
    setWidget(pages_);
}

void LabelPreview::showLabel(std::unique_ptr<LabelLayout> label) {
    ruler_->setVisible(label->medium() == LabelMedia::tape18Name);
    view_->setLabel(std::move(label));
    pages_->setCurrentWidget(stage_);
    if (fitting_)
        fit();
}

void LabelPreview::showMessage(const QString& message) {
    prompt_->setText(message);
    view_->setLabel(nullptr);
    pages_->setCurrentWidget(prompt_);
}

const LabelLayout* LabelPreview::label() const {
    return pages_->currentWidget() == stage_ ? view_->label() : nullptr;
}

QString LabelPreview::message() const {
    return pages_->currentWidget() == prompt_ ? prompt_->text() : QString();
}

bool LabelPreview::metric() const {
    return ruler_->metric();
}

void LabelPreview::setZoom(double factor) {
    fitting_ = false;
    applyZoom(factor);
}

void LabelPreview::applyZoom(double factor) {
    zoom_ = std::clamp(factor, ZoomSteps::smallest, ZoomSteps::largest);
    view_->setZoom(zoom_);
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

void LabelPreview::zoomToFit() {
    fitting_ = true;
    fit();
}

// The label and the ruler above it fill the visible area without scrolling.
void LabelPreview::fit() {
    const LabelLayout* shown = view_->label();
    if (!shown) {
        emit zoomChanged(zoom_);
        return;
    }
    QSizeF room = QSizeF(viewport()->size().shrunkBy(stageMargins));
    if (!ruler_->isHidden())
        room.rheight() -= rulerHeight + rulerToLabel;
    applyZoom(ZoomSteps::fitting(shown->labelSize(), room));
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

void LabelPreview::resizeEvent(QResizeEvent* event) {
    QScrollArea::resizeEvent(event);
    if (fitting_)
        fit();
}

void LabelPreview::fitRulerToLabel() {
    ruler_->setMinimumWidth(view_->width());
}

#include "label/LabelView.h"

#include "platform/LocalizedText.h"

#include <QDropEvent>
#include <QPainter>
#include <QtMath>

LabelView::LabelView(QWidget* parent) : QWidget(parent), dropTarget_([this] { repaint(); }) {
    setAcceptDrops(true);
    setAccessibleName(localizedString(QStringLiteral("labelViewName")));
    redisplay();
}

LabelView::~LabelView() = default;

// A screen reader reads the label's texts as the view's description.
void LabelView::setLabel(std::unique_ptr<LabelLayout> label) {
    label_ = std::move(label);
    QStringList texts;
    if (label_)
        for (const PlacedText& placed : label_->placedTexts())
            if (!placed.text.string().trimmed().isEmpty())
                texts << placed.text.string().simplified();
    setAccessibleDescription(texts.join(QStringLiteral(", ")));
    redisplay();
}

void LabelView::setZoom(double factor) {
    zoom_ = factor;
    redisplay();
}

void LabelView::redisplay() {
    // A widget's size is whole pixels; the label's is rounded up so that nothing of it
    // is cut off.
    const QSizeF labelSize = label_ ? label_->labelSize() : QSizeF(0, 0);
    setFixedSize(qCeil(labelSize.width() * zoom_), qCeil(labelSize.height() * zoom_));
    repaint();
    if (labelSize != shownLabelSize_) {
        shownLabelSize_ = labelSize;
        emit labelSizeChanged(labelSize);
    }
}

void LabelView::paintEvent(QPaintEvent*) {
    if (!label_)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(zoom_, zoom_);
    label_->draw(painter, QSizeF(size()) / zoom_, dropTarget_.dragging());
}

void LabelView::dragEnterEvent(QDragEnterEvent* event) {
    dropTarget_.enter(event);
}

void LabelView::dragLeaveEvent(QDragLeaveEvent*) {
    dropTarget_.draggingExited();
}

void LabelView::dropEvent(QDropEvent* event) {
    const QStringList paths = dropTarget_.drop(event);
    if (!paths.isEmpty())
        emit photosDropped(paths);
}

#include "label/LabelView.h"

#include <QDragEnterEvent>
#include <QDragLeaveEvent>
#include <QDropEvent>
#include <QPainter>
#include <QtMath>

LabelView::LabelView(std::unique_ptr<LabelLayout> layout, QWidget* parent)
    : QWidget(parent), layout_(std::move(layout)), dropTarget_([this] { repaint(); }) {
    setAcceptDrops(true);
    redisplay();
}

void LabelView::setZoom(double factor) {
    zoom_ = factor;
    redisplay();
}

void LabelView::setDisplaySettings(const QVariantMap& settings) {
    layout_->setDisplaySettings(settings);
    repaint();
}

void LabelView::setExifData(const PhotoRecord* record) {
    layout_->setExifData(record);
    redisplay();
}

void LabelView::setTitle(const QString& title) {
    layout_->setTitle(title);
    redisplay();
}

void LabelView::setPhotographer(const QString& author) {
    layout_->setPhotographer(author);
    redisplay();
}

void LabelView::setUserLens(const QString& lensName) {
    layout_->setUserLens(lensName);
    redisplay();
}

void LabelView::setFonts(const QString& postScriptName) {
    layout_->setFonts(postScriptName);
    redisplay();
}

void LabelView::clear() {
    layout_->clear();
    redisplay();
}

void LabelView::paintLabel(QPainter& painter) {
    layout_->draw(painter, layout_->labelSize(), dropTarget_.dragging());
}

void LabelView::redisplay() {
    // A widget's size is whole pixels; the label's is rounded up so that nothing of it
    // is cut off.
    const QSizeF labelSize = layout_->labelSize();
    setFixedSize(qCeil(labelSize.width() * zoom_), qCeil(labelSize.height() * zoom_));
    repaint();
    if (labelSize != shownLabelSize_) {
        shownLabelSize_ = labelSize;
        emit labelSizeChanged(labelSize);
    }
}

void LabelView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(zoom_, zoom_);
    layout_->draw(painter, QSizeF(size()) / zoom_, dropTarget_.dragging());
}

void LabelView::dragEnterEvent(QDragEnterEvent* event) {
    if (dropTarget_.draggingEntered(event->mimeData())) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void LabelView::dragLeaveEvent(QDragLeaveEvent*) {
    dropTarget_.draggingExited();
}

void LabelView::dropEvent(QDropEvent* event) {
    const QStringList paths = dropTarget_.performDragOperation(event->mimeData());
    if (paths.isEmpty()) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    emit photosDropped(paths);
}

#include "label/LabelView.h"

#include <QDragEnterEvent>
#include <QDragLeaveEvent>
#include <QDropEvent>
#include <QPainter>

LabelView::LabelView(std::unique_ptr<LabelLayout> layout, QWidget* parent)
    : QWidget(parent), layout_(std::move(layout)), dropTarget_([this] { repaint(); }) {
    setAcceptDrops(true);
}

void LabelView::setExifSetingDisplay(const QVariantMap& settings) {
    layout_->setExifSetingDisplay(settings);
    repaint();
}

void LabelView::setExifData(const Kestavolin* record) {
    layout_->setExifData(record);
    redisplay();
}

void LabelView::setTitle(const QString& title) {
    layout_->setTitle(title);
    redisplay();
}

void LabelView::setAuthor(const QString& author) {
    layout_->setAuthor(author);
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

void LabelView::clearAllStr() {
    layout_->clearAllStr();
    redisplay();
}

void LabelView::paintLabel(QPainter& painter) {
    layout_->drawRect(painter, layout_->labelSize(), dropTarget_.dragging());
}

void LabelView::redisplay() {
    repaint();
}

void LabelView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    layout_->drawRect(painter, QSizeF(size()), dropTarget_.dragging());
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
    const std::optional<QString> path = dropTarget_.performDragOperation(event->mimeData());
    if (!path) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    emit photoDropped(*path);
}

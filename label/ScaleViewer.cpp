#include "label/ScaleViewer.h"

#include "label/RulerLayout.h"

#include <QPainter>

ScaleViewer::ScaleViewer(QWidget* parent) : ScaleViewer(RulerLayout::systemUsesMetric(), parent) {}

ScaleViewer::ScaleViewer(bool metric, QWidget* parent) : QWidget(parent), metric_(metric) {}

void ScaleViewer::setZoom(double factor) {
    zoom_ = factor;
    update();
}

void ScaleViewer::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    RulerLayout::drawRuler(painter, QSizeF(size()), metric_, zoom_);
}

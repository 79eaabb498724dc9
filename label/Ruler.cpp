#include "label/Ruler.h"

#include "label/RulerLayout.h"

#include <QPainter>

Ruler::Ruler(QWidget* parent) : Ruler(RulerLayout::systemUsesMetric(), parent) {}

Ruler::Ruler(bool metric, QWidget* parent) : QWidget(parent), metric_(metric) {}

void Ruler::setZoom(double factor) {
    zoom_ = factor;
    update();
}

void Ruler::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    RulerLayout::drawRuler(painter, QSizeF(size()), metric_, zoom_);
}

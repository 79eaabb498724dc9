#pragma once

#include <QPainter>
#include <QSizeF>

#include <functional>

// A label as pages and files take it: its size in points and its drawing onto a
// painter whose units are points with the origin at the label's upper-left corner.
// Drawing leaves the label as it was, so different labels can be drawn at once, each
// on a thread of its own.
struct LabelDrawing {
    QSizeF size;
    std::function<void(QPainter&)> draw;
};

// How a label is drawn into a file: edges, text and pictures smoothed, at scale device
// units to the point.
inline void prepareForLabel(QPainter& painter, double scale) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.scale(scale, scale);
}

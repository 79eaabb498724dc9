#pragma once

#include <QColor>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>

class AttributedText;
class Picture;
class QPainter;

// Draws a label in its own coordinates: points, origin at the lower-left corner of
// the view, y growing upwards. The painter's user space must be points with Qt's
// usual origin at the top-left corner; this class is the one place where label
// coordinates turn into painter coordinates.
class LabelCanvas {
public:
    LabelCanvas(QPainter& painter, qreal viewHeight);

    // The rectangle or point in the painter's (y-down) coordinates.
    QRectF toPainter(const QRectF& labelRect) const;
    QPointF toPainter(const QPointF& labelPoint) const;
    QPainterPath toPainter(const QPainterPath& labelPath) const;

    void fillRect(const QRectF& rect, const QColor& colour);
    void strokeRect(const QRectF& rect, qreal lineWidth, const QColor& colour);
    void strokeLine(const QPointF& from, const QPointF& to, qreal lineWidth, const QColor& colour);
    void drawPicture(const Picture& picture, const QRectF& rect);
    // Draws the text with the lower-left corner of its line box at the point; a text
    // of several rows has the lower-left corner of its whole block there, first row
    // on top. Nothing of it is drawn inside keptClear (in label coordinates).
    void drawText(const AttributedText& text, const QPointF& lowerLeft,
                  const QColor& colour = Qt::black, const QPainterPath& keptClear = {});

private:
    QPainter& painter_;
    qreal viewHeight_;
};

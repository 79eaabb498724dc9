#include "label/LabelCanvas.h"

#include "label/AttributedText.h"
#include "pictures/Picture.h"
#include "platform/FontCatalogue.h"

#include <QPagedPaintDevice>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPen>
#include <QtMath>

namespace {

constexpr qreal pointsPerInch = 72.0;
// On paper a picture keeps at least this resolution: a photograph with fewer pixels is
// smoothed up to it here rather than left to the printer's coarser interpolation.
constexpr qreal minimumPaperPictureDpi = 600.0;

// The picture to draw into rect on the painter's device: the picture itself, or on a
// printer or PDF page a smoothly enlarged copy when it has too few pixels for rect.
std::shared_ptr<const Picture> pictureForDevice(const Picture& picture, const QRectF& rect,
                                                const QPaintDevice* device) {
    const QSize needed(qCeil(rect.width() * minimumPaperPictureDpi / pointsPerInch),
                       qCeil(rect.height() * minimumPaperPictureDpi / pointsPerInch));
    const QImage& pixels = picture.image();
    if (!dynamic_cast<const QPagedPaintDevice*>(device) ||
        (pixels.width() >= needed.width() && pixels.height() >= needed.height()))
        return nullptr;
    return Picture::initWithImage(
        pixels.scaled(needed, Qt::IgnoreAspectRatio, Qt::SmoothTransformation), picture.size());
}

// Qt sizes a point-sized font by the paint device's resolution before the painter's
// transformation applies. The painter here already works in points, so the font is
// given the size that makes one of its points one unit of user space.
QFont fontForDevice(const QFont& font, const QPaintDevice* device) {
    QFont scaled(font);
    const int dpi = device ? device->logicalDpiY() : 0;
    if (dpi > 0 && font.pointSizeF() > 0)
        scaled.setPointSizeF(font.pointSizeF() * pointsPerInch / dpi);
    return scaled;
}

// An SVG file carries no fonts, and a viewer lacking the label's faces, or the ones its
// characters fall back to, would draw other glyphs at other widths or none. Text in SVG
// is therefore drawn as its outlines.
bool drawsTextAsOutlines(const QPainter& painter) {
    const QPaintEngine* engine = painter.paintEngine();
    return engine && engine->type() == QPaintEngine::SVG;
}

} // namespace

LabelCanvas::LabelCanvas(QPainter& painter, qreal viewHeight)
    : painter_(painter), viewHeight_(viewHeight) {}

QRectF LabelCanvas::toPainter(const QRectF& labelRect) const {
    return QRectF(labelRect.x(), viewHeight_ - labelRect.y() - labelRect.height(),
                  labelRect.width(), labelRect.height());
}

QPointF LabelCanvas::toPainter(const QPointF& labelPoint) const {
    return QPointF(labelPoint.x(), viewHeight_ - labelPoint.y());
}

void LabelCanvas::fillRect(const QRectF& rect, const QColor& colour) {
    painter_.fillRect(toPainter(rect), colour);
}

void LabelCanvas::strokeRect(const QRectF& rect, qreal lineWidth, const QColor& colour) {
    painter_.save();
    QPen pen(colour, lineWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    painter_.setPen(pen);
    painter_.setBrush(Qt::NoBrush);
    painter_.drawRect(toPainter(rect));
    painter_.restore();
}

void LabelCanvas::strokeLine(const QPointF& from, const QPointF& to, qreal lineWidth,
                             const QColor& colour) {
    painter_.save();
    painter_.setPen(QPen(colour, lineWidth, Qt::SolidLine, Qt::FlatCap));
    painter_.drawLine(toPainter(from), toPainter(to));
    painter_.restore();
}

void LabelCanvas::drawPicture(const Picture& picture, const QRectF& rect) {
    if (rect.isEmpty())
        return;
    const auto enlarged = pictureForDevice(picture, rect, painter_.device());
    (enlarged ? *enlarged : picture).drawInRect(painter_, toPainter(rect));
}

void LabelCanvas::drawText(const AttributedText& text, const QPointF& lowerLeft,
                           const QColor& colour) {
    const QStringList rows = text.rows();
    const qreal rowHeight = text.rowHeight();
    const qreal descent = text.descent();
    const bool outlines = drawsTextAsOutlines(painter_);
    painter_.save();
    painter_.setFont(fontForDevice(text.font(), painter_.device()));
    painter_.setPen(colour);
    for (qsizetype row = 0; row < rows.size(); ++row) {
        const qreal rowBottom =
            lowerLeft.y() + static_cast<qreal>(rows.size() - 1 - row) * rowHeight;
        const QPointF baselineStart = toPainter(QPointF(lowerLeft.x(), rowBottom + descent));
        if (outlines)
            painter_.fillPath(
                FontCatalogue::textOutline(rows.at(row), text.font()).translated(baselineStart),
                colour);
        else
            painter_.drawText(baselineStart, rows.at(row));
    }
    painter_.restore();
}

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

// The outline without the part given. Cutting a path turns its curves into straight
// segments, as fine as the path's units: the cut is made on the outline enlarged, so
// that its segments stay far finer than a printer's dot.
QPainterPath withoutPart(const QPainterPath& outline, const QPainterPath& part) {
    if (part.isEmpty() || !outline.intersects(part))
        return outline;
    constexpr qreal enlargement = 8;
    const QTransform enlarged = QTransform::fromScale(enlargement, enlargement);
    return enlarged.inverted().map(enlarged.map(outline).subtracted(enlarged.map(part)));
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

QPainterPath LabelCanvas::toPainter(const QPainterPath& labelPath) const {
    return QTransform(1, 0, 0, -1, 0, viewHeight_).map(labelPath);
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
                           const QColor& colour, const QPainterPath& keptClear) {
    const QStringList rows = text.rows();
    const QList<qreal> baselines = text.baselines(lowerLeft.y());
    const bool outlines = drawsTextAsOutlines(painter_);
    const QPainterPath clear = toPainter(keptClear);
    painter_.save();
    painter_.setFont(fontForDevice(text.font(), painter_.device()));
    painter_.setPen(colour);
    // Outlines lose the part kept clear themselves; text stays text under a clip.
    if (!clear.isEmpty() && !outlines) {
        QPainterPath everywhere;
        everywhere.addRect(painter_.clipBoundingRect().isEmpty() ? QRectF(-1e6, -1e6, 2e6, 2e6)
                                                                 : painter_.clipBoundingRect());
        painter_.setClipPath(everywhere.subtracted(clear), Qt::IntersectClip);
    }
    for (qsizetype row = 0; row < rows.size(); ++row) {
        const QPointF baselineStart = toPainter(QPointF(lowerLeft.x(), baselines.at(row)));
        if (outlines)
            painter_.fillPath(
                withoutPart(
                    FontCatalogue::textOutline(rows.at(row), text.font()).translated(baselineStart),
                    clear),
                colour);
        else
            painter_.drawText(baselineStart, rows.at(row));
    }
    painter_.restore();
}

#include "label/DropPrompt.h"

#include <QDropEvent>
#include <QPainter>

namespace {

// The dashed outline of the drop area, inside its edges, and its corner rounding.
constexpr int outlineInset = 12;
constexpr qreal outlineRadius = 10;
constexpr qreal outlineWidth = 2;

} // namespace

DropPrompt::DropPrompt(QWidget* parent) : QLabel(parent), dropTarget_([this] { update(); }) {
    setAcceptDrops(true);
    setAlignment(Qt::AlignCenter);
    setWordWrap(true);
    setMargin(3 * outlineInset);
    setTextInteractionFlags(Qt::TextSelectableByMouse);
}

void DropPrompt::paintEvent(QPaintEvent* event) {
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        QColor outline = palette().color(QPalette::WindowText);
        if (!dropTarget_.dragging())
            outline.setAlphaF(0.45f);
        painter.setPen(
            QPen(outline, outlineWidth, dropTarget_.dragging() ? Qt::SolidLine : Qt::DashLine));
        if (dropTarget_.dragging())
            painter.setBrush(QColor::fromRgbF(1, 1, 1, 0.08f));
        painter.drawRoundedRect(
            QRectF(rect()).adjusted(outlineInset, outlineInset, -outlineInset, -outlineInset),
            outlineRadius, outlineRadius);
    }
    QLabel::paintEvent(event);
}

void DropPrompt::dragEnterEvent(QDragEnterEvent* event) {
    dropTarget_.enter(event);
}

void DropPrompt::dragLeaveEvent(QDragLeaveEvent*) {
    dropTarget_.draggingExited();
}

void DropPrompt::dropEvent(QDropEvent* event) {
    const QStringList paths = dropTarget_.drop(event);
    if (!paths.isEmpty())
        emit photosDropped(paths);
}

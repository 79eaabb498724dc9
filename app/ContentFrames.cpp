#include "app/ContentFrames.h"

QRect widgetRectForFrame(const QRectF& frame, int contentHeight) {
    return QRectF(frame.x(), contentHeight - frame.y() - frame.height(), frame.width(),
                  frame.height())
        .toRect();
}

QRectF frameForWidgetRect(const QRect& rect, int contentHeight) {
    return QRectF(rect.x(), contentHeight - rect.y() - rect.height(), rect.width(), rect.height());
}

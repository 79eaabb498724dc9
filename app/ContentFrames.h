#pragma once

#include <QRect>
#include <QRectF>

// Frames of the main window's content are designed from the content area's lower-left
// corner with y growing upwards, so that a taller window keeps everything at its
// distance from the bottom edge. Widgets are placed from the upper-left corner with y
// growing downwards; these two functions are the only place the two meet.

// The widget rectangle of a frame in a content area contentHeight high.
QRect widgetRectForFrame(const QRectF& frame, int contentHeight);
// The frame of a widget rectangle in a content area contentHeight high.
QRectF frameForWidgetRect(const QRect& rect, int contentHeight);

#include "label/TapeView.h"

#include <QtMath>

TapeView::TapeView(QWidget* parent)
    : LabelView(std::make_unique<TapeLayout>(), dropItemTapeNotificaion, parent) {}

void TapeView::redisplay() {
    // A widget's size is whole pixels; the strip's length is rounded up so that
    // nothing of it is cut off.
    const QSizeF size = tapeSize();
    resize(qCeil(size.width()), qCeil(size.height()));
    repaint();
}

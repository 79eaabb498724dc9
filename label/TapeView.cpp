#include "label/TapeView.h"

#include <QtMath>

TapeView::TapeView(QWidget* parent) : LabelView(std::make_unique<TapeLayout>(), parent) {}

void TapeView::setPrintImage(std::shared_ptr<Picture> picture) {
    tapeLayout().setPrintImage(std::move(picture));
}

void TapeView::redisplay() {
    // A widget's size is whole pixels; the strip's length is rounded up so that
    // nothing of it is cut off.
    const QSizeF size = tapeSize();
    setFixedSize(qCeil(size.width()), qCeil(size.height()));
    repaint();
}

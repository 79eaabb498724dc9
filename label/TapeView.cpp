#include "label/TapeView.h"

TapeView::TapeView(QWidget* parent) : LabelView(std::make_unique<TapeLayout>(), parent) {}

void TapeView::setPrintImage(std::shared_ptr<Picture> picture) {
    tapeLayout().setPrintImage(std::move(picture));
}

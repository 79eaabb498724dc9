#include "label/Tack66View.h"

Tack66View::Tack66View(QWidget* parent) : LabelView(std::make_unique<Tack66Layout>(), parent) {}

void Tack66View::setPrintImage(std::shared_ptr<Picture> picture) {
    rollLayout().setPrintImage(std::move(picture));
}

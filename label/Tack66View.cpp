#include "label/Tack66View.h"

#include <QtMath>

Tack66View::Tack66View(QWidget* parent) : LabelView(std::make_unique<Tack66Layout>(), parent) {
    setFixedSize(qCeil(Tack66Layout::labelSide), qCeil(Tack66Layout::labelSide));
}

void Tack66View::setPrintImage(std::shared_ptr<Picture> picture) {
    rollLayout().setPrintImage(std::move(picture));
}

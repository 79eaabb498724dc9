#include "label/Tack66View.h"

#include <QtMath>

Tack66View::Tack66View(QWidget* parent)
    : LabelView(std::make_unique<Tack66Layout>(), dropItemRollNotificaion, parent) {
    resize(qCeil(Tack66Layout::labelSide), qCeil(Tack66Layout::labelSide));
}

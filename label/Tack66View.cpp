#include "label/Tack66View.h"

Tack66View::Tack66View(QWidget* parent) : LabelView(std::make_unique<Tack66Layout>(), parent) {}

#include "label/RollView.h"

RollView::RollView(QWidget* parent) : LabelView(std::make_unique<RollLayout>(), parent) {}

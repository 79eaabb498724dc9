#include "label/TapeView.h"

TapeView::TapeView(QWidget* parent) : LabelView(std::make_unique<TapeLayout>(), parent) {}

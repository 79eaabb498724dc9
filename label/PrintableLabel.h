#pragma once

#include "label/LabelLayout.h"
#include "printing/PrintSetup.h"

#include <QPainter>

// The label as the print path takes it, drawn by its layout, which must outlive it.
inline PrintSetup::Label printableLabel(const LabelLayout& layout) {
    const QSizeF size = layout.labelSize();
    return {size, [&layout, size](QPainter& painter) { layout.draw(painter, size, false); }};
}

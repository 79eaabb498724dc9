#pragma once

#include "label/LabelLayout.h"
#include "pdf/LabelDrawing.h"

#include <QPainter>

// The label as printers and PDF files take it, drawn by its layout, which must outlive
// it.
inline LabelDrawing printableLabel(const LabelLayout& layout) {
    const QSizeF size = layout.labelSize();
    return {size, [&layout, size](QPainter& painter) { layout.draw(painter, size, false); }};
}

// Which texts need their PDF's character maps rewritten; apart from the rewriting
// itself, so that deciding needs no qpdf (see PdfToUnicode.h).

#include "pdf/PdfToUnicode.h"

#include <QList>

bool mayShareGlyphsWithRadicals(const QString& text) {
    for (const char32_t code : text.toUcs4()) {
        const bool ideograph = (code >= 0x3400 && code <= 0x9FFF) ||
                               (code >= 0xF900 && code <= 0xFAFF) ||
                               (code >= 0x20000 && code <= 0x3134F);
        if (ideograph)
            return true;
    }
    return false;
}

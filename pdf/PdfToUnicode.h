#pragma once

#include <QString>

class QFileDevice;
class QPDF;

// Qt's PDF writer tells readers which character each glyph stands for by taking the
// first code point, in code order, that the font maps to the glyph. Chinese, Japanese
// and Korean faces give a radical and the ideograph it is (U+2F20 and U+58EB) one
// glyph, so text copied or searched in the file read radicals: "富士山" became "富⼠⼭".
// Rewrites every font's character map in the document so that such glyphs stand for
// the ideograph.
void mapRadicalGlyphsToIdeographs(QPDF& document);

// True when the text holds ideographs whose glyphs a face may share with a radical,
// so that a PDF with it needs its character maps rewritten.
bool mayShareGlyphsWithRadicals(const QString& text);

// Writes the PDF in source to target with every font's character map rewritten as
// above, reading and writing through the files so that memory does not grow with
// the document's size. Empty on success, else why not. A program that writes label
// files links one of its two implementations: kestavolin_pdf_text_maps, with qpdf, or
// the command line's, which has kestavolin-cli-pdf-text-maps do it (cli/), so that
// render starts without loading qpdf.
QString copyWithIdeographMaps(QFileDevice& source, QFileDevice& target);

#pragma once

class QPDF;

// Qt's PDF writer tells readers which character each glyph stands for by taking the
// first code point, in code order, that the font maps to the glyph. Chinese, Japanese
// and Korean faces give a radical and the ideograph it is (U+2F20 and U+58EB) one
// glyph, so text copied or searched in the file read radicals: "富士山" became "富⼠⼭".
// Rewrites every font's character map in the document so that such glyphs stand for
// the ideograph.
void mapRadicalGlyphsToIdeographs(QPDF& document);

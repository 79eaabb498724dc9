#include "pdf/PdfCharacterMaps.h"

#include <gtest/gtest.h>

namespace {

// A character map as Qt's PDF writer writes one, around the given ranges.
QByteArray mapWith(const QByteArray& ranges) {
    return QByteArray(PdfCharacterMaps::mapStart) +
           "12 dict begin\nbegincmap\n"
           "1 begincodespacerange\n<0000> <FFFF>\nendcodespacerange\n"
           "3 beginbfrange\n<0000> <0000> <0000>\n" +
           ranges + "endbfrange\nendcmap\nend\nend\n";
}

// 富 is no radical; ⼠ (U+2F20) is 士 (U+58EB) and ⼭ (U+2F2D) is 山 (U+5C71). A glyph
// alone in its range has its code written on its own; ten or more glyphs whose codes
// follow each other are written as a run from the first code, which stays.
TEST(PdfCharacterMaps, RadicalsBecomeTheirIdeographsInArraysAndLoneGlyphs) {
    const QByteArray map = mapWith("<0001> <0003> [<5BCC> <2F20> <2F2D> ]\n"
                                   "<0004> <0004> <2F2D>\n"
                                   "<0005> <000E> <2F00>\n");
    const QByteArray mapped = PdfCharacterMaps::withIdeographs(map);
    EXPECT_EQ(mapped, mapWith("<0001> <0003> [<5BCC> <58EB> <5C71> ]\n"
                              "<0004> <0004> <5C71>\n"
                              "<0005> <000E> <2F00>\n"));
    EXPECT_EQ(mapped.size(), map.size());
    // Outside the ranges nothing is read as a code.
    const QByteArray spaces = "1 begincodespacerange\n<2F20> <2F20>\nendcodespacerange\n";
    EXPECT_EQ(PdfCharacterMaps::withIdeographs(spaces), spaces);
}

} // namespace

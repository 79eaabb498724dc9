#include "common/QStringPrinter.h"

#include "platform/FontCatalogue.h"

#include <QFontInfo>

#include <gtest/gtest.h>

namespace {

// fonts-urw-base35 provides the metric twins of the standard PostScript fonts.
const QString helveticaTwin = QStringLiteral("Nimbus Sans");

// The family a font was matched to, without the foundry Qt appends when two
// foundries offer the same family name ("Nimbus Sans [urw]").
QString matchedFamily(const QFont& font) {
    const QString family = QFontInfo(font).family();
    const qsizetype bracket = family.indexOf(QLatin1String(" ["));
    return bracket < 0 ? family : family.left(bracket);
}

// Standard PostScript names resolve to their metric twins, as faces and as fonts.
TEST(FontCatalogue, HelveticaResolvesToItsMetricTwin) {
    const struct {
        const char* name;
        const char* style;
    } cases[] = {{"Helvetica", "Regular"},
                 {"Helvetica-BoldOblique", "Bold Italic"},
                 {"NimbusSans-Bold", "Bold"}};
    for (const auto& c : cases) {
        const auto face = FontCatalogue::resolveFont(c.name);
        ASSERT_TRUE(face) << c.name;
        EXPECT_EQ(face->family, helveticaTwin) << c.name;
        EXPECT_EQ(face->styleName, c.style) << c.name;
        const QFont font = FontCatalogue::fontWithName(c.name, 12);
        EXPECT_EQ(matchedFamily(font), helveticaTwin) << c.name;
        EXPECT_EQ(QFontInfo(font).styleName(), c.style) << c.name;
        EXPECT_DOUBLE_EQ(font.pointSizeF(), 12);
    }
    // An absent font still resolves to some installed face.
    const auto myriad = FontCatalogue::resolveFont("MyriadPro-Regular");
    ASSERT_TRUE(myriad);
    EXPECT_FALSE(myriad->family.isEmpty());
    EXPECT_FALSE(FontCatalogue::availableFonts().contains("MyriadPro-Regular"));
}

TEST(FontCatalogue, ListsFamiliesMembersAndPostScriptNames) {
    EXPECT_TRUE(FontCatalogue::availableFonts().contains("NimbusSans-Regular"));
    EXPECT_TRUE(FontCatalogue::availableFontFamilies().contains(helveticaTwin));
    const auto members = FontCatalogue::availableMembersOfFontFamily(helveticaTwin);
    QStringList styles;
    for (const FontMember& m : members)
        styles << m.styleName;
    EXPECT_EQ(styles, (QStringList{"Regular", "Italic", "Bold", "Bold Italic"}));
    EXPECT_EQ(members.front().postScriptName, "NimbusSans-Regular");
    EXPECT_TRUE(FontCatalogue::availableMembersOfFontFamily("No Such Family").empty());
    EXPECT_EQ(FontCatalogue::localizedNameForFamily(helveticaTwin), helveticaTwin);
}

TEST(FontCatalogue, TextWidthIsInPoints) {
    // Helvetica advances in thousandths of an em: H 722, e 556, l 222, o 556.
    QFont font = FontCatalogue::fontWithName("Helvetica", 10);
    EXPECT_NEAR(FontCatalogue::textWidth("HHH", font), 21.66, 0.001);
    font.setKerning(false);
    EXPECT_NEAR(FontCatalogue::textWidth("Hello", font), 22.78, 0.001);
}

TEST(FontCatalogue, CharactersWithoutGlyphAreThoseNoFallbackFaceHas) {
    const QFont font = FontCatalogue::fontWithName("Helvetica", 10);
    for (const char* drawable : {"Harbour", "富士山の朝", "黄山日出", "설악산의 아침", "Ακρόπολη",
                                 "Красная площадь", "Île de Ré, Ærø, Łódź", "e\u0301\t \u200d"})
        EXPECT_EQ(FontCatalogue::charactersWithoutGlyph(QString::fromUtf8(drawable), font), "")
            << drawable;
    // U+10FFFD, a private-use character outside the first plane, is in no installed face.
    const QString unknown = QString::fromUcs4(U"\U0010FFFD");
    EXPECT_EQ(FontCatalogue::charactersWithoutGlyph("Fuji " + unknown + "富士" + unknown, font),
              unknown);
}

} // namespace

#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QPainterPath>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// One face of a font family as the font lists show it.
struct FontMember {
    QString postScriptName;
    QString styleName;
    int weight = 0; // fontconfig weight (FC_WEIGHT_*)
    int slant = 0;  // fontconfig slant (FC_SLANT_*)
};

// The family and style fontconfig actually uses for a requested PostScript name.
struct ResolvedFont {
    QString family;
    QString styleName;
    QString postScriptName;
    QString foundry; // tells apart copies of a family from several foundries
};

// The installed fonts, as fontconfig sees them.
namespace FontCatalogue {

// Every installed PostScript name, sorted, without duplicates.
QStringList availableFonts();
// Every installed family name (the first, untranslated name of each), sorted.
QStringList availableFontFamilies();
// The faces of a family, ordered by weight, then upright before slanted.
std::vector<FontMember> availableMembersOfFontFamily(const QString& family);
// The family's name in the user's language when the font has one, else the family.
QString localizedNameForFamily(const QString& family);

// What fontconfig chooses for a PostScript name (an installed face of that name, or
// its substitute: "Helvetica" gives the metric twin). Nothing when fontconfig offers
// no face at all.
std::optional<ResolvedFont> resolveFont(const QString& postScriptName);

// A font of that PostScript name and size in points, built from the family and style
// fontconfig resolves the name to.
QFont fontWithName(const QString& postScriptName, qreal pointSize);

// The advance width, in points, of one line of text in the font at its point size
// (a point is 1/72 inch whatever the screen's resolution). Outlines are measured
// unhinted, so the width holds on screen, on paper and in exported files alike.
qreal textWidth(const QString& text, const QFont& font);

// The characters of the text that neither the font nor any face Qt falls back to can
// draw, each once, in the order they first occur. Spaces and control characters are
// not counted.
QString charactersWithoutGlyph(const QString& text, const QFont& font);

// The outlines of one line of text in the font at its point size, in points, with the
// start of its baseline at the origin and y downwards, unhinted like textWidth, so the
// outlines span the text's width. Characters the font lacks take the outlines of the
// face Qt falls back to, as when the text is drawn.
QPainterPath textOutline(const QString& text, const QFont& font);

// The font's metrics (ascent, descent, line spacing) in points.
QFontMetricsF metricsInPoints(const QFont& font);

} // namespace FontCatalogue

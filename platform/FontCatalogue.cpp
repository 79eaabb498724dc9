#include "platform/FontCatalogue.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QImage>
#include <QLocale>
#include <QSet>
#include <QTextBoundaryFinder>
#include <QTextLayout>
#include <QTransform>

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <memory>

namespace {

constexpr double pointsPerInch = 72.0;
constexpr double inchesPerMetre = 39.37007874015748;
// The size texts are measured at before scaling to the wanted size.
constexpr double measuringSize = 1000.0;
// English names are preferred wherever a font names itself in several languages.
const char* const englishLanguage = "en";

struct PatternDeleter {
    void operator()(FcPattern* p) const { FcPatternDestroy(p); }
};
using PatternPtr = std::unique_ptr<FcPattern, PatternDeleter>;
struct FontSetDeleter {
    void operator()(FcFontSet* s) const { FcFontSetDestroy(s); }
};
using FontSetPtr = std::unique_ptr<FcFontSet, FontSetDeleter>;
struct ObjectSetDeleter {
    void operator()(FcObjectSet* s) const { FcObjectSetDestroy(s); }
};
using ObjectSetPtr = std::unique_ptr<FcObjectSet, ObjectSetDeleter>;

QString stringAt(const FcPattern* pattern, const char* object, int index) {
    FcChar8* value = nullptr;
    if (FcPatternGetString(pattern, object, index, &value) != FcResultMatch || !value)
        return QString();
    return QString::fromUtf8(reinterpret_cast<const char*>(value));
}

int integerOf(const FcPattern* pattern, const char* object, int fallback) {
    int value = fallback;
    FcPatternGetInteger(pattern, object, 0, &value);
    return value;
}

// The name of a family or style in the wanted language (by its language tag prefix),
// else the first one the font gives.
QString nameIn(const FcPattern* pattern, const char* nameObject, const char* languageObject,
               const QString& language) {
    const QString first = stringAt(pattern, nameObject, 0);
    for (int i = 0;; ++i) {
        const QString name = stringAt(pattern, nameObject, i);
        if (name.isNull())
            return first;
        const QString tag = stringAt(pattern, languageObject, i);
        if (tag == language || tag.startsWith(language + QLatin1Char('-')))
            return name;
    }
}

QString familyName(const FcPattern* pattern) {
    return stringAt(pattern, FC_FAMILY, 0);
}

QString styleName(const FcPattern* pattern) {
    return nameIn(pattern, FC_STYLE, FC_STYLELANG, QString::fromLatin1(englishLanguage));
}

// Lists the installed faces matching pattern, with the given properties.
FontSetPtr listFonts(FcPattern* pattern, std::initializer_list<const char*> objects) {
    ObjectSetPtr objectSet(FcObjectSetCreate());
    for (const char* object : objects)
        FcObjectSetAdd(objectSet.get(), object);
    return FontSetPtr(FcFontList(nullptr, pattern, objectSet.get()));
}

template <typename Visit> void forEachFont(const FontSetPtr& fonts, Visit visit) {
    if (!fonts)
        return;
    for (int i = 0; i < fonts->nfont; ++i)
        visit(fonts->fonts[i]);
}

PatternPtr familyPattern(const QString& family) {
    PatternPtr pattern(FcPatternCreate());
    FcPatternAddString(pattern.get(), FC_FAMILY,
                       reinterpret_cast<const FcChar8*>(family.toUtf8().constData()));
    return pattern;
}

PatternPtr postScriptPattern(const QString& postScriptName) {
    PatternPtr pattern(FcPatternCreate());
    FcPatternAddString(pattern.get(), FC_POSTSCRIPT_NAME,
                       reinterpret_cast<const FcChar8*>(postScriptName.toUtf8().constData()));
    return pattern;
}

ResolvedFont resolvedFrom(const FcPattern* font) {
    return {familyName(font), styleName(font), stringAt(font, FC_POSTSCRIPT_NAME, 0),
            stringAt(font, FC_FOUNDRY, 0)};
}

// The face fontconfig picks for the pattern after its configured substitutions.
std::optional<ResolvedFont> bestMatch(FcPattern* pattern) {
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    PatternPtr match(FcFontMatch(nullptr, pattern, &result));
    if (!match || result != FcResultMatch)
        return std::nullopt;
    return resolvedFrom(match.get());
}

// The installed face whose PostScript name is exactly this one. When several files
// carry it (the same font as OpenType and Type 1), the one fontconfig prefers.
std::optional<ResolvedFont> installedFace(const QString& postScriptName) {
    PatternPtr pattern = postScriptPattern(postScriptName);
    const FontSetPtr fonts = listFonts(
        pattern.get(), {FC_FAMILY, FC_STYLE, FC_STYLELANG, FC_POSTSCRIPT_NAME, FC_FOUNDRY});
    if (!fonts || fonts->nfont == 0)
        return std::nullopt;
    const ResolvedFont listed = resolvedFrom(fonts->fonts[0]);
    PatternPtr preferred = familyPattern(listed.family);
    FcPatternAddString(preferred.get(), FC_STYLE,
                       reinterpret_cast<const FcChar8*>(listed.styleName.toUtf8().constData()));
    const auto match = bestMatch(preferred.get());
    return match && match->postScriptName == postScriptName ? *match : listed;
}

// Weight and slant read from the style part of a PostScript name ("Bold",
// "BoldOblique", "LightItalic", ...).
void addStyleHints(FcPattern* pattern, const QString& style) {
    struct WeightWord {
        const char* word;
        int weight;
    };
    // Longer words first, so "SemiBold" is not read as "Bold".
    static const WeightWord weights[] = {
        {"ExtraLight", FC_WEIGHT_EXTRALIGHT},
        {"UltraLight", FC_WEIGHT_ULTRALIGHT},
        {"SemiBold", FC_WEIGHT_SEMIBOLD},
        {"DemiBold", FC_WEIGHT_DEMIBOLD},
        {"ExtraBold", FC_WEIGHT_EXTRABOLD},
        {"UltraBold", FC_WEIGHT_ULTRABOLD},
        {"Thin", FC_WEIGHT_THIN},
        {"Light", FC_WEIGHT_LIGHT},
        {"Medium", FC_WEIGHT_MEDIUM},
        {"Demi", FC_WEIGHT_DEMIBOLD},
        {"Bold", FC_WEIGHT_BOLD},
        {"Black", FC_WEIGHT_BLACK},
        {"Heavy", FC_WEIGHT_HEAVY},
        {"Book", FC_WEIGHT_BOOK},
    };
    for (const WeightWord& w : weights) {
        if (style.contains(QLatin1String(w.word), Qt::CaseInsensitive)) {
            FcPatternAddInteger(pattern, FC_WEIGHT, w.weight);
            break;
        }
    }
    if (style.contains(QLatin1String("Italic"), Qt::CaseInsensitive))
        FcPatternAddInteger(pattern, FC_SLANT, FC_SLANT_ITALIC);
    else if (style.contains(QLatin1String("Oblique"), Qt::CaseInsensitive))
        FcPatternAddInteger(pattern, FC_SLANT, FC_SLANT_OBLIQUE);
}

// The face fontconfig substitutes for a PostScript name that is not installed: the
// family before the hyphen (compared without blanks, so "HelveticaNeue" asks for
// "Helvetica Neue"), with the weight and slant the style after it names, through
// the configured aliases ("Helvetica" has a metric twin).
std::optional<ResolvedFont> substitutedFace(const QString& postScriptName) {
    const qsizetype hyphen = postScriptName.indexOf(QLatin1Char('-'));
    const QString family = hyphen < 0 ? postScriptName : postScriptName.left(hyphen);
    const QString style = hyphen < 0 ? QString() : postScriptName.mid(hyphen + 1);
    PatternPtr pattern = familyPattern(family);
    addStyleHints(pattern.get(), style);
    return bestMatch(pattern.get());
}

// Qt names a family offered by several foundries "Family [foundry]", and matches a
// style only within the foundry it settles on. The Qt family for the face: the one
// of the face's own foundry, else any foundry's that has the style, else the family.
QString qtFamilyFor(const ResolvedFont& face) {
    const QString own = QStringLiteral("%1 [%2]").arg(face.family, face.foundry);
    const QStringList families = QFontDatabase::families();
    auto hasStyle = [&](const QString& qtFamily) {
        return QFontDatabase::styles(qtFamily).contains(face.styleName);
    };
    if (families.contains(own) && hasStyle(own))
        return own;
    const QString prefix = face.family + QLatin1String(" [");
    for (const QString& qtFamily : families)
        if (qtFamily.startsWith(prefix) && hasStyle(qtFamily))
            return qtFamily;
    return face.family;
}

// A paint device of 72 dots per inch, on which a point is one pixel, so metrics
// measured against it are in points whatever the screen.
const QImage& pointDevice() {
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_ARGB32);
        const int dotsPerMetre = qRound(pointsPerInch * inchesPerMetre);
        image.setDotsPerMeterX(dotsPerMetre);
        image.setDotsPerMeterY(dotsPerMetre);
        return image;
    }();
    return device;
}

// Whether the characters of one grapheme are drawn with real glyphs: glyph 0 is the
// blank box a face draws for a character it lacks, left when no fallback has it.
bool hasGlyphs(const QString& grapheme, const QFont& font) {
    QTextLayout layout(grapheme, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    for (const QGlyphRun& run : layout.glyphRuns())
        for (const quint32 glyph : run.glyphIndexes())
            if (glyph == 0)
                return false;
    return true;
}

bool isDrawable(char32_t code) {
    switch (QChar::category(code)) {
    case QChar::Separator_Space:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
    case QChar::Other_Control:
    case QChar::Other_Format:
        return false;
    default:
        return true;
    }
}

} // namespace

namespace FontCatalogue {

QStringList availableFonts() {
    PatternPtr all(FcPatternCreate());
    const FontSetPtr fonts = listFonts(all.get(), {FC_POSTSCRIPT_NAME});
    QSet<QString> names;
    forEachFont(fonts, [&](const FcPattern* font) {
        const QString name = stringAt(font, FC_POSTSCRIPT_NAME, 0);
        if (!name.isEmpty())
            names.insert(name);
    });
    QStringList sorted(names.begin(), names.end());
    sorted.sort();
    return sorted;
}

QStringList availableFontFamilies() {
    PatternPtr all(FcPatternCreate());
    const FontSetPtr fonts = listFonts(all.get(), {FC_FAMILY});
    QSet<QString> names;
    forEachFont(fonts, [&](const FcPattern* font) {
        const QString name = familyName(font);
        if (!name.isEmpty())
            names.insert(name);
    });
    QStringList sorted(names.begin(), names.end());
    sorted.sort(Qt::CaseInsensitive);
    return sorted;
}

std::vector<FontMember> availableMembersOfFontFamily(const QString& family) {
    PatternPtr pattern = familyPattern(family);
    const FontSetPtr fonts = listFonts(pattern.get(), {FC_FAMILY, FC_POSTSCRIPT_NAME, FC_STYLE,
                                                       FC_STYLELANG, FC_WEIGHT, FC_SLANT});
    std::vector<FontMember> members;
    QSet<QString> seen;
    forEachFont(fonts, [&](const FcPattern* font) {
        // Listing by family also finds faces that carry the name only as a second
        // family name; they belong to the family they name first.
        const QString postScriptName = stringAt(font, FC_POSTSCRIPT_NAME, 0);
        if (familyName(font).compare(family, Qt::CaseInsensitive) != 0 ||
            postScriptName.isEmpty() || seen.contains(postScriptName))
            return;
        seen.insert(postScriptName);
        members.push_back({postScriptName, styleName(font),
                           integerOf(font, FC_WEIGHT, FC_WEIGHT_REGULAR),
                           integerOf(font, FC_SLANT, FC_SLANT_ROMAN)});
    });
    std::sort(members.begin(), members.end(), [](const FontMember& a, const FontMember& b) {
        if (a.weight != b.weight)
            return a.weight < b.weight;
        if (a.slant != b.slant)
            return a.slant < b.slant;
        return a.styleName < b.styleName;
    });
    return members;
}

QString localizedNameForFamily(const QString& family) {
    PatternPtr pattern = familyPattern(family);
    const FontSetPtr fonts = listFonts(pattern.get(), {FC_FAMILY, FC_FAMILYLANG});
    const QString language = QLocale().name().section(QLatin1Char('_'), 0, 0);
    QString localized = family;
    forEachFont(fonts, [&](const FcPattern* font) {
        if (localized == family && familyName(font).compare(family, Qt::CaseInsensitive) == 0)
            localized = nameIn(font, FC_FAMILY, FC_FAMILYLANG, language);
    });
    return localized;
}

std::optional<ResolvedFont> resolveFont(const QString& postScriptName) {
    if (!postScriptName.isEmpty())
        if (auto face = installedFace(postScriptName))
            return face;
    return substitutedFace(postScriptName);
}

QFont fontWithName(const QString& postScriptName, qreal pointSize) {
    QFont font;
    if (const auto face = resolveFont(postScriptName)) {
        font.setFamilies({qtFamilyFor(*face)});
        font.setStyleName(face->styleName);
    }
    font.setPointSizeF(pointSize);
    // Unhinted outlines give the same advances at every resolution, so a width
    // measured here holds on screen, on paper and in an exported file.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

qreal textWidth(const QString& text, const QFont& font) {
    // Advances are kept in 1/64 of a pixel; measured at a large size and scaled
    // back, the width is exact to the outlines at any print resolution.
    QFont reference = font;
    reference.setPointSizeF(measuringSize);
    const qreal width = QFontMetricsF(reference, &pointDevice()).horizontalAdvance(text);
    return width * font.pointSizeF() / measuringSize;
}

QString charactersWithoutGlyph(const QString& text, const QFont& font) {
    const QFont measured(font, &pointDevice());
    QString missing;
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, text);
    for (qsizetype start = 0, end = graphemes.toNextBoundary(); end >= 0;
         start = end, end = graphemes.toNextBoundary()) {
        const QString grapheme = text.mid(start, end - start);
        if (isDrawable(grapheme.toUcs4().front()) && !missing.contains(grapheme) &&
            !hasGlyphs(grapheme, measured))
            missing += grapheme;
    }
    return missing;
}

QPainterPath textOutline(const QString& text, const QFont& font) {
    // Laid out at the measuring size and scaled back, as widths are measured: at its own
    // size on a device of one dot per point, hinting would round every advance to a
    // whole point.
    QFont reference = font;
    reference.setPointSizeF(measuringSize);
    QPainterPath outline;
    outline.addText(QPointF(), QFont(reference, &pointDevice()), text);
    const qreal scale = font.pointSizeF() / measuringSize;
    return QTransform::fromScale(scale, scale).map(outline);
}

QFontMetricsF metricsInPoints(const QFont& font) {
    return QFontMetricsF(font, &pointDevice());
}

} // namespace FontCatalogue

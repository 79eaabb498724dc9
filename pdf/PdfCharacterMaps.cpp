#include "pdf/PdfCharacterMaps.h"

#include <QChar>
#include <QList>
#include <QRegularExpression>
#include <QString>

namespace {

// Kangxi Radicals and the CJK Radicals Supplement.
constexpr char32_t firstRadical = 0x2E80;
constexpr char32_t lastRadical = 0x2FDF;
// Codes written as four hexadecimal digits reach this far.
constexpr char32_t lastFourDigitCode = 0xFFFF;

// The ideograph a radical is when Unicode names one (within four digits), else the
// code unchanged.
char32_t ideographFor(char32_t code) {
    if (code < firstRadical || code > lastRadical)
        return code;
    const QList<uint> decomposed = QChar::decomposition(code).toUcs4();
    if (decomposed.size() != 1 || decomposed.front() > lastFourDigitCode)
        return code;
    return decomposed.front();
}

// The destinations of a range ("<2F20>" or "[<5BCC> <2F20> ]") with every radical
// replaced by its ideograph.
QString withRadicalsMapped(const QString& destinations) {
    static const QRegularExpression code(QStringLiteral("<([0-9A-Fa-f]{4})>"));
    QString mapped;
    qsizetype copied = 0;
    for (const QRegularExpressionMatch& found : code.globalMatch(destinations)) {
        mapped += destinations.mid(copied, found.capturedStart() - copied);
        mapped += QStringLiteral("<%1>")
                      .arg(static_cast<uint>(ideographFor(found.captured(1).toUInt(nullptr, 16))),
                           4, 16, QLatin1Char('0'))
                      .toUpper();
        copied = found.capturedEnd();
    }
    return mapped + destinations.mid(copied);
}

} // namespace

namespace PdfCharacterMaps {

// Qt writes each range of glyphs as "<first> <last>" and the codes they stand for: an
// array of one code per glyph, or a single code. A single code is the glyph's own when
// first and last are the same; otherwise it starts ten or more codes that follow each
// other, a run no caption's ideographs make of radicals, and it is left alone.
QByteArray withIdeographs(const QByteArray& map) {
    static const QRegularExpression range(QStringLiteral(
        R"(^(<([0-9A-Fa-f]{4})> <([0-9A-Fa-f]{4})> )(\[.*\]|<[0-9A-Fa-f]{4}>)\s*$)"));
    bool inRanges = false;
    QList<QByteArray> lines = map.split('\n');
    for (QByteArray& line : lines) {
        if (line.endsWith("beginbfrange")) {
            inRanges = true;
            continue;
        }
        if (line.startsWith("endbfrange")) {
            inRanges = false;
            continue;
        }
        const auto found =
            inRanges ? range.match(QString::fromLatin1(line)) : QRegularExpressionMatch();
        if (!found.hasMatch())
            continue;
        const QString destinations = found.captured(4);
        if (!destinations.startsWith(QLatin1Char('[')) &&
            found.captured(2).compare(found.captured(3), Qt::CaseInsensitive) != 0)
            continue;
        const QString mapped = found.captured(1) + withRadicalsMapped(destinations) +
                               QString::fromLatin1(line).mid(found.capturedEnd(4));
        line = mapped.toLatin1();
    }
    const QByteArray mapped = lines.join('\n');
    // Every code keeps its four digits; anything else would move the rest of the file.
    return mapped.size() == map.size() ? mapped : map;
}

} // namespace PdfCharacterMaps

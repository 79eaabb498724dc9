#include "pdf/PdfToUnicode.h"

#include <QChar>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <QFileDevice>

#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFWriter.hh>

#include <cstdio>
#include <unistd.h>

namespace {

// Kangxi Radicals and the CJK Radicals Supplement.
constexpr char32_t firstRadical = 0x2E80;
constexpr char32_t lastRadical = 0x2FDF;

// The ideograph a radical is when Unicode names one, else the code unchanged.
char32_t ideographFor(char32_t code) {
    if (code < firstRadical || code > lastRadical)
        return code;
    const QList<uint> decomposed = QChar::decomposition(code).toUcs4();
    return decomposed.size() == 1 ? decomposed.front() : code;
}

// An array of destinations ("[<5BCC> <2F20>]") with every radical replaced by its
// ideograph. Destinations of more than one UTF-16 unit are left alone.
QString withRadicalsMapped(const QString& destinations) {
    static const QRegularExpression unit(QStringLiteral("<([0-9A-Fa-f]{4})>"));
    QString mapped;
    qsizetype copied = 0;
    for (auto match = unit.globalMatch(destinations); match.hasNext();) {
        const auto found = match.next();
        const char32_t code = found.captured(1).toUInt(nullptr, 16);
        mapped += destinations.mid(copied, found.capturedStart() - copied);
        mapped += QStringLiteral("<%1>")
                      .arg(static_cast<uint>(ideographFor(code)), 4, 16, QLatin1Char('0'))
                      .toUpper();
        copied = found.capturedEnd();
    }
    return mapped + destinations.mid(copied);
}

// The character map with the radicals among its range destinations replaced. Qt writes
// a glyph range as an array of codes ("<0001> <0005> [<5BCC> <2F20> ...]"); it writes a
// start code alone only for ten or more glyphs in a row whose codes follow each other,
// a run no caption's ideographs make of radicals.
QString mappedCMap(const QString& cmap) {
    static const QRegularExpression arrayRange(
        QStringLiteral(R"(^(\s*<[0-9A-Fa-f]+>\s*<[0-9A-Fa-f]+>\s*)(\[.*\])\s*$)"));
    bool inRanges = false;
    QStringList lines = cmap.split(QLatin1Char('\n'));
    for (QString& line : lines) {
        if (line.endsWith(QLatin1String("beginbfrange")))
            inRanges = true;
        else if (line.startsWith(QLatin1String("endbfrange")))
            inRanges = false;
        else if (const auto range = arrayRange.match(line); inRanges && range.hasMatch())
            line = range.captured(1) + withRadicalsMapped(range.captured(2));
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace

void mapRadicalGlyphsToIdeographs(QPDF& document) {
    for (QPDFObjectHandle object : document.getAllObjects()) {
        if (!object.isDictionary() || !object.getKey("/Type").isNameAndEquals("/Font"))
            continue;
        QPDFObjectHandle map = object.getKey("/ToUnicode");
        if (!map.isStream())
            continue;
        const auto data = map.getStreamData(qpdf_dl_generalized);
        const QString cmap = QString::fromLatin1(reinterpret_cast<const char*>(data->getBuffer()),
                                                 static_cast<qsizetype>(data->getSize()));
        const QString mapped = mappedCMap(cmap);
        if (mapped != cmap)
            map.replaceStreamData(mapped.toLatin1().toStdString(), QPDFObjectHandle::newNull(),
                                  QPDFObjectHandle::newNull());
    }
}

namespace {

// A stdio stream on its own copy of the device's file descriptor, from the start.
FILE* streamOf(QFileDevice& device, const char* mode) {
    const int descriptor = dup(device.handle());
    if (descriptor < 0)
        return nullptr;
    FILE* stream = fdopen(descriptor, mode);
    if (!stream)
        close(descriptor);
    else
        std::fseek(stream, 0, SEEK_SET);
    return stream;
}

} // namespace

QString copyWithIdeographMaps(QFileDevice& source, QFileDevice& target) {
    if (!source.flush() || !target.flush())
        return source.errorString();
    FILE* input = streamOf(source, "rb");
    FILE* output = input ? streamOf(target, "wb") : nullptr;
    if (!output) {
        if (input)
            std::fclose(input);
        return QStringLiteral("the PDF file cannot be reopened");
    }
    try {
        QPDF document;
        document.setSuppressWarnings(true);
        document.processFile("label", input, true);
        mapRadicalGlyphsToIdeographs(document);
        QPDFWriter writer(document);
        writer.setOutputFile("label", output, false);
        writer.setDeterministicID(true);
        writer.write();
    } catch (const std::exception& failure) {
        std::fclose(output);
        return QString::fromUtf8(failure.what());
    }
    // The stream's buffered end reaches the file only when it is closed.
    if (std::fclose(output) != 0)
        return QStringLiteral("the PDF file could not be written in full");
    return QString();
}

#include "MarkingTranslator.h"
#include "TagFixtures.h"

#include "photo/AnalysisFailure.h"
#include "photo/ExifValueRules.h"
#include "photo/ExifWordRules.h"
#include "platform/LocalizedText.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace {

// Message id -> translation of one .ts table; an unfinished or empty translation is
// left out.
QMap<QString, QString> readTable(const QString& language) {
    QFile file(QStringLiteral(KESTAVOLIN_TRANSLATIONS_DIR "/kestavolin_%1.ts").arg(language));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << qUtf8Printable(file.fileName());
    QMap<QString, QString> table;
    QXmlStreamReader xml(&file);
    QString id;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("message")) {
            id = xml.attributes().value(QLatin1String("id")).toString();
        } else if (xml.name() == QLatin1String("translation")) {
            const bool unfinished = !xml.attributes().value(QLatin1String("type")).isEmpty();
            const QString text = xml.readElementText();
            if (!unfinished && !text.isEmpty())
                table.insert(id, text);
        }
    }
    EXPECT_FALSE(xml.hasError()) << qUtf8Printable(xml.errorString());
    return table;
}

// Every key the analysis and its value rules look up, found by running them over
// every code with a table that records what it is asked.
QSet<QString> keysUsedByTheAnalysis() {
    installStringTables(QLocale(QLocale::English));
    const MarkingTranslator table;
    using WordRule = std::optional<QString> (*)(const ExifTagNode&);
    for (WordRule rule : {whiteBalanceWord, exposureModeWord, exposureProgramWord, meteringModeWord,
                          lightSourceWord, sceneCaptureTypeWord, gainControlWord, contrastWord,
                          saturationWord, sharpnessWord, subjectDistanceRangeWord}) {
        for (std::uint32_t code = 0; code <= 0xFFFF; ++code)
            rule(*shortTag(static_cast<std::uint16_t>(code)));
    }
    for (std::uint16_t type = 0; type < 10; ++type) {
        TagDirectory exif(IFD_EXIF);
        exif.addNumbers(TAG_SENSITIVITY_TYPE, TIFF_TYPE_SHORT, 1, {type});
        exif.addNumbers(TAG_PHOTOGRAPHIC_SENSITIVITY, TIFF_TYPE_SHORT, 1, {0});
        sensitivityValue([&exif](std::uint16_t tag) { return exif.usableTag(tag); });
    }
    for (int result = -1000; result <= 1; ++result)
        analysisAlert(analysisFailure(result));
    useEmptyStringTable();
    return table.keys();
}

// The texts of the windows and panels: each <string> of the Qt Designer files that is
// not marked notr="true" is an id the compiled interface looks up.
QSet<QString> interfaceIds() {
    QSet<QString> ids;
    const QDir folder(QStringLiteral(KESTAVOLIN_UI_DIR));
    const QStringList files = folder.entryList({QStringLiteral("*.ui")}, QDir::Files);
    EXPECT_FALSE(files.isEmpty()) << qUtf8Printable(folder.path());
    for (const QString& name : files) {
        QFile file(folder.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << qUtf8Printable(file.fileName());
        QXmlStreamReader xml(&file);
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement ||
                xml.name() != QLatin1String("string"))
                continue;
            const bool translated = xml.attributes().value(QLatin1String("notr")) != u"true";
            const QString text = xml.readElementText();
            if (translated && !text.isEmpty())
                ids.insert(text);
        }
        EXPECT_FALSE(xml.hasError()) << qUtf8Printable(name + ": " + xml.errorString());
    }
    return ids;
}

// Keys the controller and the label views look up.
const QStringList otherKeys =
    QStringLiteral("Ok OK Cancel Close DropError OnlyTiffOrJpegOrPsdMessage lensDelCaution "
                   "lensDelMessage lensNotDelete lensNotDeleteMsg lensOverFlow lensOverMsg "
                   "tapeLengthTitle tapeSetMsg Title Photographer Photographs tapeTotalLengthMsg "
                   "sheetNotReadMsg "
                   "sheetNotTextMsg sheetNoHeaderMsg sheetNoFileColumnMsg sheetQuoteNotClosedMsg "
                   "sheetNoFileMsg textShortenedMsg fieldTitle fieldPhotographer fieldCamera "
                   "fieldLens fieldExposure fieldDate fieldFileName")
        .split(QLatin1Char(' '));

// The numbered places %1, %2, ... of a text, which the code fills in.
QSet<QString> placeholders(const QString& text) {
    QSet<QString> found;
    static const QRegularExpression place(QStringLiteral("%\\d+"));
    for (const QRegularExpressionMatch& match : place.globalMatch(text))
        found.insert(match.captured());
    return found;
}

TEST(StringTables, BothTablesHoldEveryKeyInUse) {
    const QSet<QString> used = keysUsedByTheAnalysis();
    // The recording reached the word tables, the sensitivity words and the alerts.
    for (const char* key : {"OtherLightSource", "DistantView", "OtherSens", "FailPSDMsg"})
        EXPECT_TRUE(used.contains(QString::fromLatin1(key))) << key;
    const QSet<QString> interface = interfaceIds();
    // The reading reached the menus, the media panel and the preferences panel.
    for (const char* id : {"&Open…", "Which labels does your printer use?", "White balance"})
        EXPECT_TRUE(interface.contains(QString::fromUtf8(id))) << id;
    for (const QString& language : {QStringLiteral("en"), QStringLiteral("ja")}) {
        const QMap<QString, QString> table = readTable(language);
        for (const QString& key : used)
            EXPECT_TRUE(table.contains(key)) << qUtf8Printable(language + ": " + key);
        for (const QString& key : otherKeys)
            EXPECT_TRUE(table.contains(key)) << qUtf8Printable(language + ": " + key);
        for (const QString& id : interface)
            EXPECT_TRUE(table.contains(id)) << qUtf8Printable(language + ": " + id);
    }
    // Both hold the same keys, and each translation keeps the placeholders.
    const QMap<QString, QString> english = readTable("en");
    const QMap<QString, QString> japanese = readTable("ja");
    EXPECT_EQ(english.keys(), japanese.keys());
    ASSERT_TRUE(placeholders(english.value("printNoQueueMsg")).contains("%1"));
    for (auto entry = english.begin(); entry != english.end(); ++entry)
        EXPECT_EQ(placeholders(entry.value()), placeholders(japanese.value(entry.key())))
            << qUtf8Printable(entry.key());
}

TEST(StringTables, CompiledTablesFollowTheLocale) {
    ASSERT_TRUE(installStringTables(QLocale(QLocale::Japanese, QLocale::Japan)));
    EXPECT_EQ(localizedString("Close"), readTable("ja").value("Close"));
    EXPECT_EQ(localizedString("NoSuchKey"), "NoSuchKey");
    ASSERT_TRUE(installStringTables(QLocale(QLocale::English, QLocale::UnitedKingdom)));
    EXPECT_EQ(localizedString("Close"), "Close");
    // A language without a table falls back to English.
    ASSERT_TRUE(installStringTables(QLocale(QLocale::French, QLocale::France)));
    EXPECT_EQ(localizedString("Cancel"), "Cancel");
    useEmptyStringTable();
    EXPECT_EQ(localizedString("Close"), "Close");
}

} // namespace

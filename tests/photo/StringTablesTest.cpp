#include "MarkingTranslator.h"
#include "TagFixtures.h"

#include "photo/AnalysisFailure.h"
#include "photo/ExifValueRules.h"
#include "photo/ExifWordRules.h"
#include "platform/LocalizedText.h"

#include <QDir>
#include <QDirIterator>
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

// Keys the code passes on before looking them up (to alert helpers, as field names),
// which the sources' own lookups below do not show.
const QStringList otherKeys =
    QStringLiteral("DropError lensNotDelete lensOverFlow sheetNotTextMsg sheetNoHeaderMsg "
                   "sheetNoFileColumnMsg sheetQuoteNotClosedMsg sheetNoFileMsg fieldTitle "
                   "fieldPhotographer fieldCamera fieldLens fieldExposure fieldDate fieldFileName")
        .split(QLatin1Char(' '));

// A string literal where the code gives one: plain, or in QStringLiteral and the like.
// The text between the quotes is the pattern's last capture.
const QString literal = QStringLiteral(
    R"re((?:QStringLiteral|QString::fromUtf8|QString::fromLatin1|QLatin1String|u8)?\(?\s*"((?:[^"\\]|\\.)*)")re");

// A literal of the program's sources, where it stands.
struct SourceLiteral {
    QString file; // relative to the source folder
    int line = 0;
    QString text;
};

// The C++ sources of the folders whose code the user meets (the metadata reader
// answers with result codes that photo/ turns into keys), by relative path.
const QMap<QString, QString>& programSources() {
    static const QMap<QString, QString> sources = [] {
        QMap<QString, QString> read;
        const QDir root(QStringLiteral(KESTAVOLIN_SOURCE_DIR));
        for (const char* folder : {"app", "cli", "label", "pdf", "photo", "pictures", "platform",
                                   "preferences", "printing"}) {
            QDirIterator files(root.filePath(QString::fromLatin1(folder)),
                               {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                               QDirIterator::Subdirectories);
            while (files.hasNext()) {
                QFile file(files.next());
                EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << qUtf8Printable(file.fileName());
                read.insert(root.relativeFilePath(file.fileName()),
                            QString::fromUtf8(file.readAll()));
            }
        }
        EXPECT_GT(read.size(), 100);
        return read;
    }();
    return sources;
}

// Every literal the sources give right after a match of `use` (which ends where the
// literal begins).
std::vector<SourceLiteral> literalsGivenTo(const QString& use) {
    const QRegularExpression pattern(use + literal);
    std::vector<SourceLiteral> found;
    const QMap<QString, QString>& sources = programSources();
    for (auto source = sources.begin(); source != sources.end(); ++source) {
        for (const QRegularExpressionMatch& match : pattern.globalMatch(source.value())) {
            const int line =
                static_cast<int>(source.value().left(match.capturedStart()).count('\n')) + 1;
            found.push_back({source.key(), line, match.captured(match.lastCapturedIndex())});
        }
    }
    return found;
}

// The keys the sources look up by name, and the keys of the failures they make.
QSet<QString> keysLookedUpInTheSources() {
    QSet<QString> keys;
    for (const QString& use : {QStringLiteral(R"(\b(?:localizedString|localizedText|qtTrId)\(\s*)"),
                               QStringLiteral(R"(\bFailure\s*\{\s*)")})
        for (const SourceLiteral& found : literalsGivenTo(use))
            keys.insert(found.text);
    return keys;
}

// The numbered places %1, %2, ... of a text, which the code fills in.
QSet<QString> placeholders(const QString& text) {
    QSet<QString> found;
    static const QRegularExpression place(QStringLiteral("%\\d+"));
    for (const QRegularExpressionMatch& match : place.globalMatch(text))
        found.insert(match.captured());
    return found;
}

TEST(StringTables, BothTablesHoldEveryKeyInUse) {
    const QSet<QString> used = keysUsedByTheAnalysis() + keysLookedUpInTheSources();
    // The recording reached the word tables, the sensitivity words and the alerts.
    for (const char* key : {"OtherLightSource", "DistantView", "OtherSens", "FailPSDMsg",
                            "settingsNotSavedMsg", "cliNoOutputMsg", "plistTooDeepReason"})
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

// Whether a text says something in words. Format places (%s, %1), escapes and the
// program's and its commands' names are not words.
bool holdsWords(const QString& text) {
    static const QRegularExpression notWords(QStringLiteral(
        R"(%[-+ #0-9.]*(?:ll|l|z|h)?[sdiuxXfgc%]|%\d+|\\.|\bkestavolin(?:-cli)?(?: (?:render|print|dump|info)\b)?)"));
    static const QRegularExpression words(
        QStringLiteral(R"(\p{L}{2,}|[\p{Han}\p{Hiragana}\p{Katakana}])"),
        QRegularExpression::UseUnicodePropertiesOption);
    return QString(text).replace(notWords, QStringLiteral(" ")).contains(words);
}

// Texts the program writes as they stand, each with the reason it cannot take them
// from the string tables: the file, and how the literal begins ("" for every one).
struct AllowedText {
    const char* file;
    const char* begins;
};
const AllowedText allowedTexts[] = {
    // --help and --version are answered before the application object exists (so that
    // they work without a display), when no string table can be installed.
    {"app/main.cpp", "Usage: kestavolin [FILE...]"},
    // The command-line dispatchers and dump link Qt Core alone (the front end and its
    // hand-over only the C library) and never make an application object, so no string
    // table is installed for them.
    {"cli/main.cpp", ""},
    {"cli/FrontEnd.cpp", ""},
    {"cli/HandOver.cpp", ""},
    {"cli/DumpCommand.cpp", ""},
    // Usage lines give the command's syntax, in English as its option names are.
    {"cli/InfoCommand.cpp", "Usage: kestavolin-cli %s"},
    {"cli/LabelCommandSupport.cpp", "kestavolin-cli %s: %s\\nUsage: kestavolin-cli %s"},
};

bool isAllowed(const SourceLiteral& found) {
    return std::any_of(std::begin(allowedTexts), std::end(allowedTexts),
                       [&](const AllowedText& allowed) {
                           return found.file == QLatin1String(allowed.file) &&
                                  found.text.startsWith(QString::fromUtf8(allowed.begins));
                       });
}

// Where the sources hand a literal to the user: widgets' texts, alert fields, file
// dialogs' titles, and the lines written to standard output and error.
const QStringList userFacingUses = {
    QStringLiteral(R"(\b(?:setText|setWindowTitle|setToolTip|setPlaceholderText|setStatusTip|)"
                   R"(setWhatsThis|setAccessibleName|setAccessibleDescription|setLabelText|)"
                   R"(setTabText|addItem|addAction|setInformativeText|setDetailedText|)"
                   R"(showMessage|setTitle)\(\s*)"),
    QStringLiteral(R"(\.(?:title|message|informativeText|defaultButton|alternateButton|)"
                   R"(otherButton)\s*=\s*)"),
    QStringLiteral(R"(QFileDialog::get\w+\(\s*[^,]*,\s*)"),
    QStringLiteral(R"((?:std::f?printf\(\s*(?:(?:stderr|stdout)\s*,\s*)?|std::fputs\(\s*|)"
                   R"(q(?:Warning|Critical|Info)\(\)\s*(?:\.noquote\(\)\s*)?<<\s*|)"
                   R"(q(?:Warning|Critical)\(\s*|std::c(?:err|out)\s*<<\s*))"),
};

// A text the user meets is looked up in the string tables: a literal with words given
// straight to a widget, an alert, a file dialog or an output line is not translated.
TEST(StringTables, NoUserVisibleTextIsWrittenInTheCode) {
    std::vector<SourceLiteral> found;
    for (const QString& use : userFacingUses)
        for (const SourceLiteral& literal : literalsGivenTo(use))
            found.push_back(literal);
    // The scan reaches the output lines and the alerts it must look at.
    EXPECT_TRUE(std::any_of(found.begin(), found.end(), [](const SourceLiteral& literal) {
        return literal.file == "cli/RenderCommand.cpp" && literal.text.startsWith("kestavolin-cli");
    }));
    for (const SourceLiteral& literal : found)
        EXPECT_TRUE(!holdsWords(literal.text) || isAllowed(literal))
            << qUtf8Printable(QStringLiteral("%1:%2: \"%3\" is not in the string tables")
                                  .arg(literal.file)
                                  .arg(literal.line)
                                  .arg(literal.text));
}

TEST(StringTables, CompiledTablesFollowTheLocale) {
    auto strings = installStringTables(QLocale(QLocale::Japanese, QLocale::Japan));
    ASSERT_TRUE(strings);
    EXPECT_EQ(localizedString("Close"), readTable("ja").value("Close"));
    EXPECT_EQ(localizedString("NoSuchKey"), "NoSuchKey");
    // The table is asked for as long as it lives; without one a key is its own text.
    strings.reset();
    EXPECT_EQ(localizedString("Close"), "Close");
    // English wherever it is spoken, and for a language without a table.
    const QString english = readTable("en").value("printNoQueueMsg");
    for (const QLocale& locale : {QLocale(QLocale::English, QLocale::UnitedKingdom),
                                  QLocale(QLocale::French, QLocale::France)}) {
        strings = installStringTables(locale);
        ASSERT_TRUE(strings);
        EXPECT_EQ(localizedString("printNoQueueMsg"), english);
    }
}

} // namespace

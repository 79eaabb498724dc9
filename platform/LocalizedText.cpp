#include "platform/LocalizedText.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace {

constexpr auto tableBaseName = "kestavolin";
constexpr auto tableSeparator = "_";
constexpr auto tableDirectory = ":/i18n";
constexpr auto fallbackLanguage = QLocale::English;

bool emptyTable = false;

// The installed table; kept alive for as long as the application uses it.
std::unique_ptr<QTranslator>& installedTable() {
    static std::unique_ptr<QTranslator> table;
    return table;
}

} // namespace

QString localizedString(const QString& key) {
    if (emptyTable || key.isEmpty())
        return key;
    // qtTrId answers the id itself when no installed table holds a translation.
    return qtTrId(key.toUtf8().constData());
}

void useEmptyStringTable() {
    emptyTable = true;
    // The windows' and panels' texts are looked up by Qt itself: without a table they
    // show their ids too.
    if (installedTable()) {
        QCoreApplication::removeTranslator(installedTable().get());
        installedTable().reset();
    }
}

bool installStringTables(const QLocale& locale) {
    auto table = std::make_unique<QTranslator>();
    const bool loaded =
        table->load(locale, tableBaseName, tableSeparator, tableDirectory) ||
        table->load(QLocale(fallbackLanguage), tableBaseName, tableSeparator, tableDirectory);
    if (!loaded || !QCoreApplication::installTranslator(table.get()))
        return false;
    if (installedTable())
        QCoreApplication::removeTranslator(installedTable().get());
    installedTable() = std::move(table);
    emptyTable = false;
    return true;
}

bool installToolkitStringTables(const QLocale& locale) {
    // One translator for the whole run: Qt keeps a pointer to it.
    static QTranslator toolkitTable;
    return toolkitTable.load(locale, QStringLiteral("qtbase"), tableSeparator,
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
           QCoreApplication::installTranslator(&toolkitTable);
}

QString localizedText(const QString& key, const QStringList& arguments) {
    const QString pattern = localizedString(key);
    QString filled;
    filled.reserve(pattern.size());
    bool placed = false;
    for (qsizetype at = 0; at < pattern.size(); ++at) {
        const QChar c = pattern.at(at);
        if (c != QLatin1Char('%') || at + 1 >= pattern.size() || !pattern.at(at + 1).isDigit()) {
            filled += c;
            continue;
        }
        qsizetype end = at + 1;
        int number = 0;
        while (end < pattern.size() && pattern.at(end).isDigit() && number < 100)
            number = number * 10 + pattern.at(end++).digitValue();
        if (number >= 1 && number <= arguments.size()) {
            filled += arguments.at(number - 1);
            placed = true;
            at = end - 1;
        } else {
            filled += c;
        }
    }
    if (!placed && !arguments.isEmpty())
        filled += QStringLiteral(" (%1)").arg(arguments.join(QStringLiteral(", ")));
    return filled;
}

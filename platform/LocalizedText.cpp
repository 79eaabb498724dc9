#include "platform/LocalizedText.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

constexpr auto tableBaseName = "kestavolin";
constexpr auto tableSeparator = "_";
constexpr auto tableDirectory = ":/i18n";
constexpr auto fallbackLanguage = QLocale::English;

// The table, installed, or null when it was not loaded or could not be installed. The
// application asks it until it is destroyed, which removes it.
std::unique_ptr<QTranslator> installed(std::unique_ptr<QTranslator> table, bool loaded) {
    if (!loaded || !QCoreApplication::installTranslator(table.get()))
        return nullptr;
    return table;
}

} // namespace

QString localizedString(const QString& key) {
    if (key.isEmpty())
        return key;
    // qtTrId answers the id itself when no installed table holds a translation.
    return qtTrId(key.toUtf8().constData());
}

std::unique_ptr<QTranslator> installStringTables(const QLocale& locale) {
    auto table = std::make_unique<QTranslator>();
    const bool loaded =
        table->load(locale, tableBaseName, tableSeparator, tableDirectory) ||
        table->load(QLocale(fallbackLanguage), tableBaseName, tableSeparator, tableDirectory);
    return installed(std::move(table), loaded);
}

std::unique_ptr<QTranslator> installToolkitStringTables(const QLocale& locale) {
    auto table = std::make_unique<QTranslator>();
    const bool loaded = table->load(locale, QStringLiteral("qtbase"), tableSeparator,
                                    QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return installed(std::move(table), loaded);
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

#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTranslator>

#include <memory>

// Texts shown to the user are looked up by key in the string tables installed into the
// running application (Qt Linguist tables compiled into the program, looked up by
// message id). A key no installed table holds is shown as itself, so the program works
// without any table: tests and the command line's --no-translations install none, and
// then every text is its key, those of windows and panels included.

// The text for the key in the installed string tables, or the key itself.
QString localizedString(const QString& key);
// That text with its numbered places (%1, %2, ...) filled by the arguments in one pass,
// so that an argument holding "%2" (a file name, say) is taken as it stands. A text
// without places (a key the table does not hold) is followed by its arguments, so that
// nothing given is lost.
QString localizedText(const QString& key, const QStringList& arguments);

// Installs the string table for the locale's languages into the running application
// (an application object must exist) for as long as the answer lives; a table
// installed later is asked first. Falls back to the English table when the locale asks
// for a language we do not ship. Answers null when no table could be loaded; lookups
// then yield their keys.
[[nodiscard]] std::unique_ptr<QTranslator>
installStringTables(const QLocale& locale = QLocale::system());

// Installs Qt's own translations (standard buttons such as Cancel, the file and print
// dialogs) for the locale's languages, when the system has them, for as long as the
// answer lives. Answers null when none were found; those texts then stay in English.
[[nodiscard]] std::unique_ptr<QTranslator>
installToolkitStringTables(const QLocale& locale = QLocale::system());

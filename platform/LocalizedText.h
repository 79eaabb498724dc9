#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

// Texts shown to the user are looked up by key in the application's string table
// (Qt Linguist tables compiled into the program, looked up by message id). A key the
// table does not hold is shown as itself, so the program works without any table.

// The text for the key in the current string table, or the key itself.
QString localizedString(const QString& key);
// That text with its numbered places (%1, %2, ...) filled by the arguments in one pass,
// so that an argument holding "%2" (a file name, say) is taken as it stands. A text
// without places (a key the table does not hold) is followed by its arguments, so that
// nothing given is lost.
QString localizedText(const QString& key, const QStringList& arguments);

// From now on every lookup yields its key (tests, the command line's
// --no-translations), the texts of windows and panels included.
void useEmptyStringTable();

// Installs the string table for the locale's languages into the running
// application (an application object must exist) and makes lookups use it. Falls
// back to the English table when the locale asks for a language we do not ship.
// Answers false when no table could be loaded; lookups then yield their keys.
bool installStringTables(const QLocale& locale = QLocale::system());

// Installs Qt's own translations (standard buttons such as Cancel, the file and print
// dialogs) for the locale's languages, when the system has them. Answers false when
// none were found; those texts then stay in English.
bool installToolkitStringTables(const QLocale& locale = QLocale::system());

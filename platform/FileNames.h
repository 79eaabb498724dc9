#pragma once

#include <QByteArray>
#include <QString>

// File names as the system hands them over (bytes, from the command line or another
// program) turned into text and back without loss. Names in the file system's
// encoding decode as QFile::decodeName does; a name that is not valid there (a
// Latin-1 name from an old archive on a UTF-8 system) keeps each byte that does not
// decode as a stand-in character from U+DC80 to U+DCFF, so toNative gives back the
// very bytes that name the file. Shown to a user, a stand-in reads as a replacement
// character.
namespace FileNames {

QString fromNative(const QByteArray& name);
QByteArray toNative(const QString& name);

} // namespace FileNames

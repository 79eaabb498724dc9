#pragma once

#include <QByteArray>
#include <QFileInfo>
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

// The path as Qt's file classes (QFile, QFileInfo, QSaveFile) must be given it to name
// a file of the file system: they take a name that begins with ':' for one of the
// program's own resources, so such a relative path becomes "./:name". Every path a
// user gives goes through here before it reaches them.
QString plainFilePath(const QString& path);
QFileInfo fileInfo(const QString& path);

} // namespace FileNames

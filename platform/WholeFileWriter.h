#pragma once

#include <QByteArray>
#include <QString>

// Replaces a file by new contents whole or not at all: the bytes go to a temporary
// file beside it, which is renamed over the file only once every byte is known to be
// written. A full disk or any other write failure leaves the old file untouched.
namespace WholeFileWriter {

// An empty string on success, else the system's reason (for example "No space left
// on device"); the caller names the file.
QString write(const QString& path, const QByteArray& bytes);

} // namespace WholeFileWriter

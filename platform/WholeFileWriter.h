#pragma once

#include "platform/Result.h"

#include <QByteArray>
#include <QString>

// Replaces a file by new contents whole or not at all: the bytes go to a temporary
// file beside it, which is renamed over the file only once every byte is known to be
// written. A full disk or any other write failure leaves the old file untouched.
namespace WholeFileWriter {

// A failure gives the system's reason (see systemFailure); the caller names the file.
Status write(const QString& path, const QByteArray& bytes);

} // namespace WholeFileWriter

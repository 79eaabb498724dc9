#include "platform/WholeFileWriter.h"

#include "platform/FileNames.h"

#include <QSaveFile>

namespace WholeFileWriter {

Status write(const QString& path, const QByteArray& bytes) {
    QSaveFile file(FileNames::plainFilePath(path));
    if (!file.open(QIODevice::WriteOnly))
        return systemFailure(file.errorString());
    // The bytes may wait in the file's buffer until commit(), and commit() renames the
    // temporary file over the old one even when that last flush fails on a full disk.
    // Flushing here first makes every failed write visible before anything is renamed.
    if (file.write(bytes) != bytes.size() || !file.flush() || file.size() != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return systemFailure(reason);
    }
    if (!file.commit())
        return systemFailure(file.errorString());
    return {};
}

} // namespace WholeFileWriter

#pragma once

#include "platform/Result.h"

#include <QFile>
#include <QString>

#include <memory>

class QTemporaryFile;

// A file written beside its target and put in the target's place in one step once
// finished, so the target is never seen half written. The draft has no name until
// then where the file system allows it, so a program stopped in the middle (even
// killed) leaves nothing behind; elsewhere it is a hidden temporary file, removed
// unless published.
class DraftFile {
public:
    explicit DraftFile(const QString& target);
    ~DraftFile();
    DraftFile(const DraftFile&) = delete;
    DraftFile& operator=(const DraftFile&) = delete;

    // Fails with the system's reason (see systemFailure) when no draft can be made in
    // the folder.
    Status open();
    // The draft, for reading and writing (valid after open()).
    QFileDevice& device();
    // Makes the written draft the target, replacing any file there. Fails with the
    // system's reason.
    Status publish();

private:
    QString target_;
    QFile unnamed_;
    std::unique_ptr<QTemporaryFile> named_;
};

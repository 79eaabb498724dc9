#pragma once

#include "app/PhotoEntry.h"
#include "platform/Result.h"

#include <QObject>
#include <QTimer>

#include <vector>

class PhotoList;

// Keeps the photo list (the photographs, their order and each one's own captions) in a
// file of its own in the caption-sheet format, written whole and atomically shortly
// after every change, so that it survives a quit, a crash or a killed program and comes
// back at the next start.
class ListAutosave : public QObject {
    Q_OBJECT

public:
    // Changes are written this long after the last one, so that typing writes once.
    static constexpr int writeDelayMilliseconds = 200;

    ListAutosave(PhotoList& list, const QString& path, QObject* parent = nullptr);
    // Writes what is still pending.
    ~ListAutosave() override;

    // The entries of the list kept from the last run (none when there is no file). A
    // file that cannot be read, or is no caption sheet, is renamed beside itself, never
    // overwritten, and the failure names both.
    Result<std::vector<PhotoEntry>> restore();
    // From now on every change of the list is written.
    void follow();
    // Writes the list now when a change is pending.
    void flush();

signals:
    // The list could not be written; the next change tries again.
    void writeFailed(const Failure& failure);

private:
    Failure keepAside(const QString& reason);
    void write();

    PhotoList& list_;
    QString path_;
    QTimer delay_;
};

#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

class MappingGuard;

// The read-only bytes of a whole file or of a buffer. A file is memory-mapped, so a
// file of several gigabytes costs address space rather than memory. A file that
// shrinks while it is read does not end the process: the missing bytes read as zeros
// and changedWhileRead() tells the reader to discard what it made of them.
class FileData {
public:
    // Null when the path is not a readable regular file. The path may hold the
    // stand-ins of FileNames for bytes that are not valid in the file system's encoding.
    static std::shared_ptr<const FileData> initWithContentsOfFile(const QString& path);
    static std::shared_ptr<const FileData> fromByteArray(QByteArray bytes);

    FileData(const FileData&) = delete;
    FileData& operator=(const FileData&) = delete;
    ~FileData();

    // Never null, even for an empty file.
    const unsigned char* bytes() const { return data_; }
    qint64 length() const { return length_; }

    // True once a read found the file shorter than it was when opened: the bytes are
    // no longer the file's.
    bool changedWhileRead() const;

private:
    FileData() = default;

    void* mapped_ = nullptr;
    std::unique_ptr<MappingGuard> guard_;
    QByteArray buffer_;
    const unsigned char* data_ = nullptr;
    qint64 length_ = 0;
};

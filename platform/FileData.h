#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <memory>

// The read-only bytes of a whole file or of a buffer. A file is memory-mapped, so a
// file of several gigabytes costs address space rather than memory.
class FileData {
public:
    // Null when the path is not a readable regular file.
    static std::shared_ptr<const FileData> initWithContentsOfFile(const QString& path);
    static std::shared_ptr<const FileData> fromByteArray(QByteArray bytes);

    FileData(const FileData&) = delete;
    FileData& operator=(const FileData&) = delete;
    ~FileData();

    // Never null, even for an empty file.
    const unsigned char* bytes() const { return data_; }
    qint64 length() const { return length_; }

private:
    FileData() = default;

    QFile file_;
    QByteArray buffer_;
    const unsigned char* data_ = nullptr;
    qint64 length_ = 0;
};

#include "platform/FileData.h"

#include <QFileInfo>

namespace {
// bytes() of an empty file or buffer still points somewhere valid.
const unsigned char emptyBytes[1] = {0};
} // namespace

FileData::~FileData() {
    if (file_.isOpen() && length_ > 0)
        file_.unmap(const_cast<unsigned char*>(data_));
}

std::shared_ptr<const FileData> FileData::initWithContentsOfFile(const QString& path) {
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isFile())
        return nullptr;
    std::shared_ptr<FileData> data(new FileData);
    data->file_.setFileName(path);
    if (!data->file_.open(QIODevice::ReadOnly))
        return nullptr;
    const qint64 size = data->file_.size();
    if (size == 0) {
        data->data_ = emptyBytes;
        return data;
    }
    uchar* mapped = data->file_.map(0, size);
    if (!mapped)
        return nullptr;
    data->data_ = mapped;
    data->length_ = size;
    return data;
}

std::shared_ptr<const FileData> FileData::fromByteArray(QByteArray bytes) {
    std::shared_ptr<FileData> data(new FileData);
    data->buffer_ = std::move(bytes);
    data->length_ = data->buffer_.size();
    data->data_ = data->length_ > 0
                      ? reinterpret_cast<const unsigned char*>(data->buffer_.constData())
                      : emptyBytes;
    return data;
}

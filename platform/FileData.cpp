#include "platform/FileData.h"

#include "platform/FileNames.h"
#include "platform/MappingGuard.h"

#include <QFile>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// bytes() of an empty file or buffer still points somewhere valid.
const unsigned char emptyBytes[1] = {0};

// Closes a file descriptor when it goes out of scope.
struct Descriptor {
    int fd;
    ~Descriptor() {
        if (fd >= 0)
            ::close(fd);
    }
};

} // namespace

FileData::~FileData() {
    guard_.reset();
    if (mapped_)
        ::munmap(mapped_, static_cast<std::size_t>(length_));
}

std::shared_ptr<const FileData> FileData::initWithContentsOfFile(const QString& path) {
    if (path.isEmpty())
        return nullptr;
    const Descriptor file{::open(FileNames::toNative(path).constData(), O_RDONLY | O_CLOEXEC)};
    struct stat info = {};
    if (file.fd < 0 || ::fstat(file.fd, &info) != 0 || !S_ISREG(info.st_mode))
        return nullptr;
    std::shared_ptr<FileData> data(new FileData);
    if (info.st_size == 0) {
        data->data_ = emptyBytes;
        return data;
    }
    const auto size = static_cast<std::size_t>(info.st_size);
    void* mapped = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE, file.fd, 0);
    if (mapped == MAP_FAILED)
        return nullptr;
    data->mapped_ = mapped;
    data->length_ = info.st_size;
    data->data_ = static_cast<const unsigned char*>(mapped);
    data->guard_ = std::make_unique<MappingGuard>(mapped, size);
    if (data->guard_->watching())
        return data;
    // Every watch is taken: an unguarded mapping could end the process, so read the
    // file into memory instead.
    QFile whole;
    if (!whole.open(file.fd, QIODevice::ReadOnly))
        return nullptr;
    return fromByteArray(whole.readAll());
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

bool FileData::changedWhileRead() const {
    return guard_ && guard_->faulted();
}

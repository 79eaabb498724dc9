#include "platform/DraftFile.h"

#include "platform/FileNames.h"

#include <QFileInfo>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString systemReason() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

// The permissions a newly created file gets; a named temporary file starts private.
QFileDevice::Permissions newFilePermissions() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    const mode_t mode = 0666 & ~mask;
    QFileDevice::Permissions permissions;
    const std::pair<mode_t, QFileDevice::Permission> bits[] = {
        {S_IRUSR, QFileDevice::ReadOwner}, {S_IWUSR, QFileDevice::WriteOwner},
        {S_IRGRP, QFileDevice::ReadGroup}, {S_IWGRP, QFileDevice::WriteGroup},
        {S_IROTH, QFileDevice::ReadOther}, {S_IWOTH, QFileDevice::WriteOther}};
    for (const auto& [bit, permission] : bits) {
        if (mode & bit)
            permissions |= permission;
    }
    return permissions;
}

bool renamed(const QString& from, const QString& to) {
    return ::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

} // namespace

DraftFile::DraftFile(const QString& target) : target_(target) {}

DraftFile::~DraftFile() = default;

Status DraftFile::open() {
    const QString folder = FileNames::fileInfo(target_).absolutePath();
    const int fd =
        ::open(QFile::encodeName(folder).constData(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0666);
    if (fd >= 0) {
        if (unnamed_.open(fd, QIODevice::ReadWrite, QFileDevice::AutoCloseHandle))
            return {};
        return systemFailure(unnamed_.errorString());
    }
    if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)
        return systemFailure(systemReason());
    named_ = std::make_unique<QTemporaryFile>(folder + QStringLiteral("/.kestavolin-XXXXXX"));
    if (named_->open())
        return {};
    return systemFailure(named_->errorString());
}

QFileDevice& DraftFile::device() {
    if (named_)
        return *named_;
    return unnamed_;
}

Status DraftFile::publish() {
    QFileDevice& draft = device();
    if (!draft.flush() || ::fsync(draft.handle()) != 0)
        return systemFailure(draft.errorString());
    if (named_) {
        if (!named_->setPermissions(newFilePermissions()))
            return systemFailure(named_->errorString());
        if (!renamed(named_->fileName(), target_))
            return systemFailure(systemReason());
        named_->setAutoRemove(false);
        return {};
    }
    // An unnamed file gets a name beside the target first, then takes its place.
    const QString staging =
        QStringLiteral("%1.part-%2").arg(target_).arg(static_cast<qint64>(::getpid()));
    const QByteArray stagingName = QFile::encodeName(staging);
    ::unlink(stagingName.constData());
    const QByteArray descriptor = "/proc/self/fd/" + QByteArray::number(draft.handle());
    if (::linkat(AT_FDCWD, descriptor.constData(), AT_FDCWD, stagingName.constData(),
                 AT_SYMLINK_FOLLOW) != 0)
        return systemFailure(systemReason());
    if (!renamed(staging, target_)) {
        const Failure failure = systemFailure(systemReason());
        ::unlink(stagingName.constData());
        return failure;
    }
    return {};
}

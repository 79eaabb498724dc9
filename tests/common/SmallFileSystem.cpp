#include "SmallFileSystem.h"

#include <QDir>
#include <QFile>

#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

SmallFileSystem::SmallFileSystem(const QString& folder) : folder_(QFile::encodeName(folder)) {
    QDir().mkpath(folder);
    mounted_ = ::mount("tmpfs", folder_.constData(), "tmpfs", 0, "size=256k") == 0;
}

SmallFileSystem::~SmallFileSystem() {
    if (mounted_)
        ::umount2(folder_.constData(), MNT_DETACH);
}

bool SmallFileSystem::fill() const {
    const int fd = ::open((folder_ + "/filler").constData(), O_WRONLY | O_CREAT, 0600);
    if (fd < 0)
        return false;
    const QByteArray block(4096, 'x');
    while (::write(fd, block.constData(), static_cast<size_t>(block.size())) > 0) {
    }
    return ::close(fd) == 0;
}

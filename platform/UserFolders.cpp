#include "platform/UserFolders.h"

#include <QDir>

namespace {

// A relative path in the variable is not taken: the rules count it as unset.
QString folderFrom(const char* variable, const QString& underHome) {
    const QString set = qEnvironmentVariable(variable);
    if (!set.isEmpty() && QDir::isAbsolutePath(set))
        return QDir::cleanPath(set);
    return QDir(QDir::homePath()).filePath(underHome);
}

} // namespace

QString userConfigFolder() {
    return folderFrom("XDG_CONFIG_HOME", QStringLiteral(".config"));
}

QString userStateFolder() {
    return folderFrom("XDG_STATE_HOME", QStringLiteral(".local/state"));
}

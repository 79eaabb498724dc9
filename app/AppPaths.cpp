#include "app/AppPaths.h"

#include "photo/SettingsFile.h"
#include "platform/UserFolders.h"

#include <QDir>

AppPaths AppPaths::standard() {
    return {
        .settingsFile = SettingsFile::userFilePath(),
        .formerSettingsFile = SettingsFile::formerUserFilePath(),
        .listFile = QDir(userStateFolder()).filePath(QStringLiteral("kestavolin/list.csv")),
        .windowStateFile =
            QDir(userConfigFolder()).filePath(QStringLiteral("kestavolin/window.conf")),
    };
}

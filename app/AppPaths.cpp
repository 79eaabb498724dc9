#include "app/AppPaths.h"

#include "platform/UserFolders.h"

#include <QDir>

AppPaths AppPaths::standard() {
    return {
        .settingsFile =
            QDir(userConfigFolder()).filePath(QStringLiteral("kestavolin/kestavolin.plist")),
        .formerSettingsFile =
            QDir(QDir::homePath()).filePath(QStringLiteral("Documents/kestavolin.plist")),
        .listFile = QDir(userStateFolder()).filePath(QStringLiteral("kestavolin/list.csv")),
        .windowStateFile =
            QDir(userConfigFolder()).filePath(QStringLiteral("kestavolin/window.conf")),
    };
}

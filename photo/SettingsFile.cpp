#include "photo/SettingsFile.h"

#include "platform/FontCatalogue.h"
#include "platform/UserFolders.h"

#include <QDir>

namespace SettingsFile {

QString userFilePath() {
    return QDir(userConfigFolder()).filePath(QStringLiteral("kestavolin/kestavolin.plist"));
}

QString formerUserFilePath() {
    return QDir(QDir::homePath()).filePath(QStringLiteral("Documents/kestavolin.plist"));
}

bool isTrue(const QVariant& value) {
    return value.typeId() == QMetaType::Bool && value.toBool();
}

bool isItemOn(const QVariantMap& items, PhotoInfo::Item item) {
    return isTrue(items.value(PhotoInfo::itemName(item)));
}

bool namesPhotographLens(const QString& name) {
    return name.toLower() == photographLensEntry.toLower();
}

const Font& defaultFont() {
    static const Font font = [] {
        const QString preferredFamily = QStringLiteral("Myriad Pro");
        if (FontCatalogue::availableFontFamilies().contains(preferredFamily))
            return Font{preferredFamily, QStringLiteral("MyriadPro-Regular")};
        const QString fallback = QStringLiteral("Helvetica");
        return Font{fallback, fallback};
    }();
    return font;
}

} // namespace SettingsFile

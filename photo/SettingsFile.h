#pragma once

#include "photo/PhotoInfo.h"

#include <QString>
#include <QVariant>
#include <QVariantMap>

// The rules of the settings file that the application, its preferences panel, the
// labels and the command line all read: its keys, what counts as a switched-on item,
// the lens entry standing for the photograph's own lens, and the default label font.
namespace SettingsFile {

// The user's settings file: $XDG_CONFIG_HOME/kestavolin/kestavolin.plist (by default
// ~/.config/kestavolin/kestavolin.plist).
QString userFilePath();
// Where older versions kept it: ~/Documents/kestavolin.plist. Read, never written.
QString formerUserFilePath();

// Keys of the property-list file.
inline const QString photographerKey = QStringLiteral("photographer");
inline const QString lensListKey = QStringLiteral("lensList");
inline const QString exifItemKey = QStringLiteral("exifItem");
inline const QString fontFamilyNameKey = QStringLiteral("fontFamilyName");
inline const QString fontNameKey = QStringLiteral("fontName");
inline const QString fontStyleIndexKey = QStringLiteral("fontStyleIndex");
inline const QString mediaTypeNameKey = QStringLiteral("mediaTypeName");
// Whether a photograph without camera data is labelled from its picture, file name,
// title and photographer instead of being refused (off when absent).
inline const QString labelWithoutCameraDataKey = QStringLiteral("labelWithoutCameraData");
// Whether a listed photograph given no title takes the title stored in its own
// metadata (off when absent).
inline const QString titlesFromPhotosKey = QStringLiteral("titlesFromPhotos");
// The lens of photographs without one of their own (absent in older files).
inline const QString defaultLensKey = QStringLiteral("defaultLens");

// A display setting is on only when it holds the boolean true: a missing key, and a
// hand-edited value of another type ("yes", 1), mean off.
bool isTrue(const QVariant& value);
bool isItemOn(const QVariantMap& items, PhotoInfo::Item item);

// The lens list entry that stands for the lens named in the photograph itself; any
// letter case of it means the same.
inline const QString photographLensEntry = QStringLiteral("Exif");
bool namesPhotographLens(const QString& name);

struct Font {
    QString familyName;
    QString postScriptName;
    quint64 styleIndex = 0;
};

// The label font of a new user: Myriad Pro Regular when that family is installed,
// otherwise Helvetica (which fontconfig serves through its metric twin). Decided once
// per run: listing every installed family is slow next to a layout.
const Font& defaultFont();

} // namespace SettingsFile

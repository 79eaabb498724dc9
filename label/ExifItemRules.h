#pragma once

#include "photo/PhotoInfo.h"
#include "photo/SettingsFile.h"

#include <QString>
#include <QVariantMap>

#include <optional>

// The rules both labels follow when they turn the photo information, the Exif item
// display settings and the user's inputs into texts.
namespace ExifItemRules {

// A lens name the user picks is kept only when it has 1 to 255 characters, and shown
// only when it has 2 to 254.
inline constexpr qsizetype longestAcceptedLensName = 255;
inline constexpr qsizetype shortestShownUserLens = 2;
inline constexpr qsizetype longestShownUserLens = 254;

bool isAcceptedLensName(const QString& name);
bool isShownUserLens(const QString& name);

// The file name of a path (what follows its last slash).
QString lastPathComponent(const QString& path);

// The text without the padding some cameras store after it: trailing spaces and NULs.
QString withoutPadding(const QString& text);

// Appends the value and the separator after it; an empty value adds neither.
void appendItem(QString& text, const QString& value, const QString& separator);

// The photo information item the photographer line is taken from: the artist when the
// settings' "SignType" text is "artist", the copyright when it is "copyright", nothing
// otherwise.
std::optional<PhotoInfo::Item> signTypeSourceItem(const QVariantMap& settings);

// Reads the items of one photograph as the display settings allow.
class ShownItems {
public:
    using Item = PhotoInfo::Item;

    ShownItems(const QVariantMap& settings, const PhotoInfo& info)
        : settings_(settings), info_(info) {}

    bool isOn(Item item) const { return SettingsFile::isItemOn(settings_, item); }
    bool isPresent(Item item) const { return info_.text(item).has_value(); }
    // The text item's value as the label places it: a text the photograph stores
    // (camera, lens, description, names, dates) without its padding.
    QString value(Item item) const;

    // Appends the item's value and the separator when the item is on, present and not
    // empty.
    void appendIfShown(QString& text, Item item, const QString& separator) const;
    // The capture date when "DateTimeOriginal" is on: the original date, else the
    // digitised one, else nothing.
    std::optional<QString> shownDate() const;
    // The last component of the photograph's path when "fileName" is on and the path
    // is known; empty otherwise.
    QString shownFileName(const QString& path) const;
    // The value of a present item, or one space when the photograph lacks it or
    // stores nothing but padding.
    QString valueOrSpace(Item item) const;

private:
    const QVariantMap& settings_;
    const PhotoInfo& info_;
};

} // namespace ExifItemRules

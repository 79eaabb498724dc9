#pragma once

#include "platform/Result.h"

#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <optional>

// The user's settings: the default photographer and lens, the lens list, which Exif
// items the label shows, the label font and the label medium. They live in memory as members plus
// `preferences`, the image of the property-list file that save() writes whole.
//
// Every setter below stores its member(s) into `preferences` and never writes the file;
// the caller decides when to save.
class Settings {
public:
    // All members empty, nothing read yet.
    explicit Settings(const QString& plistFilePath);

    // Start-up: reads the file, takes over every entry of the right type, replaces the
    // others by their defaults (saving after each), keeps the stored font while it is
    // installed (otherwise the default), and takes the stored medium when it is one of the two
    // medium names. A file that cannot be read as a dictionary starts from all defaults and is
    // written at once.
    void load();

    // Writes `preferences` as an XML property list, atomically, creating its folder
    // when it is missing. On failure the in-memory settings stay as they are
    // and one warning goes to standard error (repeated failures stay quiet until a
    // save succeeds again). A failure names the file and the system's reason.
    Status save();

    // Defaults; each sets its member(s) and stores them in `preferences`.
    void setDefaultExifItems();
    void setDefaultPhotographer();
    void setDefaultLensList();
    void setDefaultMedia();
    void setDefaultFont();

    void setPhotographer(const QString& name);
    void setLensList(const QStringList& names);
    // Takes the entries of `items` over into the display settings (adding to or
    // overwriting what they hold); a value that is not a boolean counts as off.
    void takeExifItems(const QVariantMap& items);
    void setPrintFont(const QString& familyName, const QString& postScriptName, quint64 styleIndex);
    // The label medium, in effect at once and stored.
    void setMedium(const QString& medium);
    // The lens of every entry that has none of its own: a name of the lens list.
    void setDefaultLens(const QString& name);
    // An opt-in switch of the settings file (off unless it holds the boolean true).
    bool isOn(const QString& key) const;
    void setOn(const QString& key, bool on);

    const QString& plistFilePath() const { return plistFilePath_; }
    const QVariantMap& preferences() const { return preferences_; }
    const QString& photographer() const { return photographer_; }
    const QStringList& lensList() const { return lensList_; }
    const QVariantMap& exifItemsStatus() const { return exifItemsStatus_; }
    const QString& printFontFamilyName() const { return printFontFamilyName_; }
    const QString& printFontName() const { return printFontName_; }
    quint64 printFontStyleIndex() const { return printFontStyleIndex_; }
    // The medium in effect ("" until start-up decided it).
    const QString& medium() const { return medium_; }
    // The stored default lens while the lens list holds it; otherwise the list's entry
    // for the photograph's own lens, when it holds one.
    std::optional<QString> defaultLens() const;
    // True when a valid medium was read from the file or chosen;
    // false means start-up has to ask for one.
    bool hasMedium() const { return hasMedium_; }

private:
    // Saves after the loader changed an entry; a failure is told by save() itself.
    void saveAfterChange();
    void takeStoredEntries();
    void takeStoredFont();

    QString plistFilePath_;
    QVariantMap preferences_;
    QString photographer_;
    QStringList lensList_;
    QVariantMap exifItemsStatus_;
    QString printFontFamilyName_;
    QString printFontName_;
    quint64 printFontStyleIndex_ = 0;
    QString medium_;
    bool hasMedium_ = false;
    bool saveFailing_ = false;
};

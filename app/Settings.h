#pragma once

#include <QString>
#include <QStringList>
#include <QVariantMap>

// The user's settings: photographer, lens list, which Exif items the label shows, the
// label font and the label medium. They live in memory as members plus `preferences`,
// the image of the property-list file that save() writes whole.
//
// Every setter below stores its member(s) into `preferences` and never writes the file;
// the caller decides when to save.
class Settings {
public:
    // The file of the settings: Documents/kestavolin.plist in the user's home folder.
    static QString defaultPlistFilePath();

    // All members empty, nothing read yet.
    explicit Settings(const QString& plistFilePath = defaultPlistFilePath());

    // Start-up: reads the file, takes over every entry of the right type, replaces the
    // others by their defaults (saving after each), keeps the stored font while it is
    // installed (otherwise the default), and takes the stored medium when it is one of the two
    // medium names. A file that cannot be read as a dictionary starts from all defaults and is
    // written at once.
    void load();

    // Writes `preferences` as an XML property list, atomically, creating the documents
    // folder when it is missing. On failure the in-memory settings stay as they are
    // and one warning goes to standard error (repeated failures stay quiet until a
    // save succeeds again). Returns whether the file was written.
    bool save();
    // Why the last save failed, naming the file and the system's reason; empty when it
    // succeeded or nothing was saved yet.
    const QString& saveError() const { return saveError_; }

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
    // The medium asked for at start-up: it is in effect for this run and stored for
    // the next start.
    void chooseStartupMedium(const QString& medium);
    // A medium chosen later: stored for the next start only; `mediaTypeName` stays.
    void setMediaName(const QString& medium);
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
    quint64 printFontStyleIndex() const { return printPontStyleIndex_; }
    // The medium in effect for the running application ("" until start-up decided it).
    const QString& mediaTypeName() const { return mediaTypeName_; }
    // The medium for the next start ("" until one was chosen).
    const QString& mediaName() const { return mediaName_; }
    // True when a valid medium was read from the file or chosen in the preferences;
    // false means start-up has to ask for one.
    bool hasMedium() const { return hasMedium_; }

private:
    void takeStoredEntries();
    void takeStoredFont();

    QString plistFilePath_;
    QVariantMap preferences_;
    QString photographer_;
    QStringList lensList_;
    QVariantMap exifItemsStatus_;
    QString printFontFamilyName_;
    QString printFontName_;
    quint64 printPontStyleIndex_ = 0;
    QString mediaTypeName_;
    QString mediaName_;
    bool hasMedium_ = false;
    QString saveError_;
};

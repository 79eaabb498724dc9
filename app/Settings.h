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
    // Settings keys of the property-list file.
    static inline const QString photographerKey = QStringLiteral("photographer");
    static inline const QString lensListKey = QStringLiteral("lensList");
    static inline const QString exifItem = QStringLiteral("exifItem");
    static inline const QString fontFamilyNameKey = QStringLiteral("fontFamilyName");
    static inline const QString fontNameKey = QStringLiteral("fontName");
    static inline const QString fontStyleIndexKey = QStringLiteral("fontStyleIndex");
    static inline const QString mediaTypeNameKey = QStringLiteral("mediaTypeName");
    // Whether a photograph without camera data is labelled from its picture, file name,
    // title and photographer instead of being refused (off when absent).
    static inline const QString labelWithoutCameraDataKey =
        QStringLiteral("labelWithoutCameraData");

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
    const QString& saveError() const { return m_saveError; }

    // Defaults; each sets its member(s) and stores them in `preferences`.
    void setDefaultExifItems();
    void setDefaultPhotograper();
    void setDefaultLensList();
    void setDefaultMedia();
    void setDefaulFont();

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

    const QString& plistFilePath() const { return m_plistFilePath; }
    const QVariantMap& preferences() const { return m_preferences; }
    const QString& photographer() const { return m_photographer; }
    const QStringList& lensList() const { return m_lensList; }
    const QVariantMap& exifItemsStatus() const { return m_exifItemsStatus; }
    const QString& printFontFamilyName() const { return m_printFontFamilyName; }
    const QString& printFontName() const { return m_printFontName; }
    quint64 printPontStyleIndex() const { return m_printPontStyleIndex; }
    // The medium in effect for the running application ("" until start-up decided it).
    const QString& mediaTypeName() const { return m_mediaTypeName; }
    // The medium for the next start ("" until one was chosen).
    const QString& mediaName() const { return m_mediaName; }
    // True when a valid medium was read from the file or chosen in the preferences;
    // false means start-up has to ask for one.
    bool setMedia() const { return m_setMedia; }

private:
    void takeStoredEntries();
    void takeStoredFont();

    QString m_plistFilePath;
    QVariantMap m_preferences;
    QString m_photographer;
    QStringList m_lensList;
    QVariantMap m_exifItemsStatus;
    QString m_printFontFamilyName;
    QString m_printFontName;
    quint64 m_printPontStyleIndex = 0;
    QString m_mediaTypeName;
    QString m_mediaName;
    bool m_setMedia = false;
    QString m_saveError;
};

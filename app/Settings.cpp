#include "app/Settings.h"

#include "photo/ConstStrings.h"
#include "photo/DefaultExifItems.h"
#include "platform/FontCatalogue.h"
#include "platform/LocalizedText.h"
#include "platform/PropertyList.h"

#include <QDebug>
#include <QDir>

namespace {

const QString settingsFileInHome = QStringLiteral("Documents/kestavolin.plist");
const QString preferredFontFamily = QStringLiteral("Myriad Pro");
const QString preferredFontName = QStringLiteral("MyriadPro-Regular");
const QString fallbackFont = QStringLiteral("Helvetica");
const QString defaultLensName = QStringLiteral("Exif");

bool holds(const QVariant& value, QMetaType::Type type) {
    return value.typeId() == type;
}

// A hand-edited list may hold numbers, dates or nested lists among the lens names;
// only the strings are lens names.
QStringList lensNamesIn(const QVariantList& elements) {
    QStringList names;
    for (const QVariant& element : elements) {
        if (holds(element, QMetaType::QString))
            names.append(element.toString());
    }
    return names;
}

QVariantList toVariantList(const QStringList& names) {
    QVariantList list;
    list.reserve(names.size());
    for (const QString& name : names)
        list.append(name);
    return list;
}

} // namespace

QString Settings::defaultPlistFilePath() {
    return QDir(QDir::homePath()).filePath(settingsFileInHome);
}

Settings::Settings(const QString& plistFilePath) : m_plistFilePath(plistFilePath) {}

void Settings::load() {
    m_setMedia = false;
    const PropertyList::ReadResult read = PropertyList::readFile(m_plistFilePath);
    if (!read.ok() || !holds(read.value, QMetaType::QVariantMap)) {
        m_preferences.clear();
        setDefaultExifItems();
        setDefaultPhotograper();
        setDefaultLensList();
        setDefaultMedia();
        setDefaulFont();
        save();
        return;
    }
    m_preferences = read.value.toMap();
    takeStoredEntries();
}

// Each entry of the wrong type alone is replaced by its default and the file saved at
// once; the medium is taken only when valid.
void Settings::takeStoredEntries() {
    const QVariant photographer = m_preferences.value(photographerKey);
    if (holds(photographer, QMetaType::QString)) {
        m_photographer = photographer.toString();
    } else {
        setDefaultPhotograper();
        save();
    }

    const QVariant lenses = m_preferences.value(lensListKey);
    if (holds(lenses, QMetaType::QVariantList)) {
        setLensList(lensNamesIn(lenses.toList()));
    } else {
        setDefaultLensList();
        save();
    }

    const QVariant items = m_preferences.value(exifItem);
    if (holds(items, QMetaType::QVariantMap)) {
        takeExifItems(items.toMap());
    } else {
        setDefaultExifItems();
        save();
    }

    takeStoredFont();
    save();

    const QVariant medium = m_preferences.value(mediaTypeNameKey);
    if (holds(medium, QMetaType::QString) && isMediumName(medium.toString())) {
        m_mediaTypeName = medium.toString();
        m_setMedia = true;
    }
}

// The stored font while it is installed, otherwise the default.
void Settings::takeStoredFont() {
    const QVariant family = m_preferences.value(fontFamilyNameKey);
    const QVariant name = m_preferences.value(fontNameKey);
    bool isIndex = false;
    const quint64 styleIndex = m_preferences.value(fontStyleIndexKey).toULongLong(&isIndex);
    if (holds(family, QMetaType::QString) && holds(name, QMetaType::QString) && isIndex &&
        FontCatalogue::availableFonts().contains(name.toString()))
        setPrintFont(family.toString(), name.toString(), styleIndex);
    else
        setDefaulFont();
}

bool Settings::save() {
    QString error;
    if (!PropertyList::ensureParentFolder(m_plistFilePath))
        error = QStringLiteral("cannot create the folder of %1").arg(m_plistFilePath);
    else
        error = PropertyList::writeXmlFile(m_plistFilePath, m_preferences);

    if (!error.isEmpty() && m_saveError.isEmpty())
        qWarning().noquote() << "kestavolin: the settings were not saved:" << error;
    m_saveError = error;
    return error.isEmpty();
}

void Settings::setDefaultExifItems() {
    for (const auto& [key, shown] : defaultExifItems())
        m_exifItemsStatus.insert(key, shown);
    m_preferences.insert(exifItem, m_exifItemsStatus);
}

void Settings::setDefaultPhotograper() {
    setPhotographer(localizedString(QStringLiteral("Photographer")));
}

void Settings::setDefaultLensList() {
    QStringList names = m_lensList;
    names.append(defaultLensName);
    setLensList(names);
}

void Settings::setDefaultMedia() {
    m_mediaTypeName = MediaTape18Key;
    m_preferences.insert(mediaTypeNameKey, m_mediaName);
}

void Settings::setDefaulFont() {
    if (FontCatalogue::availableFontFamilies().contains(preferredFontFamily))
        setPrintFont(preferredFontFamily, preferredFontName, 0);
    else
        setPrintFont(fallbackFont, fallbackFont, 0);
}

void Settings::setPhotographer(const QString& name) {
    m_photographer = name;
    m_preferences.insert(photographerKey, m_photographer);
}

void Settings::setLensList(const QStringList& names) {
    m_lensList = names;
    m_preferences.insert(lensListKey, toVariantList(m_lensList));
}

void Settings::takeExifItems(const QVariantMap& items) {
    for (auto item = items.cbegin(); item != items.cend(); ++item) {
        const bool shown = holds(item.value(), QMetaType::Bool) && item.value().toBool();
        m_exifItemsStatus.insert(item.key(), shown);
    }
    m_preferences.insert(exifItem, m_exifItemsStatus);
}

void Settings::setPrintFont(const QString& familyName, const QString& postScriptName,
                            quint64 styleIndex) {
    m_printFontFamilyName = familyName;
    m_printFontName = postScriptName;
    m_printPontStyleIndex = styleIndex;
    m_preferences.insert(fontFamilyNameKey, m_printFontFamilyName);
    m_preferences.insert(fontNameKey, m_printFontName);
    m_preferences.insert(fontStyleIndexKey, QVariant::fromValue(m_printPontStyleIndex));
}

void Settings::chooseStartupMedium(const QString& medium) {
    m_mediaTypeName = medium;
    m_mediaName = medium;
    m_preferences.insert(mediaTypeNameKey, m_mediaName);
}

void Settings::setMediaName(const QString& medium) {
    m_mediaName = medium;
    m_preferences.insert(mediaTypeNameKey, m_mediaName);
    m_setMedia = true;
}

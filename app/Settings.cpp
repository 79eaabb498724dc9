#include "app/Settings.h"

#include "photo/DefaultExifItems.h"
#include "photo/LabelMedia.h"
#include "photo/SettingsFile.h"
#include "platform/FontCatalogue.h"
#include "platform/LocalizedText.h"
#include "platform/PropertyList.h"

#include <QDebug>

#include <tuple>

using namespace SettingsFile;

namespace {

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

Settings::Settings(const QString& plistFilePath) : plistFilePath_(plistFilePath) {}

void Settings::load() {
    hasMedium_ = false;
    const Result<QVariant> read = PropertyList::readFile(plistFilePath_);
    if (!read || !holds(*read, QMetaType::QVariantMap)) {
        preferences_.clear();
        setDefaultExifItems();
        setDefaultPhotographer();
        setDefaultLensList();
        setDefaultMedia();
        setDefaultFont();
        saveAfterChange();
        return;
    }
    preferences_ = read->toMap();
    takeStoredEntries();
}

// Each entry of the wrong type alone is replaced by its default and the file saved at
// once; the medium is taken only when valid.
void Settings::takeStoredEntries() {
    const QVariant photographer = preferences_.value(photographerKey);
    if (holds(photographer, QMetaType::QString)) {
        photographer_ = photographer.toString();
    } else {
        setDefaultPhotographer();
        saveAfterChange();
    }

    const QVariant lenses = preferences_.value(lensListKey);
    if (holds(lenses, QMetaType::QVariantList)) {
        setLensList(lensNamesIn(lenses.toList()));
    } else {
        setDefaultLensList();
        saveAfterChange();
    }

    const QVariant items = preferences_.value(exifItemKey);
    if (holds(items, QMetaType::QVariantMap)) {
        takeExifItems(items.toMap());
    } else {
        setDefaultExifItems();
        saveAfterChange();
    }

    takeStoredFont();
    saveAfterChange();

    const QVariant medium = preferences_.value(mediaTypeNameKey);
    if (holds(medium, QMetaType::QString) && LabelMedia::isMediumName(medium.toString())) {
        medium_ = medium.toString();
        hasMedium_ = true;
    }
}

// The stored font while it is installed, otherwise the default.
void Settings::takeStoredFont() {
    const QVariant family = preferences_.value(fontFamilyNameKey);
    const QVariant name = preferences_.value(fontNameKey);
    bool isIndex = false;
    const quint64 styleIndex = preferences_.value(fontStyleIndexKey).toULongLong(&isIndex);
    if (holds(family, QMetaType::QString) && holds(name, QMetaType::QString) && isIndex &&
        FontCatalogue::availableFonts().contains(name.toString()))
        setPrintFont(family.toString(), name.toString(), styleIndex);
    else
        setDefaultFont();
}

Status Settings::save() {
    const Status saved =
        PropertyList::ensureParentFolder(plistFilePath_)
            ? PropertyList::writeXmlFile(plistFilePath_, preferences_)
            : Status(Failure{QStringLiteral("folderNotMadeMsg"), {plistFilePath_}});
    if (!saved && !saveFailing_)
        qWarning().noquote() << "kestavolin:"
                             << localizedText(QStringLiteral("settingsNotSavedWarning"),
                                              {saved.failure().text()});
    saveFailing_ = !saved;
    return saved;
}

void Settings::saveAfterChange() {
    std::ignore = save();
}

void Settings::setDefaultExifItems() {
    exifItemsStatus_.insert(defaultExifItemsStatus());
    preferences_.insert(exifItemKey, exifItemsStatus_);
}

void Settings::setDefaultPhotographer() {
    setPhotographer(localizedString(QStringLiteral("Photographer")));
}

void Settings::setDefaultLensList() {
    QStringList names = lensList_;
    names.append(SettingsFile::photographLensEntry);
    setLensList(names);
}

void Settings::setDefaultMedia() {
    medium_ = LabelMedia::tape18Name;
    preferences_.insert(mediaTypeNameKey, QString());
}

void Settings::setDefaultFont() {
    const SettingsFile::Font& font = SettingsFile::defaultFont();
    setPrintFont(font.familyName, font.postScriptName, font.styleIndex);
}

void Settings::setPhotographer(const QString& name) {
    photographer_ = name;
    preferences_.insert(photographerKey, photographer_);
}

void Settings::setLensList(const QStringList& names) {
    lensList_ = names;
    preferences_.insert(lensListKey, toVariantList(lensList_));
}

void Settings::takeExifItems(const QVariantMap& items) {
    for (auto item = items.cbegin(); item != items.cend(); ++item) {
        exifItemsStatus_.insert(item.key(), SettingsFile::isTrue(item.value()));
    }
    preferences_.insert(exifItemKey, exifItemsStatus_);
}

void Settings::setPrintFont(const QString& familyName, const QString& postScriptName,
                            quint64 styleIndex) {
    printFontFamilyName_ = familyName;
    printFontName_ = postScriptName;
    printFontStyleIndex_ = styleIndex;
    preferences_.insert(fontFamilyNameKey, printFontFamilyName_);
    preferences_.insert(fontNameKey, printFontName_);
    preferences_.insert(fontStyleIndexKey, QVariant::fromValue(printFontStyleIndex_));
}

void Settings::setMedium(const QString& medium) {
    medium_ = medium;
    preferences_.insert(mediaTypeNameKey, medium_);
    hasMedium_ = true;
}

void Settings::setDefaultLens(const QString& name) {
    preferences_.insert(SettingsFile::defaultLensKey, name);
}

std::optional<QString> Settings::defaultLens() const {
    const QVariant stored = preferences_.value(SettingsFile::defaultLensKey);
    if (holds(stored, QMetaType::QString) && lensList_.contains(stored.toString()))
        return stored.toString();
    for (const QString& name :
         {SettingsFile::photographLensEntry, SettingsFile::photographLensEntry.toLower()})
        if (lensList_.contains(name))
            return name;
    return std::nullopt;
}

bool Settings::isOn(const QString& key) const {
    return SettingsFile::isTrue(preferences_.value(key));
}

void Settings::setOn(const QString& key, bool on) {
    preferences_.insert(key, on);
}

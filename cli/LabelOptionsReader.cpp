#include "cli/LabelOptionsReader.h"

#include "photo/DefaultExifItems.h"
#include "photo/LabelMedia.h"
#include "photo/SettingsFile.h"
#include "platform/FontCatalogue.h"
#include "platform/LocalizedText.h"
#include "platform/PropertyList.h"

#include <QCommandLineParser>
#include <QFileInfo>

#include <cstdio>

namespace {

const QString mediumOption = QStringLiteral("medium");
const QString titleOption = QStringLiteral("title");
const QString photographerOption = QStringLiteral("photographer");
const QString lensOption = QStringLiteral("lens");
const QString fontOption = QStringLiteral("font");
const QString showOption = QStringLiteral("show");
const QString hideOption = QStringLiteral("hide");
const QString settingsOption = QStringLiteral("settings");

// Takes photographer, display settings, medium and default lens from a settings file,
// each only when it has the right type, as the application does at start-up.
Status readSettingsFile(const QString& path, LabelOptions& options) {
    const Result<QVariant> read = PropertyList::readFile(path);
    if (!read)
        return fileFailure(path, read.failure());
    if (read->typeId() != QMetaType::QVariantMap)
        return Failure{QStringLiteral("cliNotSettingsFileMsg"), {path}};
    const QVariantMap settings = read->toMap();
    const QVariant photographer = settings.value(SettingsFile::photographerKey);
    if (photographer.typeId() == QMetaType::QString)
        options.photographer = photographer.toString();
    const QVariant items = settings.value(SettingsFile::exifItemKey);
    if (items.typeId() == QMetaType::QVariantMap)
        options.displaySettings = items.toMap();
    const QVariant medium = settings.value(SettingsFile::mediaTypeNameKey);
    if (medium.typeId() == QMetaType::QString && LabelMedia::isMediumName(medium.toString()))
        options.medium = medium.toString();
    const QVariant lens = settings.value(SettingsFile::defaultLensKey);
    if (lens.typeId() == QMetaType::QString && !lens.toString().isEmpty())
        options.lens = lens.toString();
    return {};
}

// The settings file the window reads: the user's, or before the window has taken it
// over, the one older versions kept. None when neither exists.
QString windowSettingsFile() {
    for (const QString& path : {SettingsFile::userFilePath(), SettingsFile::formerUserFilePath()})
        if (QFileInfo(path).isFile())
            return path;
    return {};
}

// Switches the listed items to `shown`; an unknown key is an error.
Status switchItems(const QStringList& lists, bool shown, LabelOptions& options) {
    const QStringList known = LabelOptionsReader::knownItemKeys();
    for (const QString& list : lists) {
        for (const QString& rawKey : list.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            const QString key = rawKey.trimmed();
            if (!known.contains(key))
                return Failure{QStringLiteral("cliUnknownItemMsg"),
                               {key, known.join(QStringLiteral(", "))}};
            options.displaySettings.insert(key, shown);
        }
    }
    return {};
}

} // namespace

namespace LabelOptionsReader {

void addOptions(QCommandLineParser& parser) {
    parser.addOptions({
        {mediumOption, QStringLiteral("Label medium: \"Tape 18\" or \"Roll 60\"."),
         QStringLiteral("MEDIUM")},
        {titleOption, QStringLiteral("Title of the label."), QStringLiteral("TEXT")},
        {photographerOption, QStringLiteral("Photographer's name."), QStringLiteral("TEXT")},
        {lensOption,
         QStringLiteral("Lens name as chosen from the lens list (\"Exif\": the "
                        "photograph's own lens)."),
         QStringLiteral("NAME")},
        {fontOption, QStringLiteral("PostScript name of the label font."),
         QStringLiteral("POSTSCRIPTNAME")},
        {showOption, QStringLiteral("Show these items (comma-separated keys)."),
         QStringLiteral("KEY,...")},
        {hideOption, QStringLiteral("Hide these items (comma-separated keys)."),
         QStringLiteral("KEY,...")},
        {settingsOption,
         QStringLiteral("Take photographer, shown items and medium from this settings file "
                        "(read only)."),
         QStringLiteral("FILE")},
    });
}

QStringList knownItemKeys() {
    QStringList keys;
    for (const auto& [item, shown] : defaultExifItems())
        keys.append(PhotoInfo::itemName(item));
    keys.append(PhotoInfo::itemName(PhotoInfo::Item::ImageDescription));
    return keys;
}

Result<LabelOptions> read(const QCommandLineParser& parser) {
    LabelOptions options;
    options.medium = LabelMedia::tape18Name;
    options.photographer = localizedString(QStringLiteral("Photographer"));
    options.displaySettings = defaultExifItemsStatus();
    if (parser.isSet(settingsOption)) {
        if (const Status taken = readSettingsFile(parser.value(settingsOption), options); !taken)
            return taken.failure();
    } else if (const QString path = windowSettingsFile(); !path.isEmpty()) {
        // The window's own file, not asked for: one that cannot be read is told and
        // the defaults stand.
        if (const Status taken = readSettingsFile(path, options); !taken)
            std::fprintf(stderr, "kestavolin-cli: %s\n",
                         qUtf8Printable(localizedText(QStringLiteral("cliSettingsNotTakenWarning"),
                                                      {taken.failure().text()})));
    }
    if (parser.isSet(mediumOption)) {
        options.medium = parser.value(mediumOption);
        if (!LabelMedia::isMediumName(options.medium))
            return Failure{QStringLiteral("cliUnknownMediumMsg"),
                           {options.medium, LabelMedia::tape18Name, LabelMedia::roll60Name}};
    }
    if (parser.isSet(titleOption))
        options.title = parser.value(titleOption);
    if (parser.isSet(photographerOption))
        options.photographer = parser.value(photographerOption);
    if (parser.isSet(lensOption))
        options.lens = parser.value(lensOption);
    if (parser.isSet(fontOption)) {
        options.font = parser.value(fontOption);
        if (!FontCatalogue::resolveFont(*options.font))
            return Failure{QStringLiteral("cliNoFontMsg"), {*options.font}};
    }
    if (const Status switched = switchItems(parser.values(showOption), true, options); !switched)
        return switched.failure();
    if (const Status switched = switchItems(parser.values(hideOption), false, options); !switched)
        return switched.failure();
    return options;
}

} // namespace LabelOptionsReader

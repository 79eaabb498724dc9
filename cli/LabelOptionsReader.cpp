#include "cli/LabelOptionsReader.h"

#include "photo/ConstStrings.h"
#include "photo/DefaultExifItems.h"
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
std::optional<QString> readSettingsFile(const QString& path, LabelOptions& options) {
    const PropertyList::ReadResult read = PropertyList::readFile(path);
    if (!read.ok())
        return QStringLiteral("%1: %2").arg(path, read.error);
    if (read.value.typeId() != QMetaType::QVariantMap)
        return QStringLiteral("%1: not a settings file (its root is not a dictionary)").arg(path);
    const QVariantMap settings = read.value.toMap();
    const QVariant photographer = settings.value(SettingsFile::photographerKey);
    if (photographer.typeId() == QMetaType::QString)
        options.photographer = photographer.toString();
    const QVariant items = settings.value(SettingsFile::exifItemKey);
    if (items.typeId() == QMetaType::QVariantMap)
        options.displaySettings = items.toMap();
    const QVariant medium = settings.value(SettingsFile::mediaTypeNameKey);
    if (medium.typeId() == QMetaType::QString && isMediumName(medium.toString()))
        options.medium = medium.toString();
    const QVariant lens = settings.value(SettingsFile::defaultLensKey);
    if (lens.typeId() == QMetaType::QString && !lens.toString().isEmpty())
        options.lens = lens.toString();
    return std::nullopt;
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
std::optional<QString> switchItems(const QStringList& lists, bool shown, LabelOptions& options) {
    const QStringList known = LabelOptionsReader::knownItemKeys();
    for (const QString& list : lists) {
        for (const QString& rawKey : list.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            const QString key = rawKey.trimmed();
            if (!known.contains(key))
                return QStringLiteral("unknown item '%1' (known items: %2)")
                    .arg(key, known.join(QStringLiteral(", ")));
            options.displaySettings.insert(key, shown);
        }
    }
    return std::nullopt;
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
    for (const auto& [key, shown] : defaultExifItems())
        keys.append(key);
    keys.append(imageDescription);
    return keys;
}

std::variant<LabelOptions, QString> read(const QCommandLineParser& parser) {
    LabelOptions options;
    options.medium = MediaTape18Key;
    options.photographer = localizedString(QStringLiteral("Photographer"));
    options.displaySettings = defaultExifItemsStatus();
    if (parser.isSet(settingsOption)) {
        if (const auto error = readSettingsFile(parser.value(settingsOption), options))
            return *error;
    } else if (const QString path = windowSettingsFile(); !path.isEmpty()) {
        // The window's own file, not asked for: one that cannot be read is told and
        // the defaults stand.
        if (const auto error = readSettingsFile(path, options))
            std::fprintf(stderr, "kestavolin-cli: warning: settings not taken: %s\n",
                         qUtf8Printable(*error));
    }
    if (parser.isSet(mediumOption)) {
        options.medium = parser.value(mediumOption);
        if (!isMediumName(options.medium))
            return QStringLiteral("unknown medium '%1' (use \"%2\" or \"%3\")")
                .arg(options.medium, MediaTape18Key, MediaRoll60Key);
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
            return QStringLiteral("no installed font can stand for '%1'").arg(*options.font);
    }
    if (const auto error = switchItems(parser.values(showOption), true, options))
        return *error;
    if (const auto error = switchItems(parser.values(hideOption), false, options))
        return *error;
    return options;
}

} // namespace LabelOptionsReader

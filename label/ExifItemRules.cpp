#include "label/ExifItemRules.h"

#include <algorithm>
#include <array>

namespace ExifItemRules {

bool isAcceptedLensName(const QString& name) {
    return !name.isEmpty() && name.size() <= longestAcceptedLensName;
}

bool isShownUserLens(const QString& name) {
    return name.size() >= shortestShownUserLens && name.size() <= longestShownUserLens;
}

QString lastPathComponent(const QString& path) {
    QString trimmed = path;
    while (trimmed.size() > 1 && trimmed.endsWith(QLatin1Char('/')))
        trimmed.chop(1);
    return trimmed.mid(trimmed.lastIndexOf(QLatin1Char('/')) + 1);
}

QString withoutPadding(const QString& text) {
    qsizetype end = text.size();
    while (end > 0 && (text.at(end - 1) == QLatin1Char(' ') || text.at(end - 1).isNull()))
        --end;
    return text.left(end);
}

void appendItem(QString& text, const QString& value, const QString& separator) {
    if (!value.isEmpty())
        text += value + separator;
}

std::optional<PhotoInfo::Item> signTypeSourceItem(const QVariantMap& settings) {
    static const QString signType = QStringLiteral("SignType");
    if (!settings.contains(signType))
        return std::nullopt;
    const QString source = settings.value(signType).toString();
    if (source == QStringLiteral("artist"))
        return PhotoInfo::Item::Artist;
    if (source == QStringLiteral("copyright"))
        return PhotoInfo::Item::Copyright;
    return std::nullopt;
}

QString ShownItems::value(Item item) const {
    static const std::array storedTexts{Item::Maker,
                                        Item::Model,
                                        Item::LensMaker,
                                        Item::LensModel,
                                        Item::ImageDescription,
                                        Item::Artist,
                                        Item::Copyright,
                                        Item::DateTimeOriginal,
                                        Item::DateTimeDigitized};
    const QString stored = info_.text(item).value_or(QString());
    return std::ranges::find(storedTexts, item) != storedTexts.end() ? withoutPadding(stored)
                                                                     : stored;
}

void ShownItems::appendIfShown(QString& text, Item item, const QString& separator) const {
    if (isOn(item) && isPresent(item))
        appendItem(text, value(item), separator);
}

std::optional<QString> ShownItems::shownDate() const {
    if (!isOn(Item::DateTimeOriginal))
        return std::nullopt;
    if (isPresent(Item::DateTimeOriginal))
        return value(Item::DateTimeOriginal);
    if (isPresent(Item::DateTimeDigitized))
        return value(Item::DateTimeDigitized);
    return std::nullopt;
}

QString ShownItems::shownFileName(const QString& path) const {
    return isOn(Item::FileName) && !path.isEmpty() ? lastPathComponent(path) : QString();
}

QString ShownItems::valueOrSpace(Item item) const {
    const QString shown = isPresent(item) ? value(item) : QString();
    return shown.isEmpty() ? QStringLiteral(" ") : shown;
}

} // namespace ExifItemRules

#include "label/ExifItemRules.h"

#include "photo/ConstStrings.h"

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

std::optional<QString> signTypeSourceKey(const QVariantMap& settings) {
    static const QString signType = QStringLiteral("SignType");
    if (!settings.contains(signType))
        return std::nullopt;
    const QString source = settings.value(signType).toString();
    if (source == QStringLiteral("artist"))
        return artist;
    if (source == QStringLiteral("copyright"))
        return copyright;
    return std::nullopt;
}

QString ShownItems::value(const QString& key) const {
    static const QStringList storedTexts{
        maker,  model,     lensMaker,        lensModel,        imageDescription,
        artist, copyright, dateTimeOriginal, dateTimeDigitized};
    const QString stored = info_.value(key).toString();
    return storedTexts.contains(key) ? withoutPadding(stored) : stored;
}

void ShownItems::appendIfShown(QString& text, const QString& key, const QString& separator) const {
    if (isOn(key) && isPresent(key))
        appendItem(text, value(key), separator);
}

std::optional<QString> ShownItems::shownDate() const {
    if (!isOn(dateTimeOriginal))
        return std::nullopt;
    if (isPresent(dateTimeOriginal))
        return value(dateTimeOriginal);
    if (isPresent(dateTimeDigitized))
        return value(dateTimeDigitized);
    return std::nullopt;
}

QString ShownItems::shownFileName(const QString& path) const {
    return isOn(fileName) && !path.isEmpty() ? lastPathComponent(path) : QString();
}

QString ShownItems::valueOrSpace(const QString& key) const {
    const QString shown = isPresent(key) ? value(key) : QString();
    return shown.isEmpty() ? QStringLiteral(" ") : shown;
}

} // namespace ExifItemRules

#include "label/ShortenedText.h"

#include "platform/LocalizedText.h"
#include "platform/Result.h"

#include <QHash>

QString fieldName(const QString& field) {
    static const QHash<QString, QString> keys{
        {QStringLiteral("titleString"), QStringLiteral("fieldTitle")},
        {QStringLiteral("authorString"), QStringLiteral("fieldPhotographer")},
        {QStringLiteral("exifInst"), QStringLiteral("fieldCamera")},
        {QStringLiteral("exifLens1"), QStringLiteral("fieldLens")},
        {QStringLiteral("exifLens2"), QStringLiteral("fieldLens")},
        {QStringLiteral("exifData"), QStringLiteral("fieldExposure")},
        {QStringLiteral("dateTime"), QStringLiteral("fieldDate")},
        {QStringLiteral("fileNameStr"), QStringLiteral("fieldFileName")},
    };
    return localizedString(keys.value(field, field));
}

QString shortenedTextNotice(const QString& photograph, const ShortenedText& text) {
    return Failure{QStringLiteral("textShortenedMsg"),
                   {photograph, fieldName(text.field), text.fullText, text.shownText}}
        .text();
}

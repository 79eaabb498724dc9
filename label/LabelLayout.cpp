#include "label/LabelLayout.h"

#include "platform/Picture.h"

#include <QJsonArray>

QJsonObject layoutDescription(const LabelLayout& layout) {
    QJsonArray texts;
    for (const PlacedText& placed : layout.placedTexts()) {
        texts.append(QJsonObject{
            {QStringLiteral("field"), placed.field},
            {QStringLiteral("text"), placed.text.string()},
            {QStringLiteral("x"), placed.lowerLeft.x()},
            {QStringLiteral("y"), placed.lowerLeft.y()},
            {QStringLiteral("width"), static_cast<double>(placed.text.width())},
            {QStringLiteral("fontSize"), placed.text.font().pointSizeF()},
        });
    }
    const QSizeF size = layout.labelSize();
    return QJsonObject{
        {QStringLiteral("medium"), layout.medium()},
        {QStringLiteral("width"), size.width()},
        {QStringLiteral("height"), size.height()},
        {QStringLiteral("texts"), texts},
    };
}

std::shared_ptr<Picture> blankPicture(const QSizeF& size) {
    QImage transparent(1, 1, QImage::Format_ARGB32_Premultiplied);
    transparent.fill(Qt::transparent);
    return Picture::initWithImage(std::move(transparent), size);
}

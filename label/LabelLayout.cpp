#include "label/LabelLayout.h"

#include "label/ExifItemRules.h"
#include "label/LabelCanvas.h"
#include "photo/Kestavolin.h"
#include "photo/SettingsFile.h"
#include "pictures/Picture.h"
#include "platform/FontCatalogue.h"

#include <QJsonArray>

namespace {

// Both media set the title and the photographer at these sizes.
constexpr qreal titlePointSize = 14;
constexpr qreal authorPointSize = 12;

} // namespace

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

LabelLayout::LabelLayout(qreal exifPointSize) : exifPointSize_(exifPointSize) {
    makeFonts(SettingsFile::defaultFont().postScriptName);
    titleString_.assign(space, titleFont_);
    authorString_.assign(space, authorFont_);
}

QFont LabelLayout::labelFont(qreal pointSize) const {
    return FontCatalogue::fontWithName(fontName_, pointSize);
}

void LabelLayout::makeFonts(const QString& postScriptName) {
    fontName_ = postScriptName;
    titleFont_ = labelFont(titlePointSize);
    authorFont_ = labelFont(authorPointSize);
    exifFont_ = labelFont(exifPointSize_);
}

void LabelLayout::setExifSetingDisplay(const QVariantMap& settings) {
    exifSetingOfDisplay_ = settings;
}

void LabelLayout::setTitle(const QString& title) {
    titleString_.assign(title, titleFont_);
}

void LabelLayout::setAuthor(const QString& author) {
    authorString_.assign(author, authorFont_);
}

void LabelLayout::setFonts(const QString& postScriptName) {
    makeFonts(postScriptName);
    titleString_.setAttributes(titleFont_);
    authorString_.setAttributes(authorFont_);
    applyFonts();
}

void LabelLayout::takeThumbnail(const std::shared_ptr<Picture>& picture) {
    const QSizeF size = picture ? picture->size() : QSizeF();
    if (!(size.width() > 0 && size.height() > 0)) {
        printImage_.reset();
        thumbnailSize_ = QSizeF();
        return;
    }
    // The picture may be shared with the other medium, so its own size stays as it
    // is. Label geometry is kept in 32-bit floats.
    printImage_ = picture;
    const QSizeF onLabel = thumbnailSizeFor(size);
    thumbnailSize_ =
        QSizeF(static_cast<float>(onLabel.width()), static_cast<float>(onLabel.height()));
}

void LabelLayout::setExifData(const Kestavolin* record) {
    if (!record || !record->haveExif())
        return;
    takeThumbnail(record->photoImage());
    const QVariantMap& info = record->exifData();
    // A photograph without metadata keeps nothing of the last one's camera; one
    // accepted without camera data still names its file.
    if (info.isEmpty()) {
        blankExif();
        if (record->withoutCameraData())
            showFileNameAlone(ExifItemRules::ShownItems(exifSetingOfDisplay_, info)
                                  .shownFileName(record->fileName()));
        return;
    }
    takeExifTexts(*record, info);
}

void LabelLayout::setUserLens(const QString& lensName) {
    if (!ExifItemRules::isAcceptedLensName(lensName))
        return;
    lens_.pick(lensName);
    showPickedLens();
}

void LabelLayout::blankExif() {
    lens_.clear();
    blankExifTexts();
}

void LabelLayout::clearAllStr() {
    printImage_.reset();
    thumbnailSize_ = QSizeF();
    exifSetingOfDisplay_ = QVariantMap();
    blankExif();
    titleString_.assign(space, titleFont_);
    authorString_.assign(space, authorFont_);
}

void LabelLayout::drawBackground(LabelCanvas&, const QRectF&) const {}

void LabelLayout::drawRect(QPainter& painter, const QSizeF& viewSize, bool dragging) const {
    LabelCanvas canvas(painter, viewSize.height());
    const QRectF bounds(QPointF(0, 0), viewSize);
    canvas.fillRect(bounds, dragging ? dragHighlightColour : Qt::white);
    drawBackground(canvas, bounds);
    if (printImage_)
        canvas.drawPicture(*printImage_, thumbnailRect());
    for (const PlacedText& placed : placedTexts())
        canvas.drawText(placed.text, placed.lowerLeft);
}

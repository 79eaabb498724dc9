#include "label/LabelLayout.h"

#include "label/ExifItemRules.h"
#include "label/LabelCanvas.h"
#include "photo/PhotoRecord.h"
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
    titleText_.assign(space, titleFont_);
    photographerText_.assign(space, photographerFont_);
}

QFont LabelLayout::labelFont(qreal pointSize) const {
    return FontCatalogue::fontWithName(fontName_, pointSize);
}

void LabelLayout::makeFonts(const QString& postScriptName) {
    fontName_ = postScriptName;
    titleFont_ = labelFont(titlePointSize);
    photographerFont_ = labelFont(authorPointSize);
    exifFont_ = labelFont(exifPointSize_);
}

void LabelLayout::setDisplaySettings(const QVariantMap& settings) {
    displaySettings_ = settings;
}

void LabelLayout::setTitle(const QString& title) {
    titleText_.assign(title, titleFont_);
    textsChanged();
}

void LabelLayout::setPhotographer(const QString& author) {
    photographerText_.assign(author, photographerFont_);
    textsChanged();
}

void LabelLayout::setFonts(const QString& postScriptName) {
    makeFonts(postScriptName);
    titleText_.setAttributes(titleFont_);
    photographerText_.setAttributes(photographerFont_);
    applyFonts();
    textsChanged();
}

void LabelLayout::takeThumbnail(const std::shared_ptr<Picture>& picture) {
    const QSizeF size = picture ? picture->size() : QSizeF();
    if (!(size.width() > 0 && size.height() > 0)) {
        thumbnail_.reset();
        thumbnailSize_ = QSizeF();
        return;
    }
    // The picture may be shared with the other medium, so its own size stays as it
    // is. Label geometry is kept in 32-bit floats.
    thumbnail_ = picture;
    const QSizeF onLabel = thumbnailSizeFor(size);
    thumbnailSize_ =
        QSizeF(static_cast<float>(onLabel.width()), static_cast<float>(onLabel.height()));
}

void LabelLayout::setExifData(const PhotoRecord* record) {
    if (!record || !record->haveExif())
        return;
    takeThumbnail(record->photoImage());
    const PhotoInfo& info = record->info();
    // A photograph without metadata keeps nothing of the last one's camera; one
    // accepted without camera data still names its file.
    if (info.isEmpty()) {
        blankExif();
        if (record->withoutCameraData())
            showFileNameAlone(ExifItemRules::ShownItems(displaySettings_, info)
                                  .shownFileName(record->fileName()));
    } else {
        takeExifTexts(*record, info);
    }
    textsChanged();
}

void LabelLayout::setUserLens(const QString& lensName) {
    if (!ExifItemRules::isAcceptedLensName(lensName))
        return;
    lens_.pick(lensName);
    showPickedLens();
    textsChanged();
}

void LabelLayout::blankExif() {
    lens_.clear();
    blankExifTexts();
}

void LabelLayout::clear() {
    thumbnail_.reset();
    thumbnailSize_ = QSizeF();
    displaySettings_ = QVariantMap();
    blankExif();
    titleText_.assign(space, titleFont_);
    photographerText_.assign(space, photographerFont_);
    textsChanged();
}

void LabelLayout::drawBackground(LabelCanvas&, const QRectF&) const {}

void LabelLayout::draw(QPainter& painter, const QSizeF& viewSize, bool dragging) const {
    LabelCanvas canvas(painter, viewSize.height());
    const QRectF bounds(QPointF(0, 0), viewSize);
    canvas.fillRect(bounds, dragging ? dragHighlightColour : Qt::white);
    drawBackground(canvas, bounds);
    if (thumbnail_)
        canvas.drawPicture(*thumbnail_, thumbnailRect());
    for (const PlacedText& placed : placedTexts())
        canvas.drawText(placed.text, placed.lowerLeft, Qt::black, placed.keptClear);
}

#include "label/Tack66Layout.h"

#include "label/ExifItemRules.h"
#include "label/LabelCanvas.h"
#include "photo/ConstStrings.h"
#include "photo/Kestavolin.h"
#include "photo/SettingsFile.h"
#include "platform/FontCatalogue.h"
#include "platform/Picture.h"

using namespace ExifItemRules;

namespace {

constexpr qreal titlePointSize = 14;
constexpr qreal authorPointSize = 12;
constexpr qreal exifPointSize = 9;

// Every text starts at this distance from the left edge, inside the inner frame.
constexpr qreal textX = 10;
constexpr qreal exposureBlockX = 80;
constexpr qreal titleY = 19;
constexpr qreal authorY = 8;
constexpr qreal exposureBlockY = 69;
constexpr qreal cameraLineY = 58;
constexpr qreal lens1Y = 47;
constexpr qreal lens2Y = 36;
constexpr qreal fileNameY = 150;
constexpr qreal dateY = 139;
// The thumbnail's lower-left corner.
constexpr qreal thumbnailX = 10;
constexpr qreal thumbnailY = 71;
constexpr qreal frameInset = 8;
constexpr qreal outerFrameWidth = 1.0;
constexpr qreal innerFrameWidth = 0.2;

const QString space = QStringLiteral(" ");
const QChar rowSeparator = QChar(13);

} // namespace

Tack66Layout::Tack66Layout() {
    makeFonts(SettingsFile::defaultFont().postScriptName);
    titleString_.assign(space, titleAttribute_);
    authorString_.assign(space, authorAttribute_);
    setExposureBlock(space);
    for (AttributedText* text : {&exifInst_, &exifLens1_, &exifLens2_, &dateTime_, &fileNameStr_})
        text->assign(space, exifAttribute_);
    printImage_ = blankPicture(QSizeF(imageWith_, 43.0));
}

QString Tack66Layout::medium() const {
    return MediaRoll60Key;
}

void Tack66Layout::makeFonts(const QString& postScriptName) {
    titleAttribute_ = FontCatalogue::fontWithName(postScriptName, titlePointSize);
    authorAttribute_ = FontCatalogue::fontWithName(postScriptName, authorPointSize);
    exifAttribute_ = FontCatalogue::fontWithName(postScriptName, exifPointSize);
}

void Tack66Layout::setExposureBlock(const QString& block) {
    exifData_.assign(block, exifAttribute_);
    exifData_.setFixedRowHeight(exposureRowHeight);
}

void Tack66Layout::setExifSetingDisplay(const QVariantMap& settings) {
    exifSetingOfDisplay_ = settings;
}

void Tack66Layout::setTitle(const QString& title) {
    titleString_.assign(title, titleAttribute_);
}

void Tack66Layout::setAuthor(const QString& author) {
    authorString_.assign(author, authorAttribute_);
}

void Tack66Layout::setFonts(const QString& postScriptName) {
    makeFonts(postScriptName);
    titleString_.setAttributes(titleAttribute_);
    authorString_.setAttributes(authorAttribute_);
    setExposureBlock(exifData_.string());
    for (AttributedText* text : {&exifInst_, &exifLens1_, &exifLens2_, &dateTime_, &fileNameStr_})
        text->setAttributes(exifAttribute_);
}

void Tack66Layout::takeThumbnail(const std::shared_ptr<Picture>& picture) {
    printImage_ = picture;
    if (!picture) {
        imageWith_ = 0.0f;
        return;
    }
    double width = picture->size().width();
    double height = picture->size().height();
    // Fit the longer side into the square, keeping the aspect ratio; never enlarge.
    if (height > width) {
        if (height > thumbnailSide) {
            width *= static_cast<float>(thumbnailSide / height);
            height = thumbnailSide;
        }
    } else if (width > thumbnailSide) {
        height *= static_cast<float>(thumbnailSide / width);
        width = thumbnailSide;
    }
    picture->setSize(QSizeF(width, height));
    imageWith_ = static_cast<float>(width);
}

void Tack66Layout::storeLensText(const QString& piece) {
    const QString block = cutText(piece, lensTextLimit);
    if (block.size() > lensLineLimit) {
        const QString firstLine = cutText(block, lensLineLimit);
        exifLens1_.assign(firstLine, exifAttribute_);
        exifLens2_.assign(block.mid(firstLine.size()), exifAttribute_);
    } else {
        exifLens1_.assign(block, exifAttribute_);
        exifLens2_.assign(space, exifAttribute_);
    }
}

void Tack66Layout::setExifData(const Kestavolin* record) {
    if (!record || !record->haveExif())
        return;
    takeThumbnail(record->photoImage());
    const QVariantMap& info = record->exifData();
    // A photograph without metadata keeps nothing of the last one's camera; one
    // accepted without camera data still names its file.
    if (info.isEmpty()) {
        blankExifTexts();
        if (record->withoutCameraData())
            showFileName(ShownItems(exifSetingOfDisplay_, info), record->fileName());
        return;
    }

    makerSkip_ = info.contains(skipMaker) && info.value(skipMaker).toBool();

    const ShownItems items(exifSetingOfDisplay_, info);
    // Camera line: maker and model.
    QString piece;
    if (items.isOn(maker) && !makerSkip_ && items.isPresent(maker))
        piece = items.value(maker) + space;
    items.appendIfShown(piece, model, QString());
    exifInst_.assign(cutText(piece, cameraLineLimit), exifAttribute_);

    // Lens text: an absent lens maker or model still leaves its space.
    lens_.takePhotograph(items);
    storeLensText(lens_.text(exifSetingOfDisplay_, space));

    // Exposure block: six rows, each cut on its own; an empty row keeps its place.
    const std::vector<std::vector<std::pair<QString, QString>>> rows{
        {{focalLength, QString()}, {focalLengthIn35mmFormat, QString()}},
        {{fNumber, space}, {exposureTime, QString()}},
        {{sensitivity, space}, {exposureBiasValue, QString()}},
        {{exposureProgram, QString()}},
        {{meteringMode, QString()}},
        {{whiteBalance, QString()}},
    };
    QString block;
    for (std::size_t row = 0; row < rows.size(); ++row) {
        piece.clear();
        for (const auto& [key, separator] : rows[row])
            items.appendIfShown(piece, key, separator);
        block += cutText(piece, shortTextLimit);
        if (row + 1 < rows.size())
            block += rowSeparator;
    }
    setExposureBlock(block);

    // The date is never cut.
    dateTime_.assign(items.shownDate().value_or(QString()), exifAttribute_);

    showFileName(items, record->fileName());

    if (items.isOn(imageDescription))
        titleString_.assign(cutText(items.valueOrSpace(imageDescription), shortTextLimit),
                            titleAttribute_);
    if (const auto source = signTypeSourceKey(exifSetingOfDisplay_))
        authorString_.assign(cutText(items.valueOrSpace(*source), shortTextLimit),
                             authorAttribute_);
}

void Tack66Layout::setUserLens(const QString& lensName) {
    if (!isAcceptedLensName(lensName))
        return;
    lens_.pick(lensName);
    // Unlike a new photograph, a chosen lens shows no lens maker and no trailing space.
    QString piece;
    if (SettingsFile::isItemOn(exifSetingOfDisplay_, lensModel)) {
        if (lens_.showsPhotographLens())
            piece = lens_.photographLensModel();
        else if (isShownUserLens(lens_.pickedLens()))
            piece = lens_.pickedLens();
    }
    storeLensText(piece);
}

// The exposure block keeps only its font until the next photograph or font change.
void Tack66Layout::showFileName(const ShownItems& items, const QString& path) {
    fileNameStr_.assign(cutText(items.shownFileName(path), shortTextLimit), exifAttribute_);
}

void Tack66Layout::blankExifTexts() {
    lens_.clear();
    for (AttributedText* text :
         {&exifInst_, &exifLens1_, &exifLens2_, &exifData_, &dateTime_, &fileNameStr_})
        text->assign(space, exifAttribute_);
}

void Tack66Layout::clearAllStr() {
    printImage_.reset();
    exifSetingOfDisplay_ = QVariantMap();
    blankExifTexts();
    titleString_.assign(space, titleAttribute_);
    authorString_.assign(space, authorAttribute_);
}

std::vector<PlacedText> Tack66Layout::placedTexts() const {
    return {
        {QStringLiteral("titleString"), titleString_, {textX, titleY}},
        {QStringLiteral("authorString"), authorString_, {textX, authorY}},
        {QStringLiteral("exifData"), exifData_, {exposureBlockX, exposureBlockY}},
        {QStringLiteral("exifInst"), exifInst_, {textX, cameraLineY}},
        {QStringLiteral("exifLens1"), exifLens1_, {textX, lens1Y}},
        {QStringLiteral("exifLens2"), exifLens2_, {textX, lens2Y}},
        {QStringLiteral("fileNameStr"), fileNameStr_, {textX, fileNameY}},
        {QStringLiteral("dateTime"), dateTime_, {textX, dateY}},
    };
}

void Tack66Layout::drawRect(QPainter& painter, const QSizeF& viewSize, bool dragging) {
    LabelCanvas canvas(painter, viewSize.height());
    const QRectF bounds(QPointF(0, 0), viewSize);
    canvas.fillRect(bounds, dragging ? dragHighlightColour : Qt::white);
    canvas.strokeRect(bounds, outerFrameWidth, Qt::black);
    canvas.strokeRect(bounds.adjusted(frameInset, frameInset, -frameInset, -frameInset),
                      innerFrameWidth, Qt::black);
    const QSizeF thumbnail = printImage_ ? printImage_->size() : QSizeF(0, 0);
    imageWith_ = static_cast<float>(thumbnail.width());
    imageHight_ = static_cast<float>(thumbnail.height());
    if (printImage_)
        canvas.drawPicture(*printImage_, QRectF(thumbnailX, thumbnailY, imageWith_, imageHight_));
    for (const PlacedText& placed : placedTexts())
        canvas.drawText(placed.text, placed.lowerLeft);
}

#include "label/RollLayout.h"

#include "label/ExifItemRules.h"
#include "label/LabelCanvas.h"
#include "photo/ConstStrings.h"
#include "photo/PhotoRecord.h"
#include "photo/SettingsFile.h"

using namespace ExifItemRules;

namespace {

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

const QChar rowSeparator = QChar(13);

} // namespace

RollLayout::RollLayout() : LabelLayout(exifPointSize) {
    setExposureBlock(space);
    for (AttributedText* text : singleLineTexts())
        text->assign(space, exifFont());
}

QString RollLayout::medium() const {
    return MediaRoll60Key;
}

std::array<AttributedText*, 5> RollLayout::singleLineTexts() {
    return {&exifInst_, &exifLens1_, &exifLens2_, &dateTime_, &fileNameStr_};
}

void RollLayout::setExposureBlock(const QString& block) {
    exifData_.assign(block, exifFont());
    exifData_.setFixedRowHeight(exposureRowHeight);
}

void RollLayout::applyFonts() {
    setExposureBlock(exifData_.string());
    for (AttributedText* text : singleLineTexts())
        text->setAttributes(exifFont());
}

QSizeF RollLayout::thumbnailSizeFor(const QSizeF& pictureSize) const {
    double width = pictureSize.width();
    double height = pictureSize.height();
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
    return QSizeF(width, height);
}

QRectF RollLayout::thumbnailRect() const {
    return QRectF(QPointF(thumbnailX, thumbnailY), thumbnailSize());
}

void RollLayout::storeLensText(const QString& piece) {
    const QString block = cutText(piece, lensTextLimit);
    if (block.size() > lensLineLimit) {
        const QString firstLine = cutText(block, lensLineLimit);
        exifLens1_.assign(firstLine, exifFont());
        exifLens2_.assign(block.mid(firstLine.size()), exifFont());
    } else {
        exifLens1_.assign(block, exifFont());
        exifLens2_.assign(space, exifFont());
    }
}

void RollLayout::takeExifTexts(const PhotoRecord& record, const QVariantMap& info) {
    // Decided again for every photograph.
    setMakerSkip(info.contains(skipMaker) && info.value(skipMaker).toBool());

    const ShownItems items(displaySettings(), info);
    // Camera line: maker and model.
    QString piece;
    if (items.isOn(maker) && !makerSkip() && items.isPresent(maker))
        piece = items.value(maker) + space;
    items.appendIfShown(piece, model, QString());
    exifInst_.assign(cutText(piece, cameraLineLimit), exifFont());

    // Lens text: an absent lens maker or model still leaves its space.
    lens().takePhotograph(items);
    storeLensText(lens().text(displaySettings(), space));

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
    dateTime_.assign(items.shownDate().value_or(QString()), exifFont());

    showFileNameAlone(items.shownFileName(record.fileName()));

    if (items.isOn(imageDescription))
        setTitle(cutText(items.valueOrSpace(imageDescription), shortTextLimit));
    if (const auto source = signTypeSourceKey(displaySettings()))
        setPhotographer(cutText(items.valueOrSpace(*source), shortTextLimit));
}

void RollLayout::showPickedLens() {
    // Unlike a new photograph, a chosen lens shows no lens maker and no trailing space.
    QString piece;
    if (SettingsFile::isItemOn(displaySettings(), lensModel)) {
        if (lens().showsPhotographLens())
            piece = lens().photographLensModel();
        else if (isShownUserLens(lens().pickedLens()))
            piece = lens().pickedLens();
    }
    storeLensText(piece);
}

// The exposure block keeps only its font until the next photograph or font change.
void RollLayout::showFileNameAlone(const QString& name) {
    fileNameStr_.assign(cutText(name, shortTextLimit), exifFont());
}

void RollLayout::blankExifTexts() {
    for (AttributedText* text : singleLineTexts())
        text->assign(space, exifFont());
    exifData_.assign(space, exifFont());
}

std::vector<PlacedText> RollLayout::placedTexts() const {
    return {
        {QStringLiteral("titleString"), titleText(), {textX, titleY}},
        {QStringLiteral("authorString"), photographerText(), {textX, authorY}},
        {QStringLiteral("exifData"), exifData_, {exposureBlockX, exposureBlockY}},
        {QStringLiteral("exifInst"), exifInst_, {textX, cameraLineY}},
        {QStringLiteral("exifLens1"), exifLens1_, {textX, lens1Y}},
        {QStringLiteral("exifLens2"), exifLens2_, {textX, lens2Y}},
        {QStringLiteral("fileNameStr"), fileNameStr_, {textX, fileNameY}},
        {QStringLiteral("dateTime"), dateTime_, {textX, dateY}},
    };
}

void RollLayout::drawBackground(LabelCanvas& canvas, const QRectF& bounds) const {
    canvas.strokeRect(bounds, outerFrameWidth, Qt::black);
    canvas.strokeRect(bounds.adjusted(frameInset, frameInset, -frameInset, -frameInset),
                      innerFrameWidth, Qt::black);
}

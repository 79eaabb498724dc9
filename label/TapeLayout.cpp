#include "label/TapeLayout.h"

#include "label/ExifItemRules.h"
#include "label/LabelCanvas.h"
#include "photo/ConstStrings.h"
#include "photo/Kestavolin.h"
#include "photo/SettingsFile.h"
#include "platform/FontCatalogue.h"
#include "platform/LocalizedText.h"
#include "platform/Picture.h"

using namespace ExifItemRules;

namespace {

constexpr qreal titlePointSize = 14;
constexpr qreal authorPointSize = 12;
constexpr qreal indexPointSize = 7;
constexpr qreal exifPointSize = 10;

// Heights of the texts' lower edges above the bottom of the strip.
constexpr qreal titleY = 19;
constexpr qreal authorY = 0;
constexpr qreal indexAuthorY = 13;
constexpr qreal indexTitleY = 34;
constexpr qreal exifOtherY = 0;
constexpr qreal exifModeY = 10.5;
constexpr qreal exifExposY = 21;
constexpr qreal exifInstY = 31.5;

const QString space = QStringLiteral(" ");
const QString fullStopSeparator = QStringLiteral(". ");

} // namespace

TapeLayout::TapeLayout() {
    makeFonts(SettingsFile::defaultFont().postScriptName);
    titleString_.assign(space, titleAttribute_);
    authorString_.assign(space, authorAttribute_);
    indexTitleString_.assign(localizedString(QStringLiteral("Title")), indexAttribute_);
    indexAuthorString_.assign(localizedString(QStringLiteral("Photographer")), indexAttribute_);
    recomputeTitleWith();
    for (AttributedText* line : {&exifInst_, &exifExpos_, &exifMode_, &exifOther_})
        line->assign(space, exifAttribute_);
    recomputeExifWith();
    imageWith_ = 1.0f;
    recomputeTapeWidth();
    printImage_ = blankPicture(QSizeF(imageWith_, tapeHeight));
}

QString TapeLayout::medium() const {
    return MediaTape18Key;
}

void TapeLayout::makeFonts(const QString& postScriptName) {
    titleAttribute_ = FontCatalogue::fontWithName(postScriptName, titlePointSize);
    authorAttribute_ = FontCatalogue::fontWithName(postScriptName, authorPointSize);
    indexAttribute_ = FontCatalogue::fontWithName(postScriptName, indexPointSize);
    exifAttribute_ = FontCatalogue::fontWithName(postScriptName, exifPointSize);
}

void TapeLayout::recomputeTitleWith() {
    RunningMaximum widest;
    for (const AttributedText* text :
         {&titleString_, &authorString_, &indexTitleString_, &indexAuthorString_})
        widest.consider(text->width());
    titleWith_ = widest.value();
}

void TapeLayout::recomputeExifWith() {
    RunningMaximum widest;
    for (const AttributedText* line : {&exifInst_, &exifExpos_, &exifMode_, &exifOther_})
        widest.consider(line->width());
    exifWith_ = widest.value();
}

void TapeLayout::recomputeTapeWidth() {
    // Added term by term in 32-bit floating point, as the label length is announced.
    float width = imageWith_ + gap;
    width += gap;
    width += titleWith_;
    width += gap;
    width += exifWith_;
    width += gap;
    tapeSize_ = QSizeF(static_cast<double>(width), tapeHeight);
}

void TapeLayout::setExifSetingDisplay(const QVariantMap& settings) {
    exifSetingOfDisplay_ = settings;
}

void TapeLayout::setTitle(const QString& title) {
    titleString_.assign(title, titleAttribute_);
    recomputeTitleWith();
    recomputeTapeWidth();
}

void TapeLayout::setAuthor(const QString& author) {
    authorString_.assign(author, authorAttribute_);
    recomputeTitleWith();
    recomputeTapeWidth();
}

void TapeLayout::setFonts(const QString& postScriptName) {
    makeFonts(postScriptName);
    indexTitleString_.setAttributes(indexAttribute_);
    indexAuthorString_.setAttributes(indexAttribute_);
    titleString_.setAttributes(titleAttribute_);
    authorString_.setAttributes(authorAttribute_);
    for (AttributedText* line : {&exifInst_, &exifExpos_, &exifMode_, &exifOther_})
        line->setAttributes(exifAttribute_);
    recomputeTitleWith();
    recomputeExifWith();
    recomputeTapeWidth();
}

void TapeLayout::takeThumbnail(const std::shared_ptr<Picture>& picture) {
    printImage_ = picture;
    const QSizeF size = picture ? picture->size() : QSizeF();
    // A picture without height cannot be scaled to the strip; it counts as none.
    if (!picture || !(size.height() > 0)) {
        printImage_.reset();
        imageWith_ = 0.0f;
        return;
    }
    const auto factor = static_cast<float>(tapeHeight / size.height());
    const double width = size.width() * factor;
    printImage_->setSize(QSizeF(width, tapeHeight));
    imageWith_ = static_cast<float>(width);
}

void TapeLayout::setExifData(const Kestavolin* record) {
    if (!record || !record->haveExif())
        return;
    takeThumbnail(record->photoImage());
    const QVariantMap& info = record->exifData();
    // A photograph without metadata keeps nothing of the last one's camera; one
    // accepted without camera data still names its file.
    if (info.isEmpty()) {
        blankExifLines();
        if (record->withoutCameraData())
            showFileNameAlone(
                ShownItems(exifSetingOfDisplay_, info).shownFileName(record->fileName()));
        return;
    }

    exifMaker_.clear();
    exifModel_.clear();
    if (info.contains(skipMaker))
        makerSkip_ = info.value(skipMaker).toBool();

    const ShownItems items(exifSetingOfDisplay_, info);
    // Line 1: maker, model and lens, each closed by a full stop. Only the maker is
    // tested for presence; an absent model or lens still leaves its separator.
    QString work;
    if (items.isPresent(maker))
        exifMaker_ = items.value(maker);
    if (items.isOn(maker) && !makerSkip_ && items.isPresent(maker))
        work = exifMaker_ + fullStopSeparator;
    if (items.isPresent(model))
        exifModel_ = items.value(model);
    if (items.isOn(model))
        work += exifModel_ + fullStopSeparator;
    lens_.takePhotograph(items);
    work += lens_.text(exifSetingOfDisplay_, fullStopSeparator);
    exifInst_.assign(work, exifAttribute_);

    // Line 2: focal lengths and exposure.
    work.clear();
    for (const QString& key :
         {focalLength, focalLengthIn35mmFormat, fNumber, exposureTime, sensitivity})
        items.appendIfShown(work, key, space);
    items.appendIfShown(work, exposureBiasValue, QString());
    exifExpos_.assign(work, exifAttribute_);

    // Line 3: exposure mode, program and metering.
    work.clear();
    items.appendIfShown(work, exposureMode, space);
    items.appendIfShown(work, exposureProgram, space);
    items.appendIfShown(work, meteringMode, QString());
    exifMode_.assign(work, exifAttribute_);

    // Line 4: white balance, date and file name.
    work.clear();
    items.appendIfShown(work, whiteBalance, space);
    if (const auto date = items.shownDate())
        work += *date + space;
    work += items.shownFileName(record->fileName());
    exifOther_.assign(work, exifAttribute_);

    if (items.isOn(imageDescription)) {
        titleString_.assign(items.valueOrSpace(imageDescription), titleAttribute_);
        recomputeTitleWith();
    }
    if (const auto source = signTypeSourceKey(exifSetingOfDisplay_)) {
        authorString_.assign(items.valueOrSpace(*source), authorAttribute_);
        recomputeTitleWith();
    }
    recomputeExifWith();
    recomputeTapeWidth();
}

void TapeLayout::setUserLens(const QString& lensName) {
    if (!isAcceptedLensName(lensName))
        return;
    // Maker and model as kept from the last photograph, separated by single spaces.
    QString work;
    if (SettingsFile::isItemOn(exifSetingOfDisplay_, maker) && !makerSkip_)
        work = exifMaker_ + space;
    if (SettingsFile::isItemOn(exifSetingOfDisplay_, model))
        work += exifModel_ + space;
    lens_.pick(lensName);
    work += lens_.text(exifSetingOfDisplay_, space);
    exifInst_.assign(work, exifAttribute_);
    recomputeExifWith();
    recomputeTapeWidth();
}

void TapeLayout::showFileNameAlone(const QString& name) {
    if (name.isEmpty())
        return;
    exifOther_.assign(name, exifAttribute_);
    recomputeExifWith();
    recomputeTapeWidth();
}

void TapeLayout::blankExifLines() {
    exifMaker_ = space;
    exifModel_ = space;
    lens_.clear();
    for (AttributedText* line : {&exifInst_, &exifExpos_, &exifMode_, &exifOther_})
        line->assign(space, exifAttribute_);
    recomputeExifWith();
    recomputeTapeWidth();
}

void TapeLayout::clearAllStr() {
    printImage_.reset();
    imageWith_ = 1.0f;
    exifSetingOfDisplay_ = QVariantMap();
    blankExifLines();
    authorString_.assign(space, authorAttribute_);
    titleString_.assign(space, titleAttribute_);
    recomputeTitleWith();
    recomputeTapeWidth();
}

float TapeLayout::drawnImageWidth() const {
    return printImage_ ? static_cast<float>(printImage_->size().width()) : 0.0f;
}

std::vector<PlacedText> TapeLayout::placedTexts() const {
    const float titleColumn = drawnImageWidth() + gap + gap;
    const float exifColumn = drawnImageWidth() + gap + gap + titleWith_ + gap;
    return {
        {QStringLiteral("titleString"), titleString_, {titleColumn, titleY}},
        {QStringLiteral("authorString"), authorString_, {titleColumn, authorY}},
        {QStringLiteral("indexAuthorString"), indexAuthorString_, {titleColumn, indexAuthorY}},
        {QStringLiteral("indexTitleString"), indexTitleString_, {titleColumn, indexTitleY}},
        {QStringLiteral("exifOther"), exifOther_, {exifColumn, exifOtherY}},
        {QStringLiteral("exifMode"), exifMode_, {exifColumn, exifModeY}},
        {QStringLiteral("exifExpos"), exifExpos_, {exifColumn, exifExposY}},
        {QStringLiteral("exifInst"), exifInst_, {exifColumn, exifInstY}},
    };
}

void TapeLayout::drawRect(QPainter& painter, const QSizeF& viewSize, bool dragging) {
    LabelCanvas canvas(painter, viewSize.height());
    canvas.fillRect(QRectF(QPointF(0, 0), viewSize), dragging ? dragHighlightColour : Qt::white);
    imageWith_ = drawnImageWidth();
    if (printImage_)
        canvas.drawPicture(*printImage_, QRectF(gap, 0, imageWith_, tapeHeight));
    for (const PlacedText& placed : placedTexts())
        canvas.drawText(placed.text, placed.lowerLeft);
}

#include "label/TapeLayout.h"

#include "label/ExifItemRules.h"
#include "photo/LabelMedia.h"
#include "photo/PhotoInfo.h"
#include "photo/PhotoRecord.h"
#include "photo/SettingsFile.h"
#include "platform/FontCatalogue.h"
#include "platform/LocalizedText.h"

using namespace ExifItemRules;
using Item = PhotoInfo::Item;

namespace {

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

// A fresh label's thumbnail: a blank picture one point wide.
constexpr double blankThumbnailWidth = 1.0;

const QString fullStopSeparator = QStringLiteral(". ");

// The room the title's glyphs leave above the small caption below it.
constexpr qreal captionClearance = 0.75;

// The clear band the small caption stands on: under each of its glyphs, everything
// from a little above the glyph's top down to the strip's bottom edge.
QPainterPath clearBandUnder(const AttributedText& caption, const QPointF& lowerLeft) {
    QPainterPath band;
    const QStringList rows = caption.rows();
    const QList<qreal> baselines = caption.baselines(lowerLeft.y());
    for (qsizetype row = 0; row < rows.size(); ++row) {
        // Outlines have their baseline at 0 and y downwards.
        const QPainterPath outline = FontCatalogue::textOutline(rows.at(row), caption.font());
        for (const QPolygonF& contour : outline.toSubpathPolygons()) {
            const QRectF glyph = contour.boundingRect();
            band.addRect(QRectF(QPointF(lowerLeft.x() + glyph.left() - captionClearance, 0),
                                QPointF(lowerLeft.x() + glyph.right() + captionClearance,
                                        baselines.at(row) - glyph.top() + captionClearance)));
        }
    }
    return band.simplified();
}

float widest(const std::array<const AttributedText*, 4>& texts) {
    RunningMaximum maximum;
    for (const AttributedText* text : texts)
        maximum.consider(text->width());
    return maximum.value();
}

} // namespace

TapeLayout::TapeLayout() : LabelLayout(exifPointSize) {
    indexTitleString_.assign(localizedString(QStringLiteral("Title")), labelFont(indexPointSize));
    indexAuthorString_.assign(localizedString(QStringLiteral("Photographer")),
                              labelFont(indexPointSize));
    for (AttributedText* line : exifLines())
        line->assign(space, exifFont());
    takeThumbnail(blankPicture(QSizeF(blankThumbnailWidth, tapeHeight)));
}

QString TapeLayout::medium() const {
    return LabelMedia::tape18Name;
}

std::array<AttributedText*, 4> TapeLayout::exifLines() {
    return {&exifInst_, &exifExpos_, &exifMode_, &exifOther_};
}

std::array<const AttributedText*, 4> TapeLayout::exifLines() const {
    return {&exifInst_, &exifExpos_, &exifMode_, &exifOther_};
}

float TapeLayout::titleWidth() const {
    return widest({&titleText(), &photographerText(), &indexTitleString_, &indexAuthorString_});
}

float TapeLayout::exifWidth() const {
    return widest(exifLines());
}

QSizeF TapeLayout::tapeSize() const {
    // Added term by term in 32-bit floating point, as the label length is announced.
    float width = imageWidth() + gap;
    width += gap;
    width += titleWidth();
    width += gap;
    width += exifWidth();
    width += gap;
    return QSizeF(static_cast<double>(width), tapeHeight);
}

QSizeF TapeLayout::thumbnailSizeFor(const QSizeF& pictureSize) const {
    const auto factor = static_cast<float>(tapeHeight / pictureSize.height());
    return QSizeF(pictureSize.width() * factor, tapeHeight);
}

QRectF TapeLayout::thumbnailRect() const {
    return QRectF(gap, 0, imageWidth(), tapeHeight);
}

void TapeLayout::applyFonts() {
    indexTitleString_.setAttributes(labelFont(indexPointSize));
    indexAuthorString_.setAttributes(labelFont(indexPointSize));
    for (AttributedText* line : exifLines())
        line->setAttributes(exifFont());
}

void TapeLayout::takeExifTexts(const PhotoRecord& record, const PhotoInfo& info) {
    exifMaker_.clear();
    exifModel_.clear();
    // A photograph without the item keeps the last decision.
    if (info.skipMaker)
        setMakerSkip(*info.skipMaker);

    const ShownItems items(displaySettings(), info);
    // Line 1: maker, model and lens, each closed by a full stop; an empty or absent
    // one leaves no separator either.
    QString work;
    if (items.isPresent(Item::Maker))
        exifMaker_ = items.value(Item::Maker);
    if (items.isOn(Item::Maker) && !makerSkip())
        appendItem(work, exifMaker_, fullStopSeparator);
    if (items.isPresent(Item::Model))
        exifModel_ = items.value(Item::Model);
    if (items.isOn(Item::Model))
        appendItem(work, exifModel_, fullStopSeparator);
    lens().takePhotograph(items);
    work += lens().text(displaySettings(), fullStopSeparator);
    exifInst_.assign(work, exifFont());

    // Line 2: focal lengths and exposure.
    work.clear();
    for (const Item item : {Item::FocalLength, Item::FocalLengthIn35mmFormat, Item::FNumber,
                            Item::ExposureTime, Item::Sensitivity})
        items.appendIfShown(work, item, space);
    items.appendIfShown(work, Item::ExposureBiasValue, QString());
    exifExpos_.assign(work, exifFont());

    // Line 3: exposure mode, program and metering.
    work.clear();
    items.appendIfShown(work, Item::ExposureMode, space);
    items.appendIfShown(work, Item::ExposureProgram, space);
    items.appendIfShown(work, Item::MeteringMode, QString());
    exifMode_.assign(work, exifFont());

    // Line 4: white balance, date and file name.
    work.clear();
    items.appendIfShown(work, Item::WhiteBalance, space);
    appendItem(work, items.shownDate().value_or(QString()), space);
    work += items.shownFileName(record.fileName());
    exifOther_.assign(work, exifFont());

    if (items.isOn(Item::ImageDescription))
        setTitle(items.valueOrSpace(Item::ImageDescription));
    if (const auto source = signTypeSourceItem(displaySettings()))
        setPhotographer(items.valueOrSpace(*source));
}

void TapeLayout::showPickedLens() {
    // Maker and model as kept from the last photograph, separated by single spaces.
    QString work;
    if (SettingsFile::isItemOn(displaySettings(), Item::Maker) && !makerSkip())
        appendItem(work, exifMaker_, space);
    if (SettingsFile::isItemOn(displaySettings(), Item::Model))
        appendItem(work, exifModel_, space);
    work += lens().text(displaySettings(), space);
    exifInst_.assign(work, exifFont());
}

void TapeLayout::showFileNameAlone(const QString& name) {
    if (!name.isEmpty())
        exifOther_.assign(name, exifFont());
}

void TapeLayout::blankExifTexts() {
    exifMaker_.clear();
    exifModel_.clear();
    for (AttributedText* line : exifLines())
        line->assign(space, exifFont());
}

std::vector<PlacedText> TapeLayout::placedTexts() const {
    const float titleColumn = imageWidth() + gap + gap;
    const float exifColumn = imageWidth() + gap + gap + titleWidth() + gap;
    // The tails of the title's g, j, p, q and y would run into the "Photographer" caption
    // below, which stands on a clear band instead.
    return {
        {QStringLiteral("titleString"),
         titleText(),
         {titleColumn, titleY},
         clearBandUnder(indexAuthorString_, {titleColumn, indexAuthorY})},
        {QStringLiteral("authorString"), photographerText(), {titleColumn, authorY}},
        {QStringLiteral("indexAuthorString"), indexAuthorString_, {titleColumn, indexAuthorY}},
        {QStringLiteral("indexTitleString"), indexTitleString_, {titleColumn, indexTitleY}},
        {QStringLiteral("exifOther"), exifOther_, {exifColumn, exifOtherY}},
        {QStringLiteral("exifMode"), exifMode_, {exifColumn, exifModeY}},
        {QStringLiteral("exifExpos"), exifExpos_, {exifColumn, exifExposY}},
        {QStringLiteral("exifInst"), exifInst_, {exifColumn, exifInstY}},
    };
}

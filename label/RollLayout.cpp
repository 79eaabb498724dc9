#include "label/RollLayout.h"

#include "label/ExifItemRules.h"
#include "label/LabelCanvas.h"
#include "label/TextFitting.h"
#include "photo/LabelMedia.h"
#include "photo/PhotoInfo.h"
#include "photo/PhotoRecord.h"
#include "photo/SettingsFile.h"

#include <array>

using namespace ExifItemRules;
using Item = PhotoInfo::Item;

namespace {

constexpr qreal exifPointSize = 9;

constexpr qreal frameInset = 8;
constexpr qreal outerFrameWidth = 1.0;
constexpr qreal innerFrameWidth = 0.2;
// Texts start this far inside the inner frame, and end at least as far from it.
constexpr qreal textPadding = 2;
constexpr qreal textX = frameInset + textPadding;
constexpr qreal exposureBlockX = 80;
// The thumbnail's lower-left corner.
constexpr qreal thumbnailX = 10;
constexpr qreal thumbnailY = 71;

const QChar rowSeparator = QChar(13);

// Where each text goes, as RollLayout numbers its places: the field as the layout
// description names it and the lower-left corner of its line box (of its whole block
// for the exposure block).
struct TextPlace {
    const char* field;
    QPointF lowerLeft;
};
const std::array<TextPlace, 8> textPlaces{{
    {"titleString", {textX, 19}},
    {"authorString", {textX, 8}},
    {"exifData", {exposureBlockX, 69}},
    {"exifInst", {textX, 58}},
    {"exifLens1", {textX, 47}},
    {"exifLens2", {textX, 36}},
    {"fileNameStr", {textX, 150}},
    {"dateTime", {textX, 139}},
}};

// The room a text that starts at x has before the inner frame, less the padding.
qreal roomFrom(qreal x) {
    return RollLayout::innerFrame().right() - textPadding - x;
}

// A place holds one line: the rows of a text given several go on it one after another.
QString oneLine(const QString& text) {
    return rowsOf(text).join(QLatin1Char(' '));
}

// A face that some characters fall back to may reach below or above the line box of
// the label font; such a text moves up or down just enough for its glyphs to stay
// inside the inner frame's line.
void keepInsideFrame(PlacedText& placed) {
    const QRectF inside = RollLayout::innerFrame().adjusted(innerFrameWidth, innerFrameWidth,
                                                            -innerFrameWidth, -innerFrameWidth);
    // Glyphs reach past their line boxes by less than the size: only a text that close
    // to the frame needs its ink measured.
    const qreal size = placed.text.font().pointSizeF();
    const qreal boxTop = placed.lowerLeft.y() + placed.text.rows().size() * placed.text.rowHeight();
    if (placed.lowerLeft.y() - size >= inside.top() && boxTop + size <= inside.bottom())
        return;
    const QRectF ink = placed.text.inkAt(placed.lowerLeft);
    if (ink.isEmpty())
        return;
    if (ink.top() < inside.top())
        placed.lowerLeft.ry() += inside.top() - ink.top();
    else if (ink.bottom() > inside.bottom())
        placed.lowerLeft.ry() -= ink.bottom() - inside.bottom();
}

} // namespace

RollLayout::RollLayout() : LabelLayout(exifPointSize) {
    blankExifTexts();
    exif_.fixedRows = true;
    textsChanged();
}

QString RollLayout::medium() const {
    return LabelMedia::roll60Name;
}

QRectF RollLayout::innerFrame() {
    return QRectF(0, 0, labelSide, labelSide)
        .adjusted(frameInset, frameInset, -frameInset, -frameInset);
}

void RollLayout::applyFonts() {
    exif_.fixedRows = true;
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

void RollLayout::takeExifTexts(const PhotoRecord& record, const PhotoInfo& info) {
    // Decided again for every photograph.
    setMakerSkip(info.skipMaker.value_or(false));

    const ShownItems items(displaySettings(), info);
    // Camera line: maker and model.
    QString piece;
    if (!makerSkip())
        items.appendIfShown(piece, Item::Maker, space);
    items.appendIfShown(piece, Item::Model, QString());
    exif_.camera = piece;

    // Lens text: lens maker and model, each followed by a space.
    lens().takePhotograph(items);
    exif_.lens = lens().text(displaySettings(), space);

    // Exposure block: six rows; an empty row keeps its place.
    const std::vector<std::vector<std::pair<Item, QString>>> rows{
        {{Item::FocalLength, QString()}, {Item::FocalLengthIn35mmFormat, QString()}},
        {{Item::FNumber, space}, {Item::ExposureTime, QString()}},
        {{Item::Sensitivity, space}, {Item::ExposureBiasValue, QString()}},
        {{Item::ExposureProgram, QString()}},
        {{Item::MeteringMode, QString()}},
        {{Item::WhiteBalance, QString()}},
    };
    QStringList block;
    for (const auto& row : rows) {
        piece.clear();
        for (const auto& [item, separator] : row)
            items.appendIfShown(piece, item, separator);
        block << piece;
    }
    exif_.exposure = block.join(rowSeparator);
    exif_.fixedRows = true;

    exif_.captureDate = items.shownDate().value_or(QString());
    exif_.fileName = items.shownFileName(record.fileName());

    if (items.isOn(Item::ImageDescription))
        setTitle(items.valueOrSpace(Item::ImageDescription));
    if (const auto source = signTypeSourceItem(displaySettings()))
        setPhotographer(items.valueOrSpace(*source));
}

void RollLayout::showPickedLens() {
    // Unlike a new photograph, a chosen lens shows no lens maker and no trailing space.
    exif_.lens.clear();
    if (SettingsFile::isItemOn(displaySettings(), Item::LensModel)) {
        if (lens().showsPhotographLens())
            exif_.lens = lens().photographLensModel();
        else if (isShownUserLens(lens().pickedLens()))
            exif_.lens = lens().pickedLens();
    }
}

void RollLayout::showFileNameAlone(const QString& name) {
    exif_.fileName = name;
}

// The exposure block keeps only its font until the next photograph or font change.
void RollLayout::blankExifTexts() {
    exif_ = ExifTexts{space, space, space, false, space, space};
}

void RollLayout::fitLine(Place place, const QString& text, const QFont& font) {
    PlacedText& placed = placed_[place];
    const QString line = oneLine(text);
    const TextFitting::Fitted fit = TextFitting::fit({line}, font, roomFrom(placed.lowerLeft.x()));
    placed.text = AttributedText(fit.rows.front(), fit.font);
    if (fit.shortened.front())
        shortened_.push_back({placed.field, line, fit.rows.front()});
}

void RollLayout::fitLensText() {
    const QString text = oneLine(exif_.lens);
    const qreal room = roomFrom(textX);
    AttributedText& first = placed_[LensFirstLine].text;
    AttributedText& second = placed_[LensSecondLine].text;
    if (TextFitting::fits(text, exifFont(), room)) {
        first.assign(text, exifFont());
        second.assign(space, exifFont());
        return;
    }
    // The first line ends before a space where it can; the second takes the rest.
    const qsizetype firstEnd = TextFitting::longestFittingStart(text, exifFont(), room, true);
    qsizetype secondStart = firstEnd;
    while (secondStart < text.size() && text.at(secondStart).isSpace())
        ++secondStart;
    first.assign(text.left(firstEnd), exifFont());
    const TextFitting::Fitted fit = TextFitting::fit({text.mid(secondStart)}, exifFont(), room);
    second.assign(fit.rows.front(), fit.font);
    if (fit.shortened.front())
        shortened_.push_back(
            {placed_[LensSecondLine].field, text, text.left(secondStart) + fit.rows.front()});
}

void RollLayout::fitExposureBlock() {
    PlacedText& placed = placed_[Exposure];
    const QStringList rows = rowsOf(exif_.exposure);
    const TextFitting::Fitted fit =
        TextFitting::fit(rows, exifFont(), roomFrom(placed.lowerLeft.x()));
    for (qsizetype row = 0; row < rows.size(); ++row)
        if (fit.shortened.at(row))
            shortened_.push_back({placed.field, rows.at(row), fit.rows.at(row)});
    placed.text.assign(fit.rows.join(rowSeparator), fit.font);
    if (exif_.fixedRows)
        placed.text.setFixedRowHeight(exposureRowHeight);
}

// In drawing order, so that the shortened texts are told in that order too.
void RollLayout::textsChanged() {
    shortened_.clear();
    placed_.clear();
    for (const TextPlace& place : textPlaces)
        placed_.push_back({QString::fromLatin1(place.field), AttributedText(), place.lowerLeft});
    fitLine(Title, titleText().string(), titleText().font());
    fitLine(Photographer, photographerText().string(), photographerText().font());
    fitExposureBlock();
    fitLine(Camera, exif_.camera, exifFont());
    fitLensText();
    fitLine(FileName, exif_.fileName, exifFont());
    fitLine(CaptureDate, exif_.captureDate, exifFont());
    for (PlacedText& placed : placed_)
        keepInsideFrame(placed);
}

void RollLayout::drawBackground(LabelCanvas& canvas, const QRectF& bounds) const {
    canvas.strokeRect(bounds, outerFrameWidth, Qt::black);
    canvas.strokeRect(bounds.adjusted(frameInset, frameInset, -frameInset, -frameInset),
                      innerFrameWidth, Qt::black);
}

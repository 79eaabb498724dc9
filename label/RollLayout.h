#pragma once

#include "label/LabelLayout.h"
#include "pictures/Picture.h"

#include <array>

// The "Roll 60" label: a fixed square of 170 by 170 points with a double frame, a
// thumbnail with a six-row exposure block beside it, the date and file name above,
// camera and lens lines below, title and photographer at the bottom. Texts taken from
// the photograph are cut to fixed character counts instead of growing the label.
class RollLayout : public LabelLayout {
public:
    static constexpr double labelSide = 170.0;
    // The thumbnail fits a square of this side and is never enlarged.
    static constexpr double thumbnailSide = Picture::rollThumbnailSide;
    static constexpr qsizetype cameraLineLimit = 34;
    static constexpr qsizetype lensLineLimit = 34;
    static constexpr qsizetype lensTextLimit = 68;
    static constexpr qsizetype shortTextLimit = 19;
    static constexpr int exposureRows = 6;
    static constexpr qreal exposureRowHeight = 11;

    RollLayout();

    QString medium() const override;
    QSizeF labelSize() const override { return QSizeF(labelSide, labelSide); }
    std::vector<PlacedText> placedTexts() const override;

    const AttributedText& exifInst() const { return exifInst_; }
    const AttributedText& exifLens1() const { return exifLens1_; }
    const AttributedText& exifLens2() const { return exifLens2_; }
    const AttributedText& dateTime() const { return dateTime_; }
    const AttributedText& fileNameStr() const { return fileNameStr_; }
    const AttributedText& exifData() const { return exifData_; }

protected:
    QSizeF thumbnailSizeFor(const QSizeF& pictureSize) const override;
    QRectF thumbnailRect() const override;
    void takeExifTexts(const PhotoRecord& record, const QVariantMap& info) override;
    void showPickedLens() override;
    void blankExifTexts() override;
    void showFileNameAlone(const QString& name) override;
    void applyFonts() override;
    void drawBackground(LabelCanvas& canvas, const QRectF& bounds) const override;

private:
    // The single-line Exif texts: camera, both lens lines, date and file name.
    std::array<AttributedText*, 5> singleLineTexts();
    // Cuts the lens text to its limit and splits it over the two lens lines.
    void storeLensText(const QString& piece);
    void setExposureBlock(const QString& block);

    AttributedText exifInst_;
    AttributedText exifLens1_;
    AttributedText exifLens2_;
    AttributedText dateTime_;
    AttributedText fileNameStr_;
    AttributedText exifData_;
};

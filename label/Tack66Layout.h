#pragma once

#include "label/LabelLayout.h"
#include "label/LensChoice.h"

#include <QFont>

#include <memory>

class Picture;
namespace ExifItemRules {
class ShownItems;
}

// The "Roll 60" label: a fixed square of 170 by 170 points with a double frame, a
// thumbnail with a six-row exposure block beside it, the date and file name above,
// camera and lens lines below, title and photographer at the bottom. Texts taken from
// the photograph are cut to fixed character counts instead of growing the label.
class Tack66Layout : public LabelLayout {
public:
    static constexpr double labelSide = 170.0;
    // The thumbnail fits a square of this side and is never enlarged.
    static constexpr double thumbnailSide = 67.0;
    static constexpr qsizetype cameraLineLimit = 34;
    static constexpr qsizetype lensLineLimit = 34;
    static constexpr qsizetype lensTextLimit = 68;
    static constexpr qsizetype shortTextLimit = 19;
    static constexpr int exposureRows = 6;
    static constexpr qreal exposureRowHeight = 11;

    Tack66Layout();

    QString medium() const override;
    QSizeF labelSize() const override { return QSizeF(labelSide, labelSide); }

    void setExifSetingDisplay(const QVariantMap& settings) override;
    void setExifData(const Kestavolin* record) override;
    void setTitle(const QString& title) override;
    void setAuthor(const QString& author) override;
    void setUserLens(const QString& lensName) override;
    void setFonts(const QString& postScriptName) override;
    void clearAllStr() override;

    void drawRect(QPainter& painter, const QSizeF& viewSize, bool dragging) override;
    std::vector<PlacedText> placedTexts() const override;

    float imageWith() const { return imageWith_; }
    float imageHight() const { return imageHight_; }
    const std::shared_ptr<Picture>& printImage() const { return printImage_; }
    void setPrintImage(std::shared_ptr<Picture> picture) { printImage_ = std::move(picture); }
    bool makerSkip() const { return makerSkip_; }
    bool exifLens() const { return lens_.showsPhotographLens(); }

    const AttributedText& titleString() const { return titleString_; }
    const AttributedText& authorString() const { return authorString_; }
    const AttributedText& exifInst() const { return exifInst_; }
    const AttributedText& exifLens1() const { return exifLens1_; }
    const AttributedText& exifLens2() const { return exifLens2_; }
    const AttributedText& dateTime() const { return dateTime_; }
    const AttributedText& fileNameStr() const { return fileNameStr_; }
    const AttributedText& exifData() const { return exifData_; }

private:
    void makeFonts(const QString& postScriptName);
    void takeThumbnail(const std::shared_ptr<Picture>& picture);
    // Cuts the lens text to its limit and splits it over the two lens lines.
    void storeLensText(const QString& piece);
    // Camera, lens, exposure, date and file name texts blank.
    void blankExifTexts();
    void showFileName(const ExifItemRules::ShownItems& items, const QString& path);
    void setExposureBlock(const QString& block);

    float imageWith_ = 0.0f;
    float imageHight_ = 0.0f;
    AttributedText titleString_;
    AttributedText authorString_;
    QFont titleAttribute_;
    QFont authorAttribute_;
    AttributedText exifInst_;
    AttributedText exifLens1_;
    AttributedText exifLens2_;
    AttributedText dateTime_;
    AttributedText fileNameStr_;
    AttributedText exifData_;
    QFont exifAttribute_;
    QVariantMap exifSetingOfDisplay_;
    LensChoice lens_;
    bool makerSkip_ = false;
    std::shared_ptr<Picture> printImage_;
};

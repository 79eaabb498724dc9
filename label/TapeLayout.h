#pragma once

#include "label/LabelLayout.h"
#include "label/LensChoice.h"

#include <QFont>

#include <memory>

class Picture;

// The "Tape 18" label: a strip 43 points high whose length grows with its content.
// From left to right: the thumbnail, the title column (title and photographer under
// their captions) and the Exif column of four lines.
class TapeLayout : public LabelLayout {
public:
    static constexpr double tapeHeight = 43.0;
    // Left margin, gap after the thumbnail, gap after the title column, right margin.
    static constexpr float gap = 6.0f;

    TapeLayout();

    QString medium() const override;
    QSizeF labelSize() const override { return tapeSize_; }

    void setExifSetingDisplay(const QVariantMap& settings) override;
    void setExifData(const Kestavolin* record) override;
    void setTitle(const QString& title) override;
    void setAuthor(const QString& author) override;
    void setUserLens(const QString& lensName) override;
    void setFonts(const QString& postScriptName) override;
    void clearAllStr() override;

    void drawRect(QPainter& painter, const QSizeF& viewSize, bool dragging) override;
    std::vector<PlacedText> placedTexts() const override;

    QSizeF tapeSize() const { return tapeSize_; }
    float titleWith() const { return titleWith_; }
    float imageWith() const { return imageWith_; }
    float exifWith() const { return exifWith_; }
    const std::shared_ptr<Picture>& printImage() const { return printImage_; }
    void setPrintImage(std::shared_ptr<Picture> picture) { printImage_ = std::move(picture); }
    bool makerSkip() const { return makerSkip_; }
    bool exifLens() const { return lens_.showsPhotographLens(); }

    const AttributedText& titleString() const { return titleString_; }
    const AttributedText& authorString() const { return authorString_; }
    const AttributedText& indexTitleString() const { return indexTitleString_; }
    const AttributedText& indexAuthorString() const { return indexAuthorString_; }
    const AttributedText& exifInst() const { return exifInst_; }
    const AttributedText& exifExpos() const { return exifExpos_; }
    const AttributedText& exifMode() const { return exifMode_; }
    const AttributedText& exifOther() const { return exifOther_; }

private:
    // Every Exif line blank and no camera kept for a lens chosen later; widths follow.
    void blankExifLines();
    // The last exif line holding only the file name (nothing when it is empty).
    void showFileNameAlone(const QString& name);
    void makeFonts(const QString& postScriptName);
    void takeThumbnail(const std::shared_ptr<Picture>& picture);
    void recomputeTitleWith();
    void recomputeExifWith();
    void recomputeTapeWidth();
    // The thumbnail width a drawing uses: the picture's current width, 0 without one.
    float drawnImageWidth() const;

    float imageWith_ = 1.0f;
    float titleWith_ = 0.0f;
    float exifWith_ = 0.0f;
    QSizeF tapeSize_;
    AttributedText titleString_;
    AttributedText authorString_;
    AttributedText indexTitleString_;
    AttributedText indexAuthorString_;
    QFont titleAttribute_;
    QFont authorAttribute_;
    QFont indexAttribute_;
    AttributedText exifInst_;
    AttributedText exifExpos_;
    AttributedText exifMode_;
    AttributedText exifOther_;
    QFont exifAttribute_;
    QVariantMap exifSetingOfDisplay_;
    QString exifMaker_;
    QString exifModel_;
    LensChoice lens_;
    bool makerSkip_ = false;
    std::shared_ptr<Picture> printImage_;
};

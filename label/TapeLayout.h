#pragma once

#include "label/LabelLayout.h"

#include <array>

// The "Tape 18" label: a strip 43 points high whose length grows with its content.
// From left to right: the thumbnail, the title column (title and photographer under
// their captions) and the Exif column of four lines.
class TapeLayout : public LabelLayout {
public:
    // The thumbnail fills the strip's height.
    static constexpr double tapeHeight = 43.0;
    // Left margin, gap after the thumbnail, gap after the title column, right margin.
    static constexpr float gap = 6.0f;

    TapeLayout();

    QString medium() const override;
    QSizeF labelSize() const override { return tapeSize(); }
    std::vector<PlacedText> placedTexts() const override;

    QSizeF tapeSize() const;
    // The widths of the thumbnail, the title column and the Exif column.
    float imageWidth() const { return static_cast<float>(thumbnailSize().width()); }
    float titleWidth() const;
    float exifWidth() const;

    const AttributedText& indexTitleString() const { return indexTitleString_; }
    const AttributedText& indexAuthorString() const { return indexAuthorString_; }
    const AttributedText& exifInst() const { return exifInst_; }
    const AttributedText& exifExpos() const { return exifExpos_; }
    const AttributedText& exifMode() const { return exifMode_; }
    const AttributedText& exifOther() const { return exifOther_; }

protected:
    QSizeF thumbnailSizeFor(const QSizeF& pictureSize) const override;
    QRectF thumbnailRect() const override;
    void takeExifTexts(const PhotoRecord& record, const PhotoInfo& info) override;
    void showPickedLens() override;
    void blankExifTexts() override;
    void showFileNameAlone(const QString& name) override;
    void applyFonts() override;

private:
    // The four Exif lines, top to bottom.
    std::array<AttributedText*, 4> exifLines();
    std::array<const AttributedText*, 4> exifLines() const;

    AttributedText indexTitleString_;
    AttributedText indexAuthorString_;
    AttributedText exifInst_;
    AttributedText exifExpos_;
    AttributedText exifMode_;
    AttributedText exifOther_;
    // Maker and model of the last photograph, for the camera line of a chosen lens.
    QString exifMaker_;
    QString exifModel_;
};

#pragma once

#include "label/LabelLayout.h"

#include <QString>

// The "Roll 60" label: a fixed square of 170 by 170 points with a double frame, a
// thumbnail with a six-row exposure block beside it, the date and file name above,
// camera and lens lines below, title and photographer at the bottom. The square never
// grows: each text is fitted to its place, measured in its font (see TextFitting), and
// nothing is drawn outside the inner frame.
class RollLayout : public LabelLayout {
public:
    static constexpr double labelSide = 170.0;
    // The thumbnail fits a square of this side and is never enlarged.
    static constexpr double thumbnailSide = 67.0;
    static constexpr int exposureRows = 6;
    static constexpr qreal exposureRowHeight = 11;

    RollLayout();

    QString medium() const override;
    QSizeF labelSize() const override { return QSizeF(labelSide, labelSide); }
    std::vector<PlacedText> placedTexts() const override { return placed_; }
    std::vector<ShortenedText> shortenedTexts() const override { return shortened_; }

    // The inner frame, in label coordinates: every text lies inside it.
    static QRectF innerFrame();

    // The texts as placed, fitted to their places.
    const AttributedText& cameraLine() const { return placed_[Camera].text; }
    const AttributedText& lensFirstLine() const { return placed_[LensFirstLine].text; }
    const AttributedText& lensSecondLine() const { return placed_[LensSecondLine].text; }
    const AttributedText& captureDate() const { return placed_[CaptureDate].text; }
    const AttributedText& fileNameLine() const { return placed_[FileName].text; }
    const AttributedText& exposureBlock() const { return placed_[Exposure].text; }

protected:
    QSizeF thumbnailSizeFor(const QSizeF& pictureSize) const override;
    QRectF thumbnailRect() const override;
    void takeExifTexts(const PhotoRecord& record, const PhotoInfo& info) override;
    void showPickedLens() override;
    void blankExifTexts() override;
    void showFileNameAlone(const QString& name) override;
    void applyFonts() override;
    void textsChanged() override;
    void drawBackground(LabelCanvas& canvas, const QRectF& bounds) const override;

private:
    // The texts taken from the photograph, whole, before they are fitted.
    struct ExifTexts {
        QString camera;
        QString lens;
        // The exposure block, its rows separated by carriage returns.
        QString exposure;
        // The block's rows are exactly exposureRowHeight apart (after a photograph or a
        // font change, not after clearing).
        bool fixedRows = false;
        QString captureDate;
        QString fileName;
    };

    // The placed texts, in drawing order.
    enum Place {
        Title,
        Photographer,
        Exposure,
        Camera,
        LensFirstLine,
        LensSecondLine,
        FileName,
        CaptureDate,
        placeCount
    };

    // Fits a single-line text to the room from its place to the inner frame.
    void fitLine(Place place, const QString& text, const QFont& font);
    // Fits the lens text to the first lens line, going on in the second when it is too
    // long for one.
    void fitLensText();
    void fitExposureBlock();

    ExifTexts exif_;
    std::vector<PlacedText> placed_;
    std::vector<ShortenedText> shortened_;
};

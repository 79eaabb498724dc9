#pragma once

#include "label/AttributedText.h"
#include "label/LensChoice.h"
#include "label/ShortenedText.h"

#include <QColor>
#include <QFont>
#include <QJsonObject>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QVariantMap>

#include <memory>
#include <vector>

struct PhotoInfo;
class PhotoRecord;
class LabelCanvas;
class Picture;
class QPainter;

// One text of a label as it is drawn: which field it is, its attributed text and
// the lower-left corner of its line box (of its whole block when it has several
// rows), in label coordinates (points, y upwards).
struct PlacedText {
    QString field;
    AttributedText text;
    QPointF lowerLeft;
    // A part of the label, in label coordinates, the text leaves clear for a text
    // drawn later; none when empty.
    QPainterPath keptClear = QPainterPath();
};

// The background of a label while an acceptable file is dragged over it.
inline const QColor dragHighlightColour = QColor::fromRgbF(0.5255f, 0.8078f, 0.9725f, 1.0f);

// The content of one label medium: built from a photo record, the display settings
// and the user's inputs, and drawn onto any painter. It needs no window, so the same
// drawing serves the preview, the printer and exported files.
//
// This base holds what both media keep alike: the title and photographer texts, the
// fonts, the display settings, the lens choice, the maker-skip decision and the
// thumbnail. A medium adds its Exif lines, its geometry and where its texts go.
class LabelLayout {
public:
    virtual ~LabelLayout() = default;

    // "Tape 18" or "Roll 60".
    virtual QString medium() const = 0;
    // The label's size in points.
    virtual QSizeF labelSize() const = 0;

    // The display settings the next photograph's texts follow.
    void setDisplaySettings(const QVariantMap& settings);
    // Takes the thumbnail and texts from the record; a null record, or one whose
    // analysis failed, changes nothing.
    void setExifData(const PhotoRecord* record);
    void setTitle(const QString& title);
    void setPhotographer(const QString& author);
    // A lens name outside the accepted lengths changes nothing.
    void setUserLens(const QString& lensName);
    // The PostScript name of the font for every text of the label.
    void setFonts(const QString& postScriptName);
    // Back to a label without thumbnail, display settings, title or photographer.
    void clear();

    // Draws the label for a view of viewSize points. The painter's user space is
    // points with the origin at the view's top-left corner.
    void draw(QPainter& painter, const QSizeF& viewSize, bool dragging) const;
    // The texts the next drawing places, in drawing order.
    virtual std::vector<PlacedText> placedTexts() const = 0;
    // The texts the label has no room for and shows shortened, in drawing order; none on
    // a label that grows with its texts.
    virtual std::vector<ShortenedText> shortenedTexts() const { return {}; }

    const std::shared_ptr<Picture>& thumbnail() const { return thumbnail_; }
    // The thumbnail's size on the label in points; empty without a thumbnail.
    QSizeF thumbnailSize() const { return thumbnailSize_; }
    bool makerSkip() const { return makerSkip_; }
    bool exifLens() const { return lens_.showsPhotographLens(); }
    const AttributedText& titleText() const { return titleText_; }
    const AttributedText& photographerText() const { return photographerText_; }

protected:
    // Blank title and photographer in the default label font; the medium's Exif texts
    // are set exifPointSize high.
    explicit LabelLayout(qreal exifPointSize);

    // Takes the picture as the thumbnail, sized by thumbnailSizeFor. A picture
    // without area counts as none.
    void takeThumbnail(const std::shared_ptr<Picture>& picture);
    // The thumbnail's size on the label for a picture of pictureSize points (both
    // sides positive).
    virtual QSizeF thumbnailSizeFor(const QSizeF& pictureSize) const = 0;
    // Where the thumbnail is drawn, in label coordinates.
    virtual QRectF thumbnailRect() const = 0;

    // Builds the medium's texts from an analysed photograph with metadata, after its
    // thumbnail was taken.
    virtual void takeExifTexts(const PhotoRecord& record, const PhotoInfo& info) = 0;
    // Shows the lens just picked (held by lens()).
    virtual void showPickedLens() = 0;
    // Every Exif text of the medium blank, and no camera kept for a lens chosen later.
    virtual void blankExifTexts() = 0;
    // Shows the file name as the only Exif text, after blankExifTexts().
    virtual void showFileNameAlone(const QString& name) = 0;
    // Sets the fonts, just made, over the medium's own texts.
    virtual void applyFonts() = 0;
    // Called whenever a text or font of the label has changed; a medium that fits its
    // texts to fixed places fits them again here.
    virtual void textsChanged() {}
    // Draws what lies under the thumbnail and the texts; nothing by default.
    virtual void drawBackground(LabelCanvas& canvas, const QRectF& bounds) const;

    // The label font at another point size.
    QFont labelFont(qreal pointSize) const;
    const QFont& exifFont() const { return exifFont_; }
    const QVariantMap& displaySettings() const { return displaySettings_; }
    LensChoice& lens() { return lens_; }
    const LensChoice& lens() const { return lens_; }
    void setMakerSkip(bool skip) { makerSkip_ = skip; }

    // The text every blank label text holds, and the separator between items.
    static inline const QString space = QStringLiteral(" ");

private:
    void makeFonts(const QString& postScriptName);
    void blankExif();

    qreal exifPointSize_;
    QString fontName_;
    QFont titleFont_;
    QFont photographerFont_;
    QFont exifFont_;
    AttributedText titleText_;
    AttributedText photographerText_;
    QVariantMap displaySettings_;
    LensChoice lens_;
    bool makerSkip_ = false;
    std::shared_ptr<Picture> thumbnail_;
    QSizeF thumbnailSize_;
};

// A description of the label as drawn: medium, size and every text with its field,
// position (lower-left corner, y upwards, in points), width, font and size.
QJsonObject layoutDescription(const LabelLayout& layout);

// A picture that draws nothing, with the given logical size: the thumbnail a label
// starts with before any photograph.
std::shared_ptr<Picture> blankPicture(const QSizeF& size);

#pragma once

#include "label/AttributedText.h"

#include <QColor>
#include <QJsonObject>
#include <QPointF>
#include <QSizeF>
#include <QString>
#include <QVariantMap>

#include <memory>
#include <vector>

class Kestavolin;
class Picture;
class QPainter;

// One text of a label as it is drawn: which field it is, its attributed text and
// the lower-left corner of its line box (of its whole block when it has several
// rows), in label coordinates (points, y upwards).
struct PlacedText {
    QString field;
    AttributedText text;
    QPointF lowerLeft;
};

// The background of a label while an acceptable file is dragged over it.
inline const QColor dragHighlightColour = QColor::fromRgbF(0.5255f, 0.8078f, 0.9725f, 1.0f);

// The content of one label medium: built from a photo record, the display settings
// and the user's inputs, and drawn onto any painter. It needs no window, so the same
// drawing serves the preview, the printer and exported files.
class LabelLayout {
public:
    virtual ~LabelLayout() = default;

    // "Tape 18" or "Roll 60".
    virtual QString medium() const = 0;
    // The label's size in points.
    virtual QSizeF labelSize() const = 0;

    virtual void setExifSetingDisplay(const QVariantMap& settings) = 0;
    // Takes the thumbnail and texts from the record; a null record, or one whose
    // analysis failed, changes nothing.
    virtual void setExifData(const Kestavolin* record) = 0;
    virtual void setTitle(const QString& title) = 0;
    virtual void setAuthor(const QString& author) = 0;
    virtual void setUserLens(const QString& lensName) = 0;
    // The PostScript name of the font for every text of the label.
    virtual void setFonts(const QString& postScriptName) = 0;
    virtual void clearAllStr() = 0;

    // Draws the label for a view of viewSize points. The painter's user space is
    // points with the origin at the view's top-left corner. Drawing takes the
    // thumbnail's current size, as the label's own layout does.
    virtual void drawRect(QPainter& painter, const QSizeF& viewSize, bool dragging) = 0;
    // The texts the next drawing places, in drawing order.
    virtual std::vector<PlacedText> placedTexts() const = 0;
};

// A description of the label as drawn: medium, size and every text with its field,
// position (lower-left corner, y upwards, in points), width, font and size.
QJsonObject layoutDescription(const LabelLayout& layout);

// A picture that draws nothing, with the given logical size: the thumbnail a label
// starts with before any photograph.
std::shared_ptr<Picture> blankPicture(const QSizeF& size);

#pragma once

#include "pictures/PictureReduction.h"
#include "platform/Result.h"

#include <QImage>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <memory>

class FileData;
class QPainter;

// A decoded photograph with a logical size in points. The pixels are upright (the
// file's orientation applied) and decoded only as finely as its print boxes need (see
// PictureReduction::neededSize); the logical size starts as the photograph's full
// upright pixel size, whatever scale was decoded, and can be changed without touching
// the pixels.
class Picture {
public:
    // Null when the bytes are not a picture that can be decoded (JPEG, TIFF, PSD or
    // anything else Qt's image plug-ins read) or are refused (see withinDecodeMemory). The
    // format is told from the bytes once and its decoder hands the picture over.
    static std::shared_ptr<Picture> initWithData(const FileData& data, const PrintBoxes& boxes);

    // Whether the picture in the bytes may be decoded at all: fails, saying why, when
    // decoding it for its print boxes would need more than pictureDecodeMemoryLimit.
    // Read from the headers alone.
    static Status withinDecodeMemory(const FileData& data, const PrintBoxes& boxes);
    // A picture of already decoded pixels whose logical size is fullSize. Null when
    // the image is null.
    static std::shared_ptr<Picture> initWithImage(QImage image, QSizeF fullSize);

    QSizeF size() const { return size_; }
    void setSize(QSizeF size) { size_ = size; }

    // The decoded pixels (possibly fewer than size() suggests).
    const QImage& image() const { return image_; }

    // Draws the whole picture scaled smoothly into rect (painter coordinates), its top
    // row along the rectangle's top edge.
    void drawInRect(QPainter& painter, const QRectF& rect) const;

private:
    Picture(QImage image, QSizeF size);

    QImage image_;
    QSizeF size_;
};

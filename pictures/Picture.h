#pragma once

#include <QImage>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <memory>

class FileData;
class QPainter;

// A decoded photograph with a logical size in points. The pixels are upright (the
// file's orientation applied) and decoded only as finely as a label can print them;
// the logical size starts as the photograph's full upright pixel size, whatever scale
// was decoded, and can be changed without touching the pixels.
class Picture {
public:
    // Labels print at up to this resolution, so pixels beyond it are never seen.
    static constexpr int printResolutionDpi = 600;
    // The Tape 18 thumbnail is always this many points high (any width).
    static constexpr double tapeThumbnailHeight = 43.0;
    // The Roll 60 thumbnail fits a square of this many points.
    static constexpr double rollThumbnailSide = 67.0;

    // The fewest pixels a picture of fullSize upright pixels needs: the smallest scale
    // that gives printResolutionDpi at both thumbnails, never enlarged. Decoding keeps
    // at least this many (up to twice as many in each direction, whatever the
    // decoder reaches without resampling).
    static QSize decodedSizeFor(QSize fullSize);

    // Null when the bytes are not a picture that can be decoded (JPEG, TIFF, PSD or
    // anything else Qt's image plug-ins read) or are refused (see refusalReason).
    static std::shared_ptr<Picture> initWithData(const FileData& data);

    // Why the picture in the bytes is not decoded at all: decoding it would need more
    // than pictureDecodeMemoryLimit. Read from the headers alone; empty when decoding
    // may go ahead.
    static QString refusalReason(const FileData& data);
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

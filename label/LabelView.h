#pragma once

#include "label/LabelDropTarget.h"
#include "label/LabelLayout.h"

#include <QWidget>

#include <memory>

// A label shown in a window: the operations the application calls, the preview
// drawing and the drop target for photograph files. Its drawing is the layout's, so
// paintLabel() gives the same picture on a printer or in a file. The view is as large
// as the label at its zoom factor and draws it at that factor as vectors, sharp at
// every zoom and screen scale; every setter that changes the label's size resizes it.
class LabelView : public QWidget {
    Q_OBJECT

public:
    void setDisplaySettings(const QVariantMap& settings);
    void setExifData(const PhotoRecord* record);
    void setTitle(const QString& title);
    void setPhotographer(const QString& author);
    void setUserLens(const QString& lensName);
    void setFonts(const QString& postScriptName);
    void clear();

    double zoom() const { return zoom_; }
    void setZoom(double factor);

    bool dragging() const { return dropTarget_.dragging(); }

    LabelLayout& layout() { return *layout_; }
    const LabelLayout& layout() const { return *layout_; }

    // Draws the label at its own size (LabelLayout::labelSize) onto a painter whose
    // user space is points, origin at the top-left corner: a printer page, a PDF or
    // an image.
    void paintLabel(QPainter& painter);

signals:
    // Photograph files were dropped on the label.
    void photosDropped(const QStringList& paths);
    // The label's own size (in points) changed.
    void labelSizeChanged(const QSizeF& labelSize);

protected:
    LabelView(std::unique_ptr<LabelLayout> layout, QWidget* parent);

    // Brings the view up to date after a setter: fits the view to the label and
    // redraws at once.
    void redisplay();

    void paintEvent(QPaintEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    std::unique_ptr<LabelLayout> layout_;
    LabelDropTarget dropTarget_;
    double zoom_ = 1.0;
    QSizeF shownLabelSize_;
};

#pragma once

#include "label/LabelDropTarget.h"
#include "label/LabelLayout.h"

#include <QWidget>

#include <memory>

// The label in the preview: its layout's drawing, the same the printer and files get,
// at a zoom factor as vectors, sharp at every zoom and screen scale; and a drop target
// for photograph files. The view is as large as the label at its zoom.
class LabelView : public QWidget {
    Q_OBJECT

public:
    explicit LabelView(QWidget* parent = nullptr);
    ~LabelView() override;

    // Shows the label (the view keeps it); null shows none.
    void setLabel(std::unique_ptr<LabelLayout> label);
    const LabelLayout* label() const { return label_.get(); }

    double zoom() const { return zoom_; }
    void setZoom(double factor);

    bool dragging() const { return dropTarget_.dragging(); }

signals:
    // Photograph files were dropped on the label.
    void photosDropped(const QStringList& paths);
    // The label's own size (in points) changed.
    void labelSizeChanged(const QSizeF& labelSize);

protected:
    void paintEvent(QPaintEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // Fits the view to the label at its zoom and redraws at once.
    void redisplay();

    std::unique_ptr<LabelLayout> label_;
    LabelDropTarget dropTarget_;
    double zoom_ = 1.0;
    QSizeF shownLabelSize_;
};

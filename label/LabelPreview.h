#pragma once

#include <QScrollArea>

class LabelView;
class Ruler;
class QVBoxLayout;

// The main window's preview area: the label view, with the ruler above a tape label,
// on the window's background. The label is shown at a zoom factor (ZoomSteps), drawn
// as vectors at that factor; a label larger than the area scrolls, and the ruler,
// always at least as long as the label, scrolls with it. Ctrl with the mouse wheel
// zooms in and out.
class LabelPreview : public QScrollArea {
    Q_OBJECT

public:
    explicit LabelPreview(QWidget* parent = nullptr);

    // Shows the view and, when given, the ruler above it; the preview takes both.
    void showLabel(LabelView* view, Ruler* ruler);

    double zoom() const { return zoom_; }

public slots:
    void setZoom(double factor);
    void zoomIn();
    void zoomOut();
    void zoomToActualSize();
    void zoomToFit();

signals:
    void zoomChanged(double factor);

protected:
    void wheelEvent(QWheelEvent* event) override;

private:
    void fitRulerToLabel();

    QVBoxLayout* stageLayout_;
    LabelView* view_ = nullptr;
    Ruler* ruler_ = nullptr;
    double zoom_;
};

#pragma once

#include <QScrollArea>

#include <memory>

class DropPrompt;
class LabelLayout;
class LabelView;
class QStackedWidget;
class Ruler;

// The main window's preview area: the label, with the ruler above a tape label, on the
// window's background; or in its place a message over an area that takes dropped
// photographs. The label is shown at a zoom factor (ZoomSteps), drawn as vectors at
// that factor; a label larger than the area scrolls, and the ruler, always at least as
// long as the label, scrolls with it. Ctrl with the mouse wheel zooms in and out. Fit
// to Window keeps fitting the label as the area and the label change size, until
// another zoom is chosen.
class LabelPreview : public QScrollArea {
    Q_OBJECT

public:
    explicit LabelPreview(QWidget* parent = nullptr);

    // Shows the label; the preview keeps it.
    void showLabel(std::unique_ptr<LabelLayout> label);
    // Shows the message in place of a label.
    void showMessage(const QString& message);

    // The label shown; null while a message is shown.
    const LabelLayout* label() const;
    QString message() const;
    // Whether lengths are told in millimetres, as the ruler measures them.
    bool metric() const;

    double zoom() const { return zoom_; }
    bool fitsToWindow() const { return fitting_; }

public slots:
    void setZoom(double factor);
    void zoomIn();
    void zoomOut();
    void zoomToActualSize();
    void zoomToFit();

signals:
    void zoomChanged(double factor);
    // The label's own size (in points) changed.
    void labelSizeChanged(const QSizeF& labelSize);
    // Photograph files were dropped on the label or on the message.
    void photosDropped(const QStringList& paths);

protected:
    // The paint device's metric() stays reachable beside the ruler's unit.
    using QWidget::metric;
    void wheelEvent(QWheelEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void applyZoom(double factor);
    void fit();
    void fitRulerToLabel();

    // The stage (ruler and label) and the prompt, one shown at a time.
    QStackedWidget* pages_;
    QWidget* stage_;
    LabelView* view_;
    Ruler* ruler_;
    DropPrompt* prompt_;
    double zoom_;
    bool fitting_ = false;
};

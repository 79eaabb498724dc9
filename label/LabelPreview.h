#pragma once

#include <QScrollArea>

class LabelView;
class ScaleViewer;
class QVBoxLayout;

// The main window's preview area: the label view, with the ruler above a tape label,
// on the window's background. A label larger than the area scrolls, and the ruler
// scrolls with it; the ruler is always at least as long as the label.
class LabelPreview : public QScrollArea {
    Q_OBJECT

public:
    explicit LabelPreview(QWidget* parent = nullptr);

    // Shows the view and, when given, the ruler above it; the preview takes both.
    void showLabel(LabelView* view, ScaleViewer* ruler);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fitRulerToLabel();

    QVBoxLayout* stageLayout_;
    LabelView* view_ = nullptr;
    ScaleViewer* ruler_ = nullptr;
};

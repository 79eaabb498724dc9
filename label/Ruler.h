#pragma once

#include <QWidget>

// The ruler above the tape label, its zero at the label's left edge, in millimetres
// or inches as the user's locale measures (decided once, at creation). Its marks follow
// the zoom of the label below it, so that they meet the label's lengths; its height,
// lines and numbers keep their actual size.
class Ruler : public QWidget {
    Q_OBJECT

public:
    explicit Ruler(QWidget* parent = nullptr);
    Ruler(bool metric, QWidget* parent);

    bool metric() const { return metric_; }
    void setZoom(double factor);

protected:
    // The paint device's metric() stays reachable beside the unit's.
    using QWidget::metric;
    void paintEvent(QPaintEvent* event) override;

private:
    bool metric_;
    double zoom_ = 1.0;
};

#pragma once

#include "label/LabelView.h"
#include "label/Tack66Layout.h"

// The "Roll 60" label in the main window: a fixed square of 170 by 170 points.
class Tack66View : public LabelView {
    Q_OBJECT

public:
    explicit Tack66View(QWidget* parent = nullptr);

    const std::shared_ptr<Picture>& printImage() const { return rollLayout().printImage(); }

    Tack66Layout& rollLayout() { return static_cast<Tack66Layout&>(layout()); }
    const Tack66Layout& rollLayout() const { return static_cast<const Tack66Layout&>(layout()); }
};

#pragma once

#include "label/LabelView.h"
#include "label/RollLayout.h"

// The "Roll 60" label in the main window: a fixed square of 170 by 170 points.
class RollView : public LabelView {
    Q_OBJECT

public:
    explicit RollView(QWidget* parent = nullptr);

    const std::shared_ptr<Picture>& thumbnail() const { return rollLayout().thumbnail(); }

    RollLayout& rollLayout() { return static_cast<RollLayout&>(layout()); }
    const RollLayout& rollLayout() const { return static_cast<const RollLayout&>(layout()); }
};

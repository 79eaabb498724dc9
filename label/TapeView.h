#pragma once

#include "label/LabelView.h"
#include "label/TapeLayout.h"

// The "Tape 18" label in the main window; its length follows its texts.
class TapeView : public LabelView {
    Q_OBJECT

public:
    explicit TapeView(QWidget* parent = nullptr);

    QSizeF tapeSize() const { return tapeLayout().tapeSize(); }
    float titleWidth() const { return tapeLayout().titleWidth(); }
    const std::shared_ptr<Picture>& thumbnail() const { return tapeLayout().thumbnail(); }

    TapeLayout& tapeLayout() { return static_cast<TapeLayout&>(layout()); }
    const TapeLayout& tapeLayout() const { return static_cast<const TapeLayout&>(layout()); }
};

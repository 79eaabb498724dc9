#pragma once

#include "label/LabelView.h"
#include "label/TapeLayout.h"

// The "Tape 18" label in the main window. Its size follows the label's length: every
// setter that changes a text resizes the view to tapeSize and redraws it.
class TapeView : public LabelView {
    Q_OBJECT

public:
    explicit TapeView(QWidget* parent = nullptr);

    QSizeF tapeSize() const { return tapeLayout().tapeSize(); }
    float titleWith() const { return tapeLayout().titleWith(); }
    const std::shared_ptr<Picture>& printImage() const { return tapeLayout().printImage(); }
    void setPrintImage(std::shared_ptr<Picture> picture);

    TapeLayout& tapeLayout() { return static_cast<TapeLayout&>(layout()); }
    const TapeLayout& tapeLayout() const { return static_cast<const TapeLayout&>(layout()); }

protected:
    void redisplay() override;
};

#pragma once

#include "label/LabelDropTarget.h"

#include <QLabel>

// What the preview shows in place of a label: a message (what to do in an empty
// window, or why the selected photograph has no label) over an area that takes
// dropped photographs, outlined while they are held over it.
class DropPrompt : public QLabel {
    Q_OBJECT

public:
    explicit DropPrompt(QWidget* parent = nullptr);

    bool dragging() const { return dropTarget_.dragging(); }

signals:
    void photosDropped(const QStringList& paths);

protected:
    void paintEvent(QPaintEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    LabelDropTarget dropTarget_;
};

#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QDragEnterEvent;
class QDropEvent;
class QMimeData;

// What both label views do with photograph files dragged onto them: accept a drag
// holding at least one existing file (not a folder) with a photograph extension
// (photo/PhotoFileTypes.h), highlight the label while it is held over it, and on the
// drop give the paths of those photographs, in the drag's order.
class LabelDropTarget {
public:
    // redraw is called whenever the highlight changes and must repaint at once.
    explicit LabelDropTarget(std::function<void()> redraw);

    // The paths of the files a drag carries, or nothing when it carries none (or
    // carries something that is not a local file).
    static std::optional<QStringList> fileListInDraggingInfo(const QMimeData* drag);
    // The photographs among the drag's files.
    static QStringList photographsIn(const QMimeData* drag);
    static bool acceptableObject(const QMimeData* drag);

    // True when the drag is taken (the generic operation); highlights the label.
    bool draggingEntered(const QMimeData* drag);
    void draggingExited();
    // The dropped photographs' paths; empty when the drop was not taken.
    QStringList performDragOperation(const QMimeData* drag);

    bool dragging() const { return dragging_; }

    // The same for a widget's drag events: each is accepted as a copy or ignored.
    void enter(QDragEnterEvent* event);
    // The dropped photographs' paths; empty (and the event ignored) when not taken.
    QStringList drop(QDropEvent* event);

private:
    void setDragging(bool dragging);

    std::function<void()> redraw_;
    bool dragging_ = false;
};

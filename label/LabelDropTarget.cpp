#include "label/LabelDropTarget.h"

#include "photo/PhotoFileTypes.h"

#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

LabelDropTarget::LabelDropTarget(std::function<void()> redraw) : redraw_(std::move(redraw)) {}

std::optional<QStringList> LabelDropTarget::fileListInDraggingInfo(const QMimeData* drag) {
    if (!drag || !drag->hasUrls())
        return std::nullopt;
    QStringList paths;
    for (const QUrl& url : drag->urls()) {
        if (!url.isLocalFile())
            return std::nullopt;
        paths.append(url.toLocalFile());
    }
    return paths;
}

bool LabelDropTarget::acceptableObject(const QMimeData* drag) {
    const auto files = fileListInDraggingInfo(drag);
    if (files && files->size() > 1)
        return false;
    if (!files || files->isEmpty())
        return false;
    const QFileInfo file(files->first());
    if (!file.exists() || file.isDir())
        return false;
    return hasPhotoExtension(files->first());
}

bool LabelDropTarget::draggingEntered(const QMimeData* drag) {
    if (!acceptableObject(drag))
        return false;
    setDragging(true);
    return true;
}

void LabelDropTarget::draggingExited() {
    setDragging(false);
}

std::optional<QString> LabelDropTarget::performDragOperation(const QMimeData* drag) {
    setDragging(false);
    const auto files = fileListInDraggingInfo(drag);
    if (!files || files->size() != 1)
        return std::nullopt;
    return files->first();
}

void LabelDropTarget::setDragging(bool dragging) {
    dragging_ = dragging;
    if (redraw_)
        redraw_();
}

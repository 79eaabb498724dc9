#include "label/LabelDropTarget.h"

#include "photo/PhotoFileTypes.h"
#include "platform/FileNames.h"

#include <QDropEvent>
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

QStringList LabelDropTarget::photographsIn(const QMimeData* drag) {
    QStringList photographs;
    for (const QString& path : fileListInDraggingInfo(drag).value_or(QStringList())) {
        const QFileInfo file = FileNames::fileInfo(path);
        if (file.exists() && !file.isDir() && hasPhotoExtension(path))
            photographs.append(path);
    }
    return photographs;
}

bool LabelDropTarget::acceptableObject(const QMimeData* drag) {
    return !photographsIn(drag).isEmpty();
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

QStringList LabelDropTarget::performDragOperation(const QMimeData* drag) {
    setDragging(false);
    return photographsIn(drag);
}

void LabelDropTarget::setDragging(bool dragging) {
    dragging_ = dragging;
    if (redraw_)
        redraw_();
}

void LabelDropTarget::enter(QDragEnterEvent* event) {
    if (draggingEntered(event->mimeData())) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->ignore();
    }
}

QStringList LabelDropTarget::drop(QDropEvent* event) {
    const QStringList paths = performDragOperation(event->mimeData());
    if (paths.isEmpty()) {
        event->ignore();
    } else {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    }
    return paths;
}

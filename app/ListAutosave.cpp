#include "app/ListAutosave.h"

#include "app/PhotoList.h"
#include "label/CaptionSheet.h"
#include "platform/PropertyList.h"
#include "platform/WholeFileWriter.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

ListAutosave::ListAutosave(PhotoList& list, const QString& path, QObject* parent)
    : QObject(parent), list_(list), path_(path) {
    delay_.setSingleShot(true);
    delay_.setInterval(writeDelayMilliseconds);
    connect(&delay_, &QTimer::timeout, this, &ListAutosave::write);
}

ListAutosave::~ListAutosave() {
    flush();
}

Result<std::vector<PhotoEntry>> ListAutosave::restore() {
    if (!QFile::exists(path_))
        return std::vector<PhotoEntry>{};
    const auto read = CaptionSheet::read(path_);
    if (!read)
        return keepAside(read.failure().text());
    return PhotoList::entriesFromSheet(*read);
}

// The damaged file goes to a name of its own beside it, with the time it was found.
Failure ListAutosave::keepAside(const QString& reason) {
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside = QStringLiteral("%1.damaged-%2").arg(path_, stamp);
    for (int again = 2; QFileInfo::exists(aside); ++again)
        aside = QStringLiteral("%1.damaged-%2-%3").arg(path_, stamp).arg(again);
    if (!QFile::rename(path_, aside))
        return {QStringLiteral("listNotKeptAsideMsg"), {path_, reason}};
    return {QStringLiteral("listDamagedMsg"), {path_, reason, aside}};
}

void ListAutosave::follow() {
    const auto changed = [this] { delay_.start(); };
    connect(&list_, &PhotoList::rowsInserted, this, changed);
    connect(&list_, &PhotoList::rowsRemoved, this, changed);
    connect(&list_, &PhotoList::rowsMoved, this, changed);
    connect(&list_, &PhotoList::modelReset, this, changed);
    connect(&list_, &PhotoList::dataChanged, this,
            [this](const QModelIndex&, const QModelIndex&, const QList<int>& roles) {
                for (const int role : {int(PhotoList::TitleRole), int(PhotoList::PhotographerRole),
                                       int(PhotoList::LensRole)})
                    if (roles.contains(role))
                        delay_.start();
            });
}

void ListAutosave::flush() {
    if (delay_.isActive()) {
        delay_.stop();
        write();
    }
}

void ListAutosave::write() {
    QString problem = path_;
    if (PropertyList::ensureParentFolder(path_)) {
        const Status written = WholeFileWriter::write(
            path_, CaptionSheet::write(list_.captionRows(), QFileInfo(path_).absolutePath()));
        if (written)
            return;
        problem = written.failure().text();
    }
    emit writeFailed({QStringLiteral("listNotWrittenMsg"), {path_, problem}});
}

#include "app/PhotoListController.h"

#include "app/DialogRunner.h"
#include "app/EntryController.h"
#include "app/ListEdits.h"
#include "app/MainWindow.h"
#include "app/OpenDialogFilters.h"
#include "app/PhotoIntake.h"
#include "app/PhotoList.h"
#include "app/PhotoListPanel.h"
#include "label/CaptionSheet.h"
#include "platform/Alert.h"
#include "platform/LocalizedText.h"
#include "platform/WholeFileWriter.h"

#include <QFileInfo>
#include <QUndoStack>

namespace {

const QString captionSheetFilter = QStringLiteral("CSV (*.csv)");

QStringList fileNames(const std::vector<PhotoEntry>& entries) {
    QStringList names;
    for (const PhotoEntry& entry : entries)
        names << QFileInfo(entry.path).fileName();
    return names;
}

AlertContent alertOf(const QString& titleKey, const QString& message) {
    return {.title = localizedString(titleKey),
            .message = message,
            .defaultButton = localizedString(QStringLiteral("Ok"))};
}

} // namespace

PhotoListController::PhotoListController(PhotoList& list, PhotoIntake& intake, QUndoStack& edits,
                                         EntryController& entries, MainWindow& window,
                                         DialogRunner& dialogs, AlertPresenter& alerts,
                                         QObject* parent)
    : QObject(parent), list_(list), intake_(intake), edits_(edits), entries_(entries),
      window_(window), dialogs_(dialogs), alerts_(alerts) {
    connect(&list_, &PhotoList::entriesToRead, this,
            [this](const std::vector<PhotoEntry>& entries) {
                for (const PhotoEntry& entry : entries)
                    run_.append(entry.id);
                intake_.read(entries);
            });
    for (const auto signal : {&PhotoList::rowsInserted, &PhotoList::rowsRemoved})
        connect(&list_, signal, this, &PhotoListController::listChanged);

    PhotoListPanel* panel = window_.photoListPanel();
    panel->setList(&list_);
    connect(panel, &PhotoListPanel::cancelRequested, &intake_, &PhotoIntake::cancel);
    connect(&intake_, &PhotoIntake::progressChanged, panel, &PhotoListPanel::showProgress);
    // The progress goes before the alert that may end the run.
    connect(&intake_, &PhotoIntake::finished, panel, &PhotoListPanel::hideProgress);
    connect(&intake_, &PhotoIntake::finished, this, &PhotoListController::runEnded);
    connect(panel, &PhotoListPanel::removeRequested, this,
            [this](const QList<int>& rows) { remove(rows, QStringLiteral("removeUndo")); });
    connect(panel, &PhotoListPanel::moveRequested, this, &PhotoListController::move);
    connect(panel, &PhotoListPanel::clearRequested, this, [this] {
        QList<int> rows;
        for (int row = 0; row < list_.rowCount(); ++row)
            rows.append(row);
        remove(rows, QStringLiteral("clearListUndo"));
    });

    connect(&window_, &MainWindow::openRequested, this, &PhotoListController::openPhotographs);
    connect(&window_, &MainWindow::photosDropped, this,
            qOverload<const QStringList&>(&PhotoListController::add));
    connect(&window_, &MainWindow::importSheetRequested, this,
            &PhotoListController::importCaptionSheet);
    connect(&window_, &MainWindow::exportSheetRequested, this,
            &PhotoListController::exportCaptionSheet);
    listChanged();
}

void PhotoListController::add(const QStringList& paths) {
    std::vector<PhotoEntry> entries = PhotoList::entriesFor(paths);
    const QStringList names = fileNames(entries);
    add(std::move(entries), names);
}

// The first photograph added is shown, so that the user sees what arrived.
void PhotoListController::add(std::vector<PhotoEntry> entries, const QStringList& names) {
    if (entries.empty())
        return;
    const int first = list_.append(std::move(entries));
    for (int row = first; row < list_.rowCount() && row - first < names.size(); ++row)
        names_.insert(list_.entry(row).id, names.at(row - first));
    entries_.select(first);
}

void PhotoListController::openPhotographs() {
    dialogs_.chooseFilesToOpen(&window_, localizedString(QStringLiteral("openDialogTitle")),
                               openDialogNameFilters(), true,
                               [this](const QStringList& paths) { add(paths); });
}

// The sheet's photographs join the list in its order, each with its row's captions and
// named by its row in the alert should it not be readable.
void PhotoListController::importCaptionSheet() {
    dialogs_.chooseFilesToOpen(
        &window_, localizedString(QStringLiteral("importSheetTitle")), {captionSheetFilter}, false,
        [this](const QStringList& paths) {
            if (paths.isEmpty())
                return;
            const auto read = CaptionSheet::read(paths.first());
            if (!read) {
                alerts_.present(
                    alertOf(QStringLiteral("sheetNotReadTitle"), read.failure().text()));
                return;
            }
            const auto& rows = *read;
            QStringList names;
            for (const CaptionRow& row : rows)
                names << localizedText(QStringLiteral("sheetRowName"),
                                       {QString::number(row.row), QFileInfo(row.file).fileName()});
            add(PhotoList::entriesFromSheet(rows), names);
        });
}

void PhotoListController::exportCaptionSheet() {
    if (list_.rowCount() == 0)
        return;
    const std::optional<QString> path =
        dialogs_.chooseFileToSave(&window_, localizedString(QStringLiteral("exportSheetTitle")),
                                  captionSheetFilter, QStringLiteral("csv"));
    if (!path)
        return;
    const QByteArray sheet =
        CaptionSheet::write(list_.captionRows(), QFileInfo(*path).absolutePath());
    const Status written = WholeFileWriter::write(*path, sheet);
    if (!written)
        alerts_.present(alertOf(QStringLiteral("sheetNotWrittenTitle"),
                                QStringLiteral("%1\n\n%2").arg(*path, written.failure().text())));
}

// The list pane shows while it holds several photographs, so that one photograph alone
// looks as a label alone always did.
void PhotoListController::listChanged() {
    const int count = list_.rowCount();
    window_.setPhotoListShown(count > 1);
    window_.setListActionsEnabled(count > 0);
}

void PhotoListController::runEnded(const QList<quint64>& dropped) {
    if (!dropped.isEmpty()) {
        QList<int> rows;
        for (const quint64 id : dropped)
            if (const int row = list_.rowOf(id); row >= 0)
                rows.append(row);
        remove(rows, QStringLiteral("cancelReadingUndo"));
    }
    QStringList unreadable;
    for (const quint64 id : std::exchange(run_, {})) {
        const int row = list_.rowOf(id);
        if (row < 0 || list_.entry(row).readable() || list_.entry(row).beingRead())
            continue;
        const PhotoEntry& entry = list_.entry(row);
        unreadable << QStringLiteral("%1: %2").arg(
            names_.value(id, QFileInfo(entry.path).fileName()), entry.failure);
    }
    names_.clear();
    if (unreadable.isEmpty())
        return;
    AlertContent alert = alertOf(
        QStringLiteral("listNotReadTitle"),
        localizedText(QStringLiteral("listNotReadMsg"), {QString::number(unreadable.size())}));
    alert.details = unreadable;
    alerts_.present(alert);
}

void PhotoListController::remove(const QList<int>& rows, const QString& textKey) {
    std::vector<quint64> ids;
    for (const int row : rows)
        if (row >= 0 && row < list_.rowCount())
            ids.push_back(list_.entry(row).id);
    if (!ids.empty())
        edits_.push(new ListEdits::RemoveEntries(list_, std::move(ids), localizedString(textKey)));
}

void PhotoListController::move(int row, int step) {
    const int to = row + step;
    if (row < 0 || row >= list_.rowCount() || to < 0 || to >= list_.rowCount())
        return;
    edits_.push(new ListEdits::MoveEntry(list_, list_.entry(row).id, step));
    entries_.select(to);
}

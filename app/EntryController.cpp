#include "app/EntryController.h"

#include "app/ListEdits.h"
#include "app/MainWindow.h"
#include "app/PhotoList.h"
#include "app/PhotoListPanel.h"
#include "label/LabelLayout.h"
#include "platform/LocalizedText.h"

#include <QFileInfo>
#include <QUndoStack>

using ListEdits::Caption;

namespace {

const QString applicationName = QStringLiteral("Kestavolin");

} // namespace

EntryController::EntryController(PhotoList& list, QUndoStack& edits, MainWindow& window,
                                 QObject* parent)
    : QObject(parent), list_(list), edits_(edits), window_(window) {
    PhotoListPanel* panel = window_.photoListPanel();
    connect(panel, &PhotoListPanel::currentEntryChanged, this, [this] {
        ++session_;
        show();
    });
    connect(&list_, &PhotoList::dataChanged, this,
            [this](const QModelIndex& first, const QModelIndex& last) {
                showCurrentIfChanged(first.row(), last.row());
            });
    connect(&list_, &PhotoList::rowsMoved, this, &EntryController::show);
    connect(&list_, &PhotoList::rowsRemoved, this, &EntryController::show);
    connect(&list_, &PhotoList::rowsInserted, this, &EntryController::show);
    connect(&list_, &PhotoList::modelReset, this, &EntryController::show);
    connect(&window_, &MainWindow::titleEdited, this, &EntryController::editTitle);
    connect(&window_, &MainWindow::photographerEdited, this, &EntryController::editPhotographer);
    connect(&window_, &MainWindow::captionEditEnded, this, [this] { ++session_; });
    show();
}

int EntryController::currentRow() const {
    return window_.photoListPanel()->currentRow();
}

void EntryController::select(int row) {
    window_.photoListPanel()->setCurrentRow(row);
    show();
}

int EntryController::readableRow() const {
    const int row = currentRow();
    return row >= 0 && row < list_.rowCount() && list_.entry(row).readable() ? row : -1;
}

void EntryController::showCurrentIfChanged(int first, int last) {
    const int row = currentRow();
    if (row >= first && row <= last)
        show();
}

void EntryController::show() {
    const int row = currentRow();
    if (row < 0 || row >= list_.rowCount()) {
        window_.setWindowTitle(applicationName);
        window_.showMessage(localizedString(QStringLiteral("emptyWindowPrompt")));
        window_.showCaptions({});
        window_.setPrintingEnabled(false);
        return;
    }
    const PhotoEntry& photo = list_.entry(row);
    const QString name = QFileInfo(photo.path).fileName();
    window_.setWindowTitle(name);
    window_.setPrintingEnabled(photo.readable());
    if (!photo.readable()) {
        window_.showMessage(
            photo.beingRead()
                ? localizedText(QStringLiteral("entryReadingPrompt"), {name})
                : localizedText(QStringLiteral("entryNotReadPrompt"), {name, photo.failure}));
        window_.showCaptions({});
        return;
    }
    const LabelOptions options = list_.labelOptions(row);
    window_.showLabel(list_.labelLayout(row));
    window_.showCaptions({.title = photo.title,
                          .photographer = photo.photographer.value_or(QString()),
                          .defaultPhotographer = list_.labelDefaults().photographer,
                          .lens = options.lens.value_or(QString()),
                          .editable = true});
}

void EntryController::editTitle(const QString& title) {
    const int row = readableRow();
    if (row < 0)
        return;
    edits_.push(
        new ListEdits::EditCaption(list_, list_.entry(row).id, Caption::Title, title, session_));
}

// An emptied field gives the entry back the default photographer.
void EntryController::editPhotographer(const QString& name) {
    const int row = readableRow();
    if (row < 0)
        return;
    edits_.push(new ListEdits::EditCaption(
        list_, list_.entry(row).id, Caption::Photographer,
        name.isEmpty() ? std::nullopt : std::optional<QString>(name), session_));
}

// The default lens chosen for an entry without a lens of its own changes nothing.
void EntryController::chooseLens(const QString& name) {
    const int row = readableRow();
    if (row < 0)
        return;
    const PhotoEntry& photo = list_.entry(row);
    if (!photo.lens && list_.labelDefaults().lens == name)
        return;
    if (photo.lens == name)
        return;
    edits_.push(new ListEdits::EditCaption(list_, photo.id, Caption::Lens, name, ++session_));
}

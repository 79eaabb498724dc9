#include "app/PhotoListPanel.h"

#include "app/PhotoEntryDelegate.h"
#include "app/PhotoList.h"

#include "ui_PhotoListPanel.h"

PhotoListPanel::PhotoListPanel(QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Ui::PhotoListPanel>()) {
    ui_->setupUi(this);
    ui_->photoView->setItemDelegate(new PhotoEntryDelegate(ui_->photoView));
    ui_->progressRow->hide();
    ui_->removeButton->setDefaultAction(ui_->actionRemove);
    ui_->moveUpButton->setDefaultAction(ui_->actionMoveUp);
    ui_->moveDownButton->setDefaultAction(ui_->actionMoveDown);
    ui_->clearButton->setDefaultAction(ui_->actionClearList);
    connect(ui_->actionRemove, &QAction::triggered, this, [this] {
        QList<int> rows;
        for (const QModelIndex& index : ui_->photoView->selectionModel()->selectedRows())
            rows.append(index.row());
        if (!rows.isEmpty())
            emit removeRequested(rows);
    });
    connect(ui_->actionMoveUp, &QAction::triggered, this,
            [this] { emit moveRequested(currentRow(), -1); });
    connect(ui_->actionMoveDown, &QAction::triggered, this,
            [this] { emit moveRequested(currentRow(), 1); });
    connect(ui_->actionClearList, &QAction::triggered, this, &PhotoListPanel::clearRequested);
    connect(ui_->cancelButton, &QPushButton::clicked, this, &PhotoListPanel::cancelRequested);
    updateButtons();
}

PhotoListPanel::~PhotoListPanel() = default;

void PhotoListPanel::setList(PhotoList* list) {
    list_ = list;
    ui_->photoView->setModel(list);
    connect(ui_->photoView->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                updateButtons();
                emit currentEntryChanged(current.isValid() ? current.row() : -1);
            });
    connect(ui_->photoView->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &PhotoListPanel::updateButtons);
    connect(list, &PhotoList::rowsInserted, this, &PhotoListPanel::updateButtons);
    connect(list, &PhotoList::rowsRemoved, this, &PhotoListPanel::updateButtons);
    // A moved row keeps its place as the current one without currentChanged.
    connect(list, &PhotoList::rowsMoved, this, &PhotoListPanel::updateButtons);
    // A reset leaves no current entry, also without currentChanged.
    connect(list, &PhotoList::modelReset, this, [this] {
        updateButtons();
        emit currentEntryChanged(-1);
    });
    updateButtons();
}

int PhotoListPanel::currentRow() const {
    const QModelIndex current = ui_->photoView->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void PhotoListPanel::setCurrentRow(int row) {
    if (list_)
        ui_->photoView->setCurrentIndex(list_->index(row));
}

void PhotoListPanel::showProgress(int done, int total) {
    ui_->intakeProgress->setRange(0, total);
    ui_->intakeProgress->setValue(done);
    ui_->progressRow->show();
}

void PhotoListPanel::hideProgress() {
    ui_->progressRow->hide();
}

QList<QAction*> PhotoListPanel::editActions() const {
    return {ui_->actionRemove, ui_->actionMoveUp, ui_->actionMoveDown, ui_->actionClearList};
}

void PhotoListPanel::updateButtons() {
    const int row = currentRow();
    const int rows = list_ ? list_->rowCount() : 0;
    ui_->actionRemove->setEnabled(ui_->photoView->selectionModel() &&
                                  ui_->photoView->selectionModel()->hasSelection());
    ui_->actionMoveUp->setEnabled(row > 0);
    ui_->actionMoveDown->setEnabled(row >= 0 && row + 1 < rows);
    ui_->actionClearList->setEnabled(rows > 0);
}

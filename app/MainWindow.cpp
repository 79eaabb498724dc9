#include "app/MainWindow.h"

#include "app/PhotoListPanel.h"
#include "label/LabelLayout.h"
#include "label/LabelPreview.h"
#include "label/TapeLength.h"
#include "platform/LocalizedText.h"
#include "ui_MainWindow.h"

#include <QCompleter>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QUndoStack>

namespace {

// A first window takes this share of the screen's room, and never less than the
// smallest size that shows every control.
constexpr double firstWindowShare = 0.7;
constexpr QSize smallestFirstWindow(640, 420);

QColor grey(double level) {
    return QColor::fromRgbF(level, level, level, 1.0);
}
const QColor windowFill = grey(0.32);
const QColor captionColour = grey(0.8);

void setColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

// Sets the field's text only when it differs, so that the cursor of a field being
// typed into stays where it is.
void setText(QLineEdit* field, const QString& text) {
    if (field->text() != text)
        field->setText(text);
}

// Edit > Undo and Redo name the edit they take back or repeat.
void followStack(QAction* action, const QString& key, bool canAct, const QString& what) {
    action->setEnabled(canAct);
    action->setText(what.isEmpty() ? localizedString(key + QStringLiteral("Nothing"))
                                   : localizedText(key, {what}));
}

} // namespace

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent), ui_(std::make_unique<Ui::MainWindow>()) {
    ui_->setupUi(this);
    // Names differing only in letter case are different lenses.
    ui_->lensName->completer()->setCaseSensitivity(Qt::CaseSensitive);
    ui_->lensName->lineEdit()->setAccessibleName(ui_->lensName->accessibleName());
    ui_->actionZoomIn->setShortcuts(QKeySequence::ZoomIn);
    ui_->actionZoomOut->setShortcuts(QKeySequence::ZoomOut);
    ui_->actionUndo->setShortcuts(QKeySequence::Undo);
    ui_->actionRedo->setShortcuts(QKeySequence::Redo);
    ui_->actionUndo->setEnabled(false);
    ui_->actionRedo->setEnabled(false);
    // The photo list's edits are in the Edit menu too, with their shortcuts.
    ui_->menuEdit->insertActions(ui_->actionDeleteLens, ui_->photoListPanel->editActions());
    ui_->menuEdit->insertSeparator(ui_->actionDeleteLens);
    applyColours();
    connectControls();
    showCaptions({});
    setPrintingEnabled(false);
    setPhotoListShown(false);
    setListActionsEnabled(false);
}

MainWindow::~MainWindow() = default;

// A dark grey window with light captions, in which the white label stands out.
void MainWindow::applyColours() {
    setColour(ui_->contentView, QPalette::Window, windowFill);
    for (QWidget* caption : std::initializer_list<QWidget*>{
             ui_->selectArea, ui_->inputArea, ui_->titleNameTitle, ui_->lensTitle, ui_->authorTitle,
             ui_->tapeLengthLabel, ui_->labelPreview})
        setColour(caption, QPalette::WindowText, captionColour);
}

void MainWindow::connectControls() {
    connect(ui_->actionOpen, &QAction::triggered, this, &MainWindow::openRequested);
    connect(ui_->actionNewWindow, &QAction::triggered, this, &MainWindow::newWindowRequested);
    connect(ui_->actionPageSetup, &QAction::triggered, this, &MainWindow::pageSetupRequested);
    connect(ui_->actionPrint, &QAction::triggered, this, &MainWindow::printRequested);
    connect(ui_->printButton, &QPushButton::clicked, this, &MainWindow::printRequested);
    connect(ui_->actionPrintAll, &QAction::triggered, this, &MainWindow::printAllRequested);
    connect(ui_->actionExportAllPdf, &QAction::triggered, this, &MainWindow::exportAllRequested);
    connect(ui_->actionImportSheet, &QAction::triggered, this, &MainWindow::importSheetRequested);
    connect(ui_->actionExportSheet, &QAction::triggered, this, &MainWindow::exportSheetRequested);
    connect(ui_->actionQuit, &QAction::triggered, this, &MainWindow::quitRequested);
    connect(ui_->actionDeleteLens, &QAction::triggered, this, &MainWindow::deleteLensRequested);
    connect(ui_->deleteLensButton, &QPushButton::clicked, this, &MainWindow::deleteLensRequested);
    connect(ui_->actionPreferences, &QAction::triggered, this, &MainWindow::preferencesRequested);
    connect(ui_->actionAbout, &QAction::triggered, this, &MainWindow::aboutRequested);
    LabelPreview* preview = ui_->labelPreview;
    connect(ui_->actionZoomIn, &QAction::triggered, preview, &LabelPreview::zoomIn);
    connect(ui_->actionZoomOut, &QAction::triggered, preview, &LabelPreview::zoomOut);
    connect(ui_->actionActualSize, &QAction::triggered, preview, &LabelPreview::zoomToActualSize);
    connect(ui_->actionFitToWindow, &QAction::triggered, preview, &LabelPreview::zoomToFit);
    connect(preview, &LabelPreview::labelSizeChanged, this, &MainWindow::showTapeLength);
    connect(preview, &LabelPreview::photosDropped, this, &MainWindow::photosDropped);
    connect(ui_->lensName, &QComboBox::activated, this, [this] { emit lensChosen(lensName()); });
    connect(ui_->lensName->lineEdit(), &QLineEdit::returnPressed, this,
            [this] { emit lensChosen(lensName()); });
    connect(ui_->lensName, &QComboBox::currentTextChanged, this, &MainWindow::shownLensChanged);
    connect(ui_->titleMessageBox, &QLineEdit::textEdited, this, &MainWindow::titleEdited);
    connect(ui_->photographerBox, &QLineEdit::textEdited, this, &MainWindow::photographerEdited);
    for (QLineEdit* field : {ui_->titleMessageBox, ui_->photographerBox})
        connect(field, &QLineEdit::editingFinished, this, &MainWindow::captionEditEnded);
}

void MainWindow::showLabel(std::unique_ptr<LabelLayout> label) {
    ui_->labelPreview->showLabel(std::move(label));
}

void MainWindow::showMessage(const QString& message) {
    ui_->labelPreview->showMessage(message);
    ui_->tapeLengthLabel->clear();
}

const LabelLayout* MainWindow::shownLabel() const {
    return ui_->labelPreview->label();
}

bool MainWindow::metric() const {
    return ui_->labelPreview->metric();
}

void MainWindow::showTapeLength(const QSizeF& labelSize) {
    if (labelSize.isEmpty())
        ui_->tapeLengthLabel->clear();
    else
        ui_->tapeLengthLabel->setText(tapeLengthText(labelSize.width(), metric()));
}

void MainWindow::setLensNames(const QStringList& names) {
    const QString shown = lensName();
    ui_->lensName->clear();
    ui_->lensName->addItems(names);
    showLensName(shown);
}

void MainWindow::showLensName(const QString& name) {
    const int index = ui_->lensName->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
    ui_->lensName->setCurrentIndex(index);
    if (index < 0)
        ui_->lensName->setEditText(name);
}

QString MainWindow::lensName() const {
    return ui_->lensName->currentText();
}

void MainWindow::setDeleteLensEnabled(bool enabled) {
    ui_->deleteLensButton->setEnabled(enabled);
    ui_->actionDeleteLens->setEnabled(enabled);
}

void MainWindow::showCaptions(const CaptionFields& fields) {
    setText(ui_->titleMessageBox, fields.title);
    setText(ui_->photographerBox, fields.photographer);
    ui_->photographerBox->setPlaceholderText(fields.defaultPhotographer);
    for (QWidget* field :
         std::initializer_list<QWidget*>{ui_->titleMessageBox, ui_->photographerBox, ui_->lensName})
        field->setEnabled(fields.editable);
    if (fields.editable)
        showLensName(fields.lens);
}

void MainWindow::setPrintingEnabled(bool enabled) {
    ui_->printButton->setEnabled(enabled);
    ui_->actionPrint->setEnabled(enabled);
    ui_->actionPageSetup->setEnabled(enabled);
}

PhotoListPanel* MainWindow::photoListPanel() const {
    return ui_->photoListPanel;
}

void MainWindow::setPhotoListShown(bool shown) {
    ui_->photoListPanel->setVisible(shown);
}

void MainWindow::setListActionsEnabled(bool enabled) {
    for (QAction* action : {ui_->actionPrintAll, ui_->actionExportAllPdf, ui_->actionExportSheet})
        action->setEnabled(enabled);
}

void MainWindow::setUndoStack(QUndoStack* stack) {
    connect(ui_->actionUndo, &QAction::triggered, stack, &QUndoStack::undo);
    connect(ui_->actionRedo, &QAction::triggered, stack, &QUndoStack::redo);
    const auto follow = [this, stack] {
        followStack(ui_->actionUndo, QStringLiteral("undoAction"), stack->canUndo(),
                    stack->undoText());
        followStack(ui_->actionRedo, QStringLiteral("redoAction"), stack->canRedo(),
                    stack->redoText());
    };
    connect(stack, &QUndoStack::indexChanged, this, follow);
    connect(stack, &QUndoStack::cleanChanged, this, follow);
    follow();
}

WindowLayout MainWindow::layoutState() const {
    const LabelPreview* preview = ui_->labelPreview;
    return {saveGeometry(), ui_->splitter->saveState(),
            preview->fitsToWindow() ? std::nullopt : std::optional<double>(preview->zoom())};
}

void MainWindow::restoreLayout(const WindowLayout& layout) {
    if (layout.geometry.isEmpty() || !restoreGeometry(layout.geometry)) {
        const QSize room = screen()->availableSize();
        resize((QSizeF(room) * firstWindowShare)
                   .toSize()
                   .expandedTo(smallestFirstWindow)
                   .boundedTo(room));
    }
    if (!layout.splitter.isEmpty())
        ui_->splitter->restoreState(layout.splitter);
    if (layout.zoom)
        ui_->labelPreview->setZoom(*layout.zoom);
    else
        ui_->labelPreview->zoomToFit();
}

void MainWindow::showNotice(const QString& text) {
    ui_->statusbar->showMessage(text);
}

QString MainWindow::notice() const {
    return ui_->statusbar->currentMessage();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    QMainWindow::closeEvent(event);
    emit closed();
}

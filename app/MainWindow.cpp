#include "app/MainWindow.h"

#include "label/RollView.h"
#include "label/Ruler.h"
#include "label/RulerLayout.h"
#include "label/TapeLength.h"
#include "label/TapeView.h"
#include "ui_MainWindow.h"

#include <QCompleter>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>

namespace {

// The content area's starting size for the tape label; the roll label is taller and
// the area starts taller by the difference.
constexpr QSize tapeContentSize(720, 280);
constexpr int roll60ExtraHeight = 97;

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

} // namespace

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent), ui_(std::make_unique<Ui::MainWindow>()) {
    ui_->setupUi(this);
    // Names differing only in letter case are different lenses.
    ui_->lensName->completer()->setCaseSensitivity(Qt::CaseSensitive);
    ui_->actionZoomIn->setShortcuts(QKeySequence::ZoomIn);
    ui_->actionZoomOut->setShortcuts(QKeySequence::ZoomOut);
    applyColours();
    connectControls();
    resizeContentTo(tapeContentSize);
    setPrintingEnabled(false);
    setPhotoListShown(false);
    setListActionsEnabled(false);
}

MainWindow::~MainWindow() = default;

// A dark grey window with light captions, in which the white label stands out.
void MainWindow::applyColours() {
    setColour(ui_->contentView, QPalette::Window, windowFill);
    for (QWidget* caption :
         std::initializer_list<QWidget*>{ui_->selectArea, ui_->inputArea, ui_->titleNameTitle,
                                         ui_->lensTitle, ui_->authorTitle, ui_->tapeLengthLabel})
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
    connect(ui_->lensName, &QComboBox::activated, this, [this] { emit lensChosen(lensName()); });
    connect(ui_->lensName->lineEdit(), &QLineEdit::returnPressed, this,
            [this] { emit lensChosen(lensName()); });
    connect(ui_->photographerBox, &QLineEdit::editingFinished, this,
            [this] { emit photographerEdited(ui_->photographerBox->text()); });
    connect(ui_->titleMessageBox, &QLineEdit::editingFinished, this,
            [this] { emit titleEdited(ui_->titleMessageBox->text()); });
}

void MainWindow::resizeContentTo(const QSize& size) {
    resize(size.width(), size.height() + menuBar()->sizeHint().height());
}

void MainWindow::showTapeLabel(TapeView* view, Ruler* ruler) {
    ui_->labelPreview->showLabel(view, ruler);
    followTapeLength(view, ruler->metric());
    layout()->activate();
}

void MainWindow::showRollLabel(RollView* view) {
    resizeContentTo(tapeContentSize.grownBy(QMargins(0, 0, 0, roll60ExtraHeight)));
    ui_->labelPreview->showLabel(view, nullptr);
    followTapeLength(view, RulerLayout::systemUsesMetric());
    layout()->activate();
}

void MainWindow::followTapeLength(LabelView* view, bool metric) {
    QLabel* length = ui_->tapeLengthLabel;
    const auto show = [length, metric](const QSizeF& labelSize) {
        length->setText(tapeLengthText(labelSize.width(), metric));
    };
    connect(view, &LabelView::labelSizeChanged, length, show);
    show(view->layout().labelSize());
}

void MainWindow::setLensNames(const QStringList& names) {
    ui_->lensName->clear();
    ui_->lensName->addItems(names);
}

void MainWindow::selectLensAt(int index) {
    ui_->lensName->setCurrentIndex(index < ui_->lensName->count() ? index : -1);
}

QString MainWindow::lensName() const {
    return ui_->lensName->currentText();
}

void MainWindow::setPhotographer(const QString& name) {
    ui_->photographerBox->setText(name);
}

void MainWindow::setTitle(const QString& title) {
    ui_->titleMessageBox->setText(title);
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

void MainWindow::closeEvent(QCloseEvent* event) {
    QMainWindow::closeEvent(event);
    emit closed();
}

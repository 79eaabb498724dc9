#include "app/DialogRunner.h"

#include "preferences/PaperSize.h"
#include "preferences/PreferencesKestavolin.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>

void ModalDialogRunner::chooseFileToOpen(QWidget* parent, const QString& message,
                                         const QStringList& nameFilters,
                                         std::function<void(const QString& path)> chosen) {
    auto* dialog = new QFileDialog(parent, message);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setNameFilters(nameFilters);
    QObject::connect(dialog, &QFileDialog::fileSelected, dialog,
                     [chosen = std::move(chosen)](const QString& path) { chosen(path); });
    // Not modal: the dialog runs beside the application and answers when it is done.
    dialog->setWindowModality(Qt::NonModal);
    dialog->show();
}

std::optional<QString> ModalDialogRunner::askForMedium() {
    const std::unique_ptr<PaperSize> panel = PaperSize::initPaperSize();
    if (panel->result() != QDialog::Accepted)
        return std::nullopt;
    return panel->mediaName();
}

bool ModalDialogRunner::runPreferences(PreferencesKestavolin& panel) {
    return panel.openPreferencesPanel();
}

bool ModalDialogRunner::runPageSetup(QPrinter& printer, QWidget* parent) {
    QPageSetupDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

bool ModalDialogRunner::runPrintDialog(QPrinter& printer, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

void ModalDialogRunner::showAbout(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox::about(parent, title, text);
}

#include "app/DialogRunner.h"

#include "app/LabelPageDialog.h"
#include "label/RulerLayout.h"

#include "preferences/MediumDialog.h"
#include "preferences/PreferencesDialog.h"
#include "printing/LabelPrinting.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>

void ModalDialogRunner::chooseFilesToOpen(QWidget* parent, const QString& message,
                                          const QStringList& nameFilters, bool several,
                                          std::function<void(const QStringList& paths)> chosen) {
    auto* dialog = new QFileDialog(parent, message);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setFileMode(several ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setNameFilters(nameFilters);
    QObject::connect(dialog, &QFileDialog::filesSelected, dialog,
                     [chosen = std::move(chosen)](const QStringList& paths) { chosen(paths); });
    // Not modal: the dialog runs beside the application and answers when it is done.
    dialog->setWindowModality(Qt::NonModal);
    dialog->show();
}

std::optional<QString> ModalDialogRunner::chooseFileToSave(QWidget* parent, const QString& message,
                                                           const QString& nameFilter,
                                                           const QString& suffix) {
    QFileDialog dialog(parent, message);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(nameFilter);
    dialog.setDefaultSuffix(suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first();
}

std::optional<QString> ModalDialogRunner::askForMedium(const LabelPrinting& suggestions) {
    const std::unique_ptr<MediumDialog> panel =
        MediumDialog::run(nullptr, [&suggestions](MediumDialog& dialog) {
            QObject::connect(&suggestions, &LabelPrinting::mediumSuggested, &dialog,
                             &MediumDialog::suggest);
        });
    if (panel->result() != QDialog::Accepted)
        return std::nullopt;
    return panel->mediaName();
}

bool ModalDialogRunner::runPreferences(PreferencesDialog& panel) {
    return panel.openPreferencesPanel();
}

bool ModalDialogRunner::runPageSetup(QPrinter& printer, QWidget* parent) {
    LabelPageDialog dialog(printer, RulerLayout::systemUsesMetric(), parent);
    return dialog.exec() == QDialog::Accepted;
}

bool ModalDialogRunner::runPrintDialog(QPrinter& printer, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

void ModalDialogRunner::showAbout(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox::about(parent, title, text);
}

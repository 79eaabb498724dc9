#pragma once

#include "printing/LabelPrinting.h"

#include <QObject>
#include <QSizeF>
#include <QStringList>

#include <memory>

class AlertPresenter;
class DialogRunner;
class EntryController;
class MainWindow;
class PhotoList;
struct ListLabels;

// Printing and export: the label of the selected photograph, or every label of the
// list as one job, through the print dialog and the page the queue's printer needs;
// the labels of the list as one PDF file; the page set-up. The print service is asked
// off the event loop at every step (LabelPrinting); the tape length to set is told
// before a job is sent, with the medium the printer has loaded when it says, and the
// job is followed until the queue is done with it, what keeps the printer from printing
// and a printed job shown in the status line. Entries without a label are named before
// Print All or Export All starts, and texts the labels show shortened before any print
// or export.
class PrintController : public QObject {
    Q_OBJECT

public:
    PrintController(PhotoList& list, EntryController& entries, MainWindow& window,
                    DialogRunner& dialogs, AlertPresenter& alerts, QObject* parent = nullptr);

    LabelPrinting& printing() { return printing_; }
    const LabelPrinting& printing() const { return printing_; }

public slots:
    void pageSetup();
    void printLabel();
    void printAll();
    void exportAll();

private:
    // Tells which entries a job of the list leaves out; false when the user stops.
    bool acceptLeavingOut(const ListLabels& labels, const QString& titleKey);
    // Tells which texts the labels show shortened; false when the user stops.
    bool acceptShortened(const QStringList& notices);
    // Asks whether to go on, the details listed below the message; true to go on.
    bool confirm(const QString& title, const QString& message, const QStringList& details);
    // The alert of the lengths to set, the medium loaded above them when the printer says.
    AlertContent lengthsAlert(const std::shared_ptr<const ListLabels>& labels, int copies,
                              const QString& medium) const;
    void tell(const QString& titleKey, const QString& message);
    // The medium the labels are printed in ("Tape 18").
    QString medium() const;

    PhotoList& list_;
    EntryController& entries_;
    MainWindow& window_;
    DialogRunner& dialogs_;
    AlertPresenter& alerts_;
    LabelPrinting printing_;
};

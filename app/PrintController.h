#pragma once

#include "printing/PrintJobWatcher.h"
#include "printing/PrintSetup.h"

#include <QObject>
#include <QPageLayout>
#include <QPrinter>

#include <optional>
#include <utility>
#include <vector>

class AlertPresenter;
class DialogRunner;
class EntryController;
class MainWindow;
class PhotoList;
struct ListLabels;

// Printing and export: the label of the selected photograph, or every label of the
// list as one job, through the print dialog and the page the queue's driver needs;
// the labels of the list as one PDF file; the page set-up. The tape length to set is
// told before a job, and the job is followed until the queue is done with it. Entries
// without a label are named before Print All or Export All starts.
class PrintController : public QObject {
    Q_OBJECT

public:
    PrintController(PhotoList& list, EntryController& entries, MainWindow& window,
                    DialogRunner& dialogs, AlertPresenter& alerts, QObject* parent = nullptr);

public slots:
    void pageSetup();
    void printLabel();
    void printAll();
    void exportAll();

private:
    // Tells which entries a job of the list leaves out; false when the user stops.
    bool acceptLeavingOut(const ListLabels& labels, const QString& titleKey);
    // The queue and options chosen in the print dialog; nothing when cancelled.
    std::optional<PrintSetup::JobSettings> chooseQueue(QSizeF firstLabel,
                                                       const QString& documentName);
    void tellLengths(const ListLabels& labels, int copies);
    // Sends the labels and tells every failure on the way; names name the labels.
    void submit(const PrintSetup::JobSettings& job, const std::vector<PrintSetup::Label>& labels,
                const QStringList& names);
    void tell(const QString& titleKey, const QString& message);

    PhotoList& list_;
    EntryController& entries_;
    MainWindow& window_;
    DialogRunner& dialogs_;
    AlertPresenter& alerts_;
    QPrinter printer_{QPrinter::HighResolution};
    PrintJobWatcher jobs_;
    // The paper the user confirmed in the page set-up, and the queue it is for.
    std::optional<std::pair<QString, QPageLayout>> chosenPaper_;
};

#pragma once

#include "platform/Alert.h"
#include "printing/PrintService.h"
#include "printing/PrintSetup.h"

#include <QMap>
#include <QObject>
#include <QPageLayout>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class AlertPresenter;
class QPrinter;

// Printing from the window: the print and page set-up dialogs and every step after
// them, with each request to the print service made by the print service object off
// the event loop. A print goes: is the print service there at all (a service that does
// not answer is told, and no dialog is shown, since the dialogs themselves would wait
// for it), the queue the dialog opens on, the dialog, the queue chosen, the pages
// planned on what its printer describes, the tape lengths (and the medium the printer
// has loaded) told, the document written and sent, and the job followed: what keeps
// the printer from printing is a notice, a job the queue ended unprinted an alert.
class LabelPrinting : public QObject {
    Q_OBJECT

public:
    // A dialog run on the printer set-up; true when the user confirmed.
    using Dialog = std::function<bool(QPrinter&)>;

    struct Request {
        QString documentName;
        // The labels' medium as the user knows it ("Tape 18").
        QString labelMedium;
        // The size of the first label, which the dialogs show.
        QSizeF firstLabel;
        // The labels, taken once the queue is known, and their names to tell which
        // cannot be printed (none for a single label).
        std::function<std::vector<PrintSetup::Label>()> labels;
        QStringList names;
        // The alert that tells what the user sets on the printer before the job is sent:
        // for the copies, with the medium the printer has loaded when it says ("Tape 18 on
        // 19 mm tape").
        std::function<AlertContent(int copies, const QString& medium)> lengths;
    };

    // Alerts go through the presenter given.
    explicit LabelPrinting(AlertPresenter& alerts, QObject* parent = nullptr);
    ~LabelPrinting() override;

    // A label medium as the user knows it, with the size of a label of it.
    struct Medium {
        QString name;
        QSizeF labelSize;
    };
    // Asks the default queue which of the media its printer has loaded, when it is a
    // label printer that says: answered by mediumSuggested when one is found.
    void suggestMedium(const std::vector<Medium>& media);

    // Prints the labels; a print or page set-up under way makes this do nothing.
    void print(Request request, Dialog printDialog);
    // The page set-up, opening on the paper chosen before or the label's page.
    void pageSetup(QSizeF labelSize, Dialog pageSetupDialog);
    bool busy() const { return step_ != Step::Idle; }
    const PrintService& service() const { return *service_; }

signals:
    // What keeps each followed job from printing; empty once nothing does.
    void noticesChanged(const QStringList& notices);
    // A print or page set-up is done with, however it ended.
    void done();
    // The medium of those asked about that the default printer has loaded.
    void mediumSuggested(const QString& medium);
    // A followed job was printed.
    void jobPrinted(const QString& queue, int jobId);

private:
    enum class Step { Idle, Probing, LookingUpForDialog, Dialog, LookingUp, Submitting };

    void probed(int request, PrintService::Availability availability, const QString& address);
    void lookedUp(int request, const QueueLookup& lookup);
    void submitted(int request, const PrintJob::Submitted& answer);
    void printerNotice(const QString& queue, int jobId, const QString& documentName,
                       const QStringList& stoppingReasons);
    void jobEnded(const QString& queue, int jobId, const QString& documentName,
                  const PrintJob::Progress& progress);

    QPrinter& chosenPrinter();
    void start(Dialog dialog);
    void runDialog(const PrintQueue* queue);
    void send(const QueueLookup& lookup);
    void sendNextJob();
    PrintSetup::Submission followSent();
    void tell(const QString& titleKey, const QString& message);
    void fail(const PrintSetup::Submission& submission);
    void finish();

    AlertPresenter& alerts_;
    PrintService* service_;
    // The queue, copies and the printer's own options chosen in the print and page
    // set-up dialogs: each print and page set-up opens on the choices of the last.
    // Made once the print service has answered, since making it asks the service for
    // the default queue.
    std::unique_ptr<QPrinter> printer_;
    Step step_ = Step::Idle;
    int request_ = 0;
    // What is under way: a print (request set) or a page set-up.
    std::optional<Request> print_;
    QSizeF pageSetupLabel_;
    Dialog dialog_;
    PrintSetup::JobSettings job_;
    std::vector<PrintSetup::Label> labels_;
    PrintSetup::Plan plan_;
    PrintSetup::Document document_;
    std::vector<PrintJob::Submitted> answers_;
    // The paper the user picked in the page set-up: it holds for every print that is not
    // on a label printer, to a file or to a queue.
    std::optional<QPageLayout> chosenPaper_;
    QMap<int, QString> notices_;
    int suggestion_ = 0;
    std::vector<Medium> suggestedMedia_;
};

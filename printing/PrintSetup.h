#pragma once

#include "printing/JobDocument.h"
#include "printing/JobPages.h"
#include "printing/PrintJob.h"
#include "printing/PrintQueue.h"

#include <QPageLayout>
#include <QSizeF>
#include <QString>

#include <cstddef>
#include <memory>
#include <optional>
#include <vector>

class QPrinter;
class QTemporaryFile;

// The one way labels reach a print queue. Labels go as one job, a document of one
// page per label whose page is what the queue's printer needs: on label printers a
// portrait page as wide as the tape or roll and as long as that label, with the label
// turned to read along it, elsewhere a page of exactly the label's size. The printer's
// own cut and chain options fall between the labels.
//
// A job goes in steps, so that the window can make the print service's requests off
// its event loop: the queue is looked up (lookUpQueue), the pages are planned on what
// it describes (plan), the document is written (writeDocument) and sent
// (PrintJob::submit); printLabels runs them all in turn.
namespace PrintSetup {

using Label = JobDocument::Label;

// What a job is sent with.
struct JobSettings {
    // A queue's name, or a printer's ipp:// or ipps:// URI.
    QString queue;
    QString documentName;
    // The labels' medium as the user knows it ("Tape 18"), for what the user is told.
    QString labelMedium;
    int copies = 1;
    // The printer's own options (cutting, chain printing, margins), as the user set
    // them; the page size is always the label's.
    PrintJob::Options printerOptions;
    // Set when the print dialog's choice was a PDF file rather than a queue: each label
    // is written there on a page of exactly its size.
    QString outputFile;
    // Paper the user picked in the page set-up. On a queue that is no label printer,
    // and in a file, the label is printed on it at its own size in the paper's upper
    // left printable corner, when it fits there.
    std::optional<QPageLayout> chosenPaper;
};

// The queue, copies and printer options the user chose in the print dialog.
JobSettings jobSettings(QPrinter& printer, const QString& documentName);

enum class Failure {
    None,
    NoLabels,
    NoSuchQueue,
    ServiceNotAnswering,
    ServiceUnreachable,
    QueueStopped,
    QueueRefusesJobs,
    NoLabelMedium,
    LoadedMediumTooNarrow,
    LabelTooLong,
    LabelTooWide,
    NoDocumentFormat,
    NotWritten,
    JobNotCreated,
};

struct Submission {
    Failure failure = Failure::None;
    // The print service's or the file system's own words, when it gave any.
    QString detail;
    // The jobs sent, in order (several when a printer takes one page size per job).
    std::vector<int> jobIds;
    // The labels' printed size against their own (the smallest, when they differ):
    // below 1 when a label was shrunk to fit the printer's printable width.
    double scale = 1.0;
    // The index of the label that cannot be printed, for the failures of one label
    // (no tape of its width, too long, too wide).
    std::optional<std::size_t> label;
    // The labels' medium ("Tape 18"), and what the printer has loaded, as the user is
    // told ("19 mm tape"), when it says.
    QString labelMedium;
    QString loadedMedium;
    // What the label that cannot be printed needs ("18 mm tape"), when that is why.
    QString neededMedium;
    // The print service or printer that was asked, for the failures of not answering.
    QString address;
};

// One job of a plan: its pages and the options sent with them.
struct PlannedJob {
    std::vector<JobPages::Page> pages;
    PrintJob::Options options;
};

// Labels planned on their queue: the document format their pages go in, and the jobs
// they are sent as. That is one job, except on a driverless printer, which prints every
// page of a job on the job's one page size: there each run of pages of one size is a
// job of its own, in the labels' order.
struct Plan {
    Submission submission;
    PrintQueue queue;
    QString documentFormat;
    std::vector<PlannedJob> jobs;
};

// Why a lookup found no queue, as a submission that failed; none when it found one.
Submission lookupFailure(const QueueLookup& lookup);

// Plans the labels' pages on the queue, each copy the whole set. The submission names
// the first label that cannot be printed there, and nothing may be sent then.
Plan plan(const JobSettings& settings, const PrintQueue& queue, const std::vector<Label>& labels);

// A planned job's document in a temporary file (removed with the last holder), in the
// plan's format; a submission that failed when it could not be made.
struct Document {
    std::shared_ptr<QTemporaryFile> file;
    PrintJob::Document document;
    Submission submission;
};
Document writeDocument(const Plan& plan, const PlannedJob& job, const std::vector<Label>& labels,
                       const QString& title);

// The submission of a plan once the queue answered for its jobs, in order: the jobs
// made, and the failure of the first that was not.
Submission submitted(const Plan& plan, const std::vector<PrintJob::Submitted>& answers);

// Writes the labels to the settings' output file, one page each of its own size (or on
// the chosen paper), each label once.
Submission printToFile(const JobSettings& settings, const std::vector<Label>& labels);

// Sends the labels as one job of one page per label in their order, each copy the
// whole set, or writes them to the chosen file, waiting for the print service no longer
// than the deadline. Nothing is sent when any label cannot be printed on the queue's
// medium: the submission names it.
Submission printLabels(const JobSettings& settings, const std::vector<Label>& labels,
                       QDeadlineTimer deadline);

// Sets the printer's page to the page a label of labelSize points takes on a queue, so
// that the page set-up dialog shows it rather than the queue's default paper.
void proposePageSetup(QPrinter& printer, QSizeF labelSize, const PrintQueue* queue);

// Alert texts: why a label could not be sent to the queue, and why the queue ended
// the job without printing it (or was still holding it when we stopped waiting).
QString failureMessage(const Submission& submission, const JobSettings& settings);
QString jobEndMessage(const PrintJob::Progress& progress, const QString& queue);

// The medium the labels are printed on, when the printer says what it has loaded:
// "Tape 18 on 19 mm tape"; empty when it does not.
QString mediumOnPrinter(const Submission& submission);

} // namespace PrintSetup

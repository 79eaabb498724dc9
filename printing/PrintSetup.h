#pragma once

#include "printing/PrintJob.h"

#include <QPageLayout>
#include <QSizeF>
#include <QString>

#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

class QPainter;
class QPrinter;

// The printer set-up the whole application shares and the one way labels reach a
// print queue. Labels go as one job, a PDF of one page per label whose page is what
// the queue's driver needs: on label printers a portrait page as wide as the tape or
// roll and as long as that label, with the label turned to read along it, elsewhere a
// page of exactly the label's size. The printer's own cut and chain options fall
// between the labels.
namespace PrintSetup {

// The shared printer set-up (queue, copies and the printer's own options chosen in
// the print and page set-up dialogs); created on first use and kept for the run.
QPrinter& sharedPrinter();

// A label: its size in points and its drawing onto a painter whose units are points
// with the origin at the label's upper-left corner.
struct Label {
    QSizeF size;
    std::function<void(QPainter&)> draw;
};

// What a job is sent with.
struct JobSettings {
    QString queue;
    QString documentName;
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
    QueueStopped,
    QueueRefusesJobs,
    NoLabelMedium,
    LabelTooLong,
    LabelTooWide,
    NotWritten,
    JobNotCreated,
};

struct Submission {
    Failure failure = Failure::None;
    // The print service's or the file system's own words, when it gave any.
    QString detail;
    int jobId = 0;
    // The labels' printed size against their own (the smallest, when they differ):
    // below 1 when a label was shrunk to fit the printer's printable width.
    double scale = 1.0;
    // The index of the label that cannot be printed, for the failures of one label
    // (no tape of its width, too long, too wide).
    std::optional<std::size_t> label;
};

// Sends the labels as one job of one page per label in their order, each copy the
// whole set, or writes them to the chosen file. Nothing is sent when any label
// cannot be printed on the queue's medium: the submission names it.
Submission printLabels(const JobSettings& settings, const std::vector<Label>& labels);
// The same for a single label.
Submission printLabel(const JobSettings& settings, const Label& label);

// Sets the printer's page to the page a label of labelSize points takes on the
// printer's queue, so that the page set-up dialog shows it rather than the queue's
// default paper.
void proposePageSetup(QPrinter& printer, QSizeF labelSize);

// Alert texts: why a label could not be sent to the queue, and why the queue ended
// the job without printing it (or was still holding it when we stopped waiting).
QString failureMessage(const Submission& submission, const JobSettings& settings);
QString jobEndMessage(const PrintJob::Progress& progress, const QString& queue);

} // namespace PrintSetup

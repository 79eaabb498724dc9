#pragma once

#include <QList>
#include <QPair>
#include <QString>

// One print job on the print service: sending a finished PDF file with its options,
// and following the job until the queue is done with it.
namespace PrintJob {

// Job options as name and value: the printer's own (AutoCut=False, ExtraMargin=2mm),
// copies, and the page size the label needs.
using Options = QList<QPair<QString, QString>>;

// Sends the PDF file to the queue. Answers the job's number, or 0 and the print
// service's reason in error.
int submit(const QString& queue, const QString& pdfPath, const QString& title,
           const Options& options, QString* error);

enum class State {
    Waiting, // pending, held or printing
    Completed,
    Stopped, // the job, or the queue it waits in, was stopped
    Cancelled,
    Aborted,
    Unknown, // the print service no longer knows the job
};

struct Progress {
    State state = State::Unknown;
    // What the print service says about the job or the queue, when anything.
    QString message;
};

// Where the job stands now.
Progress progress(const QString& queue, int jobId);

// True for the states in which the queue is done with the job.
bool finished(State state);

} // namespace PrintJob

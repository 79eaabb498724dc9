#pragma once

#include "printing/IppConnection.h"

#include <QDeadlineTimer>
#include <QList>
#include <QPair>
#include <QSizeF>
#include <QString>
#include <QStringList>

struct PrintQueue;

// One print job: sending a finished document with its options to a queue of the print
// service or to a printer's own URI, and following the job until it is done with it.
// Every request waits no longer than the deadline it is given.
namespace PrintJob {

// Job options as name and value: the printer's own (AutoCut=False, ExtraMargin=2mm),
// copies, and the page size the label needs.
using Options = QList<QPair<QString, QString>>;

// A document ready to send: its file, its format, and for a printer of a URI the
// medium its pages are printed on.
struct Document {
    QString path;
    QString format;
    QSizeF pageSize;
    // The printer's margins and source of the medium, for a printer of a URI.
    double sideMargin = 0;
    double endMargin = 0;
    QString mediaSource;
};

struct Submitted {
    // The job's number; 0 when none was made.
    int jobId = 0;
    QString error;
    // True when the queue or printer gave no answer in time.
    bool notAnswered = false;
};

// Sends the document to the queue (or printer) under the title.
Submitted submit(const PrintQueue& queue, const Document& document, const QString& title,
                 const Options& options, QDeadlineTimer deadline,
                 const CancelFlag* cancel = nullptr);

enum class State {
    Waiting, // pending, held or printing
    Completed,
    Cancelled,
    Aborted,
    Unknown, // the print service no longer knows the job
};

struct Progress {
    State state = State::Unknown;
    // What the print service says about the job or the queue, when anything.
    QString message;
    // The printer's reasons that keep the job from printing now ("media-empty").
    QStringList stoppingReasons;
    // True when the queue no longer exists.
    bool queueGone = false;
    // True when the print service or printer gave no answer this time (restarting,
    // or busy): the job is still followed.
    bool notAnswered = false;
};

// Where the job stands now on the queue (a queue's name or a printer's URI).
Progress progress(const QString& queue, int jobId, QDeadlineTimer deadline,
                  const CancelFlag* cancel = nullptr);

// True for the states in which the queue is done with the job.
bool finished(State state);

} // namespace PrintJob

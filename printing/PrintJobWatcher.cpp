#include "printing/PrintJobWatcher.h"

PrintJobWatcher::PrintJobWatcher(QObject* parent) : QObject(parent) {
    timer_.setInterval(pollMilliseconds);
    connect(&timer_, &QTimer::timeout, this, &PrintJobWatcher::poll);
}

void PrintJobWatcher::follow(const QString& queue, int jobId) {
    jobs_.append({queue, jobId});
    timer_.start();
}

void PrintJobWatcher::poll() {
    // The reports are sent after the list is brought up to date, since a receiver may
    // show an alert and run the event loop meanwhile.
    QList<QPair<QString, PrintJob::Progress>> failed;
    for (qsizetype i = 0; i < jobs_.size();) {
        const PrintJob::Progress progress = PrintJob::progress(jobs_[i].queue, jobs_[i].id);
        if (!PrintJob::finished(progress.state)) {
            ++i;
            continue;
        }
        if (progress.state != PrintJob::State::Completed)
            failed.append({jobs_[i].queue, progress});
        jobs_.removeAt(i);
    }
    if (jobs_.isEmpty())
        timer_.stop();
    for (const auto& [queue, progress] : failed)
        emit jobFailed(queue, progress);
}

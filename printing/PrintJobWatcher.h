#pragma once

#include "printing/PrintJob.h"

#include <QObject>
#include <QString>
#include <QTimer>

// Follows the print jobs the application sent, from the event loop, until each queue
// is done with its job; a job the queue ended without printing it is reported.
class PrintJobWatcher : public QObject {
    Q_OBJECT

public:
    // How often the print service is asked about the jobs.
    static constexpr int pollMilliseconds = 500;

    explicit PrintJobWatcher(QObject* parent = nullptr);

    void follow(const QString& queue, int jobId);
    bool following() const { return !jobs_.isEmpty(); }

signals:
    // The queue ended the job without printing it (stopped, cancelled, aborted).
    void jobFailed(const QString& queue, const PrintJob::Progress& progress);

private:
    void poll();

    struct Job {
        QString queue;
        int id;
    };
    QList<Job> jobs_;
    QTimer timer_;
};

#pragma once

#include "printing/IppConnection.h"
#include "printing/PrintJob.h"
#include "printing/PrintQueue.h"

#include <QObject>
#include <QString>
#include <QStringList>

class QThread;
class PrintServiceWorker;

// The print service as the window uses it: every request to the print service or to a
// printer runs on a thread of its own, one after another, each bounded by its deadline,
// and its answer comes back as a signal on the thread that owns this object. So a print
// service that is slow, away or frozen never holds the event loop. Each request is
// numbered, and its answer carries the number.
class PrintService : public QObject {
    Q_OBJECT

public:
    // How long each kind of request may wait for its answer, in milliseconds.
    static constexpr int probeMilliseconds = 3000;
    static constexpr int lookupMilliseconds = 10000;
    static constexpr int submitMilliseconds = 60000;
    static constexpr int progressMilliseconds = 5000;
    // How often the followed jobs are asked about.
    static constexpr int followMilliseconds = 500;

    enum class Availability {
        Answers,
        NotRunning,   // nothing listens: there are no queues, files can still be printed
        NotAnswering, // it takes connections but does not answer
    };
    Q_ENUM(Availability)

    explicit PrintService(QObject* parent = nullptr);
    // Ends what is under way at its next quarter second and waits for the thread.
    ~PrintService() override;

    // Whether the print service answers: answered by probed.
    int probe();
    // The queue (or printer URI), as lookUpQueue finds it: answered by lookedUp. An
    // empty name looks the default queue up.
    int lookUp(const QString& queue);
    // Sends a written document: answered by submitted.
    int submit(const PrintQueue& queue, const PrintJob::Document& document, const QString& title,
               const PrintJob::Options& options);
    // Follows the job until its queue is done with it: printerNotice while the printer
    // keeps it from printing, jobEnded once it ended.
    void follow(const QString& queue, int jobId, const QString& documentName);
    bool following() const { return followed_ > 0; }

signals:
    void probed(int request, PrintService::Availability availability, const QString& address);
    void lookedUp(int request, const QueueLookup& lookup);
    void submitted(int request, const PrintJob::Submitted& answer);
    // The reasons that keep a followed job from printing changed; empty once none do.
    void printerNotice(const QString& queue, int jobId, const QString& documentName,
                       const QStringList& stoppingReasons);
    void jobEnded(const QString& queue, int jobId, const QString& documentName,
                  const PrintJob::Progress& progress);

private:
    friend class PrintServiceWorker;
    int nextRequest();

    CancelFlag cancel_{false};
    QThread* thread_;
    PrintServiceWorker* worker_;
    int lastRequest_ = 0;
    int followed_ = 0;
};

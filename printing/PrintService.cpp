#include "printing/PrintService.h"

#include <QThread>
#include <QTimer>

#include <cups/cups.h>

// Lives on the service's thread and makes its requests there, one at a time.
class PrintServiceWorker : public QObject {
    Q_OBJECT

public:
    explicit PrintServiceWorker(const CancelFlag& cancel) : cancel_(cancel) {}

    void probe(int request) {
        const IppConnection connection = IppConnection::toPrintService(
            QDeadlineTimer(PrintService::probeMilliseconds), &cancel_);
        connection.send(
            IppConnection::request(CUPS_GET_DEFAULT, QStringLiteral("ipp://localhost/")));
        PrintService::Availability availability = PrintService::Availability::Answers;
        if (connection.notAnswered())
            availability = PrintService::Availability::NotAnswering;
        else if (!connection.http())
            availability = PrintService::Availability::NotRunning;
        emit probed(request, availability, connection.address());
    }

    void lookUp(int request, const QString& queue) {
        const QDeadlineTimer deadline(PrintService::lookupMilliseconds);
        emit lookedUp(request, queue.isEmpty() ? lookUpDefaultQueue(deadline, &cancel_)
                                               : lookUpQueue(queue, deadline, &cancel_));
    }

    void submit(int request, const PrintQueue& queue, const PrintJob::Document& document,
                const QString& title, const PrintJob::Options& options) {
        emit submitted(request, PrintJob::submit(queue, document, title, options,
                                                 QDeadlineTimer(PrintService::submitMilliseconds),
                                                 &cancel_));
    }

    void follow(const QString& queue, int jobId, const QString& documentName) {
        jobs_.append({queue, jobId, documentName, {}});
        if (!timer_) {
            timer_ = new QTimer(this);
            timer_->setInterval(PrintService::followMilliseconds);
            connect(timer_, &QTimer::timeout, this, &PrintServiceWorker::poll);
        }
        timer_->start();
    }

signals:
    void probed(int request, PrintService::Availability availability, const QString& address);
    void lookedUp(int request, const QueueLookup& lookup);
    void submitted(int request, const PrintJob::Submitted& answer);
    void printerNotice(const QString& queue, int jobId, const QString& documentName,
                       const QStringList& stoppingReasons);
    void jobEnded(const QString& queue, int jobId, const QString& documentName,
                  const PrintJob::Progress& progress);

private:
    // Asks about every followed job. A service that does not answer (restarting, say)
    // has not ended its jobs: they are asked about again next time.
    void poll() {
        for (qsizetype i = 0; i < jobs_.size() && !cancel_.load();) {
            Job& job = jobs_[i];
            const PrintJob::Progress progress = PrintJob::progress(
                job.queue, job.id, QDeadlineTimer(PrintService::progressMilliseconds), &cancel_);
            if (progress.notAnswered) {
                ++i;
                continue;
            }
            if (progress.stoppingReasons != job.reasons) {
                job.reasons = progress.stoppingReasons;
                emit printerNotice(job.queue, job.id, job.documentName, job.reasons);
            }
            if (!PrintJob::finished(progress.state) && !progress.queueGone) {
                ++i;
                continue;
            }
            const Job ended = jobs_.takeAt(i);
            emit jobEnded(ended.queue, ended.id, ended.documentName, progress);
        }
        if (jobs_.isEmpty())
            timer_->stop();
    }

    struct Job {
        QString queue;
        int id = 0;
        QString documentName;
        QStringList reasons;
    };
    const CancelFlag& cancel_;
    QList<Job> jobs_;
    QTimer* timer_ = nullptr;
};

PrintService::PrintService(QObject* parent)
    : QObject(parent), thread_(new QThread(this)), worker_(new PrintServiceWorker(cancel_)) {
    worker_->moveToThread(thread_);
    connect(thread_, &QThread::finished, worker_, &QObject::deleteLater);
    connect(worker_, &PrintServiceWorker::probed, this, &PrintService::probed);
    connect(worker_, &PrintServiceWorker::lookedUp, this, &PrintService::lookedUp);
    connect(worker_, &PrintServiceWorker::submitted, this, &PrintService::submitted);
    connect(worker_, &PrintServiceWorker::printerNotice, this, &PrintService::printerNotice);
    connect(worker_, &PrintServiceWorker::jobEnded, this,
            [this](const QString& queue, int jobId, const QString& documentName,
                   const PrintJob::Progress& progress) {
                --followed_;
                emit jobEnded(queue, jobId, documentName, progress);
            });
    thread_->start();
}

PrintService::~PrintService() {
    cancel_ = true;
    thread_->quit();
    thread_->wait();
}

int PrintService::nextRequest() {
    return ++lastRequest_;
}

int PrintService::probe() {
    const int request = nextRequest();
    QMetaObject::invokeMethod(worker_, [worker = worker_, request] { worker->probe(request); });
    return request;
}

int PrintService::lookUp(const QString& queue) {
    const int request = nextRequest();
    QMetaObject::invokeMethod(
        worker_, [worker = worker_, request, queue] { worker->lookUp(request, queue); });
    return request;
}

int PrintService::submit(const PrintQueue& queue, const PrintJob::Document& document,
                         const QString& title, const PrintJob::Options& options) {
    const int request = nextRequest();
    QMetaObject::invokeMethod(worker_, [=, worker = worker_] {
        worker->submit(request, queue, document, title, options);
    });
    return request;
}

void PrintService::follow(const QString& queue, int jobId, const QString& documentName) {
    ++followed_;
    QMetaObject::invokeMethod(
        worker_, [=, worker = worker_] { worker->follow(queue, jobId, documentName); });
}

#include "PrintService.moc"

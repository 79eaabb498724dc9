#include "printing/PrintService.h"

#include <QThread>
#include <QTimer>

#include <cups/cups.h>

// Lives on the service's thread and makes its requests there, one at a time; each
// answer is emitted by the service on the service's own thread.
class PrintServiceWorker : public QObject {
public:
    PrintServiceWorker(PrintService& service, const CancelFlag& cancel)
        : service_(service), cancel_(cancel) {}

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
        answer([request, availability, address = connection.address()](PrintService& service) {
            emit service.probed(request, availability, address);
        });
    }

    void lookUp(int request, const QString& queue) {
        const QDeadlineTimer deadline(PrintService::lookupMilliseconds);
        QueueLookup lookup = queue.isEmpty() ? lookUpDefaultQueue(deadline, &cancel_)
                                             : lookUpQueue(queue, deadline, &cancel_);
        answer([request, lookup = std::move(lookup)](PrintService& service) {
            emit service.lookedUp(request, lookup);
        });
    }

    void submit(int request, const PrintQueue& queue, const PrintJob::Document& document,
                const QString& title, const PrintJob::Options& options) {
        const PrintJob::Submitted submitted =
            PrintJob::submit(queue, document, title, options,
                             QDeadlineTimer(PrintService::submitMilliseconds), &cancel_);
        answer([request, submitted](PrintService& service) {
            emit service.submitted(request, submitted);
        });
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

private:
    // Runs on the service's thread; dropped when the service is gone.
    template <typename Answer> void answer(Answer emitting) {
        QMetaObject::invokeMethod(&service_, [service = &service_, emitting = std::move(emitting)] {
            emitting(*service);
        });
    }

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
                answer([job](PrintService& service) {
                    emit service.printerNotice(job.queue, job.id, job.documentName, job.reasons);
                });
            }
            if (!PrintJob::finished(progress.state) && !progress.queueGone) {
                ++i;
                continue;
            }
            answer([ended = jobs_.takeAt(i), progress](PrintService& service) {
                --service.followed_;
                emit service.jobEnded(ended.queue, ended.id, ended.documentName, progress);
            });
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
    PrintService& service_;
    const CancelFlag& cancel_;
    QList<Job> jobs_;
    QTimer* timer_ = nullptr;
};

PrintService::PrintService(QObject* parent)
    : QObject(parent), thread_(new QThread(this)), worker_(new PrintServiceWorker(*this, cancel_)) {
    worker_->moveToThread(thread_);
    connect(thread_, &QThread::finished, worker_, &QObject::deleteLater);
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

#include "printing/LabelPrinting.h"

#include "platform/LocalizedText.h"
#include "printing/LabelPage.h"
#include "printing/PrinterStateReasons.h"

#include <QPrinter>
#include <QTemporaryFile>

LabelPrinting::LabelPrinting(AlertPresenter& alerts, QObject* parent)
    : QObject(parent), alerts_(alerts), service_(new PrintService(this)) {
    connect(service_, &PrintService::probed, this, &LabelPrinting::probed);
    connect(service_, &PrintService::lookedUp, this, &LabelPrinting::lookedUp);
    connect(service_, &PrintService::submitted, this, &LabelPrinting::submitted);
    connect(service_, &PrintService::printerNotice, this, &LabelPrinting::printerNotice);
    connect(service_, &PrintService::jobEnded, this, &LabelPrinting::jobEnded);
}

LabelPrinting::~LabelPrinting() = default;

QPrinter& LabelPrinting::chosenPrinter() {
    if (!printer_)
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

void LabelPrinting::print(Request request, Dialog printDialog) {
    if (busy())
        return;
    print_ = std::move(request);
    start(std::move(printDialog));
}

void LabelPrinting::pageSetup(QSizeF labelSize, Dialog pageSetupDialog) {
    if (busy())
        return;
    print_.reset();
    pageSetupLabel_ = labelSize;
    start(std::move(pageSetupDialog));
}

void LabelPrinting::start(Dialog dialog) {
    dialog_ = std::move(dialog);
    step_ = Step::Probing;
    request_ = service_->probe();
}

void LabelPrinting::probed(int request, PrintService::Availability availability,
                           const QString& address) {
    if (step_ != Step::Probing || request != request_)
        return;
    if (availability == PrintService::Availability::NotAnswering) {
        tell(QStringLiteral("printFailedTitle"),
             localizedText(QStringLiteral("printServiceSilentMsg"), {address}));
        finish();
        return;
    }
    // Without a print service the dialogs offer files only.
    if (availability == PrintService::Availability::NotRunning) {
        runDialog(nullptr);
        return;
    }
    step_ = Step::LookingUpForDialog;
    request_ = service_->lookUp(chosenPrinter().printerName());
}

void LabelPrinting::suggestMedium(const std::vector<Medium>& media) {
    suggestedMedia_ = media;
    suggestion_ = service_->lookUp(QString());
}

void LabelPrinting::lookedUp(int request, const QueueLookup& lookup) {
    if (request == suggestion_) {
        suggestion_ = 0;
        if (lookup.queue && lookup.queue->ippPrinter) {
            std::vector<QSizeF> sizes;
            for (const Medium& medium : suggestedMedia_)
                sizes.push_back(medium.labelSize);
            if (const auto fitting = loadedMediumFitting(*lookup.queue->ippPrinter, sizes))
                emit mediumSuggested(suggestedMedia_[*fitting].name);
        }
        return;
    }
    if (request != request_)
        return;
    if (step_ == Step::LookingUpForDialog)
        runDialog(lookup.queue ? &*lookup.queue : nullptr);
    else if (step_ == Step::LookingUp)
        send(lookup);
}

void LabelPrinting::runDialog(const PrintQueue* queue) {
    step_ = Step::Dialog;
    QPrinter& printer = chosenPrinter();
    if (!print_) {
        if (chosenPaper_)
            printer.setPageLayout(*chosenPaper_);
        else
            PrintSetup::proposePageSetup(printer, pageSetupLabel_, queue);
        if (dialog_(printer))
            chosenPaper_ = printer.pageLayout();
        finish();
        return;
    }
    PrintSetup::proposePageSetup(printer, print_->firstLabel, queue);
    if (!dialog_(printer)) {
        finish();
        return;
    }
    job_ = PrintSetup::jobSettings(printer, print_->documentName);
    job_.labelMedium = print_->labelMedium;
    job_.chosenPaper = chosenPaper_;
    if (!job_.outputFile.isEmpty()) {
        alerts_.present(print_->lengths(1, QString()));
        const PrintSetup::Submission submission = PrintSetup::printToFile(job_, print_->labels());
        if (submission.failure != PrintSetup::Failure::None)
            fail(submission);
        finish();
        return;
    }
    step_ = Step::LookingUp;
    request_ = service_->lookUp(job_.queue);
}

void LabelPrinting::send(const QueueLookup& lookup) {
    if (!lookup.queue) {
        fail(PrintSetup::lookupFailure(lookup));
        finish();
        return;
    }
    labels_ = print_->labels();
    plan_ = PrintSetup::plan(job_, *lookup.queue, labels_);
    if (plan_.submission.failure != PrintSetup::Failure::None) {
        fail(plan_.submission);
        finish();
        return;
    }
    alerts_.present(print_->lengths(job_.copies, PrintSetup::mediumOnPrinter(plan_.submission)));
    answers_.clear();
    sendNextJob();
}

// Writes and sends the plan's next job; its answer comes to submitted.
void LabelPrinting::sendNextJob() {
    const PrintSetup::PlannedJob& job = plan_.jobs.at(answers_.size());
    document_ = PrintSetup::writeDocument(plan_, job, labels_, job_.documentName);
    if (document_.submission.failure != PrintSetup::Failure::None) {
        fail(document_.submission);
        followSent();
        finish();
        return;
    }
    step_ = Step::Submitting;
    request_ = service_->submit(plan_.queue, document_.document, job_.documentName, job.options);
}

void LabelPrinting::submitted(int request, const PrintJob::Submitted& answer) {
    if (step_ != Step::Submitting || request != request_)
        return;
    document_ = {};
    answers_.push_back(answer);
    if (answer.jobId != 0 && answers_.size() < plan_.jobs.size()) {
        sendNextJob();
        return;
    }
    const PrintSetup::Submission submission = followSent();
    if (submission.failure != PrintSetup::Failure::None) {
        fail(submission);
        finish();
        return;
    }
    if (submission.scale < 1.0)
        tell(QStringLiteral("printScaledTitle"),
             localizedText(QStringLiteral("printScaledMsg"),
                           {QString::number(printedPercent(submission.scale))}));
    finish();
}

// Follows the jobs sent so far, even when a later one could not be sent.
PrintSetup::Submission LabelPrinting::followSent() {
    const PrintSetup::Submission submission = PrintSetup::submitted(plan_, answers_);
    for (const int jobId : submission.jobIds)
        service_->follow(job_.queue, jobId, job_.documentName);
    return submission;
}

void LabelPrinting::tell(const QString& titleKey, const QString& message) {
    alerts_.present({.title = localizedString(titleKey),
                     .message = message,
                     .defaultButton = localizedString(QStringLiteral("Ok"))});
}

// The failure as an alert; a label that cannot be printed is named.
void LabelPrinting::fail(const PrintSetup::Submission& submission) {
    QString message = PrintSetup::failureMessage(submission, job_);
    if (print_ && submission.label && *submission.label < std::size_t(print_->names.size()))
        message =
            QStringLiteral("%1: %2").arg(print_->names.at(qsizetype(*submission.label)), message);
    tell(QStringLiteral("printFailedTitle"), message);
}

void LabelPrinting::finish() {
    step_ = Step::Idle;
    labels_.clear();
    document_ = {};
    emit done();
}

void LabelPrinting::printerNotice(const QString& queue, int jobId, const QString& documentName,
                                  const QStringList& stoppingReasons) {
    if (stoppingReasons.isEmpty())
        notices_.remove(jobId);
    else
        notices_[jobId] = PrinterStateReasons::notice(queue, jobId, documentName, stoppingReasons);
    emit noticesChanged(notices_.values());
}

void LabelPrinting::jobEnded(const QString& queue, int jobId, const QString&,
                             const PrintJob::Progress& progress) {
    if (notices_.remove(jobId) > 0)
        emit noticesChanged(notices_.values());
    if (progress.state == PrintJob::State::Completed && !progress.queueGone)
        emit jobPrinted(queue, jobId);
    else
        tell(QStringLiteral("printFailedTitle"), PrintSetup::jobEndMessage(progress, queue));
}

#include "app/PrintController.h"

#include "app/DialogRunner.h"
#include "app/EntryController.h"
#include "app/ListLabels.h"
#include "app/MainWindow.h"
#include "app/PhotoList.h"
#include "label/PrintableLabel.h"
#include "label/TapeLength.h"
#include "platform/Alert.h"
#include "platform/LocalizedText.h"
#include "printing/LabelPage.h"

#include <QFileInfo>

namespace {

const QString applicationName = QStringLiteral("Kestavolin");

} // namespace

PrintController::PrintController(PhotoList& list, EntryController& entries, MainWindow& window,
                                 DialogRunner& dialogs, AlertPresenter& alerts, QObject* parent)
    : QObject(parent), list_(list), entries_(entries), window_(window), dialogs_(dialogs),
      alerts_(alerts) {
    connect(&window_, &MainWindow::pageSetupRequested, this, &PrintController::pageSetup);
    connect(&window_, &MainWindow::printRequested, this, &PrintController::printLabel);
    connect(&window_, &MainWindow::printAllRequested, this, &PrintController::printAll);
    connect(&window_, &MainWindow::exportAllRequested, this, &PrintController::exportAll);
    connect(&jobs_, &PrintJobWatcher::jobCompleted, this, [this](const QString& queue, int id) {
        window_.showNotice(
            localizedText(QStringLiteral("printJobDone"), {queue, QString::number(id)}));
    });
    connect(&jobs_, &PrintJobWatcher::jobFailed, this,
            [this](const QString& queue, const PrintJob::Progress& progress) {
                tell(QStringLiteral("printFailedTitle"),
                     PrintSetup::jobEndMessage(progress, queue));
            });
}

void PrintController::tell(const QString& titleKey, const QString& message) {
    alerts_.present({.title = localizedString(titleKey),
                     .message = message,
                     .defaultButton = localizedString(QStringLiteral("Ok"))});
}

void PrintController::pageSetup() {
    const int row = entries_.currentRow();
    const std::unique_ptr<LabelLayout> label = row >= 0 ? list_.labelLayout(row) : nullptr;
    if (!window_.isVisible() || !label)
        return;
    if (chosenPaper_ && chosenPaper_->first == printer_.printerName())
        printer_.setPageLayout(chosenPaper_->second);
    else
        PrintSetup::proposePageSetup(printer_, label->labelSize());
    if (dialogs_.runPageSetup(printer_, &window_))
        chosenPaper_ = {printer_.printerName(), printer_.pageLayout()};
}

// Prints the selected photograph's label: tells the tape length to set, lets the user
// choose the queue and the printer's own options, sends the label on the page the
// queue's driver needs and follows the job; every failure on the way is an alert.
void PrintController::printLabel() {
    const int row = entries_.currentRow();
    const std::unique_ptr<LabelLayout> label = row >= 0 ? list_.labelLayout(row) : nullptr;
    if (!window_.isVisible() || !label)
        return;
    const QSizeF labelSize = label->labelSize();
    tell(QStringLiteral("tapeLengthTitle"),
         QStringLiteral("%1\n\n%2")
             .arg(localizedString(QStringLiteral("tapeSetMsg")),
                  labelLengthText(labelSize.width(), window_.metric())));
    const auto job = chooseQueue(labelSize, QFileInfo(list_.entry(row).path).fileName());
    if (job)
        submit(*job, {printableLabel(*label)}, {});
}

// Prints every label of the list as one job of one page per label, through the same
// dialogs and alerts as the label alone; the tape length of each label and their total
// are told once the copies are known.
void PrintController::printAll() {
    const ListLabels labels = layOutList(list_);
    if (!window_.isVisible() || labels.layouts.empty() ||
        !acceptLeavingOut(labels, QStringLiteral("printAllLeavesOutTitle")))
        return;
    const auto job = chooseQueue(labels.layouts.front()->labelSize(), applicationName);
    if (!job)
        return;
    // A file holds each label once, whatever the copies.
    tellLengths(labels, job->outputFile.isEmpty() ? job->copies : 1);
    QStringList names;
    for (const LabelLength& length : labels.lengths)
        names << length.name;
    submit(*job, labels.printable(), names);
}

void PrintController::exportAll() {
    const ListLabels labels = layOutList(list_);
    if (labels.layouts.empty() ||
        !acceptLeavingOut(labels, QStringLiteral("exportAllLeavesOutTitle")))
        return;
    const std::optional<QString> path = dialogs_.chooseFileToSave(
        &window_,
        localizedText(QStringLiteral("exportAllTitle"), {QString::number(labels.layouts.size())}),
        QStringLiteral("PDF (*.pdf)"), QStringLiteral("pdf"));
    if (!path)
        return;
    PrintSetup::JobSettings job;
    job.outputFile = *path;
    job.documentName = QFileInfo(*path).completeBaseName();
    const PrintSetup::Submission submission = PrintSetup::printLabels(job, labels.printable());
    if (submission.failure != PrintSetup::Failure::None)
        tell(QStringLiteral("printFailedTitle"), PrintSetup::failureMessage(submission, job));
}

bool PrintController::acceptLeavingOut(const ListLabels& labels, const QString& titleKey) {
    if (labels.leftOut.isEmpty())
        return true;
    return alerts_.present({.title = localizedString(titleKey),
                            .message = localizedText(QStringLiteral("jobLeavesOutMsg"),
                                                     {QString::number(labels.layouts.size()),
                                                      QString::number(labels.leftOut.size())}),
                            .defaultButton = localizedString(QStringLiteral("continueButton")),
                            .alternateButton = localizedString(QStringLiteral("Cancel")),
                            .details = labels.leftOut}) == alertDefaultReturn;
}

std::optional<PrintSetup::JobSettings> PrintController::chooseQueue(QSizeF firstLabel,
                                                                    const QString& documentName) {
    PrintSetup::proposePageSetup(printer_, firstLabel);
    if (!dialogs_.runPrintDialog(printer_, &window_))
        return std::nullopt;
    PrintSetup::JobSettings job = PrintSetup::jobSettings(printer_, documentName);
    if (chosenPaper_ && chosenPaper_->first == printer_.printerName())
        job.chosenPaper = chosenPaper_->second;
    return job;
}

// The count and the total first, each label's length in the list below.
void PrintController::tellLengths(const ListLabels& labels, int copies) {
    QStringList lengths;
    for (const LabelLength& length : labels.lengths)
        lengths << QStringLiteral("%1: %2").arg(
            length.name, labelLengthText(length.widthPoints, window_.metric()));
    alerts_.present(
        {.title = localizedString(QStringLiteral("tapeLengthTitle")),
         .message =
             QStringLiteral("%1\n\n%2")
                 .arg(localizedString(QStringLiteral("tapeSetMsg")),
                      localizedText(QStringLiteral("tapeCountTotalMsg"),
                                    {QString::number(labels.lengths.size() * std::size_t(copies)),
                                     localizedText(QStringLiteral("tapeTotalMsg"),
                                                   {QString::number(totalTapeMillimetres(
                                                       labels.lengths, copies))})})),
         .defaultButton = localizedString(QStringLiteral("Ok")),
         .details = lengths});
}

void PrintController::submit(const PrintSetup::JobSettings& job,
                             const std::vector<PrintSetup::Label>& labels,
                             const QStringList& names) {
    const PrintSetup::Submission submission = PrintSetup::printLabels(job, labels);
    if (submission.failure != PrintSetup::Failure::None) {
        QString message = PrintSetup::failureMessage(submission, job);
        if (submission.label && *submission.label < std::size_t(names.size()))
            message = QStringLiteral("%1: %2").arg(names.at(qsizetype(*submission.label)), message);
        tell(QStringLiteral("printFailedTitle"), message);
        return;
    }
    if (submission.jobId != 0)
        jobs_.follow(job.queue, submission.jobId);
    if (submission.scale < 1.0)
        tell(QStringLiteral("printScaledTitle"),
             localizedText(QStringLiteral("printScaledMsg"),
                           {QString::number(printedPercent(submission.scale))}));
}

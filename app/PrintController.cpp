#include "app/PrintController.h"

#include "app/DialogRunner.h"
#include "app/EntryController.h"
#include "app/ListLabels.h"
#include "app/MainWindow.h"
#include "app/PhotoList.h"
#include "label/PrintableLabel.h"
#include "label/TapeLength.h"
#include "pdf/LabelDocument.h"
#include "platform/Alert.h"
#include "platform/LocalizedText.h"

#include <QFileInfo>

namespace {

const QString applicationName = QStringLiteral("Kestavolin");

// "Tape 18 on 19 mm tape: " before what follows, when the printer says what it has loaded.
QString onMedium(const QString& medium, const QString& text) {
    return medium.isEmpty() ? text : QStringLiteral("%1: %2").arg(medium, text);
}

} // namespace

PrintController::PrintController(PhotoList& list, EntryController& entries, MainWindow& window,
                                 DialogRunner& dialogs, AlertPresenter& alerts, QObject* parent)
    : QObject(parent), list_(list), entries_(entries), window_(window), dialogs_(dialogs),
      alerts_(alerts), printing_(alerts) {
    connect(&window_, &MainWindow::pageSetupRequested, this, &PrintController::pageSetup);
    connect(&window_, &MainWindow::printRequested, this, &PrintController::printLabel);
    connect(&window_, &MainWindow::printAllRequested, this, &PrintController::printAll);
    connect(&window_, &MainWindow::exportAllRequested, this, &PrintController::exportAll);
    // The status line tells what keeps a followed job from printing, then that it printed.
    connect(&printing_, &LabelPrinting::noticesChanged, this, [this](const QStringList& notices) {
        window_.showNotice(notices.join(QStringLiteral("  ")));
    });
    connect(&printing_, &LabelPrinting::jobPrinted, this, [this](const QString& queue, int id) {
        window_.showNotice(
            localizedText(QStringLiteral("printJobDone"), {queue, QString::number(id)}));
    });
}

void PrintController::tell(const QString& titleKey, const QString& message) {
    alerts_.present({.title = localizedString(titleKey),
                     .message = message,
                     .defaultButton = localizedString(QStringLiteral("Ok"))});
}

QString PrintController::medium() const {
    return list_.labelDefaults().medium;
}

void PrintController::pageSetup() {
    const int row = entries_.currentRow();
    const std::unique_ptr<LabelLayout> label = row >= 0 ? list_.labelLayout(row) : nullptr;
    if (!window_.isVisible() || !label)
        return;
    printing_.pageSetup(label->labelSize(), [this](QPrinter& printer) {
        return dialogs_.runPageSetup(printer, &window_);
    });
}

// Prints the selected photograph's label: lets the user choose the queue and the
// printer's own options, tells the tape length to set, sends the label on the page the
// queue's printer needs and follows the job; every failure on the way is an alert.
void PrintController::printLabel() {
    const int row = entries_.currentRow();
    std::shared_ptr<const LabelLayout> label = row >= 0 ? list_.labelLayout(row) : nullptr;
    if (!window_.isVisible() || !label ||
        !acceptShortened(list_.index(row).data(PhotoList::ShortenedRole).toStringList()))
        return;
    LabelPrinting::Request request;
    request.documentName = QFileInfo(list_.entry(row).path).fileName();
    request.labelMedium = medium();
    request.firstLabel = label->labelSize();
    request.labels = [label] { return std::vector<PrintSetup::Label>{printableLabel(*label)}; };
    request.lengths = [this, label](int, const QString& loaded) {
        return AlertContent{
            .title = localizedString(QStringLiteral("tapeLengthTitle")),
            .message = QStringLiteral("%1\n\n%2")
                           .arg(localizedString(QStringLiteral("tapeSetMsg")),
                                onMedium(loaded, labelLengthText(label->labelSize().width(),
                                                                 window_.metric()))),
            .defaultButton = localizedString(QStringLiteral("Ok"))};
    };
    printing_.print(std::move(request), [this](QPrinter& printer) {
        return dialogs_.runPrintDialog(printer, &window_);
    });
}

// Prints every label of the list as one job of one page per label, through the same
// dialogs and alerts as the label alone; the tape length of each label and their total
// are told once the copies are known.
void PrintController::printAll() {
    auto labels = std::make_shared<const ListLabels>(layOutList(list_));
    if (!window_.isVisible() || labels->layouts.empty() ||
        !acceptLeavingOut(*labels, QStringLiteral("printAllLeavesOutTitle")) ||
        !acceptShortened(labels->shortened))
        return;
    LabelPrinting::Request request;
    request.documentName = applicationName;
    request.labelMedium = medium();
    request.firstLabel = labels->layouts.front()->labelSize();
    request.labels = [labels] { return labels->printable(); };
    for (const LabelLength& length : labels->lengths)
        request.names << length.name;
    request.lengths = [this, labels](int copies, const QString& loaded) {
        return lengthsAlert(labels, copies, loaded);
    };
    printing_.print(std::move(request), [this](QPrinter& printer) {
        return dialogs_.runPrintDialog(printer, &window_);
    });
}

void PrintController::exportAll() {
    const ListLabels labels = layOutList(list_);
    if (labels.layouts.empty() ||
        !acceptLeavingOut(labels, QStringLiteral("exportAllLeavesOutTitle")) ||
        !acceptShortened(labels.shortened))
        return;
    const std::optional<QString> path = dialogs_.chooseFileToSave(
        &window_,
        localizedText(QStringLiteral("exportAllTitle"), {QString::number(labels.layouts.size())}),
        QStringLiteral("PDF (*.pdf)"), QStringLiteral("pdf"));
    if (!path)
        return;
    if (const Status written = writeLabelDocument(*path, labels.printable()); !written)
        tell(QStringLiteral("printFailedTitle"), written.failure().text());
}

bool PrintController::acceptLeavingOut(const ListLabels& labels, const QString& titleKey) {
    return labels.leftOut.isEmpty() ||
           confirm(localizedString(titleKey),
                   localizedText(QStringLiteral("jobLeavesOutMsg"),
                                 {QString::number(labels.layouts.size()),
                                  QString::number(labels.leftOut.size())}),
                   labels.leftOut);
}

bool PrintController::acceptShortened(const QStringList& notices) {
    return notices.isEmpty() ||
           confirm(localizedString(QStringLiteral("textsShortenedTitle")),
                   localizedString(QStringLiteral("textsShortenedMsg")), notices);
}

bool PrintController::confirm(const QString& title, const QString& message,
                              const QStringList& details) {
    return alerts_.present({.title = title,
                            .message = message,
                            .defaultButton = localizedString(QStringLiteral("continueButton")),
                            .alternateButton = localizedString(QStringLiteral("Cancel")),
                            .details = details}) == alertDefaultReturn;
}

// The count and the total first, each label's length in the list below.
AlertContent PrintController::lengthsAlert(const std::shared_ptr<const ListLabels>& labels,
                                           int copies, const QString& medium) const {
    QStringList lengths;
    for (const LabelLength& length : labels->lengths)
        lengths << QStringLiteral("%1: %2").arg(
            length.name, labelLengthText(length.widthPoints, window_.metric()));
    const QString total = localizedText(
        QStringLiteral("tapeCountTotalMsg"),
        {QString::number(labels->lengths.size() * std::size_t(copies)),
         localizedText(QStringLiteral("tapeTotalLengthMsg"),
                       {totalLengthText(labels->lengths, copies, window_.metric())})});
    return {.title = localizedString(QStringLiteral("tapeLengthTitle")),
            .message =
                QStringLiteral("%1\n\n%2")
                    .arg(localizedString(QStringLiteral("tapeSetMsg")), onMedium(medium, total)),
            .defaultButton = localizedString(QStringLiteral("Ok")),
            .details = lengths};
}

#include "platform/PrintSetup.h"

#include "platform/LabelPage.h"
#include "platform/LocalizedText.h"
#include "platform/PrintQueue.h"

#include <QDir>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintEngine>
#include <QPrinter>
#include <QSaveFile>
#include <QStringList>
#include <QTemporaryFile>

#include <memory>

namespace {

// The print engine key under which Qt's system print engine keeps the job options
// the print dialog set, as a flat list of name, value, name, value...
const auto rawJobOptionsKey = QPrintEngine::PrintEnginePropertyKey(0xfe00);
// The resolution of the PDF's drawing coordinates.
constexpr int pdfResolutionDpi = 1200;

// Options that decide the page; the label's page replaces whatever the user had.
const QStringList pageOptions = {
    QStringLiteral("PageSize"),
    QStringLiteral("PageRegion"),
    QStringLiteral("media"),
    QStringLiteral("landscape"),
    QStringLiteral("orientation-requested"),
    QStringLiteral("nopdfAutoRotate"),
    QStringLiteral("pdfAutoRotate"),
    QStringLiteral("fit-to-page"),
    QStringLiteral("copies"),
};

QPageSize pointPageSize(QSizeF size) {
    return QPageSize(size, QPageSize::Point, QString(), QPageSize::ExactMatch);
}

PrintJob::Options jobOptions(const PrintSetup::JobSettings& settings, const LabelPage& page) {
    PrintJob::Options options;
    for (const auto& option : settings.printerOptions) {
        if (!pageOptions.contains(option.first))
            options << option;
    }
    options << qMakePair(QStringLiteral("PageSize"), page.pageSizeOption);
    // The PDF filter turns pages that look like landscape ones; a label printer's page
    // is already the way round its driver wants it.
    if (page.keepOrientation)
        options << qMakePair(QStringLiteral("nopdfAutoRotate"), QStringLiteral("true"));
    if (settings.copies > 1)
        options << qMakePair(QStringLiteral("copies"), QString::number(settings.copies));
    return options;
}

// Writes the page with the label on it; false with the reason when the file could
// not be written.
bool writePage(QIODevice& file, const LabelPage& page, const PrintSetup::Label& label,
               const QString& title, QString* error) {
    QPdfWriter pdf(&file);
    pdf.setTitle(title);
    pdf.setCreator(QStringLiteral("Kestavolin"));
    pdf.setResolution(pdfResolutionDpi);
    pdf.setPageLayout(QPageLayout(pointPageSize(page.size), QPageLayout::Portrait, QMarginsF(),
                                  QPageLayout::Point));
    QPainter painter;
    if (!painter.begin(&pdf)) {
        *error = file.errorString();
        return false;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(pdfResolutionDpi / 72.0, pdfResolutionDpi / 72.0);
    painter.setTransform(page.labelToPage, true);
    painter.setClipRect(QRectF(QPointF(0, 0), label.size));
    label.draw(painter);
    if (!painter.end()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

// The page a label takes on an ordinary queue or in a file: the paper the user chose,
// when the label fits on its printable area, otherwise exactly the label's size.
LabelPage ordinaryPage(const PrintSetup::JobSettings& settings, QSizeF labelSize) {
    LabelPage page = std::get<LabelPage>(labelPage(QueueMedium(), labelSize));
    if (!settings.chosenPaper)
        return page;
    const QRectF printable = settings.chosenPaper->paintRect(QPageLayout::Point);
    if (printable.width() < labelSize.width() || printable.height() < labelSize.height())
        return page;
    page.size = settings.chosenPaper->fullRect(QPageLayout::Point).size();
    page.pageSizeOption = customPageSizeOption(page.size);
    page.labelToPage = QTransform::fromTranslate(printable.left(), printable.top());
    return page;
}

PrintSetup::Failure failureOf(PageProblem problem) {
    switch (problem) {
    case PageProblem::NoLabelMedium:
        return PrintSetup::Failure::NoLabelMedium;
    case PageProblem::LabelTooLong:
        return PrintSetup::Failure::LabelTooLong;
    case PageProblem::LabelTooWide:
        return PrintSetup::Failure::LabelTooWide;
    }
    return PrintSetup::Failure::NoLabelMedium;
}

// The string table key of each failure's message.
QString failureKey(PrintSetup::Failure failure) {
    switch (failure) {
    case PrintSetup::Failure::None:
        break;
    case PrintSetup::Failure::NoSuchQueue:
        return QStringLiteral("printNoQueueMsg");
    case PrintSetup::Failure::QueueStopped:
        return QStringLiteral("printQueueStoppedMsg");
    case PrintSetup::Failure::QueueRefusesJobs:
        return QStringLiteral("printQueueRefusesMsg");
    case PrintSetup::Failure::NoLabelMedium:
        return QStringLiteral("printNoTapeSizeMsg");
    case PrintSetup::Failure::LabelTooLong:
        return QStringLiteral("printLabelTooLongMsg");
    case PrintSetup::Failure::LabelTooWide:
        return QStringLiteral("printLabelTooWideMsg");
    case PrintSetup::Failure::NotWritten:
        return QStringLiteral("printNotWrittenMsg");
    case PrintSetup::Failure::JobNotCreated:
        return QStringLiteral("printJobNotCreatedMsg");
    }
    return QString();
}

QString withDetail(const QString& message, const QString& detail) {
    return detail.isEmpty() ? message : QStringLiteral("%1 (%2)").arg(message, detail);
}

} // namespace

namespace PrintSetup {

QPrinter& sharedPrinter() {
    static const std::unique_ptr<QPrinter> printer =
        std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer;
}

JobSettings jobSettings(QPrinter& printer, const QString& documentName) {
    JobSettings settings;
    settings.queue = printer.printerName();
    settings.documentName = documentName;
    settings.copies = printer.copyCount();
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        settings.outputFile = printer.outputFileName();
    } else {
        const QStringList flat = printer.printEngine()->property(rawJobOptionsKey).toStringList();
        for (qsizetype i = 0; i + 1 < flat.size(); i += 2)
            settings.printerOptions << qMakePair(flat[i], flat[i + 1]);
    }
    return settings;
}

Submission printLabel(const JobSettings& settings, const Label& label) {
    Submission submission;
    if (!settings.outputFile.isEmpty()) {
        const LabelPage page = ordinaryPage(settings, label.size);
        QSaveFile file(settings.outputFile);
        if (!file.open(QIODevice::WriteOnly) ||
            !writePage(file, page, label, settings.documentName, &submission.detail) ||
            !file.commit()) {
            submission.failure = Failure::NotWritten;
            if (submission.detail.isEmpty())
                submission.detail = file.errorString();
        }
        return submission;
    }
    const std::optional<PrintQueue> queue = findPrintQueue(settings.queue);
    if (!queue) {
        submission.failure = Failure::NoSuchQueue;
        return submission;
    }
    if (queue->stopped || !queue->acceptingJobs) {
        submission.failure = queue->stopped ? Failure::QueueStopped : Failure::QueueRefusesJobs;
        submission.detail = queue->stateReasons;
        return submission;
    }
    const auto page = queue->medium.kind == QueueKind::Other
                          ? std::variant<LabelPage, PageProblem>(ordinaryPage(settings, label.size))
                          : ::labelPage(queue->medium, label.size);
    if (const PageProblem* problem = std::get_if<PageProblem>(&page)) {
        submission.failure = failureOf(*problem);
        return submission;
    }
    const LabelPage& labelPage = std::get<LabelPage>(page);
    submission.scale = labelPage.scale;

    QTemporaryFile pdf(QDir::tempPath() + QStringLiteral("/kestavolin-XXXXXX.pdf"));
    if (!pdf.open() ||
        !writePage(pdf, labelPage, label, settings.documentName, &submission.detail) ||
        !pdf.flush()) {
        submission.failure = Failure::NotWritten;
        if (submission.detail.isEmpty())
            submission.detail = pdf.errorString();
        return submission;
    }
    submission.jobId = PrintJob::submit(settings.queue, pdf.fileName(), settings.documentName,
                                        jobOptions(settings, labelPage), &submission.detail);
    if (submission.jobId == 0)
        submission.failure = Failure::JobNotCreated;
    return submission;
}

void proposePageSetup(QPrinter& printer, QSizeF labelSize) {
    QSizeF pageSize = labelSize;
    if (const auto queue = findPrintQueue(printer.printerName())) {
        const auto page = labelPage(queue->medium, labelSize);
        if (const LabelPage* labelPage = std::get_if<LabelPage>(&page))
            pageSize = labelPage->size;
    }
    printer.setFullPage(true);
    printer.setPageLayout(QPageLayout(pointPageSize(pageSize), QPageLayout::Portrait, QMarginsF(),
                                      QPageLayout::Point));
}

QString failureMessage(const Submission& submission, const JobSettings& settings) {
    const QString destination =
        settings.outputFile.isEmpty() ? settings.queue : settings.outputFile;
    return withDetail(localizedString(failureKey(submission.failure)).arg(destination),
                      submission.detail);
}

QString jobEndMessage(const PrintJob::Progress& progress, const QString& queue) {
    QString key;
    switch (progress.state) {
    case PrintJob::State::Stopped:
        key = QStringLiteral("printJobStoppedMsg");
        break;
    case PrintJob::State::Cancelled:
        key = QStringLiteral("printJobCancelledMsg");
        break;
    case PrintJob::State::Aborted:
        key = QStringLiteral("printJobAbortedMsg");
        break;
    case PrintJob::State::Unknown:
        key = QStringLiteral("printJobLostMsg");
        break;
    case PrintJob::State::Waiting:
        key = QStringLiteral("printJobWaitingMsg");
        break;
    case PrintJob::State::Completed:
        return QString();
    }
    return withDetail(localizedString(key).arg(queue), progress.message);
}

} // namespace PrintSetup

#include "printing/PrintSetup.h"

#include "pdf/PdfPageBoxes.h"
#include "platform/DraftFile.h"
#include "platform/LocalizedText.h"
#include "printing/JobPages.h"
#include "printing/LabelPage.h"
#include "printing/PrintQueue.h"

#include <QDir>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintEngine>
#include <QPrinter>
#include <QStringList>
#include <QTemporaryFile>

#include <memory>

namespace {

// The print engine key under which Qt's system print engine keeps the job options
// the print dialog set, as a flat list of name, value, name, value...
const auto rawJobOptionsKey = QPrintEngine::PrintEnginePropertyKey(0xfe00);
// The resolution of the PDF's drawing coordinates.
constexpr int pdfResolutionDpi = 1200;
// The print service's PDF filter puts every page of a job on the one page size the job
// asks for. A job whose pages differ goes in the format that filter itself produces,
// so that each label keeps its own page, and its length, on to the driver; the
// filters after it give each page whole points.
const QString finishedPdfFormat = QStringLiteral("application/vnd.cups-pdf");

// Options that decide the pages; the labels' pages replace whatever the user had, and
// copies are written into the document, as the filter that makes them may not run.
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
    QStringLiteral("document-format"),
};

QPageSize pointPageSize(QSizeF size) {
    return QPageSize(size, QPageSize::Point, QString(), QPageSize::ExactMatch);
}

PrintJob::Options jobOptions(const PrintSetup::JobSettings& settings,
                             const std::vector<JobPages::Page>& pages) {
    PrintJob::Options options;
    for (const auto& option : settings.printerOptions) {
        if (!pageOptions.contains(option.first))
            options << option;
    }
    const LabelPage& first = pages.front().page;
    // The driver chooses its medium (the tape's width) from the job's page size.
    options << qMakePair(QStringLiteral("PageSize"), first.pageSizeOption);
    // The PDF filter turns pages that look like landscape ones; a label printer's page
    // is already the way round its driver wants it.
    if (first.keepOrientation)
        options << qMakePair(QStringLiteral("nopdfAutoRotate"), QStringLiteral("true"));
    if (JobPages::sizesDiffer(pages))
        options << qMakePair(QStringLiteral("document-format"), finishedPdfFormat);
    return options;
}

// Writes each page with its label on it, every page of its own exact size; false with
// the reason when the file could not be written.
bool writePages(QFileDevice& file, const std::vector<JobPages::Page>& pages,
                const std::vector<PrintSetup::Label>& labels, const QString& title,
                QString* error) {
    QPdfWriter pdf(&file);
    pdf.setTitle(title);
    pdf.setCreator(QStringLiteral("Kestavolin"));
    pdf.setResolution(pdfResolutionDpi);
    QPainter painter;
    std::vector<QSizeF> sizes;
    for (const auto& [label, page] : pages) {
        pdf.setPageLayout(PdfPageBoxes::wholePointLayout(page.size));
        if (sizes.empty()) {
            if (!painter.begin(&pdf)) {
                *error = file.errorString();
                return false;
            }
            painter.setRenderHint(QPainter::Antialiasing);
        } else {
            pdf.newPage();
        }
        sizes.push_back(page.size);
        painter.save();
        painter.scale(pdfResolutionDpi / 72.0, pdfResolutionDpi / 72.0);
        painter.setTransform(page.labelToPage, true);
        painter.setClipRect(QRectF(QPointF(0, 0), labels[label].size));
        labels[label].draw(painter);
        painter.restore();
    }
    if (!painter.end() || !file.flush()) {
        *error = file.errorString();
        return false;
    }
    *error = PdfPageBoxes::fixPageBoxes(file, sizes);
    return error->isEmpty();
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

// The job's pages, copies times over: on a label printer's medium the page each label
// needs there, on an ordinary queue or in a file the page of ordinaryPage.
std::variant<std::vector<JobPages::Page>, JobPages::Unprintable>
plannedPages(const PrintSetup::JobSettings& settings, const QueueMedium& medium,
             const std::vector<PrintSetup::Label>& labels, int copies) {
    std::vector<QSizeF> labelSizes;
    for (const PrintSetup::Label& label : labels)
        labelSizes.push_back(label.size);
    return JobPages::plan(labelSizes, copies,
                          [&](QSizeF labelSize) -> std::variant<LabelPage, PageProblem> {
                              if (medium.kind == QueueKind::Other)
                                  return ordinaryPage(settings, labelSize);
                              return labelPage(medium, labelSize);
                          });
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
    case PrintSetup::Failure::NoLabels:
        return QStringLiteral("printNoLabelsMsg");
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

Submission printLabels(const JobSettings& settings, const std::vector<Label>& labels) {
    Submission submission;
    if (labels.empty()) {
        submission.failure = Failure::NoLabels;
        return submission;
    }
    if (!settings.outputFile.isEmpty()) {
        // Every label fits a page of its own size; a file holds each label once, as a
        // PDF file chosen in the print dialog always has.
        const auto pages =
            std::get<std::vector<JobPages::Page>>(plannedPages(settings, QueueMedium(), labels, 1));
        DraftFile file(settings.outputFile);
        if (!file.open() ||
            !writePages(file.device(), pages, labels, settings.documentName, &submission.detail) ||
            !(submission.detail = file.publish()).isEmpty()) {
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
    auto planned = plannedPages(settings, queue->medium, labels, settings.copies);
    if (const auto* unprintable = std::get_if<JobPages::Unprintable>(&planned)) {
        submission.failure = failureOf(unprintable->problem);
        submission.label = unprintable->label;
        return submission;
    }
    const auto pages = std::get<std::vector<JobPages::Page>>(std::move(planned));
    submission.scale = JobPages::smallestScale(pages);

    QTemporaryFile pdf(QDir::tempPath() + QStringLiteral("/kestavolin-XXXXXX.pdf"));
    if (!pdf.open() || !writePages(pdf, pages, labels, settings.documentName, &submission.detail)) {
        submission.failure = Failure::NotWritten;
        if (submission.detail.isEmpty())
            submission.detail = pdf.errorString();
        return submission;
    }
    submission.jobId = PrintJob::submit(settings.queue, pdf.fileName(), settings.documentName,
                                        jobOptions(settings, pages), &submission.detail);
    if (submission.jobId == 0)
        submission.failure = Failure::JobNotCreated;
    return submission;
}

Submission printLabel(const JobSettings& settings, const Label& label) {
    return printLabels(settings, {label});
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

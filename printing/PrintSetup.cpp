#include "printing/PrintSetup.h"

#include "pdf/PdfPageBoxes.h"
#include "platform/DraftFile.h"
#include "platform/LocalizedText.h"
#include "printing/IppLabelPrinter.h"
#include "printing/LabelPage.h"
#include "printing/PrinterStateReasons.h"

#include <QDir>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintEngine>
#include <QPrinter>
#include <QStringList>
#include <QTemporaryFile>

#include <memory>

namespace {

// The print engine key under which Qt's system print engine keeps the job options
// the print dialog set, as a flat list of name, value, name, value...
const auto rawJobOptionsKey = QPrintEngine::PrintEnginePropertyKey(0xfe00);
// The print service's PDF filter puts every page of a job on the one page size the job
// asks for. A job whose pages differ goes in the format that filter itself produces,
// so that each label keeps its own page, and its length, on to the driver; the
// filters after it give each page whole points.
const QString finishedPdfFormat = QStringLiteral("application/vnd.cups-pdf");
// The resolution of a printer's raster documents when it names none.
constexpr int defaultRasterDpi = 300;

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

// The format the queue's pages go in: PDF for queues with a driver; for a driverless
// queue the raster its printer takes, which passes the queue unchanged with each page
// at its own size (its PDF filter would put every page on the first one's); for a
// printer of a URI PDF when it takes it, else its raster.
QString documentFormat(const PrintQueue& queue) {
    const QStringList& formats = queue.documentFormats;
    const QStringList preferred =
        queue.direct ? QStringList{JobDocument::pdfFormat, JobDocument::pwgRasterFormat,
                                   JobDocument::appleRasterFormat}
                     : QStringList{JobDocument::appleRasterFormat, JobDocument::pwgRasterFormat};
    for (const QString& format : preferred) {
        if (formats.contains(format))
            return format;
    }
    return queue.direct ? QString() : JobDocument::pdfFormat;
}

PrintJob::Options jobOptions(const PrintSetup::JobSettings& settings, const PrintQueue& queue,
                             const std::vector<JobPages::Page>& pages, const QString& format) {
    PrintJob::Options options;
    for (const auto& option : settings.printerOptions) {
        if (!pageOptions.contains(option.first))
            options << option;
    }
    // A printer of a URI takes the page size from the document and its media-col.
    if (queue.direct)
        return options;
    const LabelPage& first = pages.front().page;
    // The driver chooses its medium (the tape's width) from the job's page size.
    options << qMakePair(QStringLiteral("PageSize"), first.pageSizeOption);
    if (format != JobDocument::pdfFormat)
        return options;
    // The PDF filter turns pages that look like landscape ones; a label printer's page
    // is already the way round its driver wants it.
    if (first.keepOrientation)
        options << qMakePair(QStringLiteral("nopdfAutoRotate"), QStringLiteral("true"));
    if (JobPages::sizesDiffer(pages))
        options << qMakePair(QStringLiteral("document-format"), finishedPdfFormat);
    return options;
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

// The page of a label on the queue: on its label printer's medium, else the ordinary page.
std::variant<LabelPage, PageProblem> pageOn(const PrintSetup::JobSettings& settings,
                                            const PrintQueue& queue, QSizeF labelSize) {
    if (queue.medium.kind != QueueKind::Other)
        return labelPage(queue.medium, labelSize);
    if (queue.ippPrinter)
        return ippLabelPage(*queue.ippPrinter, labelSize);
    return ordinaryPage(settings, labelSize);
}

PrintSetup::Failure failureOf(PageProblem problem) {
    switch (problem) {
    case PageProblem::NoLabelMedium:
        return PrintSetup::Failure::NoLabelMedium;
    case PageProblem::LoadedMediumTooNarrow:
        return PrintSetup::Failure::LoadedMediumTooNarrow;
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
    case PrintSetup::Failure::ServiceNotAnswering:
        return QStringLiteral("printServiceNotAnsweringMsg");
    case PrintSetup::Failure::ServiceUnreachable:
        return QStringLiteral("printServiceUnreachableMsg");
    case PrintSetup::Failure::QueueStopped:
        return QStringLiteral("printQueueStoppedMsg");
    case PrintSetup::Failure::QueueRefusesJobs:
        return QStringLiteral("printQueueRefusesMsg");
    case PrintSetup::Failure::NoLabelMedium:
        return QStringLiteral("printNoTapeSizeMsg");
    case PrintSetup::Failure::LoadedMediumTooNarrow:
        return QStringLiteral("printLoadedTooNarrowMsg");
    case PrintSetup::Failure::LabelTooLong:
        return QStringLiteral("printLabelTooLongMsg");
    case PrintSetup::Failure::LabelTooWide:
        return QStringLiteral("printLabelTooWideMsg");
    case PrintSetup::Failure::NoDocumentFormat:
        return QStringLiteral("printNoDocumentFormatMsg");
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

QString labelMediumOf(const PrintSetup::JobSettings& settings, QSizeF labelSize) {
    if (!settings.labelMedium.isEmpty())
        return settings.labelMedium;
    return labelSize.width() > labelSize.height() ? QStringLiteral("Tape 18")
                                                  : QStringLiteral("Roll 60");
}

QueueKind kindOf(const PrintQueue& queue) {
    if (queue.medium.kind != QueueKind::Other)
        return queue.medium.kind;
    return queue.ippPrinter ? queue.ippPrinter->kind : QueueKind::Other;
}

// The medium whose margins a needed medium is told with: the first the printer has
// loaded, or the queue's own.
QueueMedium loadedOrMedium(const PrintQueue& queue) {
    if (queue.ippPrinter && !queue.ippPrinter->media.empty())
        return queue.ippPrinter->media.front();
    return queue.medium;
}

// What the printer has loaded, as the user is told, each medium once.
QString loadedMediaText(const PrintQueue& queue) {
    QStringList loaded;
    if (queue.ippPrinter && queue.ippPrinter->reportsLoaded) {
        for (const QueueMedium& medium : queue.ippPrinter->media) {
            const QString text = loadedMediumText(medium);
            if (!loaded.contains(text))
                loaded << text;
        }
    }
    return loaded.join(localizedString(QStringLiteral("listSeparator")));
}

} // namespace

namespace PrintSetup {

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

Submission lookupFailure(const QueueLookup& lookup) {
    Submission submission;
    submission.address = lookup.address;
    switch (lookup.failure) {
    case LookupFailure::None:
        break;
    case LookupFailure::NoSuchQueue:
        submission.failure = Failure::NoSuchQueue;
        break;
    case LookupFailure::NotAnswering:
        submission.failure = Failure::ServiceNotAnswering;
        break;
    case LookupFailure::Unreachable:
        submission.failure = Failure::ServiceUnreachable;
        break;
    }
    return submission;
}

Plan plan(const JobSettings& settings, const PrintQueue& queue, const std::vector<Label>& labels) {
    Plan result;
    result.queue = queue;
    Submission& submission = result.submission;
    if (labels.empty()) {
        submission.failure = Failure::NoLabels;
        return result;
    }
    if (queue.stopped || !queue.acceptingJobs) {
        submission.failure = queue.stopped ? Failure::QueueStopped : Failure::QueueRefusesJobs;
        submission.detail = queue.stateReasons;
        return result;
    }
    std::vector<QSizeF> labelSizes;
    labelSizes.reserve(labels.size());
    for (const Label& label : labels)
        labelSizes.push_back(label.size);
    // A file holds each label once, as a PDF file chosen in the print dialog always has.
    const int copies = settings.outputFile.isEmpty() ? settings.copies : 1;
    auto planned = JobPages::plan(
        labelSizes, copies, [&](QSizeF labelSize) { return pageOn(settings, queue, labelSize); });
    submission.labelMedium = labelMediumOf(settings, labelSizes.front());
    submission.loadedMedium = loadedMediaText(queue);
    if (const auto* unprintable = std::get_if<JobPages::Unprintable>(&planned)) {
        submission.failure = failureOf(unprintable->problem);
        submission.label = unprintable->label;
        submission.neededMedium =
            neededMediumText(kindOf(queue), labelSizes[unprintable->label], loadedOrMedium(queue));
        return result;
    }
    const auto pages = std::get<std::vector<JobPages::Page>>(std::move(planned));
    submission.scale = JobPages::smallestScale(pages);
    if (queue.ippPrinter && queue.ippPrinter->reportsLoaded)
        submission.loadedMedium = loadedMediumText(pages.front().page.medium);
    result.documentFormat = documentFormat(queue);
    if (result.documentFormat.isEmpty()) {
        submission.failure = Failure::NoDocumentFormat;
        return result;
    }
    const auto runs = queue.ippPrinter ? JobPages::runsOfOneSize(pages)
                                       : std::vector<std::vector<JobPages::Page>>{pages};
    for (const auto& run : runs)
        result.jobs.push_back({run, jobOptions(settings, queue, run, result.documentFormat)});
    return result;
}

// The job's document could not be written: the failure tells why, else the file's own
// last error.
void notWritten(Submission& submission, const ::Failure& failure, const QString& fileError) {
    submission.failure = Failure::NotWritten;
    submission.detail = failure.text();
    if (submission.detail.isEmpty())
        submission.detail = fileError;
}

Document writeDocument(const Plan& plan, const PlannedJob& job, const std::vector<Label>& labels,
                       const QString& title) {
    Document document;
    Submission& submission = document.submission;
    const PrintQueue& queue = plan.queue;
    const bool pdf = plan.documentFormat == JobDocument::pdfFormat;
    document.file = std::make_shared<QTemporaryFile>(
        QDir::tempPath() + (pdf ? QStringLiteral("/kestavolin-XXXXXX.pdf")
                                : QStringLiteral("/kestavolin-XXXXXX.raster")));
    QTemporaryFile& file = *document.file;
    const int dpi =
        queue.rasterResolutions.empty() ? defaultRasterDpi : queue.rasterResolutions.front();
    const Status written =
        !file.open() ? Status(systemFailure(file.errorString()))
        : pdf        ? JobDocument::writePdf(file, job.pages, labels, title)
                     : JobDocument::writeRaster(file, plan.documentFormat, job.pages, labels, dpi);
    if (!written) {
        notWritten(submission, written.failure(), file.errorString());
        return document;
    }
    file.close();
    const LabelPage& first = job.pages.front().page;
    document.document = {
        file.fileName(),        plan.documentFormat, first.size, first.medium.printableLeft,
        first.medium.endMargin, first.medium.source};
    return document;
}

Submission submitted(const Plan& plan, const std::vector<PrintJob::Submitted>& answers) {
    Submission submission = plan.submission;
    for (const PrintJob::Submitted& answer : answers) {
        if (answer.jobId == 0) {
            submission.failure =
                answer.notAnswered ? Failure::ServiceNotAnswering : Failure::JobNotCreated;
            submission.detail = answer.notAnswered ? QString() : answer.error;
            break;
        }
        submission.jobIds.push_back(answer.jobId);
    }
    return submission;
}

Submission printToFile(const JobSettings& settings, const std::vector<Label>& labels) {
    // Every label fits a page of its own size.
    Plan planned = plan(settings, PrintQueue(), labels);
    Submission& submission = planned.submission;
    if (submission.failure != Failure::None)
        return submission;
    DraftFile file(settings.outputFile);
    Status written = file.open();
    if (written)
        written = JobDocument::writePdf(file.device(), planned.jobs.front().pages, labels,
                                        settings.documentName);
    if (written)
        written = file.publish();
    if (!written)
        notWritten(submission, written.failure(), QString());
    return submission;
}

Submission printLabels(const JobSettings& settings, const std::vector<Label>& labels,
                       QDeadlineTimer deadline) {
    if (!settings.outputFile.isEmpty())
        return printToFile(settings, labels);
    if (labels.empty())
        return plan(settings, PrintQueue(), labels).submission;
    const QueueLookup lookup = lookUpQueue(settings.queue, deadline);
    if (!lookup.queue)
        return lookupFailure(lookup);
    const Plan planned = plan(settings, *lookup.queue, labels);
    if (planned.submission.failure != Failure::None)
        return planned.submission;
    std::vector<PrintJob::Submitted> answers;
    for (const PlannedJob& job : planned.jobs) {
        const Document document = writeDocument(planned, job, labels, settings.documentName);
        if (document.submission.failure != Failure::None)
            return document.submission;
        answers.push_back(PrintJob::submit(planned.queue, document.document, settings.documentName,
                                           job.options, deadline));
        if (answers.back().jobId == 0)
            break;
    }
    return submitted(planned, answers);
}

void proposePageSetup(QPrinter& printer, QSizeF labelSize, const PrintQueue* queue) {
    QSizeF pageSize = labelSize;
    if (queue) {
        const auto page = pageOn(JobSettings(), *queue, labelSize);
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
    const QString text = localizedString(failureKey(submission.failure));
    switch (submission.failure) {
    case Failure::LoadedMediumTooNarrow:
        return text.arg(submission.loadedMedium, submission.labelMedium, submission.neededMedium);
    case Failure::NoLabelMedium:
        return text.arg(destination, submission.neededMedium);
    case Failure::ServiceNotAnswering:
    case Failure::ServiceUnreachable:
        return text.arg(destination, submission.address);
    default:
        return withDetail(text.arg(destination), submission.detail);
    }
}

QString jobEndMessage(const PrintJob::Progress& progress, const QString& queue) {
    if (progress.queueGone)
        return localizedText(QStringLiteral("printJobQueueGoneMsg"), {queue});
    QString key;
    QString detail = progress.message;
    switch (progress.state) {
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
        if (!progress.stoppingReasons.isEmpty())
            detail = PrinterStateReasons::describe(progress.stoppingReasons);
        break;
    case PrintJob::State::Completed:
        return QString();
    }
    return withDetail(localizedString(key).arg(queue), detail);
}

QString mediumOnPrinter(const Submission& submission) {
    if (submission.loadedMedium.isEmpty())
        return QString();
    return localizedText(QStringLiteral("mediumOnPrinter"),
                         {submission.labelMedium, submission.loadedMedium});
}

} // namespace PrintSetup

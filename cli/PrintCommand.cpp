// kestavolin-cli print: the label of a photograph, or of each row of a caption sheet,
// sent to a print queue (or straight to a printer's ipp:// URI) as one job as the
// application prints it, without a window. Standard output gets the tape length to set
// on the printer (with several labels each one's and the total) and the medium loaded
// when the printer says, the printed size when a label had to shrink, and the job's
// end; standard error what keeps the printer from printing while the job is followed.

#include "Command.h"
#include "LabelCommandSupport.h"
#include "LabelInputs.h"

#include "cli/LabelOptionsReader.h"
#include "label/LabelLayout.h"
#include "label/PrintableLabel.h"
#include "label/TapeLength.h"
#include "photo/PhotoRecord.h"
#include "platform/FileNames.h"
#include "platform/LocalizedText.h"
#include "printing/LabelPage.h"
#include "printing/PrintSetup.h"
#include "printing/PrinterStateReasons.h"

#include <QCommandLineParser>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QStringList>
#include <QThread>

#include <cstdio>
#include <optional>

namespace {

constexpr auto usageLine = "print [OPTIONS] FILE|--captions SHEET --printer NAME|URI";
constexpr int exitPrinted = 0;
constexpr int exitFailed = 1;
// How long print follows its job by default, and how often it asks about it.
constexpr int defaultWaitSeconds = 120;
constexpr int pollMilliseconds = 250;
// How long the print service or printer may take to take the job, and to answer each
// question about it.
constexpr int submitSeconds = 60;
constexpr int progressMilliseconds = 5000;

struct PrintRequest {
    std::vector<LabelInput> inputs;
    PrintSetup::JobSettings job;
    bool wait = true;
    int waitSeconds = defaultWaitSeconds;
};

void addPrintOptions(QCommandLineParser& parser) {
    parser.setApplicationDescription(QStringLiteral(
        "Prints the label of a photograph, or one label per row of a caption sheet as one "
        "job, each on the page the printer needs: on label printers as wide as the tape or "
        "roll and as long as the label, with the label along it. Label printers are "
        "recognised from their queue's driver, or for driverless queues and printer "
        "applications from what the printer reports (a roll, labels, roll sizes); a "
        "driverless printer that prints one page size per job gets one job per label "
        "length. When the printer says what it has loaded, the label is checked against "
        "it before anything is sent (\"The printer has 12 mm tape loaded; Tape 18 labels "
        "need 18 mm tape\") and the medium is told with the tape length (\"Tape 18 on 19 "
        "mm tape: 123 mm\"). Waits until the queue is done with the job, telling on standard "
        "error what keeps the printer from printing meanwhile (out of media, a jam, an "
        "open cover, offline, paused or stopped); exit status 1 when the wait ends without "
        "the job printed."));
    parser.addHelpOption();
    LabelOptionsReader::addOptions(parser);
    LabelInputs::addOptions(parser);
    parser.addOptions({
        {QStringLiteral("printer"),
         QStringLiteral("The print queue, or a printer's own ipp:// or ipps:// URI (the job "
                        "goes to it directly, without a print queue)."),
         QStringLiteral("NAME|URI")},
        {QStringLiteral("o"),
         QStringLiteral("A printer option, as for lp (AutoCut=False, ExtraMargin=2mm); "
                        "may be repeated."),
         QStringLiteral("NAME=VALUE")},
        {QStringLiteral("copies"), QStringLiteral("How many copies to print."), QStringLiteral("N"),
         QStringLiteral("1")},
        {QStringLiteral("no-wait"), QStringLiteral("Do not wait for the job to leave the queue.")},
        {QStringLiteral("wait-timeout"),
         QStringLiteral("How long to wait for the job, in seconds (default %1).")
             .arg(defaultWaitSeconds),
         QStringLiteral("SECONDS"), QString::number(defaultWaitSeconds)},
        {QStringLiteral("no-translations"), QStringLiteral("Show localised texts as their keys.")},
    });
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("A photograph (none with --captions)."));
}

Status readPrinterOptions(const QCommandLineParser& parser, PrintJob::Options& options) {
    for (const QString& option : parser.values(QStringLiteral("o"))) {
        const qsizetype equals = option.indexOf(u'=');
        if (equals <= 0)
            return Failure{QStringLiteral("cliPrinterOptionMsg"), {option}};
        options << qMakePair(option.left(equals), option.mid(equals + 1));
    }
    return {};
}

std::optional<int> positiveNumber(const QString& text) {
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok && value > 0 ? std::optional<int>(value) : std::nullopt;
}

Status readRequest(const QCommandLineParser& parser, PrintRequest& request) {
    if (parser.positionalArguments().size() > 1)
        return Failure{QStringLiteral("cliOnePhotographMsg"), {}};
    if (!parser.isSet(QStringLiteral("printer")))
        return Failure{QStringLiteral("cliNoQueueMsg"), {}};
    request.job.queue = parser.value(QStringLiteral("printer"));
    // The job is named after the caption sheet or the photograph.
    request.job.documentName = FileNames::fileInfo(parser.isSet(QStringLiteral("captions"))
                                                       ? parser.value(QStringLiteral("captions"))
                                                       : parser.positionalArguments().value(0))
                                   .fileName();
    const auto copies = positiveNumber(parser.value(QStringLiteral("copies")));
    if (!copies)
        return Failure{QStringLiteral("cliCopiesMsg"), {}};
    request.job.copies = *copies;
    const auto waitSeconds = positiveNumber(parser.value(QStringLiteral("wait-timeout")));
    if (!waitSeconds)
        return Failure{QStringLiteral("cliWaitTimeoutMsg"), {}};
    request.waitSeconds = *waitSeconds;
    request.wait = !parser.isSet(QStringLiteral("no-wait"));
    if (const Status read = readPrinterOptions(parser, request.job.printerOptions); !read)
        return read;
    Result<std::vector<LabelInput>> inputs = LabelInputs::read(parser);
    if (!inputs)
        return inputs.failure();
    request.inputs = std::move(inputs).value();
    request.job.labelMedium = request.inputs.front().label.medium;
    return {};
}

int fail(const QString& message) {
    std::fprintf(stderr, "kestavolin-cli print: %s\n", qUtf8Printable(message));
    return exitFailed;
}

// The message about a sheet row names the row.
int fail(const LabelInput& input, const QString& message) {
    return fail(input.withRow(message));
}

// Where the job stands, asked no longer than the wait allows.
PrintJob::Progress progressOf(const PrintRequest& request, int jobId, const QDeadlineTimer& wait) {
    QDeadlineTimer deadline(progressMilliseconds);
    if (wait.deadline() < deadline.deadline())
        deadline = wait;
    return PrintJob::progress(request.job.queue, jobId, deadline);
}

// Follows the job until the queue is done with it or the wait's time is up, telling on
// standard error each time the printer's reasons for keeping it change. A print service
// that does not answer for a while (restarting) has not ended the job.
int waitForJob(const PrintRequest& request, int jobId, const QDeadlineTimer& deadline) {
    PrintJob::Progress progress = progressOf(request, jobId, deadline);
    // What the service last said, for the message when the wait ends.
    PrintJob::Progress answered = progress;
    QStringList told;
    while (!PrintJob::finished(progress.state) && !progress.queueGone && !deadline.hasExpired()) {
        if (!progress.notAnswered) {
            answered = progress;
            if (progress.stoppingReasons != told && !progress.stoppingReasons.isEmpty())
                fail(PrinterStateReasons::notice(request.job.queue, jobId, request.job.documentName,
                                                 progress.stoppingReasons));
            told = progress.stoppingReasons;
        }
        QThread::msleep(pollMilliseconds);
        progress = progressOf(request, jobId, deadline);
    }
    if (!progress.notAnswered)
        answered = progress;
    if (answered.state != PrintJob::State::Completed || answered.queueGone)
        return fail(PrintSetup::jobEndMessage(answered, request.job.queue));
    std::printf("%s\n", qUtf8Printable(localizedText(QStringLiteral("cliJobCompleted"),
                                                     {QString::number(jobId)})));
    return exitPrinted;
}

// A photograph's label, laid out; the layout keeps the photo record it shows.
struct LaidOutLabel {
    const LabelInput* input = nullptr;
    std::unique_ptr<PhotoRecord> record;
    std::unique_ptr<LabelLayout> layout;
};

// Tells the tape length to set on the printer: with several labels each one's, named,
// and the job's total; before it the medium loaded, when the printer says ("Tape 18 on
// 19 mm tape: 123 mm").
void printTapeLengths(const PrintRequest& request, const std::vector<LaidOutLabel>& labels,
                      const QString& medium) {
    if (!medium.isEmpty())
        std::printf("%s:%s", qUtf8Printable(medium), request.inputs.size() == 1 ? " " : "\n");
    if (request.inputs.size() == 1) {
        std::printf("%s\n", qUtf8Printable(
                                labelLengthText(labels.front().layout->labelSize().width(), true)));
        return;
    }
    std::vector<LabelLength> lengths;
    for (const LaidOutLabel& label : labels)
        lengths.push_back({label.input->name(), label.layout->labelSize().width()});
    std::printf("%s\n", qUtf8Printable(tapeLengthsText(lengths, request.job.copies)));
}

// Prints the labels of every photograph that could be read as one job, one page per
// label in the order given; a photograph that cannot be read is told and left out.
int print(const PrintRequest& request) {
    int status = exitPrinted;
    std::vector<LaidOutLabel> laidOut;
    for (const LabelInput& input : request.inputs) {
        Result<std::unique_ptr<PhotoRecord>> opened =
            openPhotograph(input.path, input.withoutCameraData);
        if (!opened) {
            status = fail(input, opened.failure().text());
            continue;
        }
        LaidOutLabel label{&input, std::move(opened).value(), nullptr};
        const LabelOptions options = input.options();
        label.layout = makeLabelLayout(options);
        showPhotograph(*label.layout, options, label.record.get());
        for (const QString& warning : shortenedTextWarnings("print", input.name(), *label.layout))
            std::fprintf(stderr, "%s\n", qUtf8Printable(warning));
        laidOut.push_back(std::move(label));
    }
    if (laidOut.empty())
        return exitFailed;

    std::vector<PrintSetup::Label> labels;
    for (const LaidOutLabel& label : laidOut)
        labels.push_back(printableLabel(*label.layout));
    const PrintSetup::Submission submission = PrintSetup::printLabels(
        request.job, labels, QDeadlineTimer(std::chrono::seconds(submitSeconds)));
    if (submission.failure != PrintSetup::Failure::None) {
        const QString message = PrintSetup::failureMessage(submission, request.job);
        return submission.label ? fail(*laidOut.at(*submission.label).input, message)
                                : fail(message);
    }
    printTapeLengths(request, laidOut, PrintSetup::mediumOnPrinter(submission));
    if (submission.scale < 1.0)
        std::printf("%s\n", qUtf8Printable(localizedText(
                                QStringLiteral("cliPrintedAtPercent"),
                                {QString::number(printedPercent(submission.scale))})));
    std::fflush(stdout);
    // One wait for all the jobs.
    const QDeadlineTimer deadline(std::chrono::seconds(request.waitSeconds));
    int printed = exitPrinted;
    for (const int jobId : submission.jobIds) {
        if (request.wait && waitForJob(request, jobId, deadline) != exitPrinted)
            printed = exitFailed;
    }
    return printed == exitPrinted ? status : exitFailed;
}

int runPrint(const std::vector<std::string>& args) {
    PrintRequest request;
    return runLabelCommand(
        {"print", usageLine, addPrintOptions,
         [&request](const QCommandLineParser& parser) { return readRequest(parser, request); },
         [&request] { return print(request); }},
        args);
}

const CommandRegistration registration{{"print", usageLine, runPrint}};

} // namespace

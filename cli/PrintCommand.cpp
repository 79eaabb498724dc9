// kestavolin-cli print: the label of a photograph sent to a print queue as the
// application prints it, without a window. Standard output gets the tape length to set
// on the printer, the printed size when the label had to shrink, and the job's end.

#include "Command.h"
#include "LabelCommandSupport.h"

#include "app/TapeLength.h"
#include "label/LabelLayout.h"
#include "label/LabelOptions.h"
#include "photo/Kestavolin.h"
#include "platform/LabelPage.h"
#include "platform/PrintSetup.h"

#include <QCommandLineParser>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QPainter>
#include <QThread>

#include <cstdio>
#include <optional>

namespace {

constexpr auto usageLine = "print [OPTIONS] FILE --printer NAME";
constexpr int exitPrinted = 0;
constexpr int exitFailed = 1;
// How long print follows its job by default, and how often it asks about it.
constexpr int defaultWaitSeconds = 120;
constexpr int pollMilliseconds = 250;

struct PrintRequest {
    LabelOptions label;
    QString path;
    PrintSetup::JobSettings job;
    bool wait = true;
    int waitSeconds = defaultWaitSeconds;
};

void addPrintOptions(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        QStringLiteral("Prints the label of a photograph on the page the queue's driver needs "
                       "(on label printers as wide as the tape or roll, with the label along "
                       "it), writes the tape length to set on the printer and waits until "
                       "the queue is done with the job."));
    parser.addHelpOption();
    LabelOptionsReader::addOptions(parser);
    parser.addOptions({
        {QStringLiteral("printer"), QStringLiteral("The print queue."), QStringLiteral("NAME")},
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
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("A photograph."));
}

std::optional<QString> readPrinterOptions(const QCommandLineParser& parser,
                                          PrintJob::Options& options) {
    for (const QString& option : parser.values(QStringLiteral("o"))) {
        const qsizetype equals = option.indexOf(u'=');
        if (equals <= 0)
            return QStringLiteral("printer option '%1' is not NAME=VALUE").arg(option);
        options << qMakePair(option.left(equals), option.mid(equals + 1));
    }
    return std::nullopt;
}

std::optional<int> positiveNumber(const QString& text) {
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok && value > 0 ? std::optional<int>(value) : std::nullopt;
}

std::optional<QString> readRequest(const QCommandLineParser& parser, PrintRequest& request) {
    const QStringList paths = parser.positionalArguments();
    if (paths.size() != 1)
        return QStringLiteral("give exactly one photograph");
    request.path = paths.first();
    if (!parser.isSet(QStringLiteral("printer")))
        return QStringLiteral("no print queue given (--printer NAME)");
    request.job.queue = parser.value(QStringLiteral("printer"));
    request.job.documentName = QFileInfo(request.path).fileName();
    const auto copies = positiveNumber(parser.value(QStringLiteral("copies")));
    if (!copies)
        return QStringLiteral("--copies takes a whole number of at least 1");
    request.job.copies = *copies;
    const auto waitSeconds = positiveNumber(parser.value(QStringLiteral("wait-timeout")));
    if (!waitSeconds)
        return QStringLiteral("--wait-timeout takes a whole number of seconds of at least 1");
    request.waitSeconds = *waitSeconds;
    request.wait = !parser.isSet(QStringLiteral("no-wait"));
    if (auto error = readPrinterOptions(parser, request.job.printerOptions))
        return error;
    auto label = LabelOptionsReader::read(parser);
    if (const QString* error = std::get_if<QString>(&label))
        return *error;
    request.label = std::get<LabelOptions>(std::move(label));
    return std::nullopt;
}

int fail(const QString& message) {
    std::fprintf(stderr, "kestavolin-cli print: %s\n", qUtf8Printable(message));
    return exitFailed;
}

// Follows the job until the queue is done with it or the time is up.
int waitForJob(const PrintRequest& request, int jobId) {
    const QDeadlineTimer deadline(std::chrono::seconds(request.waitSeconds));
    PrintJob::Progress progress = PrintJob::progress(request.job.queue, jobId);
    while (!PrintJob::finished(progress.state) && !deadline.hasExpired()) {
        QThread::msleep(pollMilliseconds);
        progress = PrintJob::progress(request.job.queue, jobId);
    }
    if (progress.state != PrintJob::State::Completed)
        return fail(PrintSetup::jobEndMessage(progress, request.job.queue));
    std::printf("job %d completed\n", jobId);
    return exitPrinted;
}

int print(const PrintRequest& request) {
    auto opened = openPhotograph(request.path);
    if (const QString* failure = std::get_if<QString>(&opened))
        return fail(*failure);
    const auto record = std::get<std::unique_ptr<Kestavolin>>(std::move(opened));
    const auto layout = makeLabelLayout(request.label);
    showPhotograph(*layout, request.label, record.get());

    const QSizeF labelSize = layout->labelSize();
    const PrintSetup::Label label{
        labelSize, [&](QPainter& painter) { layout->drawRect(painter, labelSize, false); }};
    const PrintSetup::Submission submission = PrintSetup::printLabel(request.job, label);
    if (submission.failure != PrintSetup::Failure::None)
        return fail(PrintSetup::failureMessage(submission, request.job));
    std::printf("%d mm\n", tapeLengthMillimetres(labelSize.width()));
    if (submission.scale < 1.0)
        std::printf("printed at %d%%\n", printedPercent(submission.scale));
    std::fflush(stdout);
    return request.wait ? waitForJob(request, submission.jobId) : exitPrinted;
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

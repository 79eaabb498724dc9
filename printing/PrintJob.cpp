#include "printing/PrintJob.h"

#include "printing/PrintQueue.h"
#include "printing/PrinterStateReasons.h"

#include <QByteArray>
#include <QStringList>

#include <cups/cups.h>

#include <cmath>

namespace {

QString joinedValues(ipp_attribute_t* attribute) {
    QStringList values;
    for (int i = 0; attribute && i < ippGetCount(attribute); ++i)
        values << QString::fromUtf8(ippGetString(attribute, i, nullptr));
    values.removeAll(QStringLiteral("none"));
    values.removeAll(QStringLiteral("job-incoming"));
    return values.join(QStringLiteral(", "));
}

QStringList values(ipp_t* response, const char* name) {
    QStringList list;
    ipp_attribute_t* attribute = ippFindAttribute(response, name, IPP_TAG_ZERO);
    for (int i = 0; attribute && i < ippGetCount(attribute); ++i)
        list << QString::fromUtf8(ippGetString(attribute, i, nullptr));
    return list;
}

IppConnection connectionTo(const QString& queue, QDeadlineTimer deadline,
                           const CancelFlag* cancel) {
    return isPrinterUri(queue) ? IppConnection::toPrinter(queue, deadline, cancel)
                               : IppConnection::toPrintService(deadline, cancel);
}

QString printerUriOf(const QString& queue) {
    if (isPrinterUri(queue))
        return queue;
    char uri[HTTP_MAX_URI];
    httpAssembleURI(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", 0,
                    ("/printers/" + queue).toUtf8().constData());
    return QString::fromUtf8(uri);
}

PrintJob::State stateOf(int ippState) {
    switch (ippState) {
    case IPP_JSTATE_PENDING:
    case IPP_JSTATE_HELD:
    case IPP_JSTATE_PROCESSING:
    // A stopped job, or one in a stopped queue, waits until someone sees to the printer;
    // the reasons are told meanwhile.
    case IPP_JSTATE_STOPPED:
        return PrintJob::State::Waiting;
    case IPP_JSTATE_CANCELED:
        return PrintJob::State::Cancelled;
    case IPP_JSTATE_ABORTED:
        return PrintJob::State::Aborted;
    case IPP_JSTATE_COMPLETED:
        return PrintJob::State::Completed;
    default:
        return PrintJob::State::Unknown;
    }
}

int hundredthsOfMillimetre(double points) {
    return static_cast<int>(std::lround(points * 2540.0 / 72.0));
}

// The media-col of a printer's job: the page's size, the medium's margins and source.
void addMediaCol(ipp_t* request, const PrintJob::Document& document) {
    ipp_t* size = ippNew();
    ippAddInteger(size, IPP_TAG_ZERO, IPP_TAG_INTEGER, "x-dimension",
                  hundredthsOfMillimetre(document.pageSize.width()));
    ippAddInteger(size, IPP_TAG_ZERO, IPP_TAG_INTEGER, "y-dimension",
                  hundredthsOfMillimetre(document.pageSize.height()));
    ipp_t* media = ippNew();
    ippAddCollection(media, IPP_TAG_ZERO, "media-size", size);
    for (const char* name : {"media-left-margin", "media-right-margin"})
        ippAddInteger(media, IPP_TAG_ZERO, IPP_TAG_INTEGER, name,
                      hundredthsOfMillimetre(document.sideMargin));
    for (const char* name : {"media-top-margin", "media-bottom-margin"})
        ippAddInteger(media, IPP_TAG_ZERO, IPP_TAG_INTEGER, name,
                      hundredthsOfMillimetre(document.endMargin));
    if (!document.mediaSource.isEmpty())
        ippAddString(media, IPP_TAG_ZERO, IPP_TAG_KEYWORD, "media-source", nullptr,
                     document.mediaSource.toUtf8().constData());
    ippAddCollection(request, IPP_TAG_JOB, "media-col", media);
    ippDelete(size);
    ippDelete(media);
}

// One Print-Job request with the document, to the queue's URI on the print service or
// to the printer's own; options the print service knows as job attributes (PageSize,
// nopdfAutoRotate) are encoded as it encodes them.
PrintJob::Submitted printJob(const PrintQueue& queue, const PrintJob::Document& document,
                             const QString& title, const PrintJob::Options& options,
                             QDeadlineTimer deadline, const CancelFlag* cancel) {
    PrintJob::Submitted submitted;
    const IppConnection connection = connectionTo(queue.name, deadline, cancel);
    Ipp request = IppConnection::request(IPP_OP_PRINT_JOB, printerUriOf(queue.name));
    ippAddString(request.get(), IPP_TAG_OPERATION, IPP_TAG_NAME, "job-name", nullptr,
                 title.toUtf8().constData());
    cups_option_t* cupsOptions = nullptr;
    int count = 0;
    for (const auto& [name, value] : options)
        count = cupsAddOption(name.toUtf8().constData(), value.toUtf8().constData(), count,
                              &cupsOptions);
    if (!cupsGetOption("document-format", count, cupsOptions))
        count = cupsAddOption("document-format", document.format.toUtf8().constData(), count,
                              &cupsOptions);
    cupsEncodeOptions2(request.get(), count, cupsOptions, IPP_TAG_OPERATION);
    cupsEncodeOptions2(request.get(), count, cupsOptions, IPP_TAG_JOB);
    cupsFreeOptions(count, cupsOptions);
    if (queue.direct)
        addMediaCol(request.get(), document);
    const QString resource =
        queue.direct ? connection.resource() : QStringLiteral("/printers/") + queue.name;
    const Ipp response = connection.sendWithFile(std::move(request), document.path, resource);
    if (ipp_attribute_t* id = ippFindAttribute(response.get(), "job-id", IPP_TAG_INTEGER))
        submitted.jobId = ippGetInteger(id, 0);
    if (submitted.jobId == 0) {
        submitted.notAnswered = connection.notAnswered();
        submitted.error = response
                              ? QString::fromUtf8(ippErrorString(ippGetStatusCode(response.get())))
                              : connection.lastError();
    }
    return submitted;
}

} // namespace

namespace PrintJob {

Submitted submit(const PrintQueue& queue, const Document& document, const QString& title,
                 const Options& options, QDeadlineTimer deadline, const CancelFlag* cancel) {
    return printJob(queue, document, title, options, deadline, cancel);
}

Progress progress(const QString& queue, int jobId, QDeadlineTimer deadline,
                  const CancelFlag* cancel) {
    Progress progress;
    progress.state = State::Waiting;
    const IppConnection connection = connectionTo(queue, deadline, cancel);
    const QString printerUri = printerUriOf(queue);
    Ipp request = IppConnection::request(IPP_OP_GET_JOB_ATTRIBUTES, printerUri);
    ippAddInteger(request.get(), IPP_TAG_OPERATION, IPP_TAG_INTEGER, "job-id", jobId);
    const char* wanted[] = {"job-state", "job-state-reasons", "job-printer-state-message"};
    ippAddStrings(request.get(), IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", 3,
                  nullptr, wanted);
    const Ipp job = connection.send(std::move(request));
    ipp_attribute_t* state = ippFindAttribute(job.get(), "job-state", IPP_TAG_ENUM);
    if (!state) {
        // A service that is away (restarting, or busy past the deadline) has not lost the
        // job; one that answers without it has.
        progress.notAnswered = !job || connection.notAnswered() || !connection.http();
        if (!progress.notAnswered)
            progress.state = State::Unknown;
    } else {
        progress.state = stateOf(ippGetInteger(state, 0));
        progress.message =
            joinedValues(ippFindAttribute(job.get(), "job-printer-state-message", IPP_TAG_TEXT));
        if (progress.message.isEmpty() && progress.state != State::Completed)
            progress.message =
                joinedValues(ippFindAttribute(job.get(), "job-state-reasons", IPP_TAG_KEYWORD));
    }
    if (progress.notAnswered || progress.state == State::Completed)
        return progress;

    Ipp printerRequest = IppConnection::request(IPP_OP_GET_PRINTER_ATTRIBUTES, printerUri);
    const char* printerWanted[] = {"printer-state", "printer-state-reasons",
                                   "printer-state-message"};
    ippAddStrings(printerRequest.get(), IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                  3, nullptr, printerWanted);
    const Ipp printer = connection.send(std::move(printerRequest));
    if (printer && ippGetStatusCode(printer.get()) == IPP_STATUS_ERROR_NOT_FOUND) {
        progress.queueGone = true;
        return progress;
    }
    progress.stoppingReasons =
        PrinterStateReasons::stopping(values(printer.get(), "printer-state-reasons"));
    if (!progress.stoppingReasons.isEmpty() && progress.message.isEmpty())
        progress.message =
            joinedValues(ippFindAttribute(printer.get(), "printer-state-message", IPP_TAG_TEXT));
    return progress;
}

bool finished(State state) {
    return state != State::Waiting;
}

} // namespace PrintJob

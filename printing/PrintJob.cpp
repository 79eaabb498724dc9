#include "printing/PrintJob.h"

#include <QByteArray>
#include <QFile>
#include <QStringList>

#include <cups/cups.h>

#include <memory>

namespace {

struct IppFree {
    void operator()(ipp_t* ipp) const { ippDelete(ipp); }
};
using Ipp = std::unique_ptr<ipp_t, IppFree>;

QString joinedValues(ipp_attribute_t* attribute) {
    QStringList values;
    for (int i = 0; attribute && i < ippGetCount(attribute); ++i)
        values << QString::fromUtf8(ippGetString(attribute, i, nullptr));
    values.removeAll(QStringLiteral("none"));
    values.removeAll(QStringLiteral("job-incoming"));
    return values.join(QStringLiteral(", "));
}

Ipp requestFor(ipp_op_t operation, const QString& resource) {
    Ipp request(ippNewRequest(operation));
    char uri[HTTP_MAX_URI];
    httpAssembleURI(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", 0,
                    resource.toUtf8().constData());
    ippAddString(request.get(), IPP_TAG_OPERATION, IPP_TAG_URI,
                 operation == IPP_OP_GET_JOB_ATTRIBUTES ? "job-uri" : "printer-uri", nullptr, uri);
    ippAddString(request.get(), IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr,
                 cupsUser());
    return request;
}

Ipp ask(Ipp request) {
    // cupsDoRequest takes the request and frees it.
    return Ipp(cupsDoRequest(CUPS_HTTP_DEFAULT, request.release(), "/"));
}

// The queue's state while the job waits in it: stopped, with its reasons, or not.
bool queueStopped(const QString& queue, QString* reasons) {
    Ipp request = requestFor(IPP_OP_GET_PRINTER_ATTRIBUTES, QStringLiteral("/printers/") + queue);
    const char* wanted[] = {"printer-state", "printer-state-reasons", "printer-state-message"};
    ippAddStrings(request.get(), IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", 3,
                  nullptr, wanted);
    const Ipp response = ask(std::move(request));
    if (!response)
        return false;
    ipp_attribute_t* state = ippFindAttribute(response.get(), "printer-state", IPP_TAG_ENUM);
    if (!state || ippGetInteger(state, 0) != IPP_PSTATE_STOPPED)
        return false;
    QString text =
        joinedValues(ippFindAttribute(response.get(), "printer-state-message", IPP_TAG_TEXT));
    if (text.isEmpty())
        text = joinedValues(
            ippFindAttribute(response.get(), "printer-state-reasons", IPP_TAG_KEYWORD));
    *reasons = text;
    return true;
}

PrintJob::State stateOf(int ippState) {
    switch (ippState) {
    case IPP_JSTATE_PENDING:
    case IPP_JSTATE_HELD:
    case IPP_JSTATE_PROCESSING:
    // A job is "processing-stopped" for a moment while its queue decides what a
    // failed filter or backend means; whether the queue then stops is asked apart.
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

} // namespace

namespace PrintJob {

int submit(const QString& queue, const QString& pdfPath, const QString& title,
           const Options& options, QString* error) {
    cups_option_t* cupsOptions = nullptr;
    int count = 0;
    for (const auto& [name, value] : options) {
        count = cupsAddOption(name.toUtf8().constData(), value.toUtf8().constData(), count,
                              &cupsOptions);
    }
    const int job = cupsPrintFile2(CUPS_HTTP_DEFAULT, queue.toUtf8().constData(),
                                   QFile::encodeName(pdfPath).constData(),
                                   title.toUtf8().constData(), count, cupsOptions);
    cupsFreeOptions(count, cupsOptions);
    if (job == 0 && error)
        *error = QString::fromUtf8(cupsLastErrorString());
    return job;
}

Progress progress(const QString& queue, int jobId) {
    Ipp request = requestFor(IPP_OP_GET_JOB_ATTRIBUTES, QStringLiteral("/jobs/%1").arg(jobId));
    const char* wanted[] = {"job-state", "job-state-reasons", "job-printer-state-message"};
    ippAddStrings(request.get(), IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", 3,
                  nullptr, wanted);
    const Ipp response = ask(std::move(request));
    Progress progress;
    if (!response)
        return progress;
    ipp_attribute_t* state = ippFindAttribute(response.get(), "job-state", IPP_TAG_ENUM);
    if (!state)
        return progress;
    progress.state = stateOf(ippGetInteger(state, 0));
    progress.message =
        joinedValues(ippFindAttribute(response.get(), "job-printer-state-message", IPP_TAG_TEXT));
    if (progress.message.isEmpty() && progress.state != State::Completed)
        progress.message =
            joinedValues(ippFindAttribute(response.get(), "job-state-reasons", IPP_TAG_KEYWORD));
    // A job waiting in a stopped queue goes nowhere until someone starts the queue.
    QString reasons;
    if (progress.state == State::Waiting && queueStopped(queue, &reasons)) {
        progress.state = State::Stopped;
        progress.message = reasons;
    }
    return progress;
}

bool finished(State state) {
    return state != State::Waiting;
}

} // namespace PrintJob

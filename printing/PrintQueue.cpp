#include "printing/PrintQueue.h"

#include "printing/PrinterReport.h"

#include <QDir>
#include <QTemporaryFile>

#include <cups/cups.h>

#include <optional>

namespace {

// The longest a queue's lookup waits for the printer behind it, which may be away.
constexpr int printerBehindQueueMilliseconds = 5000;

QString queueUri(const QString& name) {
    char uri[HTTP_MAX_URI];
    httpAssembleURI(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", 0,
                    ("/printers/" + name).toUtf8().constData());
    return QString::fromUtf8(uri);
}

Ipp askAttributes(const IppConnection& connection, const QString& printerUri) {
    Ipp request = IppConnection::request(IPP_OP_GET_PRINTER_ATTRIBUTES, printerUri);
    const auto& names = reportedAttributes();
    ippAddStrings(request.get(), IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                  static_cast<int>(names.size()), nullptr, names.data());
    return connection.send(std::move(request));
}

LookupFailure failureOf(const IppConnection& connection) {
    if (connection.notAnswered())
        return LookupFailure::NotAnswering;
    if (!connection.http() || cupsLastError() == IPP_STATUS_ERROR_SERVICE_UNAVAILABLE)
        return LookupFailure::Unreachable;
    return LookupFailure::NoSuchQueue;
}

// The medium of the queue's PPD driver; Other when the queue has none or the PPD is
// generated for a driverless printer. The print service serves each queue's PPD.
QueueMedium mediumOfPpd(const IppConnection& connection, const QString& name) {
    QTemporaryFile file(QDir::tempPath() + QStringLiteral("/kestavolin-XXXXXX.ppd"));
    if (!connection.http() || connection.notAnswered() || !file.open())
        return {};
    const QByteArray resource = ("/printers/" + name + ".ppd").toUtf8();
    if (cupsGetFd(connection.http(), resource.constData(), file.handle()) != HTTP_STATUS_OK)
        return {};
    file.close();
    return queueMediumFromPpd(file.fileName());
}

// What the printer behind a driverless queue reports itself, when its device is a
// printer's URI and it answers in time.
std::optional<PrinterReport> printerBehind(const PrinterReport& queue, QDeadlineTimer deadline,
                                           const CancelFlag* cancel) {
    if (!isPrinterUri(queue.deviceUri))
        return std::nullopt;
    QDeadlineTimer printerDeadline(printerBehindQueueMilliseconds);
    if (deadline.deadline() < printerDeadline.deadline())
        printerDeadline = deadline;
    const IppConnection printer =
        IppConnection::toPrinter(queue.deviceUri, printerDeadline, cancel);
    const Ipp own = askAttributes(printer, queue.deviceUri);
    if (!own || ippGetStatusCode(own.get()) > IPP_STATUS_OK_EVENTS_COMPLETE)
        return std::nullopt;
    return printerReport(own.get());
}

// A queue without a label printer's driver: a label printer when it, or the printer
// behind it, reports one. The printer's own media, margins and loaded media are the
// ones it prints on, and the raster it takes passes the queue unchanged.
void describeDriverless(PrintQueue& queue, const PrinterReport& report, QDeadlineTimer deadline,
                        const CancelFlag* cancel) {
    const std::optional<PrinterReport> printer = printerBehind(report, deadline, cancel);
    queue.ippPrinter = ippLabelPrinter(printer ? *printer : report);
    if (queue.ippPrinter && printer) {
        queue.documentFormats = printer->documentFormats;
        if (!printer->rasterResolutions.empty())
            queue.rasterResolutions = printer->rasterResolutions;
    }
}

// The queue's state as its report gives it.
PrintQueue queueReported(const QString& name, const PrinterReport& report) {
    PrintQueue queue;
    queue.name = name;
    queue.stopped = report.state == IPP_PSTATE_STOPPED;
    queue.acceptingJobs = report.acceptingJobs;
    queue.stateReasons = report.stateReasons.join(QStringLiteral(", "));
    queue.rasterResolutions = report.rasterResolutions;
    return queue;
}

// The print service's default queue's name; empty when it has none.
QString defaultQueue(const IppConnection& connection) {
    Ipp request(ippNewRequest(IPP_OP_CUPS_GET_DEFAULT));
    const char* wanted = "printer-name";
    ippAddStrings(request.get(), IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", 1,
                  nullptr, &wanted);
    const Ipp answer = connection.send(std::move(request));
    ipp_attribute_t* name = ippFindAttribute(answer.get(), "printer-name", IPP_TAG_NAME);
    return name ? QString::fromUtf8(ippGetString(name, 0, nullptr)) : QString();
}

// The queue of that name, or without one the default queue. Only plain requests on the
// lookup's own connection are made, so that nothing waits past its deadline.
QueueLookup lookUpServiceQueue(const QString& wanted, QDeadlineTimer deadline,
                               const CancelFlag* cancel) {
    QueueLookup lookup;
    const IppConnection connection = IppConnection::toPrintService(deadline, cancel);
    lookup.address = connection.address();
    const QString name = wanted.isEmpty() ? defaultQueue(connection) : wanted;
    const Ipp answer = name.isEmpty() ? nullptr : askAttributes(connection, queueUri(name));
    if (!answer || ippGetStatusCode(answer.get()) > IPP_STATUS_OK_EVENTS_COMPLETE) {
        lookup.failure = failureOf(connection);
        return lookup;
    }
    const PrinterReport report = printerReport(answer.get());
    PrintQueue queue = queueReported(name, report);
    queue.medium = mediumOfPpd(connection, name);
    if (queue.medium.kind == QueueKind::Other)
        describeDriverless(queue, report, deadline, cancel);
    if (connection.notAnswered()) {
        lookup.failure = LookupFailure::NotAnswering;
        return lookup;
    }
    lookup.queue = std::move(queue);
    return lookup;
}

QueueLookup lookUpPrinter(const QString& uri, QDeadlineTimer deadline, const CancelFlag* cancel) {
    QueueLookup lookup;
    const IppConnection connection = IppConnection::toPrinter(uri, deadline, cancel);
    lookup.address = connection.address();
    const Ipp answer = askAttributes(connection, uri);
    if (!answer || ippGetStatusCode(answer.get()) > IPP_STATUS_OK_EVENTS_COMPLETE) {
        lookup.failure = failureOf(connection);
        return lookup;
    }
    const PrinterReport report = printerReport(answer.get());
    PrintQueue queue = queueReported(uri, report);
    queue.direct = true;
    queue.ippPrinter = ippLabelPrinter(report);
    queue.documentFormats = report.documentFormats;
    lookup.queue = std::move(queue);
    return lookup;
}

} // namespace

bool isPrinterUri(const QString& destination) {
    return destination.startsWith(QLatin1String("ipp://")) ||
           destination.startsWith(QLatin1String("ipps://"));
}

QueueLookup lookUpQueue(const QString& destination, QDeadlineTimer deadline,
                        const CancelFlag* cancel) {
    if (destination.isEmpty())
        return {std::nullopt, LookupFailure::NoSuchQueue, QString()};
    return isPrinterUri(destination) ? lookUpPrinter(destination, deadline, cancel)
                                     : lookUpServiceQueue(destination, deadline, cancel);
}

QueueLookup lookUpDefaultQueue(QDeadlineTimer deadline, const CancelFlag* cancel) {
    return lookUpServiceQueue(QString(), deadline, cancel);
}

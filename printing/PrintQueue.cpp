#include "printing/PrintQueue.h"

#include <QFile>

#include <cups/cups.h>

#include <memory>

// The queue's PPD is fetched through the interface CUPS keeps for PPD-based drivers;
// see QueueMedium.cpp for why it is used.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
#include <cups/ppd.h>

namespace {

struct DestFree {
    void operator()(cups_dest_t* dest) const { cupsFreeDests(1, dest); }
};

// The printer-state value of a stopped queue (IPP's "stopped").
constexpr int stoppedPrinterState = 5;

QString destOption(const cups_dest_t* dest, const char* name) {
    return QString::fromUtf8(cupsGetOption(name, dest->num_options, dest->options));
}

QueueMedium mediumOfQueue(const QString& name) {
    const char* ppdPath = cupsGetPPD2(CUPS_HTTP_DEFAULT, name.toUtf8().constData());
    if (!ppdPath)
        return {}; // a driverless queue: the page is the label's own size
    const QString path = QFile::decodeName(ppdPath);
    QueueMedium medium = queueMediumFromPpd(path);
    QFile::remove(path);
    return medium;
}

} // namespace

std::optional<PrintQueue> findPrintQueue(const QString& name) {
    if (name.isEmpty())
        return std::nullopt;
    const std::unique_ptr<cups_dest_t, DestFree> dest(
        cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.toUtf8().constData(), nullptr));
    if (!dest)
        return std::nullopt;
    PrintQueue queue;
    queue.name = name;
    queue.stopped = destOption(dest.get(), "printer-state").toInt() == stoppedPrinterState;
    queue.acceptingJobs = destOption(dest.get(), "printer-is-accepting-jobs") != "false";
    queue.stateReasons = destOption(dest.get(), "printer-state-reasons");
    if (queue.stateReasons == QLatin1String("none"))
        queue.stateReasons.clear();
    queue.medium = mediumOfQueue(name);
    return queue;
}

#pragma GCC diagnostic pop

#pragma once

#include "printing/IppConnection.h"
#include "printing/IppLabelPrinter.h"
#include "printing/QueueMedium.h"

#include <QDeadlineTimer>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// Where labels are printed: a queue of the print service, or a printer reached at its
// own ipp:// or ipps:// URI, as it describes itself now.
struct PrintQueue {
    // The queue's name, or the printer's URI.
    QString name;
    // True for a printer's own URI, which takes IPP jobs without a print service.
    bool direct = false;
    bool stopped = false;
    bool acceptingJobs = true;
    // The reasons for the queue's state ("paused", "media-empty-error").
    QString stateReasons;
    // The medium the queue's PPD driver describes; kind Other when it is no label
    // printer's driver (a driverless queue among them).
    QueueMedium medium;
    // The label printer recognised over IPP, for queues and printers without a label
    // printer's driver.
    std::optional<IppLabelPrinter> ippPrinter;
    // The document formats a printer of a URI, or the printer behind a driverless queue,
    // takes (empty for other queues, which take PDF), and the resolutions of its raster.
    QStringList documentFormats;
    std::vector<int> rasterResolutions;
};

enum class LookupFailure {
    None,
    NoSuchQueue,  // the print service has no queue of that name, or no printer is there
    NotAnswering, // it took connections but gave no answer in time
    Unreachable,  // no print service or printer could be reached at all
};

struct QueueLookup {
    std::optional<PrintQueue> queue;
    LookupFailure failure = LookupFailure::None;
    // The print service or printer that was asked ("localhost:631").
    QString address;
};

// True for a printer URI (ipp://, ipps://) rather than a queue's name.
bool isPrinterUri(const QString& destination);

// Looks the queue (or printer) up on the print service the environment names
// (CUPS_SERVER) or the local one, within the deadline: its state, its PPD driver's
// medium and, when that is no label printer's, what the queue and the printer behind it
// report over IPP. A driverless queue's printer is asked itself for its loaded media
// when its device is an ipp:// or ipps:// URI.
QueueLookup lookUpQueue(const QString& destination, QDeadlineTimer deadline,
                        const CancelFlag* cancel = nullptr);

// The print service's default queue, looked up alike; NoSuchQueue when it has none.
QueueLookup lookUpDefaultQueue(QDeadlineTimer deadline, const CancelFlag* cancel = nullptr);

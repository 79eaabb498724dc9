#pragma once

#include "printing/QueueMedium.h"

#include <QString>

#include <optional>

// A print queue as the print service describes it now.
struct PrintQueue {
    QString name;
    bool stopped = false;
    bool acceptingJobs = true;
    // The print service's reasons for the queue's state ("paused", "media-empty-error").
    QString stateReasons;
    QueueMedium medium;
};

// The queue of that name on the print service the environment names (CUPS_SERVER) or
// the local one; nothing when there is no such queue.
std::optional<PrintQueue> findPrintQueue(const QString& name);

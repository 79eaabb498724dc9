#pragma once

#include <QByteArray>
#include <QFile>

#include <sys/resource.h>

// The memory of the running process, for the programs that measure one piece of work
// each (one process per measurement, so the peak is that work's high-water mark).
namespace ProcessMemory {

// The resident set now, from /proc (KiB), or -1.
inline long residentKib() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

// The highest resident set so far (KiB), from getrusage.
inline long peakResidentKib() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace ProcessMemory

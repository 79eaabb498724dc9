#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QString>
#include <QTimer>

// Print services of a test's own, so that no test ever sees the machine's queues, and
// what the event loop does while one is waited for.

// Points the print service's client at the address (CUPS_SERVER) for this object's
// lifetime, on this thread and on threads started meanwhile, then restores the
// environment's setting.
class ScopedPrintService {
public:
    explicit ScopedPrintService(const QString& address);
    ~ScopedPrintService();
    ScopedPrintService(const ScopedPrintService&) = delete;
    ScopedPrintService& operator=(const ScopedPrintService&) = delete;

private:
    QByteArray previous_;
    bool wasSet_;
};

// A print service that takes connections and never answers: a listener on a free
// localhost port that reads nothing and writes nothing.
class SilentPrintService {
public:
    SilentPrintService();
    ~SilentPrintService();
    SilentPrintService(const SilentPrintService&) = delete;
    SilentPrintService& operator=(const SilentPrintService&) = delete;
    QString address() const;

private:
    int socket_ = -1;
    int port_ = 0;
};

// An address where no print service listens: a socket file that does not exist.
QString absentPrintService();

// The longest the event loop went without running a timer meant to fire every 5 ms,
// from this object's making on.
class StallMeter {
public:
    StallMeter();
    qint64 longestMilliseconds() const { return longest_; }

private:
    QElapsedTimer clock_;
    QTimer timer_;
    qint64 longest_ = 0;
};

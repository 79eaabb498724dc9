#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM, SIGINT and SIGHUP into a Qt signal on the main thread that ends the
// application's event loops, so that a termination request from the session or a
// shell ends the application normally and the settings are saved on the way out. The
// signal handler itself only writes one byte to a socket pair, which is all that is
// safe to do there.
class TerminationSignals : public QObject {
    Q_OBJECT

public:
    // Only one instance may exist; it installs the handlers.
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

signals:
    // Ends every running event loop (a modal panel's too) and then the application's.
    void terminationRequested();

private:
    QSocketNotifier* notifier_ = nullptr;
};

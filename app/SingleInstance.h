#pragma once

#include <QByteArrayList>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <QStringList>

class QLocalServer;
class QLocalSocket;

// One running application per user. A later launch hands its files (or, without
// files, a request to show the window) to the running instance over a local socket
// and ends; the running instance announces each request with openRequested.
//
// The running instance holds a lock file beside the socket for its whole life, so a
// launch can tell a busy instance (the lock is held, the socket does not answer yet)
// from one that died (the lock is free): it waits for the busy one and replaces only
// what a dead one left behind.
class SingleInstance : public QObject {
    Q_OBJECT

public:
    // What a launch became.
    enum class Launch {
        // The running instance acknowledged the request; this launch ends.
        HandedOver,
        // This launch is the running instance now (it holds the lock).
        Running,
        // Another instance runs but did not take the request in time.
        Unanswered,
    };

    // The per-user socket: in the user's runtime folder when there is one.
    static QString defaultServerName();

    explicit SingleInstance(const QString& serverName = defaultServerName(),
                            QObject* parent = nullptr);
    ~SingleInstance() override;

    // Hands the paths (as the command line gave them, in the file system's encoding)
    // to the running instance, waiting for it while it lives and is busy, or becomes
    // the running instance when there is none. answerWaitMs bounds the wait for a busy
    // instance.
    Launch start(const QByteArrayList& paths, int answerWaitMs = defaultAnswerWaitMs);

    // Whether later launches reach this instance; false when its socket could not be
    // created. Only meaningful after start() answered Running.
    bool listening() const;

    static constexpr int defaultAnswerWaitMs = 120000;

signals:
    // paths is empty when the later launch only asked for the window. Emitted from the
    // event loop after the request was acknowledged, never inside the socket's own
    // handlers, so a receiver may run modal panels.
    void openRequested(const QStringList& paths);

private:
    enum class Reply { Acknowledged, NoListener, NoAnswer };
    Reply sendRequest(const QByteArrayList& paths, int waitMs);
    bool listen();
    bool anotherInstanceListens() const;
    void receiveFrom(QLocalSocket* socket);

    QString serverName_;
    QLockFile lock_;
    QLocalServer* server_ = nullptr;
};

// A command-line path as a file name: decoded with the file system's encoding, and
// names that are not valid in it kept byte for byte (see FileNames).
QString decodedPath(const QByteArray& path);

#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QLocalServer;
class QLocalSocket;

// One running application per user. A later launch hands its files (or, without
// files, a request to show the window) to the running instance over a local socket
// and ends; the running instance announces each request with openRequested.
class SingleInstance : public QObject {
    Q_OBJECT

public:
    // The per-user socket: in the user's runtime folder when there is one.
    static QString defaultServerName();

    explicit SingleInstance(const QString& serverName = defaultServerName(),
                            QObject* parent = nullptr);
    ~SingleInstance() override;

    // Sends the paths (made absolute, since the running instance has another working
    // folder) to a running instance. True when one acknowledged them.
    bool handOver(const QStringList& paths) const;

    // Starts answering later launches. A socket left behind by an instance that died
    // is replaced. False when the socket cannot be created.
    bool listen();

signals:
    // paths is empty when the later launch only asked for the window.
    void openRequested(const QStringList& paths);

private:
    void receiveFrom(QLocalSocket* socket);

    QString m_serverName;
    QLocalServer* m_server = nullptr;
};

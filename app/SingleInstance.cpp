#include "app/SingleInstance.h"

#include <QDataStream>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

namespace {

constexpr int connectTimeoutMs = 1000;
constexpr int replyTimeoutMs = 5000;
// A request is a handful of paths; anything larger is not from us and is dropped.
constexpr qint64 maximumRequestBytes = 1 << 20;
constexpr char acknowledgement = 'k';

QStringList absolutePaths(const QStringList& paths) {
    QStringList absolute;
    absolute.reserve(paths.size());
    for (const QString& path : paths)
        absolute.append(QFileInfo(path).absoluteFilePath());
    return absolute;
}

} // namespace

QString SingleInstance::defaultServerName() {
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    const QString socketName = QStringLiteral("kestavolin.socket");
    if (runtime.isEmpty())
        return QStringLiteral("kestavolin-%1").arg(QDir::home().dirName());
    return QDir(runtime).filePath(socketName);
}

SingleInstance::SingleInstance(const QString& serverName, QObject* parent)
    : QObject(parent), m_serverName(serverName) {}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::handOver(const QStringList& paths) const {
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    if (!socket.waitForConnected(connectTimeoutMs))
        return false;
    QByteArray request;
    QDataStream out(&request, QIODevice::WriteOnly);
    out << absolutePaths(paths);
    socket.write(request);
    if (!socket.waitForBytesWritten(replyTimeoutMs))
        return false;
    while (socket.bytesAvailable() < 1) {
        if (!socket.waitForReadyRead(replyTimeoutMs))
            return false;
    }
    char reply = 0;
    return socket.getChar(&reply) && reply == acknowledgement;
}

bool SingleInstance::listen() {
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_serverName)) {
        // Nobody answered there (handOver is tried first), so the socket is stale.
        QLocalServer::removeServer(m_serverName);
        if (!m_server->listen(m_serverName))
            return false;
    }
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this,
                    [this, socket] { receiveFrom(socket); });
            receiveFrom(socket);
        }
    });
    return true;
}

void SingleInstance::receiveFrom(QLocalSocket* socket) {
    if (socket->bytesAvailable() > maximumRequestBytes) {
        socket->abort();
        return;
    }
    QDataStream stream(socket);
    stream.startTransaction();
    QStringList paths;
    stream >> paths;
    if (!stream.commitTransaction())
        return; // the rest of the request has not arrived yet
    socket->putChar(acknowledgement);
    socket->flush();
    emit openRequested(paths);
}

#include "app/SingleInstance.h"

#include "platform/FileNames.h"

#include <QDataStream>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>

#include <filesystem>

namespace {

constexpr int connectTimeoutMs = 1000;
// How long one wait for the running instance's answer lasts before the launch looks
// again whether that instance still lives.
constexpr int replySliceMs = 500;
// Pause between attempts to reach an instance that holds the lock but does not
// listen yet (it is starting).
constexpr int retryPauseMs = 100;
// A request is a handful of paths; anything larger is not from us and is dropped.
constexpr qint64 maximumRequestBytes = 1 << 20;
constexpr char acknowledgement = 'k';

// The running instance has another working folder, so relative paths are made
// absolute here, byte for byte: a name need not be valid in any text encoding.
QByteArrayList absolutePaths(const QByteArrayList& paths) {
    const QByteArray folder = QByteArray::fromStdString(std::filesystem::current_path().native());
    QByteArrayList absolute;
    absolute.reserve(paths.size());
    for (const QByteArray& path : paths)
        absolute.append(path.startsWith('/') ? path : folder + '/' + path);
    return absolute;
}

} // namespace

QString decodedPath(const QByteArray& path) {
    return FileNames::fromNative(path);
}

QString SingleInstance::defaultServerName() {
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    const QString socketName = QStringLiteral("kestavolin.socket");
    if (runtime.isEmpty())
        return QStringLiteral("kestavolin-%1").arg(QDir::home().dirName());
    return QDir(runtime).filePath(socketName);
}

// A bare server name (no runtime folder) puts the lock in the temporary folder.
SingleInstance::SingleInstance(const QString& serverName, QObject* parent)
    : QObject(parent), serverName_(serverName),
      lock_((QDir::isAbsolutePath(serverName) ? serverName : QDir::temp().filePath(serverName)) +
            QStringLiteral(".lock")) {
    // Only the death of its holder frees the lock, however long the instance runs.
    lock_.setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

SingleInstance::Launch SingleInstance::start(const QByteArrayList& paths, int answerWaitMs) {
    const QDeadlineTimer patience(answerWaitMs);
    for (;;) {
        switch (sendRequest(paths, answerWaitMs)) {
        case Reply::Acknowledged:
            return Launch::HandedOver;
        case Reply::NoAnswer:
            return Launch::Unanswered;
        case Reply::NoListener:
            break;
        }
        if (lock_.tryLock(0)) {
            listen();
            return Launch::Running;
        }
        if (patience.hasExpired())
            return Launch::Unanswered;
        QThread::msleep(retryPauseMs);
    }
}

// Waits for the answer as long as the instance that took the request lives (it may be
// busy), up to waitMs.
SingleInstance::Reply SingleInstance::sendRequest(const QByteArrayList& paths, int waitMs) {
    QLocalSocket socket;
    socket.connectToServer(serverName_);
    if (!socket.waitForConnected(connectTimeoutMs))
        return Reply::NoListener;
    QByteArray request;
    QDataStream out(&request, QIODevice::WriteOnly);
    out << absolutePaths(paths);
    socket.write(request);
    const QDeadlineTimer patience(waitMs);
    while (socket.bytesAvailable() < 1) {
        if (socket.state() != QLocalSocket::ConnectedState)
            return Reply::NoListener; // it ended before answering
        if (patience.hasExpired())
            return Reply::NoAnswer;
        socket.waitForReadyRead(replySliceMs);
    }
    char reply = 0;
    return socket.getChar(&reply) && reply == acknowledgement ? Reply::Acknowledged
                                                              : Reply::NoListener;
}

bool SingleInstance::anotherInstanceListens() const {
    QLocalSocket probe;
    probe.connectToServer(serverName_);
    return probe.waitForConnected(connectTimeoutMs);
}

bool SingleInstance::listen() {
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(serverName_)) {
        // This instance holds the lock, so the socket is what a dead instance left
        // behind; it is removed only when nothing answers there after all.
        if (anotherInstanceListens())
            return false;
        QLocalServer::removeServer(serverName_);
        if (!server_->listen(serverName_))
            return false;
    }
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this,
                    [this, socket] { receiveFrom(socket); });
            receiveFrom(socket);
        }
    });
    return true;
}

bool SingleInstance::listening() const {
    return server_ && server_->isListening();
}

void SingleInstance::receiveFrom(QLocalSocket* socket) {
    if (socket->bytesAvailable() > maximumRequestBytes) {
        socket->abort();
        return;
    }
    QDataStream stream(socket);
    stream.startTransaction();
    QByteArrayList encoded;
    stream >> encoded;
    if (!stream.commitTransaction())
        return; // the rest of the request has not arrived yet
    socket->putChar(acknowledgement);
    socket->flush();
    QStringList paths;
    for (const QByteArray& path : encoded)
        paths.append(QDir::cleanPath(decodedPath(path)));
    // The socket may go away while a receiver shows a panel, so the request is
    // handled once this handler has returned.
    QTimer::singleShot(0, this, [this, paths] { emit openRequested(paths); });
}

#include "PrintServices.h"

#include <cups/cups.h>

#include <algorithm>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

ScopedPrintService::ScopedPrintService(const QString& address)
    : previous_(qgetenv("CUPS_SERVER")), wasSet_(qEnvironmentVariableIsSet("CUPS_SERVER")) {
    qputenv("CUPS_SERVER", address.toUtf8());
    // The client keeps the server it chose per thread; this makes it choose again.
    cupsSetServer(nullptr);
}

ScopedPrintService::~ScopedPrintService() {
    if (wasSet_)
        qputenv("CUPS_SERVER", previous_);
    else
        qunsetenv("CUPS_SERVER");
    cupsSetServer(nullptr);
}

// The system completes each connection into the listening socket's backlog; nothing
// ever reads from it.
SilentPrintService::SilentPrintService() : socket_(::socket(AF_INET, SOCK_STREAM, 0)) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (socket_ >= 0 && ::bind(socket_, reinterpret_cast<sockaddr*>(&address), length) == 0 &&
        ::listen(socket_, 64) == 0 &&
        ::getsockname(socket_, reinterpret_cast<sockaddr*>(&address), &length) == 0)
        port_ = ntohs(address.sin_port);
}

SilentPrintService::~SilentPrintService() {
    if (socket_ >= 0)
        ::close(socket_);
}

QString SilentPrintService::address() const {
    return QStringLiteral("127.0.0.1:%1").arg(port_);
}

QString absentPrintService() {
    return QStringLiteral("/nonexistent/kestavolin-test/print-service.sock");
}

StallMeter::StallMeter() {
    clock_.start();
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout,
                     [this] { longest_ = std::max(longest_, clock_.restart()); });
    timer_.start();
}

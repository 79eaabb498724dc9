#include "printing/IppConnection.h"

#include <QFile>

#include <cups/cups.h>

#include <algorithm>
#include <climits>

namespace {

// How often a waiting request looks at its deadline and cancel flag, in seconds.
constexpr double watchInterval = 0.25;

} // namespace

void IppFree::operator()(ipp_t* ipp) const {
    ippDelete(ipp);
}

void IppConnection::HttpClose::operator()(http_t* http) const {
    httpClose(http);
}

IppConnection::IppConnection(IppConnection&&) noexcept = default;
IppConnection& IppConnection::operator=(IppConnection&&) noexcept = default;
IppConnection::~IppConnection() = default;

IppConnection IppConnection::toPrintService(QDeadlineTimer deadline, const CancelFlag* cancel) {
    IppConnection connection;
    connection.watch_->deadline = deadline;
    connection.watch_->cancel = cancel;
    const QString server = QString::fromUtf8(cupsServer());
    connection.connect(server, ippPort(), cupsEncryption() == HTTP_ENCRYPTION_ALWAYS);
    return connection;
}

IppConnection IppConnection::toPrinter(const QString& uri, QDeadlineTimer deadline,
                                       const CancelFlag* cancel) {
    IppConnection connection;
    connection.watch_->deadline = deadline;
    connection.watch_->cancel = cancel;
    char scheme[32], user[256], host[256], resource[1024];
    int port = 0;
    if (httpSeparateURI(HTTP_URI_CODING_ALL, uri.toUtf8().constData(), scheme, sizeof scheme, user,
                        sizeof user, host, sizeof host, &port, resource,
                        sizeof resource) < HTTP_URI_STATUS_OK)
        return connection;
    const QByteArray kind(scheme);
    if (kind != "ipp" && kind != "ipps")
        return connection;
    connection.resource_ = QString::fromUtf8(resource);
    connection.connect(QString::fromUtf8(host), port, kind == "ipps");
    return connection;
}

bool IppConnection::connect(const QString& host, int port, bool encrypted) {
    Watch* watch = watch_.get();
    address_ = host.startsWith(u'/') ? host : QStringLiteral("%1:%2").arg(host).arg(port);
    if ((watch->cancel && watch->cancel->load()) || watch->deadline.hasExpired()) {
        watch->cutShort = true;
        return false;
    }
    const int milliseconds =
        static_cast<int>(std::clamp<qint64>(watch->deadline.remainingTime(), 1, INT_MAX));
    http_.reset(httpConnect2(host.toUtf8().constData(), port, nullptr, AF_UNSPEC,
                             encrypted ? HTTP_ENCRYPTION_ALWAYS : HTTP_ENCRYPTION_IF_REQUESTED, 1,
                             watch->deadline.isForever() ? 30000 : milliseconds, nullptr));
    if (!http_) {
        // A connection that took the whole time was never answered; one refused at once
        // reaches no service at all.
        watch->cutShort = watch->deadline.hasExpired();
        return false;
    }
    httpSetTimeout(
        http_.get(), watchInterval,
        [](http_t*, void* data) -> int {
            auto* watch = static_cast<Watch*>(data);
            if ((watch->cancel && watch->cancel->load()) || watch->deadline.hasExpired()) {
                watch->cutShort = true;
                return 0;
            }
            return 1;
        },
        watch);
    return true;
}

Ipp IppConnection::send(Ipp request) const {
    if (!ready())
        return nullptr;
    // The client library takes the request and frees it.
    return Ipp(cupsDoRequest(http_.get(), request.release(), resource_.toUtf8().constData()));
}

Ipp IppConnection::sendWithFile(Ipp request, const QString& path, const QString& resource) const {
    if (!ready())
        return nullptr;
    return Ipp(cupsDoFileRequest(http_.get(), request.release(),
                                 (resource.isEmpty() ? resource_ : resource).toUtf8().constData(),
                                 QFile::encodeName(path).constData()));
}

// A connection whose time is up takes no further request.
bool IppConnection::ready() const {
    Watch* watch = watch_.get();
    if (http_ && ((watch->cancel && watch->cancel->load()) || watch->deadline.hasExpired()))
        watch->cutShort = true;
    return http_ && !watch->cutShort;
}

bool IppConnection::notAnswered() const {
    return watch_->cutShort;
}

QString IppConnection::lastError() const {
    return QString::fromUtf8(cupsLastErrorString());
}

Ipp IppConnection::request(int operation, const QString& uri) {
    Ipp request(ippNewRequest(static_cast<ipp_op_t>(operation)));
    ippAddString(request.get(), IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr,
                 uri.toUtf8().constData());
    ippAddString(request.get(), IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr,
                 cupsUser());
    return request;
}

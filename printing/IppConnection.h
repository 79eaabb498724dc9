#pragma once

#include <QDeadlineTimer>
#include <QString>

#include <atomic>
#include <memory>

typedef struct _http_s http_t;
typedef struct _ipp_s ipp_t;

struct IppFree {
    void operator()(ipp_t* ipp) const;
};
// An IPP message that frees itself.
using Ipp = std::unique_ptr<ipp_t, IppFree>;

// Set from another thread to end every request of the connections that watch it at
// their next quarter second of waiting.
using CancelFlag = std::atomic<bool>;

// One connection to the print service or to a printer, for the requests of one task.
// Nothing on it waits past the deadline: connecting, sending and waiting for an answer
// are all cut short then (or when the cancel flag is set), and the request fails as
// not answered. So a print service that accepts connections and never answers holds a
// caller no longer than the deadline it gave.
class IppConnection {
public:
    // The print service the environment names (CUPS_SERVER, the client configuration)
    // or the local one.
    static IppConnection toPrintService(QDeadlineTimer deadline,
                                        const CancelFlag* cancel = nullptr);
    // The printer of an ipp:// or ipps:// URI; the resource of its URI is kept.
    static IppConnection toPrinter(const QString& uri, QDeadlineTimer deadline,
                                   const CancelFlag* cancel = nullptr);

    IppConnection(IppConnection&&) noexcept;
    IppConnection& operator=(IppConnection&&) noexcept;
    ~IppConnection();

    // Null when no connection could be made.
    http_t* http() const { return http_.get(); }
    // The path requests to the printer of a URI are sent to ("/ipp/print/LW450"); "/"
    // for the print service.
    const QString& resource() const { return resource_; }
    // Where the connection goes, as the user would name it ("localhost:631").
    const QString& address() const { return address_; }

    // Sends the request and answers the response, or null when none came.
    Ipp send(Ipp request) const;
    // The same for a request whose document is the file's content, to the resource
    // given (the connection's own when none is).
    Ipp sendWithFile(Ipp request, const QString& path, const QString& resource = QString()) const;

    // True once a request was cut short by the deadline or the cancel flag, or when
    // the connection itself could not be made in time: the other end does not answer.
    bool notAnswered() const;
    // The reason the last request failed, in the print service's words.
    QString lastError() const;

    // An IPP request of the operation addressed to uri, from the current user.
    static Ipp request(int operation, const QString& uri);

private:
    IppConnection() = default;
    bool ready() const;
    bool connect(const QString& host, int port, bool encrypted);

    struct HttpClose {
        void operator()(http_t* http) const;
    };
    std::unique_ptr<http_t, HttpClose> http_;
    QString resource_ = QStringLiteral("/");
    QString address_;
    // Shared with the print service's wait callback, which outlives no connection.
    struct Watch {
        QDeadlineTimer deadline;
        const CancelFlag* cancel = nullptr;
        bool cutShort = false;
    };
    std::unique_ptr<Watch> watch_ = std::make_unique<Watch>();
};

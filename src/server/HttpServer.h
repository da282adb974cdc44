#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

// A request read whole, its framing and its Host checked. HEAD comes as GET (its answer is
// sent without body).
struct THttpRequest {
    QByteArray method;
    QString path;      // percent-decoded
    QByteArray query;  // the part after "?", still encoded
    QByteArray contentType;
    QByteArray body;
};

// An answer: a body in memory, or an open file sent from the disk as it is read.
struct THttpAnswer {
    int status = 200;
    QByteArray contentType;
    QByteArray body;
    QList<QPair<QByteArray, QByteArray>> headers;
    int file = -1;   // sent instead of body when open; closed once sent
    QString action;  // what the log line names: add, query, upload, picture, ...

    static THttpAnswer Text(int status, const QString& text);
};

// What the server does with the requests the HTTP layer lets through.
class TRequestHandler {
  public:
    virtual ~TRequestHandler() = default;
    // The largest body a request to the path may have; a longer one is refused with 413.
    virtual size_t BodyLimit(const QString& path) const = 0;
    // Answers by calling done once, from any thread.
    virtual void Handle(THttpRequest request, std::function<void(THttpAnswer)> done) = 0;
};

// The HTTP layer of the development server, over Boost.Beast and Asio: one thread serves every
// connection, each read and write with a deadline; request lines and headers are limited to
// 16 KiB, bodies to what the handler names. A request whose framing is ambiguous (Content-Length
// together with Transfer-Encoding, a repeated or signed Content-Length, a chunk that breaks the
// chunked format) is refused with 400 and its connection closed. Requests for a Host that is not
// this server's are refused with 421, and a request that would change data from another site's
// page (by its Origin or Sec-Fetch-Site) with 403. Prints one line per request on standard
// output.
class THttpServer {
  public:
    // Binds address:port (port 0: a free one); throws TError naming the reason when it cannot.
    THttpServer(TRequestHandler& handler, const QString& address, int port);
    ~THttpServer();
    THttpServer(const THttpServer&) = delete;
    THttpServer& operator=(const THttpServer&) = delete;

    int Port() const;
    // Host names (addresses) that requests may name besides loopback ones.
    void AllowHosts(const QStringList& hosts);
    // Serves until Stop() is called; then answers what it has read and ends.
    void Run();
    // From any thread.
    void Stop();

  private:
    class TImpl;
    std::unique_ptr<TImpl> impl_;
};

#pragma once

// A client of the development server for the tests, over Boost.Beast, and a raw connection for
// requests no well-behaved client sends.

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QByteArray>
#include <QDir>
#include <QElapsedTimer>
#include <QMap>
#include <QString>
#include <QUrl>
#include <boost/asio/connect.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/http.hpp>
#include <optional>

namespace testing {

using Form = QMap<QString, QString>;

// The demo project's forms: a form with some values replaced, a book of type 1, a book type.
inline Form with(Form form, const Form& changes) {
    form.insert(changes);  // a change replaces the value of its key
    return form;
}

inline Form book(const QString& barcode, const Form& changes = {}) {
    return with({{"action", "add"},
                 {"barcode", barcode},
                 {"bookName", "Book " + barcode},
                 {"bookType", "1"},
                 {"price", "12.5"},
                 {"count", "3"},
                 {"publishDate", "2024-03-05 10:20:30.0"},
                 {"publish", "Press"},
                 {"bookPhoto", "upload/noimage.jpg"},
                 {"introduction", ""}},
                changes);
}

inline Form bookType(const QString& name, const QString& days = "30") {
    return {{"action", "add"}, {"typeId", "0"}, {"typeName", name}, {"borrowDays", days}};
}

struct Reply {
    int status = 0;
    QString body;
};

// A client of one server, on one kept-alive connection (a new one when the server closed it).
class Http {
  public:
    explicit Http(int port) : port_(port) {}

    Reply post(const QString& servlet, const Form& form) {
        std::string body;
        for (auto field = form.begin(); field != form.end(); ++field) {
            body += (body.empty() ? "" : "&") + QUrl::toPercentEncoding(field.key()).toStdString() +
                    '=' + QUrl::toPercentEncoding(field.value()).toStdString();
        }
        return send(boost::beast::http::verb::post, servlet, body,
                    "application/x-www-form-urlencoded");
    }
    Reply get(const QString& pathAndQuery) {
        return send(boost::beast::http::verb::get, pathAndQuery, {}, nullptr);
    }
    // Stores the picture through the upload address.
    Reply upload(const std::string& content) {
        return send(boost::beast::http::verb::post, "upload",
                    "--QuillmereTestBoundary\r\nContent-Disposition: form-data; name=\"file\"; "
                    "filename=\"picture.jpg\"\r\nContent-Type: image/jpeg\r\n\r\n" +
                        content + "\r\n--QuillmereTestBoundary--\r\n",
                    "multipart/form-data; boundary=QuillmereTestBoundary");
    }

  private:
    Reply send(boost::beast::http::verb method, const QString& path, const std::string& body,
               const char* contentType) {
        namespace http = boost::beast::http;
        if (!connected()) {
            connect();
        }
        http::request<http::string_body> request(
            method, QString("/JavaWebProject/" + path).toStdString(), 11);
        request.set(http::field::host, "127.0.0.1:" + std::to_string(port_));
        if (contentType != nullptr) {
            request.set(http::field::content_type, contentType);
        }
        request.body() = body;
        request.prepare_payload();
        boost::beast::error_code error;
        stream_->expires_after(std::chrono::seconds(60));
        http::write(*stream_, request, error);
        http::response_parser<http::string_body> response;
        response.body_limit(64 << 20);
        if (!error) {
            http::read(*stream_, buffer_, response, error);
        }
        if (error || !response.get().keep_alive()) {
            stream_.reset();
            buffer_.clear();
        }
        return error ? Reply{}
                     : Reply{static_cast<int>(response.get().result_int()),
                             QString::fromStdString(response.get().body())};
    }

    // Open, and not closed by the server while it waited for the next request.
    bool connected() {
        if (!stream_) {
            return false;
        }
        pollfd entry{stream_->socket().native_handle(), POLLIN, 0};
        if (::poll(&entry, 1, 0) == 0) {
            return true;
        }
        stream_.reset();
        buffer_.clear();
        return false;
    }

    void connect() {
        stream_.emplace(io_);
        boost::beast::error_code error;
        stream_->socket().connect(
            {boost::asio::ip::make_address("127.0.0.1"), static_cast<unsigned short>(port_)},
            error);
        stream_->socket().set_option(boost::asio::ip::tcp::no_delay(true), error);
    }

    int port_;
    boost::asio::io_context io_;
    std::optional<boost::beast::tcp_stream> stream_;
    boost::beast::flat_buffer buffer_;
};

// Every object of every class of the demo project, and the names of the stored pictures when
// their folder is given.
inline QString everything(Http& http, const QString& pictures = QString()) {
    QString all;
    for (const char* cls : {"BookType", "Book", "Reader", "Loan"}) {
        all += http.get(QLatin1String(cls) + "Servlet?action=query").body;
    }
    return pictures.isEmpty() ? all : all + QDir(pictures).entryList(QDir::Files).join(' ');
}

// A plain TCP connection to 127.0.0.1, for requests sent byte by byte, cut off or malformed.
class RawConnection {
  public:
    explicit RawConnection(int port) : socket_(::socket(AF_INET, SOCK_STREAM, 0)) {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(static_cast<uint16_t>(port));
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        connected_ =
            ::connect(socket_, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0;
        int yes = 1;
        setsockopt(socket_, IPPROTO_TCP, TCP_NODELAY, &yes, sizeof(yes));
    }
    ~RawConnection() { ::close(socket_); }
    RawConnection(const RawConnection&) = delete;
    RawConnection& operator=(const RawConnection&) = delete;

    bool connected() const { return connected_; }
    bool send(const QByteArray& bytes) {
        return ::send(socket_, bytes.constData(), bytes.size(), MSG_NOSIGNAL) == bytes.size();
    }
    // Everything the server sends until it closes the connection or waits longer than timeoutMs.
    QByteArray receive(int timeoutMs = 5000) {
        QByteArray answer;
        pollfd entry{socket_, POLLIN, 0};
        char buffer[4096];
        while (::poll(&entry, 1, timeoutMs) > 0) {
            const ssize_t count = ::recv(socket_, buffer, sizeof(buffer), 0);
            if (count <= 0) {
                break;
            }
            answer.append(buffer, count);
        }
        return answer;
    }
    // True when the server has closed the connection (within timeoutMs).
    bool closedByServer(int timeoutMs) {
        pollfd entry{socket_, POLLIN, 0};
        char byte;
        return ::poll(&entry, 1, timeoutMs) > 0 && ::recv(socket_, &byte, 1, MSG_PEEK) <= 0;
    }

  private:
    int socket_;
    bool connected_ = false;
};

// The status of the answer to one request sent as it is on a connection of its own (0: none
// came), and whether the server closed the connection after it (within 2 s).
struct RawAnswer {
    int status = 0;
    bool closed = false;
};

inline RawAnswer rawRequest(int port, const QByteArray& request) {
    RawConnection connection(port);
    connection.send(request);
    QElapsedTimer timer;
    timer.start();
    const QByteArray answer = connection.receive(2500);
    return {answer.startsWith("HTTP/1.1 ") ? answer.mid(9, 3).toInt() : 0, timer.elapsed() < 2400};
}

}  // namespace testing

#pragma once

// A client of the development server for the tests, over cpp-httplib, and a raw connection for
// requests no well-behaved client sends.

#include <arpa/inet.h>
#include <httplib.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QUrl>

namespace testing {

using Form = QMap<QString, QString>;

struct Reply {
    int status = 0;
    QString body;
};

// A client of one server, on one kept-alive connection.
class Http {
  public:
    explicit Http(int port) : client_("127.0.0.1", port) { client_.set_url_encode(false); }

    Reply post(const QString& servlet, const Form& form) {
        return post(servlet, encoded(form), "application/x-www-form-urlencoded");
    }
    Reply post(const QString& path, const QByteArray& body, const char* contentType) {
        return reply(client_.Post(QString("/JavaWebProject/" + path).toStdString(),
                                  body.toStdString(), contentType));
    }
    Reply get(const QString& pathAndQuery) {
        return reply(client_.Get(QString("/JavaWebProject/" + pathAndQuery).toStdString()));
    }
    Reply multipart(const QString& path, const std::string& field, const std::string& content) {
        return reply(client_.Post(
            QString("/JavaWebProject/" + path).toStdString(),
            httplib::MultipartFormDataItems{{field, content, "picture.jpg", "image/jpeg"}}));
    }
    Reply upload(const std::string& content) { return multipart("upload", "file", content); }
    static QByteArray encoded(const Form& form) {
        QByteArray text;
        for (auto field = form.begin(); field != form.end(); ++field) {
            text += (text.isEmpty() ? "" : "&") + QUrl::toPercentEncoding(field.key()) + '=' +
                    QUrl::toPercentEncoding(field.value());
        }
        return text;
    }

  private:
    static Reply reply(const httplib::Result& result) {
        return result ? Reply{result->status, QString::fromStdString(result->body)} : Reply{};
    }
    httplib::Client client_;
};

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
    // Closes the connection as a phone that loses its network does, the rest unsent.
    void cut() { ::shutdown(socket_, SHUT_RDWR); }

  private:
    int socket_;
    bool connected_ = false;
};

// The answer to one request sent as it is on a connection of its own (status 0: none came).
inline Reply rawRequest(int port, const QByteArray& request) {
    RawConnection connection(port);
    connection.send(request);
    const QByteArray answer = connection.receive();
    if (!answer.startsWith("HTTP/1.1 ")) {
        return {};
    }
    const qsizetype bodyStart = answer.indexOf("\r\n\r\n");
    return {answer.mid(9, 3).toInt(),
            bodyStart < 0 ? QString() : QString::fromUtf8(answer.mid(bodyStart + 4))};
}

}  // namespace testing

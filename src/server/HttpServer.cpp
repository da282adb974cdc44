#include "server/HttpServer.h"

#include <sys/resource.h>
#include <unistd.h>

#include <QDateTime>
#include <QHostAddress>
#include <algorithm>
#include <boost/asio.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/http.hpp>
#include <chrono>
#include <limits>
#include <list>
#include <optional>

#include "common/Error.h"
#include "generation/FileOperate.h"
#include "generation/Protocol.h"

namespace asio = boost::asio;
namespace beast = boost::beast;
namespace http = beast::http;
using tcp = asio::ip::tcp;

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// A request line and its headers together; a longer one is refused (414 or 431).
constexpr size_t kHeaderLimit = protocol::kMaxHeaderBytes;
// How long a connection may wait for a request's first byte (also the next one's, kept alive).
constexpr auto kIdleTime = 5s;
// From a request's first byte: its headers must be in within the first time, all of it within
// the second (a picture of 8 MiB over a slow line included).
constexpr auto kHeaderTime = 10s;
constexpr auto kWholeRequestTime = 120s;
// Longest pause within a request, and longest wait for a client to take an answer's bytes.
constexpr auto kPauseTime = 5s;
// A refused request's connection reads (and drops) what the client still sends for this long
// before closing, so that the client sees the answer rather than a reset connection.
constexpr auto kLingerTime = 2s;
// Beyond this many connections, the one waiting longest for its first byte makes room.
constexpr size_t kMaxConnections = 16384;
constexpr int kRequestsPerConnection = 10000;
// Request bodies are held in memory until answered: all of them together (by their declared
// length, or their address's limit when chunked) may take this much; beyond, 503.
constexpr size_t kBodyBudget = 64 << 20;
// Reads of an idle connection are small: ten thousand of them hold little memory.
constexpr size_t kIdleRead = 1024;
constexpr size_t kRead = 64 * 1024;

std::string_view view(beast::string_view text) {
    return {text.data(), text.size()};
}

QByteArray bytes(beast::string_view text) {
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

bool sameText(std::string_view a, std::string_view b) {
    return beast::iequals(beast::string_view(a.data(), a.size()),
                          beast::string_view(b.data(), b.size()));
}

// The host of a Host field's value, in lower case, without port and brackets.
QString hostOf(std::string_view value) {
    const QString host =
        QString::fromLatin1(value.data(), static_cast<qsizetype>(value.size())).trimmed().toLower();
    if (host.startsWith(QLatin1Char('['))) {
        const qsizetype end = host.indexOf(QLatin1Char(']'));
        return end < 0 ? QString() : host.mid(1, end - 1);
    }
    const qsizetype colon = host.lastIndexOf(QLatin1Char(':'));
    return colon < 0 ? host : host.left(colon);
}

// Names that always mean this machine. 10.0.2.2 is how the Android emulator reaches its host's
// loopback, and what the generated client's default address names.
bool isLoopbackHost(const QString& host) {
    return host == QLatin1String("localhost") || host.endsWith(QLatin1String(".localhost")) ||
           host == QLatin1String("10.0.2.2") || QHostAddress(host).isLoopback();
}

// Control characters (a decoded path may hold any) would break the log into false lines.
QString printable(QString text) {
    for (QChar& c : text) {
        if (c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() <= 0x9F)) {
            c = QLatin1Char('?');
        }
    }
    return text;
}

class TSession;

// What the sessions share: the handler, the allowed hosts and the open connections.
struct TConnections {
    explicit TConnections(TRequestHandler& handler) : handler(handler) {}

    asio::io_context io{1};
    TRequestHandler& handler;
    QStringList allowedHosts;
    std::list<std::weak_ptr<TSession>> open;
    size_t limit = kMaxConnections;
    size_t bodyBytes = 0;  // held for the bodies being read or answered
    bool stopping = false;
};

// One client connection: reads a request with a deadline for every read, checks its framing,
// hands it to the handler, sends the answer and waits for the next request.
class TSession : public std::enable_shared_from_this<TSession> {
  public:
    TSession(tcp::socket socket, TConnections& connections)
        : stream_(std::move(socket)), connections_(connections) {}
    ~TSession() {
        releaseBody();
        connections_.open.erase(place_);
    }

    void Start(std::list<std::weak_ptr<TSession>>::iterator place) {
        place_ = place;
        readNext();
    }
    bool Idle() const { return state_ == State::Idle; }
    // Stops a connection that has no request to finish (idle, or its headers not yet in).
    void StopReading() {
        if (state_ == State::Idle || state_ == State::Header) {
            close();
        }
    }

  private:
    enum class State { Idle, Header, Body, Answering, Closing };

    void releaseBody() {
        connections_.bodyBytes -= bodyBytes_;
        bodyBytes_ = 0;
    }

    void readNext() {
        if (connections_.stopping || requests_ >= kRequestsPerConnection) {
            return close();
        }
        // A request sent right behind the last one begins now.
        state_ = buffer_.size() > 0 ? State::Header : State::Idle;
        start_ = Clock::now();
        header_.emplace();
        header_->header_limit(kHeaderLimit);
        // The address's limit applies once the path is known.
        header_->body_limit(std::numeric_limits<std::uint64_t>::max());
        headerBytes_ = 0;
        body_.reset();
        if (buffer_.size() == 0) {
            buffer_.shrink_to_fit();
        }
        parse();
    }

    Clock::duration nextWait() const {
        const auto left = [](Clock::time_point until) {
            return std::max<Clock::duration>(until - Clock::now(), Clock::duration::zero());
        };
        switch (state_) {
            case State::Idle:
                return kIdleTime;
            case State::Header:
                return std::min<Clock::duration>(kPauseTime, left(start_ + kHeaderTime));
            default:
                return std::min<Clock::duration>(kPauseTime, left(start_ + kWholeRequestTime));
        }
    }

    void readMore() {
        stream_.expires_after(nextWait());
        stream_.async_read_some(buffer_.prepare(state_ == State::Idle ? kIdleRead : kRead),
                                [self = shared_from_this()](beast::error_code error, size_t count) {
                                    self->onRead(error, count);
                                });
    }

    void onRead(beast::error_code error, size_t count) {
        if (state_ == State::Closing) {
            return;
        }
        if (error) {
            // A body that ends early is refused (and logged); a connection closed or silent
            // between requests or within headers simply ends.
            return state_ == State::Body ? refuse(TRefusal::BodyCutOff) : close();
        }
        buffer_.commit(count);
        if (state_ == State::Idle) {
            state_ = State::Header;
            start_ = Clock::now();
        }
        parse();
    }

    // Feeds what was read to the parser; reads more while the request is incomplete.
    void parse() {
        while (buffer_.size() > 0) {
            beast::error_code error;
            const bool inHeader = !body_;
            const size_t used =
                inHeader ? header_->put(buffer_.data(), error) : body_->put(buffer_.data(), error);
            buffer_.consume(used);
            headerBytes_ += inHeader ? used : 0;
            if (error == http::error::need_more) {
                break;
            }
            if (error) {
                return refuseParsed(error);
            }
            if (inHeader && header_->is_header_done() && !admitHeader()) {
                return;
            }
            if (body_ && body_->is_done()) {
                return dispatch();
            }
            if (used == 0) {
                break;
            }
        }
        if (body_ && body_->is_done()) {
            return dispatch();
        }
        if (!body_ && headerBytes_ + buffer_.size() > kHeaderLimit) {
            return refuseLongHeader();
        }
        readMore();
    }

    // The parser takes the request line once it has ended, and then the headers.
    void refuseLongHeader() {
        const bool lineEnded = headerBytes_ > 0;
        refuse(lineEnded ? TRefusal::HeaderTooLong : TRefusal::LineTooLong,
               {QString::number(kHeaderLimit)});
    }

    void refuseParsed(beast::error_code error) {
        if (error == http::error::header_limit) {
            return refuseLongHeader();
        }
        if (error == http::error::body_limit) {
            return refuse(TRefusal::BodyTooLarge, {QString::number(bodyLimit_)});
        }
        refuse(TRefusal::Malformed, {QString::fromStdString(error.message())});
    }

    // Checks a request whose headers are in; false when it was refused.
    bool admitHeader() {
        const auto& header = header_->get();
        if (const std::optional<TFramingProblem> problem = framingProblem(header)) {
            refuse(problem->refusal, problem->values);
            return false;
        }
        const QString host = hostOf(view(header[http::field::host]));
        // (No Host at all: an HTTP/1.0 request, which no browser sends.)
        if (!host.isEmpty() && !isLoopbackHost(host) && !connections_.allowedHosts.contains(host)) {
            refuse(TRefusal::ForeignHost, {printable(host)});
            return false;
        }
        if (const std::optional<TFramingProblem> foreign = foreignSite(header)) {
            refuse(foreign->refusal, foreign->values);
            return false;
        }
        bodyLimit_ = connections_.handler.BodyLimit(decodedPath(header));
        const auto length = header_->content_length();
        if (length && *length > bodyLimit_) {
            refuse(TRefusal::BodyTooLarge, {QString::number(bodyLimit_)});
            return false;
        }
        const size_t needed = length ? *length : header_->chunked() ? bodyLimit_ : 0;
        if (connections_.bodyBytes + needed > kBodyBudget) {
            refuse(TRefusal::Busy);
            return false;
        }
        connections_.bodyBytes += needed;
        bodyBytes_ = needed;
        body_.emplace(std::move(*header_));
        body_->body_limit(bodyLimit_);
        if (sameText(view(body_->get()[http::field::expect]), "100-continue") &&
            !body_->is_done()) {
            static const char kContinue[] = "HTTP/1.1 100 Continue\r\n\r\n";
            beast::error_code ignored;
            asio::write(stream_.socket(), asio::buffer(kContinue, sizeof(kContinue) - 1), ignored);
        }
        state_ = State::Body;
        return true;
    }

    using Header = http::request_header<>;
    struct TFramingProblem {
        TRefusal refusal;
        QStringList values;
    };

    // What the parser lets through but the server does not take: an unknown method, a length
    // given twice or with a sign, a transfer coding other than chunked, no or two Host fields.
    static std::optional<TFramingProblem> framingProblem(const Header& header) {
        if (header.method() == http::verb::unknown) {
            return TFramingProblem{TRefusal::UnknownMethod,
                                   {printable(QString::fromLatin1(bytes(header.method_string())))}};
        }
        const auto lengths = header.equal_range(http::field::content_length);
        if (std::distance(lengths.first, lengths.second) > 1 ||
            (lengths.first != lengths.second &&
             !std::all_of(lengths.first->value().begin(), lengths.first->value().end(),
                          [](char c) { return c >= '0' && c <= '9'; }))) {
            return TFramingProblem{TRefusal::ContentLengthInvalid, {}};
        }
        const auto coding = header.find(http::field::transfer_encoding);
        if (coding != header.end() && !sameText(view(coding->value()), "chunked")) {
            return TFramingProblem{TRefusal::TransferCoding,
                                   {printable(QString::fromLatin1(bytes(coding->value())))}};
        }
        const auto hosts = header.equal_range(http::field::host);
        if (header.version() >= 11 && std::distance(hosts.first, hosts.second) != 1) {
            return TFramingProblem{TRefusal::HostCount, {}};
        }
        return std::nullopt;
    }

    // A request that may change data, sent from another site's page.
    static std::optional<TFramingProblem> foreignSite(const Header& header) {
        const http::verb method = header.method();
        if (method == http::verb::get || method == http::verb::head ||
            method == http::verb::options) {
            return std::nullopt;
        }
        const std::string_view origin = view(header[http::field::origin]);
        const std::string own = "http://" + std::string(view(header[http::field::host]));
        if (!origin.empty() && !sameText(origin, own)) {
            return TFramingProblem{TRefusal::ForeignOrigin,
                                   {printable(QString::fromLatin1(origin.data(), origin.size()))}};
        }
        const std::string_view site = view(header["Sec-Fetch-Site"]);
        if (!site.empty() && !sameText(site, "same-origin") && !sameText(site, "none")) {
            return TFramingProblem{TRefusal::ForeignFetchSite,
                                   {printable(QString::fromLatin1(site.data(), site.size()))}};
        }
        return std::nullopt;
    }

    static QByteArray targetPart(const Header& header, bool query) {
        const QByteArray target = bytes(header.target());
        const qsizetype mark = target.indexOf('?');
        if (query) {
            return mark < 0 ? QByteArray() : target.mid(mark + 1);
        }
        return mark < 0 ? target : target.left(mark);
    }

    static QString decodedPath(const Header& header) {
        return QString::fromUtf8(QByteArray::fromPercentEncoding(targetPart(header, false)));
    }

    void dispatch() {
        state_ = State::Answering;
        stream_.expires_never();
        ++requests_;
        auto& message = body_->get();
        keepAlive_ = message.keep_alive();
        headOnly_ = message.method() == http::verb::head;
        THttpRequest request{headOnly_ ? QByteArray("GET") : bytes(message.method_string()),
                             decodedPath(message), targetPart(message, true),
                             bytes(message[http::field::content_type]),
                             QByteArray::fromStdString(message.body())};
        message.body().clear();
        message.body().shrink_to_fit();
        // The answer comes back to this connection's thread; until then the server runs on.
        auto work = std::make_shared<asio::executor_work_guard<asio::io_context::executor_type>>(
            connections_.io.get_executor());
        connections_.handler.Handle(
            std::move(request), [self = shared_from_this(), work](THttpAnswer answer) mutable {
                auto session = std::move(self);
                asio::io_context& io = session->connections_.io;
                asio::post(io, [session = std::move(session), work = std::move(work),
                                answer = std::move(answer)]() mutable {
                    session->answer(std::move(answer), false);
                });
            });
    }

    void refuse(TRefusal refusal, const QStringList& values = {}) {
        stream_.expires_never();
        answer(THttpAnswer::Text(RefusalSpec(refusal).status, RefusalText(refusal, values)), true);
    }

    void answer(THttpAnswer answer, bool closeAfter) {
        releaseBody();
        log(answer);
        const bool keepAlive = !closeAfter && keepAlive_ && !connections_.stopping &&
                               requests_ < kRequestsPerConnection;
        state_ = keepAlive ? State::Answering : State::Closing;
        if (answer.file >= 0) {
            auto response = std::make_shared<http::response<http::file_body>>();
            beast::error_code error;
            beast::file file;
            file.native_handle(answer.file);
            response->body().reset(std::move(file), error);
            prepare(*response, answer, keepAlive);
            response->prepare_payload();
            return headOnly_ ? sendHead(*response) : send(response);
        }
        auto response = std::make_shared<http::response<http::string_body>>();
        response->body() = answer.body.toStdString();
        prepare(*response, answer, keepAlive);
        response->prepare_payload();
        headOnly_ ? sendHead(*response) : send(response);
    }

    template <class Response>
    static void prepare(Response& response, const THttpAnswer& answer, bool keepAlive) {
        response.result(static_cast<unsigned>(answer.status));
        response.version(11);
        if (!answer.contentType.isEmpty()) {
            response.set(http::field::content_type, answer.contentType.toStdString());
        }
        for (const auto& [name, value] : answer.headers) {
            response.set(name.toStdString(), value.toStdString());
        }
        response.keep_alive(keepAlive);
    }

    template <class Response>
    void sendHead(const Response& full) {
        auto head = std::make_shared<http::response<http::empty_body>>(full.base());
        send(head);
    }

    template <class Body>
    void send(std::shared_ptr<http::response<Body>> response) {
        writeSome(response, std::make_shared<http::response_serializer<Body>>(*response));
    }

    template <class Body>
    void writeSome(std::shared_ptr<http::response<Body>> response,
                   std::shared_ptr<http::response_serializer<Body>> serializer) {
        stream_.expires_after(kPauseTime);
        http::async_write_some(
            stream_, *serializer,
            [self = shared_from_this(), response, serializer](beast::error_code error, size_t) {
                if (error) {
                    return self->close();
                }
                if (!serializer->is_done()) {
                    return self->writeSome(response, serializer);
                }
                self->state_ == State::Closing ? self->linger() : self->readNext();
            });
    }

    // Reads what the client still sends after a last answer, then closes.
    void linger() {
        beast::error_code ignored;
        stream_.socket().shutdown(tcp::socket::shutdown_send, ignored);
        lingerEnd_ = Clock::now() + kLingerTime;
        buffer_.clear();
        drain();
    }

    void drain() {
        const auto left = lingerEnd_ - Clock::now();
        if (left <= Clock::duration::zero()) {
            return close();
        }
        stream_.expires_after(left);
        buffer_.clear();
        stream_.async_read_some(buffer_.prepare(kRead),
                                [self = shared_from_this()](beast::error_code error, size_t) {
                                    error ? self->close() : self->drain();
                                });
    }

    void close() {
        state_ = State::Closing;
        beast::error_code ignored;
        stream_.socket().shutdown(tcp::socket::shutdown_both, ignored);
        stream_.close();
    }

    // One line per request: when it began, method, path, action, status, milliseconds and, for
    // a refusal, the reason the client was given.
    void log(const THttpAnswer& answer) {
        const auto now = Clock::now();
        const auto began = state_ == State::Idle ? now : start_;
        const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(now - began);
        const QDateTime start = QDateTime::currentDateTime().addMSecs(-elapsed.count());
        const auto [method, path] = methodAndPath();
        QString line =
            QStringLiteral("%1 %2 %3 %4 %5 %6 ms")
                .arg(start.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")), printable(method),
                     printable(path),
                     answer.action.isEmpty() ? QStringLiteral("-") : printable(answer.action),
                     QString::number(answer.status), QString::number(elapsed.count()));
        if (answer.status >= 400 && answer.contentType.startsWith("text/plain")) {
            line += QLatin1Char(' ') + printable(QString::fromUtf8(answer.body));
        }
        TFileOperate::PrintLine(stdout, line);
    }

    // The method and path of the request, from its first line when the headers are not parsed.
    std::pair<QString, QString> methodAndPath() const {
        // The parser has the method and target once it has taken the request line.
        if (body_ || headerBytes_ > 0) {
            const Header& header = body_ ? body_->get().base() : header_->get().base();
            return {QString::fromLatin1(bytes(header.method_string())), decodedPath(header)};
        }
        const auto* data = static_cast<const char*>(buffer_.data().data());
        const QByteArray first =
            QByteArray(data, static_cast<qsizetype>(std::min<size_t>(buffer_.size(), 300)));
        const QList<QByteArray> words = first.left(first.indexOf('\n')).trimmed().split(' ');
        const QByteArray target = words.value(1);
        return {words.value(0).isEmpty() ? QStringLiteral("-") : QString::fromUtf8(words[0]),
                target.isEmpty()
                    ? QStringLiteral("-")
                    : QString::fromUtf8(QByteArray::fromPercentEncoding(target.left(
                          target.indexOf('?') < 0 ? target.size() : target.indexOf('?'))))};
    }

    beast::tcp_stream stream_;
    TConnections& connections_;
    std::list<std::weak_ptr<TSession>>::iterator place_;
    beast::flat_buffer buffer_{kHeaderLimit + 2 * kRead};
    std::optional<http::request_parser<http::empty_body>> header_;
    std::optional<http::request_parser<http::string_body>> body_;
    State state_ = State::Idle;
    Clock::time_point start_;
    Clock::time_point lingerEnd_;
    size_t headerBytes_ = 0;  // of this request's line and headers, parsed
    size_t bodyBytes_ = 0;    // of the budget, held for this request's body
    size_t bodyLimit_ = 0;
    int requests_ = 0;
    bool keepAlive_ = false;
    bool headOnly_ = false;
};

}  // namespace

THttpAnswer THttpAnswer::Text(int status, const QString& text) {
    return {status, "text/plain; charset=UTF-8", text.toUtf8(), {}, -1, {}};
}

class THttpServer::TImpl {
  public:
    TImpl(TRequestHandler& handler, const QString& address, int port) : connections_(handler) {
        raiseFileLimit();
        bind(address, port);
    }

    int Port() const { return acceptor_.local_endpoint().port(); }
    void AllowHosts(const QStringList& hosts) { connections_.allowedHosts = hosts; }

    void Run() {
        accept();
        connections_.io.run();
    }

    void Stop() {
        asio::post(connections_.io, [this] {
            connections_.stopping = true;
            beast::error_code ignored;
            acceptor_.close(ignored);
            retry_.cancel();
            for (const std::weak_ptr<TSession>& open : connections_.open) {
                if (const auto session = open.lock()) {
                    session->StopReading();
                }
            }
        });
    }

  private:
    // Each connection is a file descriptor: as many as the system lets this process have.
    void raiseFileLimit() {
        rlimit files{};
        if (getrlimit(RLIMIT_NOFILE, &files) == 0) {
            files.rlim_cur = files.rlim_max;
            setrlimit(RLIMIT_NOFILE, &files);
            getrlimit(RLIMIT_NOFILE, &files);
            connections_.limit = std::clamp<size_t>(files.rlim_cur - 64, 16, kMaxConnections);
        }
    }

    void bind(const QString& address, int port) {
        tcp::resolver resolver(connections_.io);
        beast::error_code error;
        const auto endpoints =
            resolver.resolve(address.toStdString(), std::to_string(port),
                             tcp::resolver::passive | tcp::resolver::numeric_service, error);
        if (error || endpoints.empty()) {
            throw TError(QStringLiteral("无法在%1:%2上监听: 地址无法解析").arg(address).arg(port));
        }
        const tcp::endpoint endpoint = *endpoints.begin();
        acceptor_.open(endpoint.protocol(), error);
        if (!error) {
            acceptor_.set_option(asio::socket_base::reuse_address(true), error);
            acceptor_.bind(endpoint, error);
        }
        if (!error) {
            acceptor_.listen(asio::socket_base::max_listen_connections, error);
        }
        if (error == asio::error::address_in_use) {
            throw TError(
                QStringLiteral("端口%1已被占用(也许另一个serve正在运行)，请用--port换一个端口")
                    .arg(port));
        }
        if (error) {
            throw TError(QStringLiteral("无法在%1:%2上监听: %3")
                             .arg(address)
                             .arg(port)
                             .arg(QString::fromStdString(error.message())));
        }
    }

    void accept() {
        acceptor_.async_accept(connections_.io,
                               [this](beast::error_code error, tcp::socket socket) {
                                   if (connections_.stopping) {
                                       return;
                                   }
                                   if (error) {
                                       // Out of descriptors, for instance: try again in a moment.
                                       retry_.expires_after(100ms);
                                       retry_.async_wait([this](beast::error_code waitError) {
                                           if (!waitError && !connections_.stopping) {
                                               accept();
                                           }
                                       });
                                       return;
                                   }
                                   admit(std::move(socket));
                                   accept();
                               });
    }

    void admit(tcp::socket socket) {
        if (connections_.open.size() >= connections_.limit && !closeLongestIdle()) {
            return;  // the socket closes as it goes
        }
        beast::error_code ignored;
        socket.set_option(tcp::no_delay(true), ignored);
        auto session = std::make_shared<TSession>(std::move(socket), connections_);
        connections_.open.push_back(session);
        session->Start(std::prev(connections_.open.end()));
    }

    bool closeLongestIdle() {
        for (const std::weak_ptr<TSession>& open : connections_.open) {
            const auto session = open.lock();
            if (session && session->Idle()) {
                session->StopReading();
                return true;
            }
        }
        return false;
    }

    TConnections connections_;
    tcp::acceptor acceptor_{connections_.io};
    asio::steady_timer retry_{connections_.io};
};

THttpServer::THttpServer(TRequestHandler& handler, const QString& address, int port)
    : impl_(std::make_unique<TImpl>(handler, address, port)) {}

THttpServer::~THttpServer() = default;

int THttpServer::Port() const {
    return impl_->Port();
}

void THttpServer::AllowHosts(const QStringList& hosts) {
    impl_->AllowHosts(hosts);
}

void THttpServer::Run() {
    impl_->Run();
}

void THttpServer::Stop() {
    impl_->Stop();
}

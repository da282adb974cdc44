#include "server/DevServer.h"

#include <httplib.h>
#include <pthread.h>
#include <signal.h>

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QHostAddress>
#include <QNetworkInterface>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <future>
#include <memory>
#include <thread>

#include "common/Error.h"
#include "generation/FileOperate.h"
#include "server/BrowsePage.h"
#include "server/Connection.h"
#include "server/PictureFolder.h"
#include "server/ServerData.h"
#include "server/Servlets.h"

namespace {

constexpr size_t kMaxFormBytes = 1 << 20;
constexpr size_t kMaxPictureBytes = 8 << 20;
constexpr size_t kMaxUploadBytes = kMaxPictureBytes + (64 << 10);  // the picture and its framing
// Connections each have a thread; beyond this many at once, new ones wait for a free thread.
constexpr size_t kConnectionThreads = 256;

// Start-up lines that could not be written end serve at once (exit status 1).
void checkOutput() {
    const QString failure = TFileOperate::OutputFailure();
    if (!failure.isEmpty()) {
        throw TError(failure);
    }
}

// Runs the servlets on a thread of their own, one request at a time: the data file's connection
// belongs to the thread that opened it, and each request is one transaction that no other one
// can interleave with.
class TDataThread {
  public:
    TDataThread(const TProjectModel& project, const QString& path) {
        run([&] {
            data_ = std::make_unique<TServerData>(project, path);
            servlets_ = std::make_unique<TServlets>(project, *data_);
        });
    }
    ~TDataThread() {
        run([&] {
            servlets_.reset();
            data_.reset();
        });
    }

    TAnswer Serve(const QString& className, bool isPost, const TForm& form) {
        TAnswer answer;
        run([&] { answer = servlets_->Serve(className, isPost, form); });
        return answer;
    }
    TAnswer Browse(const TProjectModel& project, const QString& className) {
        TAnswer answer;
        run([&] { answer = BrowsePage(project, *data_, className); });
        return answer;
    }
    void Seed(const QByteArray& json) {
        run([&] { servlets_->Seed(json); });
    }

  private:
    // Runs the job on the data thread and waits for it; an error it raises is raised here.
    void run(std::function<void()> job) {
        std::packaged_task<void()> task(std::move(job));
        std::future<void> done = task.get_future();
        thread_.enqueue([&task] { task(); });
        done.get();
    }

    std::unique_ptr<TServerData> data_;
    std::unique_ptr<TServlets> servlets_;
    TWorkerThreads thread_{1};  // last: its thread ends before what its jobs use goes
};

// What the log line of the request being answered on this thread tells besides the request.
struct TLogNote {
    QString action;
    QString reason;  // the refusal's text sent to the client
};
thread_local TLogNote logNote;

void reply(httplib::Response& response, const TAnswer& answer) {
    response.status = answer.status;
    response.set_content(answer.body.constData(), answer.body.size(),
                         answer.contentType.constData());
    if (answer.status >= 400 && answer.contentType.startsWith("text/plain")) {
        logNote.reason = QString::fromUtf8(answer.body);
    }
}

void requestRead() {
    if (TConnection* connection = CurrentConnection()) {
        connection->RequestRead();
    }
}

// A request body: kept up to a limit, then marked too large. Reading goes on to the body's end,
// discarding, so that the next request on the connection is read from its start; past the
// upload limit it stops (what is left of such a body can only be answered as bad requests).
struct TBody {
    // A declared length beyond every limit is refused by the library before any byte is read.
    explicit TBody(const httplib::Request& request)
        : tooLarge(request.get_header_value<uint64_t>("Content-Length") > kMaxUploadBytes) {}

    QByteArray bytes;
    size_t received = 0;
    bool tooLarge;
    // False when the body ended before its declared length or last chunk (a cut connection).
    bool complete = true;

    bool take(const char* data, size_t length, size_t limit) {
        tooLarge = tooLarge || static_cast<size_t>(bytes.size()) + length > limit;
        if (!tooLarge) {
            bytes.append(data, static_cast<qsizetype>(length));
        }
        return skip(length);
    }
    bool skip(size_t length) {
        received += length;
        tooLarge = tooLarge || received > kMaxUploadBytes;
        return received <= kMaxUploadBytes;
    }
};

// A request without a length and not chunked has no body; the library would read one to the
// connection's end.
bool hasBody(const httplib::Request& request) {
    return request.has_header("Content-Length") ||
           request.get_header_value("Transfer-Encoding").find("chunked") != std::string::npos;
}

// Reads a body the server does not take, so that the connection stays in step.
void drain(const httplib::Request& request, const httplib::ContentReader& reader) {
    if (!hasBody(request)) {
        return requestRead();
    }
    TBody body(request);
    const auto skip = [&](const char*, size_t length) { return body.skip(length); };
    if (request.is_multipart_form_data()) {
        reader([](const httplib::MultipartFormData&) { return true; }, skip);
    } else {
        reader(skip);
    }
    requestRead();
}

// The refusal for a body that did not arrive whole; nothing of it is used.
bool refusedBody(httplib::Response& response, const TBody& body, size_t limit) {
    if (body.tooLarge) {
        reply(response, TAnswer::Text(413, QStringLiteral("请求体超过%1字节的上限").arg(limit)));
        return true;
    }
    if (!body.complete) {
        reply(response,
              TAnswer::Text(400, QStringLiteral("请求体不完整(连接中断?)，未做任何改动")));
        return true;
    }
    return false;
}

QByteArray queryPart(const httplib::Request& request) {
    const size_t mark = request.target.find('?');
    return mark == std::string::npos ? QByteArray()
                                     : QByteArray::fromStdString(request.target.substr(mark + 1));
}

QString fromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Control characters (a decoded path may hold any) would break the log into false lines.
QString printable(const QString& text) {
    QString result = text;
    for (QChar& c : result) {
        if (c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() <= 0x9F)) {
            c = QLatin1Char('?');
        }
    }
    return result;
}

// The method and path of a request the library could not parse, from its first bytes.
std::pair<QString, QString> methodAndPath(const httplib::Request& request) {
    if (!request.method.empty() && !request.path.empty()) {
        return {fromUtf8(request.method), fromUtf8(request.path)};
    }
    const TConnection* connection = CurrentConnection();
    const QByteArray line = connection ? connection->FirstLine() : QByteArray();
    const QList<QByteArray> words = line.left(line.indexOf('\n')).trimmed().split(' ');
    const QString method =
        words.value(0).isEmpty() ? QStringLiteral("-") : QString::fromUtf8(words[0]);
    const QByteArray target = words.value(1);
    const QString path = target.isEmpty()
                             ? QStringLiteral("-")
                             : QString::fromUtf8(QByteArray::fromPercentEncoding(target.left(
                                   target.indexOf('?') < 0 ? target.size() : target.indexOf('?'))));
    return {method, path};
}

// One line per request: when it began, method, path, action, status, milliseconds and, for a
// refusal, the reason the client was given.
void logRequest(const httplib::Request& request, const httplib::Response& response) {
    const auto now = std::chrono::steady_clock::now();
    TConnection* connection = CurrentConnection();
    const auto began = connection ? connection->RequestStart() : now;
    if (connection != nullptr && request.path.empty()) {
        connection->CloseAfterAnswer();
    }
    const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(now - began);
    const QDateTime start = QDateTime::currentDateTime().addMSecs(-elapsed.count());
    const auto [method, path] = methodAndPath(request);
    QString line =
        QStringLiteral("%1 %2 %3 %4 %5 %6 ms")
            .arg(start.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")), printable(method),
                 printable(path),
                 logNote.action.isEmpty() ? QStringLiteral("-") : printable(logNote.action),
                 QString::number(response.status), QString::number(elapsed.count()));
    if (response.status >= 400 && !logNote.reason.isEmpty()) {
        line += QStringLiteral(" ") + printable(logNote.reason);
    }
    logNote = TLogNote();
    TFileOperate::PrintLine(stdout, line);
}

QString statusText(int status) {
    switch (status) {
        case 404:
            return QStringLiteral(
                "没有这个地址: "
                "服务器只回答/JavaWebProject/(浏览页面)和其下的<类名>Servlet、upload、"
                "upload/<图片>");
        case 413:
            return QStringLiteral("请求体太大");
        case 400:
            return QStringLiteral("请求无效");
        default:
            return QStringLiteral("请求无法处理(HTTP %1)").arg(status);
    }
}

// The media type of a request's Content-Type, without parameters, in lower case.
QByteArray mediaType(const httplib::Request& request) {
    const QByteArray type = QByteArray::fromStdString(request.get_header_value("Content-Type"));
    return type.left(type.indexOf(';') < 0 ? type.size() : type.indexOf(';')).trimmed().toLower();
}

const std::string kServletPattern = R"(/JavaWebProject/([^/]+)Servlet)";
const std::string kUploadPattern = "/JavaWebProject/upload";
const std::string kPicturePattern = R"(/JavaWebProject/upload/([^/]+))";
const std::string kRootPattern = "/JavaWebProject/?";

class TServer {
  public:
    // Binds the address first, so that a server that cannot listen leaves the data alone.
    TServer(const TProjectModel& project, const TServeSettings& settings)
        : project_(project),
          port_(bind(settings)),
          reset_(resetIfAsked(settings)),
          pictures_(QFileInfo(settings.dataPath).dir().filePath(QStringLiteral("upload")),
                    settings.appFolder + QStringLiteral("/bak/安卓客户端/res/drawable/noimage.png"),
                    settings.dataPath),
          data_(project, settings.dataPath) {
        route();
    }

    int Port() const { return port_; }
    const QString& PictureFolder() const { return pictures_.folder(); }
    void Seed(const QByteArray& json) { data_.Seed(json); }
    void Listen() { http_.listen_after_bind(); }
    void Stop() { http_.Stop(); }

  private:
    static bool resetIfAsked(const TServeSettings& settings) {
        if (settings.reset) {
            ResetServerData(settings.dataPath);
            TPictureFolder::Remove(
                QFileInfo(settings.dataPath).dir().filePath(QStringLiteral("upload")));
        }
        return settings.reset;
    }

    int bind(const TServeSettings& settings) {
        configure();
        const std::string host = settings.bindAddress.toStdString();
        errno = 0;
        const int port = settings.port == 0
                             ? http_.bind_to_any_port(host)
                             : (http_.bind_to_port(host, settings.port) ? settings.port : -1);
        if (port < 0 && errno == EADDRINUSE) {
            throw TError(
                QStringLiteral("端口%1已被占用(也许另一个serve正在运行)，请用--port换一个端口")
                    .arg(settings.port));
        }
        if (port < 0) {
            throw TError(QStringLiteral("无法在%1:%2上监听: %3")
                             .arg(settings.bindAddress)
                             .arg(settings.port)
                             .arg(errno == 0 ? QStringLiteral("地址无法解析")
                                             : QString::fromLocal8Bit(std::strerror(errno))));
        }
        return port;
    }

    void configure() {
        // Only SO_REUSEADDR: the library's default also sets SO_REUSEPORT, which would let a
        // second server share the port silently instead of being told that it is taken.
        http_.set_socket_options([](socket_t socket) {
            int yes = 1;
            setsockopt(socket, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof(yes));
        });
        http_.new_task_queue = [] { return new TWorkerThreads(kConnectionThreads); };
        http_.set_payload_max_length(kMaxUploadBytes);
        http_.set_pre_routing_handler([](const httplib::Request&, httplib::Response&) {
            if (TConnection* connection = CurrentConnection()) {
                connection->HeadersRead();
            }
            return httplib::Server::HandlerResponse::Unhandled;
        });
        http_.set_logger(logRequest);
        http_.set_error_handler(httplib::Server::HandlerWithResponse(
            [](const httplib::Request&, httplib::Response& response) {
                if (!response.body.empty()) {
                    return httplib::Server::HandlerResponse::Unhandled;
                }
                reply(response, TAnswer::Text(response.status, statusText(response.status)));
                return httplib::Server::HandlerResponse::Handled;
            }));
        http_.set_exception_handler(
            [](const httplib::Request&, httplib::Response& response, std::exception_ptr error) {
                QString message = QStringLiteral("服务器内部错误");
                try {
                    std::rethrow_exception(error);
                } catch (const TError& e) {
                    message = e.message();
                } catch (const std::exception& e) {
                    message = QString::fromLocal8Bit(e.what());
                } catch (...) {
                }
                reply(response, TAnswer::Text(500, message));
            });
    }

    void route() {
        using Request = httplib::Request;
        using Response = httplib::Response;
        using Reader = httplib::ContentReader;
        http_.Get(kServletPattern, [this](const Request& request, Response& response) {
            serveServlet(request, response, queryPart(request), false);
        });
        http_.Post(kServletPattern,
                   [this](const Request& request, Response& response, const Reader& reader) {
                       postServlet(request, response, reader);
                   });
        http_.Post(kUploadPattern,
                   [this](const Request& request, Response& response, const Reader& reader) {
                       upload(request, response, reader);
                   });
        http_.Get(kPicturePattern, [this](const Request& request, Response& response) {
            logNote.action = QStringLiteral("picture");
            const auto picture = pictures_.Find(fromUtf8(request.matches[1].str()));
            reply(response,
                  picture ? *picture : TAnswer::Text(404, QStringLiteral("没有这张图片")));
        });
        http_.Get(kRootPattern, [this](const Request& request, Response& response) {
            logNote.action = QStringLiteral("browse");
            reply(response, data_.Browse(project_, fromUtf8(request.get_param_value("class"))));
            response.set_header("Content-Security-Policy",
                                "default-src 'none'; img-src 'self'; style-src 'unsafe-inline'");
            response.set_header("X-Content-Type-Options", "nosniff");
        });
        refuseOtherMethods();
    }

    // Every known address answers the methods it does not take with 405 and what it takes.
    void refuseOtherMethods() {
        const struct {
            const std::string& pattern;
            const char* allowed;
        } addresses[] = {{kServletPattern, "GET, POST"},
                         {kUploadPattern, "POST"},
                         {kPicturePattern, "GET"},
                         {kRootPattern, "GET"}};
        for (const auto& address : addresses) {
            const std::string allowed = address.allowed;
            const bool isServlet = &address.pattern == &kServletPattern;
            auto refuse = [this, allowed, isServlet](const httplib::Request& request,
                                                     httplib::Response& response,
                                                     const httplib::ContentReader& reader) {
                drain(request, reader);
                if (isServlet &&
                    project_.classNamed(fromUtf8(request.matches[1].str())) == nullptr) {
                    return reply(response,
                                 TAnswer::Text(404, QStringLiteral("没有名为%1的类")
                                                        .arg(fromUtf8(request.matches[1].str()))));
                }
                reply(response, TAnswer::Text(405, QStringLiteral("这个地址只回答%1请求")
                                                       .arg(QString::fromStdString(allowed))));
                response.set_header("Allow", allowed);
            };
            http_.Put(address.pattern, refuse);
            http_.Patch(address.pattern, refuse);
            http_.Delete(address.pattern, refuse);
            if (allowed.find("POST") == std::string::npos) {
                http_.Post(address.pattern, refuse);
            }
            http_.Options(address.pattern,
                          [allowed](const httplib::Request&, httplib::Response& response) {
                              response.status = 204;
                              response.set_header("Allow", allowed);
                          });
        }
    }

    void postServlet(const httplib::Request& request, httplib::Response& response,
                     const httplib::ContentReader& reader) {
        if (mediaType(request) != "application/x-www-form-urlencoded") {
            drain(request, reader);
            return reply(response, TAnswer::Text(415, QStringLiteral("表单应以application/"
                                                                     "x-www-form-urlencoded发送")));
        }
        TBody body(request);
        body.complete = !hasBody(request) || reader([&](const char* data, size_t length) {
            return body.take(data, length, kMaxFormBytes);
        });
        requestRead();
        if (refusedBody(response, body, kMaxFormBytes)) {
            return;
        }
        QByteArray form = queryPart(request);
        form += '&' + body.bytes;
        serveServlet(request, response, form, true);
    }

    void serveServlet(const httplib::Request& request, httplib::Response& response,
                      const QByteArray& encodedForm, bool isPost) {
        try {
            const TForm form = ParseForm(encodedForm);
            logNote.action = form.value(QStringLiteral("action"));
            reply(response, data_.Serve(fromUtf8(request.matches[1].str()), isPost, form));
        } catch (const TRequestError& error) {
            reply(response, TAnswer::Text(error.status, error.message));
        }
    }

    void upload(const httplib::Request& request, httplib::Response& response,
                const httplib::ContentReader& reader) {
        logNote.action = QStringLiteral("upload");
        if (!request.is_multipart_form_data()) {
            drain(request, reader);
            reply(response, TAnswer::Text(415, QStringLiteral("图片应以multipart/form-data上传，"
                                                              "放在字段file中")));
            return;
        }
        TBody picture(request);
        int fileParts = 0;
        bool inFile = false;
        picture.complete = !hasBody(request) ||
                           reader(
                               [&](const httplib::MultipartFormData& part) {
                                   inFile = part.name == "file";
                                   fileParts += inFile ? 1 : 0;
                                   return true;
                               },
                               [&](const char* data, size_t length) {
                                   return inFile ? picture.take(data, length, kMaxPictureBytes)
                                                 : picture.skip(length);
                               });
        requestRead();
        if (refusedBody(response, picture, kMaxPictureBytes)) {
            return;
        }
        if (fileParts != 1) {
            reply(response, TAnswer::Text(400, QStringLiteral("请求中应有且只有一个字段file")));
            return;
        }
        try {
            reply(response, TAnswer::Text(200, pictures_.Store(picture.bytes)));
        } catch (const TRequestError& error) {
            reply(response, TAnswer::Text(error.status, error.message));
        }
    }

    const TProjectModel& project_;
    THttpServer http_;
    int port_;
    bool reset_;
    TPictureFolder pictures_;
    TDataThread data_;
};

// SIGINT and SIGTERM, blocked in every thread of the server and taken by one waiting thread.
sigset_t stopSignals() {
    sigset_t stopping;
    sigemptyset(&stopping);
    sigaddset(&stopping, SIGINT);
    sigaddset(&stopping, SIGTERM);
    return stopping;
}

QString address(const QString& host, int port) {
    const QString shown = host.contains(QLatin1Char(':')) ? '[' + host + ']' : host;
    return QStringLiteral("http://%1:%2/JavaWebProject/").arg(shown).arg(port);
}

// For a server open to every address of the machine: the addresses other machines (a phone
// on the same network) can reach it at, loopback and link-local ones left out.
QStringList addressesOfThisMachine(const QString& bindAddress) {
    const bool allV4 = bindAddress == QLatin1String("0.0.0.0");
    const bool all = allV4 || bindAddress == QLatin1String("::");
    QStringList hosts;
    for (const QHostAddress& host :
         all ? QNetworkInterface::allAddresses() : QList<QHostAddress>()) {
        const bool v4 = host.protocol() == QAbstractSocket::IPv4Protocol;
        if (!host.isLoopback() && !host.isLinkLocal() && (v4 || !allV4)) {
            hosts.append(host.toString());
        }
    }
    return hosts;
}

}  // namespace

void ServeProject(const TProjectModel& project, const TServeSettings& settings) {
    const sigset_t stopping = stopSignals();
    sigset_t previous;
    // Before any thread starts, so that every thread inherits the mask.
    pthread_sigmask(SIG_BLOCK, &stopping, &previous);
    struct RestoreMask {
        const sigset_t* mask;
        ~RestoreMask() { pthread_sigmask(SIG_SETMASK, mask, nullptr); }
    } restore{&previous};

    // A seed that would be refused changes nothing: with --reset it is tried on empty data before
    // the data are deleted.
    if (settings.seed && settings.reset) {
        TrySeedOnEmptyData(project, *settings.seed);
    } else if (settings.seed) {
        SeedObjects(project, *settings.seed);
    }
    TServer server(project, settings);
    if (settings.seed) {
        server.Seed(*settings.seed);
    }
    TFileOperate::PrintLine(
        stdout, QStringLiteral("开发服务器(项目\"%1\"): %2")
                    .arg(project.projectName, address(settings.bindAddress, server.Port())));
    for (const QString& host : addressesOfThisMachine(settings.bindAddress)) {
        TFileOperate::PrintLine(
            stdout, QStringLiteral("同一网络中的手机可用: %1").arg(address(host, server.Port())));
    }
    TFileOperate::PrintLine(stdout, QStringLiteral("数据文件: %1").arg(settings.dataPath));
    TFileOperate::PrintLine(stdout, QStringLiteral("图片文件夹: %1").arg(server.PictureFolder()));
    TFileOperate::PrintLine(stdout, QStringLiteral("按Ctrl-C停止"));
    checkOutput();

    std::atomic<bool> listening{true};
    std::thread waiter([&] {
        const timespec tick{0, 200 * 1000 * 1000};
        while (listening) {
            if (sigtimedwait(&stopping, nullptr, &tick) > 0) {
                // Again until the server is down: a signal may come before it has started.
                while (listening) {
                    server.Stop();
                    std::this_thread::sleep_for(std::chrono::milliseconds(50));
                }
            }
        }
    });
    server.Listen();
    listening = false;
    waiter.join();
    TFileOperate::PrintLine(stdout, QStringLiteral("开发服务器已停止"));
    checkOutput();
}

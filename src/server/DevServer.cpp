#include "server/DevServer.h"

#include <pthread.h>
#include <signal.h>

#include <QDir>
#include <QFileInfo>
#include <QHostAddress>
#include <QNetworkInterface>
#include <QRegularExpression>
#include <QUrlQuery>
#include <atomic>
#include <boost/asio/post.hpp>
#include <boost/asio/thread_pool.hpp>
#include <future>
#include <memory>
#include <thread>

#include "common/Error.h"
#include "generation/FileOperate.h"
#include "server/BrowsePage.h"
#include "server/HttpServer.h"
#include "server/PictureFolder.h"
#include "server/ServerData.h"
#include "server/Servlets.h"

namespace {

using protocol::kMaxFormBytes;
using protocol::kMaxPictureBytes;
using protocol::kMaxUploadBytes;

// Start-up lines that could not be written end serve at once (exit status 1).
void checkOutput() {
    const QString failure = TFileOperate::OutputFailure();
    if (!failure.isEmpty()) {
        throw TError(failure);
    }
}

THttpAnswer httpAnswer(const TAnswer& answer, const QString& action = QString()) {
    return {answer.status, answer.contentType, answer.body, {}, -1, action};
}

THttpAnswer refusal(TRefusal refusal, const QStringList& values = {}) {
    return httpAnswer(TAnswer::Refusal(refusal, values));
}

// The answer of a job that failed with an error of the server's own.
THttpAnswer failure(std::exception_ptr error) {
    try {
        std::rethrow_exception(error);
    } catch (const TRequestError& refusal) {
        return THttpAnswer::Text(refusal.status, refusal.message);
    } catch (const TError& e) {
        return THttpAnswer::Text(500, e.message());
    } catch (const std::exception& e) {
        return THttpAnswer::Text(500, QString::fromLocal8Bit(e.what()));
    }
}

// A thread that runs jobs one at a time, in order.
class TJobThread {
  public:
    ~TJobThread() { thread_.join(); }

    // Runs the job and waits for it; an error it raises is raised here.
    void Run(std::function<void()> job) {
        std::packaged_task<void()> task(std::move(job));
        std::future<void> done = task.get_future();
        boost::asio::post(thread_, [&task] { task(); });
        done.get();
    }
    // Answers the request with what the job makes of it, later, on the thread.
    void Answer(std::function<THttpAnswer()> job, std::function<void(THttpAnswer)> done) {
        boost::asio::post(thread_, [job = std::move(job), done = std::move(done)]() mutable {
            THttpAnswer answer;
            try {
                answer = job();
            } catch (...) {
                answer = failure(std::current_exception());
            }
            done(std::move(answer));
        });
    }

  private:
    boost::asio::thread_pool thread_{1};
};

// The data file's thread: its connection belongs to the thread that opened it, and each request
// is one transaction that no other one can interleave with.
class TDataThread {
  public:
    TDataThread(const TProjectModel& project, const QString& path) {
        thread_.Run([&] {
            data_ = std::make_unique<TServerData>(project, path);
            servlets_ = std::make_unique<TServlets>(project, *data_);
        });
    }
    ~TDataThread() {
        thread_.Run([&] {
            servlets_.reset();
            data_.reset();
        });
    }

    void Run(const std::function<void(TServlets&, TServerData&)>& job) {
        thread_.Run([&] { job(*servlets_, *data_); });
    }
    void Answer(std::function<THttpAnswer(TServlets&, TServerData&)> job,
                std::function<void(THttpAnswer)> done) {
        thread_.Answer([this, job = std::move(job)] { return job(*servlets_, *data_); },
                       std::move(done));
    }

  private:
    std::unique_ptr<TServerData> data_;
    std::unique_ptr<TServlets> servlets_;
    TJobThread thread_;  // last: its thread ends before what its jobs use goes
};

// The media type of a Content-Type, without parameters, in lower case.
QByteArray mediaType(const QByteArray& contentType) {
    const qsizetype end = contentType.indexOf(';');
    return contentType.left(end < 0 ? contentType.size() : end).trimmed().toLower();
}

// The content of the multipart/form-data fields named name; nothing when the body is no such
// form.
std::optional<QList<QByteArrayView>> formFields(const QByteArray& body,
                                                const QByteArray& contentType,
                                                const QByteArray& name) {
    static const QRegularExpression boundaryPattern(
        QStringLiteral("boundary=(?:\"([^\"]+)\"|([^;\\s]+))"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression namePattern(
        QStringLiteral("^content-disposition:[^\\r\\n]*;\\s*name=\"([^\"]*)\""),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::MultilineOption);
    const QRegularExpressionMatch boundary =
        boundaryPattern.match(QString::fromLatin1(contentType));
    if (!boundary.hasMatch()) {
        return std::nullopt;
    }
    const QByteArray delimiter = "--" + (boundary.captured(1) + boundary.captured(2)).toLatin1();
    QList<QByteArrayView> fields;
    qsizetype at = body.indexOf(delimiter);
    while (at >= 0) {
        at += delimiter.size();
        if (body.mid(at, 2) == "--") {
            return fields;
        }
        if (body.mid(at, 2) != "\r\n") {
            break;
        }
        const qsizetype headersEnd = body.indexOf("\r\n\r\n", at);
        const qsizetype next =
            headersEnd < 0 ? -1 : body.indexOf(QByteArray("\r\n" + delimiter), headersEnd + 4);
        if (next < 0) {
            break;
        }
        const QString headers =
            QString::fromUtf8(body.mid(at + 2, std::max<qsizetype>(headersEnd - at - 2, 0)));
        if (namePattern.match(headers).captured(1).toUtf8() == name) {
            fields.append(QByteArrayView(body).sliced(headersEnd + 4, next - headersEnd - 4));
        }
        at = next + 2;
    }
    return std::nullopt;
}

// The addresses the server answers and the methods each takes.
enum class TAddressKind { Servlet, Upload, Picture, Root };
struct TAddress {
    TAddressKind kind;
    QRegularExpression pattern;
    const char* allowed;
};
// The pattern of an address below the context path.
QRegularExpression addressPattern(const QString& below) {
    return QRegularExpression(QStringLiteral("^/") + protocol::kContext + below);
}

const TAddress kAddresses[] = {
    {TAddressKind::Servlet,
     addressPattern(QStringLiteral("/([^/]+)") + protocol::kServletSuffix + QStringLiteral("$")),
     "GET, POST"},
    {TAddressKind::Upload,
     addressPattern(QStringLiteral("/") + protocol::kUpload + QStringLiteral("$")), "POST"},
    {TAddressKind::Picture,
     addressPattern(QStringLiteral("/") + protocol::kPicturePrefix + QStringLiteral("([^/]+)$")),
     "GET"},
    {TAddressKind::Root, addressPattern(QStringLiteral("/?$")), "GET"},
};

class TServer : public TRequestHandler {
  public:
    // Binds the address first, so that a server that cannot listen leaves the data alone; then
    // holds the data file against other servers before it resets or opens it.
    TServer(const TProjectModel& project, const TServeSettings& settings)
        : project_(project),
          http_(*this, settings.bindAddress, settings.port),
          lock_(checkedDataFile(settings.dataPath)),
          reset_(resetIfAsked(settings)),
          data_(project, settings.dataPath),
          pictures_(pictureFolder(settings.dataPath),
                    settings.appFolder + QStringLiteral("/bak/安卓客户端/res/drawable/noimage.png"),
                    settings.dataPath) {
        if (pictures_.Made()) {
            const QString identity = FileIdentity(pictures_.folder());
            data_.Run([&](TServlets&, TServerData& data) { data.RecordPictureFolder(identity); });
        }
    }

    int Port() const { return http_.Port(); }
    const QString& PictureFolder() const { return pictures_.folder(); }
    void Seed(const QByteArray& json) {
        data_.Run([&](TServlets& servlets, TServerData&) { servlets.Seed(json); });
    }
    void AllowHosts(const QStringList& hosts) { http_.AllowHosts(hosts); }
    void Listen() { http_.Run(); }
    void Stop() { http_.Stop(); }

    size_t BodyLimit(const QString& path) const override {
        return kAddresses[1].pattern.match(path).hasMatch() ? kMaxUploadBytes : kMaxFormBytes;
    }

    void Handle(THttpRequest request, std::function<void(THttpAnswer)> done) override {
        for (const TAddress& address : kAddresses) {
            const QRegularExpressionMatch match = address.pattern.match(request.path);
            if (!match.hasMatch()) {
                continue;
            }
            const QByteArray allowed = address.allowed;
            const bool taken = request.method == "GET"
                                   ? allowed.contains("GET")
                                   : request.method == "POST" && allowed.contains("POST");
            if (!taken) {
                return done(refuseMethod(request, address, match, allowed));
            }
            return route(address.kind, std::move(request), match, std::move(done));
        }
        done(refusal(TRefusal::NoSuchAddress));
    }

  private:
    static QString checkedDataFile(const QString& path) {
        CheckServerDataFile(path);
        QDir().mkpath(QFileInfo(path).absolutePath());
        return path;
    }

    static QString pictureFolder(const QString& dataPath) {
        return QFileInfo(dataPath).dir().filePath(QStringLiteral("upload"));
    }

    static bool resetIfAsked(const TServeSettings& settings) {
        if (settings.reset) {
            ResetServerData(settings.dataPath, pictureFolder(settings.dataPath));
        }
        return settings.reset;
    }

    // A method the address does not take: 405 naming those it takes (OPTIONS: 204 with them).
    THttpAnswer refuseMethod(const THttpRequest& request, const TAddress& address,
                             const QRegularExpressionMatch& match, const QByteArray& allowed) {
        if (address.kind == TAddressKind::Servlet &&
            project_.classNamed(match.captured(1)) == nullptr) {
            return refusal(TRefusal::NoSuchClass, {match.captured(1)});
        }
        THttpAnswer answer = request.method == "OPTIONS" ? THttpAnswer{204, {}, {}, {}, -1, {}}
                                                         : refusal(TRefusal::MethodNotAllowed,
                                                                   {QString::fromLatin1(allowed)});
        answer.headers.append({"Allow", allowed});
        return answer;
    }

    void route(TAddressKind kind, THttpRequest request, const QRegularExpressionMatch& match,
               std::function<void(THttpAnswer)> done) {
        switch (kind) {
            case TAddressKind::Servlet:
                return servlet(match.captured(1), std::move(request), std::move(done));
            case TAddressKind::Upload:
                return uploads_.Answer(
                    [this, request = std::move(request)] { return upload(request); },
                    std::move(done));
            case TAddressKind::Picture:
                return done(picture(match.captured(1)));
            case TAddressKind::Root:
                break;
        }
        const QString className = QUrlQuery(QString::fromUtf8(request.query))
                                      .queryItemValue(QStringLiteral("class"), QUrl::FullyDecoded);
        data_.Answer(
            [this, className](TServlets&, TServerData& data) {
                THttpAnswer answer =
                    httpAnswer(BrowsePage(project_, data, className), QStringLiteral("browse"));
                answer.headers = {{"Content-Security-Policy",
                                   "default-src 'none'; img-src 'self'; style-src 'unsafe-inline'"},
                                  {"X-Content-Type-Options", "nosniff"}};
                return answer;
            },
            std::move(done));
    }

    void servlet(const QString& className, THttpRequest request,
                 std::function<void(THttpAnswer)> done) {
        const bool isPost = request.method == "POST";
        if (isPost && mediaType(request.contentType) != "application/x-www-form-urlencoded") {
            return done(refusal(TRefusal::FormContentType));
        }
        QString action;
        TForm form;
        try {
            form = ParseForm(isPost ? request.query + '&' + request.body : request.query);
            action = form.value(protocol::kActionParameter);
        } catch (const TRequestError& error) {
            return done(THttpAnswer::Text(error.status, error.message));
        }
        data_.Answer(
            [className, isPost, form = std::move(form), action](TServlets& servlets, TServerData&) {
                return httpAnswer(servlets.Serve(className, isPost, form), action);
            },
            std::move(done));
    }

    THttpAnswer upload(const THttpRequest& request) {
        const auto answer = [](const TAnswer& text) {
            return httpAnswer(text, QStringLiteral("upload"));
        };
        const auto files =
            formFields(request.body, request.contentType, protocol::kUploadField.toLatin1());
        if (mediaType(request.contentType) != "multipart/form-data" || !files) {
            return answer(TAnswer::Refusal(TRefusal::UploadContentType));
        }
        if (files->size() != 1) {
            return answer(TAnswer::Refusal(TRefusal::UploadFieldCount));
        }
        if (static_cast<size_t>(files->first().size()) > kMaxPictureBytes) {
            return answer(
                TAnswer::Refusal(TRefusal::BodyTooLarge, {QString::number(kMaxPictureBytes)}));
        }
        try {
            return answer(TAnswer::Text(200, pictures_.Store(files->first())));
        } catch (const TRequestError& error) {
            return answer(TAnswer::Text(error.status, error.message));
        }
    }

    THttpAnswer picture(const QString& name) const {
        const std::optional<TStoredPicture> found = pictures_.Find(name);
        if (!found) {
            return httpAnswer(TAnswer::Refusal(TRefusal::NoSuchPicture), QStringLiteral("picture"));
        }
        return {200,         found->contentType,       {}, {{"X-Content-Type-Options", "nosniff"}},
                found->file, QStringLiteral("picture")};
    }

    const TProjectModel& project_;
    THttpServer http_;
    TDataFileLock lock_;
    bool reset_;
    TDataThread data_;
    TPictureFolder pictures_;  // after the data, which record that the server made it
    TJobThread uploads_;       // stores pictures beside the data thread, one at a time
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
            hosts.append(host.toString().toLower());
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
    const QStringList hosts = addressesOfThisMachine(settings.bindAddress);
    for (const QString& host : hosts) {
        TFileOperate::PrintLine(
            stdout, QStringLiteral("同一网络中的手机可用: %1").arg(address(host, server.Port())));
    }
    server.AllowHosts(hosts + QStringList{settings.bindAddress.toLower()});
    TFileOperate::PrintLine(stdout, QStringLiteral("数据文件: %1").arg(settings.dataPath));
    TFileOperate::PrintLine(stdout, QStringLiteral("图片文件夹: %1").arg(server.PictureFolder()));
    TFileOperate::PrintLine(stdout, QStringLiteral("按Ctrl-C停止"));
    checkOutput();

    std::atomic<bool> listening{true};
    std::thread waiter([&] {
        const timespec tick{0, 200 * 1000 * 1000};
        while (listening) {
            if (sigtimedwait(&stopping, nullptr, &tick) > 0) {
                server.Stop();
                return;
            }
        }
    });
    server.Listen();
    listening = false;
    waiter.join();
    TFileOperate::PrintLine(stdout, QStringLiteral("开发服务器已停止"));
    checkOutput();
}

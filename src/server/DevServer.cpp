#include "server/DevServer.h"

#include <httplib.h>
#include <pthread.h>
#include <signal.h>

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <deque>
#include <future>
#include <memory>
#include <mutex>
#include <thread>

#include "common/Error.h"
#include "generation/FileOperate.h"
#include "server/PictureFolder.h"
#include "server/ServerData.h"
#include "server/Servlets.h"

namespace {

constexpr size_t kMaxFormBytes = 1 << 20;
constexpr size_t kMaxPictureBytes = 8 << 20;
constexpr size_t kMaxUploadBytes = kMaxPictureBytes + (64 << 10);  // the picture and its framing
constexpr int kRequestThreads = 16;

std::mutex outputMutex;

// Set when a line could not be written to standard output; serve then ends with exit status 1.
QString outputFailure;

void printLine(const QString& line) {
    const QByteArray bytes = line.toUtf8() + '\n';
    std::lock_guard lock(outputMutex);
    if (!TFileOperate::WriteStream(stdout, bytes) && outputFailure.isEmpty()) {
        outputFailure = QStringLiteral("无法写入标准输出: %1")
                            .arg(QString::fromLocal8Bit(std::strerror(errno)));
    }
}

void checkOutput() {
    std::lock_guard lock(outputMutex);
    if (!outputFailure.isEmpty()) {
        throw TError(outputFailure);
    }
}

// Runs the servlets on a thread of their own, one request at a time: the data file's connection
// belongs to the thread that opened it, and each request is one transaction that no other one
// can interleave with.
class TDataThread {
  public:
    TDataThread(const TProjectModel& project, const QString& path) : worker_([this] { loop(); }) {
        try {
            run([&] {
                data_ = std::make_unique<TServerData>(project, path);
                servlets_ = std::make_unique<TServlets>(project, *data_);
            });
        } catch (...) {
            stop();
            throw;
        }
    }
    ~TDataThread() {
        run([&] {
            servlets_.reset();
            data_.reset();
        });
        stop();
    }

    TAnswer Serve(const QString& className, bool isPost, const TForm& form) {
        TAnswer answer;
        run([&] { answer = servlets_->Serve(className, isPost, form); });
        return answer;
    }

  private:
    void run(std::function<void()> job) {
        std::packaged_task<void()> task(std::move(job));
        std::future<void> done = task.get_future();
        {
            std::lock_guard lock(mutex_);
            jobs_.push_back(std::move(task));
        }
        wake_.notify_one();
        done.get();
    }
    void loop() {
        for (;;) {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [&] { return stopping_ || !jobs_.empty(); });
            if (jobs_.empty()) {
                return;
            }
            std::packaged_task<void()> task = std::move(jobs_.front());
            jobs_.pop_front();
            lock.unlock();
            task();
        }
    }
    void stop() {
        {
            std::lock_guard lock(mutex_);
            stopping_ = true;
        }
        wake_.notify_one();
        worker_.join();
    }

    std::unique_ptr<TServerData> data_;
    std::unique_ptr<TServlets> servlets_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<std::packaged_task<void()>> jobs_;
    bool stopping_ = false;
    std::thread worker_;  // last: starts when everything it uses exists
};

void reply(httplib::Response& response, const TAnswer& answer) {
    response.status = answer.status;
    response.set_content(answer.body.constData(), answer.body.size(),
                         answer.contentType.constData());
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

// Reads a body the server does not take, so that the connection stays in step.
void drain(const httplib::Request& request, const httplib::ContentReader& reader) {
    TBody body(request);
    const auto skip = [&](const char*, size_t length) { return body.skip(length); };
    if (request.is_multipart_form_data()) {
        reader([](const httplib::MultipartFormData&) { return true; }, skip);
    } else {
        reader(skip);
    }
}

void replyTooLarge(httplib::Response& response, size_t limit) {
    reply(response, TAnswer::Text(413, QStringLiteral("请求体超过%1字节的上限").arg(limit)));
}

QByteArray queryPart(const httplib::Request& request) {
    const size_t mark = request.target.find('?');
    return mark == std::string::npos ? QByteArray()
                                     : QByteArray::fromStdString(request.target.substr(mark + 1));
}

QString fromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

thread_local std::chrono::steady_clock::time_point requestStart;

// Control characters (a decoded path may hold any) would break the log into false lines.
QString printable(const std::string& text) {
    QString result = fromUtf8(text);
    for (QChar& c : result) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F) {
            c = QLatin1Char('?');
        }
    }
    return result;
}

void logRequest(const httplib::Request& request, const httplib::Response& response) {
    const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - requestStart);
    printLine(QStringLiteral("%1 %2 %3 %4 %5 ms")
                  .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
                       printable(request.method), printable(request.path))
                  .arg(response.status)
                  .arg(elapsed.count()));
}

QString statusText(int status) {
    switch (status) {
        case 404:
            return QStringLiteral(
                "没有这个地址: "
                "服务器只回答/JavaWebProject/下的<类名>Servlet、upload和upload/<图片>");
        case 413:
            return QStringLiteral("请求体太大");
        case 400:
            return QStringLiteral("请求无效");
        default:
            return QStringLiteral("请求无法处理(HTTP %1)").arg(status);
    }
}

class TServer {
  public:
    // Binds the address first, so that a server that cannot listen leaves the data file alone.
    TServer(const TProjectModel& project, const TServeSettings& settings)
        : port_(bind(settings)),
          pictures_(
              QFileInfo(settings.dataPath).dir().filePath(QStringLiteral("upload")),
              settings.appFolder + QStringLiteral("/bak/安卓客户端/res/drawable/noimage.png")),
          data_(project, settings.dataPath) {
        route();
    }

    int Port() const { return port_; }
    const QString& PictureFolder() const { return pictures_.folder(); }
    void Listen() { http_.listen_after_bind(); }
    void Stop() { http_.stop(); }

  private:
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
        http_.new_task_queue = [] { return new httplib::ThreadPool(kRequestThreads); };
        http_.set_payload_max_length(kMaxUploadBytes);
        http_.set_pre_routing_handler([](const httplib::Request&, httplib::Response&) {
            requestStart = std::chrono::steady_clock::now();
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
        const std::string servlet = R"(/JavaWebProject/([^/]+)Servlet)";
        http_.Get(servlet, [this](const httplib::Request& request, httplib::Response& response) {
            serveServlet(request, response, queryPart(request), false);
        });
        http_.Post(servlet, [this](const httplib::Request& request, httplib::Response& response,
                                   const httplib::ContentReader& reader) {
            TBody body(request);
            if (request.is_multipart_form_data()) {
                drain(request, reader);
                return reply(response,
                             TAnswer::Text(415, QStringLiteral("表单应以application/"
                                                               "x-www-form-urlencoded发送")));
            }
            reader([&](const char* data, size_t length) {
                return body.take(data, length, kMaxFormBytes);
            });
            if (body.tooLarge) {
                return replyTooLarge(response, kMaxFormBytes);
            }
            QByteArray form = queryPart(request);
            form += '&' + body.bytes;
            serveServlet(request, response, form, true);
        });
        http_.Post(
            "/JavaWebProject/upload",
            [this](const httplib::Request& request, httplib::Response& response,
                   const httplib::ContentReader& reader) { upload(request, response, reader); });
        http_.Get(R"(/JavaWebProject/upload/([^/]+))",
                  [this](const httplib::Request& request, httplib::Response& response) {
                      const auto picture = pictures_.Find(fromUtf8(request.matches[1].str()));
                      reply(response, picture ? *picture
                                              : TAnswer::Text(404, QStringLiteral("没有这张图片")));
                  });
    }

    void serveServlet(const httplib::Request& request, httplib::Response& response,
                      const QByteArray& encodedForm, bool isPost) {
        try {
            const TForm form = ParseForm(encodedForm);
            reply(response, data_.Serve(fromUtf8(request.matches[1].str()), isPost, form));
        } catch (const TRequestError& error) {
            reply(response, TAnswer::Text(error.status, error.message));
        }
    }

    void upload(const httplib::Request& request, httplib::Response& response,
                const httplib::ContentReader& reader) {
        if (!request.is_multipart_form_data()) {
            drain(request, reader);
            reply(response, TAnswer::Text(415, QStringLiteral("图片应以multipart/form-data上传，"
                                                              "放在字段file中")));
            return;
        }
        TBody picture(request);
        int fileParts = 0;
        bool inFile = false;
        reader(
            [&](const httplib::MultipartFormData& part) {
                inFile = part.name == "file";
                fileParts += inFile ? 1 : 0;
                return true;
            },
            [&](const char* data, size_t length) {
                return inFile ? picture.take(data, length, kMaxPictureBytes) : picture.skip(length);
            });
        if (picture.tooLarge) {
            return replyTooLarge(response, kMaxPictureBytes);
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

    httplib::Server http_;
    int port_;
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

QString address(const TServeSettings& settings, int port) {
    const QString host = settings.bindAddress.contains(QLatin1Char(':'))
                             ? '[' + settings.bindAddress + ']'
                             : settings.bindAddress;
    return QStringLiteral("http://%1:%2/JavaWebProject/").arg(host).arg(port);
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

    TServer server(project, settings);
    printLine(QStringLiteral("开发服务器(项目\"%1\"): %2")
                  .arg(project.projectName, address(settings, server.Port())));
    printLine(QStringLiteral("数据文件: %1").arg(settings.dataPath));
    printLine(QStringLiteral("图片文件夹: %1").arg(server.PictureFolder()));
    printLine(QStringLiteral("按Ctrl-C停止"));
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
    printLine(QStringLiteral("开发服务器已停止"));
    checkOutput();
}

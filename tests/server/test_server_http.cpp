// `quillmere-cli serve` beyond the protocol script (tests/golden/protocol): limits with the
// server's memory read from /proc, a second server or --reset on data in use, and refusals at
// start.

#include <unistd.h>

#include <QElapsedTimer>
#include <thread>

#include "TestSupport.h"
#include "server/HttpClient.h"
#include "server/ServeProcess.h"

namespace {

using testing::Http;
using testing::RawAnswer;
using testing::rawRequest;

const QString kDemoModel = QStringLiteral(QUILLMERE_SOURCE_DIR "/resources/demo/图书管理.json");

// serve that must refuse to start (one that starts after all is stopped within 20 s).
testing::ProcessResult refusedServe(const QStringList& arguments) {
    return testing::runCli(QStringList{"serve", "--port", "0"} + arguments, QString(), 20000);
}

// A model of one class whose key has the given type.
QString writeThingModel(const QTemporaryDir& dir, const QString& keyType) {
    const QByteArray key = ("id " + keyType + " KP id").toUtf8();
    return testing::writeModelFile(
        dir.filePath("thing-" + QString::number(keyType.size()) + ".json"),
        testing::ProjectBuilder("物品")
            .cls("Thing", "物品", {key.constData(), "label 字符串 DP label"})
            .build());
}

}  // namespace

class ServerHttpTest : public QObject {
    Q_OBJECT

  private slots:
    void limitsBoundMemory();
    void dataInUseIsNotTakenOver();
    void startRefusesWhatWouldFailLater();
};

// A request line or headers without end, or a body beyond every limit, are refused once the
// limit is reached: the server's memory does not grow with what a client sends.
void ServerHttpTest::limitsBoundMemory() {
    QTemporaryDir dir;
    testing::ServeProcess server({"--model", kDemoModel, "--data", dir.filePath("data.db")});
    const qint64 before = server.memoryKiB("VmRSS");
    const QByteArray endless(16 << 20, 'a');
    const struct {
        const char* what;
        QByteArray sent;
        int status;
    } requests[] = {
        {"a line without end", "GET /JavaWebProject/" + endless, 414},
        {"headers without end",
         "GET /JavaWebProject/ HTTP/1.1\r\nHost: 127.0.0.1\r\nX-Long: " + endless, 431},
        {"a body beyond the upload limit",
         "POST /JavaWebProject/upload HTTP/1.1\r\nHost: 127.0.0.1\r\n"
         "Content-Type: multipart/form-data; boundary=b\r\nContent-Length: 1073741824\r\n\r\n" +
             endless,
         413},
    };
    for (const auto& request : requests) {
        std::vector<std::thread> clients;
        std::vector<RawAnswer> answers(4);
        for (RawAnswer& answer : answers) {
            clients.emplace_back([&] { answer = rawRequest(server.port(), request.sent); });
        }
        for (std::thread& client : clients) {
            client.join();
        }
        for (const RawAnswer& answer : answers) {
            QVERIFY2(answer.status == request.status && answer.closed,
                     qPrintable(QStringLiteral("%1: %2").arg(request.what).arg(answer.status)));
        }
    }
    // Bodies being read take memory: eight uploads of 8 MiB on their way hold all there is for
    // now, a ninth is asked to come back later; once they end, there is room again.
    const QByteArray uploadHead =
        "POST /JavaWebProject/upload HTTP/1.1\r\nHost: 127.0.0.1\r\n"
        "Content-Type: multipart/form-data; boundary=b\r\nContent-Length: 8388608\r\n\r\n";
    std::vector<std::unique_ptr<testing::RawConnection>> uploads;
    for (int i = 0; i < 8; ++i) {
        uploads.push_back(std::make_unique<testing::RawConnection>(server.port()));
        QVERIFY(uploads.back()->send(uploadHead + "--b"));
    }
    QTest::qWait(200);
    QCOMPARE(rawRequest(server.port(), uploadHead).status, 503);
    uploads.clear();
    for (int wait = 0; wait < 100 && server.output().count("请求体不完整") < 8; ++wait) {
        QTest::qWait(50);
    }
    QCOMPARE(Http(server.port()).post("BookTypeServlet", testing::bookType("Later")).status, 200);
    const qint64 peak = server.memoryKiB("VmHWM");
    qInfo("server memory: %lld KiB at start, peak %lld KiB after 12 clients sent 16 MiB each",
          before, peak);
    QVERIFY2(peak - before < 40 * 1024, qPrintable(QString::number(peak - before)));
    QCOMPARE(Http(server.port()).get("BookTypeServlet?action=query").status, 200);
    QCOMPARE(server.interrupt(), 0);
}

// A running server holds its data file: a second server and --reset are refused, naming it.
void ServerHttpTest::dataInUseIsNotTakenOver() {
    QTemporaryDir dir;
    const QStringList arguments = {"--model", kDemoModel, "--data", dir.filePath("data.db")};
    testing::ServeProcess server(arguments);
    Http http(server.port());
    QCOMPARE(http.post("BookTypeServlet", testing::bookType("Kept")).status, 200);
    for (const QStringList& extra : {QStringList{"--reset"}, QStringList{}}) {
        const testing::ProcessResult second = refusedServe(arguments + extra);
        QVERIFY2(second.exitCode == 1 &&
                     second.err.contains(QStringLiteral("(进程%1)").arg(server.pid())),
                 qPrintable(second.out + second.err));
    }
    QVERIFY(http.get("BookTypeServlet?action=query").body.contains("<typeName>Kept</typeName>"));
    QCOMPARE(server.interrupt(), 0);
    testing::ServeProcess again(arguments);
    QVERIFY(Http(again.port())
                .get("BookTypeServlet?action=query")
                .body.contains("<typeName>Kept</typeName>"));
    QCOMPARE(again.interrupt(), 0);
}

// A data file the server cannot write, and stored keys that a key's new type would make
// unreachable, are refused at start with the reason, the data untouched.
void ServerHttpTest::startRefusesWhatWouldFailLater() {
    QTemporaryDir dir;
    const QString data = dir.filePath("data.db");
    const QString integerKeys = writeThingModel(dir, "整型");
    {
        testing::ServeProcess server({"--model", integerKeys, "--data", data});
        Http http(server.port());
        for (const char* label : {"one", "two"}) {
            QCOMPARE(http.post("ThingServlet", {{"action", "add"}, {"id", "0"}, {"label", label}})
                         .status,
                     200);
        }
        QCOMPARE(server.interrupt(), 0);
    }
    const QByteArray stored = testing::readAll(data);
    const testing::ProcessResult textKeys =
        refusedServe({"--model", writeThingModel(dir, "字符串"), "--data", data});
    QVERIFY2(textKeys.exitCode == 1 && textKeys.err.contains("Thing") &&
                 textKeys.err.contains("\"1\"、\"2\""),
             qPrintable(textKeys.out + textKeys.err));
    QCOMPARE(testing::readAll(data), stored);

    // Run as another user when this is root, who may write any file.
    QVERIFY(QFile::setPermissions(data, QFileDevice::ReadOwner | QFileDevice::ReadOther));
    QVERIFY(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                  QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                                  QFileDevice::ExeOther));
    const QStringList serve = {"serve", "--port", "0", "--model", integerKeys, "--data", data};
    const testing::ProcessResult readOnly =
        ::geteuid() == 0
            ? testing::runProcess("setpriv",
                                  QStringList{"--reuid=65534", "--regid=65534", "--clear-groups",
                                              QUILLMERE_APP_DIR "/quillmere-cli"} +
                                      serve,
                                  QString(), 20000)
            : testing::runCli(serve, QString(), 20000);
    QVERIFY2(readOnly.exitCode == 1 && readOnly.err.contains("不可写") &&
                 readOnly.err.contains("Permission denied"),
             qPrintable(readOnly.out + readOnly.err));
    QCOMPARE(testing::readAll(data), stored);
}

QTEST_GUILESS_MAIN(ServerHttpTest)
#include "test_server_http.moc"

// `quillmere-cli serve` against what real HTTP clients, attackers and careless users send:
// framing as raw bytes, limits with the server's memory read from /proc, requests from other
// sites and for other hosts, a second server or --reset on data in use, pictures, refusals at
// start, and texts kept exactly as sent.

#include <unistd.h>

#include <QElapsedTimer>
#include <thread>

#include "TestSupport.h"
#include "server/HttpClient.h"
#include "server/Pictures.h"
#include "server/ServeProcess.h"

namespace {

using testing::Http;
using testing::RawAnswer;
using testing::rawRequest;
using testing::Reply;

const QString kDemoModel = QStringLiteral(QUILLMERE_SOURCE_DIR "/resources/demo/图书管理.json");

QByteArray typeForm(const QByteArray& name) {
    return "action=add&typeId=0&typeName=" + name + "&borrowDays=1";
}

QByteArray chunked(const QByteArray& data) {
    return QByteArray::number(data.size(), 16) + "\r\n" + data + "\r\n0\r\n\r\n";
}

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
    // One server on the demo model for the tests that need no data or server of their own.
    QTemporaryDir dir_;
    testing::ServeProcess shared{{"--model", kDemoModel, "--data", dir_.filePath("data.db")}};

  private slots:
    void cleanupTestCase() { QCOMPARE(shared.interrupt(), 0); }
    void framingIsStrict();
    void limitsBoundMemory();
    void otherSitesAndHostsAreRefused();
    void dataInUseIsNotTakenOver();
    void picturesAreCheckedAndSentAsStored();
    void startRefusesWhatWouldFailLater();
    void textsStayAsSent();
};

void ServerHttpTest::framingIsStrict() {
    const QByteArray post =
        "POST /JavaWebProject/BookTypeServlet HTTP/1.1\r\nHost: 127.0.0.1\r\n"
        "Connection: close\r\nContent-Type: application/x-www-form-urlencoded\r\n";
    const QByteArray form = typeForm("TRUNCATED_NAME");
    const QByteArray length = QByteArray::number(form.size());
    // A second request hidden in the first one's body, which must never be run.
    const QByteArray smuggled =
        "POST /JavaWebProject/BookTypeServlet HTTP/1.1\r\nHost: 127.0.0.1"
        "\r\nContent-Type: application/x-www-form-urlencoded\r\n"
        "Content-Length: 50\r\n\r\n" +
        typeForm("SMUGGLED");
    const struct {
        const char* what;
        QByteArray sent;
        int status;
        const char* header;
    } requests[] = {
        {"Content-Length with Transfer-Encoding",
         post + "Content-Length: " + length + "\r\nTransfer-Encoding: chunked\r\n\r\n" +
             chunked(form) + smuggled,
         400, nullptr},
        {"Transfer-Encoding with Content-Length",
         post + "Transfer-Encoding: chunked\r\nContent-Length: 5\r\n\r\n" + chunked(form) +
             smuggled,
         400, nullptr},
        {"two different lengths",
         post + "Content-Length: " + length + "\r\nContent-Length: " +
             QByteArray::number(form.size() + smuggled.size()) + "\r\n\r\n" + form + smuggled,
         400, nullptr},
        {"one length twice",
         post + "Content-Length: " + length + "\r\nContent-Length: " + length + "\r\n\r\n" + form,
         400, nullptr},
        {"a signed length", post + "Content-Length: +" + length + "\r\n\r\n" + form, 400, nullptr},
        {"a negative length", post + "Content-Length: -1\r\n\r\n", 400, nullptr},
        {"a length beyond 64 bits", post + "Content-Length: 18446744073709551621\r\n\r\n", 400,
         nullptr},
        {"a chunk line ending in a bare LF",
         post + "Transfer-Encoding: chunked\r\n\r\n5\n" + form + "\r\n0\r\n\r\n" + smuggled, 400,
         nullptr},
        {"a chunk without its CR LF",
         post + "Transfer-Encoding: chunked\r\n\r\n" + QByteArray::number(form.size(), 16) +
             "\r\n" + form + "XX0\r\n\r\n",
         400, nullptr},
        {"a chunk size beyond 64 bits",
         post + "Transfer-Encoding: chunked\r\n\r\nfffffffffffffffffff\r\n" + form, 400, nullptr},
        {"another transfer coding", post + "Transfer-Encoding: gzip\r\n\r\n" + chunked(form), 501,
         nullptr},
        {"chunked after another coding",
         post + "Transfer-Encoding: gzip, chunked\r\n\r\n" + chunked(form), 501, nullptr},
        {"chunked in capitals",
         post + "Transfer-Encoding: Chunked\r\n\r\n" + chunked(typeForm("CAPITALS")), 200, nullptr},
        {"TRACE",
         "TRACE /JavaWebProject/BookTypeServlet HTTP/1.1\r\nHost: 127.0.0.1\r\n"
         "Connection: close\r\n\r\n",
         405, "Allow: GET, POST"},
        {"GET of the upload address",
         "GET /JavaWebProject/upload HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n\r\n", 405,
         "Allow: POST"},
        {"no Host",
         "GET /JavaWebProject/BookTypeServlet?action=query HTTP/1.1\r\nConnection: close\r\n\r\n",
         400, nullptr},
    };
    for (const auto& request : requests) {
        const RawAnswer answer = rawRequest(shared.port(), request.sent);
        QVERIFY2(answer.status == request.status && answer.closed && answer.answers == 1 &&
                     (!request.header || answer.head.contains(request.header)),
                 qPrintable(QStringLiteral("%1: %2 %3")
                                .arg(request.what)
                                .arg(answer.status)
                                .arg(QString::fromUtf8(answer.head + "\n" + answer.body))));
    }
    const QString stored = Http(shared.port()).get("BookTypeServlet?action=query").body;
    QVERIFY2(!stored.contains("TRUNCATED_NAME") && !stored.contains("SMUGGLED") &&
                 stored.contains("<typeName>CAPITALS</typeName>"),
             qPrintable(stored));
}

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

// A page of another site may neither change the data (by its Origin or Sec-Fetch-Site) nor,
// through a name that it resolves to this machine, read it (by the Host).
void ServerHttpTest::otherSitesAndHostsAreRefused() {
    const QByteArray own = "127.0.0.1:" + QByteArray::number(shared.port());
    const QByteArray add = typeForm("Novel");
    const auto post = [&](const QByteArray& headers) -> QByteArray {
        return "POST /JavaWebProject/BookTypeServlet HTTP/1.1\r\nConnection: close\r\n"
               "Content-Type: application/x-www-form-urlencoded\r\nContent-Length: " +
               QByteArray::number(add.size()) + "\r\n" + headers + "\r\n" + add;
    };
    const auto get = [](const QByteArray& headers) -> QByteArray {
        return "GET /JavaWebProject/BookTypeServlet?action=query HTTP/1.1\r\nConnection: close"
               "\r\n" +
               headers + "\r\n";
    };
    const struct {
        QByteArray sent;
        int status;
    } requests[] = {
        {post("Host: " + own + "\r\nOrigin: http://evil.example\r\n"), 403},
        {post("Host: " + own + "\r\nOrigin: null\r\n"), 403},
        {post("Host: " + own + "\r\nSec-Fetch-Site: cross-site\r\n"), 403},
        {post("Host: " + own + "\r\nSec-Fetch-Site: same-site\r\n"), 403},
        {post("Host: evil.example\r\n"), 421},
        {get("Host: evil.example:" + QByteArray::number(shared.port()) + "\r\n"), 421},
        {get("Host: 192.0.2.7\r\n"), 421},
        {get("Host: localhost.evil.example\r\n"), 421},
        {get("Host: " + own + "\r\nOrigin: http://evil.example\r\n"), 200},  // reads are no change
        {get("Host: localhost\r\n"), 200},
        {get("Host: [::1]:8080\r\n"), 200},
        {get("Host: 10.0.2.2:8080\r\n"), 200},  // the emulator's name of its host
        {post("Host: " + own + "\r\nOrigin: http://" + own + "\r\nSec-Fetch-Site: same-origin\r\n"),
         200},
    };
    for (const auto& request : requests) {
        const RawAnswer answer = rawRequest(shared.port(), request.sent);
        QVERIFY2(
            answer.status == request.status,
            qPrintable(QString::fromUtf8(request.sent) + " -> " + QString::number(answer.status)));
    }
    QCOMPARE(Http(shared.port()).get("BookTypeServlet?action=query").body.count(">Novel<"), 1);
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

// A stored picture, also one beyond the parser's default body limit, comes back byte for byte,
// with its type and nosniff.
void ServerHttpTest::picturesAreCheckedAndSentAsStored() {
    Http http(shared.port());
    const QByteArray jpeg = testing::picture("jpeg", 64);
    const QByteArray large = testing::picture("png") + QByteArray(3 << 20, '\0');
    for (const auto& [bytes, type] :
         {std::pair{jpeg, "image/jpeg"}, std::pair{large, "image/png"}}) {
        const Reply stored = http.upload(bytes.toStdString());
        QVERIFY2(stored.status == 200, qPrintable(stored.body));
        const RawAnswer picture = rawRequest(
            shared.port(), "GET /JavaWebProject/" + stored.body.toLatin1() +
                               " HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n\r\n");
        QVERIFY2(picture.status == 200 && picture.body == bytes &&
                     picture.head.contains("X-Content-Type-Options: nosniff") &&
                     picture.head.contains(QByteArray(QByteArray("Content-Type: ") + type)),
                 picture.head.constData());
    }
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

// A leading U+FEFF is part of a text, key or not: stored, found and answered as sent.
void ServerHttpTest::textsStayAsSent() {
    Http http(shared.port());
    const QString marked = QStringLiteral("\uFEFFB-1");
    QCOMPARE(http.post("BookTypeServlet", testing::bookType(QStringLiteral("\uFEFF小说"))).status,
             200);
    const testing::Form book = testing::book(marked, {{"bookName", QStringLiteral("\uFEFF")}});
    QCOMPARE(http.post("BookServlet", book).status, 200);
    testing::Form twin = book;
    twin["barcode"] = "B-1";  // another key: the mark makes it one
    QCOMPARE(http.post("BookServlet", twin).status, 200);
    QCOMPARE(http.post("BookServlet", book).status, 409);
    const QString one =
        http.post("BookServlet", {{"action", "updateQuery"}, {"barcode", marked}}).body;
    QVERIFY2(one.contains(QStringLiteral("\"barcode\":\"\uFEFFB-1\"")) &&
                 one.contains(QStringLiteral("\"bookName\":\"\uFEFF\"")),
             qPrintable(one));
    QVERIFY(http.get("BookTypeServlet?action=query")
                .body.contains(QStringLiteral("<typeName>\uFEFF小说</typeName>")));
}

QTEST_GUILESS_MAIN(ServerHttpTest)
#include "test_server_http.moc"

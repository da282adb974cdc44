// `quillmere-cli serve` on the demo project over HTTP beyond the protocol script
// (tests/golden/protocol): clients at once lose and duplicate nothing, a model that changes
// keeps every row, serve refuses to start where it must, and pictures stay in their folder.

#include <signal.h>
#include <sys/resource.h>

#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>

#include "TestSupport.h"
#include "server/HttpClient.h"
#include "server/PictureFolder.h"
#include "server/Pictures.h"
#include "server/ServeProcess.h"
#include "server/Servlets.h"

namespace {

using testing::book;
using testing::bookType;
using testing::Form;
using testing::Http;
using testing::Reply;
using testing::with;

Form reader(const QString& readerNo) {
    return {{"action", "add"},
            {"readerNo", readerNo},
            {"readerName", "R"},
            {"sex", "F"},
            {"birthday", "2000-01-01 00:00:00.0"},
            {"telephone", "555"},
            {"readerPhoto", "upload/noimage.jpg"}};
}

// A store with the demo project in a folder of its own; serve keeps its data file there too.
struct DemoStore {
    QTemporaryDir dir;
    QString store = dir.filePath("projects.db");
    QString data = dir.filePath("data.db");
    QStringList serveArguments = {"--project", "图书管理", "--store", store, "--data", data};

    DemoStore() {
        QCOMPARE(testing::runCli({"init-store", "--demo", "--store", store}).exitCode, 0);
    }
};

// serve on the demo store and a client of it; the pictures are stored beside the data file.
struct DemoServer {
    DemoStore demo;
    testing::ServeProcess server{demo.serveArguments};
    Http http{server.port()};
    QString pictures = demo.dir.filePath("upload");
};

}  // namespace

class ServerTest : public QObject {
    Q_OBJECT

  private slots:
    void clientsAtOnceLoseNothing();
    void modelChangeKeepsEveryRow();
    void serveRefusesToStart();
    void typeChangeKeepsStoredText();
    void linksInThePictureFolderAreNotFollowed();
    void slowClientsDoNotDelayOthers();
    void keptAliveRequestsAreQuick();
    void keysRunOutAtTheLargestInteger();
    void picturesAreFoundOnlyInTheirFolder();
};

void ServerTest::clientsAtOnceLoseNothing() {
    DemoServer s;
    constexpr int kClients = 8;
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(6);
    std::atomic<int> added{0};
    std::mutex failureMutex;
    QStringList failures;
    auto client = [&](int id) {
        Http http(s.server.port());
        const QString prefix = QStringLiteral("c%1-").arg(id);
        for (int n = 0; std::chrono::steady_clock::now() < end; ++n) {
            const QString name = prefix + QString::number(n);
            const Reply type = http.post("BookTypeServlet", bookType(name, "1"));
            const Reply person = http.post("ReaderServlet", reader(name));
            const Reply mine = http.get("ReaderServlet?action=query&readerNo=" + prefix);
            if (type.status != 200 || person.status != 200 ||
                mine.body.count("<Reader>") != n + 1) {
                std::lock_guard lock(failureMutex);
                failures.append(QStringLiteral("%1: %2 %3 %4")
                                    .arg(name)
                                    .arg(type.status)
                                    .arg(person.status)
                                    .arg(mine.status));
                return;
            }
            ++added;
        }
    };
    std::vector<std::thread> clients;
    for (int id = 0; id < kClients; ++id) {
        clients.emplace_back(client, id);
    }
    for (std::thread& thread : clients) {
        thread.join();
    }
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join('\n')));
    qInfo("%d clients made %d rounds (add a book type, add a reader, query their readers) in 6 s",
          kClients, added.load());

    const QString types = s.http.get("BookTypeServlet?action=query").body;
    QSet<QString> names;
    int expectedId = 0;
    static const QRegularExpression row("<typeId>(\\d+)</typeId><typeName>([^<]+)</typeName>");
    for (const QRegularExpressionMatch& match : row.globalMatch(types)) {
        QCOMPARE(match.captured(1).toInt(), ++expectedId);  // every key once, none skipped
        names.insert(match.captured(2));
    }
    QCOMPARE(expectedId, added.load());
    QCOMPARE(names.size(), added.load());
    QCOMPARE(s.http.get("ReaderServlet?action=query").body.count("<Reader>"), added.load());
    QCOMPARE(s.server.interrupt(), 0);
}

void ServerTest::modelChangeKeepsEveryRow() {
    DemoStore demo;
    const auto bookMember = [&](const QString& name) -> std::optional<TMember> {
        TDbHelper::SetStorePath(demo.store);
        for (const TMember& member : TMemberDAO().ListMembers(testing::classIdNamed(1, "Book"))) {
            if (member.memberName == name) {
                return member;
            }
        }
        return std::nullopt;
    };
    // Serves once; answers what get answers for B-1 after the change the step makes.
    const auto serveOnce = [&](const std::function<void(Http&)>& step) {
        testing::ServeProcess server(demo.serveArguments);
        Http http(server.port());
        step(http);
        const QString stored =
            http.post("BookServlet", {{"action", "updateQuery"}, {"barcode", "B-1"}}).body;
        server.interrupt();
        return stored;
    };
    QVERIFY(serveOnce([](Http& http) {
                http.post("BookTypeServlet", bookType("Novel"));
                http.post("BookTypeServlet", bookType("Gone"));
                http.post("BookTypeServlet", {{"action", "delete"}, {"typeId", "2"}});
                http.post("BookServlet", book("B-1"));
            }).contains("\"publish\":\"Press\""));

    const TMember publish = *bookMember("publish");
    TMemberDAO().DeleteMember(publish.memberId);
    TMember pages = publish;
    pages.memberName = "pages";  // an integer member as the member dialog stores it
    pages.memberType = kTypeInteger;
    pages.memberComment = "页数";
    pages.memberLength = 0;
    pages.memberIsMust = 1;
    pages.memberIsInteger = 1;
    TMemberDAO().AddMember(pages);
    TDbHelper::CloseConnection();
    const QString changed = serveOnce([](Http& http) {
        Form update = book("B-1", {{"action", "update"}, {"pages", "300"}});
        update.remove("publish");
        QCOMPARE(http.post("BookServlet", update).status, 200);
    });
    QVERIFY2(changed.contains("\"pages\":300") && !changed.contains("\"publish\":") &&
                 changed.contains("\"bookName\":\"Book B-1\""),
             qPrintable(changed));

    TMemberDAO().AddMember(publish);  // the member comes back, and with it its values
    TDbHelper::CloseConnection();
    const QString restored = serveOnce([](Http& http) {
        http.post("BookTypeServlet",
                  bookType("Third"));  // a deleted key stays used after a restart
        QVERIFY(http.get("BookTypeServlet?action=query").body.contains("<typeId>3</typeId>"));
    });
    QVERIFY2(restored.contains("\"publish\":\"Press\"") && restored.contains("\"pages\":300"),
             qPrintable(restored));
}

void ServerTest::serveRefusesToStart() {
    DemoStore demo;
    const QString model = demo.dir.filePath("model.json");
    const QString other = demo.dir.filePath("other.db");
    QCOMPARE(
        testing::runCli({"export", "--project", "图书管理", "--store", demo.store, "--out", model})
            .exitCode,
        0);
    QFile::copy(demo.store, other);
    const QString linked = demo.dir.filePath("linked.db");
    QFile::link(demo.data, linked);
    testing::ServeProcess first({"--model", model, "--data", demo.data});
    QCOMPARE(Http(first.port()).get("BookServlet?action=query").status, 200);
    const QByteArray store = testing::readAll(demo.store);
    const QStringList fromStore = {"--project", "图书管理", "--store", demo.store, "--data"};
    // A model with a name the generation run takes but the data file or the protocol cannot.
    const QString fresh = demo.dir.filePath("fresh.db");
    const auto renamed = [&](const QString& file, const char* to) {
        const QString path = demo.dir.filePath(file);
        testing::writeAll(path, testing::readAll(model).replace("{\"name\": \"publish\",", to));
        return QStringList{"--model", path, "--data", fresh, "--port", "0"};
    };
    const struct {
        QStringList arguments;
        int status;
        QString message;
    } refusals[] = {
        {fromStore + QStringList{demo.data, "--port", QString::number(first.port())}, 1,
         QStringLiteral("端口%1已被占用").arg(first.port())},
        {fromStore + QStringList{demo.store}, 1, "数据文件不能是工程库"},
        {{"--model", model, "--data", model}, 1, "数据文件不能是模型文件"},
        {fromStore + QStringList{other}, 1, "不是开发服务器的数据文件"},
        {fromStore + QStringList{linked}, 1, "不是普通文件"},
        {{"--project", "没有", "--store", demo.store}, 1, "没有名为\"没有\"的项目"},
        {{"--model", model, "--store", demo.store}, 2, "no --store"},
        {fromStore + QStringList{demo.data, "--port", "http"}, 2, "--port needs a number"},
        {renamed("twin.json", "{\"name\": \"bookNAME\","), 3,
         "Book表的成员bookName与Book表的成员bookNAME的名字只差大小写"},
        {renamed("action.json", "{\"name\": \"action\","), 3,
         "Book表的成员action与请求参数action同名"},
    };
    for (const auto& refusal : refusals) {
        const testing::ProcessResult result =
            testing::runCli(QStringList{"serve"} + refusal.arguments);
        const QString output = result.out + result.err;
        QVERIFY2(result.exitCode == refusal.status && output.contains(refusal.message),
                 qPrintable(output));
    }
    QCOMPARE(testing::readAll(demo.store), store);
    QVERIFY(!QFile::exists(fresh));
    QCOMPARE(first.interrupt(), 0);

    // A model the generation run refuses: the run's message, and no data file.
    TDbHelper::SetStorePath(demo.store);
    const TMemberList readers = TMemberDAO().ListMembers(testing::classIdNamed(1, "Reader"));
    const TMember key = *std::find_if(readers.begin(), readers.end(),
                                      [](const TMember& m) { return m.memberIsPri == 1; });
    TMemberDAO().DeleteMember(key.memberId);
    TDbHelper::CloseConnection();
    QFile::remove(demo.data);
    const testing::ProcessResult serve =
        testing::runCli(QStringList{"serve"} + demo.serveArguments);
    QCOMPARE(serve.exitCode, 3);
    QCOMPARE(serve.err,
             testing::runCli({"generate", "--project", "图书管理", "--store", demo.store}).err);
    QVERIFY(!QFile::exists(demo.data));
}

// A member that becomes a text keeps its values as they were, and takes "007" and "1e3" as
// texts, in a data file an earlier version made with typed columns as well; members the old
// rows lack read as the empty text, 0 or 1970-01-01.
void ServerTest::typeChangeKeepsStoredText() {
    QTemporaryDir dir;
    const QString data = dir.filePath("data.db");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "old");
        db.setDatabaseName(data);
        QVERIFY(db.open());
        QSqlQuery query(db);
        for (const char* sql : {"PRAGMA application_id = 1364411478",
                                "CREATE TABLE \"Region\" (\"regionId\" INTEGER, \"name\" INTEGER, "
                                "\"area\" REAL)",
                                "INSERT INTO \"Region\" VALUES (1, 7, 2.5)"}) {
            QVERIFY2(query.exec(sql), sql);
        }
        db.close();
    }
    QSqlDatabase::removeDatabase("old");
    testing::ServeProcess server(
        {"--model", QUILLMERE_TEST_DATA "/protocol-model.json", "--data", data});
    Http http(server.port());
    QVERIFY(http.get("RegionServlet?action=query")
                .body.contains("<regionId>1</regionId><name>7</name><parent>0</parent>"
                               "<founded>1970-01-01 00:00:00.0</founded><area>2.5</area>"));
    const Form region{
        {"action", "add"}, {"regionId", "0"},   {"parent", "0"}, {"founded", "2024-03-05 00:00:00"},
        {"area", "1"},     {"population", "0"}, {"emblem", ""}};
    for (const Form& change : {Form{{"name", "007"}}, Form{{"name", "1e3"}},
                               Form{{"action", "update"}, {"regionId", "1"}, {"name", " 08"}}}) {
        QCOMPARE(http.post("RegionServlet", with(region, change)).status, 200);
    }
    const QString stored = http.get("RegionServlet?action=query").body;
    for (const char* name : {"<name> 08</name>", "<name>007</name>", "<name>1e3</name>"}) {
        QVERIFY2(stored.contains(name), qPrintable(stored));
    }
    QCOMPARE(server.interrupt(), 0);
}

// Links and other names of the data file in the picture folder are never read.
void ServerTest::linksInThePictureFolderAreNotFollowed() {
    DemoServer s;
    const Reply stored = s.http.upload(testing::picture("png").toStdString());
    QCOMPARE(stored.status, 200);
    QCOMPARE(s.http.get(stored.body).status, 200);
    const QString secret = s.demo.dir.filePath("secret.txt");
    testing::writeAll(secret, "secret");
    QVERIFY(QFile::link(secret, s.pictures + "/evil.png"));
    QVERIFY(QFile::link(s.demo.data, s.pictures + "/data.png"));
    QVERIFY(QFile::link(s.pictures + "/" + stored.body.mid(7), s.pictures + "/again.png"));
    QCOMPARE(::link(QFile::encodeName(s.demo.data).constData(),
                    QFile::encodeName(s.pictures + "/hard.png").constData()),
             0);
    for (const char* name : {"evil.png", "data.png", "again.png", "hard.png"}) {
        const Reply answer = s.http.get(QStringLiteral("upload/") + name);
        QVERIFY2(answer.status == 404, name);
    }
    QCOMPARE(s.http.post("BookTypeServlet", bookType("Novel")).status, 200);
    QCOMPARE(s.server.interrupt(), 0);
}

// Forty clients that send a byte of their request each second leave a normal request as quick.
void ServerTest::slowClientsDoNotDelayOthers() {
    DemoServer s;
    const QByteArray request =
        "GET /JavaWebProject/BookServlet?action=query HTTP/1.1\r\nHost: 127.0.0.1\r\n";
    std::vector<std::unique_ptr<testing::RawConnection>> slow;
    for (int i = 0; i < 40; ++i) {
        slow.push_back(std::make_unique<testing::RawConnection>(s.server.port()));
        QVERIFY(slow.back()->connected());
    }
    std::atomic<bool> done{false};
    std::thread dribble([&] {
        for (int byte = 0; !done && byte < request.size(); ++byte) {
            for (auto& connection : slow) {
                connection->send(request.mid(byte, 1));
            }
            for (int tick = 0; !done && tick < 10; ++tick) {
                std::this_thread::sleep_for(std::chrono::milliseconds(100));
            }
        }
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    qint64 slowest = 0;
    for (int i = 0; i < 5; ++i) {
        QElapsedTimer timer;
        timer.start();
        Http http(s.server.port());
        const Reply answer = http.get("BookTypeServlet?action=query");
        slowest = std::max(slowest, timer.elapsed());
        QCOMPARE(answer.status, 200);
    }
    done = true;
    dribble.join();
    qInfo("slowest of 5 requests beside 40 slow clients: %lld ms", slowest);
    QVERIFY2(slowest < 1000, qPrintable(QString::number(slowest)));
    slow.clear();
    QCOMPARE(s.server.interrupt(), 0);
}

// A small request on a kept-alive connection is answered at once (no reply waits for the
// client's delayed acknowledgement).
void ServerTest::keptAliveRequestsAreQuick() {
    DemoServer s;
    QList<qint64> times;
    for (int i = 0; i < 105; ++i) {
        QElapsedTimer timer;
        timer.start();
        const Reply answer =
            s.http.post("BookTypeServlet", {{"action", "updateQuery"}, {"typeId", "1"}});
        times.append(timer.nsecsElapsed());
        QCOMPARE(answer.status, 200);
    }
    times.remove(0, 5);  // the connection's start
    std::sort(times.begin(), times.end());
    const double median = times[times.size() / 2] / 1e6;
    qInfo("kept-alive requests: median %.2f ms", median);
    QVERIFY2(median < 5, qPrintable(QString::number(median)));
    QCOMPARE(s.server.interrupt(), 0);
}

// The next integer key is one more than the largest; past 2147483647 there is none.
void ServerTest::keysRunOutAtTheLargestInteger() {
    DemoServer s;
    const Form type = bookType("N", "1");
    QCOMPARE(s.http.post("BookTypeServlet", type).status, 200);
    {
        QSqlDatabase data = QSqlDatabase::addDatabase("QSQLITE", "keys");
        data.setDatabaseName(s.demo.data);
        QVERIFY(data.open());
        QVERIFY(QSqlQuery(data).exec("UPDATE \"BookType\" SET \"typeId\" = 2147483646"));
    }
    QSqlDatabase::removeDatabase("keys");
    QCOMPARE(s.http.post("BookTypeServlet", type).status, 200);
    const QString full = s.http.get("BookTypeServlet?action=query").body;
    QVERIFY2(full.contains("<typeId>2147483646</typeId>") &&
                 full.contains("<typeId>2147483647</typeId>"),
             qPrintable(full));
    const Reply refused = s.http.post("BookTypeServlet", type);
    QVERIFY2(refused.status == 409 && refused.body.contains("编号已用尽"),
             qPrintable(refused.body));
    QCOMPARE(s.http.get("BookTypeServlet?action=query").body, full);
    QCOMPARE(s.server.interrupt(), 0);
}

// Only a stored picture's own name finds it: no name leads out of the folder or below it (which
// pictures are stored is in the protocol script); a picture that cannot be written leaves nothing.
void ServerTest::picturesAreFoundOnlyInTheirFolder() {
    QTemporaryDir dir;
    const QByteArray png = testing::picture("png");
    testing::writeAll(dir.filePath("secret.png"), png);
    testing::writeAll(dir.filePath("upload/inner/deep.png"), png);
    testing::writeAll(dir.filePath("upload/a.b.png"), png);
    const TPictureFolder pictures(dir.filePath("upload"), QString(), dir.filePath("data.db"));
    for (const char* name : {"../secret.png", "..%2Fsecret.png", "inner/deep.png", "a.b.png",
                             "/etc/passwd.png", "", "noimage.jpg"}) {
        QVERIFY2(!pictures.Find(QString::fromLatin1(name)), name);
    }

    // A picture that cannot be written whole leaves no file and names the system's reason.
    const QStringList before = QDir(dir.filePath("upload")).entryList(QDir::Files);
    rlimit size{};
    getrlimit(RLIMIT_FSIZE, &size);
    const rlimit small{512, size.rlim_max};
    signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &small);
    try {
        pictures.Store(testing::picture("bmp", 64));
        QFAIL("a picture larger than a file may be was stored");
    } catch (const TError& error) {
        QVERIFY2(error.message().contains("File too large"), qPrintable(error.message()));
    }
    setrlimit(RLIMIT_FSIZE, &size);
    QCOMPARE(QDir(dir.filePath("upload")).entryList(QDir::Files), before);
}

QTEST_GUILESS_MAIN(ServerTest)
#include "test_server.moc"

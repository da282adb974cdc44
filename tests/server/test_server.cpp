// `quillmere-cli serve` on the demo project over HTTP: refused requests change nothing, clients
// at once lose and duplicate nothing, a model that changes keeps every row, and serve refuses
// to start where it must.

#include <signal.h>
#include <sys/resource.h>

#include <QDirIterator>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QUrl>
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
using testing::everything;
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

// A model file of one class that refers to itself, with members of every kind.
QString writePlaceModel(const QTemporaryDir& dir, const QString& codeType = "整型") {
    const QByteArray code = ("code " + codeType + " P 代码").toUtf8();
    return testing::writeModelFile(
        dir.filePath("places.json"),
        testing::ProjectBuilder("地点")
            .cls("Place", "地点",
                 {"id 整型 KP 编号", "name 字符串 QDP 名称", "parent Place QP 上级",
                  "since 日期型 QP 设立", "size 浮点型 P 面积", code.constData(),
                  "photo 图片型 P 照片"})
            .build());
}

Form place(const Form& changes = {}) {
    return with({{"action", "add"},
                 {"id", "0"},
                 {"name", "P"},
                 {"parent", "0"},
                 {"since", "2024-03-05 00:00:00.0"},
                 {"size", "1.5"},
                 {"code", "7"},
                 {"photo", "upload/noimage.jpg"}},
                changes);
}

// What the server answers for the place with the key.
QJsonObject storedPlace(Http& http, int id) {
    const Reply reply =
        http.post("PlaceServlet", {{"action", "updateQuery"}, {"id", QString::number(id)}});
    return QJsonDocument::fromJson(reply.body.toUtf8()).array().at(0).toObject();
}

// A multipart/form-data body with the picture in the field "file".
QByteArray multipartPicture(const QByteArray& picture) {
    return "--XyZ\r\nContent-Disposition: form-data; name=\"file\"; filename=\"p.png\"\r\n"
           "Content-Type: image/png\r\n\r\n" +
           picture + "\r\n--XyZ--\r\n";
}

}  // namespace

class ServerTest : public QObject {
    Q_OBJECT

  private slots:
    void refusedRequestsChangeNothing();
    void clientsAtOnceLoseNothing();
    void modelChangeKeepsEveryRow();
    void serveRefusesToStart();
    void cutOffRequestsStoreNothing();
    void referencesAndKeys();
    void typeChangeKeepsStoredText();
    void linksInThePictureFolderAreNotFollowed();
    void slowClientsDoNotDelayOthers();
    void keptAliveRequestsAreQuick();
    void keysRunOutAtTheLargestInteger();
    void queriesFindWhatTheyAskFor();
    void picturesAreFoundOnlyInTheirFolder();
};

void ServerTest::refusedRequestsChangeNothing() {
    DemoServer s;
    QCOMPARE(s.http.post("BookTypeServlet", bookType("Novel")).status, 200);
    QCOMPARE(s.http.post("ReaderServlet", reader("R-1")).status, 200);
    QCOMPARE(s.http.post("BookServlet", book("B-1")).status, 200);
    QCOMPARE(s.http
                 .post("LoanServlet", {{"action", "add"},
                                       {"loanId", "0"},
                                       {"book", "B-1"},
                                       {"reader", "R-1"},
                                       {"borrowDate", "2024-03-05 10:20:30.0"},
                                       {"memo", ""}})
                 .status,
             200);
    const QString before = everything(s.http, s.pictures);

    const auto post = [](const QString& servlet, const Form& form) {
        return [servlet, form](Http& h) { return h.post(servlet, form); };
    };
    const auto postRaw = [](const QByteArray& form, const QByteArray& type) {
        return [form, type](Http& h) { return h.post("BookServlet", form, type); };
    };
    const auto get = [](const QString& path) { return [path](Http& h) { return h.get(path); }; };
    const auto raw = [&](const QByteArray& method, const QByteArray& path,
                         const QByteArray& rest = "\r\n") {
        return [&, method, path, rest](Http&) {
            const testing::RawAnswer answer = testing::rawRequest(
                s.server.port(), method + " /JavaWebProject/" + path +
                                     " HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n" +
                                     rest);
            return Reply{answer.status, QString::fromUtf8(answer.body)};
        };
    };
    const auto addBook = [&](const Form& changes) {
        return post("BookServlet", book("B-2", changes));
    };
    const Form bookUpdate = book("B-1", {{"action", "update"}});
    Form withoutKey = bookUpdate;
    withoutKey.remove("barcode");
    Form withoutPrice = book("B-2");
    withoutPrice.remove("price");
    const QByteArray form = Http::encoded(book("B-2"));
    const QByteArray urlEncoded = "application/x-www-form-urlencoded";
    const struct {
        const char* what;
        int status;
        std::function<Reply(Http&)> send;
    } refusals[] = {
        {"unknown class", 404, post("NopeServlet", {{"action", "add"}})},
        {"unknown action", 400, post("BookServlet", {{"action", "x"}})},
        {"no action", 400, post("BookServlet", {{"barcode", "B-1"}})},
        {"add by GET", 405, get("BookServlet?" + QString::fromLatin1(form))},
        {"update without key", 400, post("BookServlet", withoutKey)},
        {"add without a member", 400, post("BookServlet", withoutPrice)},
        {"text for an integer key", 400,
         post("BookTypeServlet", {{"action", "delete"}, {"typeId", "one"}})},
        {"text for a number", 400, addBook({{"price", "cheap"}})},
        {"no such date", 400, addBook({{"publishDate", "2024-02-30 10:00:00"}})},
        {"a control character", 400, addBook({{"bookName", "a\x01"}})},
        {"a parameter twice", 400, postRaw(form + "&count=4", urlEncoded)},
        {"not UTF-8", 400, postRaw(form + "&x=%FF", urlEncoded)},
        {"duplicate text key", 409, post("BookServlet", book("B-1"))},
        {"missing referenced object", 409, addBook({{"bookType", "7"}})},
        {"update of a missing object", 404,
         post("BookServlet", with(bookUpdate, {{"barcode", "B-9"}}))},
        {"delete of a missing object", 404,
         post("BookTypeServlet", {{"action", "delete"}, {"typeId", "9"}})},
        {"delete of a referenced object", 409,
         post("BookServlet", {{"action", "delete"}, {"barcode", "B-1"}})},
        {"a date condition that is no date", 400, get("LoanServlet?action=query&borrowDate=today")},
        {"an upload that is no picture", 415, [](Http& h) { return h.upload("<html>"); }},
        {"a form sent as plain text", 415, postRaw(form, "text/plain")},
        {"a form without a Content-Type", 415,
         raw("POST", "BookServlet",
             "Content-Length: " + QByteArray::number(form.size()) + "\r\n\r\n" + form)},
        {"PUT on a servlet", 405, raw("PUT", "BookServlet", "Content-Length: 3\r\n\r\nx=1")},
        {"DELETE on a picture", 405, raw("DELETE", "upload/noimage.jpg")},
        {"PATCH on the upload", 405, raw("PATCH", "upload")},
        {"a DEL character", 400, addBook({{"bookName", "a\x7f"}})},
        {"a C1 control character", 400, addBook({{"bookName", QStringLiteral("a\u0085")}})},
        {"an unknown method", 400, raw("BREW", "BookServlet")},
        {"a body beyond the limit", 413, postRaw(QByteArray(2 << 20, 'a'), urlEncoded)},
        {"a picture beyond the limit", 413,
         [](Http& h) { return h.upload("\xFF\xD8\xFF" + std::string(8 << 20, 'a')); }},
        {"a form sent as multipart", 415,
         [](Http& h) { return h.multipart("BookTypeServlet", "action", "add"); }},
        {"query by POST", 405, post("BookServlet", {{"action", "query"}})},
        {"update with a missing reference", 409,
         post("BookServlet", with(bookUpdate, {{"bookType", "7"}}))},
        {"no such time", 400, addBook({{"publishDate", "2024-03-05 24:00:00"}})},
        {"a number beyond a float", 400, addBook({{"price", "1e39"}})},
        {"an integer beyond 32 bits", 400, addBook({{"count", "2147483648"}})},
        {"an empty text key", 400, post("BookServlet", book(" "))},
        {"updateQuery by GET", 405, get("BookServlet?action=updateQuery&barcode=B-1")},
    };
    for (const auto& refusal : refusals) {
        const Reply answer = refusal.send(s.http);
        QVERIFY2(
            answer.status == refusal.status && !answer.body.isEmpty(),
            qPrintable(
                QStringLiteral("%1: %2 %3").arg(refusal.what).arg(answer.status).arg(answer.body)));
        QVERIFY2(everything(s.http, s.pictures) == before, refusal.what);
    }
    // The log names the action and the reason of a refusal, and the path of a request that
    // could not be parsed.
    QVERIFY(s.server.waitForLog(" BREW /JavaWebProject/BookServlet - 400 "));
    const QString log = s.server.output();
    QVERIFY2(
        log.contains(QRegularExpression(
            "\\n20\\d\\d-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d POST /JavaWebProject/BookServlet add "
            "409 \\d+ ms 已有图书条码为\"B-1\"的图书\\n")),
        qPrintable(log));
    QVERIFY(log.contains(" PUT /JavaWebProject/BookServlet - 405 "));
    // Its time is its own, not that of an earlier request on the same thread.
    static const QRegularExpression brew(" BREW /JavaWebProject/BookServlet - 400 (\\d+) ms ");
    QVERIFY2(brew.match(log).captured(1).toInt() < 1000, qPrintable(log));
    QCOMPARE(s.server.interrupt(), 0);
}

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
    const QString restored = serveOnce([](Http&) {});
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

// A client that loses its connection halfway through a form or a picture stores nothing.
void ServerTest::cutOffRequestsStoreNothing() {
    DemoServer s;
    QCOMPARE(s.http.post("BookTypeServlet", bookType("Novel")).status, 200);
    const QString before = everything(s.http, s.pictures);

    Form withoutIntroduction = book("B-1");
    withoutIntroduction.remove("introduction");
    const QByteArray form =
        Http::encoded(withoutIntroduction) + "&introduction=" + QByteArray(4300, 'x');
    const QByteArray formHead =
        "POST /JavaWebProject/BookServlet HTTP/1.1\r\nHost: 127.0.0.1\r\n"
        "Content-Type: application/x-www-form-urlencoded\r\n"
        "Content-Length: " +
        QByteArray::number(form.size()) + "\r\n\r\n";
    const QByteArray picture = multipartPicture(testing::picture("png") + QByteArray(6000, 'p'));
    const QByteArray uploadHead =
        "POST /JavaWebProject/upload HTTP/1.1\r\nHost: 127.0.0.1\r\n"
        "Content-Type: multipart/form-data; boundary=XyZ\r\n";
    const QByteArray pictureHead =
        uploadHead + "Content-Length: " + QByteArray::number(picture.size()) + "\r\n\r\n";
    const QByteArray chunkedHead = uploadHead + "Transfer-Encoding: chunked\r\n\r\n";
    const struct {
        const char* what;
        QByteArray sent;
    } cutOff[] = {
        {"half a form", formHead + form.left(form.size() / 2)},
        {"half a picture", pictureHead + picture.left(picture.size() / 2)},
        {"a picture without its last chunk",
         chunkedHead + QByteArray::number(picture.size(), 16) + "\r\n" + picture + "\r\n"},
    };
    static const QRegularExpression refusal(" POST /JavaWebProject/\\S+ \\S+ 400 ");
    int requests = 0;
    for (const auto& request : cutOff) {
        testing::RawConnection connection(s.server.port());
        QVERIFY(connection.send(request.sent));
        QTest::qWait(100);
        connection.cut();
        ++requests;
        // The server logs the request once it has seen the connection end.
        for (int wait = 0; wait < 100 && s.server.output().count(refusal) < requests; ++wait) {
            QTest::qWait(50);
        }
        QVERIFY2(everything(s.http, s.pictures) == before, request.what);
    }
    QCOMPARE(s.server.output().count(refusal), 3);
    QCOMPARE(s.server.interrupt(), 0);
}

// A reference may name no object (0), the first object of a class that refers to itself
// included; an object cannot be deleted while another one refers to it; keys never come back.
void ServerTest::referencesAndKeys() {
    QTemporaryDir dir;
    const QStringList arguments = {"--model", writePlaceModel(dir), "--data",
                                   dir.filePath("data.db")};
    auto server = std::make_unique<testing::ServeProcess>(arguments);
    auto http = std::make_unique<Http>(server->port());
    QCOMPARE(http->post("PlaceServlet", place({{"name", "Root"}})).status, 200);
    QCOMPARE(storedPlace(*http, 1).value("parent").toInt(-1), 0);
    QCOMPARE(http->post("PlaceServlet", place({{"name", "Child"}, {"parent", "1"}})).status, 200);
    const Form deleteRoot{{"action", "delete"}, {"id", "1"}};
    QCOMPARE(http->post("PlaceServlet", deleteRoot).status, 409);
    QCOMPARE(http->post("PlaceServlet", place({{"action", "update"}, {"id", "1"}, {"parent", "1"}}))
                 .status,
             200);
    QCOMPARE(http->post("PlaceServlet", deleteRoot).status, 409);  // the child still refers to it
    QCOMPARE(http->post("PlaceServlet", place({{"parent", "9"}})).status, 409);
    QCOMPARE(http->post("PlaceServlet", {{"action", "delete"}, {"id", "2"}}).status, 200);
    QCOMPARE(http->post("PlaceServlet", deleteRoot).status, 200);  // only itself refers to it

    // The largest key was deleted; the next one is still new, also after a restart.
    QCOMPARE(http->post("PlaceServlet", place({{"name", "Third"}})).status, 200);
    QCOMPARE(storedPlace(*http, 3).value("name").toString(), "Third");
    QCOMPARE(http->post("PlaceServlet", {{"action", "delete"}, {"id", "3"}}).status, 200);
    http.reset();
    QCOMPARE(server->interrupt(), 0);
    server = std::make_unique<testing::ServeProcess>(arguments);
    http = std::make_unique<Http>(server->port());

    // Every form Java writes a float in; conditions of the empty text or 0 are no conditions.
    const QStringList numbers = {"3.4028235E38", "1.4E-45",   "-0.0",    "1.0E-5",
                                 "NaN",          "-Infinity", "Infinity"};
    for (const QString& number : numbers) {
        QVERIFY2(
            http->post("PlaceServlet", place({{"name", number}, {"size", number}})).status == 200,
            qPrintable(number));
    }
    QCOMPARE(storedPlace(*http, 4).value("name").toString(), numbers.first());
    QCOMPARE(http->post("PlaceServlet", place({{"size", "3.5E38"}})).status, 400);
    const QString all = http->get("PlaceServlet?action=query").body;
    QCOMPARE(all.count("<Place>"), numbers.size());
    QVERIFY2(all.contains("<id>4</id><name>3.4028235E38</name>") &&
                 all.contains("<size>NaN</size>") && all.contains("<size>-Infinity</size>"),
             qPrintable(all));
    for (const char* query : {"&parent=&since=&name=", "&parent=0&since=", "&since=&parent=0"}) {
        QCOMPARE(http->get(QStringLiteral("PlaceServlet?action=query") + query).body, all);
    }
    QCOMPARE(server->interrupt(), 0);
}

// A member that becomes a text keeps its values as they were, and takes "007" and "1e3" as
// texts, in a data file an earlier version made with typed columns as well.
void ServerTest::typeChangeKeepsStoredText() {
    QTemporaryDir dir;
    const QString data = dir.filePath("data.db");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "old");
        db.setDatabaseName(data);
        QVERIFY(db.open());
        QSqlQuery query(db);
        for (const char* sql :
             {"PRAGMA application_id = 1364411478",
              "CREATE TABLE \"Place\" (\"id\" INTEGER, \"name\" TEXT, \"parent\" INTEGER, "
              "\"since\" TEXT, \"size\" REAL, \"code\" INTEGER, \"photo\" TEXT)",
              "INSERT INTO \"Place\" VALUES (1, 'Old', 0, '2024-03-05 00:00:00.0', 2.5, 7, "
              "'upload/noimage.jpg')"}) {
            QVERIFY2(query.exec(sql), sql);
        }
        db.close();
    }
    QSqlDatabase::removeDatabase("old");
    testing::ServeProcess server({"--model", writePlaceModel(dir, "字符串"), "--data", data});
    Http http(server.port());
    QCOMPARE(storedPlace(http, 1).value("code").toString(), "7");
    QCOMPARE(storedPlace(http, 1).value("size").toDouble(), 2.5);
    QCOMPARE(http.post("PlaceServlet", place({{"code", "007"}})).status, 200);
    QCOMPARE(http.post("PlaceServlet", place({{"code", "1e3"}})).status, 200);
    QCOMPARE(http.post("PlaceServlet", place({{"action", "update"}, {"id", "1"}, {"code", " 08"}}))
                 .status,
             200);
    QCOMPARE(storedPlace(http, 2).value("code").toString(), "007");
    QCOMPARE(storedPlace(http, 3).value("code").toString(), "1e3");
    QCOMPARE(storedPlace(http, 1).value("code").toString(), " 08");
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

// Every kind of query condition, on a model whose integer and float members are query members
// too: each query answers exactly the objects it asks for.
void ServerTest::queriesFindWhatTheyAskFor() {
    QTemporaryDir dir;
    QByteArray model = testing::readAll(QUILLMERE_SOURCE_DIR "/resources/demo/图书管理.json");
    for (const char* member : {"\"typeName\", \"type\": \"字符串\", \"length\": 20",
                               "\"borrowDays\", \"type\": \"整型\", \"length\": 0",
                               "\"price\", \"type\": \"浮点型\", \"length\": 0"}) {
        const qsizetype line = model.indexOf(member);
        QVERIFY(line > 0);
        const qsizetype query = model.indexOf("\"query\": false", line);
        model.replace(query, 14, "\"query\": true");
    }
    testing::writeAll(dir.filePath("model.json"), model);
    testing::ServeProcess server(
        {"--model", dir.filePath("model.json"), "--data", dir.filePath("data.db")});
    Http http(server.port());
    for (const auto& [name, days] : {std::pair{"Novel", "14"}, std::pair{"Poetry & Verse", "30"}}) {
        QCOMPARE(http.post("BookTypeServlet", bookType(name, days)).status, 200);
    }
    QCOMPARE(http.post("BookServlet", book("B-1")).status, 200);
    QCOMPARE(http.post("BookServlet", book("B-2", {{"bookType", "2"},
                                                   {"price", "8"},
                                                   {"publishDate", "2024-03-06 00:00:00.0"}}))
                 .status,
             200);
    const struct {
        const char* query;
        const char* keys;
    } queries[] = {
        {"BookTypeServlet?action=query&borrowDays=14", "1"},
        {"BookTypeServlet?action=query&borrowDays=0&typeName=", "1 2"},
        {"BookTypeServlet?action=query&borrowDays=15", ""},
        {"BookTypeServlet?action=query&typeName=verse", "2"},
        {"BookTypeServlet?action=query&typeName=NOVEL&borrowDays=30", ""},
        {"BookServlet?action=query&price=8.0", "B-2"},
        {"BookServlet?action=query&price=1.25E1", "B-1"},
        {"BookServlet?action=query&publishDate=2024-03-05%2000:00:00.0", "B-1"},
        {"BookServlet?action=query&publishDate=2024-03-06%2023:59:59", "B-2"},
        {"BookServlet?action=query&bookType=2", "B-2"},
        {"BookServlet?action=query&bookName=book%20b-2", "B-2"},
        {"BookServlet?action=query&barcode=B-", "B-1 B-2"},
    };
    static const QRegularExpression key("<(?:typeId|barcode)>([^<]*)</");
    for (const auto& query : queries) {
        const Reply answer = http.get(query.query);
        QStringList keys;
        for (const QRegularExpressionMatch& match : key.globalMatch(answer.body)) {
            keys.append(match.captured(1));
        }
        QVERIFY2(answer.status == 200 && keys.join(' ') == QLatin1String(query.keys),
                 qPrintable(QStringLiteral("%1: %2").arg(query.query, answer.body)));
    }
    QCOMPARE(server.interrupt(), 0);
}

// Only a picture whose header decodes is stored, under a name of its kind; only a stored
// picture's own name finds it: no name leads out of the folder or below it.
void ServerTest::picturesAreFoundOnlyInTheirFolder() {
    QTemporaryDir dir;
    const QByteArray png = testing::picture("png");
    const QByteArray jpeg = testing::picture("jpeg", 64);
    testing::writeAll(dir.filePath("secret.png"), png);
    testing::writeAll(dir.filePath("upload/inner/deep.png"), png);
    testing::writeAll(dir.filePath("upload/a.b.png"), png);
    const TPictureFolder pictures(dir.filePath("upload"), QString(), dir.filePath("data.db"));
    const struct {
        QByteArray bytes;
        const char* contentType;  // none: refused
    } kinds[] = {
        {testing::picture("jpeg"), "image/jpeg"},
        {png, "image/png"},
        {testing::picture("gif"), "image/gif"},
        {testing::picture("bmp"), "image/bmp"},
        {testing::picture("webp"), "image/webp"},
        {png + QByteArray(1000, '\0'), "image/png"},  // what follows the picture is its own
        {QByteArray("\xFF\xD8\xFF"), nullptr},
        {QByteArray("GIF8<svg><script>alert(1)</script></svg>"), nullptr},
        {png.left(16), nullptr},  // the signature without a complete header
        {jpeg.left(jpeg.size() / 8), nullptr},
        {QByteArray("BM-bitmap"), nullptr},
        {QByteArray("RIFF\x10\0\0\0WEBPVP8 ", 16), nullptr},
    };
    for (const auto& kind : kinds) {
        try {
            const QString stored = pictures.Store(kind.bytes).mid(QStringLiteral("upload/").size());
            const std::optional<TStoredPicture> found = pictures.Find(stored);
            QFile file;
            QVERIFY2(
                kind.contentType && found && found->contentType == kind.contentType &&
                    file.open(found->file, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle) &&
                    file.readAll() == kind.bytes,
                kind.bytes.left(12).toHex().constData());
        } catch (const TRequestError& refusal) {
            QVERIFY2(!kind.contentType && refusal.status == 415,
                     kind.bytes.left(12).toHex().constData());
        }
    }
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

// What `quillmere-cli serve` offers a developer besides the client's protocol: --seed, --reset,
// the browse page (also in a real headless browser), --help, and paths taken relative to the
// current directory.

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>

#include "TestSupport.h"
#include "server/HttpClient.h"
#include "server/Pictures.h"
#include "server/ServeProcess.h"

namespace {

using testing::everything;
using testing::Http;

const QString kDemoModel = QStringLiteral(QUILLMERE_SOURCE_DIR "/resources/demo/图书管理.json");

QJsonObject book(const QString& barcode, const QString& name, int type) {
    return {{"barcode", barcode},
            {"bookName", name},
            {"bookType", type},
            {"price", 12.5},
            {"count", 3},
            {"publishDate", "2024-03-05 10:20:30"},
            {"publish", "Press"},
            {"bookPhoto", "upload/noimage.jpg"},
            {"introduction", "a\nb & c"}};
}

// Classes in the file before those they refer to, so the seed has to order them itself.
QJsonObject demoSeed() {
    return {
        {"Loan", QJsonArray{QJsonObject{{"book", "B-1"},
                                        {"reader", "R-1"},
                                        {"borrowDate", "2024-03-05 10:20:30"},
                                        {"memo", ""}}}},
        {"Book", QJsonArray{book("B-1", "<script>alert(1)</script>", 1), book("B-2", "Second", 2)}},
        {"Reader", QJsonArray{QJsonObject{{"readerNo", "R-1"},
                                          {"readerName", "Reader"},
                                          {"sex", "F"},
                                          {"birthday", "2000-01-01 00:00:00"},
                                          {"telephone", "555"},
                                          {"readerPhoto", "upload/noimage.jpg"}}}},
        {"BookType", QJsonArray{QJsonObject{{"typeName", "Novel"}, {"borrowDays", 30}},
                                QJsonObject{{"typeName", "Poetry"}, {"borrowDays", 14}}}}};
}

QString writeSeed(const QTemporaryDir& dir, const QString& name, const QJsonObject& seed) {
    const QString path = dir.filePath(name);
    testing::writeAll(path, QJsonDocument(seed).toJson());
    return path;
}

}  // namespace

class ServeAidsTest : public QObject {
    Q_OBJECT

  private slots:
    void seedAddsAllOrNothing();
    void resetStartsFromEmptyData();
    void browsePageShowsTheData();
    void helpAndRelativePaths();
    void openToTheNetworkItListsAddresses();
};

void ServeAidsTest::seedAddsAllOrNothing() {
    QTemporaryDir dir;
    const QStringList arguments = {"--model", kDemoModel, "--data", dir.filePath("data.db")};
    QString seeded;
    {
        testing::ServeProcess server(
            arguments + QStringList{"--seed", writeSeed(dir, "seed.json", demoSeed())});
        Http http(server.port());
        seeded = everything(http);
        QCOMPARE(server.interrupt(), 0);
    }
    QCOMPARE(seeded.count("<Book>"), 2);
    QVERIFY2(seeded.contains("<Loan><loanId>1</loanId><book>B-1</book><reader>R-1</reader>") &&
                 seeded.contains("<typeId>2</typeId><typeName>Poetry</typeName>") &&
                 seeded.contains("<publishDate>2024-03-05 10:20:30.0</publishDate>"),
             qPrintable(seeded));

    QJsonObject dangling = demoSeed();
    dangling["Book"] = QJsonArray{book("B-3", "Third", 1), book("B-4", "Fourth", 9)};
    QJsonObject unknownMember = demoSeed();
    unknownMember["BookType"] = QJsonArray{QJsonObject{{"typeName", "X"}, {"days", 1}}};
    const struct {
        QString file;
        QString message;
    } refusals[] = {
        {writeSeed(dir, "dangling.json", dangling), "Book的第2个对象"},
        {writeSeed(dir, "unknown.json", unknownMember), "BookType没有成员days"},
        {writeSeed(dir, "again.json", demoSeed()), "已有图书条码为\"B-1\"的图书"},
        {writeSeed(dir, "class.json", {{"Nope", QJsonArray()}}), "\"Nope\""},
        {dir.filePath("missing.json"), "无法读取种子文件"},
    };
    for (const auto& refusal : refusals) {
        const testing::ProcessResult result = testing::runCli(
            QStringList{"serve", "--port", "0"} + arguments + QStringList{"--seed", refusal.file});
        QVERIFY2(result.exitCode == 1 && result.err.contains(refusal.message),
                 qPrintable(result.out + result.err));
    }
    testing::ServeProcess server(arguments);
    Http http(server.port());
    QCOMPARE(everything(http), seeded);
    QCOMPARE(server.interrupt(), 0);
}

void ServeAidsTest::resetStartsFromEmptyData() {
    QTemporaryDir dir;
    const QString data = dir.filePath("data.db");
    const QStringList arguments = {"--model", kDemoModel, "--data", data};
    {
        testing::ServeProcess server(
            arguments + QStringList{"--seed", writeSeed(dir, "seed.json", demoSeed())});
        Http http(server.port());
        QCOMPARE(http.upload(testing::picture("png").toStdString()).status, 200);
        QCOMPARE(server.interrupt(), 0);
    }
    const QString pictures = dir.filePath("upload");
    QCOMPARE(QDir(pictures).entryList(QDir::Files).size(), 1);

    // With --reset, a seed that add refuses is found before anything is deleted.
    QJsonObject dangling = demoSeed();
    dangling["Book"] = QJsonArray{book("B-9", "Ninth", 9)};
    const testing::ProcessResult noSeed =
        testing::runCli(QStringList{"serve", "--port", "0", "--reset", "--seed",
                                    writeSeed(dir, "dangling.json", dangling)} +
                        arguments);
    QVERIFY2(noSeed.exitCode == 1 && noSeed.err.contains("Book的第1个对象"),
             qPrintable(noSeed.err));
    QCOMPARE(QDir(pictures).entryList(QDir::Files).size(), 1);
    // A file that is not the server's is never deleted.
    const QString notes = dir.filePath("notes.db");
    testing::writeAll(notes, "notes");
    const testing::ProcessResult refused = testing::runCli(
        {"serve", "--model", kDemoModel, "--data", notes, "--reset", "--port", "0"});
    QVERIFY2(refused.exitCode == 1 && refused.err.contains("不是开发服务器的数据文件"),
             qPrintable(refused.err));
    QCOMPARE(testing::readAll(notes), QByteArray("notes"));

    testing::ServeProcess server(arguments + QStringList{"--reset"});
    Http http(server.port());
    QCOMPARE(everything(http).count("<typeId>"), 0);
    QVERIFY(QDir(pictures).entryList(QDir::Files).isEmpty());
    // Keys start again at 1.
    QCOMPARE(http.post("BookTypeServlet", testing::bookType("N", "1")).status, 200);
    QVERIFY(http.get("BookTypeServlet?action=query").body.contains("<typeId>1</typeId>"));
    QCOMPARE(server.interrupt(), 0);

    // What is in the picture folder's place but not the folder the server made stays, and so
    // does the data: a link (and the folder it leads to), or a folder of the user's.
    const QString elsewhere = dir.filePath("elsewhere");
    testing::writeAll(elsewhere + "/keep.png", "keep");
    QVERIFY(QDir(pictures).removeRecursively() && QFile::link(elsewhere, pictures));
    const QByteArray stored = testing::readAll(data);
    const testing::ProcessResult linked = testing::runCli(
        QStringList{"serve", "--port", "0", "--reset"} + arguments, QString(), 20000);
    QVERIFY2(linked.exitCode == 1 && linked.err.contains("不是开发服务器建立的图片文件夹"),
             qPrintable(linked.err));
    QCOMPARE(testing::readAll(elsewhere + "/keep.png"), QByteArray("keep"));
    QCOMPARE(QFileInfo(pictures).symLinkTarget(), QFileInfo(elsewhere).absoluteFilePath());
    QCOMPARE(testing::readAll(data), stored);

    const QString fresh = dir.filePath("h/new.db");
    testing::writeAll(dir.filePath("h/upload/thesis.docx"), "thesis");
    const testing::ProcessResult foreign =
        testing::runCli({"serve", "--model", kDemoModel, "--data", fresh, "--reset", "--port", "0"},
                        QString(), 20000);
    QVERIFY2(foreign.exitCode == 1 && foreign.err.contains("不是开发服务器建立的图片文件夹"),
             qPrintable(foreign.err));
    QCOMPARE(testing::readAll(dir.filePath("h/upload/thesis.docx")), QByteArray("thesis"));
}

void ServeAidsTest::browsePageShowsTheData() {
    QTemporaryDir dir;
    testing::ServeProcess server({"--model", kDemoModel, "--data", dir.filePath("data.db"),
                                  "--seed", writeSeed(dir, "seed.json", demoSeed())});
    Http http(server.port());
    const QString classes = http.get("").body;
    QVERIFY2(classes.contains("<a href=\"?class=Book\">图书</a><small> Book</small></td>"
                              "<td class=\"number\">2</td>"),
             qPrintable(classes));
    const QString books = http.get("?class=Book").body;
    QVERIFY2(books.contains("&lt;script&gt;alert(1)&lt;/script&gt;") &&
                 !books.contains("<script") && books.contains("<img src=\"upload/noimage.jpg\"") &&
                 books.contains("a\nb &amp; c"),
             qPrintable(books));
    QCOMPARE(http.get("?class=Nope").status, 404);
    QCOMPARE(testing::rawRequest(server.port(),
                                 "POST /JavaWebProject/ HTTP/1.1\r\nHost: 127.0.0.1\r\n"
                                 "Connection: close\r\nContent-Length: 0\r\n\r\n")
                 .status,
             405);

    const QString chromium = QStandardPaths::findExecutable("chromium");
    if (chromium.isEmpty()) {
        QSKIP("Debian's chromium is not installed");
    }
    const QString url = server.baseUrl() + "?class=Book";
    const QStringList browser = {"--headless", "--no-sandbox", "--disable-gpu",
                                 "--user-data-dir=" + dir.filePath("profile")};
    const testing::ProcessResult dom =
        testing::runProcess(chromium, browser + QStringList{"--dump-dom", url});
    QVERIFY2(dom.out.contains("<td class=\"text\">&lt;script&gt;alert(1)&lt;/script&gt;</td>") &&
                 dom.out.contains("<td class=\"text\">Second</td>"),
             qPrintable(dom.out + dom.err));
    const QString shot = dir.filePath("page.png");
    testing::runProcess(
        chromium, browser + QStringList{"--window-size=1200,600", "--screenshot=" + shot, url});
    QVERIFY(testing::readAll(shot).startsWith("\x89PNG"));
    QVERIFY(server.waitForLog(" GET /JavaWebProject/upload/noimage.jpg picture 200 "));
    QCOMPARE(server.interrupt(), 0);
}

void ServeAidsTest::helpAndRelativePaths() {
    for (const QString command :
         {"init-store", "generate", "generate-server", "export", "import", "serve"}) {
        for (const char* help : {"--help", "-h"}) {
            const testing::ProcessResult result = testing::runCli({command, help});
            QVERIFY2(result.exitCode == 0 && result.out.contains("quillmere-cli " + command) &&
                         result.out.contains("current directory") && result.err.isEmpty(),
                     qPrintable(command + ": " + result.out + result.err));
        }
    }
    const testing::ProcessResult all = testing::runCli({"--help"});
    QCOMPARE(all.exitCode, 0);
    QCOMPARE(all.out.count("quillmere-cli "), 7);

    QTemporaryDir here;
    QTemporaryDir home;
    QVERIFY(QFile::copy(kDemoModel, here.filePath("model.json")));
    testing::ServeProcess server(
        {"--model", "model.json", "--data", "d/data.db", "--home", home.path()}, here.path());
    QVERIFY2(server.port() != 0, qPrintable(server.output()));
    QVERIFY(QFile::exists(here.filePath("d/data.db")));
    QVERIFY(QDir(here.filePath("d/upload")).exists());
    QVERIFY(QDir(home.path()).isEmpty());
    QCOMPARE(server.interrupt(), 0);
}

// Bound to every address, the server names the addresses a phone can use instead of 0.0.0.0
// (no request is sent: the test talks to nothing but 127.0.0.1).
void ServeAidsTest::openToTheNetworkItListsAddresses() {
    QTemporaryDir dir;
    testing::ServeProcess serve(
        {"--model", kDemoModel, "--data", dir.filePath("data.db"), "--bind", "0.0.0.0"});
    QVERIFY2(serve.waitForLog("按Ctrl-C停止"), qPrintable(serve.output()));
    QCOMPARE(serve.interrupt(), 0);
    const QString output = serve.output();
    QVERIFY2(output.contains(QRegularExpression("^开发服务器\\(项目\"图书管理\"\\): "
                                                "http://0\\.0\\.0\\.0:\\d+/JavaWebProject/\\n")),
             qPrintable(output));
    static const QRegularExpression phone(
        "同一网络中的手机可用: http://([0-9.]+):\\d+/JavaWebProject/\\n");
    for (const QRegularExpressionMatch& address : phone.globalMatch(output)) {
        QVERIFY2(!address.captured(1).startsWith("127.") && address.captured(1).count('.') == 3,
                 qPrintable(output));
    }
}

QTEST_GUILESS_MAIN(ServeAidsTest)
#include "test_serve_aids.moc"

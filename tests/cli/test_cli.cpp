#include <QProcess>

#include "TestSupport.h"

using testing::M;

namespace {

struct Result {
    int status = -1;
    QString out;
    QString err;
};

Result runCli(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(QUILLMERE_APP_DIR "/quillmere-cli"), arguments);
    if (!process.waitForFinished(120000)) {
        return {};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

}  // namespace

class CommandLineTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { store_ = std::make_unique<testing::TempStore>(); }
    void cleanup() { store_.reset(); }

    void generateWritesAndReportsEachFile() {
        testing::TempAppFolder app;
        testing::seedProject(
            "Lib", {{"BookType",
                     {{.name = "typeId", .type = kTypeInteger, .key = true, .phone = true},
                      {.name = "typeName", .type = kTypeString, .display = true}}},
                    {"Book",
                     {{.name = "barcode",
                       .type = kTypeString,
                       .key = true,
                       .display = true,
                       .phone = true},
                      {.name = "bookType", .type = "BookType"}}}});
        TDbHelper::CloseConnection();
        const Result result = runCli(
            {"generate", "--project", "Lib", "--store", store_->path(), "--home", app.path()});
        QCOMPARE(result.err, QString());
        QCOMPARE(result.status, 0);
        const QStringList lines = result.out.split('\n', Qt::SkipEmptyParts);
        const QString root = "projects/Lib/安卓客户端/";
        QCOMPARE(lines.first(), root + "AndroidManifest.xml生成完成!");
        QCOMPARE(lines[1], root + "src/com/mobileclient/activity/MainMenuActivity生成完成!");
        QCOMPARE(lines[2], QString("正在移动资源文件。。。"));
        QCOMPARE(lines[8], QString("移动资源文件完毕!"));
        QVERIFY(lines.contains(root + "src/com/mobileclient/domain/BookType.java生成完成!"));
        QCOMPARE(lines.last(), QString("所有代码生成完毕!"));
        const QByteArray domain =
            testing::readAll(app.output("Lib") + "/src/com/mobileclient/domain/Book.java");
        QVERIFY(domain.contains("private int bookType;\r\n"));
        QVERIFY(domain.endsWith("}"));

        const Result byId = runCli({"generate", "--project-id", "1", "--store", store_->path(),
                                    "--home", app.path(), "--package", "org.example"});
        QCOMPARE(byId.status, 0);
        QCOMPARE(byId.out, result.out);
    }

    void aFailingCheckExitsWithThreeAndWritesNothing() {
        testing::TempAppFolder app;
        testing::seedProject(
            "Lib",
            {{"Book", {{.name = "barcode", .type = kTypeString, .display = true, .phone = true}}}});
        TDbHelper::CloseConnection();
        const Result result = runCli(
            {"generate", "--project", "Lib", "--store", store_->path(), "--home", app.path()});
        QCOMPARE(result.status, 3);
        QCOMPARE(result.out, QString());
        QCOMPARE(result.err, QString("Book表主键设置错误，每个类只能设置一个主键!\n"));
        QVERIFY(!QDir(app.path() + "/projects").exists());
    }

    void failuresAndUsageErrors() {
        testing::TempAppFolder app;
        testing::seedProject("Twice", {});
        testing::seedProject("Twice", {});
        TDbHelper::CloseConnection();
        const QStringList store = {"--store", store_->path(), "--home", app.path()};
        QCOMPARE(runCli(QStringList{"generate", "--project", "Nope"} + store).status, 1);
        QCOMPARE(runCli(QStringList{"generate", "--project", "Twice"} + store).status, 1);
        QCOMPARE(runCli(QStringList{"generate", "--project-id", "99"} + store).status, 1);
        QCOMPARE(
            runCli({"generate", "--project", "Twice", "--store", app.path() + "/none.db"}).status,
            1);
        QCOMPARE(runCli({}).status, 2);
        QCOMPARE(runCli({"frobnicate"}).status, 2);
        QCOMPARE(runCli(QStringList{"generate"} + store).status, 2);
        QCOMPARE(
            runCli(QStringList{"generate", "--project", "A", "--project-id", "1"} + store).status,
            2);
        QCOMPARE(runCli({"generate", "--project"}).status, 2);
        QCOMPARE(runCli(QStringList{"generate", "--project-id", "x"} + store).status, 2);
        QVERIFY(!QDir(app.path() + "/projects").exists());
    }

    void initStoreCreatesAnEmptyStoreOnce() {
        testing::TempAppFolder app;
        const QString path = app.path() + "/new.db";
        QCOMPARE(runCli({"init-store", "--store", path}).status, 0);
        TDbHelper::SetStorePath(path);
        QVERIFY(TProjectDAO().ListProjects().isEmpty());
        TDbHelper::CloseConnection();
        QFile notAStore(app.path() + "/notes.db");
        QVERIFY(notAStore.open(QIODevice::WriteOnly));
        notAStore.write("plain text");
        notAStore.close();
        QCOMPARE(runCli({"init-store", "--store", notAStore.fileName()}).status, 1);
        QCOMPARE(testing::readAll(notAStore.fileName()), QByteArray("plain text"));
        // A relative store path is taken inside the app folder, not the current directory.
        QCOMPARE(runCli({"init-store", "--home", app.path(), "--store", "rel.db"}).status, 0);
        QVERIFY(QFile::exists(app.path() + "/rel.db"));
    }

  private:
    std::unique_ptr<testing::TempStore> store_;
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "test_cli.moc"

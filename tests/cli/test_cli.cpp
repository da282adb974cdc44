#include <QProcess>

#include "TestSupport.h"
#include "store/ModelFile.h"

using testing::M;

using Result = testing::CliResult;
const auto runCli = testing::runCliStreams;

namespace {

const QString kDemoFile = QStringLiteral(QUILLMERE_SOURCE_DIR "/resources/demo/图书管理.json");
const QString kEdgeFile = QStringLiteral(QUILLMERE_TEST_DATA "/edge-model.json");

// Every file a run wrote below the app folder's projects/, by relative path.
QMap<QString, QByteArray> outputTree(const QString& appFolder) {
    return testing::treeOf(appFolder + "/projects");
}

QString writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        qFatal("cannot write %s", qPrintable(path));
    }
    return path;
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
        QCOMPARE(runCli(QStringList{"generate", "--model", "m.json"} + store).status, 2);
        QCOMPARE(runCli({"generate", "--model", "m.json", "--project", "A"}).status, 2);
        QCOMPARE(runCli({"import", "a.json", "b.json"}).status, 2);
        QCOMPARE(runCli({"export", "--store", store_->path()}).status, 2);
        QCOMPARE(runCli({"import", kEdgeFile, "--store", app.path() + "/none.db"}).status, 1);
        QVERIFY(!QFile::exists(app.path() + "/none.db"));
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

    // export(import(file)) is the file itself, and a run from the file writes what a run from
    // the store writes.
    void modelFilesRoundTripAndGenerateLikeTheStore_data() {
        QTest::addColumn<QString>("file");
        QTest::newRow("demo") << kDemoFile;
        QTest::newRow("edge") << kEdgeFile;
    }
    void modelFilesRoundTripAndGenerateLikeTheStore() {
        QFETCH(QString, file);
        const QString name = ReadModelFile(file).projectName;
        const QStringList store = {"--store", store_->path()};
        QCOMPARE(runCli(QStringList{"init-store"} + store).status, 0);
        QCOMPARE(runCli(QStringList{"import", file} + store).status, 0);
        const Result exported = runCli(QStringList{"export", "--project", name} + store);
        QCOMPARE(exported.out.toUtf8(), testing::readAll(file));

        testing::TempAppFolder fromStore, fromFile;
        const Result storeRun =
            runCli(QStringList{"generate", "--project", name, "--home", fromStore.path()} + store);
        const Result fileRun = runCli({"generate", "--model", file, "--home", fromFile.path()});
        QCOMPARE(fileRun.status, 0);
        QCOMPARE(fileRun.out, storeRun.out);
        const auto tree = outputTree(fromFile.path());
        QVERIFY(tree.size() > 20);
        QVERIFY(tree == outputTree(fromStore.path()));
    }

    void importRefusesAProjectOfTheSameNameUnlessReplacing() {
        const QStringList store = {"--store", store_->path()};
        QCOMPARE(runCli(QStringList{"init-store"} + store).status, 0);
        QCOMPARE(runCli(QStringList{"import", kEdgeFile} + store).status, 0);
        QCOMPARE(runCli(QStringList{"import", kDemoFile} + store).status, 0);
        const QByteArray before = testing::readAll(store_->path());
        const Result again = runCli(QStringList{"import", kDemoFile} + store);
        QCOMPARE(again.status, 1);
        QVERIFY2(again.err.contains("--replace"), qPrintable(again.err));
        QCOMPARE(testing::readAll(store_->path()), before);

        // Fewer classes and a changed member: nothing of the old classes may remain.
        QByteArray changed = testing::readAll(kDemoFile);
        changed.truncate(changed.indexOf("    {\n      \"name\": \"Loan\""));
        changed.chop(2);
        changed.append("\n  ]\n}\n");
        changed.replace("可借阅天数", "借阅天数");
        const QString changedFile = writeFile(store_->folder() + "/changed.json", changed);
        const Result replaced = runCli(QStringList{"import", changedFile, "--replace"} + store);
        QCOMPARE(replaced.status, 0);
        QCOMPARE(replaced.out, ModelImportedText(ReadModelFile(changedFile), {true, 2}) + "\n");
        QCOMPARE(runCli(QStringList{"export", "--project", "图书管理"} + store).out.toUtf8(),
                 changed);
        const QString edgeName = ReadModelFile(kEdgeFile).projectName;
        QCOMPARE(runCli(QStringList{"export", "--project", edgeName} + store).out.toUtf8(),
                 testing::readAll(kEdgeFile));
        TDbHelper::SetStorePath(store_->path());
        QCOMPARE(TMemberDAO().ListProjectMembers(2).size(), 18);
        QCOMPARE(TDbHelper().QueryInt({"select count(*) from t_member", {}}), 11 + 18);
    }

    // Each kind of bad file is refused by import and by generate with a message that names
    // the place and the value; neither the store nor the output folder changes.
    void badModelFilesChangeNothing_data() {
        QTest::addColumn<QByteArray>("from");
        QTest::addColumn<QByteArray>("to");
        QTest::addColumn<QString>("message");
        QTest::newRow("malformed") << QByteArray("\"图书管理\",") << QByteArray("\"图书管理\"")
                                   << "不是合法的JSON: 第4行第4列";
        QTest::newRow("wrong value")
            << QByteArray(
                   "\"dropDown\": true, \"queryScreen\": true, \"phoneList\": true, "
                   "\"comment\": \"图书名称\"")
            << QByteArray(
                   "\"dropDown\": 1, \"queryScreen\": true, \"phoneList\": true, "
                   "\"comment\": \"图书名称\"")
            << "第2个类\"Book\"的第2个成员\"bookName\": 字段\"dropDown\"的值1不对";
        QTest::newRow("missing field")
            << QByteArray("\"typeName\", \"type\": \"字符串\", \"length\": 20, ")
            << QByteArray("\"typeName\", \"type\": \"字符串\", ")
            << "第1个类\"BookType\"的第2个成员\"typeName\": 缺少字段\"length\"";
        QTest::newRow("unknown field")
            << QByteArray("\"frontShow\": true") << QByteArray("\"frontShow\": true, \"x\": 0")
            << "第1个类\"BookType\": 未知字段\"x\"";
        QTest::newRow("unknown type")
            << QByteArray("\"type\": \"Reader\"") << QByteArray("\"type\": \"布尔型\"")
            << "第4个类\"Loan\"的第3个成员\"reader\": 未知的成员类型\"布尔型\"";
        QTest::newRow("newer version") << QByteArray("\"formatVersion\": 1")
                                       << QByteArray("\"formatVersion\": 2") << "格式版本为2";
    }
    void badModelFilesChangeNothing() {
        QFETCH(QByteArray, from);
        QFETCH(QByteArray, to);
        QFETCH(QString, message);
        const QByteArray demo = testing::readAll(kDemoFile);
        QVERIFY(demo.contains(from));
        const QString bad =
            writeFile(store_->folder() + "/bad.json", QByteArray(demo).replace(from, to));
        QCOMPARE(runCli({"init-store", "--demo", "--store", store_->path()}).status, 0);
        const QByteArray before = testing::readAll(store_->path());
        const Result imported = runCli({"import", bad, "--replace", "--store", store_->path()});
        QCOMPARE(imported.status, 1);
        QCOMPARE(imported.out, QString());
        QVERIFY2(imported.err.startsWith("模型文件" + bad + ": ") && imported.err.contains(message),
                 qPrintable(imported.err));
        QCOMPARE(testing::readAll(store_->path()), before);
        testing::TempAppFolder app;
        const Result generated = runCli({"generate", "--model", bad, "--home", app.path()});
        QCOMPARE(generated.status, 1);
        QCOMPARE(generated.err, imported.err);
        QVERIFY(!QDir(app.path() + "/projects").exists());
    }

  private:
    std::unique_ptr<testing::TempStore> store_;
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "test_cli.moc"

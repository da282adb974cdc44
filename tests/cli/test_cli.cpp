// quillmere-cli: what generate prints and its exit statuses, init-store and its refusals.

#include "Models.h"
#include "generation/ModelChecks.h"
#include "store/ModelFile.h"

using testing::runCli;

namespace {

const QString kDemoFile = QStringLiteral(QUILLMERE_SOURCE_DIR "/resources/demo/图书管理.json");
const QString kEdgeFile = QStringLiteral(QUILLMERE_TEST_DATA "/edge-model.json");

}  // namespace

class CommandLineTest : public QObject {
    Q_OBJECT

  private slots:
    void exitStatuses_data() {
        testing::addTableRows("cli-exit-statuses.tsv", {"status", "arguments"});
    }
    void exitStatuses() {
        QFETCH(QString, status);
        QFETCH(QString, arguments);
        testing::TempAppFolder app;
        {
            testing::TempStore store;
            testing::seedModel(testing::ProjectBuilder("Twice").build());
            testing::seedModel(testing::ProjectBuilder("Twice").build());
            testing::seedModel(
                testing::ProjectBuilder("Bad").cls("Book", "图书", {"id 整型 -"}).build());
            TDbHelper::CloseConnection();
            QVERIFY(QFile::copy(store.path(), app.path() + "/projects.db"));
        }
        testing::writeAll(app.path() + "/empty.db", QByteArray());
        const QByteArray storeBefore = testing::readAll(app.path() + "/projects.db");
        // Relative file names are taken in the current directory, here the app folder.
        const QStringList words =
            arguments.split(' ', Qt::SkipEmptyParts)
                .replaceInStrings(QRegularExpression("^\\{edge\\}$"), kEdgeFile);
        const testing::ProcessResult result =
            runCli(words + QStringList{"--home", app.path()}, app.path());
        QCOMPARE(QString::number(result.exitCode), status);
        QCOMPARE(result.out, QString());
        QVERIFY(!result.err.isEmpty());
        if (status == "3") {
            QCOMPARE(result.err, QString("Book表主键设置错误，每个类只能设置一个主键!\n"));
        }
        QVERIFY(!QDir(app.path() + "/projects").exists());
        QCOMPARE(testing::readAll(app.path() + "/projects.db"), storeBefore);
        QVERIFY(!QFile::exists(app.path() + "/none.db"));
        QCOMPARE(QFileInfo(app.path() + "/empty.db").size(), 0);
    }

    // Each project of a store is its own app: the default ids differ (also for names that differ
    // only in case, or that hold no ASCII), and --package replaces the id.
    void eachProjectIsItsOwnApp() {
        testing::TempAppFolder app;
        const QStringList names = {"Lib", "lib", "图书", "图书 2"};
        {
            testing::TempStore store;
            for (const QString& name : names) {
                testing::seedModel(testing::ProjectBuilder(name).build());
            }
            TDbHelper::CloseConnection();
            QVERIFY(QFile::copy(store.path(), app.path() + "/projects.db"));
        }
        const QRegularExpression idLine("applicationId = '([^']*)'");
        QStringList ids;
        for (const QString& name : names) {
            QCOMPARE(runCli({"generate", "--project", name, "--home", app.path()}).exitCode, 0);
            const QString gradle = testing::readAll(app.output(name) + "/build.gradle");
            const QString id = idLine.match(gradle).captured(1);
            QVERIFY2(FindApplicationIdProblem(id).isEmpty(), qPrintable(id));
            QVERIFY2(!ids.contains(id), qPrintable(id));
            ids << id;
        }
        QCOMPARE(runCli({"generate", "--project", "Lib", "--home", app.path(), "--package",
                         "org.example.library_2"})
                     .exitCode,
                 0);
        QCOMPARE(idLine.match(testing::readAll(app.output("Lib") + "/build.gradle")).captured(1),
                 QString("org.example.library_2"));
    }

    // init-store makes an empty store once; --demo refuses any existing file, store or not.
    void initStoreRefusesWhatItWouldSpoil() {
        testing::TempAppFolder app;
        QCOMPARE(runCli({"init-store", "--store", "rel.db"}, app.path()).exitCode, 0);
        const QString store = app.path() + "/rel.db";  // relative to the current directory
        QCOMPARE(runCli({"init-store", "--store", store}).exitCode, 0);
        const QString notes = app.path() + "/notes.db";
        testing::writeAll(notes, "plain text");
        for (const QString& existing : {store, notes}) {
            const QByteArray before = testing::readAll(existing);
            const testing::ProcessResult demo =
                runCli({"init-store", "--demo", "--store", existing});
            QCOMPARE(demo.exitCode, 1);
            QVERIFY2(demo.err.contains(existing), qPrintable(demo.err));
            QCOMPARE(testing::readAll(existing), before);
        }
        QCOMPARE(runCli({"init-store", "--store", notes}).exitCode, 1);
        QCOMPARE(testing::readAll(notes), QByteArray("plain text"));
        TDbHelper::SetStorePath(store);
        QVERIFY(TProjectDAO().ListProjects().isEmpty());
        TDbHelper::CloseConnection();
    }

    // export(import(file)) is the file itself, and a run from the file writes what a run from
    // the store writes; standard output is the run's progress, as the golden tree of the demo
    // project records it.
    void modelFilesRoundTripAndGenerateLikeTheStore_data() {
        QTest::addColumn<QString>("file");
        QTest::newRow("demo") << kDemoFile;
        QTest::newRow("edge") << kEdgeFile;
    }
    void modelFilesRoundTripAndGenerateLikeTheStore() {
        QFETCH(QString, file);
        testing::TempStore temp;
        const QString name = ReadModelFile(file).projectName;
        const QStringList store = {"--store", temp.path()};
        QCOMPARE(runCli(QStringList{"init-store"} + store).exitCode, 0);
        QCOMPARE(runCli(QStringList{"import", file} + store).exitCode, 0);
        const testing::ProcessResult exported =
            runCli(QStringList{"export", "--project", name} + store);
        QCOMPARE(exported.out.toUtf8(), testing::readAll(file));

        testing::TempAppFolder fromStore, fromFile;
        const testing::ProcessResult storeRun =
            runCli(QStringList{"generate", "--project", name, "--home", fromStore.path()} + store);
        const testing::ProcessResult fileRun =
            runCli({"generate", "--model", file, "--home", fromFile.path()});
        QCOMPARE(fileRun.exitCode, 0);
        QCOMPARE(fileRun.out, storeRun.out);
        if (file == kDemoFile) {
            QCOMPARE(storeRun.out, testing::goldenProgress("demo").join('\n') + '\n');
        }
        const auto tree = testing::treeOf(fromFile.path() + "/projects");
        QVERIFY(tree.size() > 20);
        QVERIFY(tree == testing::treeOf(fromStore.path() + "/projects"));
    }

    // generate-server checks the backend's template project before writing, then writes the
    // backend's folder alone, with the client run's lines.
    void generateServerWritesTheBackendFolder() {
        testing::TempAppFolder app;
        const QString model = testing::writeModelFile(
            app.path() + "/lib.json",
            testing::ProjectBuilder("Lib").cls("A", "甲", {"k 字符串 KDP"}).build());
        const QString templateProject = app.path() + "/bak/JavaWebProject";
        QDir(templateProject).removeRecursively();
        const QStringList arguments = {"generate-server", "--model", model, "--home", app.path()};
        const testing::ProcessResult missing = runCli(arguments);
        QCOMPARE(missing.exitCode, 1);
        QVERIFY2(missing.err.contains(templateProject + "/src"), qPrintable(missing.err));
        QVERIFY(!QDir(app.path() + "/projects").exists());

        testing::writeAll(templateProject + "/src/main/webapp/index.html", "<p>Lib</p>\n");
        const testing::ProcessResult written = runCli(arguments);
        QCOMPARE(written.exitCode, 0);
        QVERIFY2(written.out.startsWith("正在移动资源文件。。。\n"
                                        "移动projects/Lib/JavaWebProject/src文件夹完毕！\n"
                                        "移动资源文件完毕!\n") &&
                     written.out.endsWith("pom.xml生成完成!\n所有代码生成完毕!\n"),
                 qPrintable(written.out));
        const QStringList files = testing::filesBelow(app.path() + "/projects/Lib");
        QVERIFY(files.contains(".quillmere/JavaWebProject/record"));
        QVERIFY(files.contains("JavaWebProject/src/main/webapp/index.html"));
        QVERIFY(
            files.contains("JavaWebProject/src/main/java/com/mobileclient/servlet/AServlet.java"));
    }

    void importRefusesAProjectOfTheSameNameUnlessReplacing() {
        testing::TempStore temp;
        const QStringList store = {"--store", temp.path()};
        QCOMPARE(runCli(QStringList{"init-store"} + store).exitCode, 0);
        QCOMPARE(runCli(QStringList{"import", kEdgeFile} + store).exitCode, 0);
        QCOMPARE(runCli(QStringList{"import", kDemoFile} + store).exitCode, 0);
        const QByteArray before = testing::readAll(temp.path());
        const testing::ProcessResult again = runCli(QStringList{"import", kDemoFile} + store);
        QCOMPARE(again.exitCode, 1);
        QVERIFY2(again.err.contains("--replace"), qPrintable(again.err));
        QCOMPARE(testing::readAll(temp.path()), before);

        // Fewer classes and a changed member: nothing of the old classes may remain.
        QByteArray changed = testing::readAll(kDemoFile);
        changed.truncate(changed.indexOf("    {\n      \"name\": \"Loan\""));
        changed.chop(2);
        changed.append("\n  ]\n}\n");
        changed.replace("可借阅天数", "借阅天数");
        const QString changedFile = temp.folder() + "/changed.json";
        testing::writeAll(changedFile, changed);
        const testing::ProcessResult replaced =
            runCli(QStringList{"import", changedFile, "--replace"} + store);
        QCOMPARE(replaced.exitCode, 0);
        QCOMPARE(replaced.out, ModelImportedText(ReadModelFile(changedFile), {true, 2}) + "\n");
        QCOMPARE(runCli(QStringList{"export", "--project", "图书管理"} + store).out.toUtf8(),
                 changed);
        const QString edgeName = ReadModelFile(kEdgeFile).projectName;
        QCOMPARE(runCli(QStringList{"export", "--project", edgeName} + store).out.toUtf8(),
                 testing::readAll(kEdgeFile));
        QCOMPARE(TMemberDAO().ListProjectMembers(2).size(), 18);
        QCOMPARE(TDbHelper().QueryInt({"select count(*) from t_member", {}}), 11 + 18);
    }

    // Each kind of bad file is refused by import and by generate with a message that names
    // the place and the value; neither the store nor the output folder changes.
    void badModelFilesChangeNothing_data() {
        testing::addTableRows("bad-model-files.tsv", {"from", "to", "message"});
    }
    void badModelFilesChangeNothing() {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QString, message);
        testing::TempStore temp;
        const QByteArray demo = testing::readAll(kDemoFile);
        QVERIFY(demo.contains(from.toUtf8()));
        const QString bad = temp.folder() + "/bad.json";
        testing::writeAll(bad, QByteArray(demo).replace(from.toUtf8(), to.toUtf8()));
        QCOMPARE(runCli({"init-store", "--demo", "--store", temp.path()}).exitCode, 0);
        const QByteArray before = testing::readAll(temp.path());
        const testing::ProcessResult imported =
            runCli({"import", bad, "--replace", "--store", temp.path()});
        QCOMPARE(imported.exitCode, 1);
        QCOMPARE(imported.out, QString());
        QVERIFY2(imported.err.startsWith("模型文件" + bad + ": ") && imported.err.contains(message),
                 qPrintable(imported.err));
        QCOMPARE(testing::readAll(temp.path()), before);
        testing::TempAppFolder app;
        const testing::ProcessResult generated =
            runCli({"generate", "--model", bad, "--home", app.path()});
        QCOMPARE(generated.exitCode, 1);
        QCOMPARE(generated.err, imported.err);
        QVERIFY(!QDir(app.path() + "/projects").exists());
    }

    // A store flag counts as yes only when it is 1: so the model file says, and so it reads back.
    void aStoreFlagOtherThanOneIsNo() {
        testing::TempStore temp;
        testing::seedModel(testing::ProjectBuilder("P")
                               .cls("Book", "图书", {"id 整型 KDP", "title 字符串 -"})
                               .build());
        TMember title = TMemberDAO().ListMembers(1).last();
        title.memberIsMust = title.queryFlag = title.memberIsDisplay = 2;
        title.memberQueryDisplay = title.androidDisplay = title.memberIsPri = -1;
        TMemberDAO().UpdateMember(title);
        TDbHelper::CloseConnection();
        const QString model = runCli({"export", "--project", "P", "--store", temp.path()}).out;
        const QString line = model.split('\n').filter("\"title\"").value(0);
        QVERIFY2(line.contains("\"key\": false") && !line.contains("true"), qPrintable(model));
    }

    // Standard output on a full disk: every command that prints says so and fails, even where
    // all else went well.
    void aFullStandardOutputIsAFailure() {
        testing::TempAppFolder app;
        const QString store = app.path() + "/projects.db";
        QCOMPARE(runCli({"init-store", "--demo", "--store", store}).exitCode, 0);
        const QStringList commands[] = {
            {"export", "--project", "图书管理", "--store", store},
            {"init-store", "--store", app.path() + "/other.db"},
            {"generate", "--project", "图书管理", "--home", app.path()},
            {"import", kEdgeFile, "--store", store},
            {"serve", "--model", kDemoFile, "--port", "0", "--data", app.path() + "/data.db"},
        };
        for (const QStringList& command : commands) {
            QProcess process;
            process.setStandardOutputFile("/dev/full");
            process.start(QUILLMERE_APP_DIR "/quillmere-cli", command);
            QVERIFY(process.waitForFinished(120000));
            const QString err = QString::fromUtf8(process.readAllStandardError());
            QVERIFY2(process.exitCode() == 1 && err.contains("无法写入标准输出"),
                     qPrintable(command.first() + ": " + err));
        }
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "test_cli.moc"

// Regeneration of the demo project after the user edited its files and the model changed:
// edits kept, stale files gone, conflicts reported, --overwrite, one run at a time, and runs
// stopped anywhere (or killed) finished by the next.

#include <QLockFile>
#include <QStringEncoder>

#include "TestSupport.h"
#include "generation/AutoCode.h"
#include "store/DemoProject.h"

namespace {

const QString kAppDir = QStringLiteral(QUILLMERE_APP_DIR);
const QString kHttpUtil = QStringLiteral("src/com/mobileclient/util/HttpUtil.java");
const QString kBookAdd = QStringLiteral("src/com/mobileclient/activity/BookAddActivity.java");
const QString kBookDomain = QStringLiteral("src/com/mobileclient/domain/Book.java");

QByteArray gbk(const QString& text) {
    return QStringEncoder("GBK").encode(text);
}

// The user's two edits: the server's address, and a method of their own in the add screen.
QByteArray withServerAddress(QByteArray httpUtil) {
    return httpUtil.replace("http://10.0.2.2:8080/JavaWebProject/", "http://192.168.1.5/lib/");
}
QByteArray withOwnMethod(QByteArray screen) {
    const qsizetype lastBrace = screen.lastIndexOf('}');
    return screen.insert(lastBrace, "\tprivate int twice(int x) {\r\n\t\treturn 2 * x;\r\n\t}\r\n");
}
void editUserFiles(const QString& out) {
    testing::writeAll(out + "/" + kHttpUtil,
                      withServerAddress(testing::readAll(out + "/" + kHttpUtil)));
    testing::writeAll(out + "/" + kBookAdd, withOwnMethod(testing::readAll(out + "/" + kBookAdd)));
}
testing::Tree withUserEdits(testing::Tree tree) {
    tree[kHttpUtil] = withServerAddress(tree[kHttpUtil]);
    tree[kBookAdd] = withOwnMethod(tree[kBookAdd]);
    return tree;
}

void useStore(const QString& path) {
    TDbHelper::CloseConnection();
    TDbHelper::SetStorePath(path);
}

void addBookMember(const QString& name) {
    TMember member;
    member.projectId = 1;
    member.classId = TClassDAO().GetClassId(1, "Book");
    testing::fillMember(member, {.name = name, .type = kTypeInteger});
    TMemberDAO().AddMember(member);
}

// The demo project as it comes (0); with a member added to Book, BookType's display member
// renamed and class Loan deleted (1); and with one more member of Book (2).
void createDemoStore(const QString& path, int changes) {
    useStore(path);
    CreateDemoProject();
    if (changes >= 1) {
        addBookMember("pages");
        TMember display = *TMemberDAO().GetDisplayMemberOf(1, "BookType");
        display.memberName = "typeTitle";
        TMemberDAO().UpdateMember(display);
        TClassDAO().DeleteClass(TClassDAO().GetClassId(1, "Loan"));
    }
    if (changes >= 2) {
        addBookMember("edition");
    }
    TDbHelper::CloseConnection();
}

class Demo {
  public:
    testing::TempAppFolder app;

    Demo() { createDemoStore(store(), 0); }
    QString out() const { return app.output(DemoProjectName()); }
    QString store() const { return app.path() + "/projects.db"; }
    QStringList generateArguments(const QStringList& extra = {}) const {
        return QStringList{"generate", "--project", DemoProjectName(), "--home", app.path()} +
               extra;
    }
    testing::CliResult generate(const QStringList& extra = {}) const {
        return testing::runCli(generateArguments(extra));
    }
    void changeModel() const {
        const QString changed = app.path() + "/changed.db";
        createDemoStore(changed, 1);
        QFile::remove(store());
        QFile::rename(changed, store());
    }
    // What a run of the current model writes into a fresh folder.
    testing::Tree freshTree() const {
        testing::TempAppFolder fresh;
        const testing::CliResult result =
            testing::runCli({"generate", "--project", DemoProjectName(), "--home", fresh.path(),
                             "--store", store()});
        return result.status == 0 ? testing::treeOf(fresh.output(DemoProjectName()))
                                  : testing::Tree();
    }
    QString treeDifference(const testing::Tree& expected) const {
        return testing::firstDifference(testing::treeOf(out()), expected);
    }
};

// Stops the run by an error at the given progress line (0: never).
class StoppingHost : public TGenerationHost {
  public:
    explicit StoppingHost(int stopAt = 0) : stopAt_(stopAt) {}
    bool completed = false;

    void AppendProgress(const QString&) override {
        if (++lines_ == stopAt_) {
            throw TError("stopped");
        }
    }
    void Notice(int message, qint32, const QString&) override {
        completed = message == kNoticeCompleted;
    }
    void RunFailed(const QString&) override {}

  private:
    int stopAt_;
    int lines_ = 0;
};

}  // namespace

class KeepEditsTest : public QObject {
    Q_OBJECT

  private slots:
    void editsSurviveAModelChangeAndStaleFilesGo() {
        Demo demo;
        QCOMPARE(demo.generate().status, 0);
        editUserFiles(demo.out());
        demo.changeModel();

        const testing::CliResult result = demo.generate();
        QCOMPARE(result.err, QString());
        QCOMPARE(result.status, 0);
        const QString root = "projects/" + DemoProjectName() + "/安卓客户端/";
        const QStringList lines = {kHttpUtil + "保留手工修改!", kBookAdd + "合并完成!",
                                   "res/layout/loan_add.xml删除完成!",
                                   "src/com/mobileclient/domain/Loan.java删除完成!"};
        for (const QString& line : lines) {
            QVERIFY2(result.out.contains(root + line + "\n"), qPrintable(line));
        }
        const testing::Tree fresh = demo.freshTree();
        QVERIFY(fresh.value(kBookAdd).contains("ET_pages"));
        QCOMPARE(demo.treeDifference(withUserEdits(fresh)), QString());

        QProcess verify;
        verify.setProcessChannelMode(QProcess::MergedChannels);
        verify.start(QStringLiteral(QUILLMERE_SOURCE_DIR "/tools/verify-android-project"),
                     {demo.out()});
        QVERIFY(verify.waitForFinished(300000));
        QVERIFY2(verify.exitCode() == 0, verify.readAll().constData());

        QCOMPARE(demo.generate({"--overwrite"}).status, 0);
        QCOMPARE(demo.treeDifference(fresh), QString());
    }

    void changesToTheSameLinesAreAConflict() {
        Demo demo;
        QCOMPARE(demo.generate().status, 0);
        const QString domain = demo.out() + "/" + kBookDomain;
        testing::writeAll(domain,
                          testing::readAll(domain).replace(gbk("/*图书名称*/"), gbk("/*书名*/")));
        useStore(demo.store());
        TMember name = *TMemberDAO().GetDisplayMemberOf(1, "Book");
        name.memberComment = "图书的正式名称";
        TMemberDAO().UpdateMember(name);
        TDbHelper::CloseConnection();

        const testing::CliResult result = demo.generate();
        QCOMPARE(result.status, 4);
        const QString listed = "projects/" + DemoProjectName() + "/安卓客户端/" + kBookDomain;
        QVERIFY2(result.err.split('\n').contains(listed), qPrintable(result.err));
        QVERIFY(result.out.contains(listed + "合并冲突!\n"));
        const QByteArray expected = gbk(
            "<<<<<<< your changes\r\n    /*书名*/\r\n||||||| last generated\r\n"
            "    /*图书名称*/\r\n=======\r\n    /*图书的正式名称*/\r\n>>>>>>> generated now\r\n");
        QVERIFY2(testing::readAll(domain).contains(expected), testing::readAll(domain).constData());
    }

    void aSecondRunOfTheProjectIsRefusedAtOnce() {
        Demo demo;
        const QString records = demo.app.path() + "/projects/" + DemoProjectName() + "/.quillmere";
        QDir().mkpath(records);
        {
            QLockFile running(records + "/lock");
            QVERIFY(running.tryLock(0));
            const testing::CliResult refused = demo.generate();
            QCOMPARE(refused.status, 1);
            QVERIFY2(refused.err.contains("正由另一个生成任务写入"), qPrintable(refused.err));
            QVERIFY(!QDir(demo.out()).exists());
        }
        // Two runs started together: each either completes or is refused; the tree is whole.
        QProcess first;
        QProcess second;
        first.start(kAppDir + "/quillmere-cli", demo.generateArguments());
        second.start(kAppDir + "/quillmere-cli", demo.generateArguments());
        QVERIFY(first.waitForFinished(60000) && second.waitForFinished(60000));
        for (QProcess* run : {&first, &second}) {
            const QString err = QString::fromUtf8(run->readAllStandardError());
            QVERIFY2(
                run->exitCode() == 0 || (run->exitCode() == 1 && err.contains("另一个生成任务")),
                qPrintable(err));
        }
        QCOMPARE(demo.generate().status, 0);
        QCOMPARE(demo.treeDifference(demo.freshTree()), QString());
    }

    void aKilledRunIsFinishedByTheNext() {
        Demo demo;
        QCOMPARE(demo.generate().status, 0);
        editUserFiles(demo.out());
        demo.changeModel();
        QProcess run;
        run.start(kAppDir + "/quillmere-cli", demo.generateArguments());
        QByteArray seen;
        while (!seen.contains("移动资源文件完毕!") && run.waitForReadyRead(60000)) {
            seen += run.readAllStandardOutput();
        }
        run.kill();  // its lock file stays behind, held by a process that is gone
        QVERIFY(run.waitForFinished(60000));
        QCOMPARE(demo.generate().status, 0);
        QCOMPARE(demo.treeDifference(withUserEdits(demo.freshTree())), QString());
    }

    // The user edited model 0's files; a run of model 1 stops at every point in turn (after each
    // progress line, and once where a write fails right after its journal entry); then model 2
    // is run. The result is always model 2's fresh tree with the user's edits.
    void aRunStoppedAnywhereIsFinishedByTheNext() {
        QTemporaryDir stores;
        QStringList models;
        for (int changes : {0, 1, 2}) {
            models << stores.filePath(QString("model%1.db").arg(changes));
            createDemoStore(models.last(), changes);
        }
        auto run = [](const QString& model, const testing::TempAppFolder& app,
                      TGenerationHost& host) {
            useStore(model);
            RunGeneration({1, DemoProjectName(), "quillmere", app.path()}, host);
        };
        testing::TempAppFolder edited;
        StoppingHost plain;
        run(models[0], edited, plain);
        editUserFiles(edited.output(DemoProjectName()));
        const testing::Tree before = testing::treeOf(edited.path() + "/projects");
        testing::TempAppFolder fresh;
        run(models[2], fresh, plain);
        const testing::Tree expected =
            withUserEdits(testing::treeOf(fresh.output(DemoProjectName())));

        testing::TempAppFolder app;
        const QString projects = app.path() + "/projects";
        const QString scratch = projects + "/" + DemoProjectName() + "/.quillmere/scratch";
        for (int stopAt = 0;; stopAt += 3) {  // every third line keeps the test quick
            QDir(projects).removeRecursively();
            for (auto it = before.cbegin(); it != before.cend(); ++it) {
                testing::writeAll(projects + "/" + it.key(), it.value());
            }
            if (stopAt == 0) {
                QDir().mkpath(scratch + "/blocked");  // the first replacing write fails
            }
            StoppingHost stopping(stopAt);
            run(models[1], app, stopping);
            if (stopAt > 0 && stopping.completed) {
                break;
            }
            QVERIFY(!stopping.completed);
            QDir(scratch).removeRecursively();
            StoppingHost next;
            run(models[2], app, next);
            QVERIFY(next.completed);
            QVERIFY2(
                testing::firstDifference(testing::treeOf(app.output(DemoProjectName())), expected)
                    .isEmpty(),
                qPrintable(QString("stopped at line %1").arg(stopAt)));
        }
    }
};

QTEST_GUILESS_MAIN(KeepEditsTest)
#include "test_keep_edits.moc"

// Regeneration of the demo project after the user edited its files and the model changed:
// edits kept, stale files gone, --overwrite, a client taken back to an earlier generation, and
// runs stopped anywhere (or killed) finished by the next.

#include <QStringEncoder>
#include <csignal>

#include "TestSupport.h"
#include "run/AutoCode.h"
#include "store/DemoProject.h"

namespace {

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

// A run in this process of the store's demo project into the app folder.
void runDemo(const QString& store, const testing::TempAppFolder& app, TGenerationHost& host) {
    useStore(store);
    RunGeneration({1, DemoProjectName(), QString(), app.path()}, host);
}

void addBookMember(const QString& name) {
    TMember member;
    member.projectId = 1;
    member.classId = testing::classIdNamed(1, "Book");
    member.memberName = name;  // an integer member as the member dialog stores it
    member.memberType = kTypeInteger;
    member.memberIsMust = 1;
    member.memberIsInteger = 1;
    TMemberDAO().AddMember(member);
}

TMember displayMemberOf(const QString& className) {
    for (const TMember& member : TMemberDAO().ListMembers(testing::classIdNamed(1, className))) {
        if (member.memberIsDisplay == 1) {
            return member;
        }
    }
    qFatal("no display member in %s", qPrintable(className));
}

// The demo project as it comes (model 0); with a member added to Book, BookType's display
// member renamed and class Loan deleted (1); with one more member of Book (2); as it comes but
// for the comment of Book's display member (3); that, and the comment of Book's price (4).
QString createDemoStore(const QString& path, int model) {
    useStore(path);
    CreateDemoProject();
    if (model == 1 || model == 2) {
        addBookMember("pages");
        TMember display = displayMemberOf("BookType");
        display.memberName = "typeTitle";
        TMemberDAO().UpdateMember(display);
        TClassDAO().DeleteClass(testing::classIdNamed(1, "Loan"));
    }
    if (model == 2) {
        addBookMember("edition");
    }
    if (model == 3 || model == 4) {
        TMember name = displayMemberOf("Book");
        name.memberComment = "图书的正式名称";
        TMemberDAO().UpdateMember(name);
    }
    if (model == 4) {
        for (TMember member : TMemberDAO().ListMembers(testing::classIdNamed(1, "Book"))) {
            if (member.memberName == "price") {
                member.memberComment = "图书的售价";
                TMemberDAO().UpdateMember(member);
            }
        }
    }
    TDbHelper::CloseConnection();
    return path;
}

QString outputOf(const testing::TempAppFolder& app) {
    return app.output(DemoProjectName());
}

QStringList generateArguments(const testing::TempAppFolder& app, const QString& model) {
    return {"generate", "--project", DemoProjectName(), "--home", app.path(), "--store", model};
}

testing::ProcessResult generate(const testing::TempAppFolder& app, const QString& model,
                                const QStringList& extra = {}) {
    return testing::runCli(generateArguments(app, model) + extra);
}

// What a run of the model writes into a fresh folder.
testing::Tree freshTree(const QString& model) {
    testing::TempAppFolder fresh;
    return generate(fresh, model).exitCode == 0 ? testing::treeOf(outputOf(fresh))
                                                : testing::Tree();
}

QString treeDifference(const testing::TempAppFolder& app, const testing::Tree& expected) {
    return testing::firstDifference(testing::treeOf(outputOf(app)), expected);
}

QString root() {
    return "projects/" + DemoProjectName() + "/安卓客户端/";
}

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

    QTemporaryDir stores_;
    QStringList models_;

  private slots:
    void initTestCase() {
        for (int model : {0, 1, 2, 3, 4}) {
            models_ << createDemoStore(stores_.filePath(QString("model%1.db").arg(model)), model);
        }
    }

    // The user's client goes back (git reset) to an earlier generation with the user's edits;
    // files holding an earlier generated version count as unchanged, a changed one is merged
    // against the earlier version it holds and listed for review, and the files of the deleted
    // class that came back are the user's: kept and listed. Nothing else is listed. The
    // record's folder keeps its lock and scratch files out of git.
    void goingBackToAnEarlierGenerationLosesNothing() {
        testing::TempAppFolder app;
        const QString project = app.path() + "/projects/" + DemoProjectName();
        QCOMPARE(generate(app, models_[0]).exitCode, 0);
        QCOMPARE(testing::runProcess("git", {"-C", project, "init", "-q"}).exitCode, 0);
        QCOMPARE(
            testing::runProcess("git", {"-C", project, "check-ignore", "-q", ".quillmere/lock"})
                .exitCode,
            0);
        editUserFiles(outputOf(app));
        const testing::Tree committed = testing::treeOf(outputOf(app));
        QCOMPARE(generate(app, models_[1]).exitCode, 0);
        QVERIFY(QDir(outputOf(app)).removeRecursively());
        testing::Tree expected = withUserEdits(freshTree(models_[2]));
        QStringList restored;
        for (auto it = committed.cbegin(); it != committed.cend(); ++it) {
            testing::writeAll(outputOf(app) + "/" + it.key(), it.value());
            if (!expected.contains(it.key())) {
                expected.insert(it.key(), it.value());
                restored.append(root() + it.key());
            }
        }
        const testing::ProcessResult result = generate(app, models_[2]);
        QCOMPARE(result.exitCode, 4);
        QStringList listed = result.err.split('\n', Qt::SkipEmptyParts);
        QVERIFY(listed.size() == 3 + restored.size() && listed[0].contains("较早一次生成"));
        QCOMPARE(listed[1], root() + kBookAdd);
        QVERIFY(listed[2].contains("作为你自己的文件保留"));
        QCOMPARE(listed.mid(3), restored);
        QCOMPARE(treeDifference(app, expected), QString());
        // Listed once: from then on the files are the user's.
        QCOMPARE(generate(app, models_[2]).err, QString());
        QCOMPARE(treeDifference(app, expected), QString());
    }

    // A clone with core.autocrlf=input has every text file in LF: no file counts as edited,
    // and a model change gives each changed file its new lines in LF: git shows the changed
    // comment lines and nothing else.
    void lineEndsOfAGitCloneAreNoEdits() {
        testing::TempAppFolder app;
        testing::TempAppFolder clone;
        const QString project = "/projects/" + DemoProjectName();
        const auto git = [](const QStringList& arguments) {
            return testing::runProcess(
                "git", QStringList{"-c", "user.name=u", "-c", "user.email=u@example.org", "-c",
                                   "core.autocrlf=input"} +
                           arguments);
        };
        QCOMPARE(generate(app, models_[0]).exitCode, 0);
        for (const QStringList& step :
             {QStringList{"init", "-q"}, {"add", "-A"}, {"commit", "-qm", "model 0"}}) {
            QCOMPARE(git(QStringList{"-C", app.path() + project} + step).exitCode, 0);
        }
        QCOMPARE(git({"clone", "-q", app.path() + project, clone.path() + project}).exitCode, 0);
        const QString domain = outputOf(clone) + "/" + kBookDomain;
        QVERIFY(!testing::readAll(domain).contains('\r'));
        const testing::ProcessResult same = generate(clone, models_[0]);
        QVERIFY(same.err.isEmpty() && !same.out.contains("保留手工修改") && same.exitCode == 0);
        const testing::ProcessResult changed = generate(clone, models_[3]);
        QVERIFY2(changed.err.isEmpty() && changed.exitCode == 0, qPrintable(changed.err));
        QVERIFY(testing::readAll(domain).contains(gbk("/*图书的正式名称*/\n")));
        int changedLines = 0;
        for (const QString& line : git({"-C", clone.path() + project, "diff", "--numstat"})
                                       .out.split('\n', Qt::SkipEmptyParts)) {
            const QStringList counts = line.split('\t');
            QVERIFY2(counts[0] == counts[1], qPrintable(line));  // changed lines only
            changedLines += counts[0].toInt();
        }
        QVERIFY(changedLines > 0 && changedLines < 30);
    }

    // The user brings a line of an earlier generation back (or keeps the earlier side of a
    // conflict): an edit like any other, merged against the last generated version and kept.
    void anEditBackToAnEarlierGenerationIsKept() {
        for (const bool afterConflict : {false, true}) {
            testing::TempAppFolder app;
            const QString domain = outputOf(app) + "/" + kBookDomain;
            QCOMPARE(generate(app, models_[0]).exitCode, 0);
            if (afterConflict) {
                testing::writeAll(
                    domain, testing::readAll(domain).replace(gbk("/*图书名称*/"), gbk("/*书名*/")));
            }
            QCOMPARE(generate(app, models_[3]).exitCode, afterConflict ? 4 : 0);
            // By hand, or by keeping the "上次生成" side of the conflict.
            const QByteArray note = gbk("// 我的备注\r\n");
            testing::writeAll(domain, freshTree(models_[3])[kBookDomain].replace(
                                          gbk("/*图书的正式名称*/"), gbk("/*图书名称*/")) +
                                          note);
            const testing::ProcessResult result = generate(app, models_[4]);
            QCOMPARE(result.err, QString());
            QCOMPARE(result.exitCode, 0);
            QVERIFY(result.out.contains(root() + kBookDomain + "合并完成!\n"));
            const QByteArray merged = testing::readAll(domain);
            QVERIFY(merged.contains(gbk("/*图书名称*/")) &&
                    merged.contains(gbk("/*图书的售价*/")) && merged.endsWith(note) &&
                    !merged.contains(gbk("正式名称")));
        }
    }

    // A run stopped by SIGINT, SIGTERM or SIGHUP ends after the file it is writing: its lock
    // is released and its journal kept. The lock a killed run leaves does not hold the next
    // one. Either way the next run finishes the project, keeping the user's edits and removing
    // the deleted class's files; --overwrite then leaves the fresh tree.
    void aStoppedOrKilledRunIsFinishedByTheNext() {
        const testing::Tree fresh = freshTree(models_[1]);
        for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGKILL}) {
            testing::TempAppFolder app;
            QCOMPARE(generate(app, models_[0]).exitCode, 0);
            editUserFiles(outputOf(app));
            QProcess run;
            run.start(QUILLMERE_APP_DIR "/quillmere-cli", generateArguments(app, models_[1]));
            QByteArray seen;
            while (!seen.contains("移动资源文件完毕!") && run.waitForReadyRead(60000)) {
                seen += run.readAllStandardOutput();
            }
            QCOMPARE(::kill(static_cast<pid_t>(run.processId()), signal), 0);
            QVERIFY(run.waitForFinished(60000));
            const QString record = app.path() + "/projects/" + DemoProjectName() + "/.quillmere/";
            if (signal != SIGKILL) {
                QCOMPARE(run.exitCode(), 128 + signal);
                QVERIFY(
                    QString::fromUtf8(seen + run.readAllStandardOutput()).contains(kStoppedText));
                QVERIFY(!QFile::exists(record + "lock") && !QFile::exists(record + "scratch"));
                QVERIFY(QFile::exists(record + "journal"));
            }
            const testing::ProcessResult next = generate(app, models_[1]);
            QCOMPARE(next.err, QString());
            QCOMPARE(next.exitCode, 0);
            QCOMPARE(treeDifference(app, withUserEdits(fresh)), QString());
            if (signal == SIGKILL) {
                QCOMPARE(generate(app, models_[1], {"--overwrite"}).exitCode, 0);
                QCOMPARE(treeDifference(app, fresh), QString());
            }
        }
    }

    // The user edited model 0's files; a run of model 1 stops at one point after another (after
    // a progress line, or where a write fails right after its journal entry); then model 2 is
    // run. The result is always model 2's fresh tree with the user's edits.
    void aRunStoppedAnywhereIsFinishedByTheNext() {
        testing::TempAppFolder app;
        StoppingHost plain;
        runDemo(models_[0], app, plain);
        editUserFiles(outputOf(app));
        const QString projects = app.path() + "/projects";
        const testing::Tree before = testing::treeOf(projects);
        const testing::Tree expected = withUserEdits(freshTree(models_[2]));
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
            runDemo(models_[1], app, stopping);
            if (stopAt > 0 && stopping.completed) {
                break;
            }
            QDir(scratch).removeRecursively();
            StoppingHost next;
            runDemo(models_[2], app, next);
            QVERIFY2(
                !stopping.completed && next.completed && treeDifference(app, expected).isEmpty(),
                qPrintable(QString("stopped at line %1").arg(stopAt)));
        }
    }
};

QTEST_GUILESS_MAIN(KeepEditsTest)
#include "test_keep_edits.moc"

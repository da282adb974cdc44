// Regeneration of the demo project after the user edited its files and the model changed:
// edits kept, stale files gone, --overwrite, a client taken back to an earlier generation, and
// runs stopped anywhere (or killed) finished by the next, a conflict still reported.

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

// git in the folder, as a user of the generated client runs it.
testing::ProcessResult git(const QString& folder, const QStringList& arguments) {
    return testing::runProcess(
        "git", QStringList{"-C", folder, "-c", "user.name=u", "-c", "user.email=u@example.org"} +
                   arguments);
}

QString root() {
    return "projects/" + DemoProjectName() + "/安卓客户端/";
}

// Stops the run by an error at the given progress line (0: never), or at the first one that
// ends in the given text.
class StoppingHost : public TGenerationHost {
  public:
    explicit StoppingHost(int stopAt = 0, const QString& stopAfter = QString())
        : stopAt_(stopAt), stopAfter_(stopAfter) {}
    bool completed = false;

    void AppendProgress(const QString& line) override {
        if (++lines_ == stopAt_ || (!stopAfter_.isEmpty() && line.endsWith(stopAfter_))) {
            throw TError("stopped");
        }
    }
    void Notice(int message, qint32, const QString&) override {
        completed = message == kNoticeCompleted;
    }
    void RunFailed(const QString&) override {}

  private:
    int stopAt_;
    QString stopAfter_;
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

    void editsSurviveAModelChangeAndStaleFilesGo() {
        testing::TempAppFolder app;
        QCOMPARE(generate(app, models_[0]).exitCode, 0);
        editUserFiles(outputOf(app));

        const testing::ProcessResult result = generate(app, models_[1]);
        QCOMPARE(result.err, QString());
        QCOMPARE(result.exitCode, 0);
        const QStringList lines = {kHttpUtil + "保留手工修改!", kBookAdd + "合并完成!",
                                   "res/layout/loan_add.xml删除完成!",
                                   "src/com/mobileclient/domain/Loan.java删除完成!"};
        for (const QString& line : lines) {
            QVERIFY2(result.out.contains(root() + line + "\n"), qPrintable(line));
        }
        const testing::Tree fresh = freshTree(models_[1]);
        QVERIFY(fresh.value(kBookAdd).contains("ET_pages"));
        QCOMPARE(treeDifference(app, withUserEdits(fresh)), QString());

        const testing::ProcessResult verified = testing::runProcess(
            QStringLiteral(QUILLMERE_SOURCE_DIR "/tools/verify-android-project"), {outputOf(app)});
        QVERIFY2(verified.exitCode == 0, qPrintable(verified.out + verified.err));

        QCOMPARE(generate(app, models_[1], {"--overwrite"}).exitCode, 0);
        QCOMPARE(treeDifference(app, fresh), QString());
    }

    // The user's client goes back (git reset) to an earlier generation with the user's edits;
    // files holding an earlier generated version count as unchanged, a changed one is merged
    // against the earlier version it holds and listed for review, and the files of the deleted
    // class that came back are the user's: kept and listed. Nothing else is listed.
    void goingBackToAnEarlierGenerationLosesNothing() {
        testing::TempAppFolder app;
        QCOMPARE(generate(app, models_[0]).exitCode, 0);
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

    // A row the model added and the user deleted from a layout is never put back silently when
    // the model changes again.
    void aRowDeletedByHandIsNeverPutBackSilently() {
        testing::TempAppFolder app;
        const QString layout = outputOf(app) + "/res/layout/book_add.xml";
        QCOMPARE(generate(app, models_[0]).exitCode, 0);
        QCOMPARE(generate(app, models_[1]).exitCode, 0);
        QByteArray rows = testing::readAll(layout);
        const qsizetype pages = rows.indexOf("ET_pages");
        const qsizetype start = rows.lastIndexOf("\t\t<TableRow>", pages);
        const qsizetype end = rows.indexOf("</TableRow> \r\n", pages) + 15;
        testing::writeAll(layout, rows.remove(start, end - start));
        // The deletion meets the model's new row next to it: both sides between markers, listed.
        const testing::ProcessResult result = generate(app, models_[2]);
        QCOMPARE(result.exitCode, 4);
        QVERIFY(result.err.endsWith(root() + "res/layout/book_add.xml\n"));
        const QByteArray after = testing::readAll(layout);
        const qsizetype ours = after.indexOf("<<<<<<< 你的修改");
        const QByteArray mine = after.mid(ours, after.indexOf("||||||| 上次生成") - ours);
        QVERIFY(ours >= 0 && !mine.contains("ET_pages") && after.contains("ET_edition"));
        QVERIFY(after.indexOf("ET_pages") > after.indexOf("||||||| 上次生成"));
    }

    // A file of a deleted class that the user takes back from git is the user's: kept and listed
    // on the run that finds it, left alone by later runs. The record's folder keeps its lock
    // and scratch files out of git.
    void aFileTheUserBroughtBackIsNeverDeleted() {
        testing::TempAppFolder app;
        const QString project = app.path() + "/projects/" + DemoProjectName();
        const QString loanService = "src/com/mobileclient/service/LoanService.java";
        QCOMPARE(generate(app, models_[0]).exitCode, 0);
        QCOMPARE(git(project, {"init", "-q"}).exitCode, 0);
        QCOMPARE(git(project, {"add", "-A"}).exitCode, 0);
        QCOMPARE(git(project, {"commit", "-qm", "model 0"}).exitCode, 0);
        QCOMPARE(git(project, {"check-ignore", "-q", ".quillmere/lock"}).exitCode, 0);
        QCOMPARE(generate(app, models_[1]).exitCode, 0);
        QVERIFY(!QFile::exists(outputOf(app) + "/" + loanService));
        QCOMPARE(git(project, {"commit", "-qam", "model 1"}).exitCode, 0);
        QCOMPARE(git(project, {"checkout", "HEAD~1", "--", "安卓客户端/" + loanService}).exitCode,
                 0);
        const QByteArray restored = testing::readAll(outputOf(app) + "/" + loanService);

        const testing::ProcessResult result = generate(app, models_[1]);
        QCOMPARE(result.exitCode, 4);
        QVERIFY(result.err.endsWith("作为你自己的文件保留，以后不会删除或改动:\n" + root() +
                                    loanService + "\n"));
        const testing::ProcessResult later = generate(app, models_[1]);
        QCOMPARE(later.exitCode, 0);
        QCOMPARE(later.err, QString());
        QCOMPARE(testing::readAll(outputOf(app) + "/" + loanService), restored);
    }

    // A clone with core.autocrlf=input has every text file in LF: no file counts as edited,
    // and a model change gives each changed file its new lines in LF, no conflict: git shows
    // the changed comment lines and nothing else.
    void lineEndsOfAGitCloneAreNoEdits() {
        testing::TempAppFolder app;
        testing::TempAppFolder clone;
        const QString project = "/projects/" + DemoProjectName();
        QCOMPARE(generate(app, models_[0]).exitCode, 0);
        QCOMPARE(git(app.path() + project, {"init", "-q"}).exitCode, 0);
        QCOMPARE(git(app.path() + project, {"-c", "core.autocrlf=input", "add", "-A"}).exitCode, 0);
        QCOMPARE(git(app.path() + project, {"commit", "-qm", "model 0"}).exitCode, 0);
        QCOMPARE(git(clone.path(), {"-c", "core.autocrlf=input", "clone", "-q",
                                    app.path() + project, clone.path() + project})
                     .exitCode,
                 0);
        const QString domain = outputOf(clone) + "/" + kBookDomain;
        QVERIFY(!testing::readAll(domain).contains('\r'));
        const testing::ProcessResult same = generate(clone, models_[0]);
        QCOMPARE(same.err, QString());
        QVERIFY(!same.out.contains("保留手工修改") && same.exitCode == 0);
        const testing::ProcessResult changed = generate(clone, models_[3]);
        QCOMPARE(changed.err, QString());
        QCOMPARE(changed.exitCode, 0);
        const QByteArray book = testing::readAll(domain);
        QVERIFY(book.contains(gbk("/*图书的正式名称*/\n")) && !book.contains('\r'));
        const QStringList numbers =
            git(clone.path() + project, {"diff", "--numstat"}).out.split('\n', Qt::SkipEmptyParts);
        int added = 0;
        for (const QString& line : numbers) {
            const QStringList counts = line.split('\t');
            QVERIFY2(counts[0] == counts[1], qPrintable(line));  // changed lines only
            added += counts[0].toInt();
        }
        QVERIFY2(added > 0 && added < 30, qPrintable(numbers.join('\n')));
    }

    // A run stopped by SIGINT, SIGTERM or SIGHUP ends after the file it is writing: its lock
    // is released and its journal kept. The lock a killed run leaves does not hold the next
    // one. Either way the next run finishes the project.
    void aStoppedOrKilledRunIsFinishedByTheNext() {
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
            QCOMPARE(generate(app, models_[1]).exitCode, 0);
            QCOMPARE(treeDifference(app, withUserEdits(freshTree(models_[1]))), QString());
        }
    }

    void aRunStoppedAfterAConflictIsReportedByTheNext() {
        testing::TempAppFolder app;
        QCOMPARE(generate(app, models_[0]).exitCode, 0);
        const QString domain = outputOf(app) + "/" + kBookDomain;
        testing::writeAll(domain,
                          testing::readAll(domain).replace(gbk("/*图书名称*/"), gbk("/*书名*/")));
        useStore(models_[3]);
        StoppingHost stopping(0, "合并冲突!");
        RunGeneration({1, DemoProjectName(), QString(), app.path()}, stopping);
        QVERIFY(!stopping.completed && testing::readAll(domain).contains("<<<<<<< "));
        const testing::ProcessResult result = generate(app, models_[3]);
        QCOMPARE(result.exitCode, 4);
        QVERIFY2(
            result.err.contains("冲突标记") && result.err.endsWith(root() + kBookDomain + "\n"),
            qPrintable(result.err));
        QCOMPARE(testing::readAll(domain).count("<<<<<<< "), 1);
    }

    // The user edited model 0's files; a run of model 1 stops at one point after another (after
    // a progress line, or where a write fails right after its journal entry); then model 2 is
    // run. The result is always model 2's fresh tree with the user's edits.
    void aRunStoppedAnywhereIsFinishedByTheNext() {
        auto run = [](const QString& model, const testing::TempAppFolder& app,
                      TGenerationHost& host) {
            useStore(model);
            RunGeneration({1, DemoProjectName(), QString(), app.path()}, host);
        };
        testing::TempAppFolder app;
        StoppingHost plain;
        run(models_[0], app, plain);
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
            run(models_[1], app, stopping);
            if (stopAt > 0 && stopping.completed) {
                break;
            }
            QDir(scratch).removeRecursively();
            StoppingHost next;
            run(models_[2], app, next);
            QVERIFY2(
                !stopping.completed && next.completed && treeDifference(app, expected).isEmpty(),
                qPrintable(QString("stopped at line %1").arg(stopAt)));
        }
    }
};

QTEST_GUILESS_MAIN(KeepEditsTest)
#include "test_keep_edits.moc"

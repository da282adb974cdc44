// Generation runs started from the main window: the warning, the progress log, the check
// notices, the completion box with the output folder, and a run that stops on an error.

#include <QDirIterator>
#include <QElapsedTimer>

#include "WorkbenchSupport.h"

using namespace testing;

namespace {

void copyTree(const QString& from, const QString& to) {
    QDir().mkpath(to);
    QDirIterator it(from, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + '/' + QDir(from).relativeFilePath(source);
        if (it.fileInfo().isDir()) {
            QDir().mkpath(target);
        } else {
            QFile::copy(source, target);
        }
    }
}

// An app folder of its own, with or without the template project.
struct AppFolder {
    QTemporaryDir dir;
    explicit AppFolder(bool withTemplateProject = true) {
        const QString built = QStringLiteral(QUILLMERE_APP_DIR);
        if (withTemplateProject) {
            copyTree(built + "/bak", dir.filePath("bak"));
        }
        copyTree(built + "/template", dir.filePath("template"));
    }
    QString path() const { return dir.path(); }
};

// A class that passes every check: string key shown in lists and drop-downs.
qint32 addSoundClass(qint32 projectId, const QString& name) {
    const qint32 id = addClass(projectId, name);
    TMemberDAO().AddMember(member(projectId, id, "code", kTypeString, true, true, true));
    TMemberDAO().AddMember(member(projectId, id, "title"));
    return id;
}

const QString kWarning = QStringLiteral("如果以前生成了该项目，最好先删除原来的目录!");

}  // namespace

class TestGenerationRun : public QObject {
    Q_OBJECT
  private slots:
    void runLogsEveryFileAndOpensTheOutputFolder();
    void failedCheckShowsItsMessageAndWritesNothing();
    void runStoppedByAnErrorReportsItInTheLog();
    void closingTheWindowLetsTheRunFinish();
    void logTakesALongRunQuickly();
    void keepingEditsIsRememberedAndConflictsAreShownFirst();
};

void TestGenerationRun::runLogsEveryFileAndOpensTheOutputFolder() {
    AppFolder app;
    Bench bench;
    const qint32 demo = addProject("Demo");
    addSoundClass(demo, "Book");
    addProject("Other");
    bench.open(app.path());
    bench.log()->setPlainText("an earlier run");

    QAction* generate = bench.action("自动生成代码(&A)");
    generate->trigger();
    QCOMPARE(bench.prompts.messages, QStringList{kWarning});
    QVERIFY(!generate->isEnabled());
    bench.chooseProject(1);  // the run keeps the name it started with
    QTRY_VERIFY_WITH_TIMEOUT(generate->isEnabled(), 60000);

    const QStringList lines = bench.log()->toPlainText().split('\n');
    const QString root = QStringLiteral("projects/Demo/安卓客户端/");
    QCOMPARE(lines.mid(0, 4),
             (QStringList{root + "AndroidManifest.xml生成完成!",
                          root + "src/com/mobileclient/activity/MainMenuActivity生成完成!",
                          "正在移动资源文件。。。", "移动" + root + ".settings文件夹完毕！"}));
    QCOMPARE(lines.at(8), QStringLiteral("移动资源文件完毕!"));
    QCOMPARE(lines.at(9), root + "res/layout/book_add.xml生成完成!");
    QVERIFY(lines.contains(root + "src/com/mobileclient/domain/Book.java生成完成!"));
    for (const QString& line : lines.mid(9)) {
        QVERIFY2(line.endsWith("生成完成!"), qPrintable(line));
    }
    QCOMPARE(bench.prompts.informations, QStringList{"任务提示: 所有代码生成完毕!"});
    QCOMPARE(bench.prompts.folders, QStringList{QDir(app.path()).filePath("projects/Demo")});
    QVERIFY(QFile::exists(app.path() + "/projects/Demo/安卓客户端/AndroidManifest.xml"));
    QCOMPARE(bench.prompts.messages, QStringList{kWarning});
}

void TestGenerationRun::failedCheckShowsItsMessageAndWritesNothing() {
    AppFolder app;
    Bench bench;
    const qint32 demo = addProject("Demo");
    addSoundClass(demo, "Book");
    const qint32 loan = addClass(demo, "Loan");
    TMemberDAO().AddMember(member(demo, loan, "code", kTypeString, false, true, true));
    TFormMain& window = bench.open(app.path());

    bench.trigger("自动生成代码(&A)");
    QTRY_VERIFY_WITH_TIMEOUT(bench.action("自动生成代码(&A)")->isEnabled(), 60000);
    QCOMPARE(bench.prompts.messages,
             (QStringList{kWarning, "Loan表主键设置错误，每个类只能设置一个主键!"}));
    QCOMPARE(window.FailingClassId(), loan);
    QVERIFY(bench.prompts.informations.isEmpty());
    QVERIFY(bench.prompts.folders.isEmpty());
    QCOMPARE(bench.log()->toPlainText(), QString());
    QVERIFY(!QDir(app.path() + "/projects").exists());
}

void TestGenerationRun::runStoppedByAnErrorReportsItInTheLog() {
    AppFolder app(false);
    Bench bench;
    addSoundClass(addProject("Demo"), "Book");
    bench.open(app.path());

    bench.trigger("自动生成代码(&A)");
    QTRY_VERIFY_WITH_TIMEOUT(bench.action("自动生成代码(&A)")->isEnabled(), 60000);
    const QStringList lines = bench.log()->toPlainText().split('\n');
    QCOMPARE(lines.at(2), QStringLiteral("正在移动资源文件。。。"));
    QCOMPARE(lines.size(), 4);
    QVERIFY2(!lines.last().isEmpty() && !lines.last().startsWith("移动"), qPrintable(lines.last()));
    QVERIFY(bench.prompts.informations.isEmpty());
    QVERIFY(bench.prompts.folders.isEmpty());
}

void TestGenerationRun::closingTheWindowLetsTheRunFinish() {
    AppFolder app;
    Bench bench;
    addSoundClass(addProject("Demo"), "Book");
    bench.open(app.path());
    bench.trigger("自动生成代码(&A)");
    bench.window.reset();
    QVERIFY(QFile::exists(app.path() +
                          "/projects/Demo/安卓客户端/src/com/mobileclient/domain/Book.java"));
    QVERIFY(bench.prompts.informations.isEmpty());
    QVERIFY(bench.prompts.folders.isEmpty());
}

void TestGenerationRun::logTakesALongRunQuickly() {
    Bench bench;
    TFormMain& window = bench.open();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < 3000; ++i) {
        window.AppendProgress(
            QStringLiteral("projects/Demo/安卓客户端/res/layout/c%1_add.xml生成完成!").arg(i));
    }
    QVERIFY2(clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(bench.log()->blockCount(), 3000);
}

// Checked, a conflict is listed in a box before the completion box; unchecked (and so after a
// restart), the run overwrites the user's changes.
void TestGenerationRun::keepingEditsIsRememberedAndConflictsAreShownFirst() {
    AppFolder app;
    Bench bench;
    const qint32 demo = addProject("Demo");
    const qint32 book = addSoundClass(demo, "Book");
    bench.open(app.path());
    auto generate = [&bench] {
        bench.prompts.boxes.clear();
        bench.trigger("自动生成代码(&A)");
        QTRY_VERIFY_WITH_TIMEOUT(bench.action("自动生成代码(&A)")->isEnabled(), 60000);
    };
    QVERIFY(bench.action("保留手工修改(&K)")->isChecked());
    generate();
    const QString domain =
        app.path() + "/projects/Demo/安卓客户端/src/com/mobileclient/domain/Book.java";
    testing::writeAll(domain,
                      readAll(domain).replace("private String title;", "private String t;"));
    TMember title = TMemberDAO().ListMembers(book).last();
    title.memberName = "heading";
    TMemberDAO().UpdateMember(title);
    generate();
    QCOMPARE(bench.prompts.boxes.size(), 3);
    QVERIFY2(bench.prompts.boxes[1].endsWith(
                 "\nprojects/Demo/安卓客户端/src/com/mobileclient/domain/Book.java"),
             qPrintable(bench.prompts.boxes[1]));
    QCOMPARE(bench.prompts.boxes[2], QStringLiteral("所有代码生成完毕!"));
    QVERIFY(readAll(domain).contains("<<<<<<< "));

    bench.action("保留手工修改(&K)")->setChecked(false);
    bench.open(app.path());
    QVERIFY(!bench.action("保留手工修改(&K)")->isChecked());
    generate();
    QCOMPARE(bench.prompts.boxes, (QStringList{kWarning, "所有代码生成完毕!"}));
    QVERIFY(!readAll(domain).contains("<<<<<<< "));
    QVERIFY(readAll(domain).contains("private String heading;"));
}

QTEST_MAIN(TestGenerationRun)
#include "test_generation_run.moc"

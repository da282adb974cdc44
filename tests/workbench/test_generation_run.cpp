// Generation runs started from the main window: the package name, the pre-run box, the progress
// log, the check notices, the completion box with the output folder, a run that stops on an
// error, a run refused over a shared project name, and closing the window during a run.

#include <QElapsedTimer>
#include <QLockFile>

#include "Models.h"
#include "WorkbenchSupport.h"
#include "store/DemoProject.h"

using namespace testing;

namespace {

const QString kPreRunBox = QStringLiteral(
    "Quillmere: 未勾选\"保留手工修改\"：本次生成会覆盖以前生成的文件，你对这些文件所做的修改将会"
    "丢失!如果以前生成了该项目，最好先删除原来的目录!");
const QString kKeptPreRunBox = QStringLiteral(
    "Quillmere: 已勾选\"保留手工修改\"：你对生成文件所做的修改会保留下来，请不要删除原来的目录，"
    "否则这些修改会丢失!");

// Classes C0 to C(count-1), each with a key and a phone-list name: about 15 files a class.
TProjectModel manyClasses(int count) {
    ProjectBuilder builder(QStringLiteral("Many"));
    for (int i = 0; i < count; ++i) {
        builder.cls(QStringLiteral("C%1").arg(i), QStringLiteral("类%1").arg(i),
                    {"code 整型 KDP 编号", "title 字符串 QP 名称"});
    }
    return builder.build();
}

// Starts a run of the chosen project and waits until the window takes commands again; while it
// runs, neither target's run can be started.
void runAndWait(Bench& bench, const char* command = "自动生成代码(&A)") {
    QAction* generate = bench.action(command);
    generate->trigger();
    QVERIFY(!bench.action("自动生成代码(&A)")->isEnabled());
    QVERIFY(!bench.action("生成服务端代码(&S)")->isEnabled());
    bench.chooseProject(bench.projects()->count() - 1);  // the run keeps the name it started with
    QTRY_VERIFY_WITH_TIMEOUT(generate->isEnabled(), 60000);
}

}  // namespace

class TestGenerationRun : public QObject {
    Q_OBJECT
  private slots:
    void runLogsEveryFileAndOpensTheOutputFolder() {
        TempAppFolder app;
        Bench bench;
        CreateDemoProject();
        addProject("Other");
        bench.open(app.path());
        bench.log()->setPlainText("an earlier run");
        runAndWait(bench);
        QStringList expected = goldenProgress("demo");
        QCOMPARE(bench.prompts.informations, QStringList{"任务提示: " + expected.takeLast()});
        const QString folder = QDir(app.path()).filePath("projects/" + DemoProjectName());
        expected.append("输出目录: " + QDir::toNativeSeparators(folder));
        QCOMPARE(bench.log()->toPlainText().split('\n'), expected);
        QCOMPARE(bench.prompts.folders, QStringList{folder});
        QCOMPARE(bench.prompts.confirmations, QStringList{kKeptPreRunBox});
        QVERIFY(bench.prompts.messages.isEmpty());
    }

    // 设置包名 sets the selected project's application id: an id the rule refuses is named in a
    // box and changes nothing; an accepted one is what the project's next run writes.
    // The backend's run: the same box and log, its own folder.
    void serverRunLogsItsFilesLikeTheClientRun() {
        TempAppFolder app;
        const QString templateProject = app.path() + "/bak/JavaWebProject";
        QDir(templateProject).removeRecursively();
        writeAll(templateProject + "/src/main/webapp/index.html", "<p></p>\n");
        Bench bench;
        CreateDemoProject();
        bench.open(app.path());
        runAndWait(bench, "生成服务端代码(&S)");
        const QString folder = QDir(app.path()).filePath("projects/" + DemoProjectName());
        const QStringList lines = bench.log()->toPlainText().split('\n');
        QCOMPARE(lines.mid(0, 3), QStringList({"正在移动资源文件。。。",
                                               "移动projects/" + DemoProjectName() +
                                                   "/JavaWebProject/src文件夹完毕！",
                                               "移动资源文件完毕!"}));
        QCOMPARE(lines.last(), "输出目录: " + QDir::toNativeSeparators(folder));
        QCOMPARE(bench.prompts.confirmations, QStringList{kKeptPreRunBox});
        QCOMPARE(bench.prompts.informations, QStringList{"任务提示: 所有代码生成完毕!"});
        QVERIFY(QFile::exists(folder + "/JavaWebProject/src/main/webapp/index.html"));
        QVERIFY(!QDir(folder + "/安卓客户端").exists());
    }

    void packageNameIsTheSelectedProjectsApplicationId() {
        TempAppFolder app;
        Bench bench;
        addProject("Lib");
        bench.open(app.path());
        QAction* setPackage = bench.action("设置包名(&P)");
        bench.prompts.answers = QStringList{"library"};
        setPackage->trigger();
        QVERIFY(bench.prompts.inputs.last().endsWith("|com.mobileclient.p_004cib"));
        QVERIFY2(bench.prompts.lastMessage().startsWith("包名\"library\"不能用作安卓应用标识"),
                 qPrintable(bench.prompts.lastMessage()));
        bench.prompts.answers = QStringList{"org.example.lib"};
        setPackage->trigger();
        QVERIFY(bench.prompts.inputs.last().endsWith("|com.mobileclient.p_004cib"));
        runAndWait(bench);
        QVERIFY(testing::readAll(app.output("Lib") + "/build.gradle")
                    .contains("applicationId = 'org.example.lib'"));
    }

    // Two projects of one name would share projects/<name>: a run of either is refused, from
    // the window and from the command line, naming both ids, and nothing is written.
    void runOverASharedProjectNameIsRefused() {
        TempAppFolder app;
        Bench bench;
        seedModel(ProjectBuilder("Demo").cls("Book", "图书", {"code 字符串 KDP"}).build());
        seedModel(ProjectBuilder("Demo").build());
        const QString refusal = QStringLiteral(
            "编号为1、2的项目都名为\"Demo\"，会写入同一个输出目录projects/Demo，"
            "请先修改其中一个项目的名称!");
        bench.open(app.path());
        runAndWait(bench);
        QCOMPARE(bench.prompts.messages, QStringList{refusal});
        QCOMPARE(bench.log()->toPlainText(), refusal);
        const ProcessResult cli = runCli(
            {"generate", "--project-id", "2", "--store", bench.store.path(), "--home", app.path()});
        QCOMPARE(cli.exitCode, 1);
        QCOMPARE(cli.err, refusal + "\n");
        QVERIFY(!QDir(app.path() + "/projects").exists());
    }

    // A run that a check refuses, or that an error stops (here: no template project to copy),
    // ends its log with the message, which names what is wrong, and shows it in a box; nothing
    // claims success.
    void aFailedRunShowsItsMessageInTheLogAndABox_data() {
        QTest::addColumn<bool>("withTemplate");
        QTest::addColumn<QString>("message");
        QTest::newRow("failed check") << true << "Loan表主键设置错误，每个类只能设置一个主键!";
        QTest::newRow("no template project") << false << "/bak/安卓客户端/.settings";
    }
    void aFailedRunShowsItsMessageInTheLogAndABox() {
        QFETCH(bool, withTemplate);
        QFETCH(QString, message);
        TempAppFolder app;
        QVERIFY(withTemplate || QDir(app.path() + "/bak").removeRecursively());
        Bench bench;
        seedModel(ProjectBuilder("Demo")
                      .cls("Book", "图书", {"code 字符串 KDP"})
                      .cls("Loan", "借阅", {withTemplate ? "code 字符串 DP" : "code 字符串 KDP"})
                      .build());
        bench.open(app.path());
        runAndWait(bench);
        const QStringList log = bench.log()->toPlainText().split('\n');
        QVERIFY2(log.last().contains(message), qPrintable(log.last()));
        QVERIFY(!log.contains("所有代码生成完毕!") && !log.contains("移动资源文件完毕!"));
        QCOMPARE(log.size(), 1);  // the checks run before anything is written
        QCOMPARE(bench.prompts.messages, QStringList{log.last()});
        QVERIFY(bench.prompts.informations.isEmpty() && bench.prompts.folders.isEmpty());
        QVERIFY(!QDir(app.path() + "/projects").exists());
    }

    // Closing asks first: 取消 keeps the window and the run; 确定 stops the run after the file
    // it is writing, within two seconds, and closes. The next run finishes the project as a
    // fresh run writes it.
    void closingTheWindowDuringARunStopsIt() {
        TempAppFolder app;
        Bench bench;
        const qint32 projectId = seedModel(manyClasses(12));
        bench.open(app.path()).show();
        bench.trigger("自动生成代码(&A)");
        // The run waits for this thread to take each line, so it is well inside the classes.
        QTRY_VERIFY_WITH_TIMEOUT(bench.log()->blockCount() > 30, 60000);
        bench.prompts.confirmAnswer = false;
        QVERIFY(!bench.window->close());
        QVERIFY(bench.window->isVisible());
        QCOMPARE(bench.prompts.confirmations.last(),
                 QStringLiteral("关闭提示: 代码正在生成中，停止生成并关闭窗口吗?\n"
                                "已写入的文件会保留，下次生成该项目时会完成其余文件。"));
        QVERIFY(!bench.action("自动生成代码(&A)")->isEnabled());

        bench.prompts.confirmAnswer = true;
        QElapsedTimer clock;
        clock.start();
        QVERIFY(bench.window->close());
        QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(!bench.window->isVisible());
        QVERIFY(bench.prompts.informations.isEmpty());
        const QString last = "/src/com/mobileclient/activity/C11QueryActivity.java";
        QVERIFY(!QFile::exists(app.output("Many") + last));
        const QString record = app.path() + "/projects/Many/.quillmere";
        QVERIFY(QFile::exists(record + "/journal"));
        QLockFile lock(record + "/lock");
        QVERIFY(lock.tryLock(0));
        lock.unlock();

        const ProcessResult next = runCli({"generate", "--project-id", QString::number(projectId),
                                           "--store", bench.store.path(), "--home", app.path()});
        QCOMPARE(next.exitCode, 0);
        TempAppFolder fresh;
        RecordingHost host;
        TRunRequest request;
        request.projectName = "Many";
        request.appFolder = fresh.path();
        request.loadModel = [] { return manyClasses(12); };
        RunGeneration(request, host);
        QCOMPARE(firstDifference(treeOf(app.output("Many")), treeOf(fresh.output("Many"))),
                 QString());
    }

    // Checked, the pre-run box says the user's changes stay (Enter starts the run), and a
    // conflict is listed in a box before the completion box; unchecked (and so after a restart),
    // the box says the user's changes will be overwritten, Enter is 取消, and the run overwrites
    // them. 取消 starts nothing.
    void keepingEditsIsRememberedAndConflictsAreShownFirst() {
        TempAppFolder app;
        Bench bench;
        seedModel(ProjectBuilder("Demo")
                      .cls("Book", "图书", {"code 字符串 KDP", "title 字符串 -"})
                      .build());
        bench.open(app.path());
        auto generate = [&bench](const QString& box) {
            bench.prompts.boxes.clear();
            bench.trigger("自动生成代码(&A)");
            QCOMPARE(bench.prompts.confirmations.last(), box);
            QCOMPARE(bench.prompts.confirmDefaults.last(),
                     box == kPreRunBox ? TDefaultAnswer::Cancel : TDefaultAnswer::Ok);
            QTRY_VERIFY_WITH_TIMEOUT(bench.action("自动生成代码(&A)")->isEnabled(), 60000);
        };
        QVERIFY(bench.action("保留手工修改(&K)")->isChecked());
        bench.log()->setPlainText("an earlier run");
        bench.prompts.confirmAnswer = false;
        generate(kKeptPreRunBox);
        QCOMPARE(bench.log()->toPlainText(), QStringLiteral("an earlier run"));
        QVERIFY(!QDir(app.path() + "/projects").exists() && bench.prompts.boxes.isEmpty());
        bench.prompts.confirmAnswer = true;
        generate(kKeptPreRunBox);
        const QString domain = app.output("Demo") + "/src/com/mobileclient/domain/Book.java";
        writeAll(domain, readAll(domain).replace("private String title;", "private String t;"));
        TMember title = TMemberDAO().ListMembers(1).last();
        title.memberName = "heading";
        TMemberDAO().UpdateMember(title);
        generate(kKeptPreRunBox);
        QCOMPARE(bench.prompts.boxes.size(), 2);
        QVERIFY2(bench.prompts.boxes[0].endsWith(
                     "\nprojects/Demo/安卓客户端/src/com/mobileclient/domain/Book.java"),
                 qPrintable(bench.prompts.boxes[0]));
        QCOMPARE(bench.prompts.boxes[1], QStringLiteral("所有代码生成完毕!"));
        QVERIFY(readAll(domain).contains("<<<<<<< "));

        bench.action("保留手工修改(&K)")->setChecked(false);
        bench.open(app.path());
        QVERIFY(!bench.action("保留手工修改(&K)")->isChecked());
        generate(kPreRunBox);
        QCOMPARE(bench.prompts.boxes, QStringList{"所有代码生成完毕!"});
        QVERIFY(!readAll(domain).contains("<<<<<<< "));
        QVERIFY(readAll(domain).contains("private String heading;"));
    }
};

QTEST_MAIN(TestGenerationRun)
#include "test_generation_run.moc"

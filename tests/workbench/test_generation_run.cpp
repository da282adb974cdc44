// Generation runs started from the main window: the warning, the progress log, the check
// notices, the completion box with the output folder, and a run that stops on an error.

#include "Models.h"
#include "WorkbenchSupport.h"
#include "store/DemoProject.h"

using namespace testing;

namespace {

const QString kWarning = QStringLiteral("如果以前生成了该项目，最好先删除原来的目录!");

// Starts a run of the chosen project and waits until the window takes commands again.
void runAndWait(Bench& bench) {
    QAction* generate = bench.action("自动生成代码(&A)");
    generate->trigger();
    QVERIFY(!generate->isEnabled());
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
        QCOMPARE(bench.log()->toPlainText().split('\n'), expected);
        QCOMPARE(bench.prompts.folders,
                 QStringList{QDir(app.path()).filePath("projects/" + DemoProjectName())});
        QCOMPARE(bench.prompts.messages, QStringList{kWarning});
    }

    void failedCheckShowsItsMessageAndWritesNothing() {
        TempAppFolder app;
        Bench bench;
        seedModel(ProjectBuilder("Demo")
                      .cls("Book", "图书", {"code 字符串 KDP"})
                      .cls("Loan", "借阅", {"code 字符串 DP"})
                      .build());
        bench.open(app.path());
        runAndWait(bench);
        QCOMPARE(bench.prompts.messages,
                 (QStringList{kWarning, "Loan表主键设置错误，每个类只能设置一个主键!"}));
        QVERIFY(bench.prompts.informations.isEmpty() && bench.prompts.folders.isEmpty());
        QCOMPARE(bench.log()->toPlainText(), QString());
        QVERIFY(!QDir(app.path() + "/projects").exists());
    }

    // A run that an error stops (here: no template project to copy) ends its log with the
    // error, which names the missing folder, and shows it in a box; nothing claims success.
    void runStoppedByAnErrorShowsItInTheLogAndABox() {
        TempAppFolder app;
        QVERIFY(QDir(app.path() + "/bak").removeRecursively());
        Bench bench;
        seedModel(ProjectBuilder("Demo").cls("Book", "图书", {"code 字符串 KDP"}).build());
        bench.open(app.path());
        runAndWait(bench);
        const QStringList log = bench.log()->toPlainText().split('\n');
        QVERIFY2(log.last().contains(app.path() + "/bak/安卓客户端/.settings"),
                 qPrintable(log.last()));
        QVERIFY(!log.contains("所有代码生成完毕!") && !log.contains("移动资源文件完毕!"));
        QCOMPARE(bench.prompts.messages, (QStringList{kWarning, log.last()}));
        QVERIFY(bench.prompts.informations.isEmpty() && bench.prompts.folders.isEmpty());
    }

    void closingTheWindowLetsTheRunFinish() {
        TempAppFolder app;
        Bench bench;
        seedModel(library());
        bench.open(app.path());
        bench.trigger("自动生成代码(&A)");
        bench.window.reset();
        QVERIFY(QFile::exists(app.output("Library") +
                              "/src/com/mobileclient/activity/LoanQueryActivity.java"));
        QVERIFY(bench.prompts.informations.isEmpty() && bench.prompts.folders.isEmpty());
    }

    // Checked, a conflict is listed in a box before the completion box; unchecked (and so after
    // a restart), the run overwrites the user's changes.
    void keepingEditsIsRememberedAndConflictsAreShownFirst() {
        TempAppFolder app;
        Bench bench;
        seedModel(ProjectBuilder("Demo")
                      .cls("Book", "图书", {"code 字符串 KDP", "title 字符串 -"})
                      .build());
        bench.open(app.path());
        auto generate = [&bench] {
            bench.prompts.boxes.clear();
            bench.trigger("自动生成代码(&A)");
            QTRY_VERIFY_WITH_TIMEOUT(bench.action("自动生成代码(&A)")->isEnabled(), 60000);
        };
        QVERIFY(bench.action("保留手工修改(&K)")->isChecked());
        generate();
        const QString domain = app.output("Demo") + "/src/com/mobileclient/domain/Book.java";
        writeAll(domain, readAll(domain).replace("private String title;", "private String t;"));
        TMember title = TMemberDAO().ListMembers(1).last();
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
};

QTEST_MAIN(TestGenerationRun)
#include "test_generation_run.moc"

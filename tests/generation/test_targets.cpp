// Two output targets of one project side by side: each run writes its own folder under its own
// record and lock, keeps the user's changes there, and never reads, locks or changes what a run
// of the other target made.

#include <QLockFile>

#include "Models.h"
#include "generators/server/WebBackend.h"

using testing::readAll;
using testing::writeAll;

namespace {

const QString kCompleted = QStringLiteral("notice 1125 class 0: 所有代码生成完毕!");
const QString kRuntime = QStringLiteral("src/main/java/com/mobileclient/server/Runtime.java");
const QString kPicture = QStringLiteral("src/main/webapp/upload/noimage.jpg");
const QByteArray kRuntimeText = "// 运行时\npublic class Runtime {\n}\n";

// An app folder whose backend template project is the test's own, and runs of the library.
struct TwoTargets {
    testing::TempAppFolder app;

    TwoTargets() {
        QDir(bak()).removeRecursively();
        writeAll(bak() + kRuntime, kRuntimeText);
        writeAll(bak() + kPicture, QByteArray("\xFF\xD8\0jpeg", 7));
    }
    QString bak() const { return app.path() + "/bak/JavaWebProject/"; }
    QString project() const { return app.path() + "/projects/Library/"; }
    QString backend() const { return project() + "JavaWebProject/"; }

    QStringList run(const TOutputTarget& target) {
        testing::RecordingHost host;
        TRunRequest request;
        request.projectName = QStringLiteral("Library");
        request.appFolder = app.path();
        request.loadModel = [] { return testing::library(); };
        request.target = &target;
        RunGeneration(request, host);
        return host.events;
    }

    // A target's output folder and, under "record/", its record folder (the client's without
    // the backend's record inside it).
    testing::Tree state(const QString& folder, const QString& record) const {
        testing::Tree tree = testing::treeOf(project() + folder);
        const testing::Tree kept = testing::treeOf(project() + record);
        for (auto it = kept.cbegin(); it != kept.cend(); ++it) {
            if (!it.key().startsWith("JavaWebProject/")) {
                tree.insert("record/" + it.key(), it.value());
            }
        }
        return tree;
    }
    testing::Tree clientState() const { return state("安卓客户端", ".quillmere"); }
    testing::Tree backendState() const {
        return state("JavaWebProject", ".quillmere/JavaWebProject");
    }
};

}  // namespace

class TargetsTest : public QObject {
    Q_OBJECT

  private slots:
    // The backend copies its template project into its own folder with the client's lines; the
    // record of each target stays as the other's run found it.
    void eachTargetLeavesTheOthersFilesAndRecordAlone() {
        TwoTargets two;
        QCOMPARE(two.run(MobileClientTarget()).last(), kCompleted);
        const testing::Tree client = two.clientState();
        const QStringList lines = two.run(WebBackendTarget());
        QCOMPARE(lines.mid(0, 3),
                 QStringList({"正在移动资源文件。。。",
                              "移动projects/Library/JavaWebProject/src文件夹完毕！",
                              "移动资源文件完毕!"}));
        QCOMPARE(lines.last(), kCompleted);
        QCOMPARE(readAll(two.backend() + kRuntime), kRuntimeText);
        QCOMPARE(testing::firstDifference(two.clientState(), client), QString());
        const testing::Tree backend = two.backendState();
        QVERIFY(backend.contains("record/record"));

        // A client run that removes a file of its own and writes the rest again.
        QVERIFY(QFile::remove(two.app.path() + "/bak/安卓客户端/project.properties"));
        QCOMPARE(two.run(MobileClientTarget()).last(), kCompleted);
        QVERIFY(!QFile::exists(two.project() + "安卓客户端/project.properties"));
        QCOMPARE(testing::firstDifference(two.backendState(), backend), QString());
    }

    // The backend's folder has the client's regeneration guarantees: the user's edit merged
    // with a changed template, a file the template project no longer holds removed.
    void theBackendKeepsTheUsersChanges() {
        TwoTargets two;
        QCOMPARE(two.run(WebBackendTarget()).last(), kCompleted);
        writeAll(two.backend() + kRuntime, "// 运行时，改过\npublic class Runtime {\n}\n");
        writeAll(two.bak() + kRuntime, "// 运行时\npublic class Runtime {\n    int pool;\n}\n");
        QVERIFY(QFile::remove(two.bak() + kPicture));
        const QStringList events = two.run(WebBackendTarget());
        const QString root = "projects/Library/JavaWebProject/";
        QVERIFY(events.contains(root + kRuntime + "合并完成!"));
        QVERIFY(events.contains(root + kPicture + "删除完成!"));
        QCOMPARE(readAll(two.backend() + kRuntime),
                 QByteArray("// 运行时，改过\npublic class Runtime {\n    int pool;\n}\n"));
        QVERIFY(!QFile::exists(two.backend() + kPicture));
    }

    // A run holding one target's lock keeps that target's runs out, not the other's.
    void eachTargetHasItsOwnLock() {
        TwoTargets two;
        QVERIFY(QDir().mkpath(two.project() + ".quillmere/JavaWebProject"));
        QLockFile held(two.project() + ".quillmere/JavaWebProject/lock");
        QVERIFY(held.tryLock(0));
        QCOMPARE(two.run(MobileClientTarget()).last(), kCompleted);
        const QString refused = two.run(WebBackendTarget()).last();
        QVERIFY2(refused.startsWith("failed: ") && refused.contains("正由另一个生成任务写入"),
                 qPrintable(refused));
        QVERIFY(!QDir(two.backend()).exists());
    }
};

QTEST_GUILESS_MAIN(TargetsTest)
#include "test_targets.moc"

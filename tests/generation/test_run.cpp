// The run around the generators: its checks and their order, what stops it before writing, the
// copy of the template project, errors, and its thread. What it writes is compared in
// test_golden.

#include <QSignalSpy>
#include <atomic>
#include <thread>

#include "Models.h"

using testing::RecordingHost;

namespace {

const QString kCompleted = QStringLiteral("notice 1125 class 0: 所有代码生成完毕!");

struct Run {
    testing::TempAppFolder app;
    RecordingHost host;
    QStringList go(qint32 projectId, const QString& projectName) {
        host.events.clear();
        RunGeneration({projectId, projectName, QString(), app.path()}, host);
        return host.events;
    }
    QString out(const QString& file) const { return app.output("Lib") + "/" + file; }
    bool wroteNothing() const { return !QDir(app.path() + "/projects").exists(); }
};

}  // namespace

class RunTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { store_ = std::make_unique<testing::TempStore>(); }
    void cleanup() { store_.reset(); }

    // Each row breaks one check in class B and a later check in class A: the checks run one
    // after the other over all classes, and the first failing check names its first class.
    void checksRunInOrderOverAllClasses_data() {
        QTest::addColumn<int>("notice");
        QTest::addColumn<QString>("failingClass");
        QTest::newRow("key") << 1124 << "B";
        QTest::newRow("display") << 1126 << "B";
        QTest::newRow("phone list") << 1127 << "A";
        QTest::newRow("reference") << 1128 << "A";
    }
    void checksRunInOrderOverAllClasses() {
        QFETCH(int, notice);
        QFETCH(QString, failingClass);
        const char* sound = "k 字符串 KDP";
        const char* noPhone = "k 字符串 KD";
        const char* nowhere = "r Nowhere -";
        testing::ProjectBuilder builder("Lib");
        if (notice == 1124) {
            builder.cls("A", "甲", {noPhone}).cls("B", "乙", {sound, "k2 字符串 K"});
        } else if (notice == 1126) {
            builder.cls("A", "甲", {noPhone}).cls("B", "乙", {sound, "d2 字符串 D"});
        } else if (notice == 1127) {
            builder.cls("A", "甲", {noPhone, nowhere}).cls("B", "乙", {sound});
        } else {
            builder.cls("A", "甲", {sound, nowhere}).cls("B", "乙", {sound});
        }
        Run run;
        const QStringList events = run.go(testing::seedModel(builder.build()), "Lib");
        QCOMPARE(events.size(), 1);
        const QString expected = QStringLiteral("notice %1 class %2: %3")
                                     .arg(notice)
                                     .arg(failingClass == "A" ? 1 : 2)
                                     .arg(failingClass);
        QVERIFY2(events[0].startsWith(expected), qPrintable(events[0]));
        QVERIFY(run.wroteNothing());
    }

    void unsafeNamesAreRefusedBeforeWriting() {
        Run run;
        for (const char* name : {"../escape", "..", "a/b"}) {
            const QStringList events =
                run.go(testing::seedModel(testing::ProjectBuilder(name).build()), name);
            QCOMPARE(events.size(), 1);
            QVERIFY2(events[0].startsWith("failed: "), qPrintable(events[0]));
        }
        QVERIFY(run.wroteNothing());
        QVERIFY(!QFile::exists(run.app.path() + "/../escape"));
    }

    // The template project is checked before anything is written: the message names what is
    // missing, and no output folder, record or journal appears.
    void aMissingOrIncompleteTemplateProjectIsRefusedBeforeWriting() {
        for (const char* part :
             {"bak", "bak/安卓客户端/res", "template", "template/安卓客户端/build.gradle",
              "template/安卓客户端/src/com/mobileclient/activity/MainMenuActivity.java"}) {
            Run run;
            const QString path = run.app.path() + "/" + QString::fromUtf8(part);
            QVERIFY(QFileInfo(path).isDir() ? QDir(path).removeRecursively() : QFile::remove(path));
            const QStringList events = run.go(testing::seedModel(testing::library()), "Lib");
            QCOMPARE(events.size(), 1);
            QVERIFY2(events[0].startsWith("failed: ") && events[0].contains(path),
                     qPrintable(events[0]));
            QVERIFY(run.wroteNothing());
        }
    }

    void rootFilesMissingAreSkippedButOnesThatCannotBeCopiedFail() {
        Run run;
        const QString bak = run.app.path() + "/bak/安卓客户端/";
        QVERIFY(QFile::remove(bak + "proguard-project.txt"));
        const qint32 id = testing::seedModel(testing::ProjectBuilder("Lib").build());
        QCOMPARE(run.go(id, "Lib").last(), kCompleted);
        QVERIFY(!QFile::exists(run.out("proguard-project.txt")));
        QVERIFY(QFile::exists(run.out("project.properties")));

        QVERIFY(QFile::remove(bak + ".project"));
        QVERIFY(QDir().mkpath(bak + ".project"));
        const QString failure = run.go(id, "Lib").last();
        QVERIFY2(failure.startsWith("failed: ") && failure.contains(".project"),
                 qPrintable(failure));
        QVERIFY(QFileInfo(run.out(".project")).isFile());  // the old copy stays
    }

    // A lock left empty fails the run unless the host confirms its removal; then the run
    // starts again and completes.
    void anEmptyLockGoesOnlyWhenConfirmed() {
        Run run;
        const qint32 id = testing::seedModel(testing::ProjectBuilder("Lib").build());
        const QString lock = run.app.path() + "/projects/Lib/.quillmere/lock";
        testing::writeAll(lock, "");
        QStringList asked;
        for (const bool confirm : {false, true}) {
            run.host.events.clear();
            TRunRequest request{id, "Lib", QString(), run.app.path()};
            request.confirmLockRemoval = [&](const QString& message) {
                asked << message;
                return confirm;
            };
            RunGeneration(request, run.host);
            QCOMPARE(asked.size(), confirm ? 2 : 1);
            QVERIFY(asked.last().contains(lock) && asked.last().contains("空的或无法读取"));
            QCOMPARE(run.host.events.last(), confirm ? kCompleted : "failed: " + asked.last());
        }
        QVERIFY(!QFile::exists(lock));
    }

    void aThreadedRunCallsItsHostOnTheHostThread() {
        testing::TempAppFolder app;
        const qint32 id = testing::seedModel(testing::library());
        RecordingHost host;
        QObject context;
        auto* run = new TAutoCode({id, "Lib", QString(), app.path()}, &host, &context);
        QSignalSpy finished(run, &QThread::finished);
        run->start();
        QVERIFY(finished.wait(60000));
        QCOMPARE(host.events.last(), kCompleted);
        for (Qt::HANDLE thread : host.threads) {
            QCOMPARE(thread, QThread::currentThreadId());
        }
    }

    // A damaged page in the middle of the class list is a store error, never a failed check.
    void aStoreReadErrorEndsTheRunAsAStoreError() {
        testing::TempAppFolder app;
        TProjectDAO().AddProject("Lib");
        QList<TStatement> inserts;
        for (int i = 0; i < 400; ++i) {
            inserts.append({"insert into t_class(projectId,className,friendName) values (1,?,?)",
                            {QString("C%1").arg(i), QString(400, QChar(u'类'))}});
        }
        TDbHelper().ExecBatch(inserts);
        TDbHelper::CloseConnection();
        QFile file(store_->path());
        QVERIFY(file.open(QIODevice::ReadWrite));
        const qint64 pages = file.size() / 4096;
        for (qint64 page = pages / 2; page < pages * 3 / 4; ++page) {
            file.seek(page * 4096);
            file.write(QByteArray(4096, '\xff'));
        }
        file.close();
        RecordingHost host;
        RunGeneration({1, "Lib", QString(), app.path()}, host);
        QCOMPARE(host.events.size(), 1);
        QVERIFY2(host.events[0].startsWith("failed: "), qPrintable(host.events[0]));
        QVERIFY(!QDir(app.output("Lib")).exists());
    }

    // Another writer moving a key flag while runs go: each run sees one state of the store and
    // either completes or reports the key check.
    void editsDuringARunNeverBreakIt() {
        testing::TempAppFolder app;
        const qint32 id = testing::seedModel(
            testing::ProjectBuilder("Lib")
                .cls("BookType", "类别", {"typeId 整型 KDP"})
                .cls("Book", "图书", {"barcode 字符串 KDP", "bookType BookType -"})
                .build());
        std::atomic<bool> stop{false};
        std::thread writer([&] {
            TMember key = *TMemberDAO().GetMember(2);  // Book's key member
            while (!stop) {
                key.memberIsPri = 1 - key.memberIsPri;
                TMemberDAO().UpdateMember(key);
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
            TDbHelper::CloseConnection();
        });
        for (int i = 0; i < 40; ++i) {
            RecordingHost host;
            RunGeneration({id, "Lib", QString(), app.path()}, host);
            QVERIFY2(host.events.last().startsWith("notice 1125") ||
                         host.events.last().startsWith("notice 1124 class 2"),
                     qPrintable(host.events.last()));
        }
        stop = true;
        writer.join();
    }

  private:
    std::unique_ptr<testing::TempStore> store_;
};

QTEST_GUILESS_MAIN(RunTest)
#include "test_run.moc"

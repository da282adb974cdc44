#include <QSignalSpy>
#include <atomic>
#include <thread>

#include "TestSupport.h"
#include "generation/AutoCode.h"

using testing::M;

namespace {

// Records what a run reports, in order.
class RecordingHost : public TGenerationHost {
  public:
    QStringList events;
    QList<Qt::HANDLE> threads;

    void AppendProgress(const QString& line) override { record(line); }
    void Notice(int message, qint32 classId, const QString& text) override {
        record(QStringLiteral("notice %1 class %2: %3").arg(message).arg(classId).arg(text));
    }
    void RunFailed(const QString& message) override { record("failed: " + message); }

  private:
    void record(const QString& event) {
        events << event;
        threads << QThread::currentThreadId();
    }
};

const std::initializer_list<M> kBookType = {
    {.name = "typeId", .type = kTypeInteger, .key = true, .phone = true},
    {.name = "typeName", .type = kTypeString, .display = true, .phone = true}};
const std::initializer_list<M> kBook = {
    {.name = "barcode", .type = kTypeString, .key = true, .phone = true},
    {.name = "bookName", .type = kTypeString, .display = true},
    {.name = "bookType", .type = "BookType"}};

QStringList progressOf(const QString& project, const QStringList& classes,
                       const QStringList& classFiles) {
    const QString root = "projects/" + project + "/安卓客户端/";
    QStringList lines = {root + "AndroidManifest.xml生成完成!",
                         root + "src/com/mobileclient/activity/MainMenuActivity生成完成!",
                         "正在移动资源文件。。。"};
    for (const char* folder : {".settings", "assets", "libs", "res", "src"}) {
        lines << "移动" + root + folder + "文件夹完毕！";
    }
    lines << "移动资源文件完毕!";
    for (const QString& cls : classes) {
        for (const QString& file : classFiles) {
            lines << root + QString(file).replace("%C", cls).replace("%c", cls.toLower()) +
                         "生成完成!";
        }
    }
    return lines;
}

}  // namespace

class RunTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { store_ = std::make_unique<testing::TempStore>(); }
    void cleanup() { store_.reset(); }

    void aPassingRunWritesEverythingInOrder() {
        testing::TempAppFolder app;
        const qint32 id = testing::seedProject("Lib", {{"BookType", kBookType}, {"Book", kBook}});
        RecordingHost host;
        RunGeneration({id, "Lib", "quillmere", app.path()}, host);
        const QStringList classFiles = {"res/layout/%c_add.xml",
                                        "res/layout/%c_edit.xml",
                                        "res/layout/%c_detail.xml",
                                        "res/layout/%c_list.xml",
                                        "res/layout/%c_list_item.xml",
                                        "res/layout/%c_query.xml",
                                        "src/com/mobileclient/domain/%C.java",
                                        "src/com/mobileclient/service/%CService.java",
                                        "src/com/mobileclient/handler/%CListHandler.java",
                                        "src/com/mobileclient/util/%CSimpleAdapter.java",
                                        "src/com/mobileclient/activity/%CAddActivity.java",
                                        "src/com/mobileclient/activity/%CEditActivity.java",
                                        "src/com/mobileclient/activity/%CListActivity.java",
                                        "src/com/mobileclient/activity/%CDetailActivity.java",
                                        "src/com/mobileclient/activity/%CQueryActivity.java"};
        QCOMPARE(host.events, progressOf("Lib", {"BookType", "Book"}, classFiles)
                                  << "notice 1125 class 0: 所有代码生成完毕!");
        for (const QString& line : host.events.mid(9, 30)) {
            const QString relative = line.mid(QString("projects/Lib/安卓客户端/").size())
                                         .chopped(QString("生成完成!").size());
            QVERIFY2(QFile::exists(app.output("Lib") + "/" + relative), qPrintable(relative));
        }
        QVERIFY(testing::readAll(app.output("Lib") +
                                 "/src/com/mobileclient/activity/MainMenuActivity.java")
                    .contains("bookTypeLinstener"));
    }

    void checksRunInOrderOverAllClasses() {
        testing::TempAppFolder app;
        // A breaks only the phone-list check; B (later) breaks the key check, which runs first.
        const qint32 id = testing::seedProject(
            "Lib",
            {{"A", {{.name = "id", .type = kTypeInteger, .key = true, .display = true}}},
             {"B",
              {{.name = "x", .type = kTypeString, .key = true, .display = true, .phone = true},
               {.name = "y", .type = kTypeString, .key = true}}}});
        RecordingHost host;
        RunGeneration({id, "Lib", "quillmere", app.path()}, host);
        QCOMPARE(host.events,
                 QStringList{"notice 1124 class 2: B表主键设置错误，每个类只能设置一个主键!"});
        QVERIFY(!QDir(app.path() + "/projects").exists());
    }

    void displayAndPhoneListChecksFollow() {
        testing::TempAppFolder app;
        const qint32 id = testing::seedProject(
            "Lib", {{"A", {{.name = "id", .type = kTypeInteger, .key = true, .display = true}}},
                    {"B", {{.name = "x", .type = kTypeString, .key = true, .phone = true}}}});
        RecordingHost host;
        RunGeneration({id, "Lib", "quillmere", app.path()}, host);
        QCOMPARE(host.events,
                 QStringList{"notice 1126 class 2: "
                             "B表显示成员设置错误，每个类有且只能设置一个下拉框显示字段!"});
        TMember display = *TMemberDAO().GetMember(2);
        display.memberIsDisplay = 1;
        TMemberDAO().UpdateMember(display);
        host.events.clear();
        RunGeneration({id, "Lib", "quillmere", app.path()}, host);
        QCOMPARE(host.events,
                 QStringList{"notice 1127 class 1: A表请至少设置一个安卓列表页显示字段!"});
        QVERIFY(!QDir(app.path() + "/projects").exists());
    }

    void aReferenceToNoClassStopsBeforeWriting() {
        testing::TempAppFolder app;
        const qint32 id = testing::seedProject(
            "Lib",
            {{"Loan",
              {{.name = "id", .type = kTypeInteger, .key = true, .display = true, .phone = true},
               {.name = "book", .type = "Book"}}}});
        RecordingHost host;
        RunGeneration({id, "Lib", "quillmere", app.path()}, host);
        QCOMPARE(host.events.size(), 1);
        QVERIFY(host.events[0].startsWith("notice 1128 class 1: Loan"));
        QVERIFY(host.events[0].contains("book"));
        QVERIFY(!QDir(app.path() + "/projects").exists());
    }

    void anEmptyProjectStillGetsItsScaffolding() {
        testing::TempAppFolder app;
        const qint32 id = testing::seedProject("Empty", {});
        RecordingHost host;
        RunGeneration({id, "Empty", "quillmere", app.path()}, host);
        QCOMPARE(host.events, progressOf("Empty", {}, {})
                                  << "notice 1125 class 0: 所有代码生成完毕!");
    }

    void unsafeProjectNameIsRefusedBeforeWriting() {
        testing::TempAppFolder app;
        for (const char* name : {"../escape", "..", "a/b"}) {
            const qint32 id = testing::seedProject(name, {});
            RecordingHost host;
            RunGeneration({id, name, "quillmere", app.path()}, host);
            QCOMPARE(host.events.size(), 1);
            QVERIFY(host.events[0].startsWith("failed: "));
        }
        QVERIFY(!QDir(app.path() + "/projects").exists());
        QVERIFY(!QFile::exists(app.path() + "/../escape"));
    }

    // Without a record (a folder written before records were kept) a second run keeps the files
    // directly in the copied folders only; with one, it keeps every file the user changed.
    void editedTemplateFilesStayAsTheRecordAllows() {
        testing::TempAppFolder app;
        const qint32 id = testing::seedProject("Lib", {});
        RecordingHost host;
        RunGeneration({id, "Lib", "quillmere", app.path()}, host);
        const QString out = app.output("Lib");
        const QString bak = app.path() + "/bak/安卓客户端";
        for (const char* file :
             {".classpath", ".project", "ic_launcher-web.png", "proguard-project.txt",
              "project.properties", "assets/README.txt", "res/values/strings.xml",
              "src/com/mobileclient/app/Declare.java"}) {
            QCOMPARE(testing::readAll(out + "/" + file), testing::readAll(bak + "/" + file));
        }
        QVERIFY(QFile::exists(app.path() + "/projects/Lib/.quillmere/record"));
        const char* const edited[] = {"/assets/README.txt", "/res/values/strings.xml", "/.project"};
        for (const bool recorded : {false, true}) {
            for (const char* file : edited) {
                testing::writeAll(out + file, "edited");
            }
            if (!recorded) {
                QVERIFY(QDir(app.path() + "/projects/Lib/.quillmere").removeRecursively());
            }
            RunGeneration({id, "Lib", "quillmere", app.path()}, host);
            QCOMPARE(host.events.last(), QString("notice 1125 class 0: 所有代码生成完毕!"));
            for (const char* file : edited) {
                const bool kept = recorded || QByteArray(file) == "/assets/README.txt";
                QCOMPARE(testing::readAll(out + file),
                         kept ? QByteArray("edited") : testing::readAll(bak + file));
            }
        }
    }

    void aMissingTemplateProjectEndsTheRunWithAnError() {
        testing::TempAppFolder app;
        QVERIFY(QDir(app.path() + "/bak").removeRecursively());
        const qint32 id = testing::seedProject("Lib", {{"BookType", kBookType}});
        RecordingHost host;
        RunGeneration({id, "Lib", "quillmere", app.path()}, host);
        QCOMPARE(host.events.size(), 4);
        QCOMPARE(host.events.mid(0, 3), progressOf("Lib", {}, {}).mid(0, 3));
        QVERIFY(host.events[3].startsWith("failed: "));
        QVERIFY(host.events[3].contains(".settings"));
        QVERIFY(QFile::exists(app.output("Lib") + "/AndroidManifest.xml"));
    }

    void rootFilesMissingAreSkippedButOnesThatCannotBeCopiedFail() {
        testing::TempAppFolder app;
        const QString bak = app.path() + "/bak/安卓客户端/";
        QVERIFY(QFile::remove(bak + "proguard-project.txt"));
        const qint32 id = testing::seedProject("Lib", {});
        RecordingHost host;
        RunGeneration({id, "Lib", "quillmere", app.path()}, host);
        QCOMPARE(host.events.last(), QString("notice 1125 class 0: 所有代码生成完毕!"));
        QVERIFY(!QFile::exists(app.output("Lib") + "/proguard-project.txt"));
        QVERIFY(QFile::exists(app.output("Lib") + "/project.properties"));

        QVERIFY(QFile::remove(bak + ".project"));
        QVERIFY(QDir().mkpath(bak + ".project"));
        host.events.clear();
        RunGeneration({id, "Lib", "quillmere", app.path()}, host);
        QVERIFY(host.events.last().startsWith("failed: "));
        QVERIFY(host.events.last().contains(".project"));
        QVERIFY(QFileInfo(app.output("Lib") + "/.project").isFile());  // the old copy stays
    }

    void missingTemplatesGiveEmptyFiles() {
        testing::TempAppFolder app;
        QVERIFY(QDir(app.path() + "/template").removeRecursively());
        const qint32 id = testing::seedProject("Lib", {});
        RecordingHost host;
        RunGeneration({id, "Lib", "quillmere", app.path()}, host);
        QCOMPARE(host.events.last(), QString("notice 1125 class 0: 所有代码生成完毕!"));
        QCOMPARE(testing::readAll(app.output("Lib") + "/AndroidManifest.xml"),
                 QByteArray("\xEF\xBB\xBF"));
        QCOMPARE(testing::readAll(app.output("Lib") +
                                  "/src/com/mobileclient/activity/MainMenuActivity.java"),
                 QByteArray());
    }

    void aThreadedRunCallsItsHostOnTheHostThread() {
        testing::TempAppFolder app;
        const qint32 id = testing::seedProject("Lib", {{"BookType", kBookType}});
        RecordingHost host;
        QObject context;
        TAutoCode* run = TAutoCode::Start({id, "Lib", "quillmere", app.path()}, &host, &context);
        QSignalSpy finished(run, &QThread::finished);
        QVERIFY(finished.wait(60000));
        QCOMPARE(host.events.last(), QString("notice 1125 class 0: 所有代码生成完毕!"));
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
        RunGeneration({1, "Lib", "quillmere", app.path()}, host);
        QCOMPARE(host.events.size(), 1);
        QVERIFY2(host.events[0].startsWith("failed: "), qPrintable(host.events[0]));
        QVERIFY(!QDir(app.output("Lib")).exists());
    }

    // Another writer moving a key flag while runs go: each run sees one state of the store and
    // either completes or reports the key check.
    void editsDuringARunNeverBreakIt() {
        testing::TempAppFolder app;
        const qint32 id = testing::seedProject("Lib", {{"BookType", kBookType}, {"Book", kBook}});
        std::atomic<bool> stop{false};
        std::thread writer([&] {
            TMember key = *TMemberDAO().GetKeyMember(TClassDAO().GetClassId(id, "Book"));
            while (!stop) {
                key.memberIsPri = 1 - key.memberIsPri;
                TMemberDAO().UpdateMember(key);
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
            TDbHelper::CloseConnection();
        });
        for (int i = 0; i < 40; ++i) {
            RecordingHost host;
            RunGeneration({id, "Lib", "quillmere", app.path()}, host);
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

// The pieces of managed regeneration: what becomes of a file in each state on disk and in
// either mode, and the record's defence against damage.

#include "TestSupport.h"
#include "generation/OutputProject.h"

namespace {

const QByteArray kAbsent;                                    // a null array: no such file
const QByteArray kDeleted = QByteArrayLiteral("<deleted>");  // the user deleted the file
const QByteArray kPicture("\x89PNG\0old", 8);

// One run writing (or, with kAbsent, no longer making) the file f.txt of project P.
struct Run {
    QStringList lines;
    QStringList conflicts;
};
Run runOnce(const QString& app, TWriteMode mode, const QByteArray& bytes, bool keepExisting) {
    Run run;
    TOutputProject output(app, "P", mode, [&run](const QString& line) { run.lines << line; });
    if (!bytes.isNull()) {
        output.copy("f.txt", bytes, keepExisting);
    }
    output.finish();
    run.conflicts = output.conflicts();
    return run;
}

}  // namespace

class RegenerationTest : public QObject {
    Q_OBJECT

  private slots:
    // f.txt made by a first run (unless kAbsent), then changed by the user (unless kAbsent),
    // then made again by a second run (or no longer made: kAbsent).
    void eachFileFollowsWhatHappenedToIt() {
        using enum TWriteMode;
        const struct {
            const char* name;
            TWriteMode mode;
            QByteArray first, user, second;
            bool keepExisting;
            QByteArray after;
            const char* line;  // what the second run reports of the file
            bool conflict;
        } cases[] = {
            {"unchanged, new content", KeepEdits, "a\n", kAbsent, "b\n", false, "b\n", nullptr},
            {"edited, same content", KeepEdits, "a\n", "mine\n", "a\n", false, "mine\n",
             "保留手工修改!"},
            {"both changed", KeepEdits, "a\nb\nc\n", "A\nb\nc\n", "a\nb\nC\n", false, "A\nb\nC\n",
             "合并完成!"},
            {"both changed, binary", KeepEdits, kPicture, kPicture + "mine", kPicture + "new",
             false, kPicture + "mine", "合并冲突!", true},
            {"deleted by the user", KeepEdits, "a\n", kDeleted, "b\n", false, "b\n", nullptr},
            {"edited, overwritten", Overwrite, "a\n", "mine\n", "a\n", false, "a\n", nullptr},
            {"stale, unchanged", KeepEdits, "a\n", kAbsent, kAbsent, false, kAbsent, "删除完成!"},
            {"stale, edited", KeepEdits, "a\n", "mine\n", kAbsent, false, "mine\n",
             "已不再生成，保留手工修改!"},
            {"stale, edited, overwritten", Overwrite, "a\n", "mine\n", kAbsent, false, kAbsent,
             "删除完成!"},
            {"no record, kept at the top", KeepEdits, kAbsent, "mine\n", "b\n", true, "mine\n",
             nullptr},
            {"no record, replaced below", KeepEdits, kAbsent, "mine\n", "b\n", false, "b\n",
             nullptr},
            // An edit that keeps the size is an edit all the same.
            {"edited at the same size", KeepEdits, "abc\n", "xyz\n", "abc\n", false, "xyz\n",
             "保留手工修改!"},
            {"edited at the same size, both changed", KeepEdits, "abc\n", "xyz\n", "abd\n", false,
             "<<<<<<< ", "合并冲突!", true},
            {"stale, edited at the same size", KeepEdits, "abc\n", "xyz\n", kAbsent, false, "xyz\n",
             "已不再生成，保留手工修改!"},
        };
        for (const auto& c : cases) {
            QTemporaryDir app;
            const QString file = app.filePath("projects/P/安卓客户端/f.txt");
            if (!c.first.isNull()) {
                runOnce(app.path(), c.mode, c.first, c.keepExisting);
            }
            if (c.user == kDeleted) {
                QFile::remove(file);
            } else if (!c.user.isNull()) {
                testing::writeAll(file, c.user);
            }
            const Run second = runOnce(app.path(), c.mode, c.second, c.keepExisting);
            QVERIFY2(QFile::exists(file) == !c.after.isNull(), c.name);
            QVERIFY2(c.after == "<<<<<<< " ? testing::readAll(file).startsWith(c.after)
                                           : testing::readAll(file) == c.after,
                     c.name);
            const QString shown = "projects/P/安卓客户端/f.txt";
            QCOMPARE(second.lines,
                     c.line ? QStringList{shown + QString::fromUtf8(c.line)} : QStringList());
            QCOMPARE(second.conflicts, c.conflict ? QStringList{shown} : QStringList());
            QVERIFY(!QFile::exists(app.filePath("projects/P/安卓客户端/.quillmere")));
        }
    }

    void aDamagedOrForeignRecordIsReportedAndCountsAsNone() {
        const struct {
            const char* name;
            void (*damage)(QByteArray&);
        } cases[] = {
            {"a changed byte", [](QByteArray& r) { r[r.size() - 12] = r[r.size() - 12] ^ 1; }},
            {"cut short", [](QByteArray& r) { r.chop(6); }},
            {"foreign", [](QByteArray& r) { r = "# some other program's file\n"; }},
            {"bytes after its end", [](QByteArray& r) { r.append('\0'); }},
            {"no damage", [](QByteArray&) {}},
        };
        for (const auto& c : cases) {
            QTemporaryDir app;
            const QString record = app.filePath("projects/P/.quillmere/record");
            runOnce(app.path(), TWriteMode::KeepEdits, "a\n", false);
            testing::writeAll(app.filePath("projects/P/安卓客户端/f.txt"), "mine\n");
            QByteArray bytes = testing::readAll(record);
            c.damage(bytes);
            testing::writeAll(record, bytes);
            // Trusted, the record keeps the user's file; untrusted, the run writes as before.
            const Run second = runOnce(app.path(), TWriteMode::KeepEdits, "a\n", false);
            const bool damaged = QByteArray(c.name) != "no damage";
            QCOMPARE(second.lines.size(), 1);
            QVERIFY2(second.lines[0].contains(record) == damaged, qPrintable(second.lines[0]));
            QCOMPARE(testing::readAll(app.filePath("projects/P/安卓客户端/f.txt")),
                     QByteArray(damaged ? "a\n" : "mine\n"));
        }
    }

    // Paths come from a file anyone can write: one that leads out of the output project makes
    // the record untrusted, so its stale files are never removed.
    void aRecordNamingAFileOutsideTheProjectIsNotTrusted() {
        QTemporaryDir app;
        testing::writeAll(app.filePath("projects/P/victim.txt"), "a\n");
        {
            TRegenerationRecord record(app.filePath("projects/P/.quillmere"),
                                       app.filePath("projects/P/安卓客户端"));
            QDir().mkpath(app.filePath("projects/P/.quillmere"));
            record.Open();
            record.NoteKept("../victim.txt", "a\n");
            record.Commit();
        }
        const Run run = runOnce(app.path(), TWriteMode::KeepEdits, kAbsent, false);
        QCOMPARE(run.lines.size(), 1);
        QVERIFY(QFile::exists(app.filePath("projects/P/victim.txt")));
    }

    // A run stopped after noting a removal that it never made: the next run still knows the
    // file as made by a run, and removes it.
    void aRemovalNotedButNotMadeIsMadeByTheNextRun() {
        QTemporaryDir app;
        runOnce(app.path(), TWriteMode::KeepEdits, "a\n", false);
        {
            TRegenerationRecord stopped(app.filePath("projects/P/.quillmere"),
                                        app.filePath("projects/P/安卓客户端"));
            stopped.Open();
            stopped.NoteRemoved("f.txt");
        }
        const Run next = runOnce(app.path(), TWriteMode::KeepEdits, kAbsent, false);
        QCOMPARE(next.lines, QStringList{"projects/P/安卓客户端/f.txt删除完成!"});
        QVERIFY(!QFile::exists(app.filePath("projects/P/安卓客户端/f.txt")));
    }

    // One writer at a time, also within one process: the lock lasts as long as the writer.
    void aSecondWriterOfTheProjectIsRefusedWhileTheFirstLasts() {
        QTemporaryDir app;
        const auto writer = [&] {
            return std::make_unique<TOutputProject>(app.path(), "P", TWriteMode::KeepEdits,
                                                    [](const QString&) {});
        };
        auto first = writer();
        first->copy("f.txt", "a\n", false);
        try {
            writer();
            QFAIL("a second writer was let in");
        } catch (const TError& error) {
            QVERIFY2(error.message().contains("正由另一个生成任务写入"),
                     qPrintable(error.message()));
        }
        first->finish();
        first.reset();
        auto next = writer();
        next->copy("f.txt", "b\n", false);
        next->finish();
        QCOMPARE(testing::readAll(app.filePath("projects/P/安卓客户端/f.txt")), QByteArray("b\n"));
    }
};

QTEST_GUILESS_MAIN(RegenerationTest)
#include "test_regeneration.moc"

// The pieces of managed regeneration: what becomes of a file in each state on disk and in
// either mode, what stays listed until the user acts, the record's defence against damage and
// its earlier format, and what a replaced file keeps or a full disk reports.

#include <zlib.h>

#include <QCryptographicHash>
#include <QScopeGuard>
#include <QStringEncoder>
#include <QtEndian>

#include "TestSupport.h"
#include "common/Error.h"
#include "generation/OutputProject.h"
#include "generators/client/MobileClient.h"

namespace {

const QByteArray kAbsent;                                    // a null array: no such file
const QByteArray kDeleted = QByteArrayLiteral("<deleted>");  // the user deleted the file
const QByteArray kPicture("\x89PNG\0old", 8);

// One run writing (or, with kAbsent, no longer making) the file f.txt of project P.
struct Run {
    QStringList lines;
    QStringList conflicts;
};
Run runOnce(const QString& app, TWriteMode mode, const QByteArray& bytes,
            const QString& file = "f.txt", const QString& project = "P") {
    Run run;
    TOutputProject output(app, project, MobileClientTarget(), mode,
                          [&run](const QString& line) { run.lines << line; });
    if (!bytes.isNull()) {
        output.copy(file, bytes);
    }
    output.finish();
    run.conflicts = output.conflicts();
    return run;
}

const QString kRoot = "projects/P/安卓客户端/";
const QString kShown = kRoot + "f.txt";

// The list of what to settle names the file once, under a heading holding the given words.
void checkListed(const Run& run, const char* heading, const char* name) {
    if (heading == nullptr) {
        QVERIFY2(run.conflicts.isEmpty(), name);
        return;
    }
    QCOMPARE(run.conflicts.size(), 2);
    QVERIFY2(run.conflicts[0].contains(QString::fromUtf8(heading)), name);
    QCOMPARE(run.conflicts[1], kShown);
}

}  // namespace

class RegenerationTest : public QObject {
    Q_OBJECT

  private slots:
    // f.txt made by a first run (unless kAbsent), then changed by the user (unless kAbsent),
    // then made again by a second run (or no longer made: kAbsent).
    void eachFileFollowsWhatHappenedToIt() {
        using enum TWriteMode;
        const QByteArray twoWay =
            "<<<<<<< 你的修改\nmine\n||||||| 上次生成\n=======\nb\n>>>>>>> 本次生成\n";
        const struct {
            const char* name;
            TWriteMode mode;
            QByteArray first, user, second;
            QByteArray after;
            const char* line;    // what the second run reports of the file
            const char* listed;  // the heading the file is listed under
        } cases[] = {
            {"unchanged, new content", KeepEdits, "a\n", kAbsent, "b\n", "b\n", nullptr},
            {"edited, same content", KeepEdits, "a\n", "mine\n", "a\n", "mine\n", "保留手工修改!"},
            {"both changed", KeepEdits, "a\nb\nc\n", "A\nb\nc\n", "a\nb\nC\n", "A\nb\nC\n",
             "合并完成!"},
            {"both changed, binary", KeepEdits, kPicture, kPicture + "mine", kPicture + "new",
             kPicture + "mine", "是二进制文件，保留你的版本，新生成的版本写在f.txt.generated~!",
             "二进制"},
            {"deleted by the user", KeepEdits, "a\n", kDeleted, "b\n", "b\n", nullptr},
            {"edited, overwritten", Overwrite, "a\n", "mine\n", "a\n", "a\n", nullptr},
            {"stale, unchanged", KeepEdits, "a\n", kAbsent, kAbsent, kAbsent, "删除完成!"},
            {"stale, edited", KeepEdits, "a\n", "mine\n", kAbsent, "mine\n",
             "已不再生成，保留手工修改!", "不再生成"},
            {"stale, edited, overwritten", Overwrite, "a\n", "mine\n", kAbsent, kAbsent,
             "删除完成!"},
            {"no record, different", KeepEdits, kAbsent, "mine\n", "b\n", twoWay, "合并冲突!",
             "冲突标记"},
            {"no record, the same", KeepEdits, kAbsent, "b\n", "b\n", "b\n", nullptr},
            {"no record, overwritten", Overwrite, kAbsent, "mine\n", "b\n", "b\n", nullptr},
            // An edit that keeps the size is an edit all the same.
            {"edited at the same size", KeepEdits, "abc\n", "xyz\n", "abc\n", "xyz\n",
             "保留手工修改!"},
            {"edited at the same size, both changed", KeepEdits, "abc\n", "xyz\n", "abd\n",
             "<<<<<<< 你的修改\nxyz\n||||||| 上次生成\nabc\n=======\nabd\n>>>>>>> 本次生成\n",
             "合并冲突!", "冲突标记"},
            {"stale, edited at the same size", KeepEdits, "abc\n", "xyz\n", kAbsent, "xyz\n",
             "已不再生成，保留手工修改!", "不再生成"},
            // A line the user deleted next to one the model adds is never put back silently.
            {"deleted next to an added line", KeepEdits, "a\nrow\nz\n", "a\nz\n",
             "a\nrow\nnew\nz\n",
             "a\n<<<<<<< 你的修改\n||||||| 上次生成\nrow\n=======\nrow\nnew\n>>>>>>> 本次生成\nz\n",
             "合并冲突!", "冲突标记"},
            {"git's conflict markers", KeepEdits, "a\n",
             "<<<<<<< HEAD\nmine\n=======\na\n>>>>>>> topic\n", "b\n",
             "<<<<<<< HEAD\nmine\n=======\na\n>>>>>>> topic\n", "冲突尚未解决!", "冲突标记"},
        };
        for (const auto& c : cases) {
            QTemporaryDir app;
            const QString file = app.filePath("projects/P/安卓客户端/f.txt");
            if (!c.first.isNull()) {
                runOnce(app.path(), c.mode, c.first);
            }
            if (c.user == kDeleted) {
                QFile::remove(file);
            } else if (!c.user.isNull()) {
                testing::writeAll(file, c.user);
            }
            const Run second = runOnce(app.path(), c.mode, c.second);
            QVERIFY2(QFile::exists(file) == !c.after.isNull(), c.name);
            QVERIFY2(testing::readAll(file) == c.after, c.name);
            QCOMPARE(second.lines,
                     c.line ? QStringList{kShown + QString::fromUtf8(c.line)} : QStringList());
            checkListed(second, c.listed, c.name);
            QVERIFY(!QFile::exists(app.filePath("projects/P/安卓客户端/.quillmere")));
        }
    }

    // A picture taken back to an earlier generation (git checkout) holds no edit: it gets the
    // new content, with nothing listed.
    void aPictureTakenBackToAnEarlierGenerationGetsTheNewContent() {
        QTemporaryDir app;
        const QString file = app.filePath("projects/P/安卓客户端/f.txt");
        runOnce(app.path(), TWriteMode::KeepEdits, kPicture + "1");
        runOnce(app.path(), TWriteMode::KeepEdits, kPicture + "2");
        testing::writeAll(file, kPicture + "1");
        checkListed(runOnce(app.path(), TWriteMode::KeepEdits, kPicture + "3"), nullptr, "back");
        QCOMPARE(testing::readAll(file), kPicture + "3");
    }

    // What stays listed: markers until they are gone, a changed file the model no longer makes
    // until it is gone; a binary file only on the run that offers the new content.
    void listedUntilTheUserActs() {
        const struct {
            const char* name;
            QByteArray first, user, later;
            const char* listed[3];  // on the second run, a third, and one after the user acted
        } cases[] = {
            {"markers", "a\n", "A\n", "b\n", {"冲突标记", "冲突标记", nullptr}},
            {"binary", kPicture, kPicture + "mine", kPicture + "new", {"二进制", nullptr, nullptr}},
            {"stale", "a\n", "mine\n", kAbsent, {"不再生成", "不再生成", nullptr}},
        };
        for (const auto& c : cases) {
            QTemporaryDir app;
            const QString file = app.filePath("projects/P/安卓客户端/f.txt");
            runOnce(app.path(), TWriteMode::KeepEdits, c.first);
            testing::writeAll(file, c.user);
            checkListed(runOnce(app.path(), TWriteMode::KeepEdits, c.later), c.listed[0], c.name);
            const QByteArray left = testing::readAll(file);
            checkListed(runOnce(app.path(), TWriteMode::KeepEdits, c.later), c.listed[1], c.name);
            QVERIFY2(testing::readAll(file) == left, c.name);  // never merged twice
            testing::writeAll(file, c.user);                   // the user settles it
            if (c.later.isNull()) {
                QFile::remove(file);
            }
            checkListed(runOnce(app.path(), TWriteMode::KeepEdits, c.later), c.listed[2], c.name);
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
            runOnce(app.path(), TWriteMode::KeepEdits, "a\n");
            testing::writeAll(app.filePath("projects/P/安卓客户端/f.txt"), "mine\n");
            QByteArray bytes = testing::readAll(record);
            c.damage(bytes);
            testing::writeAll(record, bytes);
            // Trusted, the record keeps the user's file; untrusted, the user's file is kept all
            // the same, the new content offered beside the user's between markers.
            const Run second = runOnce(app.path(), TWriteMode::KeepEdits, "a\n");
            const bool damaged = QByteArray(c.name) != "no damage";
            QCOMPARE(second.lines.size(), damaged ? 2 : 1);
            QVERIFY2(second.lines[0].contains(record) == damaged, qPrintable(second.lines[0]));
            const QByteArray after = testing::readAll(app.filePath("projects/P/安卓客户端/f.txt"));
            QVERIFY2(
                damaged ? after.contains("\nmine\n") && after.contains("\na\n") : after == "mine\n",
                c.name);
            checkListed(second, damaged ? "冲突标记" : nullptr, c.name);
        }
    }

    // A Java source made in GBK with CR LF, then saved by the user in another form: a file that
    // differs in form alone is unedited and gets the new content in its own form; an edited
    // one is merged in its own form, never with bytes of another encoding.
    void lineEndsEncodingAndBomAreNoEdits() {
        QStringEncoder gbk("GBK");
        const QByteArray first = gbk.encode(u"// 书名\r\nint a;\r\n");
        const QByteArray second = gbk.encode(u"// 书名\r\nint b;\r\n");
        const QByteArray bom = "\xEF\xBB\xBF";
        const struct {
            const char* name;
            QByteArray user, after;
            const char* line;
        } cases[] = {
            {"LF", gbk.encode(u"// 书名\nint a;\n"), gbk.encode(u"// 书名\nint b;\n"), "F.java"},
            {"UTF-8", QByteArray("// 书名\r\nint a;\r\n"), QByteArray("// 书名\r\nint b;\r\n"),
             "F.java"},
            {"UTF-8, BOM, LF", bom + QByteArray("// 书名\nint a;\n"),
             bom + QByteArray("// 书名\nint b;\n"), "F.java"},
            {"UTF-8, edited", QByteArray("// 我的\n// 书名\nint a;\n"),
             QByteArray("// 我的\n// 书名\nint b;\n"), "F.java合并完成!"},
            {"the new content in UTF-8", QByteArray("// 书名\r\nint b;\r\n"),
             QByteArray("// 书名\r\nint b;\r\n"), "F.java"},
        };
        for (const auto& c : cases) {
            QTemporaryDir app;
            const QString file = app.filePath("projects/P/安卓客户端/F.java");
            runOnce(app.path(), TWriteMode::KeepEdits, first, "F.java");
            testing::writeAll(file, c.user);
            const Run second_ = runOnce(app.path(), TWriteMode::KeepEdits, second, "F.java");
            QVERIFY2(testing::readAll(file) == c.after, c.name);
            const QString line = QString::fromUtf8(c.line);
            QVERIFY2(
                second_.lines == (line.endsWith('!') ? QStringList{kRoot + line} : QStringList()),
                c.name);
            QVERIFY2(second_.conflicts.isEmpty(), c.name);
            // Unchanged since: no edit of the user's is seen.
            QVERIFY2(runOnce(app.path(), TWriteMode::KeepEdits, second, "F.java").lines.size() ==
                         (line.endsWith('!') ? 1 : 0),
                     c.name);
        }
    }

    // A record copied from another project's folder names that project: it counts as no
    // record, so no file is removed and every differing one is kept and listed.
    void aRecordOfAnotherProjectCountsAsNone() {
        QTemporaryDir app;
        runOnce(app.path(), TWriteMode::KeepEdits, "a\n", "g.txt", "Q");
        runOnce(app.path(), TWriteMode::KeepEdits, "a\n", "f.txt", "P");
        QDir(app.filePath("projects/P/.quillmere")).removeRecursively();
        testing::copyTree(app.filePath("projects/Q/.quillmere"),
                          app.filePath("projects/P/.quillmere"));
        testing::writeAll(app.filePath("projects/P/安卓客户端/g.txt"), "a\n");
        testing::writeAll(app.filePath("projects/P/安卓客户端/f.txt"), "mine\n");
        const Run run = runOnce(app.path(), TWriteMode::KeepEdits, "a\n", "f.txt", "P");
        QCOMPARE(run.lines.size(), 2);
        QVERIFY2(run.lines[0].contains("属于另一个项目\"Q\""), qPrintable(run.lines[0]));
        QCOMPARE(run.lines[1], kShown + "合并冲突!");
        QCOMPARE(testing::readAll(app.filePath("projects/P/安卓客户端/g.txt")), QByteArray("a\n"));
        checkListed(run, "冲突标记", "another project's record");
    }

    // Forty runs of ten files, each run changing a line of one of them: the versions kept take
    // little room besides the first.
    void theObjectStoreStaysSmall() {
        QTemporaryDir app;
        const QString objects = app.filePath("projects/P/.quillmere/objects");
        QByteArray text;
        for (int line = 0; line < 400; ++line) {
            text += "    private String f" +
                    QCryptographicHash::hash(QByteArray::number(line), QCryptographicHash::Md5)
                        .toHex()
                        .left(12) +
                    ";\r\n";
        }
        qint64 first = 0;
        for (int run = 0; run <= 40; ++run) {
            TOutputProject output(app.path(), "P", MobileClientTarget(), TWriteMode::KeepEdits,
                                  [](const QString&) {});
            for (int file = 0; file < 10; ++file) {
                const int changed = file == run % 10 ? run : 0;
                output.copy(QString("f%1.txt").arg(file),
                            QByteArray::number(file) + "." + QByteArray::number(changed) + text);
            }
            output.finish();
            first = first == 0 ? QFileInfo(objects).size() : first;
        }
        QVERIFY2(QFileInfo(objects).size() <= 3 * first,
                 qPrintable(QString("%1 after the first run, %2 after 40")
                                .arg(first)
                                .arg(QFileInfo(objects).size())));
    }

    // A lost or damaged object store is reported in a progress line naming it.
    void aLostOrDamagedObjectStoreIsReported() {
        const struct {
            const char* name;
            void (*damage)(const QString& objects);
            const char* says;
        } cases[] = {
            {"deleted", [](const QString& objects) { QFile::remove(objects); }, "缺少1个版本"},
            {"damaged end",
             [](const QString& objects) {
                 QByteArray bytes = testing::readAll(objects);
                 bytes[bytes.size() - 3] = bytes[bytes.size() - 3] ^ 1;
                 testing::writeAll(objects, bytes);
             },
             "已损坏"},
        };
        for (const auto& c : cases) {
            QTemporaryDir app;
            const QString objects = app.filePath("projects/P/.quillmere/objects");
            runOnce(app.path(), TWriteMode::KeepEdits, "a\n");
            c.damage(objects);
            const Run run = runOnce(app.path(), TWriteMode::KeepEdits, "a\n");
            QCOMPARE(run.lines.size(), 1);
            QVERIFY2(
                run.lines[0].contains(objects) && run.lines[0].contains(QString::fromUtf8(c.says)),
                qPrintable(run.lines[0]));
        }
    }

    void aReplacedFileKeepsItsMode() {
        QTemporaryDir app;
        const QString file = app.filePath("projects/P/安卓客户端/f.txt");
        runOnce(app.path(), TWriteMode::KeepEdits, "a\n");
        const auto mode = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadUser |
                          QFile::WriteUser | QFile::ExeUser | QFile::ReadOther;
        QVERIFY(QFile::setPermissions(file, mode));
        runOnce(app.path(), TWriteMode::KeepEdits, "b\n");
        QCOMPARE(testing::readAll(file), QByteArray("b\n"));
        QCOMPARE(QFile::permissions(file), mode);
    }

    // On a small file system filled up to a little free space, a write that fails at once or
    // partway (after some blocks were taken) names the file and the system's reason, and the
    // file stays as it was.
    void aDiskFillingUpDuringAWriteIsNamed() {
        QTemporaryDir app;
        if (testing::runProcess("mount", {"-t", "tmpfs", "-o", "size=512k", "tmpfs", app.path()})
                .exitCode != 0) {
            QSKIP("needs a small file system (mount, as root)");
        }
        const auto unmount = qScopeGuard([&] { testing::runProcess("umount", {app.path()}); });
        const QByteArray large(40 * 1024, 'x');
        for (const int freeKb : {0, 8, 16, 24, 32}) {
            QDir(app.path()).removeRecursively();
            runOnce(app.path(), TWriteMode::KeepEdits, "a\n");
            QFile filler(app.filePath("filler"));
            QVERIFY(filler.open(QIODevice::WriteOnly));
            while (filler.write(QByteArray(1024, '\0')) == 1024 && filler.flush()) {
            }
            filler.close();
            QVERIFY(filler.resize(qMax<qint64>(0, filler.size() - freeKb * 1024)));
            try {
                runOnce(app.path(), TWriteMode::KeepEdits, large);
                QFAIL("a full disk went unnoticed");
            } catch (const TError& error) {
                QVERIFY2(error.message().contains(app.path()) &&
                             error.message().endsWith(": No space left on device"),
                         qPrintable(error.message()));
            }
            QCOMPARE(testing::readAll(app.filePath(kShown)), QByteArray("a\n"));
        }
    }

    // A record of format 1 held each file's last generated bytes in place; an object store of
    // format 1 held versions without dictionaries. Both are taken over: the merge finds its base.
    void aRecordAndStoreOfTheEarlierFormatAreTakenOver() {
        const QByteArray base = "a\nb\nc\n";
        const QByteArray id = TRegenerationRecord::IdOf(base);
        auto withCrc = [](QByteArray bytes) {
            const quint32 crc = crc32(0, reinterpret_cast<const Bytef*>(bytes.constData()),
                                      static_cast<uInt>(bytes.size()));
            char little[4];
            qToLittleEndian(crc, little);
            return bytes.append(little, 4);
        };
        auto number = [](quint32 value) {
            char little[4];
            qToLittleEndian(value, little);
            return QByteArray(little, 4);
        };
        const QByteArray path = number(5) + "f.txt";
        const QByteArray trailer = withCrc(QByteArray("E") + number(1));
        const QByteArray zlib = qCompress(base).mid(4);  // without Qt's size prefix
        const QByteArray records[] = {
            "Quillmere regeneration record 1\n" + withCrc("K" + path + number(6) + base) + trailer,
            "Quillmere regeneration record 2\n" + withCrc("K" + path + number(20) + id) + trailer,
        };
        const QByteArray store =
            "Quillmere objects 1\n" + withCrc(id + number(6) + number(zlib.size()) + zlib);
        for (const QByteArray& record : records) {
            QTemporaryDir app;
            testing::writeAll(app.filePath("projects/P/.quillmere/record"), record);
            if (record.contains(id)) {
                testing::writeAll(app.filePath("projects/P/.quillmere/objects"), store);
            }
            testing::writeAll(app.filePath("projects/P/安卓客户端/f.txt"), "A\nb\nc\n");
            const Run run = runOnce(app.path(), TWriteMode::KeepEdits, "a\nb\nC\n");
            QCOMPARE(run.lines, QStringList{kShown + "合并完成!"});
            QCOMPARE(testing::readAll(app.filePath("projects/P/安卓客户端/f.txt")),
                     QByteArray("A\nb\nC\n"));
        }
    }

    // Paths come from a file anyone can write: one that leads out of the output project makes
    // the record untrusted, so its stale files are never removed.
    void aRecordNamingAFileOutsideTheProjectIsNotTrusted() {
        QTemporaryDir app;
        testing::writeAll(app.filePath("projects/P/victim.txt"), "a\n");
        {
            TRegenerationRecord record(app.filePath("projects/P/.quillmere"),
                                       app.filePath("projects/P/安卓客户端"), "P");
            QDir().mkpath(app.filePath("projects/P/.quillmere"));
            record.Open();
            record.NoteKept("../victim.txt", "a\n");
            record.Commit();
        }
        const Run run = runOnce(app.path(), TWriteMode::KeepEdits, kAbsent);
        QCOMPARE(run.lines.size(), 1);
        QVERIFY(QFile::exists(app.filePath("projects/P/victim.txt")));
    }

    // A run stopped after noting a removal it never made, or while writing a new file in place
    // (killed, a full disk): the next run still knows the file as made by a run, so it removes
    // it or writes it anew; a file noted as removed that the user then edits is the user's
    // changed file: kept and listed.
    void aStoppedRunsJournalIsFinishedByTheNext() {
        const struct {
            const char* name;
            QString file;
            QByteArray noted, onDisk;  // noted: kAbsent for a removal
            QByteArray after;          // the file after the next run, which makes only g.txt
            const char* line;          // what the next run reports of f.txt
        } cases[] = {
            {"removal", "f.txt", kAbsent, kAbsent, kAbsent, "删除完成!"},
            {"removal, then edited", "f.txt", kAbsent, "mine\n", "mine\n",
             "已不再生成，保留手工修改!"},
            {"cut off", "g.txt", "g1\ng2\n", "g1\n", "g1\ng2\n", "删除完成!"},
        };
        for (const auto& c : cases) {
            QTemporaryDir app;
            runOnce(app.path(), TWriteMode::KeepEdits, "a\n");
            {
                TRegenerationRecord stopped(app.filePath("projects/P/.quillmere"),
                                            app.filePath("projects/P/安卓客户端"), "P");
                stopped.Open();
                if (c.noted.isNull()) {
                    stopped.NoteRemoved(c.file);
                } else {
                    stopped.NoteWritten(c.file, c.noted);
                }
            }
            const QString file = app.filePath(kRoot + c.file);
            if (!c.onDisk.isNull()) {
                testing::writeAll(file, c.onDisk);
            }
            const Run next = runOnce(app.path(), TWriteMode::KeepEdits, "g1\ng2\n", "g.txt");
            QVERIFY2(next.lines == QStringList{kShown + QString::fromUtf8(c.line)}, c.name);
            QVERIFY2(testing::readAll(file) == c.after, c.name);
            checkListed(next, c.onDisk == "mine\n" ? "不再生成" : nullptr, c.name);
        }
    }

    // A run stopped right after a merge left its markers: the next run lists the file, and
    // never merges it twice.
    void aConflictOfAStoppedRunIsListedByTheNext() {
        QTemporaryDir app;
        const QString file = app.filePath(kShown);
        runOnce(app.path(), TWriteMode::KeepEdits, "a\n");
        testing::writeAll(file, "mine\n");
        try {
            TOutputProject stopped(app.path(), "P", MobileClientTarget(), TWriteMode::KeepEdits,
                                   [](const QString& line) {
                                       if (line.endsWith("合并冲突!")) {
                                           throw TError("stopped");
                                       }
                                   });
            stopped.copy("f.txt", "b\n");
            QFAIL("no conflict");
        } catch (const TError&) {
        }
        const QByteArray marked = testing::readAll(file);
        checkListed(runOnce(app.path(), TWriteMode::KeepEdits, "b\n"), "冲突标记", "stopped");
        QCOMPARE(testing::readAll(file), marked);
    }

    // One writer at a time, also within one process: the lock lasts as long as the writer.
    void aSecondWriterOfTheProjectIsRefusedWhileTheFirstLasts() {
        QTemporaryDir app;
        const auto writer = [&] {
            return std::make_unique<TOutputProject>(app.path(), "P", MobileClientTarget(),
                                                    TWriteMode::KeepEdits, [](const QString&) {});
        };
        auto first = writer();
        first->copy("f.txt", "a\n");
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
        next->copy("f.txt", "b\n");
        next->finish();
        QCOMPARE(testing::readAll(app.filePath("projects/P/安卓客户端/f.txt")), QByteArray("b\n"));
    }

    // A lock taken on another machine is refused with its file named (an empty one, and the
    // removal the user confirms: test_run).
    void aLockOfAnotherMachineNamesItsFile() {
        QTemporaryDir app;
        const QString lock = app.filePath("projects/P/.quillmere/lock");
        testing::writeAll(lock, "4242\nquillmere-cli\nbuild-host-7\n");
        try {
            runOnce(app.path(), TWriteMode::KeepEdits, "a\n");
            QFAIL("the lock was not seen");
        } catch (const TLockRefused& refused) {
            QCOMPARE(refused.lockFile(), lock);
            QVERIFY2(refused.message().contains(lock) && refused.message().contains("build-host-7"),
                     qPrintable(refused.message()));
        }
    }
};

QTEST_GUILESS_MAIN(RegenerationTest)
#include "test_regeneration.moc"

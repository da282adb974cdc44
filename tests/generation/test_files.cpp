#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "TestSupport.h"
#include "generation/FileOperate.h"

using testing::writeAll;

class FilesTest : public QObject {
    Q_OBJECT

  private slots:
    void writersEncodeAndAddNothing() {
        QTemporaryDir dir;
        const QString folder = dir.filePath("a/b");
        TFileOperate::WriteTextFile(folder, folder + "/empty.java", "");
        TFileOperate::WriteUtf8File(folder, folder + "/empty.xml", "");
        QCOMPARE(testing::readAll(folder + "/empty.java"), QByteArray());
        QCOMPARE(testing::readAll(folder + "/empty.xml"), QByteArray("\xEF\xBB\xBF"));

        TFileOperate::WriteTextFile(folder, folder + "/zh.java", "中\r\n");
        TFileOperate::WriteUtf8File(folder, folder + "/zh.xml", "中\r\n");
        QCOMPARE(testing::readAll(folder + "/zh.java"), QByteArray("\xD6\xD0\r\n"));
        QCOMPARE(TFileOperate::EncodeGbk(QString::fromUtf8("a中文b€\t中"), "x"),
                 QByteArray("a\xD6\xD0\xCE\xC4"
                            "b\x80\t\xD6\xD0"));
        QCOMPARE(testing::readAll(folder + "/zh.xml"), QByteArray("\xEF\xBB\xBF\xE4\xB8\xAD\r\n"));
    }

    void rewritingAShorterTextLeavesNoRemains() {
        QTemporaryDir dir;
        const QString file = dir.filePath("x.java");
        TFileOperate::WriteTextFile(dir.path(), file, "a much longer first content");
        TFileOperate::WriteTextFile(dir.path(), file, "short");
        QCOMPARE(testing::readAll(file), QByteArray("short"));
    }

    void textGbkCannotEncodeIsAnErrorNamingTheFile() {
        QTemporaryDir dir;
        const QString file = dir.filePath("Emoji.java");
        try {
            TFileOperate::WriteTextFile(dir.path(), file,
                                        QString::fromUtf8("smile \xF0\x9F\x98\x80"));
            QFAIL("no error raised");
        } catch (const TError& error) {
            QVERIFY(error.message().contains(file));
        }
        QVERIFY(!QFile::exists(file));
    }

    void copyKeepsExistingFilesAtTheTopLevelOnly() {
        QTemporaryDir dir;
        const QString source = dir.filePath("source");
        const QString target = dir.filePath("target");
        writeAll(source + "/top.txt", "new top");
        writeAll(source + "/.hidden", "hidden");
        writeAll(source + "/sub/deep.txt", "new deep");
        QDir().mkpath(source + "/empty");
        writeAll(target + "/top.txt", "old top");
        writeAll(target + "/sub/deep.txt", "old deep");
        writeAll(target + "/mine.txt", "kept");
        QFile::setPermissions(source + "/sub", QFile::ReadOwner | QFile::ExeOwner);

        QVERIFY(TFileOperate::CopyDirectory(source, target, true));
        QCOMPARE(testing::readAll(target + "/top.txt"), QByteArray("old top"));
        QCOMPARE(testing::readAll(target + "/sub/deep.txt"), QByteArray("new deep"));
        QCOMPARE(testing::readAll(target + "/.hidden"), QByteArray("hidden"));
        QCOMPARE(testing::readAll(target + "/mine.txt"), QByteArray("kept"));
        QVERIFY(QDir(target + "/empty").exists());

        TFileOperate::CopyDirectory(source, target, false);
        QCOMPARE(testing::readAll(target + "/top.txt"), QByteArray("new top"));
        QFile::setPermissions(source + "/sub",
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
};

QTEST_GUILESS_MAIN(FilesTest)
#include "test_files.moc"

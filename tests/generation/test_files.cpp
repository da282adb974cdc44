#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "TestSupport.h"
#include "generation/FileOperate.h"
#include "generation/OutputProject.h"
#include "generators/client/ClientFile.h"
#include "generators/client/MobileClient.h"

class FilesTest : public QObject {
    Q_OBJECT

  private slots:
    void encodersAddNothingAndWritesReplaceWholly() {
        QCOMPARE(TFileOperate::EncodeGbk("", "x"), QByteArray());
        QCOMPARE(TFileOperate::EncodeUtf8WithBom(""), QByteArray("\xEF\xBB\xBF"));
        QTemporaryDir dir;
        const QString file = dir.filePath("a/b/x.java");
        TFileOperate::MakeFolder(dir.filePath("a/b"));
        TFileOperate::WriteBytes(file, "a much longer first content");
        TFileOperate::ReplaceFile(file, "short", dir.filePath("scratch"));
        QCOMPARE(testing::readAll(file), QByteArray("short"));
        QVERIFY(!QFile::exists(dir.filePath("scratch")));
        QCOMPARE(TFileOperate::ReadBytes(dir.filePath("missing")), std::nullopt);
        QVERIFY_THROWS_EXCEPTION(TError, TFileOperate::ReadBytes(dir.filePath("a")));
    }

    // Besides what GBK cannot encode, the euro sign: GBK writes it as 80, which Java reads as no
    // character at all.
    void textGbkCannotEncodeIsAnErrorNamingTheFile() {
        QTemporaryDir dir;
        TOutputProject output(dir.path(), "Lib", MobileClientTarget(), TWriteMode::KeepEdits,
                              [](const QString&) {});
        for (const char* text : {"smile \xF0\x9F\x98\x80", "price \xE2\x82\xAC"}) {
            try {
                output.write(ClientJavaFile("domain", "Emoji.java", QString::fromUtf8(text)));
                QFAIL("no error raised");
            } catch (const TError& error) {
                QVERIFY(error.message().contains("Emoji.java"));
            }
        }
        QVERIFY(
            !QFile::exists(dir.filePath("projects/Lib/安卓客户端/src/com/mobileclient/domain")));
    }

    void templateLinesEndInCrLf() {
        QTemporaryDir dir;
        const struct {
            const char* bytes;
            const char* text;
        } cases[] = {
            {"a\nb\n", "a\r\nb\r\n"},
            {"a\r\nb", "a\r\nb\r\n"},
            {"a\rb\r\n", "ab\r\n"},
            {"", ""},
            {"\n\n", "\r\n\r\n"},
            {"x", "x\r\n"},
            {"\xD6\xD0\xCE\xC4\n", "中文\r\n"},
        };
        for (const auto& c : cases) {
            const QString file = dir.filePath("t.txt");
            testing::writeAll(file, c.bytes);
            QCOMPARE(TFileOperate::ReadTextFile(file), QString::fromUtf8(c.text));
        }
        QCOMPARE(TFileOperate::ReadTextFile(dir.filePath("missing.txt")), QString());
    }

    void treesListFoldersAndHiddenFilesAndAMissingOneIsAnError() {
        QTemporaryDir dir;
        testing::writeAll(dir.filePath("t/top.txt"), "");
        testing::writeAll(dir.filePath("t/.hidden"), "");
        testing::writeAll(dir.filePath("t/sub/deep.txt"), "");
        QDir().mkpath(dir.filePath("t/empty"));
        QFile::setPermissions(dir.filePath("t/sub"), QFile::ReadOwner | QFile::ExeOwner);
        const TFileOperate::Tree tree = TFileOperate::ListTree(dir.filePath("t"));
        QFile::setPermissions(dir.filePath("t/sub"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(tree.folders, QStringList({"empty", "sub"}));
        QCOMPARE(tree.files, QStringList({".hidden", "sub/deep.txt", "top.txt"}));
        QVERIFY_THROWS_EXCEPTION(TError, TFileOperate::ListTree(dir.filePath("nope")));
    }
};

QTEST_GUILESS_MAIN(FilesTest)
#include "test_files.moc"

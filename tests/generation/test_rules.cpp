// The rules on names and texts that decide, before anything is written, whether a model can be
// generated; the names the generated code gives its own variables; and the forms a text takes in
// Java strings, Java comments and XML attributes.

#include <QRegularExpression>

#include "TestSupport.h"
#include "generation/FileOperate.h"
#include "generation/JavaNames.h"
#include "generation/MobileClient.h"
#include "generation/ModelChecks.h"
#include "generation/TextForms.h"
#include "store/DemoProject.h"

using testing::M;

namespace {

const M kKey = {.name = "id", .type = kTypeInteger, .key = true, .display = true, .phone = true};

// A project of class Book (with the key above and `member`) and class `other`.
TProjectModel twoClasses(const M& member, const QString& other = QStringLiteral("Reader"),
                         const QString& friendName = QStringLiteral("图书")) {
    return testing::ProjectBuilder()
        .cls("Book", friendName, {kKey, member})
        .cls(other, "读者", {kKey})
        .build();
}

}  // namespace

class RulesTest : public QObject {
    Q_OBJECT

  private slots:
    void namesAndTextsThatCanNeverWorkAreRefused_data() {
        QTest::addColumn<QString>("member");
        QTest::addColumn<QString>("comment");
        QTest::addColumn<QString>("other");
        QTest::addColumn<QString>("friendName");
        QTest::addColumn<QString>("message");  // empty: the model passes
        auto row = [](const char* tag, const QString& member, const QString& other,
                      const QString& message, const QString& comment = "说明",
                      const QString& friendName = "图书") {
            QTest::newRow(tag) << member << comment << other << friendName << message;
        };
        row("plain", "title", "Reader", "");
        row("generated variable names", "result", "Item", "");
        row("member keyword", "class", "Reader", "Book表的成员class的名称是Java关键字");
        row("member not ASCII", "a中文", "Reader", "Book表的成员a中文的名称只能由英文字母");
        row("member with a dash", "a-b", "Reader", "Book表的成员a-b的名称只能由英文字母");
        row("duplicate member", "id", "Reader", "Book表的成员id与同一类的另一个成员重名");
        row("class with a dollar", "title", "A$B", "A$B表的类名只能由英文字母");
        row("Java type", "title", "Timestamp", "Timestamp表的类名与生成代码所用的Java或Android类");
        row("template class", "title", "HttpUtil", "HttpUtil表的类名与生成代码所用的");
        row("duplicate class", "title", "Book", "Book表与本项目的另一个类重名");
        row("case-only duplicate", "title", "BOOK", "Book表与类BOOK的类名只有大小写不同");
        row("another class's service", "title", "BookService", "Book表生成的类BookService");
        row("too long", "title", "L" + QString(200, 'l'), "的类名超过200个字符");
        row("euro in a comment", "title", "Reader", "Book表的成员title的注释含有字符€(U+20AC)",
            "价格€");
        row("emoji in a friendly name", "title", "Reader",
            QString::fromUtf8("Book表的友好名称含有字符\xF0\x9F\x98\x80(U+1F600)"), "",
            QString::fromUtf8("图书\xF0\x9F\x98\x80"));
        row("special characters are no reason", "title", "Reader", "", "\"C:\\users\" */ @?\r\n");
    }

    void namesAndTextsThatCanNeverWorkAreRefused() {
        QFETCH(QString, member);
        QFETCH(QString, comment);
        QFETCH(QString, other);
        QFETCH(QString, friendName);
        QFETCH(QString, message);
        const TProjectModel project = twoClasses(
            {.name = member, .type = kTypeString, .comment = comment}, other, friendName);
        const TModelProblem problem = FindModelProblem(project);
        QVERIFY2(message.isEmpty()
                     ? !problem.found()
                     : problem.message.startsWith(message) || problem.message.contains(message),
                 qPrintable(problem.message));
        if (problem.found()) {
            QCOMPARE(problem.notice, int(kNoticeModelCheck));
        }
    }

    // Only the generated name that clashes is renamed, and only in its class.
    void generatedNamesMakeWayForTheModelsNames() {
        const TProjectModel project = testing::ProjectBuilder()
                                          .cls("Book", "图书",
                                               {{.name = "book",
                                                 .type = kTypeDate,
                                                 .key = true,
                                                 .display = true,
                                                 .phone = true},
                                                {.name = "intent", .type = kTypeImage},
                                                {.name = "readerList", .type = kTypeDate},
                                                {.name = "reader", .type = "Reader"},
                                                {.name = "title", .type = kTypeDate},
                                                {.name = "readerService", .type = "Book"}})
                                          .cls("Reader", "读者", {kKey})
                                          .cls("Item", "条目", {kKey})
                                          .build();
        const TClassModel& book = project.classes[0];
        QCOMPARE(book.objectName(), QString("book"));
        QCOMPARE(book.members[0].variable, QString("book2"));
        QCOMPARE(book.members[1].variable, QString("intent2"));
        QCOMPARE(book.members[2].variable, QString("readerList2"));
        QCOMPARE(book.members[4].variable, QString("title"));
        // A self reference named like the other reference's service keeps clear of it.
        QCOMPARE(ReferenceStem(book, book.members[3]), QString("reader"));
        QCOMPARE(ReferenceStem(book, book.members[5]), QString("readerService2"));
        QCOMPARE(project.classes[1].objectName(), QString("reader"));
        QCOMPARE(project.classes[2].objectName(), QString("item2"));
        QCOMPARE(project.classes[2].members[0].variable, QString("id"));
    }

    // A class named like a type that a generated file imports would clash with the import, so
    // every imported type is among the names refused for classes.
    void everyImportedTypeIsARefusedClassName() {
        testing::TempStore store;
        CreateDemoProject();
        const TProjectModel project = LoadProjectModel(
            TProjectDAO().FindProjectsByName(DemoProjectName()).first(), "Demo", "quillmere");
        TGeneratedFiles files = {TMobileClient::MainMenu(
            project, TFileOperate::ReadTextFile(
                         TMobileClient::MainMenuTemplatePath(QStringLiteral(QUILLMERE_APP_DIR))))};
        for (const TClassModel& cls : project.classes) {
            files += TMobileClient::ClassFiles(project, cls);
        }
        const QRegularExpression import(QStringLiteral("^import ([a-z.]+)\\.([A-Za-z]+);"),
                                        QRegularExpression::MultilineOption);
        const QRegularExpression generated(
            QStringLiteral("^com\\.mobileclient\\.(domain|service|handler|util)$"));
        int imports = 0;
        for (const TGeneratedFile& file : files) {
            for (const auto& match : import.globalMatch(file.text)) {
                // The packages of the classes' own types hold the template's HttpUtil and
                // ImageService too, which are refused as well.
                const bool classesOwn = generated.match(match.captured(1)).hasMatch();
                QVERIFY2(classesOwn || IsReservedTypeName(match.captured(2)),
                         qPrintable(file.fileName + ": " + match.captured(0)));
                ++imports;
            }
        }
        QVERIFY(imports > 100);
    }

    void textsTakeTheFormOfTheirPlace_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("javaString");
        QTest::addColumn<QString>("javaComment");
        QTest::addColumn<QString>("xmlAttribute");
        QTest::newRow("plain") << "图书 '%s' a@b"
                               << "图书 '%s' a@b"
                               << "图书 '%s' a@b"
                               << "图书 '%s' a@b";
        QTest::newRow("backslash") << "C:\\users"
                                   << "C:\\\\users"
                                   << "C:\\\\users"
                                   << "C:\\\\users";
        QTest::newRow("quotes and markup") << "<b>\"q\"&"
                                           << "<b>\\\"q\\\"&"
                                           << "<b>\"q\"&"
                                           << "&lt;b>\\&quot;q\\&quot;&amp;";
        QTest::newRow("comment end") << "a*/b/*"
                                     << "a*/b/*"
                                     << "a* /b/*"
                                     << "a*/b/*";
        QTest::newRow("line breaks") << "a\r\nb\nc"
                                     << "a\\r\\nb\\nc"
                                     << "a b c"
                                     << "a\r\nb\nc";
        QTest::newRow("leading at") << "@string/x"
                                    << "@string/x"
                                    << "@string/x"
                                    << "\\@string/x";
        QTest::newRow("leading question mark") << "?x"
                                               << "?x"
                                               << "?x"
                                               << "\\?x";
        QTest::newRow("control character")
            << QString("a\x01") << QString("a\x01") << QString("a\x01") << "a\\u0001";
    }

    void textsTakeTheFormOfTheirPlace() {
        QFETCH(QString, text);
        QFETCH(QString, javaString);
        QFETCH(QString, javaComment);
        QFETCH(QString, xmlAttribute);
        QCOMPARE(InJavaString(text), javaString);
        QCOMPARE(InJavaComment(text), javaComment);
        QCOMPARE(InXmlAttribute(text), xmlAttribute);
    }
};

QTEST_GUILESS_MAIN(RulesTest)
#include "test_rules.moc"

#include "TestSupport.h"
#include "generation/MobileClient.h"
#include "generation/ModelChecks.h"
#include "generators/MobileClientDomain.h"

using testing::crlf;
using testing::M;

class ScaffoldingTest : public QObject {
    Q_OBJECT

  private slots:
    void nameFormsChangeAsciiLettersOnly() {
        QCOMPARE(ObjectName("URLInfo"), QString("uRLInfo"));
        QCOMPARE(LayoutName("URLInfo"), QString("urlinfo"));
        QCOMPARE(ObjectName("student"), QString("student"));
        QCOMPARE(ObjectName("Ätna"), QString("Ätna"));
        QCOMPARE(AccessorStem("birthDate"), QString("BirthDate"));
        QCOMPARE(AccessorStem("x"), QString("X"));
        QCOMPARE(AccessorStem("中文"), QString("中文"));
        QCOMPARE(CategoryOfType("字符串"), MemberCategory::String);
        QCOMPARE(CategoryOfType("字符串 "), MemberCategory::Reference);
        QCOMPARE(CategoryOfType("图片型"), MemberCategory::Image);
    }

    void manifestHasFiveActivitiesPerClassInOrder() {
        const TProjectModel project =
            testing::ProjectBuilder().cls("Book", "图书", {}).cls("Loan", "借阅", {}).build();
        const TGeneratedFile file =
            TMobileClient::Manifest(project, "<a>\r\n$activityString</a>\r\n");
        QCOMPARE(file.fileName, QString("AndroidManifest.xml"));
        QCOMPARE(file.encoding, FileEncoding::Utf8WithBom);
        QString expected = "<a>\r\n";
        for (const char* cls : {"Book", "Loan"}) {
            for (const char* suffix : {"List", "Query", "Add", "Edit", "Detail"}) {
                expected +=
                    QString("        <activity android:name=\"%1%2Activity\"></activity>\r\n")
                        .arg(cls, suffix);
            }
        }
        COMPARE_TEXT(file.text, expected + "</a>\r\n");
        const TProjectModel empty = testing::ProjectBuilder().build();
        COMPARE_TEXT(TMobileClient::Manifest(empty, "<a>$activityString</a>").text, "<a></a>");
    }

    void mainMenuForThreeClasses() {
        const TProjectModel project = testing::ProjectBuilder()
                                          .cls("BookType", "图书类别", {})
                                          .cls("Book", "图书", {})
                                          .cls("reader", "读者", {})
                                          .build();
        const TGeneratedFile file = TMobileClient::MainMenu(
            project, "A\r\n$First\r\nB\r\n$Second\r\nC\r\n$Third\r\n$First");
        const QString first = crlf({
            "        // 图片资源数组",
            "        private Integer[] mThumbIds = {",
            "                R.drawable.operateicon,R.drawable.operateicon,R.drawable.operateicon",
            "        };",
            "        private String[] menuString = {\"图书类别管理\",\"图书管理\",\"读者管理\"};",
        });
        QString second;
        QString third;
        const char* classes[][3] = {{"BookType", "bookType", "图书类别"},
                                    {"Book", "book", "图书"},
                                    {"reader", "reader", "读者"}};
        for (int i = 0; i < 3; ++i) {
            const QString cls = classes[i][0], obj = classes[i][1], friendly = classes[i][2];
            second += crlf({"\t\t\t\tcase " + QString::number(i) + ":",
                            "\t\t\t\t\t// " + friendly + "管理监听器",
                            "\t\t\t\t\tview.setOnClickListener(" + obj + "Linstener);",
                            "\t\t\t\t\tbreak;"});
            third += crlf(
                {"    OnClickListener " + obj + "Linstener = new OnClickListener() {",
                 "\t\tpublic void onClick(View v) {", "\t\t\tIntent intent = new Intent();",
                 "\t\t\t// 启动" + friendly + "管理Activity",
                 "\t\t\tintent.setClass(MainMenuActivity.this, " + cls + "ListActivity.class);",
                 "\t\t\tstartActivity(intent);", "\t\t}", "\t};"});
        }
        COMPARE_TEXT(file.text,
                     "A\r\n" + first + "\r\nB\r\n" + second + "\r\nC\r\n" + third + "\r\n" + first);
        QCOMPARE(file.progressName, QString("MainMenuActivity"));
    }

    void mainMenuWithoutClasses() {
        const TProjectModel project = testing::ProjectBuilder().build();
        const TGeneratedFile file = TMobileClient::MainMenu(project, "$First|$Second|$Third");
        COMPARE_TEXT(file.text, crlf({"        // 图片资源数组",
                                      "        private Integer[] mThumbIds = {", "                ",
                                      "        };", "        private String[] menuString = {};"}) +
                                    "||");
        QCOMPARE(TMobileClient::MainMenu(project, "").text, QString());
    }

    void domainClassWithEveryMemberType() {
        const TProjectModel project =
            testing::ProjectBuilder()
                .cls("BookType", "图书类别",
                     {{.name = "typeId", .type = kTypeInteger, .key = true, .display = true}})
                .cls("Reader", "读者",
                     {{.name = "readerNo", .type = kTypeString, .key = true, .display = true}})
                .cls("Book", "图书",
                     {{.name = "barcode", .type = kTypeString, .comment = "条码", .key = true},
                      {.name = "price", .type = kTypeFloat, .comment = "价格"},
                      {.name = "count", .type = kTypeInteger, .comment = "数量"},
                      {.name = "publishDate", .type = kTypeDate, .comment = "出版日期"},
                      {.name = "photo", .type = kTypeImage, .comment = ""},
                      {.name = "bookType", .type = "BookType", .comment = "类别"},
                      {.name = "owner", .type = "Reader", .comment = "读者"}})
                .build();
        const TGeneratedFiles files = TMobileClientDomain::Generate(project, project.classes[2]);
        QCOMPARE(files.size(), 1);
        QCOMPARE(files[0].folder, QString("src/com/mobileclient/domain"));
        QCOMPARE(files[0].fileName, QString("Book.java"));
        auto block = [](const QString& comment, const QString& type, const QString& name,
                        const QString& stem) {
            return crlf({"    /*" + comment + "*/", "    private " + type + " " + name + ";",
                         "    public " + type + " get" + stem + "() {",
                         "        return " + name + ";", "    }",
                         "    public void set" + stem + "(" + type + " " + name + ") {",
                         "        this." + name + " = " + name + ";", "    }", ""});
        };
        const QString expected =
            crlf({"package com.mobileclient.domain;", "", "import java.io.Serializable;", "",
                  "public class Book implements Serializable {"}) +
            block("条码", "String", "barcode", "Barcode") +
            block("价格", "float", "price", "Price") + block("数量", "int", "count", "Count") +
            block("出版日期", "java.sql.Timestamp", "publishDate", "PublishDate") +
            block("", "String", "photo", "Photo") + block("类别", "int", "bookType", "BookType") +
            block("读者", "String", "owner", "Owner") + "}";
        COMPARE_TEXT(files[0].text, expected);
    }

    void domainClassWithoutMembers() {
        const TProjectModel project = testing::ProjectBuilder().cls("Empty", "空", {}).build();
        COMPARE_TEXT(TMobileClientDomain::Generate(project, project.classes[0])[0].text,
                     crlf({"package com.mobileclient.domain;", "", "import java.io.Serializable;",
                           "", "public class Empty implements Serializable {"}) +
                         "}");
    }

    void modelProblemsNameTheClassAndMember() {
        const TProjectModel missing =
            testing::ProjectBuilder()
                .cls(
                    "Loan", "借阅",
                    {{.name = "book", .type = "Book", .key = true, .display = true, .phone = true}})
                .build();
        const TModelProblem problem = FindModelProblem(missing);
        QCOMPARE(problem.notice, int(kNoticeModelCheck));
        QCOMPARE(problem.classId, 1);
        QVERIFY(problem.message.startsWith("Loan"));
        QVERIFY(problem.message.contains("book"));
        QVERIFY(problem.message.contains("Book"));

        const TProjectModel unsafe = testing::ProjectBuilder()
                                         .cls("A/B", "甲",
                                              {{.name = "id",
                                                .type = kTypeInteger,
                                                .key = true,
                                                .display = true,
                                                .phone = true}})
                                         .build();
        QVERIFY(FindModelProblem(unsafe).message.startsWith("A/B"));
        const TProjectModel fine =
            testing::ProjectBuilder()
                .cls("Book", "图书",
                     {{.name = "id",
                       .type = kTypeInteger,
                       .key = true,
                       .display = true,
                       .phone = true}})
                .cls(
                    "Loan", "借阅",
                    {{.name = "book", .type = "Book", .key = true, .display = true, .phone = true}})
                .build();
        QVERIFY(!FindModelProblem(fine).found());
        QVERIFY(fine.classes[1].members[0].referenceKeyIsInteger());
        QCOMPARE(fine.classes[1].members[0].javaType(), QString("int"));
    }

    // Each member-count check walks every class before the next one starts.
    void memberCountChecksRunOneAfterTheOther() {
        const TProjectModel project =
            testing::ProjectBuilder()
                .cls("A", "甲", {{.name = "id", .type = kTypeInteger, .key = true}})
                .cls("B", "乙", {{.name = "id", .type = kTypeInteger, .display = true}})
                .build();
        const TModelProblem problem = FindModelProblem(project);
        QCOMPARE(problem.notice, int(kNoticeKeyCheck));
        QCOMPARE(problem.classId, 2);
        QCOMPARE(problem.message, CheckNoticeText(kNoticeKeyCheck, "B"));
        const TProjectModel twoKeys = testing::ProjectBuilder()
                                          .cls("C", "丙",
                                               {{.name = "a", .type = kTypeInteger, .key = true},
                                                {.name = "b", .type = kTypeInteger, .key = true}})
                                          .build();
        QCOMPARE(FindModelProblem(twoKeys).notice, int(kNoticeKeyCheck));
    }

    void theModelIsReadFromTheStore() {
        testing::TempStore store;
        const qint32 id = testing::seedProject(
            "Lib", {{"Book", {{.name = "barcode", .type = kTypeString, .key = true}}},
                    {"Loan", {{.name = "book", .type = "Book"}}}});
        TClassDAO().UpdateClass(id, TClassDAO().GetClassId(id, "Book"), "Book", "图书", 1);
        const TProjectModel model = LoadProjectModel(id, "Lib", "p");
        QCOMPARE(model.classes.size(), 2);
        QCOMPARE(model.classes[0].friendName, QString("图书"));
        QCOMPARE(model.classes[0].frontShowFlag, 1);
        QCOMPARE(model.classes[1].className, QString("Loan"));
        QCOMPARE(model.classes[1].members[0].referenced, &model.classes[0]);
        QCOMPARE(model.classes[0].members[0].name(), QString("barcode"));
    }

    void unsafeFileNameComponents() {
        for (const char* name : {"", ".", "..", "a/b", "a\\b", "c:", "tab\there"}) {
            QVERIFY2(!IsSafeFileNameComponent(QString::fromUtf8(name)), name);
        }
        QVERIFY(IsSafeFileNameComponent("图书 管理.v2"));
    }
};

QTEST_GUILESS_MAIN(ScaffoldingTest)
#include "test_scaffolding.moc"

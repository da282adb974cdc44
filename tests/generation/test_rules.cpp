// The rules on names and texts that decide, before anything is written, whether a model can be
// generated; the names the generated code gives its own variables; the forms a text takes in
// Java strings, Java comments and XML attributes; and the template printer.

#include <QXmlStreamReader>

#include "Models.h"
#include "files/FileOperate.h"
#include "generation/JavaNames.h"
#include "generation/ModelChecks.h"
#include "generation/Printer.h"
#include "generation/TextForms.h"
#include "generators/client/MobileClient.h"
#include "store/ModelFile.h"

namespace {

// Book (key id, member title) and Reader, with one field changed: the member's name or comment,
// Book's friendly name, or Reader's class name.
TProjectModel changed(const QString& field, const QString& value) {
    TProjectModel project = testing::ProjectBuilder()
                                .cls("Book", "图书", {"id 整型 KDP", "title 字符串 - 说明"})
                                .cls("Reader", "读者", {"id 整型 KDP"})
                                .build();
    TMember& title = project.classes[0].members[1].member;
    QString* target = field == "member"    ? &title.memberName
                      : field == "comment" ? &title.memberComment
                      : field == "friend"  ? &project.classes[0].friendName
                                           : &project.classes[1].className;
    *target = value;
    project.resolve();
    return project;
}

}  // namespace

class RulesTest : public QObject {
    Q_OBJECT

  private slots:
    // The application id: the rule's edges, and the default that differs for names that differ
    // in case, in a character beyond ASCII or in an underscore that looks like an encoding.
    void applicationIds() {
        for (const char* valid : {"com.example.library", "a.b", "Com.My_App2.x_"}) {
            QVERIFY2(FindApplicationIdProblem(valid).isEmpty(), valid);
        }
        for (const char* invalid : {"", "library", "com.", ".com.a", "com..a", "com.2a", "com._a",
                                    "com.a-b", "com.a b", "com.int.x", "com.图书"}) {
            QVERIFY2(FindApplicationIdProblem(invalid).contains(QString("\"%1\"").arg(invalid)),
                     invalid);
        }
        const QStringList names = {"Lib", "lib", "lib_004c", "图书", "图书 2", "a.b", "A"};
        QSet<QString> ids;
        for (const QString& name : names) {
            const QString id = DefaultApplicationId(name);
            QVERIFY2(FindApplicationIdProblem(id).isEmpty(), qPrintable(id));
            ids.insert(id);
        }
        QCOMPARE(ids.size(), names.size());
        QCOMPARE(DefaultApplicationId("图书管理"),
                 QString("com.mobileclient.p_56fe_4e66_7ba1_7406"));
    }

    void namesAndTextsThatCanNeverWorkAreRefused_data() {
        testing::addTableRows("model-check-rows.tsv", {"field", "value", "message"});
        for (const QString type : {"String", "Object", "Integer", "R", "MainMenuActivity"}) {
            QTest::newRow(qPrintable(type))
                << QString("class") << type << type + "表的类名与生成代码所用的Java或Android类";
        }
    }

    // Every word Java reserves, and only those, is refused as a member name: a member of that
    // name would generate a field that does not compile.
    void everyJavaKeywordIsRefusedAsAMemberName() {
        const QStringList reserved =
            QString(
                "abstract assert boolean break byte case catch char class const continue "
                "default do double else enum extends final finally float for goto if "
                "implements import instanceof int interface long native new package private "
                "protected public return short static strictfp super switch synchronized this "
                "throw throws transient try void volatile while true false null _")
                .split(' ');
        for (const QString& word : reserved) {
            const TModelProblem problem = FindModelProblem(changed("member", word));
            QVERIFY2(problem.message.startsWith("Book表的成员" + word + "的名称是Java关键字") ||
                         (word == "_" && problem.found()),
                     qPrintable(word + ": " + problem.message));
        }
        for (const char* word : {"var", "record", "yield", "sealed", "module", "string"}) {
            QVERIFY2(!FindModelProblem(changed("member", word)).found(), word);
        }
    }

    void namesAndTextsThatCanNeverWorkAreRefused() {
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(QString, message);
        const TModelProblem problem = FindModelProblem(changed(field, value));
        QVERIFY2(message.isEmpty() ? !problem.found() : problem.message.startsWith(message),
                 qPrintable(problem.message));
        if (problem.found()) {
            QCOMPARE(problem.notice, int(kNoticeModelCheck));
        }
    }

    // A model file and a store may hold names no dialog lets through; the run refuses them all
    // the same.
    void namesWithLineBreaksAreRefusedFromFileAndStore() {
        testing::TempStore store;
        QByteArray file = ModelFileText(
            ReadProjectContents(testing::seedModel(changed("member", "title")), "Demo"));
        QVERIFY(file.contains("\"name\": \"Reader\""));
        file.replace("\"name\": \"Reader\"", "\"name\": \"Reader\\n\"");
        const TModelProblem fromFile =
            FindModelProblem(ProjectModelOf(ParseModelFile(file), QString()));
        QVERIFY2(fromFile.message.startsWith("Reader\n表的类名只能由"),
                 qPrintable(fromFile.message));

        const qint32 projectId = testing::seedModel(changed("member", "title\n"));
        const TModelProblem fromStore =
            FindModelProblem(LoadProjectModel(projectId, "Demo", QString()));
        QVERIFY2(fromStore.message.startsWith("Book表的成员title\n的名称只能由"),
                 qPrintable(fromStore.message));
    }

    // Only the generated names that clash are renamed, and only in their class.
    void generatedNamesMakeWayForTheModelsNames() {
        const TProjectModel project =
            testing::ProjectBuilder()
                .cls("Book", "图书",
                     {"book 日期型 KDP", "intent 图片型 -", "readerList 日期型 -",
                      "reader Reader -", "title 日期型 -", "readerService Book -"})
                .cls("Reader", "读者", {"id 整型 KDP"})
                .cls("Item", "条目", {"id 整型 KDP"})
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
        const TProjectModel project = testing::edgeModel();
        TGeneratedFiles files = {TMobileClient::MainMenu(
            project, TFileOperate::ReadTextFile(
                         TMobileClient::MainMenuTemplatePath(QStringLiteral(QUILLMERE_APP_DIR))))};
        for (const TClassModel& cls : project.classes) {
            files += TMobileClient::ClassFiles(project, cls);
        }
        const QRegularExpression import(QStringLiteral("^import ([a-z.]+)\\.([A-Za-z]+);"),
                                        QRegularExpression::MultilineOption);
        // The packages of the classes' own types, which hold HttpUtil and ImageService too.
        const QRegularExpression classesOwn(
            QStringLiteral("^com\\.mobileclient\\.(domain|service|handler|util)$"));
        int imports = 0;
        for (const TGeneratedFile& file : files) {
            for (const auto& match : import.globalMatch(file.text)) {
                QVERIFY2(classesOwn.match(match.captured(1)).hasMatch() ||
                             IsReservedTypeName(match.captured(2)),
                         qPrintable(file.fileName + ": " + match.captured(0)));
                ++imports;
            }
        }
        QVERIFY(imports > 100);
    }

    // A friendly name that reads like a placeholder of the main menu's template ($Second,
    // $Third) or like a template variable comes out as written, in the caption and the comments.
    void friendlyNamesLikePlaceholdersComeOutAsWritten() {
        const QString menuTemplate = TFileOperate::ReadTextFile(
            TMobileClient::MainMenuTemplatePath(QStringLiteral(QUILLMERE_APP_DIR)));
        const auto menu = [&](const QString& friendName) {
            TProjectModel project = changed("member", "title");
            project.classes[0].friendName = friendName;
            return TMobileClient::MainMenu(project, menuTemplate).text;
        };
        const QString plain = menu("图书");
        QCOMPARE(plain.count("图书"), 3);
        for (const char* name : {"$Third", "$Second$First", "$$", "$index$", "$activityString"}) {
            const QString text = menu(QString::fromLatin1(name));
            QVERIFY2(text.count(QLatin1String(name)) == 3, name);
            QCOMPARE(QString(text).replace(QLatin1String(name), "图书"), plain);
        }
        QVERIFY(!plain.contains("$First") && !plain.contains("$Second") &&
                !plain.contains("$Third"));
    }

    // Each text in a Java string, a Java comment and an XML attribute.
    void textsTakeTheFormOfTheirPlace() {
        const struct {
            QString text, javaString, javaComment, xmlAttribute;
        } cases[] = {
            {"图书 '%s' a@b", "图书 '%s' a@b", "图书 '%s' a@b", "图书 '%s' a@b"},
            {"C:\\users", "C:\\\\users", "C:\\\\users", "C:\\\\users"},
            {"<b>\"q\"&", "<b>\\\"q\\\"&", "<b>\"q\"&", "&lt;b>\\&quot;q\\&quot;&amp;"},
            {"a*/b/*", "a*/b/*", "a* /b/*", "a*/b/*"},
            {"a\r\nb\nc", "a\\r\\nb\\nc", "a b c", "a\\nb\\nc"},
            {"@string/x", "@string/x", "@string/x", "\\@string/x"},
            {"?x", "?x", "?x", "\\?x"},
            {"a\x01", "a\x01", "a\x01", "a\\u0001"},
        };
        for (const auto& c : cases) {
            QCOMPARE(InJavaString(c.text), c.javaString);
            QCOMPARE(InJavaComment(c.text), c.javaComment);
            QCOMPARE(InXmlAttribute(c.text), c.xmlAttribute);
        }
    }

    // Screens hold one service field and one list per referenced class; a second reference to
    // the same class, or a reference to the class itself, must take a name of its own.
    void referencesThatWouldClashGetNamesOfTheirOwn() {
        const TProjectModel project = testing::ProjectBuilder()
                                          .cls("City", "城市", {"id 整型 KD"})
                                          .cls("Trip", "行程",
                                               {"owner Trip K", "fromCity City -", "toCity City -",
                                                "city City -", "parent Trip -", "trip Trip -"})
                                          .build();
        const TClassModel& trip = project.classes[1];
        // member, stem on list/detail/query screens, stem on the add and edit forms
        const char* expected[][3] = {{"owner", "owner", "owner"},    {"fromCity", "city", "city"},
                                     {"toCity", "toCity", "toCity"}, {"city", "city2", "city2"},
                                     {"parent", "parent", "parent"}, {"trip", "trip2", "trip2"}};
        for (const auto& [name, stem, formStem] : expected) {
            const TMemberInfo* member = nullptr;
            for (const TMemberInfo& m : trip.members) {
                member = m.name() == QLatin1String(name) ? &m : member;
            }
            QCOMPARE(ReferenceStem(trip, *member), QString(stem));
            if (!member->isKey()) {
                QCOMPARE(FormReferenceStem(trip, *member), QString(formStem));
            }
        }
        // Without a drop-down for the key member, the first other reference keeps the class's
        // object name on the forms.
        const TProjectModel keyed = testing::ProjectBuilder()
                                        .cls("City", "城市", {"id 整型 KD"})
                                        .cls("Stop", "站", {"at City K", "next City -"})
                                        .build();
        QCOMPARE(ReferenceStem(keyed.classes[1], keyed.classes[1].members[1]), QString("next"));
        QCOMPARE(FormReferenceStem(keyed.classes[1], keyed.classes[1].members[1]), QString("city"));
    }

    // Comments become attribute values of the layouts; an XML parser reads any text back as it
    // was, but for the quotes, which stay escaped for aapt.
    void attributeTextsReadBackUnchanged() {
        const QString text = QStringLiteral("名称 & <简称> \"引号\" 'x' &amp;");
        QXmlStreamReader xml("<a b=\"" + InXmlAttribute(text) + "\"/>");
        QVERIFY(xml.readNextStartElement());
        QCOMPARE(xml.attributes().value("b").toString(), QString(text).replace("\"", "\\\""));
    }

    // A user's text lands in a value and comes out as it is, even when it looks like a
    // template; a variable that is a template is printed with the variables where it is used,
    // which override a member's layer, which overrides the outer ones.
    void printerSubstitutesOnceWithTheNearestVariables() {
        TVars outer;
        outer.set(u"name", "outer").setTemplate(u"id", u"ET_$name$").set(u"kind", "outer");
        TVars member(&outer);
        member.set(u"name", "m").set(u"kind", "member").set(u"text", "$name$ costs $$5\n");
        TVars scope(&outer, &member);
        scope.set(u"kind", "scope");
        const struct {
            const char16_t* text;
            const char* printed;
        } cases[] = {
            {u"$text$", "$name$ costs $$5\n"},
            {u"a$$b\n\t$$\n", "a$b\r\n\t$\r\n"},
            {u"$id$/$kind$", "ET_m/scope"},
        };
        for (const auto& c : cases) {
            QCOMPARE(TPrinter().print(c.text, scope).text(), QString::fromUtf8(c.printed));
        }
        QCOMPARE(Format(u"$id$ $kind$", member), QString("ET_m member"));
        member.set(u"kind", "again");
        QCOMPARE(Format(u"$kind$", member), QString("again"));
    }

    void modelProblemsNameTheClassAndMember() {
        const TProjectModel missing =
            testing::ProjectBuilder().cls("Loan", "借阅", {"book Book KDP"}).build();
        const TModelProblem problem = FindModelProblem(missing);
        QCOMPARE(problem.classId, 1);
        QVERIFY(problem.message.startsWith("Loan") && problem.message.contains("book") &&
                problem.message.contains("Book"));
        QCOMPARE(problem.notice, int(kNoticeModelCheck));
        for (const char* name : {"", ".", "..", "a/b", "a\\b", "c:", "tab\there"}) {
            QVERIFY2(!IsSafeFileNameComponent(QString::fromUtf8(name)), name);
        }
        QVERIFY(IsSafeFileNameComponent("图书 管理.v2"));
    }
};

QTEST_GUILESS_MAIN(RulesTest)
#include "test_rules.moc"

// The naming rules, model checks and template printer every generator relies on.

#include "Models.h"
#include "generation/JavaNames.h"
#include "generation/ModelChecks.h"
#include "generation/Printer.h"
#include "generation/TextForms.h"

#include <QXmlStreamReader>

class ScaffoldingTest : public QObject {
    Q_OBJECT

  private slots:
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
        QVERIFY(FindModelProblem(testing::edgeModel()).message.isEmpty());
        for (const char* name : {"", ".", "..", "a/b", "a\\b", "c:", "tab\there"}) {
            QVERIFY2(!IsSafeFileNameComponent(QString::fromUtf8(name)), name);
        }
        QVERIFY(IsSafeFileNameComponent("图书 管理.v2"));
    }
};

QTEST_GUILESS_MAIN(ScaffoldingTest)
#include "test_scaffolding.moc"

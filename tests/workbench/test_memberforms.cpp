// The add and edit member dialogs: the type list, the checks they share,
// the flags derived on saving, and the length entry.

#include <QPushButton>

#include "WorkbenchSupport.h"
#include "workbench/MemberForms.h"

using namespace testing;

namespace {

// What a test types into a member dialog; unset boxes keep what the dialog shows.
struct Entries {
    QString name = QStringLiteral("title");
    QString type = kTypeString;
    std::optional<bool> must, key, query, display, queryDisplay, phone;
    std::optional<QString> length;
    QString comment;
};

// Entries written as "name=a-b type=日期型 must=1": members not named keep their defaults.
Entries entriesOf(const QString& text) {
    Entries e;
    const QMap<QString, std::optional<bool>*> flags{
        {"must", &e.must}, {"key", &e.key}, {"query", &e.query}, {"display", &e.display}};
    const QMap<QString, QString*> texts{
        {"name", &e.name}, {"type", &e.type}, {"comment", &e.comment}};
    for (const QString& entry : text.split(' ', Qt::SkipEmptyParts)) {
        const QString key = entry.section('=', 0, 0);
        const QString value = entry.section('=', 1);
        if (key == "length") {
            e.length = value;
        } else if (flags.contains(key)) {
            *flags[key] = value == "1";
        } else if (QTest::qVerify(texts.contains(key), "a member of Entries", qPrintable(entry),
                                  __FILE__, __LINE__)) {
            *texts[key] = value;
        }
    }
    return e;
}

void tick(QDialog& form, const char* name, std::optional<bool> value) {
    if (value) {
        form.findChild<QCheckBox*>(name)->setChecked(*value);
    }
}

void enter(QDialog& form, const Entries& e) {
    form.findChild<QLineEdit*>("Edt_MemberName")->setText(e.name);
    auto* types = form.findChild<QComboBox*>("CB_MemberType");
    types->setCurrentIndex(types->findText(e.type));
    tick(form, "CB_MemberIsMust", e.must);
    tick(form, "CB_MemberIsPri", e.key);
    tick(form, "CB_QueryFlag", e.query);
    tick(form, "CB_MemberIsDisplay", e.display);
    tick(form, "CB_MemberQueryDisplay", e.queryDisplay);
    tick(form, "CB_AndroidDisplay", e.phone);
    if (e.length) {
        form.findChild<QLineEdit*>("Edt_MemberLength")->setText(*e.length);
    }
    form.findChild<QLineEdit*>("Edt_MemberComment")->setText(e.comment);
    QTest::mouseClick(form.findChild<QPushButton*>("Button1"), Qt::LeftButton);
}

QStringList typeEntries(QDialog& form) {
    auto* types = form.findChild<QComboBox*>("CB_MemberType");
    QStringList entries;
    for (int i = 0; i < types->count(); ++i) {
        entries.append(types->itemText(i));
    }
    return entries;
}

// A project with the classes Book (selected) and Reader.
struct Library {
    Bench bench;
    qint32 project = addProject("Library");
    qint32 book = addClass(project, "Book", "图书");
    qint32 reader = addClass(project, "Reader", "读者");
    TFormMain& window = bench.open();

    TMember only() const {
        const TMemberList members = TMemberDAO().ListMembers(book);
        if (members.size() != 1) {
            qFatal("expected one member, found %d", int(members.size()));
        }
        return members.first();
    }
    qint32 store(const TMember& m) const {
        TMemberDAO().AddMember(m);
        return TMemberDAO().ListMembers(m.classId).last().memberId;
    }
};

const QString kAddedText = QStringLiteral("类成员属性添加成功!");
const QString kUpdatedText = QStringLiteral("类成员属性更新成功!");

}  // namespace

class TestMemberForms : public QObject {
    Q_OBJECT
  private slots:
    void typeListOffersTheOtherClasses();
    void checksRunInOrder_data();
    void checksRunInOrder();
    void savingDerivesTheStoredFlags();
    void editKeepsATypeNoLongerOffered();
    void lengthMustBeADecimalInteger();
    void aRefusedSaveFocusesTheFieldAtFault_data();
    void aRefusedSaveFocusesTheFieldAtFault();
};

void TestMemberForms::typeListOffersTheOtherClasses() {
    const QStringList builtIn{kTypeString, kTypeInteger, kTypeFloat, kTypeDate, kTypeImage};
    Library lib;
    TAddMemberForm withOthers(&lib.window);
    QCOMPARE(typeEntries(withOthers), builtIn + QStringList{"Reader"});

    addProject("Alone");
    lib.bench.chooseProject(1);
    addClass(lib.window.SelectedProjectId(), "Only");
    lib.window.LoadClasses(lib.window.SelectedProjectId());
    TAddMemberForm alone(&lib.window);
    QCOMPARE(typeEntries(alone), builtIn);
}

void TestMemberForms::checksRunInOrder_data() {
    testing::addTableRows("member-form-checks.tsv", {"dialog", "entered", "message"});
}

void TestMemberForms::checksRunInOrder() {
    QFETCH(QString, dialog);
    QFETCH(QString, message);
    QFETCH(QString, entered);
    const Entries entries = entriesOf(entered);
    const bool edit = dialog == "edit";
    Library lib;
    std::unique_ptr<QDialog> form;
    if (edit) {
        const qint32 id = lib.store(member(lib.project, lib.book, "cover", kTypeImage));
        lib.window.LoadMembers(lib.book);
        form = std::make_unique<TUpdateMemberForm>(&lib.window, id);
    } else {
        form = std::make_unique<TAddMemberForm>(&lib.window);
    }
    enter(*form, entries);
    const bool saved = message == kAddedText || message == kUpdatedText;
    QCOMPARE(lib.bench.said(), QStringList{saved ? message + " Book." + entries.name : message});
    QCOMPARE(form->result() == QDialog::Accepted, saved);
    const QStringList names =
        saved || edit ? QStringList{saved ? entries.name : "cover"} : QStringList();
    QCOMPARE(memberNames(lib.book), names);
    QCOMPARE(lib.bench.shownMemberNames(), names);
}

// Each step saves the entries through a dialog; the row keeps its id and project, and holds the
// flags the dialog derives from the type (boxes left alone keep what the dialog showed).
void TestMemberForms::savingDerivesTheStoredFlags() {
    Library lib;
    const auto stored = [&lib]() -> QString {
        const TMember m = lib.only();
        QString text =
            QStringLiteral("%1 %2 length %3").arg(m.memberName, m.memberType).arg(m.memberLength);
        const std::pair<qint32, const char*> flags[] = {{m.memberIsMust, "must"},
                                                        {m.memberIsPri, "key"},
                                                        {m.memberIsInteger, "integer"},
                                                        {m.memberIsFloat, "float"},
                                                        {m.queryFlag, "query"},
                                                        {m.memberIsDisplay, "display"},
                                                        {1 - m.memberQueryDisplay, "hidden"},
                                                        {m.androidDisplay, "phone"}};
        for (const auto& [flag, name] : flags) {
            text += flag == 1 ? QStringLiteral(" ") + name : QString();
        }
        return text + " " + m.memberComment;
    };
    lib.store(member(lib.project, lib.reader, "name", kTypeString, true, true, true));
    {
        TAddMemberForm form(&lib.window);
        enter(form, {.name = "title", .length = "50", .comment = "书名"});
    }
    const TMember title = lib.only();
    QCOMPARE(stored(), QStringLiteral("title 字符串 length 50 书名"));
    const std::pair<Entries, const char*> edits[] = {
        {{.name = "pages",
          .type = kTypeInteger,
          .must = true,
          .key = true,
          .queryDisplay = false,
          .phone = true},
         "pages 整型 length 0 must key integer hidden phone "},
        {{.name = "price", .type = kTypeFloat, .key = false, .display = true},
         "price 浮点型 length 0 must float display hidden phone "},
        {{.name = "reader", .type = "Reader", .length = "30"},
         "reader Reader length 0 must display hidden phone "},
    };
    for (const auto& [entries, expected] : edits) {
        TUpdateMemberForm form(&lib.window, title.memberId);
        enter(form, entries);
        QCOMPARE(stored(), QString::fromUtf8(expected));
    }
    QCOMPARE(lib.only().memberId, title.memberId);
    QCOMPARE(lib.only().projectId, lib.project);
    QCOMPARE(lib.bench.shownMemberNames(), QStringList{"reader"});
}

void TestMemberForms::editKeepsATypeNoLongerOffered() {
    Library lib;
    const qint32 id = lib.store(member(lib.project, lib.book, "owner", "Ghost"));
    TUpdateMemberForm form(&lib.window, id);
    QCOMPARE(form.findChild<QComboBox*>("CB_MemberType")->currentText(), QStringLiteral("Ghost"));
    QTest::mouseClick(form.findChild<QPushButton*>("Button1"), Qt::LeftButton);
    QCOMPARE(lib.bench.said(), QStringList{kUpdatedText + " Book.owner"});
    QCOMPARE(lib.only().memberType, QStringLiteral("Ghost"));
}

void TestMemberForms::lengthMustBeADecimalInteger() {
    Library lib;
    for (const char* bad : {"abc", "", "1.5", "0x10", "99999999999", "-5", "+5", "-0"}) {
        lib.bench.prompts.messages.clear();
        TAddMemberForm form(&lib.window);
        enter(form, {.length = QString::fromLatin1(bad)});
        QCOMPARE(lib.bench.prompts.messages.size(), 1);
        QVERIFY2(lib.bench.prompts.lastMessage().contains("整数"), bad);
        QVERIFY(form.result() != QDialog::Accepted);
        QCOMPARE(TMemberDAO().ListMembers(lib.book).size(), 0);
    }
    TAddMemberForm ignored(&lib.window);
    enter(ignored, {.type = kTypeDate, .must = true, .length = "abc"});
    QCOMPARE(lib.only().memberLength, 0);
}

void TestMemberForms::aRefusedSaveFocusesTheFieldAtFault_data() {
    testing::addTableRows("member-form-focus.tsv", {"entered", "message", "field"});
}

void TestMemberForms::aRefusedSaveFocusesTheFieldAtFault() {
    QFETCH(QString, message);
    QFETCH(QString, field);
    QFETCH(QString, entered);
    const Entries entries = entriesOf(entered);
    Library lib;
    lib.store(member(lib.project, lib.book, "code", kTypeString, true, true, true));
    TAddMemberForm form(&lib.window);
    form.findChild<QPushButton*>("Button3")->setFocus();
    enter(form, entries);
    QCOMPARE(lib.bench.said(), QStringList{message});
    QCOMPARE(memberNames(lib.book), QStringList{"code"});
    QVERIFY(form.result() != QDialog::Accepted);
    QCOMPARE(form.focusWidget()->objectName(), field);
}

QTEST_MAIN(TestMemberForms)
#include "test_memberforms.moc"

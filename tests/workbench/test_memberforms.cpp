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

const QString kMustText = QStringLiteral("除了字符串和图片类型外其他类型必须勾选是否必填标志!");
const QString kKeyTypeText = QStringLiteral("主键字段必须是整型或字符串型!");
const QString kQueryText = QStringLiteral("参与查询的字段不要设置整型或浮点型或图片型");
const QString kAddedText = QStringLiteral("类成员属性添加成功!");
const QString kUpdatedText = QStringLiteral("类成员属性更新成功!");

}  // namespace

Q_DECLARE_METATYPE(Entries)

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

// Each row enters a member into the add dialog of Book, or into the edit dialog of Book's image
// member "cover". Only the first failing check speaks.
void TestMemberForms::checksRunInOrder_data() {
    QTest::addColumn<bool>("edit");
    QTest::addColumn<Entries>("entries");
    QTest::addColumn<QString>("message");
    const auto add = [](const char* tag, const Entries& e, const QString& message) {
        QTest::newRow(tag) << false << e << message;
    };
    const auto edit = [](const char* tag, const Entries& e, const QString& message) {
        QTest::newRow(tag) << true << e << message;
    };
    add("add: empty name", {.name = "", .type = kTypeDate}, "成员名称输入不能为空!");
    add("add: upper-case first letter", {.name = "Title", .type = kTypeDate},
        "成员属性首个字母必须小写");
    add("add: Chinese first character", {.name = "书名"}, "成员属性首个字母必须小写");
    add("add: date not required", {.type = kTypeDate}, kMustText);
    add("add: reference not required", {.type = "Reader"}, kMustText);
    add("add: image need not be required", {.type = kTypeImage}, kAddedText);
    add("add: float key", {.type = kTypeFloat, .must = true, .key = true}, kKeyTypeText);
    add("add: reference key", {.type = "Reader", .must = true, .key = true}, kKeyTypeText);
    add("add: integer key", {.type = kTypeInteger, .must = true, .key = true}, kAddedText);
    add("add: integer query", {.type = kTypeInteger, .must = true, .query = true}, kQueryText);
    add("add: image query", {.type = kTypeImage, .query = true}, kQueryText);
    add("add: date query", {.type = kTypeDate, .must = true, .query = true}, kAddedText);
    // The edit dialog applies the same checks.
    edit("edit: empty name", {.name = ""}, "成员名称输入不能为空!");
    edit("edit: date not required", {.type = kTypeDate, .must = false}, kMustText);
    edit("edit: image need not be required", {.type = kTypeImage, .must = false}, kUpdatedText);
    edit("edit: float key", {.type = kTypeFloat, .must = true, .key = true}, kKeyTypeText);
    edit("edit: image query", {.type = kTypeImage, .must = true, .query = true}, kQueryText);
    edit("edit: float query", {.type = kTypeFloat, .must = true, .query = true}, kQueryText);
    // The rules of the run, after the dialog's own checks.
    add("add: keyword", {.name = "class"}, "Book表的成员class的名称是Java关键字，请修改成员名称!");
    add("add: not an identifier, not required", {.name = "a-b", .type = kTypeDate}, kMustText);
    add("add: not an identifier", {.name = "a-b"},
        "Book表的成员a-b的名称只能由英文字母、数字和下划线组成，并以小写字母开头，请修改成员"
        "名称!");
    add("add: comment GBK cannot write", {.comment = "价格€"},
        "Book表的成员title的注释含有字符€(U+20AC)，生成的GBK编码Java文件无法表示，请删除或替换"
        "该字符!");
    edit("edit: its own name", {.name = "cover", .type = kTypeImage, .must = true}, kUpdatedText);
}

void TestMemberForms::checksRunInOrder() {
    QFETCH(bool, edit);
    QFETCH(Entries, entries);
    QFETCH(QString, message);
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

// Book already holds its key and drop-down member "code"; Reader has no member yet. Each row
// enters a new member of Book that is refused, by the dialogs' own checks or by the run's rules.
void TestMemberForms::aRefusedSaveFocusesTheFieldAtFault_data() {
    QTest::addColumn<Entries>("entries");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("field");
    const auto row = [](const char* tag, const Entries& e, const QString& message,
                        const char* field) {
        QTest::newRow(tag) << e << message << QString(field);
    };
    row("empty name", {.name = ""}, "成员名称输入不能为空!", "Edt_MemberName");
    row("keyword", {.name = "class"}, "Book表的成员class的名称是Java关键字，请修改成员名称!",
        "Edt_MemberName");
    row("date not required", {.type = kTypeDate}, kMustText, "CB_MemberIsMust");
    row("float key", {.type = kTypeFloat, .must = true, .key = true}, kKeyTypeText,
        "CB_MemberIsPri");
    row("image query", {.type = kTypeImage, .query = true}, kQueryText, "CB_QueryFlag");
    row("length", {.length = "x"}, "长度\"x\"无效，请输入不小于0的整数长度!", "Edt_MemberLength");
    row("comment", {.comment = "€"},
        "Book表的成员title的注释含有字符€(U+20AC)，生成的GBK编码Java文件无法表示，请删除或替换"
        "该字符!",
        "Edt_MemberComment");
    row("second key", {.key = true}, "Book表主键设置错误，每个类只能设置一个主键!",
        "CB_MemberIsPri");
    row("second drop-down member", {.display = true},
        "Book表显示成员设置错误，每个类有且只能设置一个下拉框显示字段!", "CB_MemberIsDisplay");
    row("reference to a class without key", {.type = "Reader", .must = true},
        "Book表的成员title引用的类Reader没有设置主键!", "CB_MemberType");
}

void TestMemberForms::aRefusedSaveFocusesTheFieldAtFault() {
    QFETCH(Entries, entries);
    QFETCH(QString, message);
    QFETCH(QString, field);
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

// The add and edit class dialogs: their checks in order, what they write and how they update
// the main window's class list.

#include <QPushButton>

#include "WorkbenchSupport.h"
#include "workbench/ClassForms.h"

using namespace testing;

namespace {

// Types the entries into a class dialog and presses "确定".
void enter(QDialog& form, const QString& className, const QString& friendName, bool frontShow) {
    form.findChild<QLineEdit*>("Edt_ClassName")->setText(className);
    form.findChild<QLineEdit*>("Edt_FriendName")->setText(friendName);
    form.findChild<QCheckBox*>("CB_FrontShowFlag")->setChecked(frontShow);
    QTest::mouseClick(form.findChild<QPushButton*>("Button1"), Qt::LeftButton);
}

}  // namespace

class TestClassForms : public QObject {
    Q_OBJECT
  private slots:
    void addChecksRunInOrder_data();
    void addChecksRunInOrder();
    void addSavesAndReloadsTheClassList();
    void editChecksRunInOrder_data();
    void editChecksRunInOrder();
    void editShowsTheClassAndRenamesReferences();
    void addClassCommandOpensTheDialog();
};

void TestClassForms::addChecksRunInOrder_data() {
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("friendName");
    QTest::addColumn<QString>("message");
    QTest::newRow("both empty") << ""
                                << ""
                                << "类名称不能为空!";
    QTest::newRow("friend empty before case") << "book"
                                              << ""
                                              << "友好名称不能为空";
    QTest::newRow("lower-case first letter") << "book"
                                             << "图书"
                                             << "类名首个字母必须大写";
    QTest::newRow("Chinese first character") << "图书"
                                             << "图书"
                                             << "类名首个字母必须大写";
    QTest::newRow("duplicate in the project") << "Book"
                                              << "书"
                                              << "该类名称已经存在!";
    QTest::newRow("same name in lower case") << "BOOK"
                                             << "书"
                                             << "类名称添加成功！";
}

void TestClassForms::addChecksRunInOrder() {
    QFETCH(QString, className);
    QFETCH(QString, friendName);
    QFETCH(QString, message);
    Bench bench;
    const qint32 p = addProject("A");
    addClass(p, "Book", "图书");
    TFormMain& window = bench.open();
    TAddClassForm form(&window);
    enter(form, className, friendName, false);
    QCOMPARE(bench.prompts.messages, QStringList{message});
    const bool saved = message == "类名称添加成功！";
    QCOMPARE(form.result() == QDialog::Accepted, saved);
    QCOMPARE(TClassDAO().ListClasses(p).size(), saved ? 2 : 1);
}

void TestClassForms::addSavesAndReloadsTheClassList() {
    Bench bench;
    const qint32 first = addProject("A");
    addClass(first, "Book", "图书");
    addProject("B");
    TFormMain& window = bench.open();
    bench.chooseProject(1);
    TAddClassForm form(&window);
    enter(form, "Book", "书本", true);  // the name of a class of another project
    QCOMPARE(bench.prompts.messages, QStringList{"类名称添加成功！"});
    const qint32 added = TClassDAO().GetClassId(window.SelectedProjectId(), "Book");
    QCOMPARE(TClassDAO().GetFriendName(added), QStringLiteral("书本"));
    QCOMPARE(TClassDAO().GetFrontShowFlag(added), 1);
    QCOMPARE(bench.classes()->count(), 1);
    QCOMPARE(window.SelectedClassId(), added);
}

void TestClassForms::editChecksRunInOrder_data() {
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("friendName");
    QTest::addColumn<QString>("message");
    QTest::newRow("name empty") << ""
                                << ""
                                << "类名称不能为空";
    QTest::newRow("case before friend") << "book"
                                        << ""
                                        << "类名首个字母必须大写";
    QTest::newRow("friend empty") << "Book"
                                  << ""
                                  << "友好名称不能为空";
    QTest::newRow("another class's name") << "Reader"
                                          << "图书"
                                          << "类名称更新成功";
}

void TestClassForms::editChecksRunInOrder() {
    QFETCH(QString, className);
    QFETCH(QString, friendName);
    QFETCH(QString, message);
    Bench bench;
    const qint32 p = addProject("A");
    const qint32 book = addClass(p, "Book", "图书");
    addClass(p, "Reader", "读者");
    TFormMain& window = bench.open();
    TUpdateClassForm form(&window, book);
    enter(form, className, friendName, false);
    QCOMPARE(bench.prompts.messages, QStringList{message});
    const bool saved = message == "类名称更新成功";
    QCOMPARE(TClassDAO().GetClassName(book), saved ? className : QStringLiteral("Book"));
    QCOMPARE(bench.classes()->item(0)->text(), saved ? className : QStringLiteral("Book"));
}

void TestClassForms::editShowsTheClassAndRenamesReferences() {
    Bench bench;
    const qint32 p = addProject("A");
    const qint32 book = addClass(p, "Book", "图书", 0);
    const qint32 loan = addClass(p, "Loan", "借阅", 1);
    TMemberDAO().AddMember(member(p, loan, "book", "Book"));
    TFormMain& window = bench.open();

    TUpdateClassForm unchanged(&window, book);
    QCOMPARE(unchanged.findChild<QLineEdit*>("Edt_ClassName")->text(), QStringLiteral("Book"));
    QCOMPARE(unchanged.findChild<QLineEdit*>("Edt_FriendName")->text(), QStringLiteral("图书"));
    QVERIFY(!unchanged.findChild<QCheckBox*>("CB_FrontShowFlag")->isChecked());
    QTest::mouseClick(unchanged.findChild<QPushButton*>("Button1"), Qt::LeftButton);
    QCOMPARE(TClassDAO().GetFrontShowFlag(book), 0);

    bench.classes()->setCurrentRow(1);
    QVERIFY(TUpdateClassForm(&window, loan).findChild<QCheckBox*>("CB_FrontShowFlag")->isChecked());

    bench.classes()->setCurrentRow(0);
    TUpdateClassForm rename(&window, book);
    enter(rename, "Volume", "卷", true);
    QCOMPARE(bench.classes()->item(0)->text(), QStringLiteral("Volume"));
    QCOMPARE(window.SelectedClassId(), book);
    QCOMPARE(TClassDAO().GetFrontShowFlag(book), 1);
    bench.classes()->setCurrentRow(1);
    QCOMPARE(bench.members()->item(0, 2)->text(), QStringLiteral("Volume"));
}

void TestClassForms::addClassCommandOpensTheDialog() {
    Bench bench;
    const qint32 p = addProject("A");
    bench.open();
    QVERIFY(answerNextDialog<TAddClassForm>(
        [](TAddClassForm* form) { enter(*form, "Book", "图书", false); },
        [&] { bench.trigger("添加类(&A)"); }));
    QCOMPARE(TClassDAO().ListClasses(p).size(), 1);
    QCOMPARE(bench.classes()->currentItem()->text(), QStringLiteral("Book"));

    QVERIFY(answerNextDialog<TUpdateClassForm>(
        [](TUpdateClassForm* form) { form->reject(); },
        [&] {
            QTest::mouseDClick(bench.classes()->viewport(), Qt::LeftButton, {}, QPoint(20, 5));
        }));
}

QTEST_MAIN(TestClassForms)
#include "test_classforms.moc"

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

const QString kAdded = QStringLiteral("类名称添加成功！");
const QString kUpdated = QStringLiteral("类名称更新成功");

}  // namespace

class TestClassForms : public QObject {
    Q_OBJECT
  private slots:
    // Each row of the table enters a class name and a friendly name into a dialog.
    void checksRunInOrder_data() {
        testing::addTableRows("class-form-checks.tsv",
                              {"dialog", "className", "friendName", "message"});
    }
    void checksRunInOrder() {
        QFETCH(QString, dialog);
        QFETCH(QString, className);
        QFETCH(QString, friendName);
        QFETCH(QString, message);
        Bench bench;
        const qint32 p = addProject("A");
        const qint32 book = addClass(p, "Book", "图书");
        addClass(p, "Reader", "读者");
        TFormMain& window = bench.open();
        std::unique_ptr<QDialog> form;
        const bool edit = dialog == "edit";
        if (edit) {
            form = std::make_unique<TUpdateClassForm>(&window, book);
        } else {
            form = std::make_unique<TAddClassForm>(&window);
        }
        enter(*form, className, friendName, false);
        const bool saved = message == kAdded || message == kUpdated;
        QCOMPARE(bench.said(), QStringList{saved ? message + " " + className : message});
        QCOMPARE(form->result() == QDialog::Accepted, saved);
        QCOMPARE(TClassDAO().ListClasses(p).size(), saved && !edit ? 3 : 2);
        QCOMPARE(bench.classes()->item(0)->text(), saved && edit ? className : QString("Book"));
    }

    void addSavesAndReloadsTheClassList() {
        Bench bench;
        addClass(addProject("A"), "Book", "图书");
        addProject("B");
        TFormMain& window = bench.open();
        bench.chooseProject(1);
        TAddClassForm form(&window);
        enter(form, "Book", "书本", true);  // the name of a class of another project
        QCOMPARE(bench.said(), QStringList{kAdded + " Book"});
        const qint32 added = classIdNamed(window.SelectedProjectId(), "Book");
        QCOMPARE(TClassDAO().GetFriendName(added), QStringLiteral("书本"));
        QCOMPARE(TClassDAO().GetFrontShowFlag(added), 1);
        QCOMPARE(bench.classes()->count(), 1);
        QCOMPARE(window.SelectedClassId(), added);
    }

    // Renaming keeps the class selected and rewrites the members that refer to it, in its
    // project only.
    void editRenamesReferences() {
        Bench bench;
        const qint32 p = addProject("A");
        const qint32 book = addClass(p, "Book", "图书");
        TMemberDAO().AddMember(member(p, addClass(p, "Loan", "借阅"), "book", "Book"));
        const qint32 other = addProject("B");
        const qint32 shelf = addClass(other, "Shelf");
        TMemberDAO().AddMember(member(other, shelf, "book", "Book"));
        TFormMain& window = bench.open();
        TUpdateClassForm form(&window, book);
        QCOMPARE(form.findChild<QLineEdit*>("Edt_FriendName")->text(), QStringLiteral("图书"));
        enter(form, "Volume", "卷", true);
        QCOMPARE(bench.classes()->item(0)->text(), QStringLiteral("Volume"));
        QCOMPARE(window.SelectedClassId(), book);
        QCOMPARE(TClassDAO().GetFrontShowFlag(book), 1);
        bench.classes()->setCurrentRow(1);
        QCOMPARE(bench.members()->item(0, 2)->text(), QStringLiteral("Volume"));
        QCOMPARE(TMemberDAO().ListMembers(shelf).value(0).memberType, QStringLiteral("Book"));
    }
};

QTEST_MAIN(TestClassForms)
#include "test_classforms.moc"

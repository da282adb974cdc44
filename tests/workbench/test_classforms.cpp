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
    // The project holds Book and Reader; each row enters a name and a friendly name into the
    // add dialog or the edit dialog of Book. Only the first failing check speaks.
    void checksRunInOrder_data() {
        QTest::addColumn<bool>("edit");
        QTest::addColumn<QString>("className");
        QTest::addColumn<QString>("friendName");
        QTest::addColumn<QString>("message");
        const auto row = [](const char* tag, bool edit, const char* name, const char* friendName,
                            const QString& message) {
            QTest::newRow(tag) << edit << QString(name) << QString(friendName) << message;
        };
        row("add: both empty", false, "", "", "类名称不能为空!");
        row("add: friend empty before case", false, "book", "", "友好名称不能为空");
        row("add: lower-case first letter", false, "book", "图书", "类名首个字母必须大写");
        row("add: Chinese first character", false, "图书", "图书", "类名首个字母必须大写");
        row("add: duplicate in the project", false, "Book", "书", "该类名称已经存在!");
        // The rules of the run, after the dialog's own checks.
        row("add: same name in capitals", false, "BOOK", "书",
            "BOOK表与类Book的类名只有大小写不同，两者的布局文件同名，请修改类名!");
        row("add: a type the generated code uses", false, "Intent", "意图",
            "Intent表的类名与生成代码所用的Java或Android类Intent重名，请修改类名!");
        row("add: friendly name GBK cannot write", false, "Price", "欧元€",
            "Price表的友好名称含有字符€(U+20AC)，生成的GBK编码Java文件无法表示，请删除或替换"
            "该字符!");
        row("add: a dollar in the name", false, "A$B", "书",
            "A$B表的类名只能由英文字母、数字和下划线组成，并以大写字母开头，请修改类名!");
        row("add: a line break after the name", false, "Shelf\n", "书架",
            "Shelf\n表的类名只能由英文字母、数字和下划线组成，并以大写字母开头，请修改类名!");
        row("add: a new name", false, "Shelf", "书架", kAdded);
        row("edit: name empty", true, "", "", "类名称不能为空");
        row("edit: case before friend", true, "book", "", "类名首个字母必须大写");
        row("edit: friend empty", true, "Book", "", "友好名称不能为空");
        row("edit: another class's name", true, "Reader", "图书",
            "Reader表与本项目的另一个类重名，请修改类名!");
        row("edit: its own name", true, "Book", "书", kUpdated);
    }
    void checksRunInOrder() {
        QFETCH(bool, edit);
        QFETCH(QString, className);
        QFETCH(QString, friendName);
        QFETCH(QString, message);
        Bench bench;
        const qint32 p = addProject("A");
        const qint32 book = addClass(p, "Book", "图书");
        addClass(p, "Reader", "读者");
        TFormMain& window = bench.open();
        std::unique_ptr<QDialog> form;
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

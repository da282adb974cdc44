// The main window: its menus and table, the project, class and member commands with their
// checks, the selection rules and the home-page openers.

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QSqlQuery>

#include "WorkbenchSupport.h"
#include "store/DemoProject.h"
#include "store/ModelFile.h"
#include "workbench/MemberForms.h"

using namespace testing;

namespace {

// Makes every statement of the given kind on the table fail with the message "locked".
void lockTable(const QString& table, const QString& statement) {
    QSqlQuery query(TDbHelper().GetConnection());
    QVERIFY(query.exec(QStringLiteral("CREATE TRIGGER lock_%1_%2 BEFORE %2 ON %1 BEGIN SELECT "
                                      "RAISE(ABORT, 'locked'); END")
                           .arg(table, statement)));
}

// Runs a delete command answering Cancel (nothing may change), then answering OK.
void cancelThenConfirm(Bench& bench, const QString& caption, const QString& confirmation,
                       const std::function<int()>& count) {
    const int before = count();
    bench.prompts.confirmAnswer = false;
    bench.trigger(caption);
    QCOMPARE(bench.prompts.confirmations, QStringList{confirmation});
    QCOMPARE(count(), before);
    QVERIFY(bench.prompts.messages.isEmpty());
    bench.prompts.confirmAnswer = true;
    bench.trigger(caption);
}

}  // namespace

class TestMainForm : public QObject {
    Q_OBJECT
  private slots:
    void windowHasItsMenusAndColumns();
    void emptyStoreReportsEveryMissingSelection();
    void newProjectRejectsEmptyAndDuplicateNames();
    void renameKeepsTheProjectSelected();
    void deleteProjectSelectsTheFirstProject();
    void failedStoreOperationKeepsTheLists();
    void choosingProjectsAndClassesLoadsTheirContents();
    void clickOnTheChosenClassReloadsAndKeepsItSelected();
    void deleteClassLeavesNoClassSelected();
    void deleteMemberDeletesTheFirstSelectedRow();
    void moveUpAndDownStopAtTheEnds();
    void exchangeNeedsExactlyTwoRows();
    void doubleClicksOpenTheMemberDialogs();
    void packageNameKeepsTheOldNameOnEmptyAnswer();
    void bannerAndTimerOpenTheHomePage();
    void modelExportAndImportGoThroughTheFileDialogs();
    void standardButtonsSpeakChinese();
};

void TestMainForm::windowHasItsMenusAndColumns() {
    Bench bench;
    TFormMain& window = bench.open();
    QCOMPARE(window.windowTitle(), QStringLiteral("Quillmere安卓Android代码生成器2.0版"));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.centralWidget()->size(), QSize(841, 560));
    QCOMPARE(window.minimumSize(), window.maximumSize());
    QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));

    QStringList menus;
    for (QAction* top : window.menuBar()->actions()) {
        menus.append(top->text());
        for (QAction* item : top->menu()->actions()) {
            menus.append(QStringLiteral("  ") + item->text());
        }
    }
    const QStringList expectedMenus{"项目操作(&P)",       "  新建项目(&F)",
                                    "  修改项目名称(&X)", "  删除当前项目(&D)",
                                    "  添加类(&A)",       "  修改类名(&B)",
                                    "  删除类(&S)",       "  添加成员(&M)",
                                    "  修改成员属性(&E)", "  删除成员(&C)",
                                    "  交换成员(&G)",     "  成员上移(&U)",
                                    "  成员下移(&L)",     "  ",
                                    "  导出模型(&E)...",  "  导入模型(&I)...",
                                    "代码管理(&A)",       "  设置包名(&S)",
                                    "  保留手工修改(&K)", "  自动生成代码(&A)"};
    QCOMPARE(menus, expectedMenus);

    QStringList popup;
    for (QAction* item : bench.child<QMenu>("PopupMenu1")->actions()) {
        popup.append(item->text());
    }
    QCOMPARE(popup, (QStringList{"添加成员(&A)", "修改成员(&M)", "删除成员(&D)", "成员交换(&E)",
                                 "成员上移(&U)", "成员下移(&L)"}));

    QStringList columns;
    QList<int> widths;
    for (int column = 0; column < bench.members()->columnCount(); ++column) {
        columns.append(bench.members()->horizontalHeaderItem(column)->text());
        widths.append(bench.members()->columnWidth(column));
    }
    QCOMPARE(columns, (QStringList{"编号", "成员名称", "成员类型", "长度", "主键", "必填",
                                   "参与查询", "下拉框显示", "界面显示", "手机显示", "注释"}));
    QCOMPARE(widths, (QList<int>{1, 90, 80, 50, 40, 40, 60, 75, 60, 60, 120}));
    QVERIFY(!bench.child<QLabel>("Image1")->pixmap().isNull());
}

void TestMainForm::emptyStoreReportsEveryMissingSelection() {
    Bench bench;
    bench.open();
    QVERIFY(bench.projects()->count() == 0 && bench.classes()->count() == 0);
    const QList<std::pair<QString, QString>> commands{
        {"新建项目(&F)", "工程名称不能为空!"},
        {"修改项目名称(&X)", "当前未有任何项目被选中!"},
        {"删除当前项目(&D)", "未有任何项目被选中!"},
        {"添加类(&A)", "当前未有任何项目被选中!"},
        {"修改类名(&B)", "没有类被选中!"},
        {"删除类(&S)", "没有类被选中!"},
        {"添加成员(&M)", "请先选择类对象"},
        {"修改成员属性(&E)", "请先选择一个成员"},
        {"删除成员(&C)", "请先选择一个成员"},
        {"交换成员(&G)", "请选中2条记录!"},
        {"成员上移(&U)", "请先选择一个成员"},
        {"成员下移(&L)", "请先选择一个成员"},
        {"自动生成代码(&A)", "没有一个工程被选中！"},
        {"导出模型(&E)...", "当前未有任何项目被选中!"},
    };
    for (const auto& [caption, expected] : commands) {
        bench.prompts.messages.clear();
        bench.trigger(caption);
        QCOMPARE(bench.prompts.messages, QStringList{expected});
    }
    QVERIFY(bench.prompts.confirmations.isEmpty());
    QCOMPARE(TProjectDAO().ListProjects().size(), 0);
}

void TestMainForm::newProjectRejectsEmptyAndDuplicateNames() {
    Bench bench;
    addProject("Library");
    bench.open();
    bench.prompts.answers = {"Library", "Shop"};
    bench.trigger("新建项目(&F)");
    QCOMPARE(bench.prompts.lastMessage(), QStringLiteral("该工程名称已经存在!"));
    QCOMPARE(bench.prompts.inputs.last(), QStringLiteral("请输入工程名称||"));
    QCOMPARE(TProjectDAO().ListProjects().size(), 1);

    bench.trigger("新建项目(&F)");
    QCOMPARE(bench.prompts.lastMessage(), QStringLiteral("工程名称添加成功！"));
    QCOMPARE(bench.projects()->count(), 2);
    QCOMPARE(bench.projects()->itemText(1), QStringLiteral("Shop"));
    QCOMPARE(bench.projects()->currentIndex(), 0);
}

void TestMainForm::renameKeepsTheProjectSelected() {
    Bench bench;
    addProject("A");
    const qint32 b = addProject("B");
    addProject("C");
    TFormMain& window = bench.open();
    bench.chooseProject(1);

    bench.prompts.answers = {""};
    bench.trigger("修改项目名称(&X)");
    QCOMPARE(bench.prompts.lastMessage(), QStringLiteral("工程项目名称不能为空!"));
    QCOMPARE(bench.prompts.inputs.last(), QStringLiteral("请输入项目名称||"));
    QCOMPARE(TProjectDAO().GetProjectName(b), QStringLiteral("B"));

    bench.prompts.answers = {"A"};  // an existing name is accepted
    bench.trigger("修改项目名称(&X)");
    QCOMPARE(bench.prompts.lastMessage(), QStringLiteral("工程名称修改成功！"));
    QCOMPARE(bench.projects()->currentIndex(), 1);
    QCOMPARE(bench.projects()->currentText(), QStringLiteral("A"));
    QCOMPARE(window.SelectedProjectId(), b);

    bench.prompts.answers = {"D"};
    bench.trigger("新建项目(&F)");
    QCOMPARE(bench.projects()->count(), 4);
    QCOMPARE(bench.projects()->currentIndex(), 1);
}

void TestMainForm::deleteProjectSelectsTheFirstProject() {
    Bench bench;
    const qint32 a = addProject("A");
    addClass(a, "Book");
    const qint32 b = addProject("B");
    TFormMain& window = bench.open();
    bench.chooseProject(1);

    cancelThenConfirm(bench, "删除当前项目(&D)", "删除提示: 确认删除当前项目吗?",
                      [&] { return bench.projects()->count(); });
    QCOMPARE(bench.prompts.lastMessage(), QStringLiteral("删除成功!"));
    QCOMPARE(TProjectDAO().GetProjectName(b), QString());
    QCOMPARE(bench.projects()->count(), 1);
    QCOMPARE(window.SelectedProjectId(), a);
    QCOMPARE(bench.classes()->count(), 1);

    bench.trigger("删除当前项目(&D)");
    QCOMPARE(bench.projects()->count(), 0);
    QCOMPARE(bench.classes()->count(), 0);
    QCOMPARE(bench.members()->rowCount(), 0);
}

void TestMainForm::failedStoreOperationKeepsTheLists() {
    Bench bench;
    const qint32 p = addProject("A");
    addClass(p, "Book");
    bench.open();
    lockTable("t_class", "DELETE");

    bench.trigger("删除当前项目(&D)");
    QVERIFY2(bench.prompts.lastMessage().contains("locked"),
             qPrintable(bench.prompts.lastMessage()));
    QVERIFY(!bench.prompts.messages.contains("删除成功!"));
    QCOMPARE(TProjectDAO().GetProjectName(p), QStringLiteral("A"));
    QCOMPARE(bench.projects()->count(), 1);
    QCOMPARE(bench.classes()->count(), 1);

    bench.trigger("删除类(&S)");
    QVERIFY(bench.prompts.lastMessage().contains("locked"));
    QCOMPARE(bench.classes()->count(), 1);
    QCOMPARE(bench.classes()->currentRow(), 0);

    lockTable("t_project", "INSERT");
    bench.prompts.answers = {"B"};
    bench.trigger("新建项目(&F)");
    QVERIFY(bench.prompts.lastMessage().contains("locked"));
    QCOMPARE(bench.projects()->count(), 1);
}

void TestMainForm::choosingProjectsAndClassesLoadsTheirContents() {
    Bench bench;
    const qint32 p = addProject("A");
    const qint32 book = addClass(p, "Book");
    const qint32 reader = addClass(p, "Reader");
    TMemberDAO().AddMember(member(p, book, "barcode", kTypeString, true, true, true));
    TMember price = member(p, book, "price", kTypeFloat);
    price.memberComment = QStringLiteral("价格");
    price.memberQueryDisplay = 0;
    TMemberDAO().AddMember(price);
    TMemberDAO().AddMember(member(p, reader, "name"));
    addProject("Empty");
    TFormMain& window = bench.open();

    QCOMPARE(bench.classes()->currentRow(), 0);
    QCOMPARE(bench.shownMemberNames(), (QStringList{"barcode", "price"}));
    QVERIFY(bench.members()->selectionModel()->selectedRows().isEmpty());
    QStringList row;
    for (int column = 0; column < 11; ++column) {
        row.append(bench.members()->item(1, column)->text());
    }
    const QString priceId = QString::number(TMemberDAO().ListMembers(book)[1].memberId);
    QCOMPARE(row, (QStringList{priceId, "price", "浮点型", "0", "否", "是", "否", "否", "否", "否",
                               "价格"}));

    bench.classes()->setCurrentRow(1);
    QCOMPARE(window.SelectedClassId(), reader);
    QCOMPARE(bench.shownMemberNames(), QStringList{"name"});

    bench.chooseProject(1);
    QCOMPARE(bench.classes()->count(), 0);
    QCOMPARE(bench.members()->rowCount(), 0);
    bench.chooseProject(0);
    QCOMPARE(bench.classes()->item(0)->data(Qt::UserRole).toInt(), book);
    QCOMPARE(bench.members()->rowCount(), 2);
}

void TestMainForm::clickOnTheChosenClassReloadsAndKeepsItSelected() {
    Bench bench;
    const qint32 p = addProject("A");
    const qint32 book = addClass(p, "Book");
    const qint32 reader = addClass(p, "Reader");
    TMemberDAO().AddMember(member(p, book, "barcode"));
    TMemberDAO().AddMember(member(p, reader, "name"));
    TFormMain& window = bench.open();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QListWidget* list = bench.classes();
    const QPoint onBook = list->visualItemRect(list->item(0)).center();

    TMemberDAO().AddMember(member(p, book, "title"));
    bench.selectRows({0});
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, onBook);
    QCOMPARE(bench.shownMemberNames(), (QStringList{"barcode", "title"}));
    QVERIFY(bench.members()->selectionModel()->selectedRows().isEmpty());

    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier, onBook);
    QVERIFY(list->item(0)->isSelected());
    QCOMPARE(window.SelectedClassId(), book);

    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(1)).center());
    QCOMPARE(window.SelectedClassId(), reader);
    QCOMPARE(bench.shownMemberNames(), QStringList{"name"});
}

void TestMainForm::deleteClassLeavesNoClassSelected() {
    Bench bench;
    const qint32 p = addProject("A");
    const qint32 book = addClass(p, "Book");
    addClass(p, "Reader");
    TMemberDAO().AddMember(member(p, book, "barcode"));
    TFormMain& window = bench.open();

    cancelThenConfirm(bench, "删除类(&S)", "提示: 确认删除此类对象！",
                      [&] { return bench.classes()->count(); });
    QCOMPARE(bench.prompts.lastMessage(), QStringLiteral("类对象删除成功!"));
    QCOMPARE(TClassDAO().GetClassName(book), QString());
    QCOMPARE(TMemberDAO().ListMembers(book).size(), 0);
    QCOMPARE(bench.classes()->count(), 1);
    QCOMPARE(window.SelectedClassId(), -1);
    QCOMPARE(bench.members()->rowCount(), 0);

    bench.trigger("添加成员(&M)");
    QCOMPARE(bench.prompts.lastMessage(), QStringLiteral("请先选择类对象"));
}

void TestMainForm::deleteMemberDeletesTheFirstSelectedRow() {
    Bench bench;
    const qint32 p = addProject("A");
    const qint32 book = addClass(p, "Book");
    for (const char* name : {"a1", "a2", "a3"}) {
        TMemberDAO().AddMember(member(p, book, name));
    }
    bench.open();
    bench.selectRows({2, 1});
    bench.trigger("删除成员(&C)");
    QCOMPARE(bench.prompts.confirmations, QStringList{"删除提示: 确定删除当前成员属性?"});
    QCOMPARE(bench.prompts.lastMessage(), QStringLiteral("成员属性删除成功"));
    QCOMPARE(memberNames(book), (QStringList{"a1", "a3"}));
    QCOMPARE(bench.shownMemberNames(), (QStringList{"a1", "a3"}));
}

void TestMainForm::moveUpAndDownStopAtTheEnds() {
    Bench bench;
    const qint32 p = addProject("A");
    const qint32 book = addClass(p, "Book");
    for (const char* name : {"a1", "a2", "a3"}) {
        TMemberDAO().AddMember(member(p, book, name));
    }
    const QList<TMember> before = TMemberDAO().ListMembers(book);
    bench.open();

    bench.selectRows({0});
    bench.trigger("成员上移(&U)");
    QCOMPARE(bench.prompts.lastMessage(), QStringLiteral("第一个成员无法上移了！"));
    bench.selectRows({2});
    bench.trigger("成员下移(&L)");
    QCOMPARE(bench.prompts.lastMessage(), QStringLiteral("最后一个成员无法下移了！"));
    QCOMPARE(TMemberDAO().ListMembers(book), before);

    bench.prompts.messages.clear();
    bench.selectRows({2});
    bench.trigger("成员上移(&U)");
    QCOMPARE(memberNames(book), (QStringList{"a1", "a3", "a2"}));
    QCOMPARE(bench.shownMemberNames(), (QStringList{"a1", "a3", "a2"}));
    bench.selectRows({0});
    bench.action("成员下移(&L)", "PopupMenu1")->trigger();
    QCOMPARE(memberNames(book), (QStringList{"a3", "a1", "a2"}));
    QVERIFY(bench.prompts.messages.isEmpty());
    // Ids keep their places; only the contents move.
    QCOMPARE(TMemberDAO().ListMembers(book)[0].memberId, before[0].memberId);
}

void TestMainForm::exchangeNeedsExactlyTwoRows() {
    Bench bench;
    const qint32 p = addProject("A");
    const qint32 book = addClass(p, "Book");
    for (const char* name : {"a1", "a2", "a3"}) {
        TMemberDAO().AddMember(member(p, book, name));
    }
    bench.open();
    for (auto rows : {std::initializer_list<int>{1}, std::initializer_list<int>{0, 1, 2}}) {
        bench.prompts.messages.clear();
        bench.selectRows(rows);
        bench.trigger("交换成员(&G)");
        QCOMPARE(bench.prompts.messages, QStringList{"请选中2条记录!"});
        QCOMPARE(memberNames(book), (QStringList{"a1", "a2", "a3"}));
    }
    bench.selectRows({2, 0});
    bench.trigger("交换成员(&G)");
    QCOMPARE(memberNames(book), (QStringList{"a3", "a2", "a1"}));
    QCOMPARE(bench.shownMemberNames(), (QStringList{"a3", "a2", "a1"}));
}

void TestMainForm::doubleClicksOpenTheMemberDialogs() {
    Bench bench;
    const qint32 p = addProject("A");
    const qint32 book = addClass(p, "Book");
    TMemberDAO().AddMember(member(p, book, "barcode"));
    bench.open();
    QWidget* viewport = bench.members()->viewport();
    const QPoint emptyPart(viewport->width() / 2, viewport->height() - 5);

    QVERIFY(answerNextDialog<TAddMemberForm>(
        [](TAddMemberForm* form) { form->reject(); },
        [&] { QTest::mouseDClick(viewport, Qt::LeftButton, {}, emptyPart); }));

    bench.selectRows({0});
    QString shownName;
    QVERIFY(answerNextDialog<TUpdateMemberForm>(
        [&](TUpdateMemberForm* form) {
            shownName = form->findChild<QLineEdit*>("Edt_MemberName")->text();
            form->reject();
        },
        [&] { bench.window->EditMember(); }));
    QCOMPARE(shownName, QStringLiteral("barcode"));
    QVERIFY(bench.prompts.messages.isEmpty());
}

void TestMainForm::packageNameKeepsTheOldNameOnEmptyAnswer() {
    Bench bench;
    TFormMain& window = bench.open();
    QCOMPARE(window.PackageName(), QStringLiteral("quillmere"));
    bench.prompts.answers = {"com.example.books"};
    bench.trigger("设置包名(&S)");
    QCOMPARE(bench.prompts.inputs.last(),
             QStringLiteral("包名输入框|请输入一个包名如:           |quillmere"));
    QCOMPARE(window.PackageName(), QStringLiteral("com.example.books"));

    bench.prompts.answers = {""};
    bench.trigger("设置包名(&S)");
    QCOMPARE(bench.prompts.lastMessage(), QStringLiteral("包名输入不能为空!"));
    QCOMPARE(window.PackageName(), QStringLiteral("com.example.books"));

    bench.trigger("设置包名(&S)");  // Cancel answers the default
    QCOMPARE(window.PackageName(), QStringLiteral("com.example.books"));
}

void TestMainForm::bannerAndTimerOpenTheHomePage() {
    Bench bench;
    bench.open();
    auto* timer = bench.child<QTimer>("Timer1");
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 5000);
    QTest::mouseClick(bench.child<QLabel>("Image1"), Qt::LeftButton);
    QCOMPARE(bench.prompts.urls, QList<QUrl>{kHomePage});

    timer->setInterval(10);
    QTRY_COMPARE(bench.prompts.urls.size(), 2);
    QTest::qWait(60);
    QCOMPARE(bench.prompts.urls.size(), 2);
    QVERIFY(!timer->isActive());
}

void TestMainForm::modelExportAndImportGoThroughTheFileDialogs() {
    Bench bench;
    addProject("Other");
    CreateDemoProject();
    bench.open();
    bench.chooseProject(1);
    const QString path = bench.store.folder() + "/demo.json";
    bench.trigger("导出模型(&E)...");
    QVERIFY(!QFile::exists(path) && bench.prompts.messages.isEmpty());
    bench.prompts.fileAnswers = {path};
    bench.trigger("导出模型(&E)...");
    QCOMPARE(bench.prompts.fileDialogs.last(),
             "导出模型|" + QDir::home().filePath("图书管理.json"));
    QCOMPARE(readAll(path), readAll(QUILLMERE_SOURCE_DIR "/resources/demo/图书管理.json"));
    QCOMPARE(bench.prompts.lastMessage(), ModelExportedText("图书管理", path));

    // A project of the file's name is replaced only once the user confirms it.
    const QByteArray changed = readAll(path).replace("\"图书类别\"", "\"书的类别\"");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(changed) == changed.size());
    file.close();
    bench.chooseProject(0);
    bench.prompts.confirmAnswer = false;
    bench.prompts.fileAnswers = {path};
    bench.trigger("导入模型(&I)...");
    QCOMPARE(bench.prompts.confirmations,
             QStringList{"导入提示: 已有名为\"图书管理\"的项目，替换它的类和成员吗?"});
    QVERIFY(ModelFileText(LoadProjectModel(2, "图书管理", {})) != changed);
    bench.prompts.confirmAnswer = true;
    bench.prompts.fileAnswers = {path};
    bench.trigger("导入模型(&I)...");
    QCOMPARE(bench.prompts.lastMessage(), ModelImportedText(ReadModelFile(path), {true, 2}));
    QCOMPARE(ModelFileText(LoadProjectModel(2, "图书管理", {})), changed);
    QCOMPARE(bench.projects()->currentIndex(), 1);
    QCOMPARE(bench.classes()->count(), 4);

    // A bad file: the command line's message, and the store stays as it was.
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write("{\"formatVersion\": 7}") > 0);
    file.close();
    const QByteArray before = readAll(bench.store.path());
    bench.prompts.fileAnswers = {path};
    bench.trigger("导入模型(&I)...");
    QProcess cli;
    cli.start(QUILLMERE_APP_DIR "/quillmere-cli", {"import", path, "--store", bench.store.path()});
    QVERIFY(cli.waitForFinished());
    QCOMPARE(bench.prompts.lastMessage() + "\n", QString::fromUtf8(cli.readAllStandardError()));
    QCOMPARE(readAll(bench.store.path()), before);
}

void TestMainForm::standardButtonsSpeakChinese() {
    QVERIFY(LoadQtTranslations());
    const QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QCOMPARE(buttons.button(QDialogButtonBox::Ok)->text(), QStringLiteral("确定"));
    QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("取消"));
}

QTEST_MAIN(TestMainForm)
#include "test_mainform.moc"

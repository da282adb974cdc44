// The main window: its menus and table, the project, class and member commands with their
// checks, the selection rules and the home-page openers.

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>

#include "WorkbenchSupport.h"
#include "store/DemoProject.h"
#include "store/ModelFile.h"
#include "workbench/ClassForms.h"
#include "workbench/MemberForms.h"

using namespace testing;

namespace {

// Runs a delete command answering Cancel (nothing may change; Enter would have cancelled too),
// then answering OK.
void cancelThenConfirm(Bench& bench, const QString& caption, const QString& confirmation,
                       const std::function<int()>& count) {
    const int before = count();
    bench.prompts.confirmAnswer = false;
    bench.trigger(caption);
    QCOMPARE(bench.prompts.confirmations, QStringList{confirmation});
    QCOMPARE(bench.prompts.confirmDefaults, QList<TDefaultAnswer>{TDefaultAnswer::Cancel});
    QCOMPARE(count(), before);
    QVERIFY(bench.prompts.messages.isEmpty());
    bench.prompts.confirmAnswer = true;
    bench.trigger(caption);
}

}  // namespace

class TestMainForm : public QObject {
    Q_OBJECT
  private slots:
    void emptyStoreReportsEveryMissingSelection();
    void deleteProjectSelectsTheFirstProject();
    void failedStoreOperationKeepsTheLists();
    void choosingProjectsAndClassesLoadsTheirContents();
    void deleteClassLeavesNoClassSelected();
    void modelExportAndImportGoThroughTheFileDialogs();
    void renameRefusesANameInUse();
    void guideOpensOnTheFirstStartOnly();
    void selectionFollowsTheWork();
    void theWindowShowsWorkDoneElsewhere();
    void aCommandOnWhatChangedElsewhereIsRefused();
    void theWindowGrowsAndKeepsItsSize();
    void standardButtonsSpeakChinese();
};

void TestMainForm::emptyStoreReportsEveryMissingSelection() {
    Bench bench;
    bench.open();
    QVERIFY(bench.projects()->count() == 0 && bench.classes()->count() == 0);
    for (const QStringList& command : tableRows("commands-without-selection.tsv", 2)) {
        bench.prompts.messages.clear();
        bench.prompts.answers = {""};
        bench.trigger(command[0]);
        QCOMPARE(bench.prompts.messages, QStringList{command[1]});
    }
    QVERIFY(bench.prompts.confirmations.isEmpty());
    QCOMPARE(TProjectDAO().ListProjects().size(), 0);
}

void TestMainForm::deleteProjectSelectsTheFirstProject() {
    Bench bench;
    const qint32 a = addProject("A");
    addClass(a, "Book");
    addProject("B");
    TFormMain& window = bench.open();
    bench.chooseProject(1);

    cancelThenConfirm(bench, "删除当前项目(&D)", "删除提示: 确认删除项目\"B\"及其全部类和成员吗?",
                      [&] { return bench.projects()->count(); });
    QCOMPARE(bench.prompts.lastMessage(), QStringLiteral("删除成功!"));
    QCOMPARE(TProjectDAO().FindProjectsByName("B"), QList<qint32>());
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
    QCOMPARE(TProjectDAO().FindProjectsByName("A"), QList<qint32>{p});
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

void TestMainForm::deleteClassLeavesNoClassSelected() {
    Bench bench;
    const qint32 p = addProject("A");
    const qint32 book = addClass(p, "Book");
    TMemberDAO().AddMember(member(p, addClass(p, "Reader"), "book", "Book"));
    TMemberDAO().AddMember(member(p, book, "barcode"));
    TFormMain& window = bench.open();

    cancelThenConfirm(bench, "删除类(&S)",
                      "提示: 确认删除类Book(Book)及其全部成员吗?\n"
                      "类Reader有成员引用该类，删除后这些引用无法生成!",
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

void TestMainForm::modelExportAndImportGoThroughTheFileDialogs() {
    Bench bench;
    addProject("Other");
    CreateDemoProject();
    bench.open();
    bench.chooseProject(1);
    const QString path = bench.store.folder() + "/demo.json";
    bench.trigger("导出模型(&O)...");
    QVERIFY(!QFile::exists(path) && bench.prompts.messages.isEmpty());
    bench.prompts.fileAnswers = {path};
    bench.trigger("导出模型(&O)...");
    QCOMPARE(bench.prompts.fileDialogs.last(),
             "导出模型|" + QDir::home().filePath("图书管理.json"));
    QCOMPARE(readAll(path), readAll(QUILLMERE_SOURCE_DIR "/resources/demo/图书管理.json"));
    QCOMPARE(bench.prompts.lastMessage(), ModelExportedText("图书管理", path));

    // A project of the file's name is replaced only once the user confirms it.
    const QByteArray changed = readAll(path).replace("\"图书类别\"", "\"书的类别\"");
    writeAll(path, changed);
    bench.chooseProject(0);
    bench.prompts.confirmAnswer = false;
    bench.prompts.fileAnswers = {path};
    bench.trigger("导入模型(&I)...");
    QCOMPARE(bench.prompts.confirmations,
             QStringList{"导入提示: 已有名为\"图书管理\"的项目，替换它的类和成员吗?"});
    QVERIFY(ModelFileText(ReadProjectContents(2, "图书管理")) != changed);
    bench.prompts.confirmAnswer = true;
    bench.prompts.fileAnswers = {path};
    bench.trigger("导入模型(&I)...");
    QCOMPARE(bench.prompts.lastMessage(), ModelImportedText(ReadModelFile(path), {true, 2}));
    QCOMPARE(ModelFileText(ReadProjectContents(2, "图书管理")), changed);
    QCOMPARE(bench.projects()->currentIndex(), 1);
    QCOMPARE(bench.classes()->count(), 4);

    // A bad file: the command line's message, and the store stays as it was.
    writeAll(path, "{\"formatVersion\": 7}");
    const QByteArray before = readAll(bench.store.path());
    bench.prompts.fileAnswers = {path};
    bench.trigger("导入模型(&I)...");
    QCOMPARE(bench.prompts.lastMessage() + "\n",
             runCli({"import", path, "--store", bench.store.path()}).err);
    QCOMPARE(readAll(bench.store.path()), before);
}

// Projects A and B, A selected; A is renamed to B (refused), to its own name, then to C; the
// input box starts with the current name.
void TestMainForm::renameRefusesANameInUse() {
    Bench bench;
    const qint32 a = addProject("A");
    addProject("B");
    TFormMain& window = bench.open();
    const struct {
        const char* name;
        const char* message;
        QStringList after;
    } steps[] = {
        {"B", "该工程名称已经存在!", {"A", "B"}},
        {"A", "工程名称修改成功！ A", {"A", "B"}},
        {"C", "工程名称修改成功！ C", {"C", "B"}},
    };
    for (const auto& step : steps) {
        bench.prompts.messages.clear();
        bench.log()->clear();
        bench.prompts.answers = {step.name};
        bench.trigger("修改项目名称(&X)");
        QCOMPARE(bench.said(), QStringList{step.message});
        QStringList names;
        for (const TEntry& project : TProjectDAO().ListProjects()) {
            names.append(project.name);
        }
        QCOMPARE(names, step.after);
        QCOMPARE(window.SelectedProjectId(), a);
    }
    QCOMPARE(bench.prompts.inputs.last(), QStringLiteral("修改项目名称|请输入项目名称:|A"));
    // Escape (no answer) in either input box writes nothing and says nothing.
    bench.prompts.messages.clear();
    bench.log()->clear();
    for (const char* command : {"修改项目名称(&X)", "新建项目(&F)"}) {
        bench.trigger(command);
    }
    QCOMPARE(bench.said(), QStringList());
    QCOMPARE(TProjectDAO().ListProjects().size(), 2);
}

// The guide opens by itself on the first start only; the banner and the 帮助 menu open it at
// any time, and a box gives its path where no browser opens it. The shipped guide has sections
// on the workbench, the command line and the server, and every link in it leads to a file
// beside it or a place in it.
void TestMainForm::guideOpensOnTheFirstStartOnly() {
    Bench bench;
    const QUrl guide = QUrl::fromLocalFile(bench.appFolder.path() + "/guide/index.html");
    auto timer = [&bench] { return bench.window->findChild<QTimer*>("Timer1"); };
    bench.open();
    QVERIFY(timer()->isActive());
    QTRY_COMPARE(bench.prompts.urls, QList<QUrl>{guide});
    bench.open();
    QVERIFY(!timer()->isActive());
    QTest::mouseClick(bench.child<QLabel>("Image1"), Qt::LeftButton);
    bench.prompts.urlOpens = false;
    bench.trigger("用户指南(&G)");
    QCOMPARE(bench.prompts.urls, (QList<QUrl>{guide, guide, guide}));
    QCOMPARE(bench.prompts.informations.size(), 1);
    QVERIFY(bench.prompts.informations[0].endsWith(QDir::toNativeSeparators(guide.toLocalFile())));

    const QUrl shipped = QUrl::fromLocalFile(QStringLiteral(QUILLMERE_APP_DIR "/guide/index.html"));
    const QString page = QString::fromUtf8(readAll(shipped.toLocalFile()));
    static const QRegularExpression link(QStringLiteral("(?:href|src)=\"([^\"]*)\""));
    static const QRegularExpression anchor(QStringLiteral("id=\"([^\"]*)\""));
    QSet<QString> anchors;
    for (const QRegularExpressionMatch& match : anchor.globalMatch(page)) {
        anchors.insert(match.captured(1));
    }
    int links = 0;
    for (const QRegularExpressionMatch& match : link.globalMatch(page)) {
        const QString target = match.captured(1);
        ++links;
        if (target.startsWith('#')) {
            QVERIFY2(anchors.contains(target.mid(1)), qPrintable(target));
        } else {
            const QUrl url = shipped.resolved(QUrl(target));
            QVERIFY2(url.isLocalFile() && QFileInfo(url.toLocalFile()).isFile(),
                     qPrintable(target));
        }
    }
    QVERIFY(links > 5);
    for (const char* part : {"工作台", "命令行", "开发服务器"}) {
        QVERIFY2(page.contains(QStringLiteral("\">%1</h2>").arg(QString::fromUtf8(part))), part);
    }
}

void TestMainForm::standardButtonsSpeakChinese() {
    QVERIFY(LoadQtTranslations());
    const QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QCOMPARE(buttons.button(QDialogButtonBox::Ok)->text(), QStringLiteral("确定"));
    QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("取消"));
}

// Each command leaves the selection on what it made or moved, the ids in their places; a move
// past an end, an exchange of other than two members and a deletion answered 取消 change nothing.
void TestMainForm::selectionFollowsTheWork() {
    Bench bench;
    const qint32 a = addProject("A");
    addClass(a, "Book");
    addClass(a, "Reader");
    TFormMain& window = bench.open();
    bench.prompts.answers = {"Shop"};
    bench.trigger("新建项目(&F)");
    QCOMPARE(bench.projects()->currentText(), QStringLiteral("Shop"));
    bench.chooseProject(0);
    bench.classes()->setCurrentRow(1);
    {
        TAddClassForm form(&window);
        form.findChild<QLineEdit*>("Edt_ClassName")->setText("Shelf");
        form.findChild<QLineEdit*>("Edt_FriendName")->setText("书架");
        QTest::mouseClick(form.findChild<QPushButton*>("Button1"), Qt::LeftButton);
    }
    QCOMPARE(window.SelectedClassName(), QStringLiteral("Shelf"));
    for (const char* name : {"a1", "a2", "a3"}) {
        TAddMemberForm form(&window);
        QVERIFY(form.windowTitle().contains("Shelf"));
        form.findChild<QLineEdit*>("Edt_MemberName")->setText(name);
        QTest::mouseClick(form.findChild<QPushButton*>("Button1"), Qt::LeftButton);
        QCOMPARE(bench.selectedMemberNames(), QStringList{name});
    }
    const QList<qint32> ids = memberIds(window.SelectedClassId());
    const QStringList unchanged = {"a1", "a2", "a3"};
    const char* needTwo = "请选中2条记录!";
    const struct {
        QList<int> rows;
        const char* command;
        QStringList order;
        QStringList selected;
        const char* message;
    } steps[] = {
        {{0}, "成员上移(&U)", unchanged, {"a1"}, "第一个成员无法上移了！"},
        {{2}, "成员下移(&L)", unchanged, {"a3"}, "最后一个成员无法下移了！"},
        {{1}, "交换成员(&G)", unchanged, {"a2"}, needTwo},
        {{0, 1, 2}, "交换成员(&G)", unchanged, unchanged, needTwo},
        {{0}, "成员下移(&L)", {"a2", "a1", "a3"}, {"a1"}, nullptr},
        {{1}, "成员下移(&L)", {"a2", "a3", "a1"}, {"a1"}, nullptr},
        {{2}, "成员上移(&U)", {"a2", "a1", "a3"}, {"a1"}, nullptr},
        {{0, 2}, "交换成员(&G)", {"a3", "a1", "a2"}, {"a3", "a2"}, nullptr},
        {{1}, "修改项目名称(&X)", {"a3", "a1", "a2"}, {"a1"}, nullptr},
    };
    for (const auto& step : steps) {
        bench.selectRows(step.rows);
        bench.prompts.messages.clear();
        bench.prompts.answers = {"Store"};
        bench.trigger(step.command);
        QCOMPARE(bench.prompts.messages, step.message ? QStringList{step.message} : QStringList());
        QCOMPARE(bench.shownMemberNames(), step.order);
        QCOMPARE(memberNames(window.SelectedClassId()), step.order);
        QCOMPARE(memberIds(window.SelectedClassId()), ids);  // contents move, ids keep their places
        QCOMPARE(bench.selectedMemberNames(), step.selected);
        QCOMPARE(window.SelectedClassName(), QStringLiteral("Shelf"));
    }
    QCOMPARE(bench.projects()->currentText(), QStringLiteral("Store"));
    bench.selectRows({0, 1});
    cancelThenConfirm(bench, "删除成员(&C)", "删除提示: 确定删除Shelf类的成员a3、a1吗?",
                      [&] { return int(memberNames(window.SelectedClassId()).size()); });
    QCOMPARE(bench.prompts.lastMessage(), QStringLiteral("成员属性删除成功"));
    QCOMPARE(memberNames(window.SelectedClassId()), QStringList{"a2"});
    QCOMPARE(bench.shownMemberNames(), QStringList{"a2"});
    QCOMPARE(bench.selectedMemberNames(), QStringList{"a2"});
    const qint32 a2 = TMemberDAO().ListMembers(window.SelectedClassId()).last().memberId;
    bench.selectRows({0});
    {
        TUpdateMemberForm form(&window, a2);
        form.findChild<QLineEdit*>("Edt_MemberComment")->setText("第二");
        QTest::mouseClick(form.findChild<QPushButton*>("Button1"), Qt::LeftButton);
    }
    QCOMPARE(bench.selectedMemberNames(), QStringList{"a2"});
}

// The command line imports a project: the window shows it within its watch interval, with the
// class and member still selected. F5 reloads at once, whatever the window has seen.
void TestMainForm::theWindowShowsWorkDoneElsewhere() {
    Bench bench;
    const qint32 p = addProject("A");
    addClass(p, "Book");
    const qint32 reader = addClass(p, "Reader");
    TMemberDAO().AddMember(member(p, reader, "name"));
    TMemberDAO().AddMember(member(p, reader, "phone"));
    TFormMain& window = bench.open();
    bench.classes()->setCurrentRow(1);
    bench.selectRows({1});
    const ProcessResult imported =
        runCli({"import", QUILLMERE_SOURCE_DIR "/resources/demo/图书管理.json", "--store",
                bench.store.path()});
    QCOMPARE(imported.exitCode, 0);
    QTRY_COMPARE(bench.projects()->count(), 2);
    QCOMPARE(window.SelectedClassId(), reader);
    QCOMPARE(bench.selectedMemberNames(), QStringList{"phone"});

    bench.child<QTimer>("StoreWatch")->stop();
    TMember phone = TMemberDAO().ListMembers(reader).last();
    phone.memberName = "mobile";
    TMemberDAO().UpdateMember(phone);
    QCOMPARE(bench.shownMemberNames(), (QStringList{"name", "phone"}));
    bench.action("刷新(&R)")->trigger();
    QCOMPARE(bench.shownMemberNames(), (QStringList{"name", "mobile"}));
    QCOMPARE(bench.selectedMemberNames(), QStringList{"mobile"});
}

// Another window renames the class while this one's dialog shows it, and deletes a member this
// one still lists: this window's commands are refused, nothing is written, and it reloads.
void TestMainForm::aCommandOnWhatChangedElsewhereIsRefused() {
    Bench bench;
    const qint32 p = addProject("A");
    const qint32 category = addClass(p, "Category", "类别");
    TMemberDAO().AddMember(member(p, category, "code"));
    TFormMain& window = bench.open();
    bench.child<QTimer>("StoreWatch")->stop();
    const QString changed = ChangedElsewhereText();
    {
        TUpdateClassForm form(&window, category);
        QVERIFY(TProjectCommands()
                    .UpdateClass(p, *TClassDAO().GetClass(category), {category, "Kind", "类别", 0})
                    .done);
        form.findChild<QLineEdit*>("Edt_FriendName")->setText("种类");
        QTest::mouseClick(form.findChild<QPushButton*>("Button1"), Qt::LeftButton);
        QCOMPARE(form.result(), int(QDialog::Rejected));
    }
    QCOMPARE(bench.prompts.messages, QStringList{changed});
    QCOMPARE(*TClassDAO().GetClass(category), (TClassRecord{category, "Kind", "类别", 0}));
    QCOMPARE(window.SelectedClassName(), QStringLiteral("Kind"));

    QVERIFY(TProjectCommands().DeleteMembers(TMemberDAO().ListMembers(category)).done);
    bench.selectRows({0});
    bench.trigger("删除成员(&C)");
    QCOMPARE(bench.prompts.lastMessage(), QStringLiteral("该成员已不存在，请重新选择!"));
    QCOMPARE(bench.members()->rowCount(), 0);
}

// Without a remembered size the window opens at the size its layout gives; made larger, the
// class list, the member table and the log grow with it, and the next start opens at that size.
void TestMainForm::theWindowGrowsAndKeepsItsSize() {
    Bench bench;
    TFormMain& window = bench.open();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(window.width() >= window.minimumSizeHint().width() &&
            window.height() >= window.minimumSizeHint().height());
    QCOMPARE(window.maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
    const QSize list = bench.classes()->size();
    const QSize table = bench.members()->size();
    const QSize log = bench.log()->size();
    const QSize larger = window.size() + QSize(300, 200);
    window.resize(larger);
    QTRY_COMPARE(window.size(), larger);
    QVERIFY(bench.classes()->height() > list.height());
    QVERIFY(bench.members()->width() > table.width() && bench.members()->height() > table.height());
    QVERIFY(bench.log()->height() > log.height());
    TFormMain& again = bench.open();
    QCOMPARE(again.size(), larger);
}

QTEST_MAIN(TestMainForm)
#include "test_mainform.moc"

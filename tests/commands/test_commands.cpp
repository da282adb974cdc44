// The workbench's commands on the store: a refusal leaves every row as it was, a command on what
// another session has changed meanwhile is refused, deleting a project leaves no member behind,
// and a check cannot be overtaken by another writer.

#include <QSqlDatabase>
#include <QSqlQuery>
#include <functional>

#include "TestSupport.h"
#include "commands/ProjectCommands.h"

using namespace testing;

namespace {

// Project 1 Library: Book (class 1: title, price, reader referring to Reader), Reader (class 2:
// name) and Loan (class 3, no members yet).
// Project 2 Other: Shelf (class 4: label).
void seedTwoProjects() {
    ProjectBuilder library(QStringLiteral("Library"));
    library.cls("Book", "图书", {"title 字符串 KDP", "price 浮点型 -", "reader Reader -"})
        .cls("Reader", "读者", {"name 字符串 KDP"})
        .cls("Loan", "借阅", {});
    seedModel(library.build());
    ProjectBuilder other(QStringLiteral("Other"));
    other.cls("Shelf", "书架", {"label 字符串 KDP"});
    seedModel(other.build());
}

TMember stored(qint32 memberId) {
    return *TMemberDAO().GetMember(memberId);
}

TClassRecord storedClass(qint32 classId) {
    return *TClassDAO().GetClass(classId);
}

// The stored member as a dialog would hold it after the change.
TMemberEntry edited(qint32 memberId, const std::function<void(TMember&)>& change) {
    TMember m = stored(memberId);
    change(m);
    return {m, QString::number(m.memberLength)};
}

TMemberEntry entry(qint32 memberId, qint32 classId, const QString& name, const QString& type,
                   const QString& length = QStringLiteral("20")) {
    TMember m;
    m.memberId = memberId;
    m.projectId = 1;
    m.classId = classId;
    m.memberName = name;
    m.memberType = type;
    m.memberIsMust = 1;
    return {m, length};
}

TClassRecord cls(qint32 classId, const QString& name, const QString& friendName) {
    return {classId, name, friendName, 0};
}

using Command = std::function<TCommandResult()>;

}  // namespace

Q_DECLARE_METATYPE(Command)

class TestCommands : public QObject {
    Q_OBJECT
  private slots:
    void init() { store_ = std::make_unique<TempStore>(); }
    void cleanup() { store_.reset(); }

    void refusalsChangeNothing_data() {
        QTest::addColumn<Command>("command");
        QTest::addColumn<QString>("message");
        const TProjectCommands c;
        const QString classGone = "该类已不存在，请重新选择!";
        const QString memberGone = "该成员已不存在，请重新选择!";
        const QString projectGone = "该项目已不存在，请重新选择!";
        const QString taken = "该工程名称已经存在!";
        TMemberEntry floatKey = entry(0, 1, "weight", kTypeFloat);
        floatKey.member.memberIsPri = 1;
        TMemberEntry imageQuery = entry(2, 1, "price", kTypeImage);
        imageQuery.member.queryFlag = 1;
        const QString changed = ChangedElsewhereText();
        const struct {
            const char* tag;
            Command command;
            QString message;
        } rows[] = {
            {"new project: empty", [c] { return c.NewProject(""); }, "工程名称不能为空!"},
            {"new project: name taken", [c] { return c.NewProject("Library"); }, taken},
            {"new project: no folder name", [c] { return c.NewProject("../外部"); },
             "项目名称\"../外部\"不能用作文件夹名，请修改项目名称!"},
            {"rename: another's name", [c] { return c.RenameProject(2, "Other", "Library"); },
             taken},
            {"rename: no folder name", [c] { return c.RenameProject(2, "Other", "a/b"); },
             "项目名称\"a/b\"不能用作文件夹名，请修改项目名称!"},
            {"rename: project gone", [c] { return c.RenameProject(9, "Gone", "New"); },
             projectGone},
            {"rename: renamed elsewhere", [c] { return c.RenameProject(2, "Stale", "New"); },
             changed},
            {"delete project: gone", [c] { return c.DeleteProject(9, "Gone"); }, projectGone},
            {"delete project: renamed elsewhere", [c] { return c.DeleteProject(2, "Stale"); },
             changed},
            {"add class: small letter", [c] { return c.AddClass(1, cls(0, "shelf", "书架")); },
             "类名首个字母必须大写"},
            {"add class: name taken", [c] { return c.AddClass(1, cls(0, "Book", "书")); },
             "该类名称已经存在!"},
            {"add class: case twin", [c] { return c.AddClass(1, cls(0, "BOOK", "书")); },
             "BOOK表与类Book的类名只有大小写不同，两者的布局文件同名，请修改类名!"},
            {"add class: project gone", [c] { return c.AddClass(9, cls(0, "Shelf", "书架")); },
             projectGone},
            {"edit class: another's name",
             [c] { return c.UpdateClass(1, storedClass(1), cls(1, "Reader", "书")); },
             "Reader表与本项目的另一个类重名，请修改类名!"},
            {"edit class: gone",
             [c] { return c.UpdateClass(1, cls(9, "Shelf", "书架"), cls(9, "Shelf", "书")); },
             classGone},
            {"delete class: gone", [c] { return c.DeleteClass(cls(9, "Shelf", "书架")); },
             classGone},
            {"delete class: renamed elsewhere",
             [c] { return c.DeleteClass(cls(1, "Tome", "图书")); }, changed},
            {"add member: float key", [c, floatKey] { return c.AddMember(floatKey); },
             "主键字段必须是整型或字符串型!"},
            {"add member: name taken",
             [c] { return c.AddMember(entry(0, 1, "title", kTypeString)); },
             "Book表的成员title与同一类的另一个成员重名，请修改成员名称!"},
            {"add member: negative length",
             [c] { return c.AddMember(entry(0, 1, "isbn", kTypeString, "-5")); },
             "长度\"-5\"无效，请输入不小于0的整数长度!"},
            {"add member: class gone",
             [c] { return c.AddMember(entry(0, 9, "isbn", kTypeString)); }, classGone},
            {"edit member: takes the key of a referred class",
             [c] {
                 return c.UpdateMember(stored(4), edited(4, [](TMember& m) { m.memberIsPri = 0; }));
             },
             "Book表的成员reader引用的类Reader没有设置主键!"},
            {"edit member: takes the display of a referred class",
             [c] {
                 return c.UpdateMember(stored(4),
                                       edited(4, [](TMember& m) { m.memberIsDisplay = 0; }));
             },
             "Book表的成员reader引用的类Reader没有设置下拉框显示字段!"},
            {"edit member: gone",
             [c] {
                 return c.UpdateMember(entry(99, 1, "isbn", kTypeString).member,
                                       entry(99, 1, "isbn", kTypeString));
             },
             memberGone},
            {"edit member: image query",
             [c, imageQuery] { return c.UpdateMember(stored(2), imageQuery); },
             "参与查询的字段不要设置整型或浮点型或图片型"},
            {"delete members: one gone",
             [c] {
                 return c.DeleteMembers({stored(1), entry(99, 1, "isbn", kTypeString).member});
             },
             memberGone},
            {"exchange: one gone",
             [c] { return c.ExchangeMembers(stored(1), entry(99, 1, "isbn", kTypeString).member); },
             memberGone},
        };
        for (const auto& row : rows) {
            QTest::newRow(row.tag) << row.command << row.message;
        }
    }
    void refusalsChangeNothing() {
        QFETCH(Command, command);
        QFETCH(QString, message);
        seedTwoProjects();
        const QStringList before = storeRows();
        const TCommandResult result = command();
        QCOMPARE(result.message, message);
        QVERIFY(!result.done);
        QCOMPARE(storeRows(), before);
    }

    // The member commands store the length of text members only and the type's own flags.
    void memberCommandsDeriveWhatTheTypeImplies() {
        seedTwoProjects();
        const TProjectCommands c;
        const TCommandResult added = c.AddMember(entry(0, 1, "isbn", kTypeString, "13"));
        QCOMPARE(added.message, QStringLiteral("类成员属性添加成功!"));
        QCOMPARE(TMemberDAO().GetMember(added.id)->memberLength, 13);
        TMemberEntry pages = entry(added.id, 3, "pages", kTypeInteger, "abc");
        pages.member.projectId = 2;  // an edit keeps the member's own project and class
        QVERIFY(c.UpdateMember(stored(added.id), pages).done);
        const TMember stored = *TMemberDAO().GetMember(added.id);
        QCOMPARE(stored.memberLength, 0);
        QCOMPARE(stored.memberIsInteger, 1);
        QCOMPARE(stored.classId, 1);
        QCOMPARE(stored.projectId, 1);
    }

    // What is left is exactly the other project; a member row an older version left behind
    // (its class gone) goes with its project.
    void deletingAProjectLeavesNoMemberBehind() {
        seedTwoProjects();
        const QStringList otherProject = storeRows().filter(
            QRegularExpression("^t_project\\|2\\||^t_class\\|4\\||^t_member\\|5\\|"));
        TMember stray = entry(0, 77, "stray", kTypeString).member;
        TMemberDAO().AddMember(stray);
        QCOMPARE(TProjectCommands().DeleteProject(1, "Library").message,
                 QStringLiteral("删除成功!"));
        QCOMPARE(storeRows(), otherProject);
        QCOMPARE(otherProject.size(), 3);
    }

    // This session reads the class Book and the member title; another one changes both from its
    // own connection. Each of this session's commands on what it read is refused and leaves the
    // other's changes.
    void aSecondSessionOnWhatItShowedIsRefused() {
        seedTwoProjects();
        const TProjectCommands c;
        const TClassRecord book = storedClass(1);
        const TMember title = stored(1);
        const TMemberEntry retitled = edited(1, [](TMember& m) { m.memberComment = "标题"; });
        bool otherDone = false;
        QThread* other = QThread::create([&] {
            otherDone =
                c.UpdateClass(1, book, cls(1, "Kind", "图书")).done &&
                c.UpdateMember(title, edited(1, [](TMember& m) { m.memberComment = "书名"; })).done;
            TDbHelper::CloseConnection();
        });
        other->start();
        QVERIFY(other->wait(20000));
        delete other;
        QVERIFY(otherDone);
        const QStringList afterOther = storeRows();
        for (const TCommandResult& result :
             {c.UpdateClass(1, book, cls(1, "Book", "书籍")), c.UpdateMember(title, retitled),
              c.DeleteMembers({title, stored(2)}), c.ExchangeMembers(stored(2), title)}) {
            QCOMPARE(result.message, ChangedElsewhereText());
            QVERIFY(!result.done && result.stale);
        }
        QCOMPARE(storeRows(), afterOther);
    }

    // Another writer adds the name while the command waits for the store: the command sees
    // the name once it may write, and refuses.
    void aCheckWaitsForAnotherWriter() {
        seedTwoProjects();
        TCommandResult result;
        {
            QSqlDatabase holder = QSqlDatabase::addDatabase("QSQLITE", "holder");
            holder.setDatabaseName(store_->path());
            QVERIFY(holder.open());
            QSqlQuery hold(holder);
            QVERIFY(hold.exec("BEGIN IMMEDIATE"));
            QVERIFY(hold.exec("insert into t_project(projectName) values ('Race')"));
            QThread* other = QThread::create([&result] {
                result = TProjectCommands().NewProject("Race");
                TDbHelper::CloseConnection();
            });
            other->start();
            QThread::msleep(500);
            QVERIFY(hold.exec("COMMIT"));
            QVERIFY(other->wait(20000));
            delete other;
            hold.finish();
            holder.close();
        }
        QSqlDatabase::removeDatabase("holder");
        QCOMPARE(result.message, QStringLiteral("该工程名称已经存在!"));
        QCOMPARE(TProjectDAO().FindProjectsByName("Race").size(), 1);
    }

  private:
    std::unique_ptr<TempStore> store_;
};

QTEST_GUILESS_MAIN(TestCommands)
#include "test_commands.moc"

#include <QSqlQuery>

#include "TestSupport.h"
#include "store/ClassDAO.h"
#include "store/DemoProject.h"
#include "store/MemberDAO.h"
#include "store/ModelFile.h"
#include "store/ProjectDAO.h"

namespace {

TMember member(qint32 projectId, qint32 classId, const QString& name, const QString& type) {
    TMember m;
    m.projectId = projectId;
    m.classId = classId;
    m.memberName = name;
    m.memberType = type;
    return m;
}

QStringList names(const TMemberList& members) {
    QStringList result;
    for (const TMember& m : members) {
        result << m.memberName;
    }
    return result;
}

qint32 count(const QString& sql) {
    return TDbHelper().QueryInt({sql, {}});
}

}  // namespace

class StoreTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { store_ = std::make_unique<testing::TempStore>(); }
    void cleanup() { store_.reset(); }

    void newStoreIsEmptyAndHasTheSchema() {
        QVERIFY(TProjectDAO().ListProjects().isEmpty());
        QCOMPARE(count("select count(*) from t_member"), 0);
        QCOMPARE(TDbHelper().QueryInt({"select projectId from t_project", {}}), -1);
        QCOMPARE(TClassDAO().GetClassName(42), QString());
        QCOMPARE(TClassDAO().GetFrontShowFlag(42), -1);
        QCOMPARE(TClassDAO().GetClassId(1, "Book"), -1);
        QVERIFY(!TMemberDAO().GetKeyMemberOf(1, "Book").has_value());
    }

    void freshMemberDefaults() {
        const TMember m;
        QCOMPARE(m.memberQueryDisplay, 1);
        QCOMPARE(m.memberIsPri + m.memberIsMust + m.memberIsInteger + m.memberIsFloat +
                     m.queryFlag + m.memberIsDisplay + m.androidDisplay,
                 0);
    }

    void quotesRoundTripAndNeverChangeAStatement() {
        const QString tricky = "O'Brien'); delete from t_project; --";
        TProjectDAO projects;
        projects.AddProject(tricky);
        projects.AddProject("other");
        QCOMPARE(projects.CountProjectsByName(tricky), 1);
        const TEntryList list = projects.ListProjects();
        QCOMPARE(list.size(), 2);
        QCOMPARE(list[0].name, tricky);

        TClassDAO classes;
        classes.AddClass(list[0].id, "Book'", "图'书", 1);
        const qint32 classId = classes.GetClassId(list[0].id, "Book'");
        QCOMPARE(classes.GetFriendName(classId), QString("图'书"));
        TMember m = member(list[0].id, classId, "it's", kTypeString);
        m.memberComment = "a 'quoted' comment";
        TMemberDAO().AddMember(m);
        const TMemberList stored = TMemberDAO().ListMembers(classId);
        QCOMPARE(stored.size(), 1);
        QCOMPARE(stored[0].memberName, QString("it's"));
        QCOMPARE(stored[0].memberComment, QString("a 'quoted' comment"));
    }

    void listsComeInIdOrder() {
        TProjectDAO projects;
        for (const char* name : {"c", "a", "b"}) {
            projects.AddProject(name);
        }
        const TEntryList list = projects.ListProjects();
        QCOMPARE(list.size(), 3);
        QVERIFY(list[0].id < list[1].id && list[1].id < list[2].id);
        QCOMPARE(list[0].name, QString("c"));
    }

    void deleteProjectRemovesItsClassesButLeavesMembers() {
        TProjectDAO().AddProject("p");
        TProjectDAO().AddProject("q");
        TClassDAO().AddClass(1, "A", "甲", 0);
        TClassDAO().AddClass(2, "B", "乙", 0);
        TMemberDAO().AddMember(member(1, 1, "x", kTypeString));
        TProjectDAO().DeleteProject(1);
        QCOMPARE(TProjectDAO().ListProjects().size(), 1);
        QVERIFY(TClassDAO().ListClasses(1).isEmpty());
        QCOMPARE(TClassDAO().ListClasses(2).size(), 1);
        QCOMPARE(count("select count(*) from t_member"), 1);
    }

    void failedBatchRollsBackAndReports() {
        TProjectDAO().AddProject("p");
        TClassDAO().AddClass(1, "A", "甲", 0);
        bool raised = false;
        try {
            TDbHelper().ExecBatch(
                {{"delete from t_class where classId=?", {1}}, {"delete from no_such_table", {}}});
        } catch (const TError& error) {
            raised = true;
            QVERIFY(!error.message().isEmpty());
        }
        QVERIFY(raised);
        QCOMPARE(TClassDAO().ListClasses(1).size(), 1);
    }

    // A store error part way through an import (at its last member) leaves no trace of it,
    // whether it adds a project or replaces one.
    void failedImportChangesNothing() {
        CreateDemoProject();
        const QByteArray before = ModelFileText(LoadProjectModel(1, DemoProjectName(), {}));
        QSqlQuery trigger(TDbHelper().GetConnection());
        QVERIFY(
            trigger.exec("CREATE TRIGGER refuse BEFORE INSERT ON t_member WHEN "
                         "new.memberName='memo' BEGIN SELECT RAISE(ABORT, 'refused'); END"));
        TProjectModel other = ParseModelFile(before);
        other.projectName = "另一个";
        QVERIFY_THROWS_EXCEPTION(TError, ImportProjectModel(other, false));
        QVERIFY_THROWS_EXCEPTION(TError, ImportProjectModel(ParseModelFile(before), true));
        QCOMPARE(TProjectDAO().ListProjects().size(), 1);
        QCOMPARE(ModelFileText(LoadProjectModel(1, DemoProjectName(), {})), before);
        QCOMPARE(count("select count(*) from t_class"), 4);
    }

    void deleteClassRemovesItsMembersOnly() {
        TProjectDAO().AddProject("p");
        TClassDAO().AddClass(1, "Book", "图书", 0);
        TClassDAO().AddClass(1, "Loan", "借阅", 0);
        TMemberDAO().AddMember(member(1, 1, "barcode", kTypeString));
        TMemberDAO().AddMember(member(1, 2, "book", "Book"));
        TClassDAO().DeleteClass(1);
        QCOMPARE(TClassDAO().ListClasses(1), (TEntryList{{2, "Loan"}}));
        QVERIFY(TMemberDAO().ListMembers(1).isEmpty());
        QCOMPARE(TMemberDAO().ListMembers(2)[0].memberType, QString("Book"));
    }

    void renameRewritesReferenceTypesInItsProjectOnly() {
        TProjectDAO().AddProject("p");
        TProjectDAO().AddProject("q");
        TClassDAO().AddClass(1, "Book", "图书", 1);
        TClassDAO().AddClass(1, "Loan", "借阅", 0);
        TClassDAO().AddClass(2, "Shelf", "书架", 0);
        TMemberDAO().AddMember(member(1, 2, "book", "Book"));
        TMemberDAO().AddMember(member(2, 3, "book", "Book"));
        TClassDAO().UpdateClass(1, 1, "Volume", "卷", 0);
        QCOMPARE(TClassDAO().GetClassName(1), QString("Volume"));
        QCOMPARE(TClassDAO().GetFriendName(1), QString("卷"));
        QCOMPARE(TClassDAO().GetFrontShowFlag(1), 0);
        QCOMPARE(TMemberDAO().ListMembers(2)[0].memberType, QString("Volume"));
        QCOMPARE(TMemberDAO().ListMembers(3)[0].memberType, QString("Book"));
    }

    void otherClassesAndCounts() {
        TProjectDAO().AddProject("p");
        TClassDAO().AddClass(1, "Only", "唯一", 0);
        QVERIFY(TClassDAO().ListOtherClasses(1, 1).isEmpty());
        TClassDAO().AddClass(1, "Second", "第二", 0);
        QCOMPARE(TClassDAO().ListOtherClasses(1, 1), (TEntryList{{2, "Second"}}));
        QCOMPARE(TClassDAO().CountClassesByName(1, "Only"), 1);
        QCOMPARE(TClassDAO().CountClassesByName(2, "Only"), 0);
    }

    void memberListsAndSingleReaders() {
        TProjectDAO().AddProject("p");
        TClassDAO().AddClass(1, "Book", "图书", 0);
        TMember key = member(1, 1, "barcode", kTypeString);
        key.memberIsPri = 1;
        TMember secondKey = member(1, 1, "isbn", kTypeString);
        secondKey.memberIsPri = 1;
        secondKey.memberIsDisplay = 1;
        TMember photo = member(1, 1, "photo", kTypeImage);
        photo.queryFlag = 1;
        photo.androidDisplay = 1;
        TMember owner = member(1, 1, "owner", "Reader");
        TMember spaced = member(1, 1, "spaced", kTypeString + " ");
        for (const TMember& m : {key, secondKey, photo, owner, spaced}) {
            TMemberDAO().AddMember(m);
        }
        const TMemberDAO dao;
        QCOMPARE(names(dao.ListMembers(1)),
                 (QStringList{"barcode", "isbn", "photo", "owner", "spaced"}));
        QCOMPARE(names(dao.ListImageMembers(1)), QStringList{"photo"});
        QCOMPARE(names(dao.ListReferenceMembers(1)), (QStringList{"owner", "spaced"}));
        QCOMPARE(names(dao.ListQueryMembers(1)), QStringList{"photo"});
        QCOMPARE(names(dao.ListPhoneListMembers(1)), QStringList{"photo"});
        QCOMPARE(names(dao.ListNonKeyMembers(1)), (QStringList{"photo", "owner", "spaced"}));
        QCOMPARE(dao.GetKeyMember(1)->memberName, QString("barcode"));
        QCOMPARE(dao.GetKeyMemberOf(1, "Book")->memberName, QString("barcode"));
        QCOMPARE(dao.GetDisplayMemberOf(1, "Book")->memberName, QString("isbn"));
        QVERIFY(!dao.GetDisplayMemberOf(1, "Nothing").has_value());
        QVERIFY(!dao.GetMember(999).has_value());
    }

    void updateKeepsIdAndOwner() {
        TProjectDAO().AddProject("p");
        TClassDAO().AddClass(1, "Book", "图书", 0);
        TMemberDAO().AddMember(member(1, 1, "price", kTypeFloat));
        TMember changed = *TMemberDAO().GetMember(1);
        changed.memberName = "cost";
        changed.classId = 77;
        changed.memberIsFloat = 1;
        TMemberDAO().UpdateMember(changed);
        const TMember stored = *TMemberDAO().GetMember(1);
        QCOMPARE(stored.memberName, QString("cost"));
        QCOMPARE(stored.classId, 1);
        QCOMPARE(stored.memberIsFloat, 1);
    }

    void swapExchangesContentsNotIds() {
        TProjectDAO().AddProject("p");
        TClassDAO().AddClass(1, "Book", "图书", 0);
        for (const char* name : {"a", "b", "c"}) {
            TMemberDAO().AddMember(member(1, 1, name, kTypeString));
        }
        QVERIFY(TMemberDAO().SwapMembers(1, 3));
        const TMemberList after = TMemberDAO().ListMembers(1);
        QCOMPARE(names(after), (QStringList{"c", "b", "a"}));
        QCOMPARE(after[0].memberId, 1);
        QCOMPARE(after[2].memberId, 3);
        QVERIFY(TMemberDAO().SwapMembers(2, 2));
        QCOMPARE(names(TMemberDAO().ListMembers(1)), (QStringList{"c", "b", "a"}));
    }

    void swapWithAMissingIdWritesNothing() {
        TProjectDAO().AddProject("p");
        TClassDAO().AddClass(1, "Book", "图书", 0);
        TMemberDAO().AddMember(member(1, 1, "a", kTypeString));
        QVERIFY(!TMemberDAO().SwapMembers(1, 99));
        QVERIFY(!TMemberDAO().SwapMembers(99, 1));
        QCOMPARE(names(TMemberDAO().ListMembers(1)), QStringList{"a"});
        QCOMPARE(count("select count(*) from t_member"), 1);
    }

    void schemaHasTheAgreedNamesAndDefaults() {
        // Other tools create and read stores with exactly these tables and columns.
        QCOMPARE(TProjectDAO().ListProjects().size(), 0);  // opens and creates the store
        auto describe = [](const QString& table) {
            QStringList columns;
            QSqlQuery query = TDbHelper().OpenQuery({"pragma table_info(" + table + ")", {}});
            while (query.next()) {
                columns << QStringLiteral("%1 %2%3%4%5")
                               .arg(query.value("name").toString(), query.value("type").toString(),
                                    query.value("notnull").toInt() ? " not null" : "",
                                    query.value("dflt_value").isNull()
                                        ? QString()
                                        : " = " + query.value("dflt_value").toString(),
                                    query.value("pk").toInt() ? " key" : "");
            }
            return columns;
        };
        QCOMPARE(describe("t_project"),
                 (QStringList{"projectId INTEGER key", "projectName TEXT not null"}));
        QCOMPARE(describe("t_class"),
                 (QStringList{"classId INTEGER key", "projectId INTEGER not null",
                              "className TEXT not null", "friendName TEXT not null",
                              "frontShowFlag INTEGER not null = 0"}));
        QCOMPARE(
            describe("t_member"),
            (QStringList{
                "memberId INTEGER key", "projectId INTEGER not null", "classId INTEGER not null",
                "memberName TEXT not null", "memberType TEXT not null",
                "memberLength INTEGER not null = 0", "memberIsPri INTEGER not null = 0",
                "memberComment TEXT not null = ''", "memberIsMust INTEGER not null = 0",
                "memberIsInteger INTEGER not null = 0", "memberIsFloat INTEGER not null = 0",
                "queryFlag INTEGER not null = 0", "memberIsDisplay INTEGER not null = 0",
                "memberQueryDisplay INTEGER not null = 1", "androidDisplay INTEGER not null = 0"}));
        // Deleted ids are never handed out again.
        TProjectDAO().AddProject("a");
        TProjectDAO().AddProject("b");
        TProjectDAO().DeleteProject(2);
        TProjectDAO().AddProject("c");
        QCOMPARE(TProjectDAO().ListProjects(), (TEntryList{{1, "a"}, {3, "c"}}));
    }

    void createStoreRefusesAFileThatIsNotAStore() {
        const QString path = store_->folder() + "/notes.txt";
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("my notes");
        file.close();
        QVERIFY_THROWS_EXCEPTION(TError, TDbHelper::CreateStore(path));
        QCOMPARE(testing::readAll(path), QByteArray("my notes"));

        // SQLite databases that are not stores: other tables, or a store table lacking a column.
        const QStringList foreignSchemas = {
            "create table contacts (name TEXT)",
            "create table t_project (projectId INTEGER PRIMARY KEY, projectName TEXT);"
            "create table t_class (classId INTEGER PRIMARY KEY, projectId INTEGER, "
            "className TEXT, friendName TEXT, frontShowFlag INTEGER);"
            "create table t_member (memberId INTEGER PRIMARY KEY, classId INTEGER)"};
        for (qsizetype i = 0; i < foreignSchemas.size(); ++i) {
            const QString foreign = store_->folder() + QStringLiteral("/foreign%1.db").arg(i);
            {
                QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "foreign");
                db.setDatabaseName(foreign);
                QVERIFY(db.open());
                for (const QString& sql : foreignSchemas[i].split(';')) {
                    QVERIFY(QSqlQuery(db).exec(sql));
                }
                db.close();
            }
            QSqlDatabase::removeDatabase("foreign");
            const QByteArray before = testing::readAll(foreign);
            QVERIFY_THROWS_EXCEPTION(TError, TDbHelper::CreateStore(foreign));
            QCOMPARE(testing::readAll(foreign), before);
        }
        const QString fresh = store_->folder() + "/fresh.db";
        TDbHelper::CreateStore(fresh);
        TDbHelper::CreateStore(fresh);  // an existing store is accepted as it is
        TDbHelper::SetStorePath(fresh);
        QVERIFY(TProjectDAO().ListProjects().isEmpty());
    }

    void aSecondThreadSeesTheSameStore() {
        TProjectDAO().AddProject("p");
        int seen = -1;
        QThread* thread = QThread::create([&seen] {
            seen = TProjectDAO().ListProjects().size();
            TProjectDAO().AddProject("from thread");
            TDbHelper::CloseConnection();
        });
        thread->start();
        QVERIFY(thread->wait(10000));
        delete thread;
        QCOMPARE(seen, 1);
        QCOMPARE(TProjectDAO().ListProjects().size(), 2);
    }

  private:
    std::unique_ptr<testing::TempStore> store_;
};

QTEST_GUILESS_MAIN(StoreTest)
#include "test_store.moc"

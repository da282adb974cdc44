#include <QSqlQuery>

#include "TestSupport.h"
#include "store/DemoProject.h"
#include "store/ModelFile.h"

namespace {

QStringList names(const TMemberList& members) {
    QStringList result;
    for (const TMember& m : members) {
        result << m.memberName;
    }
    return result;
}

qint32 count(const QString& table) {
    return TDbHelper().QueryInt({"select count(*) from " + table, {}});
}

// A project "p" (id 1) with classes Book (1) and Loan (2); Loan's member refers to Book.
void seedBookAndLoan() {
    testing::ProjectBuilder builder(QStringLiteral("p"));
    builder.cls("Book", "图书", {"a 字符串 -", "b 字符串 -", "c 字符串 -"})
        .cls("Loan", "借阅", {"book Book -"});
    testing::seedModel(builder.build());
}

}  // namespace

class StoreTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { store_ = std::make_unique<testing::TempStore>(); }
    void cleanup() { store_.reset(); }

    void quotesRoundTripAndNeverChangeAStatement() {
        const QString tricky = "O'Brien'); delete from t_project; --";
        TProjectDAO().AddProject(tricky);
        TProjectDAO().AddProject("other");
        QCOMPARE(TProjectDAO().CountProjectsByName(tricky), 1);
        QCOMPARE(TProjectDAO().ListProjects(), (TEntryList{{1, tricky}, {2, "other"}}));
        const qint32 classId = TClassDAO().AddClass(1, "Book'", "图'书", 1);
        QCOMPARE(TClassDAO().CountClassesByName(1, "Book'"), 1);
        QCOMPARE(TClassDAO().GetFriendName(classId), QString("图'书"));
        TMember m;
        m.projectId = 1;
        m.classId = classId;
        m.memberName = "it's";
        m.memberType = "Book'";
        m.memberComment = "a 'quoted' comment";
        TMemberDAO().AddMember(m);
        TClassDAO().UpdateClass(1, classId, "Vol'", "卷", 0);
        const TMember stored = TMemberDAO().ListMembers(classId).value(0);
        QCOMPARE(stored.memberName, QString("it's"));
        QCOMPARE(stored.memberComment, QString("a 'quoted' comment"));
        QCOMPARE(stored.memberType, QString("Vol'"));
    }

    void deletesTakeWhatBelongsToThem() {
        seedBookAndLoan();
        TProjectDAO().AddProject("q");
        TClassDAO().AddClass(2, "Shelf", "书架", 0);
        TClassDAO().DeleteClass(1);
        QCOMPARE(TClassDAO().ListClasses(1), (TEntryList{{2, "Loan"}}));
        QCOMPARE(count("t_member"), 1);
        TProjectDAO().DeleteProject(1);  // its classes and their members go
        QCOMPARE(TProjectDAO().ListProjects(), (TEntryList{{2, "q"}}));
        QVERIFY(TClassDAO().ListClasses(1).isEmpty());
        QCOMPARE(TClassDAO().ListClasses(2).size(), 1);
        QCOMPARE(count("t_member"), 0);
        TProjectDAO().AddProject("r");  // deleted ids are never handed out again
        QCOMPARE(TProjectDAO().ListProjects().last().id, 3);
    }

    void aFailedBatchChangesNothing() {
        seedBookAndLoan();
        QVERIFY_THROWS_EXCEPTION(TError, TDbHelper().ExecBatch({{"delete from t_class", {}},
                                                                {"delete from no_table", {}}}));
        QCOMPARE(count("t_class"), 2);
        // A failing statement inside a DAO's own transaction: the class outlives its members'
        // failed deletion.
        testing::lockTable("t_member", "DELETE");
        QVERIFY_THROWS_EXCEPTION(TError, TClassDAO().DeleteClass(1));
        QCOMPARE(TClassDAO().GetClassName(1), QString("Book"));
    }

    // A store error part way through an import (at its last member) leaves no trace of it,
    // whether it adds a project or replaces one.
    void failedImportChangesNothing() {
        CreateDemoProject();
        const QByteArray before = ModelFileText(ReadProjectContents(1, DemoProjectName()));
        QSqlQuery trigger(TDbHelper().GetConnection());
        QVERIFY(
            trigger.exec("CREATE TRIGGER refuse BEFORE INSERT ON t_member WHEN "
                         "new.memberName='memo' BEGIN SELECT RAISE(ABORT, 'refused'); END"));
        TProjectContents other = ParseModelFile(before);
        other.projectName = "另一个";
        QVERIFY_THROWS_EXCEPTION(TError, ImportProjectModel(other, false));
        QVERIFY_THROWS_EXCEPTION(TError, ImportProjectModel(ParseModelFile(before), true));
        QCOMPARE(TProjectDAO().ListProjects().size(), 1);
        QCOMPARE(ModelFileText(ReadProjectContents(1, DemoProjectName())), before);
        QCOMPARE(count("t_class"), 4);
    }

    void swapExchangesContentsNotIdsAndNeedsBothRows() {
        seedBookAndLoan();
        QVERIFY(TMemberDAO().SwapMembers(1, 3));
        const TMemberList after = TMemberDAO().ListMembers(1);
        QCOMPARE(names(after), (QStringList{"c", "b", "a"}));
        QCOMPARE(after[0].memberId, 1);
        QCOMPARE(after[0].classId, 1);
        QVERIFY(TMemberDAO().SwapMembers(2, 2));
        QVERIFY(!TMemberDAO().SwapMembers(1, 99));
        QVERIFY(!TMemberDAO().SwapMembers(99, 1));
        QCOMPARE(names(TMemberDAO().ListMembers(1)), (QStringList{"c", "b", "a"}));
        QCOMPARE(count("t_member"), 4);
    }

    void createStoreRefusesAFileThatIsNotAStore() {
        // SQLite files that are not stores (plain files: test_cli): other tables, or a store
        // table lacking a column.
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

  private:
    std::unique_ptr<testing::TempStore> store_;
};

QTEST_GUILESS_MAIN(StoreTest)
#include "test_store.moc"

// The demo project: what CreateDemoProject puts into the store, and init-store --demo.

#include <QProcess>
#include <QtTest>

#include "TestSupport.h"
#include "generation/ModelChecks.h"
#include "store/ClassDAO.h"
#include "store/DemoProject.h"
#include "store/MemberDAO.h"
#include "store/ProjectDAO.h"

namespace {

struct CliResult {
    int exitCode = -1;
    QString standardError;
};

CliResult runCli(const QStringList& arguments) {
    QProcess cli;
    cli.start(QStringLiteral(QUILLMERE_APP_DIR "/quillmere-cli"), arguments);
    cli.waitForFinished(60000);
    return {cli.exitCode(), QString::fromUtf8(cli.readAllStandardError())};
}

qint32 demoProjectId() {
    const QList<qint32> ids = TProjectDAO().FindProjectsByName(DemoProjectName());
    return ids.size() == 1 ? ids.first() : -1;
}

QStringList memberNames(const TMemberList& members) {
    QStringList names;
    for (const TMember& member : members) {
        names.append(member.memberName);
    }
    return names;
}

}  // namespace

class TestDemoProject : public QObject {
    Q_OBJECT

  private slots:
    void holdsTheLibraryClassesAndMembers() {
        testing::TempStore store;
        CreateDemoProject();
        const qint32 projectId = demoProjectId();
        QVERIFY(projectId > 0);
        const TClassDAO classes;
        const TEntryList list = classes.ListClasses(projectId);
        QStringList names;
        for (const TEntry& entry : list) {
            names.append(entry.name);
        }
        QCOMPARE(names, QStringList({"BookType", "Book", "Reader", "Loan"}));

        const TMemberDAO members;
        const qint32 bookId = classes.GetClassId(projectId, "Book");
        QCOMPARE(memberNames(members.ListMembers(bookId)),
                 QStringList({"barcode", "bookName", "bookType", "price", "count", "publishDate",
                              "publish", "bookPhoto", "introduction"}));
        QCOMPARE(memberNames(members.ListReferenceMembers(bookId)), QStringList{"bookType"});
        QCOMPARE(memberNames(members.ListImageMembers(bookId)), QStringList{"bookPhoto"});
        QCOMPARE(memberNames(members.ListQueryMembers(bookId)),
                 QStringList({"barcode", "bookName", "bookType", "publishDate"}));
        QCOMPARE(members.GetKeyMember(bookId)->memberIsInteger, 0);
        QCOMPARE(members.GetKeyMemberOf(projectId, "BookType")->memberIsInteger, 1);
        QCOMPARE(members.GetDisplayMemberOf(projectId, "Book")->memberName, QString("bookName"));
        QCOMPARE(memberNames(members.ListReferenceMembers(classes.GetClassId(projectId, "Loan"))),
                 QStringList({"book", "reader"}));
    }

    void coversEveryMemberType() {
        testing::TempStore store;
        CreateDemoProject();
        QSet<MemberCategory> categories;
        for (const TMember& member : TMemberDAO().ListProjectMembers(demoProjectId())) {
            categories.insert(CategoryOfType(member.memberType));
        }
        QCOMPARE(categories.size(), 6);
    }

    void passesTheGenerationChecks() {
        testing::TempStore store;
        CreateDemoProject();
        const TProjectModel project = LoadProjectModel(demoProjectId(), "图书管理", "quillmere");
        QCOMPARE(FindModelProblem(project).message, QString());
    }

    // The rows look as if typed into the member dialog: its derived flags and its rules.
    void storesTheFlagsTheMemberDialogDerives() {
        testing::TempStore store;
        CreateDemoProject();
        const qint32 projectId = demoProjectId();
        const TMemberDAO members;
        for (const TMember& m : members.ListProjectMembers(projectId)) {
            const QString what = m.memberName + " " + m.memberType;
            const MemberCategory category = CategoryOfType(m.memberType);
            QVERIFY2(m.memberIsInteger == (category == MemberCategory::Integer ? 1 : 0),
                     qPrintable(what));
            QVERIFY2(m.memberIsFloat == (category == MemberCategory::Float ? 1 : 0),
                     qPrintable(what));
            QVERIFY2(category == MemberCategory::String ? m.memberLength > 0 : m.memberLength == 0,
                     qPrintable(what));
            QVERIFY2(category == MemberCategory::String || m.memberIsMust == 1, qPrintable(what));
            QCOMPARE(m.memberQueryDisplay, 1);
            QVERIFY2(m.memberName.front().isLower(), qPrintable(what));
            if (m.memberIsPri == 1) {
                QVERIFY2(category == MemberCategory::String || category == MemberCategory::Integer,
                         qPrintable(what));
            }
            if (m.queryFlag == 1) {
                QVERIFY2(category != MemberCategory::Integer && category != MemberCategory::Float &&
                             category != MemberCategory::Image,
                         qPrintable(what));
            }
            if (category == MemberCategory::Reference) {
                QVERIFY2(TClassDAO().GetClassId(projectId, m.memberType) > 0, qPrintable(what));
            }
        }
    }

    void initStoreDemoCreatesANewStore() {
        QTemporaryDir dir;
        const QString path = dir.filePath("projects.db");
        const CliResult result = runCli({"init-store", "--demo", "--store", path});
        QCOMPARE(result.exitCode, 0);
        TDbHelper::CloseConnection();
        TDbHelper::SetStorePath(path);
        QVERIFY(demoProjectId() > 0);
        QCOMPARE(TClassDAO().ListClasses(demoProjectId()).size(), 4);
        TDbHelper::CloseConnection();
    }

    // An existing file, store or not, stays byte for byte as it was.
    void initStoreDemoRefusesAnExistingFile_data() {
        QTest::addColumn<bool>("isStore");
        QTest::newRow("store") << true;
        QTest::newRow("other file") << false;
    }
    void initStoreDemoRefusesAnExistingFile() {
        QFETCH(bool, isStore);
        QTemporaryDir dir;
        const QString path = dir.filePath("projects.db");
        if (isStore) {
            QCOMPARE(runCli({"init-store", "--store", path}).exitCode, 0);
        } else {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("notes, not a store\n");
        }
        const QByteArray before = testing::readAll(path);
        const CliResult result = runCli({"init-store", "--store", path, "--demo"});
        QCOMPARE(result.exitCode, 1);
        QVERIFY2(result.standardError.contains(path), qPrintable(result.standardError));
        QCOMPARE(testing::readAll(path), before);
    }

    void initStoreRejectsTheFlagTwice() {
        QTemporaryDir dir;
        const QString path = dir.filePath("projects.db");
        QCOMPARE(runCli({"init-store", "--demo", "--store", path, "--demo"}).exitCode, 2);
        QVERIFY(!QFile::exists(path));
    }
};

QTEST_GUILESS_MAIN(TestDemoProject)
#include "test_demo_project.moc"

#pragma once

// What the suites share: models built in memory or put into a throwaway store, an app folder of
// their own, a process runner, file-tree helpers, and a run host that records what it is told.

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include "generation/CodeModel.h"
#include "run/AutoCode.h"
#include "store/ClassDAO.h"
#include "store/DbHelper.h"
#include "store/MemberDAO.h"
#include "store/ModelFile.h"
#include "store/ProjectDAO.h"

namespace testing {

// Builds a TProjectModel class by class, with the flags the member dialogs derive; ids count
// from 1 in insertion order, as a fresh store hands them out. A member is written
// "name type flags comment": the type is a member type or a class name, a string type may
// carry its length ("字符串/100", else 20); flags are letters (K key, Q query, D drop-down
// display, P phone list) or "-"; the comment is the rest of the text, maybe empty.
class ProjectBuilder {
  public:
    explicit ProjectBuilder(const QString& projectName = QStringLiteral("Demo")) {
        model_.projectId = 1;
        model_.projectName = projectName;
    }
    ProjectBuilder& cls(const QString& className, const QString& friendName,
                        std::initializer_list<const char*> members) {
        TClassModel c;
        c.classId = static_cast<qint32>(model_.classes.size()) + 1;
        c.className = className;
        c.friendName = friendName;
        for (const char* text : members) {
            const QString line = QString::fromUtf8(text);
            const QString type = line.section(' ', 1, 1);
            const QString flags = line.section(' ', 2, 2);
            if (flags.isEmpty() || flags.contains(QRegularExpression("[^KQDP-]"))) {
                qFatal("member line without its flags: %s", text);
            }
            TMember row;
            row.memberId = ++memberId_;
            row.projectId = model_.projectId;
            row.classId = c.classId;
            row.memberName = line.section(' ', 0, 0);
            row.memberType = type.section('/', 0, 0);
            row.memberLength = row.memberType != kTypeString ? 0
                               : type.contains('/')          ? type.section('/', 1).toInt()
                                                             : 20;
            row.memberIsPri = flags.contains('K') ? 1 : 0;
            row.memberComment = line.section(' ', 3);
            row.memberIsMust = 1;
            row.memberIsInteger = row.memberType == kTypeInteger ? 1 : 0;
            row.memberIsFloat = row.memberType == kTypeFloat ? 1 : 0;
            row.queryFlag = flags.contains('Q') ? 1 : 0;
            row.memberIsDisplay = flags.contains('D') ? 1 : 0;
            row.androidDisplay = flags.contains('P') ? 1 : 0;
            c.members.append({row, CategoryOfType(row.memberType)});
        }
        model_.classes.append(std::move(c));
        return *this;
    }
    TProjectModel build() {
        model_.resolve();
        return std::move(model_);
    }

  private:
    TProjectModel model_;
    qint32 memberId_ = 0;
};

// A fresh store file in a temporary folder, made the current store for this process.
class TempStore {
  public:
    TempStore() {
        path_ = dir_.filePath(QStringLiteral("projects.db"));
        TDbHelper::CloseConnection();
        TDbHelper::SetStorePath(path_);
    }
    ~TempStore() { TDbHelper::CloseConnection(); }
    const QString& path() const { return path_; }
    QString folder() const { return dir_.path(); }

  private:
    QTemporaryDir dir_;
    QString path_;
};

// The id of the project's first class of that name as the class list shows it, or -1.
inline qint32 classIdNamed(qint32 projectId, const QString& className) {
    for (const TEntry& entry : TClassDAO().ListClasses(projectId)) {
        if (entry.name == className) {
            return entry.id;
        }
    }
    return -1;
}

// Adds the model's project, classes and members to the current store in model order, so a
// fresh store hands out the model's ids. Answers the project id.
inline qint32 seedModel(const TProjectModel& model) {
    TProjectDAO().AddProject(model.projectName);
    const qint32 projectId = TProjectDAO().FindProjectsByName(model.projectName).last();
    for (const TClassModel& cls : model.classes) {
        const qint32 classId =
            TClassDAO().AddClass(projectId, cls.className, cls.friendName, cls.frontShowFlag);
        for (const TMemberInfo& info : cls.members) {
            TMember row = info.member;
            row.projectId = projectId;
            row.classId = classId;
            TMemberDAO().AddMember(row);
        }
    }
    return projectId;
}

// Makes every statement of the given kind on the table of the current store fail with the
// message "locked".
inline void lockTable(const QString& table, const QString& statement) {
    QSqlQuery query(TDbHelper().GetConnection());
    QVERIFY(query.exec(QStringLiteral("CREATE TRIGGER lock_%1_%2 BEFORE %2 ON %1 BEGIN SELECT "
                                      "RAISE(ABORT, 'locked'); END")
                           .arg(table, statement)));
}

// Every row of the store's tables, one line each.
inline QStringList storeRows() {
    QStringList rows;
    for (const char* table : {"t_project", "t_class", "t_member"}) {
        QSqlQuery query = TDbHelper().OpenQuery({QStringLiteral("select * from ") + table, {}});
        while (NextRow(query)) {
            QStringList cells{QString::fromLatin1(table)};
            for (int column = 0; column < query.record().count(); ++column) {
                cells.append(query.value(column).toString());
            }
            rows.append(cells.join('|'));
        }
    }
    return rows;
}

struct ProcessResult {
    int exitCode = -1;  // -1: crashed or timed out
    QString out;
    QString err;
};

// Runs a program to its end (at most timeoutMs, five minutes unless told) in a UTF-8 locale.
// workingDirectory: where relative paths of the arguments start; empty: the test's own.
inline ProcessResult runProcess(const QString& program, const QStringList& arguments,
                                const QString& workingDirectory = QString(),
                                int timeoutMs = 300000) {
    QProcess process;
    process.setWorkingDirectory(workingDirectory);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        return {-1, QString(),
                program + QStringLiteral(" did not finish: ") + process.errorString()};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

inline ProcessResult runCli(const QStringList& arguments,
                            const QString& workingDirectory = QString(), int timeoutMs = 300000) {
    return runProcess(QStringLiteral(QUILLMERE_APP_DIR "/quillmere-cli"), arguments,
                      workingDirectory, timeoutMs);
}

// Every file below the folder, hidden ones too, as sorted paths relative to it.
inline QStringList filesBelow(const QString& folder) {
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        files.append(QDir(folder).relativeFilePath(it.next()));
    }
    files.sort();
    return files;
}

// Copies every file below source to the same place below target, replacing what is there.
inline void copyTree(const QString& source, const QString& target) {
    for (const QString& file : filesBelow(source)) {
        const QString to = target + QLatin1Char('/') + file;
        QDir().mkpath(QFileInfo(to).path());
        QFile::remove(to);
        QFile::copy(source + QLatin1Char('/') + file, to);
    }
}

inline QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void writeAll(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

// A field of a table in tests/data: \n \r \t \\ stand for a line break, CR, a tab and a backslash.
inline QString unescapedField(const QString& field) {
    QString plain;
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] != '\\' || i + 1 == field.size()) {
            plain += field[i];
            continue;
        }
        const QChar code = field[++i];
        plain += code == 'n'   ? QChar('\n')
                 : code == 'r' ? QChar('\r')
                 : code == 't' ? QChar('\t')
                               : code;
    }
    return plain;
}

// The rows of the table tests/data/NAME, a row a line, its fields parted by tabs. Empty lines
// and lines starting with # are no rows.
inline QList<QStringList> tableRows(const QString& name, qsizetype fields) {
    const QString text = QString::fromUtf8(readAll(QStringLiteral(QUILLMERE_TEST_DATA "/") + name));
    QList<QStringList> rows;
    for (const QString& line : text.split('\n', Qt::SkipEmptyParts)) {
        if (!line.startsWith('#')) {
            rows.append(line.split('\t'));
            for (QString& field : rows.last()) {
                field = unescapedField(field);
            }
            QTest::qVerify(rows.last().size() == fields, "a row's fields", qPrintable(line),
                           __FILE__, __LINE__);
        }
    }
    QTest::qVerify(!rows.isEmpty(), "rows", qPrintable(name), __FILE__, __LINE__);
    return rows;
}

// QTest rows from the table tests/data/NAME: the tag, then a text for each column (QTest keeps
// the columns' names, so they are literals).
inline void addTableRows(const QString& name, std::initializer_list<const char*> columns) {
    for (const char* column : columns) {
        QTest::addColumn<QString>(column);
    }
    for (QStringList fields : tableRows(name, qsizetype(columns.size()) + 1)) {
        QTestData& row = QTest::newRow(fields.takeFirst().toUtf8().constData());
        for (const QString& field : fields) {
            row << field;
        }
    }
}

// Writes the model to path as a model file, every class on the front page and every member on
// the query screen; answers the path.
inline QString writeModelFile(const QString& path, const TProjectModel& model) {
    TProjectContents project{model.projectId, model.projectName, {}};
    for (const TClassModel& cls : model.classes) {
        TClassContents contents;
        static_cast<TClassRecord&>(contents) = {cls.classId, cls.className, cls.friendName, 1};
        for (const TMemberInfo& info : cls.members) {
            contents.members.append(info.member);
            contents.members.last().memberQueryDisplay = 1;
        }
        project.classes.append(contents);
    }
    writeAll(path, ModelFileText(project));
    return path;
}

// Every file below the folder (hidden ones too) by relative path, with its bytes.
using Tree = QMap<QString, QByteArray>;
inline Tree treeOf(const QString& folder) {
    Tree tree;
    for (const QString& file : filesBelow(folder)) {
        tree.insert(file, readAll(folder + QLatin1Char('/') + file));
    }
    return tree;
}

// Where two trees differ first (a path and how), or nothing when they are equal.
inline QString firstDifference(const Tree& actual, const Tree& expected) {
    for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
        if (!actual.contains(it.key())) {
            return it.key() + QStringLiteral(" is missing");
        }
        if (actual[it.key()] != it.value()) {
            return it.key() + QStringLiteral(" differs");
        }
    }
    for (auto it = actual.cbegin(); it != actual.cend(); ++it) {
        if (!expected.contains(it.key())) {
            return it.key() + QStringLiteral(" should not be there");
        }
    }
    return QString();
}

const QString kTemplateProject = QStringLiteral(QUILLMERE_APP_DIR "/bak/安卓客户端");
const QString kGoldenRoot = QStringLiteral(QUILLMERE_SOURCE_DIR "/tests/golden/");

// The lines of a golden tree's progress.txt: what a run of that model reports, in order.
inline QStringList goldenProgress(const QString& model) {
    return QString::fromUtf8(readAll(kGoldenRoot + model + QStringLiteral("/progress.txt")))
        .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

// An app folder in a temporary directory with copies of the built template project and
// templates, so runs never write into the build tree.
class TempAppFolder {
  public:
    TempAppFolder() {
        for (const char* folder : {"bak", "template"}) {
            copyTree(QStringLiteral(QUILLMERE_APP_DIR "/") + QLatin1String(folder),
                     dir_.filePath(QLatin1String(folder)));
        }
    }
    QString path() const { return dir_.path(); }
    QString output(const QString& project) const {
        return dir_.filePath(QStringLiteral("projects/") + project + QStringLiteral("/安卓客户端"));
    }

  private:
    QTemporaryDir dir_;
};

// Records what a run reports, in order: progress lines as they are, notices as
// "notice <number> class <id>: <text>", failures as "failed: <message>".
class RecordingHost : public TGenerationHost {
  public:
    QStringList events;
    QList<Qt::HANDLE> threads;

    void AppendProgress(const QString& line) override { record(line); }
    void Notice(int message, qint32 classId, const QString& text) override {
        record(QStringLiteral("notice %1 class %2: %3").arg(message).arg(classId).arg(text));
    }
    void RunFailed(const QString& message) override { record("failed: " + message); }

  private:
    void record(const QString& event) {
        events << event;
        threads << QThread::currentThreadId();
    }
};

}  // namespace testing

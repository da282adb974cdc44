#pragma once

// Helpers shared by the tests: an in-memory project model, a throwaway store, and a text
// comparison that names the first differing line.

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include "generation/CodeModel.h"
#include "store/ClassDAO.h"
#include "store/DbHelper.h"
#include "store/MemberDAO.h"
#include "store/ProjectDAO.h"

namespace testing {

// A member as a test writes it; flags default to no.
struct M {
    QString name;
    QString type;
    QString comment;
    bool key = false;
    bool query = false;
    bool display = false;
    bool phone = false;
    qint32 length = 0;  // string members only; 0 stores 20
};

// The flags the member dialogs derive from a member's type and boxes.
inline void fillMember(TMember& row, const M& m) {
    row.memberName = m.name;
    row.memberType = m.type;
    row.memberLength = m.type == kTypeString ? (m.length > 0 ? m.length : 20) : 0;
    row.memberIsPri = m.key ? 1 : 0;
    row.memberComment = m.comment;
    row.memberIsMust = 1;
    row.memberIsInteger = m.type == kTypeInteger ? 1 : 0;
    row.memberIsFloat = m.type == kTypeFloat ? 1 : 0;
    row.queryFlag = m.query ? 1 : 0;
    row.memberIsDisplay = m.display ? 1 : 0;
    row.androidDisplay = m.phone ? 1 : 0;
}

// Builds a TProjectModel class by class; ids count from 1 in insertion order.
class ProjectBuilder {
  public:
    explicit ProjectBuilder(const QString& projectName = QStringLiteral("Demo")) {
        model_.projectId = 1;
        model_.projectName = projectName;
        model_.packageName = QStringLiteral("quillmere");
    }
    ProjectBuilder& cls(const QString& className, const QString& friendName,
                        std::initializer_list<M> members) {
        TClassModel c;
        c.classId = static_cast<qint32>(model_.classes.size()) + 1;
        c.className = className;
        c.friendName = friendName;
        for (const M& m : members) {
            TMember row;
            row.memberId = ++memberId_;
            row.projectId = model_.projectId;
            row.classId = c.classId;
            fillMember(row, m);
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

// Adds a project with the given classes to the current store through the DAOs; members get
// the flags the member dialogs derive. Answers the project id.
inline qint32 seedProject(
    const QString& projectName,
    std::initializer_list<std::pair<QString, std::initializer_list<M>>> classes) {
    TProjectDAO().AddProject(projectName);
    const qint32 projectId = TProjectDAO().FindProjectsByName(projectName).last();
    for (const auto& [className, members] : classes) {
        TClassDAO().AddClass(projectId, className, className + QStringLiteral("友好名"), 0);
        const qint32 classId = TClassDAO().GetClassId(projectId, className);
        for (const M& m : members) {
            TMember row;
            row.projectId = projectId;
            row.classId = classId;
            fillMember(row, m);
            TMemberDAO().AddMember(row);
        }
    }
    return projectId;
}

// Adds the model's project, classes and members to the current store in model order, so a
// fresh store hands out the model's ids. Answers the project id.
inline qint32 seedModel(const TProjectModel& model) {
    TProjectDAO().AddProject(model.projectName);
    const qint32 projectId = TProjectDAO().FindProjectsByName(model.projectName).last();
    for (const TClassModel& cls : model.classes) {
        TClassDAO().AddClass(projectId, cls.className, cls.friendName, 0);
        const qint32 classId = TClassDAO().GetClassId(projectId, cls.className);
        for (const TMemberInfo& info : cls.members) {
            TMember row = info.member;
            row.projectId = projectId;
            row.classId = classId;
            TMemberDAO().AddMember(row);
        }
    }
    return projectId;
}

struct ProcessResult {
    int exitCode = -1;  // -1: crashed or timed out
    QString out;
    QString err;
};

// Runs a program to its end (at most five minutes) in a UTF-8 locale.
inline ProcessResult runProcess(const QString& program, const QStringList& arguments) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForFinished(300000)) {
        process.kill();
        process.waitForFinished();
        return {-1, QString(),
                program + QStringLiteral(" did not finish: ") + process.errorString()};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
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
    static void copyTree(const QString& source, const QString& target) {
        QDir().mkpath(target);
        const QDir dir(source);
        for (const QFileInfo& entry :
             dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)) {
            const QString to = target + QLatin1Char('/') + entry.fileName();
            if (entry.isDir()) {
                copyTree(entry.filePath(), to);
            } else {
                QFile::copy(entry.filePath(), to);
            }
        }
    }

  private:
    QTemporaryDir dir_;
};

inline QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void writeAll(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

// Every file below the folder (hidden ones too) by relative path, with its bytes.
using Tree = QMap<QString, QByteArray>;
inline Tree treeOf(const QString& folder) {
    Tree tree;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        tree.insert(QDir(folder).relativeFilePath(file), readAll(file));
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

struct CliResult {
    int status = -1;  // -1: did not end normally
    QString out;
    QString err;
};

// Runs quillmere-cli; its standard output and standard error apart.
inline CliResult runCliStreams(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(QUILLMERE_APP_DIR "/quillmere-cli"), arguments);
    if (!process.waitForFinished(120000)) {
        return {};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

// Compares two texts; on a difference reports the first differing line with tabs, CR and LF
// made visible.
inline bool sameText(const QString& actual, const QString& expected, QString* report) {
    if (actual == expected) {
        return true;
    }
    auto visible = [](QString line) {
        return line.replace('\t', QStringLiteral("\\t")).replace('\r', QStringLiteral("\\r"));
    };
    const QStringList a = actual.split('\n');
    const QStringList e = expected.split('\n');
    for (qsizetype i = 0; i < qMax(a.size(), e.size()); ++i) {
        if (a.value(i) != e.value(i) || i >= a.size() || i >= e.size()) {
            *report =
                QStringLiteral("first difference at line %1\n  actual:   [%2]\n  expected: [%3]")
                    .arg(i + 1)
                    .arg(i < a.size() ? visible(a[i]) : QStringLiteral("<end>"),
                         i < e.size() ? visible(e[i]) : QStringLiteral("<end>"));
            return false;
        }
    }
    *report = QStringLiteral("texts differ");
    return false;
}

// Joins lines, ending each with CR LF: the way generated files end their lines.
inline QString crlf(std::initializer_list<QString> lines) {
    QString text;
    for (const QString& line : lines) {
        text += line + QStringLiteral("\r\n");
    }
    return text;
}

}  // namespace testing

#define COMPARE_TEXT(actual, expected)                            \
    do {                                                          \
        QString report_;                                          \
        if (!testing::sameText((actual), (expected), &report_)) { \
            QFAIL(qPrintable(report_));                           \
        }                                                         \
    } while (false)

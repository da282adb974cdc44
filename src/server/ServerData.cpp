#include "server/ServerData.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <cerrno>
#include <cstring>

#include "common/Error.h"
#include "server/PictureFolder.h"

namespace {

// Marks a file as the server's, so that it never writes its tables into a file of another kind.
constexpr qint32 kApplicationId = 0x51534456;

// The largest integer key ever assigned per class, so that a deleted object's key never comes
// back. A class name is an identifier, so no class table can have this name.
const QString kKeyMarks = QStringLiteral("\"key marks\"");

// What the server records about itself in the data file: the picture folder it made. A class
// name is an identifier, so no class table can have this name.
const QString kRecord = QStringLiteral("\"server record\"");
const QString kPictureFolderEntry = QStringLiteral("picture folder");

QString systemReason() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

bool isLinkOrOther(const QString& path) {
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 && !S_ISREG(status.st_mode);
}

// The application id in the header of an SQLite file; 0 for a file too short to have one.
qint32 applicationIdOf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return 0;
    }
    const QByteArray header = file.read(72);
    if (header.size() < 72 || !header.startsWith("SQLite format 3")) {
        return 0;
    }
    const auto* id = reinterpret_cast<const uchar*>(header.constData() + 68);
    return static_cast<qint32>((quint32(id[0]) << 24) | (quint32(id[1]) << 16) |
                               (quint32(id[2]) << 8) | quint32(id[3]));
}

QString columnList(const TClassModel& cls) {
    QStringList names;
    for (const TMemberInfo& member : cls.members) {
        names.append(QuotedName(member.name()));
    }
    return names.join(QLatin1Char(','));
}

QString keyColumn(const TClassModel& cls) {
    return QuotedName(cls.keyMember()->name());
}

QString dataFileError(const QSqlError& error) {
    return QStringLiteral("数据文件操作失败: %1").arg(error.text());
}

QString conditionSql(const TServerData::Condition& condition) {
    const QString column = QuotedName(condition.member->name());
    switch (condition.kind) {
        case TServerData::Condition::ContainsText:
            return "instr(lower(" + column + "), lower(?)) > 0";
        case TServerData::Condition::SameDay:
            return "substr(" + column + ", 1, 10) = substr(?, 1, 10)";
        default:
            return column + " = ?";
    }
}

// The picture folder's identity that the data file records, if any.
QString recordedPictureFolder(const QString& path) {
    if (QFileInfo(path).size() == 0) {
        return QString();
    }
    const TSqliteConnection db(path, QStringLiteral("QSQLITE_OPEN_READONLY"), dataFileError);
    if (!db.FirstValue({QStringLiteral("SELECT 1 FROM sqlite_master WHERE name = ?"),
                        {QStringLiteral("server record")}})
             .isValid()) {
        return QString();
    }
    return db
        .FirstValue({"SELECT value FROM " + kRecord + " WHERE name = ?", {kPictureFolderEntry}})
        .toString();
}

QString keyList(const QVariantList& keys) {
    QStringList shown;
    for (const QVariant& key : keys.mid(0, 10)) {
        shown.append(key.isNull() ? QStringLiteral("(空)") : '"' + key.toString() + '"');
    }
    return shown.join(QStringLiteral("、")) +
           (keys.size() > 10 ? QStringLiteral("等%1个").arg(keys.size()) : QString());
}

// SQLite drops a U+FEFF at the start of a text bound as UTF-16 (Qt's way), taking it for a byte
// order mark. Such a text is bound as its UTF-8 bytes and turned back into a text in SQL.
// Statements here hold no "?" other than their placeholders.
TStatement keepingLeadingFeff(TStatement statement) {
    qsizetype mark = -1;
    for (QVariant& value : statement.values) {
        mark = statement.sql.indexOf(QLatin1Char('?'), mark + 1);
        if (value.typeId() == QMetaType::QString && value.toString().startsWith(QChar(0xFEFF))) {
            value = value.toString().toUtf8();
            statement.sql.replace(mark, 1, QStringLiteral("CAST(? AS TEXT)"));
            mark += 13;
        }
    }
    return statement;
}

}  // namespace

QStringList DataFileAndCompanions(const QString& path) {
    return {path, path + QStringLiteral("-wal"), path + QStringLiteral("-shm"),
            path + QStringLiteral("-journal")};
}

// SQLite would follow a link; the data are only ever a regular file of their own. A file the
// server could read but not write would fail every change.
void CheckServerDataFile(const QString& path) {
    if (path == QLatin1String(":memory:")) {
        return;
    }
    for (const QString& file : DataFileAndCompanions(path)) {
        if (isLinkOrOther(file)) {
            throw TError(
                QStringLiteral("%1 不是普通文件(也许是链接)，开发服务器不使用它").arg(file));
        }
    }
    if (QFileInfo(path).size() > 0 && applicationIdOf(path) != kApplicationId) {
        throw TError(QStringLiteral("%1 不是开发服务器的数据文件，未做任何改动").arg(path));
    }
    for (const QString& needed : {path, QFileInfo(path).absolutePath()}) {
        if (QFileInfo::exists(needed) &&
            ::access(QFile::encodeName(needed).constData(), W_OK) != 0) {
            throw TError(
                QStringLiteral("数据文件%1不可写(%2): %3").arg(path, needed, systemReason()));
        }
    }
}

// Device, inode, kind and birth time: a folder made later in the place of a deleted one may get
// its inode number again.
QString FileIdentity(const QString& path) {
    struct statx status {};
    if (::statx(AT_FDCWD, QFile::encodeName(path).constData(), AT_SYMLINK_NOFOLLOW,
                STATX_BASIC_STATS | STATX_BTIME, &status) != 0) {
        return QString();
    }
    const bool born = (status.stx_mask & STATX_BTIME) != 0;
    return QStringLiteral("%1:%2:%3:%4:%5.%6")
        .arg(status.stx_dev_major)
        .arg(status.stx_dev_minor)
        .arg(status.stx_ino)
        .arg(status.stx_mode & S_IFMT)
        .arg(born ? status.stx_btime.tv_sec : 0)
        .arg(born ? status.stx_btime.tv_nsec : 0);
}

TDataFileLock::TDataFileLock(const QString& dataPath) {
    const QByteArray name = QFile::encodeName(dataPath + QStringLiteral(".lock"));
    file_ = ::open(name.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (file_ < 0) {
        throw TError(QStringLiteral("无法打开%1.lock: %2").arg(dataPath, systemReason()));
    }
    if (::flock(file_, LOCK_EX | LOCK_NB) != 0) {
        char pid[32] = {};
        const ssize_t count = ::pread(file_, pid, sizeof(pid) - 1, 0);
        ::close(file_);
        throw TError(
            QStringLiteral("数据文件%1正由另一个开发服务器(进程%2)使用，未做任何改动")
                .arg(dataPath, QString::fromLatin1(pid, std::max<ssize_t>(count, 0)).trimmed()));
    }
    const QByteArray pid = QByteArray::number(::getpid()) + '\n';
    if (::ftruncate(file_, 0) != 0 || ::pwrite(file_, pid.constData(), pid.size(), 0) < 0) {
        // The lock holds without the number; a refused server then names no process.
    }
}

TDataFileLock::~TDataFileLock() {
    ::close(file_);
}

QString QuotedName(const QString& name) {
    return QLatin1Char('"') + QString(name).replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
           QLatin1Char('"');
}

void ResetServerData(const QString& path, const QString& pictureFolder) {
    CheckServerDataFile(path);
    const QString folder = FileIdentity(pictureFolder);
    if (!folder.isEmpty() && folder != recordedPictureFolder(path)) {
        throw TError(QStringLiteral("%1 不是开发服务器建立的图片文件夹(数据文件中没有它的记录)，"
                                    "--reset未做任何改动；请自行移走或删除它")
                         .arg(pictureFolder));
    }
    for (const QString& file : DataFileAndCompanions(path)) {
        if (QFile::exists(file) && !QFile::remove(file)) {
            throw TError(QStringLiteral("无法删除%1: %2").arg(file, systemReason()));
        }
    }
    TPictureFolder::Remove(pictureFolder);
}

TServerData::TServerData(const TProjectModel& project, const QString& path)
    : db_((CheckServerDataFile(path), path), QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000"),
          dataFileError) {
    if (firstValue(QStringLiteral("PRAGMA application_id"), {}).toInt() != kApplicationId) {
        if (firstValue(QStringLiteral("SELECT 1 FROM sqlite_master"), {}).isValid()) {
            throw TError(QStringLiteral("%1 不是开发服务器的数据文件(例如是工程库)，未做任何改动")
                             .arg(path));
        }
        run(QStringLiteral("PRAGMA application_id = %1").arg(kApplicationId), {});
    }
    run(QStringLiteral("PRAGMA journal_mode = WAL"), {});
    run(QStringLiteral("PRAGMA synchronous = NORMAL"), {});
    Write([&] {
        bringUpToModel(project);
        for (const TClassModel& cls : project.classes) {
            checkKeys(cls);
        }
    });
}

void TServerData::RecordPictureFolder(const QString& identity) {
    Write([&] {
        run("INSERT OR REPLACE INTO " + kRecord + " (name, value) VALUES (?, ?)",
            {kPictureFolderEntry, identity});
    });
}

// A stored key that is not of the key's type can be neither found nor updated nor deleted, and
// lets a second object with the same text in: the server does not start on such data.
void TServerData::checkKeys(const TClassModel& cls) {
    const QString key = keyColumn(cls);
    const bool integer = cls.hasIntegerKey();
    QSqlQuery query = run("SELECT " + key + " FROM " + QuotedName(cls.className) +
                              " WHERE typeof(" + key + ") <> ? ORDER BY rowid",
                          {integer ? QStringLiteral("integer") : QStringLiteral("text")});
    QVariantList strays;
    while (db_.NextRow(query)) {
        strays.append(query.value(0));
    }
    if (!strays.isEmpty()) {
        throw TError(QStringLiteral("%1的键%2现在是%3，但数据文件中%1的对象%4的键不是%3: "
                                    "它们将无法查到，或与新对象同键。请把键的类型改回，"
                                    "或用--reset从空数据开始")
                         .arg(cls.className, cls.keyMember()->name(),
                              integer ? QStringLiteral("整数") : QStringLiteral("文本"),
                              keyList(strays)));
    }
}

QSqlQuery TServerData::run(const QString& sql, const QVariantList& values) {
    return db_.Run(keepingLeadingFeff({sql, values}));
}

QVariant TServerData::firstValue(const QString& sql, const QVariantList& values) {
    return db_.FirstValue(keepingLeadingFeff({sql, values}));
}

// IMMEDIATE takes the write lock at once: what the work reads stays true until it commits,
// even with another process on the same file.
void TServerData::Write(const std::function<void()>& work) {
    db_.InTransaction(QStringLiteral("BEGIN IMMEDIATE"), true, work);
}

void TServerData::bringUpToModel(const TProjectModel& project) {
    run("CREATE TABLE IF NOT EXISTS " + kKeyMarks + " (class TEXT PRIMARY KEY, highest INTEGER)",
        {});
    run("CREATE TABLE IF NOT EXISTS " + kRecord + " (name TEXT PRIMARY KEY, value TEXT)", {});
    for (const TClassModel& cls : project.classes) {
        const QString table = QuotedName(cls.className);
        QStringList present;
        bool typed = false;
        QSqlQuery columns = run("PRAGMA table_info(" + table + ")", {});
        while (db_.NextRow(columns)) {
            present.append(columns.value(1).toString());
            typed = typed || !columns.value(2).toString().isEmpty();
        }
        columns.finish();
        QStringList lowered;
        for (const QString& name : present) {
            lowered.append(name.toLower());
        }
        QStringList added;
        for (const TMemberInfo& member : cls.members) {
            if (!lowered.contains(member.name().toLower())) {
                added.append(member.name());
            }
        }
        if (present.isEmpty()) {
            createTable(table, added);
        } else if (typed) {
            untypeColumns(table, present);
        }
        for (const QString& name : present.isEmpty() ? QStringList() : added) {
            run("ALTER TABLE " + table + " ADD COLUMN " + QuotedName(name), {});
        }
        run("CREATE INDEX IF NOT EXISTS " +
                QuotedName(cls.className + '(' + cls.keyMember()->name() + ')') + " ON " + table +
                " (" + keyColumn(cls) + ")",
            {});
    }
}

// Columns have no type: each value keeps the kind it was stored as (an integer, a real, a
// text), whatever the member's type becomes later, so "007" stored as a text stays "007".
void TServerData::createTable(const QString& table, const QStringList& columns) {
    QStringList quoted;
    for (const QString& column : columns) {
        quoted.append(QuotedName(column));
    }
    run("CREATE TABLE " + table + " (" + quoted.join(QLatin1Char(',')) + ")", {});
}

// Files written by earlier versions have typed columns, which turn a text such as "007" into a
// number; their tables are copied once into untyped ones, every value as it was stored.
void TServerData::untypeColumns(const QString& table, const QStringList& columns) {
    const QString copy = QuotedName(table.mid(1, table.size() - 2) + QStringLiteral(" copy"));
    QStringList quoted;
    for (const QString& column : columns) {
        quoted.append(QuotedName(column));
    }
    run("DROP TABLE IF EXISTS " + copy, {});
    run("CREATE TABLE " + copy + " (" + quoted.join(QLatin1Char(',')) + ")", {});
    run("INSERT INTO " + copy + " SELECT " + quoted.join(QLatin1Char(',')) + " FROM " + table, {});
    run("DROP TABLE " + table, {});
    run("ALTER TABLE " + copy + " RENAME TO " + table, {});
}

bool TServerData::Exists(const TClassModel& cls, const QVariant& key) {
    return firstValue(
               "SELECT 1 FROM " + QuotedName(cls.className) + " WHERE " + keyColumn(cls) + " = ?",
               {key})
        .isValid();
}

qint32 TServerData::AssignKey(const TClassModel& cls) {
    // Only integers count: a key stored as a text before the model changed holds no number.
    const QString key = keyColumn(cls);
    const qint64 largest = firstValue("SELECT max(coalesce((SELECT max(" + key + ") FROM " +
                                          QuotedName(cls.className) + " WHERE typeof(" + key +
                                          ") = 'integer'), 0), coalesce((SELECT highest FROM " +
                                          kKeyMarks + " WHERE class = ?), 0))",
                                      {cls.className})
                               .toLongLong();
    if (largest >= std::numeric_limits<qint32>::max()) {
        return 0;
    }
    const auto next = static_cast<qint32>(largest + 1);
    run("INSERT OR REPLACE INTO " + kKeyMarks + " (class, highest) VALUES (?, ?)",
        {cls.className, next});
    return next;
}

qint64 TServerData::Count(const TClassModel& cls) {
    return firstValue("SELECT count(*) FROM " + QuotedName(cls.className), {}).toLongLong();
}

void TServerData::Insert(const TClassModel& cls, const Row& row) {
    QStringList marks;
    for (qsizetype i = 0; i < row.size(); ++i) {
        marks.append(QStringLiteral("?"));
    }
    run("INSERT INTO " + QuotedName(cls.className) + " (" + columnList(cls) + ") VALUES (" +
            marks.join(QLatin1Char(',')) + ")",
        row);
}

void TServerData::Update(const TClassModel& cls, const Row& row) {
    QStringList assignments;
    QVariantList values;
    QVariant key;
    for (qsizetype i = 0; i < cls.members.size(); ++i) {
        if (cls.members[i].isKey()) {
            key = row[i];
            continue;
        }
        assignments.append(QuotedName(cls.members[i].name()) + " = ?");
        values.append(row[i]);
    }
    if (assignments.isEmpty()) {
        return;  // a class whose only member is its key has nothing to change
    }
    values.append(key);
    run("UPDATE " + QuotedName(cls.className) + " SET " + assignments.join(QLatin1Char(',')) +
            " WHERE " + keyColumn(cls) + " = ?",
        values);
}

void TServerData::Remove(const TClassModel& cls, const QVariant& key) {
    run("DELETE FROM " + QuotedName(cls.className) + " WHERE " + keyColumn(cls) + " = ?", {key});
}

QVariant TServerData::FirstHolder(const TClassModel& owner, const TMemberInfo& member,
                                  const QVariant& value, const QVariant& exceptKey) {
    QString sql = "SELECT " + keyColumn(owner) + " FROM " + QuotedName(owner.className) +
                  " WHERE " + QuotedName(member.name()) + " = ?";
    QVariantList values{value};
    if (exceptKey.isValid()) {
        sql += " AND " + keyColumn(owner) + " IS NOT ?";
        values.append(exceptKey);
    }
    return firstValue(sql + " LIMIT 1", values);
}

QList<TServerData::Row> TServerData::Select(const TClassModel& cls,
                                            const QList<Condition>& conditions) {
    QStringList tests;
    QVariantList values;
    for (const Condition& condition : conditions) {
        tests.append(conditionSql(condition));
        values.append(condition.value);
    }
    const QString where = tests.isEmpty() ? QString() : " WHERE " + tests.join(" AND ");
    QSqlQuery query = run("SELECT " + columnList(cls) + " FROM " + QuotedName(cls.className) +
                              where + " ORDER BY " + keyColumn(cls),
                          values);
    QList<Row> rows;
    while (db_.NextRow(query)) {
        Row row;
        for (qsizetype i = 0; i < cls.members.size(); ++i) {
            row.append(query.value(static_cast<int>(i)));
        }
        rows.append(row);
    }
    return rows;
}

#include "server/ServerData.h"

#include <sys/stat.h>

#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

#include "common/Error.h"

namespace {

// Marks a file as the server's, so that it never writes its tables into a file of another kind.
constexpr qint32 kApplicationId = 0x51534456;

// The largest integer key ever assigned per class, so that a deleted object's key never comes
// back. A class name is an identifier, so no class table can have this name.
const QString kKeyMarks = QStringLiteral("\"key marks\"");

// The data file and the files SQLite keeps beside it.
QStringList dataFileAndCompanions(const QString& path) {
    return {path, path + QStringLiteral("-wal"), path + QStringLiteral("-shm"),
            path + QStringLiteral("-journal")};
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

// SQLite would follow a link; the data are only ever a regular file of their own.
QString regularDataFile(const QString& path) {
    for (const QString& file : dataFileAndCompanions(path)) {
        if (isLinkOrOther(file)) {
            throw TError(
                QStringLiteral("%1 不是普通文件(也许是链接)，开发服务器不使用它").arg(file));
        }
    }
    return path;
}

}  // namespace

QString QuotedName(const QString& name) {
    return QLatin1Char('"') + QString(name).replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
           QLatin1Char('"');
}

void ResetServerData(const QString& path) {
    const QStringList files = dataFileAndCompanions(path);
    for (const QString& file : files) {
        if (isLinkOrOther(file)) {
            throw TError(QStringLiteral("%1 不是普通文件，--reset未做任何改动").arg(file));
        }
    }
    if (QFileInfo(path).size() > 0 && applicationIdOf(path) != kApplicationId) {
        throw TError(QStringLiteral("%1 不是开发服务器的数据文件，--reset未做任何改动").arg(path));
    }
    for (const QString& file : files) {
        if (QFile::exists(file) && !QFile::remove(file)) {
            throw TError(QStringLiteral("无法删除%1").arg(file));
        }
    }
}

TServerData::TServerData(const TProjectModel& project, const QString& path)
    : db_(regularDataFile(path), QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000"), dataFileError) {
    if (firstValue(QStringLiteral("PRAGMA application_id"), {}).toInt() != kApplicationId) {
        if (firstValue(QStringLiteral("SELECT 1 FROM sqlite_master"), {}).isValid()) {
            throw TError(QStringLiteral("%1 不是开发服务器的数据文件(例如是工程库)，未做任何改动")
                             .arg(path));
        }
        run(QStringLiteral("PRAGMA application_id = %1").arg(kApplicationId), {});
    }
    run(QStringLiteral("PRAGMA journal_mode = WAL"), {});
    run(QStringLiteral("PRAGMA synchronous = NORMAL"), {});
    Write([&] { bringUpToModel(project); });
}

QSqlQuery TServerData::run(const QString& sql, const QVariantList& values) {
    return db_.Run({sql, values});
}

QVariant TServerData::firstValue(const QString& sql, const QVariantList& values) {
    return db_.FirstValue({sql, values});
}

// IMMEDIATE takes the write lock at once: what the work reads stays true until it commits,
// even with another process on the same file.
void TServerData::Write(const std::function<void()>& work) {
    db_.InTransaction(QStringLiteral("BEGIN IMMEDIATE"), true, work);
}

void TServerData::bringUpToModel(const TProjectModel& project) {
    run("CREATE TABLE IF NOT EXISTS " + kKeyMarks + " (class TEXT PRIMARY KEY, highest INTEGER)",
        {});
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

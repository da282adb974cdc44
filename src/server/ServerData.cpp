#include "server/ServerData.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <atomic>

#include "common/Error.h"

namespace {

// Marks a file as the server's, so that it never writes its tables into a file of another kind.
constexpr qint32 kApplicationId = 0x51534456;

std::atomic<int> connectionCounter{0};

QString columnType(const TMemberInfo& member) {
    switch (member.wireCategory()) {
        case MemberCategory::Integer:
            return QStringLiteral("INTEGER");
        case MemberCategory::Float:
            return QStringLiteral("REAL");
        default:
            return QStringLiteral("TEXT");
    }
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

// A null text binds as SQL NULL; every text the server stores is meant as a text.
QVariant bindable(const QVariant& value) {
    return value.typeId() == QMetaType::QString && value.toString().isNull()
               ? QVariant(QLatin1String(""))
               : value;
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

}  // namespace

QString QuotedName(const QString& name) {
    return QLatin1Char('"') + QString(name).replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
           QLatin1Char('"');
}

TServerData::TServerData(const TProjectModel& project, const QString& path)
    : connectionName_(QStringLiteral("quillmere-server-%1").arg(connectionCounter.fetch_add(1))) {
    db_ = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName_);
    db_.setDatabaseName(path);
    db_.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000"));
    try {
        if (!db_.open()) {
            throw TError(db_.lastError().text());
        }
        if (firstValue(QStringLiteral("PRAGMA application_id"), {}).toInt() != kApplicationId) {
            if (firstValue(QStringLiteral("SELECT 1 FROM sqlite_master"), {}).isValid()) {
                throw TError(
                    QStringLiteral("%1 不是开发服务器的数据文件(例如是工程库)，未做任何改动")
                        .arg(path));
            }
            run(QStringLiteral("PRAGMA application_id = %1").arg(kApplicationId), {});
        }
        run(QStringLiteral("PRAGMA journal_mode = WAL"), {});
        run(QStringLiteral("PRAGMA synchronous = NORMAL"), {});
        Write([&] { bringUpToModel(project); });
    } catch (const TError&) {
        db_.close();
        db_ = QSqlDatabase();
        QSqlDatabase::removeDatabase(connectionName_);
        throw;
    }
}

TServerData::~TServerData() {
    db_.close();
    db_ = QSqlDatabase();
    QSqlDatabase::removeDatabase(connectionName_);
}

QSqlQuery TServerData::run(const QString& sql, const QVariantList& values) {
    QSqlQuery query(db_);
    query.setForwardOnly(true);
    if (!query.prepare(sql)) {
        throw TError(QStringLiteral("数据文件操作失败: %1").arg(query.lastError().text()));
    }
    for (const QVariant& value : values) {
        query.addBindValue(bindable(value));
    }
    if (!query.exec()) {
        throw TError(QStringLiteral("数据文件操作失败: %1").arg(query.lastError().text()));
    }
    return query;
}

QVariant TServerData::firstValue(const QString& sql, const QVariantList& values) {
    QSqlQuery query = run(sql, values);
    return query.next() ? query.value(0) : QVariant();
}

void TServerData::Write(const std::function<void()>& work) {
    // IMMEDIATE takes the write lock at once: what the work reads stays true until it commits,
    // even with another process on the same file.
    run(QStringLiteral("BEGIN IMMEDIATE"), {});
    try {
        work();
        run(QStringLiteral("COMMIT"), {});
    } catch (...) {
        QSqlQuery(db_).exec(QStringLiteral("ROLLBACK"));
        throw;
    }
}

void TServerData::bringUpToModel(const TProjectModel& project) {
    for (const TClassModel& cls : project.classes) {
        const QString table = QuotedName(cls.className);
        QStringList present;
        QSqlQuery columns = run("PRAGMA table_info(" + table + ")", {});
        while (columns.next()) {
            present.append(columns.value(1).toString().toLower());
        }
        columns.finish();
        if (present.isEmpty()) {
            QStringList definitions;
            for (const TMemberInfo& member : cls.members) {
                definitions.append(QuotedName(member.name()) + ' ' + columnType(member));
            }
            run("CREATE TABLE " + table + " (" + definitions.join(QLatin1Char(',')) + ")", {});
        }
        for (const TMemberInfo& member : cls.members) {
            if (!present.isEmpty() && !present.contains(member.name().toLower())) {
                run("ALTER TABLE " + table + " ADD COLUMN " + QuotedName(member.name()) + ' ' +
                        columnType(member),
                    {});
            }
        }
        run("CREATE INDEX IF NOT EXISTS " +
                QuotedName(cls.className + '(' + cls.keyMember()->name() + ')') + " ON " + table +
                " (" + keyColumn(cls) + ")",
            {});
    }
}

bool TServerData::Exists(const TClassModel& cls, const QVariant& key) {
    return firstValue(
               "SELECT 1 FROM " + QuotedName(cls.className) + " WHERE " + keyColumn(cls) + " = ?",
               {key})
        .isValid();
}

qint32 TServerData::NextKey(const TClassModel& cls) {
    // Only integers count: a key stored as a text before the model changed holds no number.
    const QString key = keyColumn(cls);
    const qint64 largest =
        firstValue("SELECT coalesce(max(" + key + "), 0) FROM " + QuotedName(cls.className) +
                       " WHERE typeof(" + key + ") = 'integer'",
                   {})
            .toLongLong();
    return largest < std::numeric_limits<qint32>::max() ? static_cast<qint32>(largest + 1) : 0;
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
                                  const QVariant& value) {
    return firstValue("SELECT " + keyColumn(owner) + " FROM " + QuotedName(owner.className) +
                          " WHERE " + QuotedName(member.name()) + " = ? LIMIT 1",
                      {value});
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
    while (query.next()) {
        Row row;
        for (qsizetype i = 0; i < cls.members.size(); ++i) {
            row.append(query.value(static_cast<int>(i)));
        }
        rows.append(row);
    }
    return rows;
}

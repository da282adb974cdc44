#include "store/DbHelper.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlRecord>
#include <atomic>
#include <memory>

namespace {

const char* const kSchema[] = {
    "CREATE TABLE IF NOT EXISTS t_project (projectId INTEGER PRIMARY KEY AUTOINCREMENT, "
    "projectName TEXT NOT NULL)",
    "CREATE TABLE IF NOT EXISTS t_class (classId INTEGER PRIMARY KEY AUTOINCREMENT, "
    "projectId INTEGER NOT NULL, className TEXT NOT NULL, friendName TEXT NOT NULL, "
    "frontShowFlag INTEGER NOT NULL DEFAULT 0)",
    "CREATE TABLE IF NOT EXISTS t_member (memberId INTEGER PRIMARY KEY AUTOINCREMENT, "
    "projectId INTEGER NOT NULL, classId INTEGER NOT NULL, memberName TEXT NOT NULL, "
    "memberType TEXT NOT NULL, memberLength INTEGER NOT NULL DEFAULT 0, "
    "memberIsPri INTEGER NOT NULL DEFAULT 0, memberComment TEXT NOT NULL DEFAULT '', "
    "memberIsMust INTEGER NOT NULL DEFAULT 0, memberIsInteger INTEGER NOT NULL DEFAULT 0, "
    "memberIsFloat INTEGER NOT NULL DEFAULT 0, queryFlag INTEGER NOT NULL DEFAULT 0, "
    "memberIsDisplay INTEGER NOT NULL DEFAULT 0, memberQueryDisplay INTEGER NOT NULL DEFAULT 1, "
    "androidDisplay INTEGER NOT NULL DEFAULT 0)",
};

// Write transactions of this process, which SQLite's data_version of a connection leaves out.
std::atomic<qint64> localWrites = 0;

QMutex storePathMutex;
QString storePath = QStringLiteral("projects.db");
bool storeReadOnly = false;

QString currentStorePath() {
    QMutexLocker lock(&storePathMutex);
    return storePath;
}

bool currentStoreReadOnly() {
    QMutexLocker lock(&storePathMutex);
    return storeReadOnly;
}

QString errorText(const QSqlError& error) {
    const QString text = error.text().trimmed();
    return text.isEmpty() ? QStringLiteral("工程库操作失败") : text;
}

std::unique_ptr<TSqliteConnection> openStoreFile(const QString& path, const QString& options) {
    try {
        return std::make_unique<TSqliteConnection>(path, options, errorText);
    } catch (const TError& error) {
        throw TError(QStringLiteral("无法打开工程库%1: %2").arg(path, error.message()));
    }
}

// This thread's connection to the store; closed when the thread ends.
struct ThreadConnection {
    std::unique_ptr<TSqliteConnection> connection;
    QString path;
    bool readOnly = false;

    ~ThreadConnection() {
        // At process exit Qt tears its registry down itself.
        if (QCoreApplication::instance() == nullptr) {
            (void)connection.release();
        }
    }
};
thread_local ThreadConnection threadConnection;

void createSchema(const TSqliteConnection& db) {
    for (const char* sql : kSchema) {
        db.Run({QString::fromLatin1(sql), {}});
    }
}

// Every table of the database with the names of its columns.
using TableColumns = QHash<QString, QStringList>;

TableColumns readTableColumns(const TSqliteConnection& db) {
    TableColumns tables;
    QSqlQuery query = db.Run({QStringLiteral("select name from sqlite_master where type='table' "
                                             "and name not like 'sqlite_%'"),
                              {}});
    while (db.NextRow(query)) {
        tables.insert(query.value(0).toString(), {});
    }
    for (auto table = tables.begin(); table != tables.end(); ++table) {
        const QString quoted = QString(table.key()).replace(u'"', QStringLiteral("\"\""));
        query = db.Run({QStringLiteral("pragma table_info(\"%1\")").arg(quoted), {}});
        while (db.NextRow(query)) {
            table.value().append(query.value(QStringLiteral("name")).toString());
        }
    }
    return tables;
}

// True when the database holds every table of the schema with every one of its columns.
bool holdsSchema(const TableColumns& tables) {
    const TSqliteConnection reference(QStringLiteral(":memory:"), QString(), errorText);
    createSchema(reference);
    const TableColumns expected = readTableColumns(reference);
    for (auto table = expected.cbegin(); table != expected.cend(); ++table) {
        const QStringList present = tables.value(table.key());
        for (const QString& column : table.value()) {
            if (!present.contains(column)) {
                return false;
            }
        }
    }
    return true;
}

TSqliteConnection& openThreadConnection(const QString& path, bool readOnly) {
    const QFileInfo file(path);
    const bool isNew = !file.exists() || file.size() == 0;
    if (readOnly && isNew) {
        throw TError(QStringLiteral("工程库%1不存在或是空文件，未做任何改动").arg(path));
    }
    threadConnection.connection = openStoreFile(
        path, readOnly ? QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000;QSQLITE_OPEN_READONLY")
                       : QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000"));
    threadConnection.path = path;
    threadConnection.readOnly = readOnly;
    if (isNew) {
        createSchema(*threadConnection.connection);
    }
    return *threadConnection.connection;
}

}  // namespace

void TDbHelper::SetStorePath(const QString& path, bool readOnly) {
    QMutexLocker lock(&storePathMutex);
    storePath = path;
    storeReadOnly = readOnly;
}

void TDbHelper::CreateStore(const QString& path) {
    const QFileInfo file(path);
    const QString refusal = QStringLiteral("%1 已存在且不是工程库，未做任何改动").arg(path);
    if (file.exists() && file.size() > 0) {
        QFile existing(path);
        if (!existing.open(QIODevice::ReadOnly) ||
            !existing.read(16).startsWith("SQLite format 3")) {
            throw TError(refusal);
        }
    }
    const std::unique_ptr<TSqliteConnection> store = openStoreFile(path, QString());
    const TableColumns tables = readTableColumns(*store);
    if (tables.isEmpty()) {
        createSchema(*store);
    } else if (!holdsSchema(tables)) {
        throw TError(refusal);
    }
}

void TDbHelper::CloseConnection() {
    threadConnection.connection.reset();
    threadConnection.path.clear();
}

TSqliteConnection& TDbHelper::connection() const {
    const QString path = currentStorePath();
    const bool readOnly = currentStoreReadOnly();
    if (threadConnection.connection != nullptr && threadConnection.path == path &&
        threadConnection.readOnly == readOnly && threadConnection.connection->IsOpen()) {
        return *threadConnection.connection;
    }
    CloseConnection();
    return openThreadConnection(path, readOnly);
}

QSqlDatabase TDbHelper::GetConnection() const {
    return connection().Database();
}

QSqlQuery TDbHelper::OpenQuery(const TStatement& statement) const {
    return connection().Run(statement);
}

void TDbHelper::ExecSql(const TStatement& statement) const {
    connection().Run(statement);
}

qint32 TDbHelper::ExecInsert(const TStatement& statement) const {
    return connection().Run(statement).lastInsertId().toInt();
}

void TDbHelper::ExecBatch(const QList<TStatement>& statements) const {
    WriteConsistently([&] {
        for (const TStatement& statement : statements) {
            ExecSql(statement);
        }
    });
}

// The write lock is taken when the transaction begins, so that reads inside the work never
// have to upgrade their lock while another writer waits.
void TDbHelper::WriteConsistently(const std::function<void()>& work) const {
    connection().InTransaction(QStringLiteral("BEGIN IMMEDIATE"), true, work);
    ++localWrites;
}

qint64 TDbHelper::ChangeCount() const {
    return connection().FirstValue({QStringLiteral("PRAGMA data_version"), {}}).toLongLong() +
           localWrites;
}

void TDbHelper::ReadConsistently(const std::function<void()>& reads) const {
    // Nothing is written: ending the transaction only releases the read lock.
    connection().InTransaction(QStringLiteral("BEGIN"), false, reads);
}

qint32 TDbHelper::QueryInt(const TStatement& statement) const {
    const QVariant value = connection().FirstValue(statement);
    return value.isValid() ? value.toInt() : -1;
}

QString TDbHelper::QueryString(const TStatement& statement) const {
    return connection().FirstValue(statement).toString();
}

std::optional<TStatement> ChangedColumnsUpdate(const char* table, const char* keyColumn, qint32 key,
                                               const QList<TColumnChange>& columns) {
    QStringList assignments;
    QVariantList values;
    for (const TColumnChange& change : columns) {
        if (change.entered != change.shown) {
            assignments.append(QLatin1String(change.column) + QStringLiteral("=?"));
            values.append(change.entered);
        }
    }
    if (assignments.isEmpty()) {
        return std::nullopt;
    }
    values.append(key);
    return TStatement{QStringLiteral("update %1 set %2 where %3=?")
                          .arg(QLatin1String(table), assignments.join(QLatin1Char(',')),
                               QLatin1String(keyColumn)),
                      values};
}

bool NextRow(QSqlQuery& query) {
    return NextRow(query, errorText);
}

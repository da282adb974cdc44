#include "store/DbHelper.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlRecord>
#include <QThread>
#include <atomic>

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

QMutex storePathMutex;
QString storePath = QStringLiteral("projects.db");
bool storeReadOnly = false;
std::atomic<int> connectionCounter{0};

QString currentStorePath() {
    QMutexLocker lock(&storePathMutex);
    return storePath;
}

bool currentStoreReadOnly() {
    QMutexLocker lock(&storePathMutex);
    return storeReadOnly;
}

// This thread's connection; removed from Qt's registry when the thread ends.
struct ThreadConnection {
    QString name;
    QString path;
    bool readOnly = false;

    void release() {
        if (name.isEmpty()) {
            return;
        }
        {
            QSqlDatabase db = QSqlDatabase::database(name, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(name);
        name.clear();
        path.clear();
    }
    ~ThreadConnection() {
        // At process exit Qt tears its registry down itself.
        if (QCoreApplication::instance() != nullptr) {
            release();
        }
    }
};
thread_local ThreadConnection threadConnection;

QString errorText(const QSqlError& error) {
    const QString text = error.text().trimmed();
    return text.isEmpty() ? QStringLiteral("工程库操作失败") : text;
}

void createSchema(QSqlDatabase& db) {
    QSqlQuery query(db);
    for (const char* sql : kSchema) {
        if (!query.exec(QString::fromLatin1(sql))) {
            throw TError(errorText(query.lastError()));
        }
    }
}

// A connection of its own for one piece of work, closed and removed when it goes.
struct ScopedConnection {
    explicit ScopedConnection(const QString& path)
        : name(QStringLiteral("quillmere-scoped-%1").arg(connectionCounter.fetch_add(1))) {
        db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        if (!db.open()) {
            const QString message =
                QStringLiteral("无法打开工程库%1: %2").arg(path, errorText(db.lastError()));
            release();
            throw TError(message);
        }
    }
    ~ScopedConnection() { release(); }
    ScopedConnection(const ScopedConnection&) = delete;
    ScopedConnection& operator=(const ScopedConnection&) = delete;

    void release() {
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(name);
    }

    QString name;
    QSqlDatabase db;
};

// Every table of the database with the names of its columns.
using TableColumns = QHash<QString, QStringList>;

TableColumns readTableColumns(QSqlDatabase& db) {
    TableColumns tables;
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral(
            "select name from sqlite_master where type='table' and name not like 'sqlite_%'"))) {
        throw TError(errorText(query.lastError()));
    }
    while (NextRow(query)) {
        tables.insert(query.value(0).toString(), {});
    }
    for (auto table = tables.begin(); table != tables.end(); ++table) {
        const QString quoted = QString(table.key()).replace(u'"', QStringLiteral("\"\""));
        if (!query.exec(QStringLiteral("pragma table_info(\"%1\")").arg(quoted))) {
            throw TError(errorText(query.lastError()));
        }
        while (NextRow(query)) {
            table.value().append(query.value(QStringLiteral("name")).toString());
        }
    }
    return tables;
}

// True when the database holds every table of the schema with every one of its columns.
bool holdsSchema(const TableColumns& tables) {
    ScopedConnection reference(QStringLiteral(":memory:"));
    createSchema(reference.db);
    const TableColumns expected = readTableColumns(reference.db);
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

QSqlDatabase openConnection(const QString& path, bool readOnly) {
    const QString name = QStringLiteral("quillmere-store-%1").arg(connectionCounter.fetch_add(1));
    const QFileInfo file(path);
    const bool isNew = !file.exists() || file.size() == 0;
    if (readOnly && isNew) {
        throw TError(QStringLiteral("工程库%1不存在或是空文件，未做任何改动").arg(path));
    }
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    db.setDatabaseName(path);
    db.setConnectOptions(readOnly
                             ? QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000;QSQLITE_OPEN_READONLY")
                             : QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000"));
    if (!db.open()) {
        const QString message =
            QStringLiteral("无法打开工程库%1: %2").arg(path, errorText(db.lastError()));
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(name);
        throw TError(message);
    }
    threadConnection.name = name;
    threadConnection.path = path;
    threadConnection.readOnly = readOnly;
    if (isNew) {
        createSchema(db);
    }
    return db;
}

// Transactions this thread has open (at most one; inner ones join it).
thread_local int openTransactions = 0;

// Runs the work in a transaction of this thread's connection, ended by a commit (or a rollback
// when commit is false or the work fails). Inside a transaction already open on this thread the
// work simply becomes part of it.
void inTransaction(QSqlDatabase db, const QString& begin, bool commit,
                   const std::function<void()>& work) {
    if (openTransactions > 0) {
        work();
        return;
    }
    QSqlQuery start(db);
    if (!start.exec(begin)) {
        throw TError(errorText(start.lastError()));
    }
    ++openTransactions;
    try {
        work();
    } catch (...) {
        --openTransactions;
        db.rollback();
        throw;
    }
    --openTransactions;
    if (!commit) {
        db.rollback();
    } else if (!db.commit()) {
        const QString message = errorText(db.lastError());
        db.rollback();
        throw TError(message);
    }
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
    ScopedConnection store(path);
    const TableColumns tables = readTableColumns(store.db);
    if (tables.isEmpty()) {
        createSchema(store.db);
    } else if (!holdsSchema(tables)) {
        throw TError(refusal);
    }
}

void TDbHelper::CloseConnection() {
    threadConnection.release();
}

QSqlDatabase TDbHelper::GetConnection() const {
    const QString path = currentStorePath();
    const bool readOnly = currentStoreReadOnly();
    if (!threadConnection.name.isEmpty()) {
        if (threadConnection.path == path && threadConnection.readOnly == readOnly) {
            QSqlDatabase db = QSqlDatabase::database(threadConnection.name, false);
            if (db.isOpen()) {
                return db;
            }
        }
        threadConnection.release();
    }
    return openConnection(path, readOnly);
}

QSqlQuery RunStatement(const QSqlDatabase& db, const TStatement& statement,
                       QString (*describe)(const QSqlError& error)) {
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.prepare(statement.sql)) {
        throw TError(describe(query.lastError()));
    }
    for (const QVariant& value : statement.values) {
        const bool nullText = value.typeId() == QMetaType::QString && value.toString().isNull();
        query.addBindValue(nullText ? QVariant(QLatin1String("")) : value);
    }
    if (!query.exec()) {
        throw TError(describe(query.lastError()));
    }
    return query;
}

QSqlQuery TDbHelper::OpenQuery(const TStatement& statement) const {
    return RunStatement(GetConnection(), statement, errorText);
}

void TDbHelper::ExecSql(const TStatement& statement) const {
    RunStatement(GetConnection(), statement, errorText);
}

qint32 TDbHelper::ExecInsert(const TStatement& statement) const {
    return RunStatement(GetConnection(), statement, errorText).lastInsertId().toInt();
}

void TDbHelper::ExecBatch(const QList<TStatement>& statements) const {
    WriteConsistently([&] {
        for (const TStatement& statement : statements) {
            RunStatement(GetConnection(), statement, errorText);
        }
    });
}

// The write lock is taken when the transaction begins, so that reads inside the work never
// have to upgrade their lock while another writer waits.
void TDbHelper::WriteConsistently(const std::function<void()>& work) const {
    inTransaction(GetConnection(), QStringLiteral("BEGIN IMMEDIATE"), true, work);
}

void TDbHelper::ReadConsistently(const std::function<void()>& reads) const {
    // Nothing is written: ending the transaction only releases the read lock.
    inTransaction(GetConnection(), QStringLiteral("BEGIN"), false, reads);
}

qint32 TDbHelper::QueryInt(const TStatement& statement) const {
    QSqlQuery query = OpenQuery(statement);
    return NextRow(query) ? query.value(0).toInt() : -1;
}

QString TDbHelper::QueryString(const TStatement& statement) const {
    QSqlQuery query = OpenQuery(statement);
    return NextRow(query) ? query.value(0).toString() : QString();
}

bool NextRow(QSqlQuery& query) {
    if (query.next()) {
        return true;
    }
    if (query.lastError().isValid()) {
        throw TError(errorText(query.lastError()));
    }
    return false;
}

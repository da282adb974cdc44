#include "store/SqliteConnection.h"

#include <atomic>

namespace {

std::atomic<int> connectionCounter{0};

}  // namespace

TSqliteConnection::TSqliteConnection(const QString& path, const QString& options,
                                     TSqlErrorText describe)
    : name_(QStringLiteral("quillmere-%1").arg(connectionCounter.fetch_add(1))),
      describe_(describe) {
    db_ = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
    db_.setDatabaseName(path);
    db_.setConnectOptions(options);
    if (!db_.open()) {
        const QString message = describe_(db_.lastError());
        close();
        throw TError(message);
    }
}

TSqliteConnection::~TSqliteConnection() {
    close();
}

void TSqliteConnection::close() {
    db_.close();
    db_ = QSqlDatabase();
    QSqlDatabase::removeDatabase(name_);
}

QSqlQuery TSqliteConnection::Run(const TStatement& statement) const {
    QSqlQuery query(db_);
    query.setForwardOnly(true);
    if (!query.prepare(statement.sql)) {
        throw TError(describe_(query.lastError()));
    }
    for (const QVariant& value : statement.values) {
        const bool nullText = value.typeId() == QMetaType::QString && value.toString().isNull();
        query.addBindValue(nullText ? QVariant(QLatin1String("")) : value);
    }
    if (!query.exec()) {
        throw TError(describe_(query.lastError()));
    }
    return query;
}

QVariant TSqliteConnection::FirstValue(const TStatement& statement) const {
    QSqlQuery query = Run(statement);
    return NextRow(query) ? query.value(0) : QVariant();
}

bool TSqliteConnection::NextRow(QSqlQuery& query) const {
    return ::NextRow(query, describe_);
}

void TSqliteConnection::InTransaction(const QString& begin, bool commit,
                                      const std::function<void()>& work) {
    if (openTransactions_ > 0) {
        work();
        return;
    }
    Run({begin, {}});
    ++openTransactions_;
    try {
        work();
    } catch (...) {
        --openTransactions_;
        db_.rollback();
        throw;
    }
    --openTransactions_;
    if (!commit) {
        db_.rollback();
    } else if (!db_.commit()) {
        const QString message = describe_(db_.lastError());
        db_.rollback();
        throw TError(message);
    }
}

bool NextRow(QSqlQuery& query, TSqlErrorText describe) {
    if (query.next()) {
        return true;
    }
    if (query.lastError().isValid()) {
        throw TError(describe(query.lastError()));
    }
    return false;
}

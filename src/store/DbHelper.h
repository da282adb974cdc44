#pragma once

#include <QList>
#include <QSqlQuery>
#include <QString>
#include <functional>
#include <optional>

#include "store/SqliteConnection.h"

// Runs statements on the store. Each thread gets its own connection to the same SQLite file;
// SQLite serializes writers and the busy timeout makes a second writer wait instead of failing.
// Every failure raises TError with the database's message.
class TDbHelper {
  public:
    // The store file every helper uses; set once at start-up (before any store operation). A
    // store opened for reading only is never created, given a schema or written: the file stays
    // exactly as it was, and a missing or empty file is an error.
    static void SetStorePath(const QString& path, bool readOnly = false);
    // Creates an empty store with the schema. An existing store is left as it is; any other
    // existing file (not SQLite, or SQLite without the store's tables) is refused untouched.
    static void CreateStore(const QString& path);
    // Closes this thread's connection (the next operation opens it again).
    static void CloseConnection();

    QSqlDatabase GetConnection() const;
    QSqlQuery OpenQuery(const TStatement& statement) const;
    void ExecSql(const TStatement& statement) const;
    // Runs an insert and answers the id the store gave the new row.
    qint32 ExecInsert(const TStatement& statement) const;
    // Runs the statements in one transaction; on any failure rolls back and raises the error.
    void ExecBatch(const QList<TStatement>& statements) const;
    // Runs the work (any store operations of this thread) in one write transaction: all it
    // writes is committed together, or nothing when it raises an error.
    void WriteConsistently(const std::function<void()>& work) const;
    // Runs the reads in one transaction, so they all see the same state of the store even
    // while another thread or process writes to it.
    void ReadConsistently(const std::function<void()>& reads) const;
    // A number that changes whenever the store may have changed: a commit of another connection
    // (SQLite's data_version, which leaves out the connection's own commits) or a write
    // transaction of this process.
    qint64 ChangeCount() const;
    // First column of the first row, or -1 / the empty text when there is no row.
    qint32 QueryInt(const TStatement& statement) const;
    QString QueryString(const TStatement& statement) const;

  private:
    // This thread's connection to the current store file, opened when needed.
    TSqliteConnection& connection() const;
};

// One column of a row as a dialog showed it and as the user left it.
struct TColumnChange {
    const char* column;
    QVariant shown;
    QVariant entered;
};

// "update TABLE set COLUMN=?,... where KEY=?" for the columns whose value the user changed, so
// that a column changed elsewhere meanwhile is not written back; nullopt when none changed.
std::optional<TStatement> ChangedColumnsUpdate(const char* table, const char* keyColumn, qint32 key,
                                               const QList<TColumnChange>& columns);

// Steps to the next row of a store query (see NextRow of SqliteConnection.h).
bool NextRow(QSqlQuery& query);

#pragma once

#include <QList>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <functional>

#include "common/Error.h"

// One SQL statement with its values, bound as parameters (never spliced into the text).
struct TStatement {
    QString sql;
    QVariantList values;
};

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
    // First column of the first row, or -1 / the empty text when there is no row.
    qint32 QueryInt(const TStatement& statement) const;
    QString QueryString(const TStatement& statement) const;
};

// Prepares and runs a statement on a connection, its values bound as parameters (a null text
// as the empty text, never SQL NULL), reading forward only. A failure raises TError with the
// message that describe makes of the database's error. The store and the development server's
// data file both run their statements through this.
QSqlQuery RunStatement(const QSqlDatabase& db, const TStatement& statement,
                       QString (*describe)(const QSqlError& error));

// Steps to the next row: false at the end of the rows; a failed read (a damaged page, a
// locked file) raises TError instead of ending the rows early.
bool NextRow(QSqlQuery& query);

#pragma once

#include <QSqlDatabase>
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

// Makes the text a user sees of a database error.
using TSqlErrorText = QString (*)(const QSqlError& error);

// A connection of its own to one SQLite file, closed and removed from Qt's registry when it
// goes. The project store and the development server's data file both run everything through
// it. Every failure raises TError with the text that describe makes of the database's error.
// One object is used by one thread.
class TSqliteConnection {
  public:
    // Opens the file (created when missing) with Qt's connect options for SQLite.
    TSqliteConnection(const QString& path, const QString& options, TSqlErrorText describe);
    ~TSqliteConnection();
    TSqliteConnection(const TSqliteConnection&) = delete;
    TSqliteConnection& operator=(const TSqliteConnection&) = delete;

    QSqlDatabase Database() const { return db_; }
    bool IsOpen() const { return db_.isOpen(); }

    // Prepares and runs a statement, its values bound as parameters (a null text as the empty
    // text, never SQL NULL), reading forward only.
    QSqlQuery Run(const TStatement& statement) const;
    // The first column of the first row, or an invalid value when there is no row.
    QVariant FirstValue(const TStatement& statement) const;
    bool NextRow(QSqlQuery& query) const;

    // Runs the work in one transaction opened with begin ("BEGIN", or "BEGIN IMMEDIATE" to take
    // the write lock at once), committed when it returns, rolled back when commit is false or
    // the work raises. Inside a transaction already open here the work simply joins it.
    void InTransaction(const QString& begin, bool commit, const std::function<void()>& work);

  private:
    void close();

    QString name_;
    QSqlDatabase db_;
    TSqlErrorText describe_;
    int openTransactions_ = 0;
};

// Steps to the next row: false at the end of the rows; a failed read (a damaged page, a
// locked file) raises TError instead of ending the rows early.
bool NextRow(QSqlQuery& query, TSqlErrorText describe);

#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>
#include <functional>

#include "generation/CodeModel.h"
#include "store/SqliteConnection.h"

// The development server's own SQLite file: one table per class of the model, one column per
// member, named as in the model. Values are stored as the wire carries them: integers (integer
// members, integer keys and references to them), reals (float members) and texts (everything
// else; dates in the timestamp text form). Columns have no type, so a value stays what it was
// stored as when its member changes type. Not thread-safe: one object is used by one thread.
class TServerData {
  public:
    // One value per member of the class, in member order.
    using Row = QVariantList;

    struct Condition {
        enum Kind { Equals, ContainsText, SameDay };
        const TMemberInfo* member;
        Kind kind;
        QVariant value;
    };

    // Opens the file (created when missing) and brings it up to the model: a missing table is
    // created, a missing column added; nothing is ever dropped, so the columns of removed
    // members keep their values. Refuses, untouched, a file that holds tables it did not make
    // (a project store, for instance), and data whose keys the model's key types would make
    // unreachable (a key that changed from integer to text or back).
    TServerData(const TProjectModel& project, const QString& path);
    TServerData(const TServerData&) = delete;
    TServerData& operator=(const TServerData&) = delete;

    // Runs work in one write transaction: committed when it returns, rolled back when it throws.
    void Write(const std::function<void()>& work);

    bool Exists(const TClassModel& cls, const QVariant& key);
    // One more than the largest integer key ever assigned in the class (1 at first), recorded
    // so that it is never assigned again; 0 when none is left.
    qint32 AssignKey(const TClassModel& cls);
    qint64 Count(const TClassModel& cls);
    void Insert(const TClassModel& cls, const Row& row);
    void Update(const TClassModel& cls, const Row& row);  // the row with the row's key
    void Remove(const TClassModel& cls, const QVariant& key);
    // The key of the first object of owner, other than the one with exceptKey (when valid),
    // whose member holds value; an invalid value when there is none.
    QVariant FirstHolder(const TClassModel& owner, const TMemberInfo& member, const QVariant& value,
                         const QVariant& exceptKey = QVariant());
    // The rows that meet every condition, by ascending key.
    QList<Row> Select(const TClassModel& cls, const QList<Condition>& conditions);

    // Records that the server made the picture folder with this identity (FileIdentity), the
    // one folder that --reset may delete.
    void RecordPictureFolder(const QString& identity);

  private:
    void bringUpToModel(const TProjectModel& project);
    void createTable(const QString& table, const QStringList& columns);
    void untypeColumns(const QString& table, const QStringList& columns);
    void checkKeys(const TClassModel& cls);
    QSqlQuery run(const QString& sql, const QVariantList& values);
    // The first column of the first row, or an invalid value when there is no row.
    QVariant firstValue(const QString& sql, const QVariantList& values);

    TSqliteConnection db_;
};

// The data file and the files SQLite keeps beside it.
QStringList DataFileAndCompanions(const QString& path);

// Refuses (TError) a data file or companion that is a link or no regular file, and a data file
// or folder this process cannot write, with the system's reason.
void CheckServerDataFile(const QString& path);

// Deletes the data file, the files SQLite keeps beside it and the picture folder, refusing
// (untouched) when the file is not the server's, one of them is a link or no regular file, or
// the picture folder is not the one the data file records as made by the server.
void ResetServerData(const QString& path, const QString& pictureFolder);

// A file's device and inode as text; empty when there is no such file (a link is not followed).
QString FileIdentity(const QString& path);

// Holds the data file for one server (an advisory lock on the file beside it with ".lock"
// appended, which holds the server's process id) until it goes. Throws TError naming the other
// server's process id when one holds it.
class TDataFileLock {
  public:
    explicit TDataFileLock(const QString& dataPath);
    ~TDataFileLock();
    TDataFileLock(const TDataFileLock&) = delete;
    TDataFileLock& operator=(const TDataFileLock&) = delete;

  private:
    int file_;
};

// Double quotes a table or column name for SQL.
QString QuotedName(const QString& name);

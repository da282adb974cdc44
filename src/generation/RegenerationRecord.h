#pragma once

#include <QByteArray>
#include <QFile>
#include <QHash>
#include <QString>

// What the last run made of each file of the output project, kept in a folder beside it: per
// file (by its path below the output project) the bytes the model produced, the base of the
// next run's three-way merge.
//
// A run notes each change in a journal before it touches the disk; at its end the journal,
// which by then lists every file, becomes the record by one rename. A journal left by a run that
// stopped halfway is read back entry by entry, trusting a change only where the disk shows that
// it was made; the result is made the record before the next run starts its own journal.
//
// Files "record" and "journal" share one format: a header line, then entries, each
// kind (1 byte) | path length (4) | path (UTF-8) | [base length (4) | base]
// | [disk length (4) | disk] | CRC-32 of all before it (4), numbers little-endian; the record
// ends with a trailer entry holding the number of entries.
class TRegenerationRecord {
  public:
    TRegenerationRecord(const QString& recordFolder, const QString& outputFolder);

    // Reads the record of the last run (and the journal of a run that stopped halfway) and
    // starts this run's journal. Answers why an existing record cannot be used (damaged, or
    // not a record of this program), in which case the run goes on as if there were none.
    QString Open();

    // The bases of the last run, by path.
    const QHash<QString, QByteArray>& Bases() const { return bases_; }

    // The file is about to get the base's bytes.
    void NoteWritten(const QString& path, const QByteArray& base);
    // The file is about to get other bytes (a merge of the user's changes) than the base.
    void NoteWrittenAs(const QString& path, const QByteArray& base, const QByteArray& disk);
    // The file stays as it is on disk; its base becomes the one given.
    void NoteKept(const QString& path, const QByteArray& base);
    // The file is about to be removed.
    void NoteRemoved(const QString& path);
    // Makes this run's journal the record.
    void Commit();

    enum Kind : char { kWritten = 'W', kWrittenAs = 'M', kKept = 'K', kRemoved = 'R', kEnd = 'E' };
    struct Entry {
        char kind = kKept;
        QString path;
        QByteArray base;
        QByteArray disk;
    };

  private:
    struct Writer {
        QFile file;
        quint32 entries = 0;
    };
    void apply(const QList<Entry>& entries, bool verify);
    void start(Writer& writer, const QString& path);
    void append(Writer& writer, const Entry& entry);
    // Ends the file with its trailer and renames it to the target.
    void finish(Writer& writer, const QString& target);
    void write(Writer& writer, const QByteArray& bytes);
    [[noreturn]] void fail(Writer& writer);

    QString recordPath_;
    QString journalPath_;
    QString outputFolder_;
    // The bases below point into these.
    QByteArray recordBytes_;
    QByteArray stoppedJournalBytes_;
    QHash<QString, QByteArray> bases_;
    Writer journal_;
    QByteArray entryBuffer_;
};

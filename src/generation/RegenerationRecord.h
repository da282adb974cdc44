#pragma once

#include <QByteArray>
#include <QCache>
#include <QFile>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <optional>

struct libdeflate_compressor;

// What the runs made of each file of the output project, kept in a folder beside it: per file
// (by its path below the output project) the versions the model produced, newest first. The
// newest is the base of the next run's three-way merge; a file equal to any of them holds no
// change of the user's. A version is known by the SHA-1 of its bytes; the bytes themselves are
// kept zlib-compressed, each once, in the object store "objects".
//
// The record and the journal name the project they belong to: a record of another project (a
// folder copied from a sibling) is no record of this one.
//
// A run notes each change in a journal before it touches the disk; at its end the journal,
// which by then lists every file, becomes the record by one rename. A journal left by a run that
// stopped halfway is read back entry by entry, trusting a change only where the disk shows that
// it was made; the result is made the record before the next run starts its own journal.
//
// Files "record" and "journal" share one format: a header line, then entries, each
// kind (1 byte) | path length (4) | path (UTF-8) | versions length (4) | ids of 20 bytes
// | [disk length (4) | id] | CRC-32 of all before it (4), numbers little-endian; the record
// ends with a trailer entry holding the number of entries. A project entry (kind 'P') holds the
// project's name in place of the path, and no ids; records without one are taken as this
// project's. (Records of format 1 held the bytes of the one version in place of the ids, and
// none for a removed file; they are taken over.)
// "objects" is a header line, then per version: id (20) | size (4) | dictionary id (20, zeros
// for none) | compressed size (4) | zlib data | CRC-32 of all before it in the entry (4). A version
// is compressed against the file's version before it (the dictionary), so that a small change takes
// little room. The store only grows during a run; a damaged end is cut off, and versions no file
// refers to any more are dropped at the end of a run when they take up a third of it. (Stores of
// format 1 had no dictionary ids; they are written anew.)
class TRegenerationRecord {
  public:
    TRegenerationRecord(const QString& recordFolder, const QString& outputFolder,
                        const QString& projectName);
    ~TRegenerationRecord();

    // Reads the record of the last run (and the journal of a run that stopped halfway) and
    // starts this run's journal. Answers why an existing record cannot be used (damaged, not a
    // record of this program or of another project), in which case the run goes on as if there
    // were none.
    QStringList Open();

    static QByteArray IdOf(const QByteArray& bytes);
    // The file's generated versions, newest first, or nullptr for a file the record does not
    // name. Files the last run removed keep theirs.
    const QList<QByteArray>* Versions(const QString& path) const;
    // Every file the record names.
    QList<QString> Paths() const { return versions_.keys(); }
    // The file was removed by the last run (or was not there), rather than made or kept.
    bool WasRemoved(const QString& path) const { return removed_.contains(path); }
    // The last run made the file: it is the run's to remove when the model no longer makes it.
    // A file the last run removed, or kept as the user's while the model no longer made it, is
    // not.
    bool MadeByLastRun(const QString& path) const {
        return versions_.contains(path) && !removed_.contains(path) && !stale_.contains(path);
    }
    // The bytes of a stored version, or nothing when the store has lost them.
    std::optional<QByteArray> Content(const QByteArray& id);

    // The file is about to get the bytes, its newest version.
    void NoteWritten(const QString& path, const QByteArray& bytes);
    // The file is about to get other bytes (a merge of the user's changes); the bytes are its
    // newest version.
    void NoteWrittenAs(const QString& path, const QByteArray& bytes, const QByteArray& disk);
    // The file stays as it is on disk; the bytes become its newest version.
    void NoteKept(const QString& path, const QByteArray& bytes);
    // The same, for a file whose new bytes are offered beside it: a run that stops before its
    // end has not shown the offer to the user, so the next run makes it again.
    void NoteOffered(const QString& path, const QByteArray& bytes);
    // The file stays as it is, and so do its versions.
    void NoteUnchanged(const QString& path);
    // The same, for a file the model no longer makes.
    void NoteStale(const QString& path);
    // The file is about to be removed, or is not there. Its last version stays in the record,
    // so that a run knows the file as removed should it come back.
    void NoteRemoved(const QString& path);
    // Makes this run's journal the record.
    void Commit();

    enum Kind : char {
        kWritten = 'W',
        kWrittenAs = 'M',
        kKept = 'K',
        kOffered = 'O',
        kRemoved = 'R',
        kStale = 'S',
        kProject = 'P',
        kEnd = 'E',
    };
    struct Entry {
        char kind = kKept;
        QString path;
        QList<QByteArray> versions;
        QByteArray disk;  // the id of the bytes written, for kWrittenAs
    };

    struct RawEntry;

    // How many versions of each file are kept.
    static constexpr int kMaxVersions = 16;

  private:
    struct Writer {
        QFile file;
        quint32 entries = 0;
    };
    struct Stored {
        qint64 offset = 0;  // of the compressed data in the object store
        quint32 size = 0;
        quint32 compressedSize = 0;
        QByteArray dictionary;  // the id of the version compressed against, or empty
    };
    // Garbage the object store may hold besides half the size of what is used.
    static constexpr qint64 kObjectsSlack = 16 * 1024;
    void openObjects();
    void rewriteObjects(const QByteArray& bytes);
    static QByteArray objectEntry(const QByteArray& id, quint32 size, const QByteArray& dictionary,
                                  const QByteArray& compressed);
    QByteArray store(const QByteArray& bytes, const QByteArray& earlier);
    QByteArray compressAlone(const QByteArray& bytes);
    int chainOf(const QByteArray& id) const;
    qsizetype lostVersions() const;
    QByteArray newestOf(const QString& path) const;
    void compactObjects();
    QList<Entry> takeOver(const QList<RawEntry>& raw, int format);
    void apply(const QList<Entry>& entries, bool verify);
    void knowUnconfirmed(const Entry& entry);
    void note(Entry entry);
    QList<QByteArray> withNewest(const QString& path, const QByteArray& id) const;
    char kindOf(const QString& path) const;
    void start(Writer& writer, const QString& path);
    void append(Writer& writer, const Entry& entry);
    // Ends the file with its trailer and renames it to the target.
    void finish(Writer& writer, const QString& target);
    void write(QFile& file, const QByteArray& bytes);
    [[noreturn]] void fail(const QFile& file);

    QString recordPath_;
    QString journalPath_;
    QString objectsPath_;
    QString outputFolder_;
    QString projectName_;
    // The versions of the last run, by path; then, as the run notes them, of this run.
    QHash<QString, QList<QByteArray>> versions_;
    QSet<QString> removed_;
    QSet<QString> stale_;
    QHash<QString, QList<QByteArray>> noted_;
    QHash<QByteArray, Stored> stored_;
    QFile objects_;
    libdeflate_compressor* compressor_ = nullptr;
    Writer journal_;
    QByteArray entryBuffer_;
    QStringList problems_;
    QCache<QByteArray, QByteArray> recentContent_{4 << 20};
};

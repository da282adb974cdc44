#include "generation/RegenerationRecord.h"

#include <libdeflate.h>
#include <zlib.h>

#include <QCryptographicHash>
#include <QSet>
#include <QtEndian>
#include <algorithm>

#include "common/Error.h"
#include "files/FileOperate.h"

// An entry as stored: in format 1 the blobs are a version's bytes, in format 2 ids.
struct TRegenerationRecord::RawEntry {
    char kind = 0;
    QString path;
    QByteArray versions;
    QByteArray disk;
};

namespace {

using RawEntry = TRegenerationRecord::RawEntry;

const QByteArray kHeaderStart = QByteArrayLiteral("Quillmere regeneration record ");
const QByteArray kHeader = kHeaderStart + "2\n";
const QByteArray kObjectsHeader1 = QByteArrayLiteral("Quillmere objects 1\n");
const QByteArray kObjectsHeader = QByteArrayLiteral("Quillmere objects 2\n");
constexpr qsizetype kIdSize = 20;
// An object's entry before its data: id | size | dictionary id | compressed size.
constexpr qsizetype kObjectHead = 2 * kIdSize + 8;
// A version is compressed against the one before it (zlib's window: its last 32 KiB) so that a
// small change takes little room; a chain of such versions is at most this long.
constexpr int kMaxChain = 16;
constexpr qsizetype kWindow = 32768;
const QByteArray kNoDictionary(kIdSize, '\0');

using Entry = TRegenerationRecord::Entry;

quint32 crcOf(const char* bytes, qsizetype size) {
    return static_cast<quint32>(
        crc32(0, reinterpret_cast<const Bytef*>(bytes), static_cast<uInt>(size)));
}

// A path below the output project, never one that leads out of it.
bool isSafePath(const QString& path) {
    if (path.isEmpty() || path.startsWith(QLatin1Char('/')) || path.contains(QLatin1Char('\\')) ||
        path.contains(QLatin1Char(':')) || path.contains(QChar(0))) {
        return false;
    }
    const QStringList parts = path.split(QLatin1Char('/'));
    return std::none_of(parts.begin(), parts.end(), [](const QString& part) {
        return part.isEmpty() || part == QLatin1String(".") || part == QLatin1String("..");
    });
}

// Reads entries in place: the blobs point into the bytes read.
class Reader {
  public:
    Reader(const QByteArray& bytes, qsizetype start) : bytes_(bytes), position_(start) {}

    bool atEnd() const { return position_ >= bytes_.size(); }
    qsizetype position() const { return position_; }
    const char* at(qsizetype position) const { return bytes_.constData() + position; }

    bool byte(char* value) {
        if (atEnd()) {
            return false;
        }
        *value = bytes_[position_++];
        return true;
    }
    bool number(quint32* value) {
        if (bytes_.size() - position_ < 4) {
            return false;
        }
        *value = qFromLittleEndian<quint32>(at(position_));
        position_ += 4;
        return true;
    }
    bool raw(qsizetype size, QByteArray* value) {
        if (bytes_.size() - position_ < size) {
            return false;
        }
        *value = QByteArray::fromRawData(at(position_), size);
        position_ += size;
        return true;
    }
    bool blob(QByteArray* value) {
        quint32 size = 0;
        return number(&size) && raw(size, value);
    }
    // The CRC that follows equals the one of everything from start on.
    bool checksum(qsizetype start) {
        const qsizetype end = position_;
        quint32 stored = 0;
        return number(&stored) && stored == crcOf(at(start), end - start);
    }

  private:
    const QByteArray& bytes_;
    qsizetype position_;
};

struct Parsed {
    int format = 0;
    QList<RawEntry> entries;
    QString project;        // empty when the file names none
    bool complete = false;  // ended by a trailer that counts every entry
    QString problem;        // why reading stopped before the end
};

bool readProject(Reader& reader, QString* project) {
    const qsizetype start = reader.position() - 1;
    QByteArray name;
    if (!reader.blob(&name) || !reader.checksum(start)) {
        return false;
    }
    *project = QString::fromUtf8(name);
    return true;
}

bool readEntry(Reader& reader, int format, char kind, RawEntry* entry) {
    const qsizetype start = reader.position() - 1;
    QByteArray path;
    entry->kind = kind;
    if (!reader.blob(&path)) {
        return false;
    }
    entry->path = QString::fromUtf8(path);
    if (!isSafePath(entry->path)) {
        return false;
    }
    if ((format > 1 || kind != TRegenerationRecord::kRemoved) && !reader.blob(&entry->versions)) {
        return false;
    }
    if (kind == TRegenerationRecord::kWrittenAs && !reader.blob(&entry->disk)) {
        return false;
    }
    return reader.checksum(start);
}

Parsed parse(const QByteArray& bytes) {
    Parsed parsed;
    const qsizetype headerEnd = bytes.indexOf('\n') + 1;
    if (bytes.startsWith(kHeaderStart) && headerEnd == kHeader.size()) {
        parsed.format = bytes.mid(kHeaderStart.size(), 1).toInt();
    }
    if (parsed.format != 1 && parsed.format != 2) {
        parsed.problem = QStringLiteral("不是本程序的生成记录");
        return parsed;
    }
    Reader reader(bytes, headerEnd);
    while (!reader.atEnd()) {
        const qsizetype start = reader.position();
        char kind = 0;
        reader.byte(&kind);
        if (kind == TRegenerationRecord::kEnd) {
            quint32 count = 0;
            const qsizetype entries = parsed.entries.size() + (parsed.project.isEmpty() ? 0 : 1);
            parsed.complete = reader.number(&count) && reader.checksum(start) && count == entries &&
                              reader.atEnd();
            break;
        }
        if (kind == TRegenerationRecord::kProject) {
            if (!parsed.project.isEmpty() || !readProject(reader, &parsed.project)) {
                break;
            }
            continue;
        }
        RawEntry entry;
        const bool known =
            kind == TRegenerationRecord::kWritten || kind == TRegenerationRecord::kWrittenAs ||
            kind == TRegenerationRecord::kKept || kind == TRegenerationRecord::kOffered ||
            kind == TRegenerationRecord::kRemoved || kind == TRegenerationRecord::kStale;
        if (!known || !readEntry(reader, parsed.format, kind, &entry)) {
            break;
        }
        parsed.entries.append(entry);
    }
    if (!parsed.complete) {
        parsed.problem = QStringLiteral("内容不完整或已损坏");
    }
    return parsed;
}

QList<QByteArray> idsIn(const QByteArray& blob) {
    QList<QByteArray> ids;
    for (qsizetype at = 0; at + kIdSize <= blob.size(); at += kIdSize) {
        ids.append(QByteArray(blob.constData() + at, kIdSize));  // a copy: the blob is borrowed
    }
    return ids;
}

void appendNumber(QByteArray& bytes, quint32 value) {
    char little[4];
    qToLittleEndian(value, little);
    bytes.append(little, 4);
}

void appendBlob(QByteArray& bytes, const QByteArray& blob) {
    appendNumber(bytes, static_cast<quint32>(blob.size()));
    bytes.append(blob);
}

}  // namespace

TRegenerationRecord::TRegenerationRecord(const QString& recordFolder, const QString& outputFolder,
                                         const QString& projectName)
    : recordPath_(recordFolder + QStringLiteral("/record")),
      journalPath_(recordFolder + QStringLiteral("/journal")),
      objectsPath_(recordFolder + QStringLiteral("/objects")),
      outputFolder_(outputFolder),
      projectName_(projectName) {}

TRegenerationRecord::~TRegenerationRecord() {
    libdeflate_free_compressor(compressor_);
}

QByteArray TRegenerationRecord::IdOf(const QByteArray& bytes) {
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha1);
}

QStringList TRegenerationRecord::Open() {
    openObjects();
    const bool storeDamaged = !problems_.isEmpty();
    QString problem;
    if (const auto bytes = TFileOperate::ReadBytes(recordPath_)) {
        const Parsed record = parse(*bytes);
        if (record.complete && !record.project.isEmpty() && record.project != projectName_) {
            problem = QStringLiteral(
                          "生成记录%1属于另一个项目\"%2\"，无法确认哪些文件是你修改过的：与新内容"
                          "不同的文件都保留，新内容作为冲突给出")
                          .arg(recordPath_, record.project);
        } else if (record.complete) {
            // Every change of a complete record was made.
            apply(takeOver(record.entries, record.format), false);
        } else {
            problem = QStringLiteral(
                          "生成记录%1%2，无法确认哪些文件是你修改过的：与新内容不同的文件都保留，"
                          "新内容作为冲突给出")
                          .arg(recordPath_, record.problem);
        }
    }
    if (const auto journal = TFileOperate::ReadBytes(journalPath_)) {
        const Parsed stopped = parse(*journal);
        if (stopped.project.isEmpty() || stopped.project == projectName_) {
            apply(takeOver(stopped.entries, stopped.format), true);
        }
        // What the disk confirmed becomes the record before this run's journal replaces the
        // stopped one.
        Writer recovered;
        start(recovered, recordPath_ + QStringLiteral(".new"));
        for (auto it = versions_.cbegin(); it != versions_.cend(); ++it) {
            append(recovered, {kindOf(it.key()), it.key(), it.value(), {}});
        }
        finish(recovered, recordPath_);
    }
    start(journal_, journalPath_);
    if (!problem.isEmpty()) {
        problems_.append(problem);
    }
    const qsizetype lost = lostVersions();
    if (lost > 0 && !storeDamaged) {
        problems_.append(QStringLiteral("生成记录的内容库%1缺少%2个版本(被删除或损坏)，"
                                        "你修改过的文件无法与这些版本合并，会整段作为冲突给出")
                             .arg(objectsPath_)
                             .arg(lost));
    }
    return problems_;
}

// How many versions the record names that the object store does not hold.
qsizetype TRegenerationRecord::lostVersions() const {
    QSet<QByteArray> lost;
    for (const QList<QByteArray>& versions : std::as_const(versions_)) {
        for (const QByteArray& id : versions) {
            if (!stored_.contains(id)) {
                lost.insert(id);
            }
        }
    }
    return lost.size();
}

// Reads the index of the object store and opens it for adding; a damaged end (a run stopped
// while adding) is cut off. A store of format 1 (no dictionaries) is written anew in format 2.
void TRegenerationRecord::openObjects() {
    objects_.setFileName(objectsPath_);
    const auto read = TFileOperate::ReadBytes(objectsPath_);
    const QByteArray bytes = read.value_or(QByteArray());
    const int format = bytes.startsWith(kObjectsHeader)    ? 2
                       : bytes.startsWith(kObjectsHeader1) ? 1
                                                           : 0;
    qsizetype validEnd = 0;
    if (format > 0) {
        Reader reader(bytes, kObjectsHeader.size());
        validEnd = reader.position();
        while (!reader.atEnd()) {
            const qsizetype start = reader.position();
            QByteArray id;
            QByteArray dictionary = kNoDictionary;
            QByteArray data;
            Stored stored;
            if (!reader.raw(kIdSize, &id) || !reader.number(&stored.size) ||
                (format == 2 && !reader.raw(kIdSize, &dictionary)) || !reader.blob(&data) ||
                !reader.checksum(start)) {
                break;
            }
            stored.compressedSize = static_cast<quint32>(data.size());
            stored.offset = reader.position() - 4 - data.size();
            if (dictionary != kNoDictionary) {
                stored.dictionary = QByteArray(dictionary.constData(), kIdSize);  // a copy
            }
            stored_.insert(QByteArray(id.constData(), id.size()), stored);
            validEnd = reader.position();
        }
    }
    if (read && validEnd < bytes.size()) {
        problems_.append(
            QStringLiteral("生成记录的内容库%1已损坏，损坏处起的版本已丢弃").arg(objectsPath_));
    }
    if (format == 1) {
        rewriteObjects(bytes);
        return;
    }
    if (!objects_.open(QIODevice::ReadWrite | QIODevice::Unbuffered) ||
        !objects_.resize(validEnd)) {
        fail(objects_);
    }
    objects_.seek(validEnd);
    if (validEnd == 0) {
        write(objects_, kObjectsHeader);
    }
}

// The objects of a store of format 1 (read into stored_ from its bytes) in a store of format 2.
void TRegenerationRecord::rewriteObjects(const QByteArray& bytes) {
    QFile rewritten(objectsPath_ + QStringLiteral(".new"));
    if (!rewritten.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) {
        fail(rewritten);
    }
    write(rewritten, kObjectsHeader);
    for (auto it = stored_.cbegin(); it != stored_.cend(); ++it) {
        write(rewritten, objectEntry(it.key(), it->size, QByteArray(),
                                     bytes.mid(it->offset, it->compressedSize)));
    }
    rewritten.close();
    TFileOperate::RenameOver(rewritten.fileName(), objectsPath_);
    stored_.clear();
    openObjects();
}

QByteArray TRegenerationRecord::objectEntry(const QByteArray& id, quint32 size,
                                            const QByteArray& dictionary,
                                            const QByteArray& compressed) {
    QByteArray entry;
    entry.reserve(kObjectHead + compressed.size() + 4);
    entry.append(id);
    appendNumber(entry, size);
    entry.append(dictionary.isEmpty() ? kNoDictionary : dictionary);
    appendBlob(entry, compressed);
    appendNumber(entry, crcOf(entry.constData(), entry.size()));
    return entry;
}

namespace {

// zlib's format, with the dictionary's bytes as the data that came before.
QByteArray compressAgainst(const QByteArray& bytes, const QByteArray& dictionary) {
    z_stream stream = {};
    if (deflateInit(&stream, Z_DEFAULT_COMPRESSION) != Z_OK) {
        throw TError(QStringLiteral("无法压缩生成记录的内容"));
    }
    QByteArray compressed(static_cast<qsizetype>(deflateBound(&stream, bytes.size())),
                          Qt::Uninitialized);
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.constData()));
    stream.avail_in = static_cast<uInt>(bytes.size());
    stream.next_out = reinterpret_cast<Bytef*>(compressed.data());
    stream.avail_out = static_cast<uInt>(compressed.size());
    const bool done =
        deflateSetDictionary(&stream, reinterpret_cast<const Bytef*>(dictionary.constData()),
                             static_cast<uInt>(dictionary.size())) == Z_OK &&
        deflate(&stream, Z_FINISH) == Z_STREAM_END;
    compressed.truncate(static_cast<qsizetype>(stream.total_out));
    deflateEnd(&stream);
    if (!done) {
        throw TError(QStringLiteral("无法压缩生成记录的内容"));
    }
    return compressed;
}

std::optional<QByteArray> uncompressed(const QByteArray& compressed, quint32 size,
                                       const QByteArray& dictionary) {
    z_stream stream = {};
    if (inflateInit(&stream) != Z_OK) {
        return std::nullopt;
    }
    QByteArray bytes(size, Qt::Uninitialized);
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(compressed.constData()));
    stream.avail_in = static_cast<uInt>(compressed.size());
    stream.next_out = reinterpret_cast<Bytef*>(bytes.data());
    stream.avail_out = size;
    int result = inflate(&stream, Z_FINISH);
    if (result == Z_NEED_DICT &&
        inflateSetDictionary(&stream, reinterpret_cast<const Bytef*>(dictionary.constData()),
                             static_cast<uInt>(dictionary.size())) == Z_OK) {
        result = inflate(&stream, Z_FINISH);
    }
    const bool done = result == Z_STREAM_END && stream.total_out == size;
    inflateEnd(&stream);
    return done ? std::optional<QByteArray>(bytes) : std::nullopt;
}

}  // namespace

int TRegenerationRecord::chainOf(const QByteArray& id) const {
    int length = 0;
    for (QByteArray at = stored_.value(id).dictionary; !at.isEmpty() && length <= kMaxChain;
         at = stored_.value(at).dictionary) {
        ++length;
    }
    return length;
}

// Adds the bytes to the object store unless they are there; answers their id. The bytes are
// compressed against the earlier version when there is one.
QByteArray TRegenerationRecord::store(const QByteArray& bytes, const QByteArray& earlier) {
    QByteArray id = IdOf(bytes);
    if (stored_.contains(id)) {
        return id;
    }
    QByteArray dictionary;
    QByteArray compressed;
    if (stored_.contains(earlier) && chainOf(earlier) < kMaxChain) {
        if (const auto before = Content(earlier)) {
            compressed = compressAgainst(bytes, before->right(kWindow));
            dictionary = earlier;
        }
    }
    if (dictionary.isEmpty()) {
        compressed = compressAlone(bytes);
    }
    const qint64 offset = objects_.pos() + kObjectHead;
    write(objects_, objectEntry(id, static_cast<quint32>(bytes.size()), dictionary, compressed));
    stored_.insert(id, {offset, static_cast<quint32>(bytes.size()),
                        static_cast<quint32>(compressed.size()), dictionary});
    return id;
}

// zlib's format, at the fastest level: compressing is most of what keeping versions costs.
QByteArray TRegenerationRecord::compressAlone(const QByteArray& bytes) {
    if (compressor_ == nullptr) {
        compressor_ = libdeflate_alloc_compressor(1);
        if (compressor_ == nullptr) {
            throw TError(QStringLiteral("无法压缩生成记录的内容: 内存不足"));
        }
    }
    const size_t bound =
        libdeflate_zlib_compress_bound(compressor_, static_cast<size_t>(bytes.size()));
    QByteArray compressed(static_cast<qsizetype>(bound), Qt::Uninitialized);
    const size_t size =
        libdeflate_zlib_compress(compressor_, bytes.constData(), static_cast<size_t>(bytes.size()),
                                 compressed.data(), bound);
    if (size == 0) {
        throw TError(QStringLiteral("无法压缩生成记录的内容"));
    }
    compressed.truncate(static_cast<qsizetype>(size));
    return compressed;
}

std::optional<QByteArray> TRegenerationRecord::Content(const QByteArray& id) {
    const auto found = stored_.constFind(id);
    if (found == stored_.cend()) {
        return std::nullopt;
    }
    // A version's dictionaries are the versions before it, which are read next.
    if (const QByteArray* known = recentContent_.object(id)) {
        return *known;
    }
    const Stored stored = *found;
    const qint64 end = objects_.pos();
    objects_.seek(stored.offset);
    const QByteArray compressed = objects_.read(stored.compressedSize);
    objects_.seek(end);
    QByteArray dictionary;
    if (!stored.dictionary.isEmpty()) {
        const auto before = chainOf(id) <= kMaxChain ? Content(stored.dictionary) : std::nullopt;
        if (!before) {
            return std::nullopt;
        }
        dictionary = before->right(kWindow);
    }
    auto bytes = compressed.size() == stored.compressedSize
                     ? uncompressed(compressed, stored.size, dictionary)
                     : std::nullopt;
    if (!bytes || IdOf(*bytes) != id) {
        return std::nullopt;
    }
    recentContent_.insert(id, new QByteArray(*bytes), static_cast<qsizetype>(bytes->size()));
    return bytes;
}

// The entries with ids; the bytes of a format 1 entry are added to the object store.
QList<Entry> TRegenerationRecord::takeOver(const QList<RawEntry>& raw, int format) {
    QList<Entry> entries;
    for (const RawEntry& entry : raw) {
        Entry taken{entry.kind, entry.path, {}, {}};
        if (format == 1) {
            if (entry.kind != kRemoved) {
                taken.versions = {store(entry.versions, QByteArray())};
            }
            if (entry.kind == kWrittenAs) {
                taken.disk = IdOf(entry.disk);
            }
        } else {
            taken.versions = idsIn(entry.versions);
            taken.disk = QByteArray(entry.disk.constData(), entry.disk.size());
            if (entry.versions.size() % kIdSize != 0 ||
                (entry.kind != kRemoved && taken.versions.isEmpty()) ||
                (entry.kind == kWrittenAs && taken.disk.size() != kIdSize)) {
                continue;
            }
        }
        entries.append(taken);
    }
    return entries;
}

// Entries of a complete record are all taken; those of a stopped run's journal (verify) only
// where the disk shows the change, so that a change noted but never made keeps the versions
// before it.
void TRegenerationRecord::apply(const QList<Entry>& entries, bool verify) {
    for (const Entry& entry : entries) {
        const QString file = outputFolder_ + QLatin1Char('/') + entry.path;
        bool made = !verify || entry.kind != kOffered;
        if (verify && entry.kind == kRemoved) {
            made = !QFile::exists(file);
        } else if (verify && (entry.kind == kWritten || entry.kind == kWrittenAs)) {
            const auto onDisk = TFileOperate::ReadBytes(file);
            made = onDisk &&
                   IdOf(*onDisk) == (entry.kind == kWritten ? entry.versions.first() : entry.disk);
        }
        if (!made) {
            if (entry.kind == kWritten || entry.kind == kWrittenAs) {
                knowUnconfirmed(entry);
            }
            continue;
        }
        if (entry.versions.isEmpty()) {
            versions_.remove(entry.path);
        } else {
            versions_.insert(entry.path, entry.versions);
        }
        if (entry.kind == kRemoved) {
            removed_.insert(entry.path);
        } else {
            removed_.remove(entry.path);
        }
        if (entry.kind == kStale) {
            stale_.insert(entry.path);
        } else {
            stale_.remove(entry.path);
        }
    }
}

// A write noted by a stopped run that the disk does not show: its generated content is known all
// the same, so that a file found holding it is no edit of the user's; a new file cut off while
// it was written in place is removed, as if the write had never begun.
void TRegenerationRecord::knowUnconfirmed(const Entry& entry) {
    const QByteArray& id = entry.versions.first();
    const QString file = outputFolder_ + QLatin1Char('/') + entry.path;
    if (entry.kind == kWritten && !versions_.contains(entry.path)) {
        const auto onDisk = TFileOperate::ReadBytes(file);
        const auto written = Content(id);
        if (onDisk && written && written->startsWith(*onDisk)) {
            TFileOperate::RemoveFile(file);
        }
    }
    QList<QByteArray>& known = versions_[entry.path];
    if (!known.contains(id) && known.size() < kMaxVersions) {
        known.append(id);
    }
}

const QList<QByteArray>* TRegenerationRecord::Versions(const QString& path) const {
    const auto found = versions_.constFind(path);
    return found == versions_.cend() ? nullptr : &*found;
}

QByteArray TRegenerationRecord::newestOf(const QString& path) const {
    const auto found = versions_.constFind(path);
    return found == versions_.cend() || found->isEmpty() ? QByteArray() : found->first();
}

QList<QByteArray> TRegenerationRecord::withNewest(const QString& path, const QByteArray& id) const {
    QList<QByteArray> versions = {id};
    for (const QByteArray& earlier : versions_.value(path)) {
        if (earlier != id && versions.size() < kMaxVersions) {
            versions.append(earlier);
        }
    }
    return versions;
}

void TRegenerationRecord::NoteWritten(const QString& path, const QByteArray& bytes) {
    note({kWritten, path, withNewest(path, store(bytes, newestOf(path))), {}});
}

void TRegenerationRecord::NoteWrittenAs(const QString& path, const QByteArray& bytes,
                                        const QByteArray& disk) {
    note({kWrittenAs, path, withNewest(path, store(bytes, newestOf(path))), IdOf(disk)});
}

void TRegenerationRecord::NoteKept(const QString& path, const QByteArray& bytes) {
    note({kKept, path, withNewest(path, store(bytes, newestOf(path))), {}});
}

void TRegenerationRecord::NoteOffered(const QString& path, const QByteArray& bytes) {
    note({kOffered, path, withNewest(path, store(bytes, newestOf(path))), {}});
}

void TRegenerationRecord::NoteUnchanged(const QString& path) {
    note({kKept, path, versions_.value(path), {}});
}

void TRegenerationRecord::NoteStale(const QString& path) {
    note({kStale, path, versions_.value(path), {}});
}

// Of a removed file only the last version made stays: what the file was when it went.
void TRegenerationRecord::NoteRemoved(const QString& path) {
    note({kRemoved, path, versions_.value(path).mid(0, 1), {}});
}

void TRegenerationRecord::note(Entry entry) {
    // Each entry reaches the journal before the change it notes is made.
    append(journal_, entry);
    noted_.insert(entry.path, std::move(entry.versions));
}

void TRegenerationRecord::Commit() {
    finish(journal_, recordPath_);
    compactObjects();
}

// Versions no file refers to any more (dropped from a file's history, or of a file no longer
// made), and that no such version was compressed against, are left behind in the store; once
// they take up a third of it, the store is written anew with the rest only.
void TRegenerationRecord::compactObjects() {
    QSet<QByteArray> used;
    qint64 usedBytes = 0;
    for (const QList<QByteArray>& versions : std::as_const(noted_)) {
        for (QByteArray id : versions) {
            while (!id.isEmpty() && !used.contains(id) && stored_.contains(id)) {
                used.insert(id);
                usedBytes += kObjectHead + 4 + stored_.value(id).compressedSize;
                id = stored_.value(id).dictionary;
            }
        }
    }
    if (objects_.size() <= usedBytes * 3 / 2 + kObjectsSlack) {
        return;
    }
    QFile compacted(objectsPath_ + QStringLiteral(".new"));
    if (!compacted.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) {
        fail(compacted);
    }
    write(compacted, kObjectsHeader);
    for (const QByteArray& id : std::as_const(used)) {
        const Stored& stored = stored_[id];
        objects_.seek(stored.offset - kObjectHead);
        write(compacted, objects_.read(kObjectHead + 4 + stored.compressedSize));
    }
    compacted.close();
    objects_.close();
    TFileOperate::RenameOver(compacted.fileName(), objectsPath_);
}

char TRegenerationRecord::kindOf(const QString& path) const {
    return removed_.contains(path) ? kRemoved : stale_.contains(path) ? kStale : kKept;
}

void TRegenerationRecord::start(Writer& writer, const QString& path) {
    writer.file.setFileName(path);
    writer.entries = 1;
    if (!writer.file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) {
        fail(writer.file);
    }
    QByteArray bytes = kHeader;
    bytes.append(kProject);
    appendBlob(bytes, projectName_.toUtf8());
    appendNumber(bytes, crcOf(bytes.constData() + kHeader.size(), bytes.size() - kHeader.size()));
    write(writer.file, bytes);
}

void TRegenerationRecord::append(Writer& writer, const Entry& entry) {
    QByteArray& bytes = entryBuffer_;
    bytes.clear();
    bytes.append(entry.kind);
    appendBlob(bytes, entry.path.toUtf8());
    appendBlob(bytes, entry.versions.join());
    if (entry.kind == kWrittenAs) {
        appendBlob(bytes, entry.disk);
    }
    appendNumber(bytes, crcOf(bytes.constData(), bytes.size()));
    write(writer.file, bytes);
    ++writer.entries;
}

void TRegenerationRecord::finish(Writer& writer, const QString& target) {
    QByteArray trailer(1, kEnd);
    appendNumber(trailer, writer.entries);
    appendNumber(trailer, crcOf(trailer.constData(), trailer.size()));
    write(writer.file, trailer);
    writer.file.close();
    TFileOperate::RenameOver(writer.file.fileName(), target);
}

void TRegenerationRecord::write(QFile& file, const QByteArray& bytes) {
    if (!TFileOperate::WriteAll(file, bytes)) {
        fail(file);
    }
}

void TRegenerationRecord::fail(const QFile& file) {
    throw TError(QStringLiteral("无法写入生成记录%1: %2").arg(file.fileName(), file.errorString()));
}

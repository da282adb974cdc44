#include "generation/RegenerationRecord.h"

#include <zlib.h>

#include <QtEndian>
#include <algorithm>

#include "common/Error.h"
#include "generation/FileOperate.h"

namespace {

const QByteArray kHeader = QByteArrayLiteral("Quillmere regeneration record 1\n");

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
    explicit Reader(const QByteArray& bytes) : bytes_(bytes), position_(kHeader.size()) {}

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
    bool blob(QByteArray* value) {
        quint32 size = 0;
        if (!number(&size) || static_cast<quint64>(bytes_.size() - position_) < size) {
            return false;
        }
        *value = QByteArray::fromRawData(at(position_), size);
        position_ += size;
        return true;
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
    QList<Entry> entries;
    bool complete = false;  // ended by a trailer that counts every entry
    QString problem;        // why reading stopped before the end
};

bool readEntry(Reader& reader, char kind, Entry* entry) {
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
    if (kind != TRegenerationRecord::kRemoved && !reader.blob(&entry->base)) {
        return false;
    }
    if (kind == TRegenerationRecord::kWrittenAs && !reader.blob(&entry->disk)) {
        return false;
    }
    return reader.checksum(start);
}

Parsed parse(const QByteArray& bytes) {
    Parsed parsed;
    if (!bytes.startsWith(kHeader)) {
        parsed.problem = QStringLiteral("不是本程序的生成记录");
        return parsed;
    }
    Reader reader(bytes);
    while (!reader.atEnd()) {
        const qsizetype start = reader.position();
        char kind = 0;
        reader.byte(&kind);
        if (kind == TRegenerationRecord::kEnd) {
            quint32 count = 0;
            parsed.complete = reader.number(&count) && reader.checksum(start) &&
                              count == parsed.entries.size() && reader.atEnd();
            break;
        }
        Entry entry;
        const bool known =
            kind == TRegenerationRecord::kWritten || kind == TRegenerationRecord::kWrittenAs ||
            kind == TRegenerationRecord::kKept || kind == TRegenerationRecord::kRemoved;
        if (!known || !readEntry(reader, kind, &entry)) {
            break;
        }
        parsed.entries.append(entry);
    }
    if (!parsed.complete) {
        parsed.problem = QStringLiteral("内容不完整或已损坏");
    }
    return parsed;
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

TRegenerationRecord::TRegenerationRecord(const QString& recordFolder, const QString& outputFolder)
    : recordPath_(recordFolder + QStringLiteral("/record")),
      journalPath_(recordFolder + QStringLiteral("/journal")),
      outputFolder_(outputFolder) {}

QString TRegenerationRecord::Open() {
    QString problem;
    if (const auto bytes = TFileOperate::ReadBytes(recordPath_)) {
        recordBytes_ = *bytes;
        const Parsed record = parse(recordBytes_);
        if (record.complete) {
            apply(record.entries, false);  // every change of a complete record was made
        } else {
            problem =
                QStringLiteral("生成记录%1%2，本次按没有记录生成").arg(recordPath_, record.problem);
        }
    }
    if (const auto journal = TFileOperate::ReadBytes(journalPath_)) {
        stoppedJournalBytes_ = *journal;
        apply(parse(stoppedJournalBytes_).entries, true);
        // What the disk confirmed becomes the record before this run's journal replaces the
        // stopped one.
        Writer recovered;
        start(recovered, recordPath_ + QStringLiteral(".new"));
        for (auto it = bases_.cbegin(); it != bases_.cend(); ++it) {
            append(recovered, {kKept, it.key(), it.value(), {}});
        }
        finish(recovered, recordPath_);
    }
    start(journal_, journalPath_);
    return problem;
}

void TRegenerationRecord::NoteWritten(const QString& path, const QByteArray& base) {
    append(journal_, {kWritten, path, base, {}});
}

void TRegenerationRecord::NoteWrittenAs(const QString& path, const QByteArray& base,
                                        const QByteArray& disk) {
    append(journal_, {kWrittenAs, path, base, disk});
}

void TRegenerationRecord::NoteKept(const QString& path, const QByteArray& base) {
    append(journal_, {kKept, path, base, {}});
}

void TRegenerationRecord::NoteRemoved(const QString& path) {
    append(journal_, {kRemoved, path, {}, {}});
}

void TRegenerationRecord::Commit() {
    finish(journal_, recordPath_);
}

// Entries of a complete record are all taken; those of a stopped run's journal (verify) only
// where the disk shows the change, so that a change noted but never made keeps the base before it.
void TRegenerationRecord::apply(const QList<Entry>& entries, bool verify) {
    for (const Entry& entry : entries) {
        const QString file = outputFolder_ + QLatin1Char('/') + entry.path;
        bool made = true;
        if (verify && entry.kind == kRemoved) {
            made = !QFile::exists(file);
        } else if (verify && entry.kind != kKept) {
            made =
                TFileOperate::ReadBytes(file) == (entry.kind == kWritten ? entry.base : entry.disk);
        }
        if (!made) {
            continue;
        }
        if (entry.kind == kRemoved) {
            bases_.remove(entry.path);
        } else {
            bases_.insert(entry.path, entry.base);
        }
    }
}

void TRegenerationRecord::start(Writer& writer, const QString& path) {
    writer.file.setFileName(path);
    writer.entries = 0;
    if (!writer.file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        fail(writer);
    }
    write(writer, kHeader);
}

void TRegenerationRecord::append(Writer& writer, const Entry& entry) {
    QByteArray& bytes = entryBuffer_;
    bytes.clear();
    bytes.append(entry.kind);
    appendBlob(bytes, entry.path.toUtf8());
    if (entry.kind != kRemoved) {
        appendBlob(bytes, entry.base);
    }
    if (entry.kind == kWrittenAs) {
        appendBlob(bytes, entry.disk);
    }
    appendNumber(bytes, crcOf(bytes.constData(), bytes.size()));
    // Each entry reaches the file before the change it notes is made.
    write(writer, bytes);
    ++writer.entries;
}

void TRegenerationRecord::finish(Writer& writer, const QString& target) {
    QByteArray trailer(1, kEnd);
    appendNumber(trailer, writer.entries);
    appendNumber(trailer, crcOf(trailer.constData(), trailer.size()));
    write(writer, trailer);
    writer.file.close();
    TFileOperate::RenameOver(writer.file.fileName(), target);
}

void TRegenerationRecord::write(Writer& writer, const QByteArray& bytes) {
    if (writer.file.write(bytes) != bytes.size() || !writer.file.flush()) {
        fail(writer);
    }
}

void TRegenerationRecord::fail(Writer& writer) {
    throw TError(QStringLiteral("无法写入生成记录%1: %2")
                     .arg(writer.file.fileName(), writer.file.errorString()));
}

#include "server/PictureFolder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QUuid>

#include "common/Error.h"

namespace {

struct PictureKind {
    const char* extension;
    const char* contentType;
    QByteArray signature;
    qsizetype offset;
};

const PictureKind kKinds[] = {
    {"jpg", "image/jpeg", QByteArray("\xFF\xD8\xFF"), 0},
    {"png", "image/png", QByteArray("\x89PNG\r\n\x1A\n"), 0},
    {"gif", "image/gif", QByteArray("GIF8"), 0},
    {"bmp", "image/bmp", QByteArray("BM"), 0},
    {"webp", "image/webp", QByteArray("WEBP"), 8},
};

const PictureKind* kindOfBytes(const QByteArray& bytes) {
    for (const PictureKind& kind : kKinds) {
        if (bytes.mid(kind.offset, kind.signature.size()) == kind.signature) {
            return &kind;
        }
    }
    return nullptr;
}

const PictureKind* kindOfName(const QString& fileName) {
    static const QRegularExpression safe(QStringLiteral("^[A-Za-z0-9_-]{1,100}\\.([a-z]{3,4})$"));
    const QRegularExpressionMatch match = safe.match(fileName);
    for (const PictureKind& kind : kKinds) {
        if (match.hasMatch() && match.captured(1) == QLatin1String(kind.extension)) {
            return &kind;
        }
    }
    return nullptr;
}

bool sameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// A regular file's bytes, read without following a link; nothing for a file that is one of
// the avoided ones. Opening (and closing) the data file would drop SQLite's locks on it.
std::optional<QByteArray> readRegularFile(const QString& path, const QStringList& avoided) {
    const QByteArray name = QFile::encodeName(path);
    struct stat status {};
    if (::lstat(name.constData(), &status) != 0 || !S_ISREG(status.st_mode)) {
        return std::nullopt;
    }
    for (const QString& other : avoided) {
        struct stat otherStatus {};
        if (::stat(QFile::encodeName(other).constData(), &otherStatus) == 0 &&
            sameFile(status, otherStatus)) {
            return std::nullopt;
        }
    }
    const int descriptor = ::open(name.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (descriptor < 0) {
        return std::nullopt;
    }
    QFile file;
    struct stat opened {};
    const bool same = ::fstat(descriptor, &opened) == 0 && sameFile(opened, status) &&
                      file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
    if (!same) {
        ::close(descriptor);
        return std::nullopt;
    }
    return file.readAll();
}

}  // namespace

TPictureFolder::TPictureFolder(const QString& folder, const QString& placeholder,
                               const QString& dataFile)
    : folder_(QDir(folder).absolutePath()), placeholder_(placeholder), dataFile_(dataFile) {
    if (!QDir().mkpath(folder_)) {
        throw TError(QStringLiteral("无法建立图片文件夹%1").arg(folder_));
    }
}

QString TPictureFolder::Store(const QByteArray& bytes) const {
    const PictureKind* kind = kindOfBytes(bytes);
    if (kind == nullptr) {
        throw TRequestError{415, QStringLiteral("上传的文件不是JPEG、PNG、GIF、BMP或WebP图片")};
    }
    const QString name =
        QUuid::createUuid().toString(QUuid::Id128) + QLatin1Char('.') + kind->extension;
    QFile file(QDir(folder_).filePath(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly) ||
        file.write(bytes) != bytes.size() || !file.flush()) {
        file.remove();
        throw TError(QStringLiteral("无法保存图片%1: %2").arg(file.fileName(), file.errorString()));
    }
    return QStringLiteral("upload/") + name;
}

std::optional<TAnswer> TPictureFolder::Find(const QString& fileName) const {
    const PictureKind* kind = kindOfName(fileName);
    if (kind == nullptr) {
        return std::nullopt;
    }
    const QStringList avoided = {dataFile_, dataFile_ + QStringLiteral("-wal"),
                                 dataFile_ + QStringLiteral("-shm"),
                                 dataFile_ + QStringLiteral("-journal")};
    const QString path = QDir(folder_).filePath(fileName);
    struct stat status {};
    const bool present = ::lstat(QFile::encodeName(path).constData(), &status) == 0;
    if (present) {
        const auto bytes = readRegularFile(path, avoided);
        return bytes ? std::optional(TAnswer{200, kind->contentType, *bytes}) : std::nullopt;
    }
    if (fileName == QLatin1String("noimage.jpg")) {
        if (const auto bytes = readRegularFile(placeholder_, avoided)) {
            const PictureKind* placeholderKind = kindOfBytes(*bytes);
            return TAnswer{200, placeholderKind ? placeholderKind->contentType : kind->contentType,
                           *bytes};
        }
    }
    return std::nullopt;
}

void TPictureFolder::Remove(const QString& folder) {
    struct stat status {};
    const QByteArray name = QFile::encodeName(folder);
    if (::lstat(name.constData(), &status) != 0) {
        return;
    }
    // A link (to a folder or not) goes itself; Qt deletes links inside without following them.
    const bool removed = S_ISDIR(status.st_mode) ? QDir(folder).removeRecursively()
                                                 : ::unlink(name.constData()) == 0;
    if (!removed) {
        throw TError(QStringLiteral("无法删除图片文件夹%1").arg(folder));
    }
}

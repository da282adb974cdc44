#include "server/PictureFolder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QRegularExpression>
#include <QUuid>
#include <cerrno>
#include <cstring>

#include "common/Error.h"
#include "generation/Protocol.h"
#include "server/ServerData.h"
#include "server/Servlets.h"

namespace {

struct PictureKind {
    const char* extension;
    const char* contentType;
    const char* format;  // Qt's name of the format
};

const PictureKind kKinds[] = {
    {"jpg", "image/jpeg", "jpeg"}, {"png", "image/png", "png"},    {"gif", "image/gif", "gif"},
    {"bmp", "image/bmp", "bmp"},   {"webp", "image/webp", "webp"},
};

// The kind of picture whose header Qt's image reader can decode, format and size; none for
// anything else (a file that only begins like a picture included).
const PictureKind* kindOfPicture(QIODevice& device) {
    QImageReader reader(&device);
    reader.setDecideFormatFromContent(true);
    const QByteArray format = reader.format();
    for (const PictureKind& kind : kKinds) {
        if (format == kind.format) {
            const QSize size = reader.size();
            return size.isValid() && !size.isEmpty() ? &kind : nullptr;
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

// A regular file opened for reading without following a link; nothing for a file that is one
// of the avoided ones. Opening (and closing) the data file would drop SQLite's locks on it.
std::optional<int> openRegularFile(const QString& path, const QStringList& avoided) {
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
    struct stat opened {};
    if (descriptor >= 0 && ::fstat(descriptor, &opened) == 0 && sameFile(opened, status)) {
        return descriptor;
    }
    if (descriptor >= 0) {
        ::close(descriptor);
    }
    return std::nullopt;
}

QString systemReason() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

// Writes the bytes to a new file; throws TError with the system's reason, leaving no file.
void writeNewFile(const QString& path, QByteArrayView bytes) {
    const QByteArray name = QFile::encodeName(path);
    const int descriptor = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    qsizetype written = 0;
    while (descriptor >= 0 && written < bytes.size()) {
        const ssize_t count = ::write(descriptor, bytes.data() + written,
                                      static_cast<size_t>(bytes.size() - written));
        if (count < 0 && errno != EINTR) {
            break;
        }
        written += std::max<ssize_t>(count, 0);
    }
    const bool closed = descriptor >= 0 && ::close(descriptor) == 0;
    if (written < bytes.size() || !closed) {
        const QString reason = systemReason();
        ::unlink(name.constData());
        throw TError(QStringLiteral("无法保存图片%1: %2").arg(path, reason));
    }
}

}  // namespace

TPictureFolder::TPictureFolder(const QString& folder, const QString& placeholder,
                               const QString& dataFile)
    : folder_(QDir(folder).absolutePath()), placeholder_(placeholder), dataFile_(dataFile) {
    struct stat status {};
    made_ = ::lstat(QFile::encodeName(folder_).constData(), &status) != 0;
    if (!QDir().mkpath(folder_)) {
        throw TError(QStringLiteral("无法建立图片文件夹%1").arg(folder_));
    }
}

QString TPictureFolder::Store(QByteArrayView bytes) const {
    QByteArray data = QByteArray::fromRawData(bytes.data(), bytes.size());
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    const PictureKind* kind = kindOfPicture(buffer);
    if (kind == nullptr) {
        throw TRequestError{RefusalSpec(TRefusal::NotAPicture).status,
                            RefusalText(TRefusal::NotAPicture)};
    }
    const QString name =
        QUuid::createUuid().toString(QUuid::Id128) + QLatin1Char('.') + kind->extension;
    writeNewFile(QDir(folder_).filePath(name), bytes);
    return protocol::kPicturePrefix + name;
}

std::optional<TStoredPicture> TPictureFolder::Find(const QString& fileName) const {
    const PictureKind* kind = kindOfName(fileName);
    if (kind == nullptr) {
        return std::nullopt;
    }
    const QStringList avoided = DataFileAndCompanions(dataFile_);
    const QString path = QDir(folder_).filePath(fileName);
    struct stat status {};
    if (::lstat(QFile::encodeName(path).constData(), &status) == 0) {
        const auto file = openRegularFile(path, avoided);
        return file ? std::optional(TStoredPicture{*file, kind->contentType}) : std::nullopt;
    }
    if (protocol::kPicturePrefix + fileName != protocol::kNoImage) {
        return std::nullopt;
    }
    const auto file = openRegularFile(placeholder_, avoided);
    if (!file) {
        return std::nullopt;
    }
    QFile placeholder;
    placeholder.open(::dup(*file), QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
    const PictureKind* placeholderKind = kindOfPicture(placeholder);
    ::lseek(*file, 0, SEEK_SET);
    return TStoredPicture{*file,
                          placeholderKind ? placeholderKind->contentType : kind->contentType};
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

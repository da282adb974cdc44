#include "server/PictureFolder.h"

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

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

TPictureFolder::TPictureFolder(const QString& folder, const QString& placeholder)
    : folder_(QDir(folder).absolutePath()), placeholder_(placeholder) {
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
    const QString path = QDir(folder_).filePath(fileName);
    if (QFile::exists(path)) {
        return TAnswer{200, kind->contentType, readFile(path)};
    }
    if (fileName == QLatin1String("noimage.jpg") && QFile::exists(placeholder_)) {
        const QByteArray bytes = readFile(placeholder_);
        const PictureKind* placeholderKind = kindOfBytes(bytes);
        return TAnswer{200, placeholderKind ? placeholderKind->contentType : kind->contentType,
                       bytes};
    }
    return std::nullopt;
}

#include "generation/FileOperate.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>
#include <vector>

#include "store/StoreError.h"

namespace {

void makeFolder(const QString& folder) {
    if (!QFileInfo::exists(folder) && !QDir().mkpath(folder)) {
        throw TError(QStringLiteral("无法创建文件夹%1").arg(folder));
    }
}

void writeBytes(const QString& folder, const QString& file, const QByteArray& bytes) {
    makeFolder(folder);
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(bytes) != bytes.size() ||
        !out.flush()) {
        throw TError(QStringLiteral("无法写入文件%1: %2").arg(file, out.errorString()));
    }
    out.close();
    if (out.error() != QFileDevice::NoError) {
        throw TError(QStringLiteral("无法写入文件%1: %2").arg(file, out.errorString()));
    }
}

constexpr quint32 kUnknown = 0;
constexpr quint32 kUnencodable = 0xFFFFFFFF;

// The GBK bytes of one character as a number (one or two bytes), or kUnencodable.
quint32 gbkCodeOf(QChar c) {
    if (c.isSurrogate()) {
        return kUnencodable;
    }
    QStringEncoder encoder("GBK");
    const QByteArray bytes = encoder.encode(QStringView(&c, 1));
    if (encoder.hasError() || bytes.isEmpty() || bytes.size() > 2) {
        return kUnencodable;
    }
    quint32 code = 0;
    for (const char byte : bytes) {
        code = (code << 8) | static_cast<quint8>(byte);
    }
    return code;
}

}  // namespace

QByteArray TFileOperate::EncodeGbk(const QString& text, const QString& fileForMessage) {
    // GBK keeps ASCII as it is and gives every other character of the basic plane at most two
    // bytes; those are looked up once per character and thread, since the converter itself is
    // by far the slowest step of writing a source.
    thread_local std::vector<quint32> known(0x10000, kUnknown);
    QByteArray bytes(text.size() * 2, Qt::Uninitialized);
    char* out = bytes.data();
    for (const QChar c : text) {
        const char16_t unit = c.unicode();
        if (unit < 0x80) {
            *out++ = static_cast<char>(unit);
            continue;
        }
        quint32& code = known[unit];
        if (code == kUnknown) {
            code = gbkCodeOf(c);
        }
        if (code == kUnencodable) {
            throw TError(
                QStringLiteral("文件%1含有GBK无法表示的字符，未能生成").arg(fileForMessage));
        }
        if (code > 0xFF) {
            *out++ = static_cast<char>(code >> 8);
        }
        *out++ = static_cast<char>(code & 0xFF);
    }
    bytes.truncate(out - bytes.data());
    return bytes;
}

void TFileOperate::WriteTextFile(const QString& folder, const QString& file, const QString& text) {
    writeBytes(folder, file, EncodeGbk(text, file));
}

void TFileOperate::WriteUtf8File(const QString& folder, const QString& file, const QString& text) {
    writeBytes(folder, file, QByteArray("\xEF\xBB\xBF") + text.toUtf8());
}

QString TFileOperate::ReadTextFile(const QString& file) {
    QFile in(file);
    if (!in.exists()) {
        return QString();
    }
    if (!in.open(QIODevice::ReadOnly)) {
        throw TError(QStringLiteral("无法读取模板文件%1: %2").arg(file, in.errorString()));
    }
    const QByteArray bytes = in.readAll();
    // GBK trail bytes never take the values of CR or LF, so lines can be split on bytes.
    QByteArray normalized;
    normalized.reserve(bytes.size() + bytes.size() / 16);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == '\r') {
            continue;
        }
        if (c == '\n') {
            normalized += "\r\n";
        } else {
            normalized += c;
        }
    }
    if (!normalized.isEmpty() && !normalized.endsWith("\r\n")) {
        normalized += "\r\n";
    }
    QStringDecoder decoder("GBK");
    QString text = decoder.decode(normalized);
    if (decoder.hasError()) {
        throw TError(QStringLiteral("模板文件%1不是GBK编码").arg(file));
    }
    return text;
}

bool TFileOperate::CopyFile(const QString& source, const QString& target) {
    // Only a missing source is skipped; a source that is there but is no plain file (a folder,
    // a device) fails before the target is touched.
    const QFileInfo sourceInfo(source);
    if (!sourceInfo.exists()) {
        return false;
    }
    const QString failure = QStringLiteral("无法复制文件%1到%2").arg(source, target);
    if (!sourceInfo.isFile()) {
        throw TError(failure);
    }
    if (QFileInfo::exists(target) && !QFile::remove(target)) {
        throw TError(QStringLiteral("无法替换文件%1").arg(target));
    }
    if (!QFile::copy(source, target)) {
        throw TError(failure);
    }
    return true;
}

bool TFileOperate::CopyDirectory(const QString& source, const QString& target, bool keepExisting) {
    const QDir sourceDir(source);
    if (!sourceDir.exists()) {
        throw TError(QStringLiteral("无法进入模板文件夹%1").arg(source));
    }
    makeFolder(target);
    const QFileInfoList entries = sourceDir.entryInfoList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo& entry : entries) {
        const QString targetPath = target + QLatin1Char('/') + entry.fileName();
        if (entry.isDir()) {
            CopyDirectory(entry.filePath(), targetPath, false);
        } else if (!(keepExisting && QFileInfo::exists(targetPath))) {
            CopyFile(entry.filePath(), targetPath);
        }
    }
    return true;
}

#include "generation/FileOperate.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <mutex>
#include <vector>

#include "common/Error.h"

namespace {

QString systemReason(const std::error_code& error) {
    return QString::fromLocal8Bit(error.message());
}

// A write that fails halfway (a full disk) removes what it wrote, so no cut-off file stays. The
// reason is taken before closing, which clears it.
void writeBytes(const QString& file, const QByteArray& bytes) {
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) {
        throw TError(QStringLiteral("无法写入文件%1: %2").arg(file, out.errorString()));
    }
    QString reason;
    if (!TFileOperate::WriteAll(out, bytes)) {
        reason = out.errorString();
    }
    out.close();
    if (reason.isEmpty() && out.error() != QFileDevice::NoError) {
        reason = out.errorString();
    }
    if (!reason.isEmpty()) {
        out.remove();
        throw TError(QStringLiteral("无法写入文件%1: %2").arg(file, reason));
    }
}

constexpr quint32 kUnknown = 0;
constexpr quint32 kUnencodable = 0xFFFFFFFF;

// Qt's GBK writes these as bytes that Java's GBK decoder (which compiles the sources) reads as
// another character or not at all: € as 80, U+F8F5 as FF, U+2295 as A892 (Java reads U+2641)
// and U+E76C as A2E3 (Java reads €). A round trip of every character of the basic plane through
// both converters finds exactly these four.
bool javaReadsOtherwise(QChar c) {
    return c == QChar(0x20AC) || c == QChar(0xF8F5) || c == QChar(0x2295) || c == QChar(0xE76C);
}

// The GBK bytes of one character as a number (one or two bytes), or kUnencodable when GBK cannot
// write it so that Java reads it back.
quint32 gbkCodeOf(QChar c) {
    if (c.isSurrogate() || javaReadsOtherwise(c)) {
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

// GBK keeps ASCII as it is and gives every other character of the basic plane at most two
// bytes; those are looked up once per character and thread, since the converter itself is by
// far the slowest step of writing a source.
quint32 knownGbkCodeOf(QChar c) {
    thread_local std::vector<quint32> known(0x10000, kUnknown);
    quint32& code = known[c.unicode()];
    if (code == kUnknown) {
        code = gbkCodeOf(c);
    }
    return code;
}

}  // namespace

qsizetype TFileOperate::FirstUnwritableGbk(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].unicode() >= 0x80 && knownGbkCodeOf(text[i]) == kUnencodable) {
            return i;
        }
    }
    return -1;
}

QByteArray TFileOperate::EncodeGbk(const QString& text, const QString& fileForMessage) {
    QByteArray bytes(text.size() * 2, Qt::Uninitialized);
    char* out = bytes.data();
    for (const QChar c : text) {
        const char16_t unit = c.unicode();
        if (unit < 0x80) {
            *out++ = static_cast<char>(unit);
            continue;
        }
        const quint32 code = knownGbkCodeOf(c);
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

QByteArray TFileOperate::EncodeUtf8WithBom(const QString& text) {
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

QByteArray TFileOperate::Encode(const QString& text, FileEncoding encoding,
                                const QString& fileForMessage) {
    switch (encoding) {
        case FileEncoding::Gbk:
            return EncodeGbk(text, fileForMessage);
        case FileEncoding::Utf8WithBom:
            return EncodeUtf8WithBom(text);
        case FileEncoding::Utf8:
            break;
    }
    return text.toUtf8();
}

namespace {

const QByteArray kBom = QByteArrayLiteral("\xEF\xBB\xBF");

bool isAscii(const QByteArray& bytes) {
    return std::all_of(bytes.cbegin(), bytes.cend(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

bool isUtf8(const QByteArray& bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder.decode(bytes);
    return !decoder.hasError();
}

}  // namespace

TFileOperate::TextForm TFileOperate::FormOf(const QByteArray& bytes, bool generatedInGbk) {
    TextForm form;
    form.bom = bytes.startsWith(kBom);
    form.utf8 = form.bom || (isAscii(bytes) ? !generatedInGbk : isUtf8(bytes));
    form.crlf = bytes.contains("\r\n");
    return form;
}

std::optional<QByteArray> TFileOperate::InForm(const QByteArray& generated, bool generatedInGbk,
                                               const TextForm& form) {
    if (generated.contains('\0')) {
        return std::nullopt;
    }
    const TextForm own = FormOf(generated, generatedInGbk);
    if (own.utf8 == form.utf8 && own.bom == form.bom && own.crlf == form.crlf) {
        return generated;
    }
    QStringDecoder decoder(own.utf8 ? "UTF-8" : "GBK");
    QString text = decoder.decode(own.bom ? generated.mid(kBom.size()) : generated);
    if (decoder.hasError()) {
        return std::nullopt;
    }
    if (own.crlf && !form.crlf) {
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    } else if (!own.crlf && form.crlf) {
        text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    }
    if (form.utf8) {
        return (form.bom ? kBom : QByteArray()) + text.toUtf8();
    }
    if (FirstUnwritableGbk(text) >= 0) {
        return std::nullopt;
    }
    return EncodeGbk(text, QString());
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

std::optional<QByteArray> TFileOperate::ReadBytes(const QString& file) {
    QFile in(file);
    if (in.open(QIODevice::ReadOnly)) {
        return in.readAll();
    }
    if (!QFileInfo::exists(file)) {
        return std::nullopt;
    }
    throw TError(QStringLiteral("无法读取文件%1: %2").arg(file, in.errorString()));
}

bool TFileOperate::WriteAll(QFile& file, const QByteArray& bytes) {
    qint64 written = 0;
    // A write cut short (a disk filling up) sets no reason; the next one fails with it.
    while (written < bytes.size()) {
        const qint64 now = file.write(bytes.constData() + written, bytes.size() - written);
        if (now <= 0) {
            return false;
        }
        written += now;
    }
    return file.flush();
}

void TFileOperate::WriteBytes(const QString& file, const QByteArray& bytes) {
    writeBytes(file, bytes);
}

void TFileOperate::ReplaceFile(const QString& file, const QByteArray& bytes,
                               const QString& scratchFile) {
    writeBytes(scratchFile, bytes);
    try {
        // The file keeps its permission bits (an executable script stays executable).
        std::error_code error;
        const auto permissions =
            std::filesystem::status(std::filesystem::path(file.toStdU16String()), error)
                .permissions();
        if (!error && permissions != std::filesystem::perms::unknown) {
            std::filesystem::permissions(std::filesystem::path(scratchFile.toStdU16String()),
                                         permissions, error);
            if (error) {
                throw TError(QStringLiteral("无法写入文件%1: %2").arg(file, systemReason(error)));
            }
        }
        RenameOver(scratchFile, file);
    } catch (const TError&) {
        QFile::remove(scratchFile);
        throw;
    }
}

void TFileOperate::RenameOver(const QString& from, const QString& to) {
    std::error_code error;
    std::filesystem::rename(std::filesystem::path(from.toStdU16String()),
                            std::filesystem::path(to.toStdU16String()), error);
    if (error) {
        throw TError(QStringLiteral("无法写入文件%1: %2").arg(to, systemReason(error)));
    }
}

void TFileOperate::RemoveFile(const QString& file) {
    QFile target(file);
    if (!target.remove() && target.exists()) {
        throw TError(QStringLiteral("无法删除文件%1: %2").arg(file, target.errorString()));
    }
}

void TFileOperate::MakeFolder(const QString& folder) {
    if (QFileInfo(folder).isDir()) {
        return;
    }
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(folder.toStdU16String()), error);
    if (error) {
        throw TError(QStringLiteral("无法创建文件夹%1: %2").arg(folder, systemReason(error)));
    }
}

QStringList TFileOperate::Missing(const QStringList& files, const QStringList& folders) {
    QStringList missing;
    for (const QString& file : files) {
        if (!QFileInfo(file).isFile()) {
            missing.append(file);
        }
    }
    for (const QString& folder : folders) {
        if (!QFileInfo(folder).isDir()) {
            missing.append(folder);
        }
    }
    return missing;
}

namespace {

void listTree(const QDir& root, const QString& folder, TFileOperate::Tree& tree) {
    const QFileInfoList entries = QDir(folder).entryInfoList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo& entry : entries) {
        if (entry.isDir()) {
            tree.folders.append(root.relativeFilePath(entry.filePath()));
            listTree(root, entry.filePath(), tree);
        } else {
            tree.files.append(root.relativeFilePath(entry.filePath()));
        }
    }
}

}  // namespace

TFileOperate::Tree TFileOperate::ListTree(const QString& folder) {
    const QDir root(folder);
    if (!root.exists()) {
        throw TError(QStringLiteral("无法进入模板文件夹%1").arg(folder));
    }
    Tree tree;
    listTree(root, folder, tree);
    return tree;
}

bool TFileOperate::WriteStream(std::FILE* stream, const QByteArray& bytes) {
    const size_t size = static_cast<size_t>(bytes.size());
    const bool written = std::fwrite(bytes.constData(), 1, size, stream) == size;
    return std::fflush(stream) == 0 && written && !std::ferror(stream);
}

namespace {
std::mutex printMutex;
QString printFailure;
}  // namespace

void TFileOperate::Print(std::FILE* stream, const QByteArray& bytes) {
    std::lock_guard lock(printMutex);
    if (!WriteStream(stream, bytes) && printFailure.isEmpty()) {
        printFailure =
            QStringLiteral("无法写入%1: %2")
                .arg(stream == stdout ? QStringLiteral("标准输出") : QStringLiteral("标准错误输出"),
                     QString::fromLocal8Bit(std::strerror(errno)));
    }
}

void TFileOperate::PrintLine(std::FILE* stream, const QString& line) {
    Print(stream, line.toUtf8() + '\n');
}

QString TFileOperate::OutputFailure() {
    std::lock_guard lock(printMutex);
    return printFailure;
}

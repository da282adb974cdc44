#include "files/Console.h"

#include <cerrno>
#include <cstring>
#include <mutex>

namespace {
std::mutex printMutex;
QString printFailure;
}  // namespace

bool TConsole::WriteStream(std::FILE* stream, const QByteArray& bytes) {
    const size_t size = static_cast<size_t>(bytes.size());
    const bool written = std::fwrite(bytes.constData(), 1, size, stream) == size;
    return std::fflush(stream) == 0 && written && !std::ferror(stream);
}

void TConsole::Print(std::FILE* stream, const QByteArray& bytes) {
    std::lock_guard lock(printMutex);
    if (!WriteStream(stream, bytes) && printFailure.isEmpty()) {
        printFailure =
            QStringLiteral("无法写入%1: %2")
                .arg(stream == stdout ? QStringLiteral("标准输出") : QStringLiteral("标准错误输出"),
                     QString::fromLocal8Bit(std::strerror(errno)));
    }
}

void TConsole::PrintLine(std::FILE* stream, const QString& line) {
    Print(stream, line.toUtf8() + '\n');
}

QString TConsole::OutputFailure() {
    std::lock_guard lock(printMutex);
    return printFailure;
}

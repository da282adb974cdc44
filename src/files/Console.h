#pragma once

#include <QByteArray>
#include <QString>
#include <cstdio>

// Every line a command prints to standard output or error goes through here.
class TConsole {
  public:
    // Writes the bytes to a stream (standard output or error) and flushes it; false, with errno
    // set, when the stream did not take them all (a full disk, a closed pipe).
    static bool WriteStream(std::FILE* stream, const QByteArray& bytes);
    // Writes to standard output or error from any thread. The first write that fails is kept as
    // a message (OutputFailure), so a command can end with exit status 1 whatever else it did.
    static void Print(std::FILE* stream, const QByteArray& bytes);
    // The line as UTF-8, then a line end.
    static void PrintLine(std::FILE* stream, const QString& line);
    static QString OutputFailure();
};

#pragma once

#include <QByteArray>
#include <QString>

// All file access of a generation run. Every path is absolute (resolved against the app
// folder by the caller); the process's current directory is never used or changed.
// Failures raise TError naming the file.
class TFileOperate {
  public:
    // GBK bytes of the text, nothing added. A character GBK cannot encode is an error.
    static void WriteTextFile(const QString& folder, const QString& file, const QString& text);
    // EF BB BF, then the text as UTF-8; nothing added.
    static void WriteUtf8File(const QString& folder, const QString& file, const QString& text);
    // The GBK file's lines, each ended by CR LF (LF or CR LF end a line, a lone CR is dropped);
    // a missing file reads as the empty text.
    static QString ReadTextFile(const QString& file);
    // Copies the source tree into the target. With keepExisting, files directly in the target
    // that already exist stay as they are; deeper levels are always replaced. A source folder
    // that does not exist is an error.
    static bool CopyDirectory(const QString& source, const QString& target, bool keepExisting);
    // Replaces the target with a copy of the source; a missing source is skipped (false), any
    // other failure is an error.
    static bool CopyFile(const QString& source, const QString& target);

    static QByteArray EncodeGbk(const QString& text, const QString& fileForMessage);
};

#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdio>
#include <optional>

// All file access of a generation run. Every path is absolute (resolved against the app
// folder by the caller); the process's current directory is never used or changed.
// Failures raise TError naming the file.
class TFileOperate {
  public:
    // GBK bytes of the text as Java reads them back, nothing added. A character that GBK cannot
    // write so is an error.
    static QByteArray EncodeGbk(const QString& text, const QString& fileForMessage);
    // The index of the first character that EncodeGbk refuses, or -1.
    static qsizetype FirstUnwritableGbk(const QString& text);
    // EF BB BF, then the text as UTF-8; nothing added.
    static QByteArray EncodeUtf8WithBom(const QString& text);
    // The GBK file's lines, each ended by CR LF (LF or CR LF end a line, a lone CR is dropped);
    // a missing file reads as the empty text.
    static QString ReadTextFile(const QString& file);

    // The file's bytes, or nothing when there is no such file; a file that is there but cannot
    // be read (a folder, no permission) is an error.
    static std::optional<QByteArray> ReadBytes(const QString& file);
    // Writes the bytes into the file in place (its folder must exist).
    static void WriteBytes(const QString& file, const QByteArray& bytes);
    // Writes the bytes to the scratch file first and renames it over the file, so that the file
    // holds either its old or its new bytes, however the writing ends.
    static void ReplaceFile(const QString& file, const QByteArray& bytes,
                            const QString& scratchFile);
    // Renames the file over the target in one step, replacing it.
    static void RenameOver(const QString& from, const QString& to);
    static void RemoveFile(const QString& file);
    static void MakeFolder(const QString& folder);
    // Writes the bytes to a stream (standard output or error) and flushes it; false, with errno
    // set, when the stream did not take them all (a full disk, a closed pipe).
    static bool WriteStream(std::FILE* stream, const QByteArray& bytes);
    // Writes to standard output or error from any thread. The first write that fails is kept as
    // a message (OutputFailure), so a command can end with exit status 1 whatever else it did.
    static void Print(std::FILE* stream, const QByteArray& bytes);
    static void PrintLine(std::FILE* stream, const QString& line);
    static QString OutputFailure();

    // A folder tree: its subfolders and files, as paths relative to the folder, in name order
    // with each folder's entries after it (hidden entries included). A folder that does not
    // exist is an error.
    struct Tree {
        QStringList folders;
        QStringList files;
    };
    static Tree ListTree(const QString& folder);
};

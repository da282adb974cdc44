#pragma once

#include <QList>
#include <QString>

// Java sources are GBK bytes; layouts and the manifest are a UTF-8 byte-order mark plus UTF-8.
enum class FileEncoding { Gbk, Utf8WithBom };

// One file of the output project, built in memory by a generator.
struct TGeneratedFile {
    QString folder;    // below the output project, e.g. "src/com/mobileclient/domain"
    QString fileName;  // e.g. "Book.java"
    QString text;
    FileEncoding encoding = FileEncoding::Gbk;
    // What the progress line names, when it is not folder + "/" + fileName.
    QString progressName;

    static TGeneratedFile Java(const QString& package, const QString& fileName,
                               const QString& text) {
        return {QStringLiteral("src/com/mobileclient/") + package, fileName, text,
                FileEncoding::Gbk, QString()};
    }
    static TGeneratedFile Layout(const QString& fileName, const QString& text) {
        return {QStringLiteral("res/layout"), fileName, text, FileEncoding::Utf8WithBom, QString()};
    }
};

using TGeneratedFiles = QList<TGeneratedFile>;

#pragma once

#include <QList>
#include <QString>

// How a generated text becomes bytes: GBK (the client's Java sources), a UTF-8 byte-order mark
// plus UTF-8 (the client's layouts and manifest), or UTF-8 alone (the web backend's files).
enum class FileEncoding { Gbk, Utf8WithBom, Utf8 };

// One file of the output project, built in memory by a generator.
struct TGeneratedFile {
    QString folder;    // below the output project, e.g. "src/main/java/com/example"
    QString fileName;  // e.g. "Book.java"
    QString text;
    FileEncoding encoding = FileEncoding::Gbk;
    // What the progress line names, when it is not folder + "/" + fileName.
    QString progressName;
};

using TGeneratedFiles = QList<TGeneratedFile>;

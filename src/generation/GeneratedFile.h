#pragma once

#include <QList>
#include <QString>

#include "files/FileOperate.h"

// One file of the output project, built in memory by a generator.
struct TGeneratedFile {
    QString folder;    // below the output project, e.g. "src/main/java/com/example"
    QString fileName;  // e.g. "Book.java"
    QString text;
    // GBK for the client's Java sources, UTF-8 with its byte-order mark for the client's layouts
    // and manifest, UTF-8 alone for the web backend's files.
    FileEncoding encoding = FileEncoding::Gbk;
    // What the progress line names, when it is not folder + "/" + fileName.
    QString progressName;
};

using TGeneratedFiles = QList<TGeneratedFile>;

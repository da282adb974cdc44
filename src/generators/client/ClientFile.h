#pragma once

#include <QString>

#include "generation/GeneratedFile.h"

// A Java source of the client: GBK, below src/com/mobileclient/<package>.
inline TGeneratedFile ClientJavaFile(const QString& package, const QString& fileName,
                                     const QString& text) {
    return {QStringLiteral("src/com/mobileclient/") + package, fileName, text, FileEncoding::Gbk,
            QString()};
}

// A layout of the client: UTF-8 with its byte-order mark, in res/layout.
inline TGeneratedFile ClientLayoutFile(const QString& fileName, const QString& text) {
    return {QStringLiteral("res/layout"), fileName, text, FileEncoding::Utf8WithBom, QString()};
}

#pragma once

// Real pictures of the kinds the server takes, made with Qt's image writer (a GIF, which Qt
// does not write, from its bytes).

#include <QBuffer>
#include <QByteArray>
#include <QImage>

namespace testing {

inline QByteArray picture(const char* format, int side = 4) {
    if (qstrcmp(format, "gif") == 0) {
        return QByteArray::fromBase64(
            "R0lGODlhAQABAIAAAP///wAAACH5BAEAAAAALAAAAAABAAEAAAICRAEAOw==");
    }
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

}  // namespace testing

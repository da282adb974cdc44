#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "generation/CodeModel.h"

struct TServeSettings {
    QString bindAddress = QStringLiteral("127.0.0.1");
    int port = 8080;  // 0: a free port that the system picks
    // The data file; the pictures go to the folder "upload" beside it.
    QString dataPath;
    // The app folder, whose template project has the picture shown for objects without one.
    QString appFolder;
    // Start from empty data: the data file, the files SQLite keeps beside it and the pictures
    // are deleted first.
    bool reset = false;
    // A seed file's text, added before serving as add requests would, all or nothing.
    std::optional<QByteArray> seed;
};

// The development server of a project's generated client: below /JavaWebProject/ it answers
// <Class>Servlet for every class, "upload" and "upload/<picture>", as the generated services,
// list handlers and the template's HttpUtil and ImageService expect, and /JavaWebProject/ shows
// the data to a person in a browser. Prints where it listens, then one line per request (time,
// method, path, action, status, milliseconds, a refusal's reason) on standard output, and
// runs until SIGINT or SIGTERM, letting the requests in progress finish. Throws TError when the
// data file or the picture folder cannot be used, the address cannot be bound or the seed is
// refused.
void ServeProject(const TProjectModel& project, const TServeSettings& settings);

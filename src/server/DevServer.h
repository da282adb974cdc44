#pragma once

#include <QString>

#include "generation/CodeModel.h"

struct TServeSettings {
    QString bindAddress = QStringLiteral("127.0.0.1");
    int port = 8080;  // 0: a free port that the system picks
    // The data file; the pictures go to the folder "upload" beside it.
    QString dataPath;
    // The app folder, whose template project has the picture shown for objects without one.
    QString appFolder;
};

// The development server of a project's generated client: below /JavaWebProject/ it answers
// <Class>Servlet for every class, "upload" and "upload/<picture>", as the generated services,
// list handlers and the template's HttpUtil and ImageService expect. Prints where it listens,
// then one line per request (time, method, path, status, milliseconds) on standard output, and
// runs until SIGINT or SIGTERM, letting the requests in progress finish. Throws TError when the
// data file or the picture folder cannot be used or the address cannot be bound.
void ServeProject(const TProjectModel& project, const TServeSettings& settings);

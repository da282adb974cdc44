#include "generators/server/WebBackend.h"

namespace {

FileEncoding copiedBackendEncoding(const QString&) {
    return FileEncoding::Utf8;
}

void writeBackendFiles(const TProjectModel& project, const QString& appFolder,
                       TOutputProject& output, const TProgressSink& progress) {
    CopyTemplateProject(WebBackendTarget(), appFolder, output, progress);
    for (const TGeneratedFile& file : WebBackendFiles(project, appFolder)) {
        output.write(file);
    }
}

}  // namespace

const TOutputTarget& WebBackendTarget() {
    static const TOutputTarget target{
        QStringLiteral("JavaWebProject"),
        QStringLiteral("JavaWebProject"),
        QStringLiteral("bak/JavaWebProject"),
        {QStringLiteral("src")},
        {},
        {},
        &copiedBackendEncoding,
        &writeBackendFiles,
    };
    return target;
}

TGeneratedFiles WebBackendFiles(const TProjectModel&, const QString&) {
    return {};
}

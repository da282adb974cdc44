#include "generators/server/WebBackend.h"

#include "common/Error.h"
#include "files/FileOperate.h"
#include "generators/server/BackendJava.h"

namespace {

const QString kPomTemplate = QStringLiteral("template/JavaWebProject/pom.xml");

// The build file: the template with the project's name (XML-escaped) in place of $projectName$.
TGeneratedFile pomFile(const TProjectModel& project, const QString& appFolder) {
    const QString path = appFolder + QLatin1Char('/') + kPomTemplate;
    const std::optional<QByteArray> bytes = TFileOperate::ReadBytes(path);
    if (!bytes) {
        throw TError(QStringLiteral("无法读取模板%1").arg(path));
    }
    QString text = QString::fromUtf8(*bytes);
    text.replace(QStringLiteral("$projectName$"), project.projectName.toHtmlEscaped());
    return {QString(), QStringLiteral("pom.xml"), text, FileEncoding::Utf8, QString()};
}

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
        {kPomTemplate},
        &copiedBackendEncoding,
        &writeBackendFiles,
    };
    return target;
}

TGeneratedFiles WebBackendFiles(const TProjectModel& project, const QString& appFolder) {
    TGeneratedFiles files;
    for (const TClassModel& cls : project.classes) {
        files << BackendDomainFile(cls) << BackendDaoFile(project, cls)
              << BackendServletFile(project, cls);
    }
    files << BackendSchemaFile(project) << BackendProtocolFile() << BackendWebXml(project)
          << pomFile(project, appFolder);
    return files;
}

#include "generation/OutputProject.h"

#include "generation/FileOperate.h"

TOutputProject::TOutputProject(const QString& appFolder, const QString& projectName)
    : appFolder_(appFolder),
      relativeRoot_(QStringLiteral("projects/") + projectName + QStringLiteral("/安卓客户端")) {}

QString TOutputProject::absolutePath(const QString& relative) const {
    return appFolder_ + QLatin1Char('/') + relative;
}

QString TOutputProject::write(const TGeneratedFile& file) const {
    const QString folder =
        file.folder.isEmpty() ? relativeRoot_ : relativeRoot_ + QLatin1Char('/') + file.folder;
    const QString path = folder + QLatin1Char('/') + file.fileName;
    if (file.encoding == FileEncoding::Gbk) {
        TFileOperate::WriteTextFile(absolutePath(folder), absolutePath(path), file.text);
    } else {
        TFileOperate::WriteUtf8File(absolutePath(folder), absolutePath(path), file.text);
    }
    const QString named =
        file.progressName.isEmpty() ? path : folder + QLatin1Char('/') + file.progressName;
    return named + QStringLiteral("生成完成!");
}

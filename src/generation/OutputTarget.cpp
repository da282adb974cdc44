#include "generation/OutputTarget.h"

#include "common/Error.h"
#include "generation/FileOperate.h"

namespace {

QString below(const QString& folder, const QString& path) {
    return folder + QLatin1Char('/') + path;
}

void copyTemplateFolder(const QString& from, const QString& name, TOutputProject& output) {
    const TFileOperate::Tree tree = TFileOperate::ListTree(from);
    output.makeFolder(name);
    for (const QString& sub : tree.folders) {
        output.makeFolder(below(name, sub));
    }
    for (const QString& file : tree.files) {
        const QString path = below(from, file);
        const auto bytes = TFileOperate::ReadBytes(path);
        if (!bytes) {
            throw TError(QStringLiteral("模板文件%1在复制时消失了").arg(path));
        }
        output.copy(below(name, file), *bytes);
    }
}

}  // namespace

// The template project's root files are copied when they are there; everything else the run
// reads or copies it cannot do without.
QStringList MissingTemplateParts(const TOutputTarget& target, const QString& appFolder) {
    QStringList files;
    for (const QString& file : target.templateFiles) {
        files.append(below(appFolder, file));
    }
    QStringList folders;
    for (const QString& folder : target.templateFolders) {
        folders.append(below(below(appFolder, target.templateProject), folder));
    }
    return TFileOperate::Missing(files, folders);
}

void CopyTemplateProject(const TOutputTarget& target, const QString& appFolder,
                         TOutputProject& output, const TProgressSink& progress) {
    progress(QStringLiteral("正在移动资源文件。。。"));
    const QString source = below(appFolder, target.templateProject);
    for (const QString& folder : target.templateFolders) {
        copyTemplateFolder(below(source, folder), folder, output);
        progress(QStringLiteral("移动") + below(output.relativeRoot(), folder) +
                 QStringLiteral("文件夹完毕！"));
    }
    for (const QString& file : target.templateRootFiles) {
        if (const auto bytes = TFileOperate::ReadBytes(below(source, file))) {
            output.copy(file, *bytes);
        }
    }
    progress(QStringLiteral("移动资源文件完毕!"));
}

QStringList GenerateTarget(const TOutputTarget& target, const TProjectModel& project,
                           const QString& appFolder, TWriteMode mode,
                           const TProgressSink& progress) {
    const QStringList missing = MissingTemplateParts(target, appFolder);
    if (!missing.isEmpty()) {
        throw TError(QStringLiteral("模板项目不完整，未写入任何文件。缺少: %1")
                         .arg(missing.join(QStringLiteral("、"))));
    }
    TOutputProject output(appFolder, project.projectName, target, mode, progress);
    target.writeFiles(project, appFolder, output, progress);
    output.finish();
    return output.conflicts();
}

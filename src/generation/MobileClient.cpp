#include "generation/MobileClient.h"

#include <QStringList>

#include "common/Error.h"
#include "generation/CodeText.h"
#include "generation/FileOperate.h"
#include "generation/OutputProject.h"
#include "generation/TextForms.h"
#include "generators/MobileClientActivity.h"
#include "generators/MobileClientAdapter.h"
#include "generators/MobileClientDomain.h"
#include "generators/MobileClientLayout.h"
#include "generators/MobileClientListHandler.h"
#include "generators/MobileClientService.h"

namespace {

using ClassGenerator = TGeneratedFiles (*)(const TProjectModel&, const TClassModel&);

// The per-class generators in the order their files are written.
const ClassGenerator kClassGenerators[] = {
    &TMobileClientLayout::Generate,  &TMobileClientDomain::Generate,
    &TMobileClientService::Generate, &TMobileClientListHandler::Generate,
    &TMobileClientAdapter::Generate, &TMobileClientActivity::Generate,
};

const QString kTemplateRoot = QStringLiteral("/template/安卓客户端");
const QString kTemplateProject = QStringLiteral("/bak/安卓客户端");
const char* const kTemplateFolders[] = {".settings", "assets", "libs", "res", "src"};
const char* const kTemplateRootFiles[] = {".classpath", ".project", "ic_launcher-web.png",
                                          "proguard-project.txt", "project.properties"};

// The same entry for every class, comma-separated (no comma after the last).
QString joinPerClass(const TProjectModel& project,
                     const std::function<QString(const TClassModel&)>& entry) {
    QStringList entries;
    for (const TClassModel& cls : project.classes) {
        entries.append(entry(cls));
    }
    return entries.join(QLatin1Char(','));
}

}  // namespace

QString TMobileClient::ManifestTemplatePath(const QString& appFolder) {
    return appFolder + kTemplateRoot + QStringLiteral("/AndroidManifest.xml");
}

QString TMobileClient::MainMenuTemplatePath(const QString& appFolder) {
    return appFolder + kTemplateRoot +
           QStringLiteral("/src/com/mobileclient/activity/MainMenuActivity.java");
}

TGeneratedFile TMobileClient::Manifest(const TProjectModel& project, const QString& templateText) {
    TCodeText activities;
    for (const TClassModel& cls : project.classes) {
        for (const char* suffix :
             {"ListActivity", "QueryActivity", "AddActivity", "EditActivity", "DetailActivity"}) {
            activities.line("        <activity android:name=\"" + cls.className +
                            QLatin1String(suffix) + "\"></activity>");
        }
    }
    QString text = templateText;
    text.replace(QStringLiteral("$activityString"), activities.text());
    return {QString(), QStringLiteral("AndroidManifest.xml"), text, FileEncoding::Utf8WithBom,
            QString()};
}

TGeneratedFile TMobileClient::MainMenu(const TProjectModel& project, const QString& templateText) {
    TCodeText first;
    first.line("        // 图片资源数组");
    first.line("        private Integer[] mThumbIds = {");
    first.line("                " + joinPerClass(project, [](const TClassModel&) {
                   return QStringLiteral("R.drawable.operateicon");
               }));
    first.line("        };");
    first.line("        private String[] menuString = {" +
               joinPerClass(project,
                            [](const TClassModel& cls) -> QString {
                                return "\"" + InJavaString(cls.friendName) + "管理\"";
                            }) +
               "};");

    TCodeText second;
    TCodeText third;
    for (qsizetype i = 0; i < project.classes.size(); ++i) {
        const TClassModel& cls = project.classes[i];
        second.lines({"\t\t\t\tcase " + QString::number(i) + ":",
                      "\t\t\t\t\t// " + InJavaComment(cls.friendName) + "管理监听器",
                      "\t\t\t\t\tview.setOnClickListener(" + cls.objectName() + "Linstener);",
                      "\t\t\t\t\tbreak;"});
        third.lines(
            {"    OnClickListener " + cls.objectName() + "Linstener = new OnClickListener() {",
             "\t\tpublic void onClick(View v) {", "\t\t\tIntent intent = new Intent();",
             "\t\t\t// 启动" + InJavaComment(cls.friendName) + "管理Activity",
             "\t\t\tintent.setClass(MainMenuActivity.this, " + cls.className +
                 "ListActivity.class);",
             "\t\t\tstartActivity(intent);", "\t\t}", "\t};"});
    }
    QString text = templateText;
    text.replace(QStringLiteral("$First"), first.text());
    text.replace(QStringLiteral("$Second"), second.text());
    text.replace(QStringLiteral("$Third"), third.text());
    TGeneratedFile file =
        TGeneratedFile::Java("activity", QStringLiteral("MainMenuActivity.java"), text);
    file.progressName = QStringLiteral("MainMenuActivity");
    return file;
}

TGeneratedFiles TMobileClient::ClassFiles(const TProjectModel& project, const TClassModel& cls) {
    TGeneratedFiles files;
    for (ClassGenerator generate : kClassGenerators) {
        files.append(generate(project, cls));
    }
    return files;
}

void TMobileClient::CopyTemplateProject(const QString& appFolder, TOutputProject& output,
                                        const TProgressSink& progress) {
    progress(QStringLiteral("正在移动资源文件。。。"));
    const QString source = appFolder + kTemplateProject;
    for (const char* folder : kTemplateFolders) {
        const QString name = QLatin1String(folder);
        const QString from = source + QLatin1Char('/') + name;
        const TFileOperate::Tree tree = TFileOperate::ListTree(from);
        output.makeFolder(name);
        for (const QString& sub : tree.folders) {
            output.makeFolder(name + QLatin1Char('/') + sub);
        }
        // Files directly in the folder that are already there stay, unless the record knows
        // them; deeper ones are replaced.
        for (const QString& file : tree.files) {
            const QString path = from + QLatin1Char('/') + file;
            const auto bytes = TFileOperate::ReadBytes(path);
            if (!bytes) {
                throw TError(QStringLiteral("模板文件%1在复制时消失了").arg(path));
            }
            output.copy(name + QLatin1Char('/') + file, *bytes, !file.contains(QLatin1Char('/')));
        }
        progress(QStringLiteral("移动") + output.relativeRoot() + QLatin1Char('/') + name +
                 QStringLiteral("文件夹完毕！"));
    }
    for (const char* file : kTemplateRootFiles) {
        // A root file missing from the template project is left out.
        if (const auto bytes =
                TFileOperate::ReadBytes(source + QLatin1Char('/') + QLatin1String(file))) {
            output.copy(QLatin1String(file), *bytes, false);
        }
    }
    progress(QStringLiteral("移动资源文件完毕!"));
}

QStringList TMobileClient::Generate(const TProjectModel& project, const QString& appFolder,
                                    TWriteMode mode, const TProgressSink& progress) {
    TOutputProject output(appFolder, project.projectName, mode, progress);
    output.write(Manifest(project, TFileOperate::ReadTextFile(ManifestTemplatePath(appFolder))));
    output.write(MainMenu(project, TFileOperate::ReadTextFile(MainMenuTemplatePath(appFolder))));
    CopyTemplateProject(appFolder, output, progress);
    for (const TClassModel& cls : project.classes) {
        // Each class's files are built in memory, then written one by one in order.
        for (const TGeneratedFile& file : ClassFiles(project, cls)) {
            output.write(file);
        }
    }
    output.finish();
    return output.conflicts();
}

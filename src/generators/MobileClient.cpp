#include "generators/MobileClient.h"

#include <QStringList>
#include <algorithm>

#include "common/Error.h"
#include "generation/FileOperate.h"
#include "generation/OutputProject.h"
#include "generation/Printer.h"
#include "generators/MobileClientActivity.h"
#include "generators/MobileClientAdapter.h"
#include "generators/MobileClientDomain.h"
#include "generators/MobileClientLayout.h"
#include "generators/MobileClientListHandler.h"
#include "generators/MobileClientService.h"

namespace {

using ClassGenerator = TGeneratedFiles (*)(const TClassCode&);

// The per-class generators in the order their files are written.
const ClassGenerator kClassGenerators[] = {
    &TMobileClientLayout::Generate,  &TMobileClientDomain::Generate,
    &TMobileClientService::Generate, &TMobileClientListHandler::Generate,
    &TMobileClientAdapter::Generate, &TMobileClientActivity::Generate,
};

const QString kTemplateRoot = QStringLiteral("/template/安卓客户端");
const QString kTemplateProject = QStringLiteral("/bak/安卓客户端");
const char* const kTemplateFolders[] = {".settings", "assets", "libs", "res", "src"};
// The Eclipse project files, then the Gradle settings (build.gradle is generated).
const char* const kTemplateRootFiles[] = {".classpath",          ".project",
                                          "ic_launcher-web.png", "proguard-project.txt",
                                          "project.properties",  "settings.gradle"};

// The same entry for every class, comma-separated (no comma after the last).
QString joinPerClass(const TProjectModel& project,
                     const std::function<QString(const TClassModel&)>& entry) {
    QStringList entries;
    for (const TClassModel& cls : project.classes) {
        entries.append(entry(cls));
    }
    return entries.join(QLatin1Char(','));
}

// A template file's text with each placeholder ("$First") replaced by the printed text, in one
// pass: the file's text becomes a printer template in which every other dollar sign is literal,
// so the inserted texts, which hold the user's words, are never searched for placeholders.
QString filledIn(const QString& text,
                 std::initializer_list<std::pair<QStringView, const TPrinter&>> placeholders) {
    TVars vars;
    QString asTemplate;
    asTemplate.reserve(text.size() + 64);
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            continue;  // the printer ends each line with CR LF again
        }
        if (text[i] != u'$') {
            asTemplate.append(text[i]);
            continue;
        }
        const auto placeholder =
            std::find_if(placeholders.begin(), placeholders.end(), [&](const auto& entry) {
                return QStringView(text).mid(i + 1).startsWith(entry.first);
            });
        if (placeholder == placeholders.end()) {
            asTemplate.append(QStringLiteral("$$"));
            continue;
        }
        asTemplate.append(u'$').append(placeholder->first).append(u'$');
        vars.set(placeholder->first, placeholder->second.text());
        i += placeholder->first.size();
    }
    return TPrinter().print(asTemplate, vars).text();
}

}  // namespace

QString TMobileClient::ManifestTemplatePath(const QString& appFolder) {
    return appFolder + kTemplateRoot + QStringLiteral("/AndroidManifest.xml");
}

QString TMobileClient::BuildFileTemplatePath(const QString& appFolder) {
    return appFolder + kTemplateRoot + QStringLiteral("/build.gradle");
}

QString TMobileClient::MainMenuTemplatePath(const QString& appFolder) {
    return appFolder + kTemplateRoot +
           QStringLiteral("/src/com/mobileclient/activity/MainMenuActivity.java");
}

TGeneratedFile TMobileClient::Manifest(const TProjectModel& project, const QString& templateText) {
    TPrinter activities;
    for (const TClassModel& cls : project.classes) {
        TVars vars;
        vars.set(u"Class", cls.className);
        activities.print(
            u"        <activity android:name=\"$Class$ListActivity\"></activity>\n"
            "        <activity android:name=\"$Class$QueryActivity\"></activity>\n"
            "        <activity android:name=\"$Class$AddActivity\"></activity>\n"
            "        <activity android:name=\"$Class$EditActivity\"></activity>\n"
            "        <activity android:name=\"$Class$DetailActivity\"></activity>\n",
            vars);
    }
    TPrinter appName;
    appName.print(u"$name$", TVars().setXmlAttribute(u"name", project.projectName));
    return {QString(), QStringLiteral("AndroidManifest.xml"),
            filledIn(templateText, {{u"activityString", activities}, {u"appName", appName}}),
            FileEncoding::Utf8WithBom, QString()};
}

// The application id is checked ASCII (FindApplicationIdProblem), so the file's GBK form is its
// plain bytes, as Gradle reads it.
TGeneratedFile TMobileClient::BuildFile(const TProjectModel& project, const QString& templateText) {
    TPrinter applicationId;
    applicationId.print(project.applicationId());
    return {QString(), QStringLiteral("build.gradle"),
            filledIn(templateText, {{u"applicationId", applicationId}}), FileEncoding::Gbk,
            QString()};
}

TGeneratedFile TMobileClient::MainMenu(const TProjectModel& project, const QString& templateText) {
    TVars lists;
    lists.set(u"icons", joinPerClass(project, [](const TClassModel&) {
                  return QStringLiteral("R.drawable.operateicon");
              }));
    lists.set(u"captions", joinPerClass(project, [](const TClassModel& cls) {
                  TVars vars;
                  vars.setJavaString(u"friendText", cls.friendName);
                  return Format(u"\"$friendText$管理\"", vars);
              }));
    TPrinter first;
    first.print(
        u"        // 图片资源数组\n"
        "        private Integer[] mThumbIds = {\n"
        "                $icons$\n"
        "        };\n"
        "        private String[] menuString = {$captions$};\n",
        lists);

    TPrinter second;
    TPrinter third;
    for (qsizetype i = 0; i < project.classes.size(); ++i) {
        const TClassModel& cls = project.classes[i];
        TVars vars;
        vars.set(u"index", QString::number(i))
            .set(u"Class", cls.className)
            .set(u"cls", cls.objectName())
            .setJavaComment(u"friend", cls.friendName);
        second.print(
            u"\t\t\t\tcase $index$:\n"
            "\t\t\t\t\t// $friend$管理监听器\n"
            "\t\t\t\t\tview.setOnClickListener($cls$Linstener);\n"
            "\t\t\t\t\tbreak;\n",
            vars);
        third.print(
            u"    OnClickListener $cls$Linstener = new OnClickListener() {\n"
            "\t\tpublic void onClick(View v) {\n"
            "\t\t\tIntent intent = new Intent();\n"
            "\t\t\t// 启动$friend$管理Activity\n"
            "\t\t\tintent.setClass(MainMenuActivity.this, $Class$ListActivity.class);\n"
            "\t\t\tstartActivity(intent);\n"
            "\t\t}\n"
            "\t};\n",
            vars);
    }
    TGeneratedFile file = TGeneratedFile::Java(
        "activity", QStringLiteral("MainMenuActivity.java"),
        filledIn(templateText, {{u"First", first}, {u"Second", second}, {u"Third", third}}));
    file.progressName = QStringLiteral("MainMenuActivity");
    return file;
}

TGeneratedFiles TMobileClient::ClassFiles(const TProjectModel&, const TClassModel& cls) {
    const TClassCode code(cls);
    TGeneratedFiles files;
    for (ClassGenerator generate : kClassGenerators) {
        files.append(generate(code));
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
        for (const QString& file : tree.files) {
            const QString path = from + QLatin1Char('/') + file;
            const auto bytes = TFileOperate::ReadBytes(path);
            if (!bytes) {
                throw TError(QStringLiteral("模板文件%1在复制时消失了").arg(path));
            }
            output.copy(name + QLatin1Char('/') + file, *bytes);
        }
        progress(QStringLiteral("移动") + output.relativeRoot() + QLatin1Char('/') + name +
                 QStringLiteral("文件夹完毕！"));
    }
    for (const char* file : kTemplateRootFiles) {
        // A root file missing from the template project is left out.
        if (const auto bytes =
                TFileOperate::ReadBytes(source + QLatin1Char('/') + QLatin1String(file))) {
            output.copy(QLatin1String(file), *bytes);
        }
    }
    progress(QStringLiteral("移动资源文件完毕!"));
}

// What the run reads or copies and cannot do without: the two templates and the template
// project's folders (its root files are copied when they are there).
QStringList TMobileClient::MissingTemplateParts(const QString& appFolder) {
    QStringList folders;
    for (const char* folder : kTemplateFolders) {
        folders.append(appFolder + kTemplateProject + QLatin1Char('/') + QLatin1String(folder));
    }
    return TFileOperate::Missing({ManifestTemplatePath(appFolder), BuildFileTemplatePath(appFolder),
                                  MainMenuTemplatePath(appFolder)},
                                 folders);
}

QStringList TMobileClient::Generate(const TProjectModel& project, const QString& appFolder,
                                    TWriteMode mode, const TProgressSink& progress) {
    const QStringList missing = MissingTemplateParts(appFolder);
    if (!missing.isEmpty()) {
        throw TError(QStringLiteral("模板项目不完整，未写入任何文件。缺少: %1")
                         .arg(missing.join(QStringLiteral("、"))));
    }
    TOutputProject output(appFolder, project.projectName, mode, progress);
    output.write(Manifest(project, TFileOperate::ReadTextFile(ManifestTemplatePath(appFolder))));
    output.write(BuildFile(project, TFileOperate::ReadTextFile(BuildFileTemplatePath(appFolder))));
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

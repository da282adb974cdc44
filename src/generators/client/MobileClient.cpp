#include "generators/client/MobileClient.h"

#include <QStringList>
#include <algorithm>

#include "generation/FileOperate.h"
#include "generation/OutputProject.h"
#include "generation/Printer.h"
#include "generators/client/ClientFile.h"
#include "generators/client/MobileClientActivity.h"
#include "generators/client/MobileClientAdapter.h"
#include "generators/client/MobileClientDomain.h"
#include "generators/client/MobileClientLayout.h"
#include "generators/client/MobileClientListHandler.h"
#include "generators/client/MobileClientService.h"

namespace {

using ClassGenerator = TGeneratedFiles (*)(const TClassCode&);

// The per-class generators in the order their files are written.
const ClassGenerator kClassGenerators[] = {
    &TMobileClientLayout::Generate,  &TMobileClientDomain::Generate,
    &TMobileClientService::Generate, &TMobileClientListHandler::Generate,
    &TMobileClientAdapter::Generate, &TMobileClientActivity::Generate,
};

const QString kTemplateRoot = QStringLiteral("template/安卓客户端");
const QString kManifestTemplate = kTemplateRoot + QStringLiteral("/AndroidManifest.xml");
const QString kBuildFileTemplate = kTemplateRoot + QStringLiteral("/build.gradle");
const QString kMainMenuTemplate =
    kTemplateRoot + QStringLiteral("/src/com/mobileclient/activity/MainMenuActivity.java");

// Java sources are GBK, copied ones too; what the template project holds besides is taken as
// UTF-8 when compared with the user's files.
FileEncoding copiedClientEncoding(const QString& path) {
    return path.endsWith(QLatin1String(".java")) ? FileEncoding::Gbk : FileEncoding::Utf8;
}

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

const TOutputTarget& MobileClientTarget() {
    static const TOutputTarget target{
        QStringLiteral("安卓客户端"),
        QString(),
        QStringLiteral("bak/安卓客户端"),
        {".settings", "assets", "libs", "res", "src"},
        // The Eclipse project files, then the Gradle settings (build.gradle is generated).
        {".classpath", ".project", "ic_launcher-web.png", "proguard-project.txt",
         "project.properties", "settings.gradle"},
        {kManifestTemplate, kBuildFileTemplate, kMainMenuTemplate},
        &copiedClientEncoding,
        &TMobileClient::WriteFiles,
    };
    return target;
}

QString TMobileClient::ManifestTemplatePath(const QString& appFolder) {
    return appFolder + QLatin1Char('/') + kManifestTemplate;
}

QString TMobileClient::BuildFileTemplatePath(const QString& appFolder) {
    return appFolder + QLatin1Char('/') + kBuildFileTemplate;
}

QString TMobileClient::MainMenuTemplatePath(const QString& appFolder) {
    return appFolder + QLatin1Char('/') + kMainMenuTemplate;
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
    TGeneratedFile file = ClientJavaFile(
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

void TMobileClient::WriteFiles(const TProjectModel& project, const QString& appFolder,
                               TOutputProject& output, const TProgressSink& progress) {
    output.write(Manifest(project, TFileOperate::ReadTextFile(ManifestTemplatePath(appFolder))));
    output.write(BuildFile(project, TFileOperate::ReadTextFile(BuildFileTemplatePath(appFolder))));
    output.write(MainMenu(project, TFileOperate::ReadTextFile(MainMenuTemplatePath(appFolder))));
    CopyTemplateProject(MobileClientTarget(), appFolder, output, progress);
    for (const TClassModel& cls : project.classes) {
        // Each class's files are built in memory, then written one by one in order.
        for (const TGeneratedFile& file : ClassFiles(project, cls)) {
            output.write(file);
        }
    }
}

// The template project and the generated demo client checked as an Android project: aapt
// packages its resources against the platform's and javac compiles its sources against the
// Android declarations (tools/verify-android-project). Also checks that the verifier rejects
// broken projects, and what the template project must hold.

#include <QDirIterator>
#include <QProcess>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QtTest>

#include "TestSupport.h"
#include "store/ProjectDAO.h"

namespace {

const QString kAppDir = QStringLiteral(QUILLMERE_APP_DIR);
const QString kSourceDir = QStringLiteral(QUILLMERE_SOURCE_DIR);
const QString kTemplateProject = kAppDir + QStringLiteral("/bak/安卓客户端");
const QString kFrameworkRes = QStringLiteral("/usr/share/android-framework-res/framework-res.apk");

struct Run {
    int exitCode = -1;
    QString output;
};

Run run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(300000)) {
        process.kill();
        process.waitForFinished();
    }
    const int exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return {exitCode, QString::fromUtf8(process.readAll())};
}

Run verify(const QString& project) {
    return run(kSourceDir + QStringLiteral("/tools/verify-android-project"), {project});
}

void copyTree(const QString& from, const QString& to) {
    QDirIterator it(from, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + QLatin1Char('/') + QDir(from).relativeFilePath(source);
        QDir().mkpath(QFileInfo(target).path());
        QFile::copy(source, target);
    }
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QByteArray gbk(const QString& text) {
    return QStringEncoder("GBK").encode(text);
}

}  // namespace

class TestAndroidProject : public QObject {
    Q_OBJECT

    QTemporaryDir home_;
    QString project_;
    Run baseline_;

    Run generate(const QString& projectName) {
        return run(kAppDir + QStringLiteral("/quillmere-cli"),
                   {"generate", "--project", projectName, "--home", home_.path()});
    }

    // A changed copy of the project; only meaningful when the project itself passes.
    QString projectCopy(QTemporaryDir& folder) {
        if (baseline_.exitCode != 0) {
            QTest::qFail("the generated project itself does not pass", __FILE__, __LINE__);
            return QString();
        }
        copyTree(project_, folder.path());
        return folder.path();
    }

  private slots:
    void initTestCase() {
        QVERIFY(home_.isValid());
        copyTree(kAppDir + QStringLiteral("/bak"), home_.filePath("bak"));
        copyTree(kAppDir + QStringLiteral("/template"), home_.filePath("template"));
        const Run init = run(kAppDir + QStringLiteral("/quillmere-cli"),
                             {"init-store", "--demo", "--home", home_.path()});
        QVERIFY2(init.exitCode == 0, qPrintable(init.output));
        const Run generated = generate(QStringLiteral("图书管理"));
        QVERIFY2(generated.exitCode == 0, qPrintable(generated.output));
        project_ = home_.filePath(QStringLiteral("projects/图书管理/安卓客户端"));
        baseline_ = verify(project_);
    }

    void generatedDemoProjectBuilds() {
        QVERIFY2(baseline_.exitCode == 0, qPrintable(baseline_.output));
        QVERIFY2(baseline_.output.contains("OK:"), qPrintable(baseline_.output));
    }

    // The main menu and the manifest without a single entry.
    void projectWithoutClassesBuilds() {
        TDbHelper::SetStorePath(home_.filePath("projects.db"));
        TProjectDAO().AddProject(QStringLiteral("空项目"));
        TDbHelper::CloseConnection();
        const Run generated = generate(QStringLiteral("空项目"));
        QVERIFY2(generated.exitCode == 0, qPrintable(generated.output));
        const QString project = home_.filePath(QStringLiteral("projects/空项目/安卓客户端"));
        const Run result = verify(project);
        QVERIFY2(result.exitCode == 0, qPrintable(result.output));
    }

    // Names the screens must keep apart: two references to one class, a reference to the class
    // itself, and classes holding nothing but an integer key that is also their display and
    // phone-list member.
    void awkwardProjectsBuild() {
        TDbHelper::SetStorePath(home_.filePath("projects.db"));
        using testing::M;
        const M cityKey = {.name = "cityId",
                           .type = kTypeInteger,
                           .comment = "城市编号",
                           .key = true,
                           .display = true,
                           .phone = true};
        testing::seedProject(
            QStringLiteral("行程"),
            {{"City", {cityKey, {.name = "cityName", .type = kTypeString, .comment = "城市名称"}}},
             {"Trip",
              {{.name = "tripNo",
                .type = kTypeString,
                .comment = "行程号",
                .key = true,
                .display = true,
                .phone = true},
               {.name = "fromCity",
                .type = "City",
                .comment = "出发城市",
                .query = true,
                .phone = true},
               {.name = "toCity",
                .type = "City",
                .comment = "到达城市",
                .query = true,
                .phone = true},
               {.name = "viaCity", .type = "City", .comment = "经停城市"},
               {.name = "startDate", .type = kTypeDate, .comment = "出发日期", .query = true}}},
             {"Category",
              {{.name = "categoryName",
                .type = kTypeString,
                .comment = "类别名称",
                .key = true,
                .display = true,
                .phone = true},
               {.name = "parent",
                .type = "Category",
                .comment = "上级类别",
                .query = true,
                .phone = true},
               {.name = "picture", .type = kTypeImage, .comment = "图片", .query = true}}}});
        testing::seedProject(QStringLiteral("最小"), {{"Alpha",
                                                       {{.name = "alphaId",
                                                         .type = kTypeInteger,
                                                         .key = true,
                                                         .display = true,
                                                         .phone = true}}},
                                                      {"Beta",
                                                       {{.name = "betaId",
                                                         .type = kTypeInteger,
                                                         .key = true,
                                                         .display = true,
                                                         .phone = true}}}});
        TDbHelper::CloseConnection();
        for (const QString& name : {QStringLiteral("行程"), QStringLiteral("最小")}) {
            const Run generated = generate(name);
            QVERIFY2(generated.exitCode == 0, qPrintable(generated.output));
            const Run result = verify(home_.filePath("projects/" + name + "/安卓客户端"));
            QVERIFY2(result.exitCode == 0, qPrintable(name + ": " + result.output));
        }
    }

    void verifierRejectsAnUnknownLayoutAttribute() {
        QTemporaryDir broken;
        if (projectCopy(broken).isEmpty()) {
            return;
        }
        const QString layout = broken.filePath("res/layout/main_menu_cell.xml");
        QByteArray text = testing::readAll(layout);
        text.replace("android:id=\"@+id/main_menu_label\"",
                     "android:id=\"@+id/main_menu_label\"\n        android:glowRadius=\"3dp\"");
        QVERIFY(text.contains("glowRadius"));
        writeFile(layout, text);
        const Run result = verify(broken.path());
        QCOMPARE(result.exitCode, 1);
        QVERIFY2(result.output.contains("glowRadius"), qPrintable(result.output));
    }

    void verifierRejectsACallOfAMissingMethod() {
        QTemporaryDir broken;
        if (projectCopy(broken).isEmpty()) {
            return;
        }
        // A View found by id has no setText until it is cast to a TextView.
        writeFile(broken.filePath("src/com/mobileclient/activity/LabelActivity.java"),
                  gbk("package com.mobileclient.activity;\r\n\r\n"
                      "import android.app.Activity;\r\nimport android.os.Bundle;\r\n"
                      "import android.view.View;\r\n\r\n"
                      "public class LabelActivity extends Activity {\r\n"
                      "\t@Override\r\n"
                      "\tpublic void onCreate(Bundle savedInstanceState) {\r\n"
                      "\t\tsuper.onCreate(savedInstanceState);\r\n"
                      "\t\tView label = findViewById(R.id.main_menu_label);\r\n"
                      "\t\tlabel.setText(\"标签\");\r\n"
                      "\t}\r\n}\r\n"));
        const Run result = verify(broken.path());
        QCOMPARE(result.exitCode, 1);
        QVERIFY2(result.output.contains("LabelActivity.java") && result.output.contains("setText"),
                 qPrintable(result.output));
    }

    // Every Android call the screen and adapter generators write, in their statement forms.
    void androidDeclarationsCoverTheGeneratedCalls() {
        QTemporaryDir probed;
        if (projectCopy(probed).isEmpty()) {
            return;
        }
        QDir().mkpath(probed.filePath("src/probe"));
        QVERIFY(QFile::copy(kSourceDir + "/tests/android/probe/ScreenApiProbe.java",
                            probed.filePath("src/probe/ScreenApiProbe.java")));
        const Run result = verify(probed.path());
        QVERIFY2(result.exitCode == 0, qPrintable(result.output));
    }

    // The photo chooser's sample size is the smallest power of two within both limits.
    void photoChooserComputesSampleSizes() {
        QTemporaryDir work;
        const QString harness = kSourceDir + "/tests/template/sample-size";
        QStringList stubs;
        QDirIterator it(kSourceDir + "/tests/android/stubs", {"*.java"}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            stubs.append(it.next());
        }
        Run compile =
            run("javac",
                QStringList{"-nowarn", "--release", "8", "-d", work.filePath("stubs")} + stubs);
        QVERIFY2(compile.exitCode == 0, qPrintable(compile.output));
        compile =
            run("javac",
                {"-nowarn", "--release", "8", "-encoding", "GBK", "-cp", work.filePath("stubs"),
                 "-d", work.filePath("classes"), harness + "/SampleSizes.java",
                 harness + "/android/graphics/BitmapFactory.java",
                 harness + "/com/mobileclient/activity/R.java",
                 kTemplateProject + "/src/com/mobileclient/util/HttpUtil.java",
                 kTemplateProject + "/src/com/mobileclient/activity/photoListActivity.java"});
        QVERIFY2(compile.exitCode == 0, qPrintable(compile.output));
        // width,height,shorter side limit,pixel limit (-1: none)
        const Run sizes = run(
            "java", {"-cp", work.filePath("classes") + ":" + work.filePath("stubs"), "SampleSizes",
                     "1000,1000,-1,90000", "100,100,-1,16384", "128,128,-1,16384",
                     "129,128,-1,16384", "0,0,-1,10000", "4000,3000,-1,10000", "640,480,200,-1",
                     "640,480,-1,-1", "50000,50000,-1,10000", "3000,2000,100,90000"});
        QCOMPARE(sizes.output.split('\n', Qt::SkipEmptyParts),
                 QStringList({"4", "1", "1", "2", "1", "64", "4", "1", "512", "32"}));
    }

    void templateProjectHoldsWhatTheGeneratedCodeNeeds() {
        for (const char* entry : {".settings", "assets", "libs", "res", "src", ".classpath",
                                  ".project", "ic_launcher-web.png", "proguard-project.txt",
                                  "project.properties", "src/com/mobileclient/app/Declare.java",
                                  "src/com/mobileclient/activity/photoListActivity.java"}) {
            QVERIFY2(QFileInfo::exists(kTemplateProject + "/" + entry), entry);
        }
        for (const char* folder : {"assets", "libs"}) {
            QVERIFY2(!QDir(kTemplateProject + "/" + folder).isEmpty(), folder);
        }
        for (const char* drawable :
             {"operateicon", "login", "noimage", "list_bg", "ml_default_image", "ic_launcher"}) {
            QVERIFY2(testing::readAll(kTemplateProject + "/res/drawable/" + drawable + ".png")
                         .startsWith("\x89PNG\r\n\x1a\n"),
                     drawable);
        }
        QVERIFY(testing::readAll(kTemplateProject + "/ic_launcher-web.png")
                    .startsWith("\x89PNG\r\n\x1a\n"));
        QVERIFY(testing::readAll(kTemplateProject + "/.settings/org.eclipse.core.resources.prefs")
                    .contains("encoding/<project>=GBK"));
        // Generated layouts are named <class>_add, _edit, _detail, _list, _list_item and _query;
        // a template layout of such a name would be replaced by a class's.
        const QStringList layouts =
            QDir(kTemplateProject + "/res/layout").entryList({"*.xml"}, QDir::Files);
        QVERIFY(!layouts.isEmpty());
        for (const QString& layout : layouts) {
            QVERIFY2(!layout.contains(QRegularExpression("_(add|edit|detail|list|list_item|query)"
                                                         "\\.xml$")),
                     qPrintable(layout));
        }
        // The copy of src would overwrite the main menu generated from its template.
        QVERIFY(!QFileInfo::exists(kTemplateProject +
                                   "/src/com/mobileclient/activity/MainMenuActivity.java"));
    }

    // The project is built against the platform whose resources the verifier checks.
    void projectTargetsTheInstalledPlatform() {
        const Run badging = run(QStringLiteral("aapt"), {"dump", "badging", kFrameworkRes});
        const auto sdk = QRegularExpression("sdkVersion:'(\\d+)'").match(badging.output);
        QVERIFY2(sdk.hasMatch(), qPrintable(badging.output));
        const QString properties =
            QString::fromUtf8(testing::readAll(kTemplateProject + "/project.properties"));
        QVERIFY2(properties.contains(QRegularExpression("^target=android-" + sdk.captured(1) + "$",
                                                        QRegularExpression::MultilineOption)),
                 qPrintable(properties));
    }

    void templatesHoldTheirPlaceholdersInGbk() {
        const QString root = kAppDir + QStringLiteral("/template/安卓客户端");
        QStringDecoder decode("GBK");
        const QString menu = decode(testing::readAll(
            root + QStringLiteral("/src/com/mobileclient/activity/MainMenuActivity.java")));
        QVERIFY(!decode.hasError());
        for (const char* placeholder : {"$First", "$Second", "$Third"}) {
            QCOMPARE(menu.count(QLatin1String(placeholder)), 1);
        }
        QVERIFY(menu.indexOf("switch (position)") < menu.indexOf("$Second"));
        const QByteArray manifest = testing::readAll(root + QStringLiteral("/AndroidManifest.xml"));
        QCOMPARE(manifest.count("$activityString"), 1);
        QVERIFY(manifest.contains("package=\"com.mobileclient.activity\""));
    }
};

QTEST_GUILESS_MAIN(TestAndroidProject)
#include "test_android_project.moc"

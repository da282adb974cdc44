// The verifier (tools/verify-android-project) and what it must reject, and what the template
// project must hold. The golden trees themselves are built by test_golden.

#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringEncoder>

#include "TestSupport.h"

namespace {

const QString kSourceDir = QStringLiteral(QUILLMERE_SOURCE_DIR);

testing::ProcessResult verify(const QString& project) {
    return testing::runProcess(kSourceDir + "/tools/verify-android-project", {project});
}

}  // namespace

class TestAndroidProject : public QObject {
    Q_OBJECT

  private slots:
    // Each row breaks a copy of the demo project (template project plus its golden tree) in a
    // way the verifier must report, naming what is wrong.
    void verifierRejectsBrokenProjects_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("reported");
        const auto row = [](const char* tag, const char* file, const char* from, const char* to,
                            const char* reported) {
            QTest::newRow(tag) << file << from << to << reported;
        };
        const char* const gradle = "build.gradle";
        row("unknown layout attribute", "res/layout/main_menu_cell.xml",
            "android:id=\"@+id/main_menu_label\"",
            "android:id=\"@+id/main_menu_label\"\n android:glowRadius=\"3dp\"", "glowRadius");
        row("unknown view id", "res/layout/book_detail.xml", "@+id/TV_count", "@+id/TV_stock",
            "TV_count");
        row("method the view lacks", "src/com/mobileclient/activity/BookDetailActivity.java",
            "this.iv_bookPhoto.setImageBitmap", "this.TV_count.setImageBitmap",
            "BookDetailActivity.java");
        row("file Uri for the camera", "src/com/mobileclient/activity/ReaderEditActivity.java",
            "PictureProvider.uriFor(out)", "Uri.fromFile(out)", ": a file:// Uri");
        row("Gradle source folder that is not there", gradle, "assets.srcDirs = ['assets']",
            "assets.srcDirs = ['assets', 'main/assets']",
            "'main/assets', which is not in the project");
        row("no namespace", gradle, "namespace = 'com.mobileclient.activity'", "",
            "build.gradle sets no namespace");
        row("target below what Google Play takes", gradle, "targetSdk = 36", "targetSdk = 35",
            "targetSdk 35 is below 36");
        row("compiled below the target", gradle, "compileSdk = 36", "compileSdk = 35",
            "compileSdk 35 is below targetSdk 36");
        row("application id of one segment", gradle, "applicationId = 'com.mobileclient.p_",
            "applicationId = 'p_", "is no application id");
        row("application id segment starting with a digit", gradle,
            "applicationId = 'com.mobileclient.p_", "applicationId = 'com.9mobileclient.p_",
            "is no application id");
        row("package in the manifest", "AndroidManifest.xml",
            "<manifest xmlns:android=\"http://schemas.android.com/apk/res/android\"",
            "<manifest xmlns:android=\"http://schemas.android.com/apk/res/android\" "
            "package=\"com.mobileclient.activity\"",
            "has a package attribute");
        row("uses-sdk in the manifest", "AndroidManifest.xml",
            "<uses-permission android:name=\"android.permission.INTERNET\" />",
            "<uses-sdk android:targetSdkVersion=\"36\" />\n"
            "<uses-permission android:name=\"android.permission.INTERNET\" />",
            "declares <uses-sdk>");
    }
    void verifierRejectsBrokenProjects() {
        QFETCH(QString, file);
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QString, reported);
        QTemporaryDir project;
        testing::copyTree(testing::kTemplateProject, project.path());
        testing::copyTree(testing::kGoldenRoot + "demo", project.path());
        const QString path = project.filePath(file);
        const bool gbk = file.endsWith(".java");
        QString text = gbk ? QStringDecoder("GBK").decode(testing::readAll(path))
                           : QString::fromUtf8(testing::readAll(path));
        QCOMPARE(text.count(from), 1);
        text.replace(from, to);
        testing::writeAll(path, gbk ? QStringEncoder("GBK").encode(text) : text.toUtf8());
        const testing::ProcessResult result = verify(project.path());
        QCOMPARE(result.exitCode, 1);
        const QString output = result.out + result.err;
        QVERIFY2(output.contains(reported), qPrintable(output));
    }

    void templateProjectHoldsWhatTheGeneratedCodeNeeds() {
        const QString project = testing::kTemplateProject;
        for (const char* folder : {"assets", "libs"}) {
            QVERIFY2(!QDir(project + "/" + folder).isEmpty(), folder);
        }
        QVERIFY(testing::readAll(project + "/.settings/org.eclipse.core.resources.prefs")
                    .contains("encoding/<project>=GBK"));
        // A template layout or source named like a generated file would replace it or be
        // replaced by it.
        for (const QString& file : testing::filesBelow(project)) {
            QVERIFY2(!file.contains(QRegularExpression(
                         "_(add|edit|detail|list|list_item|query)\\.xml$|MainMenuActivity")),
                     qPrintable(file));
        }
    }
};

QTEST_GUILESS_MAIN(TestAndroidProject)
#include "test_android_project.moc"

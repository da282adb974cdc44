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
    // Each row breaks a copy of the demo project in a way the verifier must report.
    void verifierRejectsBrokenProjects_data() {
        testing::addTableRows("broken-android-projects.tsv", {"file", "from", "to", "reported"});
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

// The generated data layer against the development server: the demo project is generated with
// quillmere-cli, its domain classes, services, list handlers, list adapters and the book detail
// screen are compiled at Java 8 level together with the template project's HttpUtil and
// ImageService (and stand-ins in tests/datalayer/java/stubs for the few Android classes they
// use), and tests/datalayer/java/roundtrip drives them against `quillmere-cli serve` on a fresh
// data file (the three commands of the README), or with QUILLMERE_TARGET=backend against the
// generated backend of the demo model.

#include <QDirIterator>
#include <QProcess>
#include <QStandardPaths>

#include "TestSupport.h"
#include "server/BackendProcess.h"
#include "server/ServeProcess.h"

namespace {

const QString kJavaTestSources = QStringLiteral(QUILLMERE_SOURCE_DIR "/tests/datalayer/java");

// Runs a JDK tool with a UTF-8 locale (file names, messages); its output, then its errors.
testing::ProcessResult runTool(const QString& program, const QStringList& arguments) {
    testing::ProcessResult result = testing::runProcess(program, arguments);
    result.out += result.err;
    return result;
}

// The jar of Debian's libandroid-json-java (org.json as on Android).
QString androidJsonJar() {
    const testing::ProcessResult dpkg = testing::runProcess("dpkg", {"-L", "libandroid-json-java"});
    for (const QString& line : dpkg.out.split(QLatin1Char('\n'))) {
        if (line.endsWith(QLatin1String(".jar")) && QFileInfo(line).isFile()) {
            return line;
        }
    }
    return QString();
}

QStringList javaFilesBelow(const QString& folder, const QString& skippedFolder = QString()) {
    QStringList files;
    QDirIterator it(folder, {QStringLiteral("*.java")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        if (skippedFolder.isEmpty() || !file.startsWith(skippedFolder + QLatin1Char('/'))) {
            files.append(file);
        }
    }
    return files;
}

}  // namespace

class DataLayerRoundTripTest : public QObject {
    Q_OBJECT

  private slots:
    void generatedClientSpeaksTheServerProtocol();
};

void DataLayerRoundTripTest::generatedClientSpeaksTheServerProtocol() {
    const QString javac = QStandardPaths::findExecutable(QStringLiteral("javac"));
    if (javac.isEmpty()) {
        QSKIP(
            "javac is not installed (Debian package openjdk-17-jdk-headless): the generated "
            "data layer cannot be compiled and run");
    }
    const QString java = QStandardPaths::findExecutable(QStringLiteral("java"));
    QVERIFY2(!java.isEmpty(), "javac is installed but java is not");
    const QString jsonJar = androidJsonJar();
    QVERIFY2(!jsonJar.isEmpty(), "the jar of libandroid-json-java was not found");

    testing::TempAppFolder app;
    const QString project = QStringLiteral("图书管理");
    for (const QStringList& command :
         {QStringList{"init-store", "--demo", "--home", app.path()},
          QStringList{"generate", "--project", project, "--home", app.path()}}) {
        const testing::ProcessResult result = testing::runCli(command);
        QVERIFY2(result.exitCode == 0, qPrintable(result.err));
    }
    QStringList clientSources = javaFilesBelow(kJavaTestSources, kJavaTestSources + "/roundtrip");
    for (const char* package : {"domain", "service", "handler", "util"}) {
        clientSources += javaFilesBelow(app.output(project) + "/src/com/mobileclient/" + package);
    }
    clientSources += app.output(project) + "/src/com/mobileclient/activity/BookDetailActivity.java";
    QTemporaryDir work;
    QVERIFY(work.isValid());
    const QString clientClasses = work.filePath(QStringLiteral("classes/client"));
    const QString driverClasses = work.filePath(QStringLiteral("classes/driver"));
    const QString pictures = work.filePath(QStringLiteral("pictures"));
    QVERIFY(QDir().mkpath(pictures));

    const testing::ProcessResult client =
        runTool(javac, QStringList{"--release", "8", "-encoding", "GBK", "-nowarn", "-cp", jsonJar,
                                   "-d", clientClasses} +
                           clientSources);
    QVERIFY2(client.exitCode == 0, qPrintable(client.out));
    const QString classPath = clientClasses + QLatin1Char(':') + jsonJar;
    const testing::ProcessResult driver =
        runTool(javac, QStringList{"-encoding", "GBK", "-cp", classPath, "-d", driverClasses} +
                           javaFilesBelow(kJavaTestSources + "/roundtrip"));
    QVERIFY2(driver.exitCode == 0, qPrintable(driver.out));

    std::unique_ptr<testing::ServeProcess> serve;
    std::unique_ptr<testing::BackendProcess> backend;
    if (testing::backendTarget()) {
        backend = std::make_unique<testing::BackendProcess>(QUILLMERE_SOURCE_DIR
                                                            "/resources/demo/图书管理.json");
    } else {
        serve = std::make_unique<testing::ServeProcess>(
            QStringList{"--project", project, "--home", app.path()});
    }
    const QString baseUrl = serve ? serve->baseUrl() : backend->baseUrls().value(0);
    QVERIFY2(!baseUrl.isEmpty() && !baseUrl.contains(":0/"), "the server did not start");
    const testing::ProcessResult roundTrip =
        runTool(java, {"-cp", driverClasses + QLatin1Char(':') + classPath, "roundtrip.RoundTrip",
                       baseUrl, pictures, app.path() + "/bak/安卓客户端/res/drawable/noimage.png"});
    QVERIFY2(roundTrip.exitCode == 0 && roundTrip.out.contains(" checks passed, 0 failed"),
             qPrintable(roundTrip.out));
    if (serve) {
        QCOMPARE(serve->interrupt(), 0);
    }
}

QTEST_GUILESS_MAIN(DataLayerRoundTripTest)
#include "test_datalayer_roundtrip.moc"

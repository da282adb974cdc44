// The generated data layer against a server: the library project's domain classes, services,
// list handlers and list adapters are generated, compiled at Java 8 level together with the
// template project's HttpUtil and ImageService (and stand-ins for the few Android classes the
// adapters use), and driven by tests/datalayer/java/roundtrip against a local HTTP server that
// plays the servlets. The driver checks both what the server received and what the client
// made of the answers.

#include <QDirIterator>
#include <QProcess>
#include <QStandardPaths>

#include "TestSupport.h"
#include "datalayer/LibraryProject.h"
#include "generation/FileOperate.h"
#include "generators/MobileClientAdapter.h"
#include "generators/MobileClientDomain.h"
#include "generators/MobileClientListHandler.h"
#include "generators/MobileClientService.h"

namespace {

constexpr int kToolTimeoutMs = 300000;

QString javaTestSources() {
    return QStringLiteral(QUILLMERE_SOURCE_DIR) + QStringLiteral("/tests/datalayer/java");
}

QString templateUtilFolder() {
    return QStringLiteral(QUILLMERE_APP_DIR) +
           QStringLiteral("/bak/安卓客户端/src/com/mobileclient/util");
}

struct ToolRun {
    int exitCode = -1;
    QString output;
};

// Runs a JDK tool with a UTF-8 locale (file names, messages), output and errors together.
ToolRun runTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    ToolRun run;
    if (!process.waitForFinished(kToolTimeoutMs)) {
        process.kill();
        process.waitForFinished();
        run.output = program + QStringLiteral(" did not finish in time: ") + process.errorString();
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.output = QString::fromUtf8(process.readAll());
    return run;
}

// On failure the whole output is logged; the message names the failed checks (or the error).
bool succeeded(const ToolRun& run, QString* message) {
    if (run.exitCode == 0) {
        return true;
    }
    qInfo().noquote() << run.output;
    QStringList failures;
    for (const QString& line : run.output.split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("FAIL ")) || line.contains(QLatin1String("error:"))) {
            failures.append(line);
        }
    }
    *message = failures.isEmpty() ? run.output.left(2000) : failures.join(QLatin1Char('\n'));
    return false;
}

#define VERIFY_RUN(run)                                              \
    do {                                                             \
        QString message_;                                            \
        QVERIFY2(succeeded((run), &message_), qPrintable(message_)); \
    } while (false)

// The jar of Debian's libandroid-json-java (org.json as on Android).
QString androidJsonJar() {
    const ToolRun dpkg = runTool(QStringLiteral("dpkg"),
                                 {QStringLiteral("-L"), QStringLiteral("libandroid-json-java")});
    for (const QString& line : dpkg.output.split(QLatin1Char('\n'))) {
        if (line.endsWith(QLatin1String(".jar")) && QFileInfo(line).isFile()) {
            return line;
        }
    }
    return QString();
}

// Writes every class's domain class, service, list handler and list adapter below root, in
// GBK as generation writes them.
void writeDataLayer(const TProjectModel& project, const QString& root) {
    using Generator = TGeneratedFiles (*)(const TProjectModel&, const TClassModel&);
    const Generator generators[] = {&TMobileClientDomain::Generate, &TMobileClientService::Generate,
                                    &TMobileClientListHandler::Generate,
                                    &TMobileClientAdapter::Generate};
    for (const TClassModel& cls : project.classes) {
        for (Generator generate : generators) {
            for (const TGeneratedFile& file : generate(project, cls)) {
                const QString folder = root + QLatin1Char('/') + file.folder;
                TFileOperate::WriteTextFile(folder, folder + QLatin1Char('/') + file.fileName,
                                            file.text);
            }
        }
    }
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

    QTemporaryDir work;
    QVERIFY(work.isValid());
    const QString sources = work.filePath(QStringLiteral("src"));
    writeDataLayer(testing::library(), work.path());
    const QString util = sources + QStringLiteral("/com/mobileclient/util/");
    for (const char* name : {"HttpUtil.java", "ImageService.java"}) {
        QVERIFY2(QFile::copy(templateUtilFolder() + QLatin1Char('/') + QLatin1String(name),
                             util + QLatin1String(name)),
                 name);
    }
    const QString clientClasses = work.filePath(QStringLiteral("classes/client"));
    const QString driverClasses = work.filePath(QStringLiteral("classes/driver"));
    const QString pictures = work.filePath(QStringLiteral("pictures"));
    QVERIFY(QDir().mkpath(pictures));

    const QString driverSources = javaTestSources() + QStringLiteral("/roundtrip");
    const ToolRun client = runTool(
        javac,
        QStringList{QStringLiteral("--release"), QStringLiteral("8"), QStringLiteral("-encoding"),
                    QStringLiteral("GBK"), QStringLiteral("-nowarn"), QStringLiteral("-cp"),
                    jsonJar, QStringLiteral("-d"), clientClasses} +
            javaFilesBelow(sources) + javaFilesBelow(javaTestSources(), driverSources));
    VERIFY_RUN(client);

    const QString classPath = clientClasses + QLatin1Char(':') + jsonJar;
    const ToolRun driver = runTool(
        javac, QStringList{QStringLiteral("-encoding"), QStringLiteral("GBK"),
                           QStringLiteral("-cp"), classPath, QStringLiteral("-d"), driverClasses} +
                   javaFilesBelow(driverSources));
    VERIFY_RUN(driver);

    const ToolRun roundTrip =
        runTool(java, {QStringLiteral("-cp"), driverClasses + QLatin1Char(':') + classPath,
                       QStringLiteral("roundtrip.RoundTrip"), pictures});
    VERIFY_RUN(roundTrip);
    QVERIFY2(roundTrip.output.contains(QLatin1String(" checks passed, 0 failed")),
             qPrintable(roundTrip.output));
}

QTEST_GUILESS_MAIN(DataLayerRoundTripTest)
#include "test_datalayer_roundtrip.moc"

#include "cli/CommandLine.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>

#include "common/Error.h"
#include "generation/CodeModel.h"
#include "generation/FileOperate.h"
#include "generation/ModelChecks.h"
#include "generators/client/MobileClient.h"
#include "generators/server/WebBackend.h"
#include "run/AutoCode.h"
#include "server/DevServer.h"
#include "server/Servlets.h"
#include "store/DbHelper.h"
#include "store/DemoProject.h"
#include "store/ModelFile.h"
#include "store/ProjectDAO.h"

namespace {

enum ExitStatus { kOk = 0, kFailure = 1, kUsage = 2, kCheckFailed = 3, kConflicts = 4 };

// The usage of each command, printed by "<command> --help" and after a usage error.
const QHash<QString, const char*> kCommandUsage = {
    {"init-store", "  quillmere-cli init-store [--store FILE] [--home DIR] [--demo]\n"},
    {"generate",
     "  quillmere-cli generate (--project NAME | --project-id N) [--store FILE] [--home DIR]"
     " [--package NAME] [--overwrite]\n"
     "  quillmere-cli generate --model FILE [--home DIR] [--package NAME] [--overwrite]\n"},
    {"generate-server",
     "  quillmere-cli generate-server (--project NAME | --project-id N | --model FILE)"
     " [--store FILE] [--home DIR] [--overwrite]\n"},
    {"export",
     "  quillmere-cli export (--project NAME | --project-id N) [--store FILE] [--home DIR]"
     " [--out FILE]\n"},
    {"import", "  quillmere-cli import FILE [--store FILE] [--home DIR] [--replace]\n"},
    {"serve",
     "  quillmere-cli serve (--project NAME | --project-id N | --model FILE) [--store FILE]"
     " [--home DIR] [--data FILE] [--port N] [--bind ADDRESS] [--reset] [--seed FILE]\n"},
};
const char* const kCommandOrder[] = {"init-store", "generate", "generate-server",
                                     "export",     "import",   "serve"};
const char* const kPathRule =
    "Files and folders named on the command line are taken relative to the current directory;\n"
    "only the defaults (projects.db, projects/<project>/...) live in the app folder (--home,\n"
    "default: the program's folder).\n";

QByteArray usageText(const QString& command) {
    QByteArray text = "usage:\n";
    if (kCommandUsage.contains(command)) {
        return text + kCommandUsage.value(command);
    }
    for (const char* name : kCommandOrder) {
        text += kCommandUsage.value(name);
    }
    return text;
}

struct UsageError {
    QString message;
};

// "--name value" options and "--name" flags after the command word; a flag is kept with an
// empty value. Other words are operands, allowed only where operands is given.
QHash<QString, QString> parseOptions(const QStringList& arguments, const QStringList& known,
                                     const QStringList& flags = {},
                                     QStringList* operands = nullptr) {
    QHash<QString, QString> options;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& name = arguments[i];
        if (operands != nullptr && !name.startsWith(QLatin1String("--"))) {
            operands->append(name);
            continue;
        }
        const bool isFlag = flags.contains(name);
        if (!isFlag && !known.contains(name)) {
            throw UsageError{QStringLiteral("unknown option: %1").arg(name)};
        }
        if (options.contains(name)) {
            throw UsageError{QStringLiteral("option %1 given twice").arg(name)};
        }
        if (isFlag) {
            options.insert(name, QString());
            continue;
        }
        if (++i >= arguments.size()) {
            throw UsageError{QStringLiteral("option %1 needs a value").arg(name)};
        }
        options.insert(name, arguments[i]);
    }
    return options;
}

QString appFolder(const QHash<QString, QString>& options, const QString& executableFolder) {
    return QDir(options.value("--home", executableFolder)).absolutePath();
}

// A path given on the command line is taken relative to the current directory, as every
// command-line tool's; only the default lives in the app folder.
QString pathOption(const QHash<QString, QString>& options, const QString& name, const QString& home,
                   const QString& defaultInHome) {
    return options.contains(name) ? QFileInfo(options.value(name)).absoluteFilePath()
                                  : QDir(home).absoluteFilePath(defaultInHome);
}

QString storePath(const QHash<QString, QString>& options, const QString& home) {
    return pathOption(options, "--store", home, QStringLiteral("projects.db"));
}

// Points the store helpers at the store the options name, which must exist. A command that only
// reads opens it read-only, so that it can neither create nor change it.
void useExistingStore(const QHash<QString, QString>& options, const QString& home, bool readOnly) {
    const QString store = storePath(options, home);
    if (!QFileInfo::exists(store)) {
        throw TError(QStringLiteral("工程库%1不存在").arg(store));
    }
    TDbHelper::SetStorePath(store, readOnly);
}

// A new store holding the demo project. An existing file is never touched, store or not, so
// that no project of the user's gets a second copy of the demo beside it.
void createDemoStore(const QString& path) {
    if (QFileInfo::exists(path)) {
        throw TError(QStringLiteral("%1 已存在，--demo 只建立新的工程库，未做任何改动").arg(path));
    }
    TDbHelper::CreateStore(path);
    TDbHelper::SetStorePath(path);
    try {
        CreateDemoProject();
    } catch (const TError&) {
        TDbHelper::CloseConnection();
        QFile::remove(path);
        throw;
    }
    TDbHelper::CloseConnection();
}

int initStore(const QStringList& arguments, const QString& executableFolder) {
    const auto options = parseOptions(arguments, {"--store", "--home"}, {"--demo"});
    const QString path = storePath(options, appFolder(options, executableFolder));
    if (options.contains("--demo")) {
        createDemoStore(path);
        TFileOperate::PrintLine(
            stdout,
            QStringLiteral("工程库已就绪: %1 (演示项目\"%2\")").arg(path, DemoProjectName()));
        return kOk;
    }
    TDbHelper::CreateStore(path);
    TFileOperate::PrintLine(stdout, QStringLiteral("工程库已就绪: %1").arg(path));
    return kOk;
}

// Prints what the run reports and remembers how it ended.
class ConsoleHost : public TGenerationHost {
  public:
    int status = kFailure;

    void AppendProgress(const QString& line) override { TFileOperate::PrintLine(stdout, line); }
    void Notice(int message, qint32, const QString& text) override {
        if (message == kNoticeCompleted) {
            TFileOperate::PrintLine(stdout, text);
            status = conflicts_ ? kConflicts : kOk;
        } else {
            TFileOperate::PrintLine(stderr, text);
            status = kCheckFailed;
        }
    }
    void RunFailed(const QString& message) override {
        TFileOperate::PrintLine(stderr, message);
        status = kFailure;
    }
    void Conflicts(const QStringList& lines) override {
        for (const QString& line : lines) {
            TFileOperate::PrintLine(stderr, line);
        }
        conflicts_ = true;
    }

  private:
    bool conflicts_ = false;
};

qint32 findProject(const QHash<QString, QString>& options, QString* name) {
    const TProjectDAO projects;
    if (options.contains("--project-id")) {
        bool ok = false;
        const qint32 id = options.value("--project-id").toInt(&ok);
        if (!ok) {
            throw UsageError{QStringLiteral("--project-id needs a number")};
        }
        for (const TEntry& entry : projects.ListProjects()) {
            if (entry.id == id) {
                *name = entry.name;
                return id;
            }
        }
        throw TError(QStringLiteral("没有编号为%1的项目").arg(id));
    }
    *name = options.value("--project");
    const QList<qint32> ids = projects.FindProjectsByName(*name);
    if (ids.isEmpty()) {
        throw TError(QStringLiteral("没有名为\"%1\"的项目").arg(*name));
    }
    if (ids.size() > 1) {
        throw TError(QStringLiteral("有%1个项目名为\"%2\"，请用--project-id指定")
                         .arg(ids.size())
                         .arg(*name));
    }
    return ids.first();
}

// The signal that asked a run to stop (SIGINT, SIGTERM, SIGHUP), or 0.
std::atomic<int> stopSignal{0};

extern "C" void noteStopSignal(int signal) {
    stopSignal = signal;
}

// A run asked to stop by a signal ends after the file it is writing, so that the lock is released
// and the journal lets the next run finish the project.
void stopRunOnSignals(TRunRequest& request) {
    struct sigaction action = {};
    action.sa_handler = noteStopSignal;
    sigemptyset(&action.sa_mask);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        sigaction(signal, &action, nullptr);
    }
    request.stopRequested = [] { return stopSignal != 0; };
}

// The run generates the file's model instead of a project of the store.
void takeModelFromFile(const QString& path, TRunRequest& request) {
    auto model =
        std::make_shared<TProjectModel>(ProjectModelOf(ReadModelFile(path), request.packageName));
    request.projectName = model->projectName;
    request.loadModel = [model] { return std::move(*model); };
}

// The model comes from the store (--project or --project-id) or from a model file (--model).
void requireOneModelSource(const QHash<QString, QString>& options) {
    if (options.contains("--project") + options.contains("--project-id") +
            options.contains("--model") !=
        1) {
        throw UsageError{QStringLiteral("give exactly one of --project, --project-id and --model")};
    }
    if (options.contains("--model") && options.contains("--store")) {
        throw UsageError{QStringLiteral("--model works without a store: no --store")};
    }
}

// Runs the generation of the target on its own thread, as the workbench does, and answers the
// exit status.
int runTarget(TRunRequest& request, const QHash<QString, QString>& options) {
    request.overwrite = options.contains("--overwrite");
    if (options.contains("--model")) {
        takeModelFromFile(options.value("--model"), request);
    } else {
        useExistingStore(options, request.appFolder, true);
        request.projectId = findProject(options, &request.projectName);
    }

    stopRunOnSignals(request);
    ConsoleHost host;
    QObject context;
    // Connected before the thread starts, so that no end of the run can be missed.
    auto* run = new TAutoCode(request, &host, &context);
    QObject::connect(run, &QThread::finished, QCoreApplication::instance(), &QCoreApplication::quit,
                     Qt::QueuedConnection);
    run->start();
    QCoreApplication::exec();
    return stopSignal != 0 ? 128 + stopSignal : host.status;
}

int generate(const QStringList& arguments, const QString& executableFolder) {
    const auto options = parseOptions(
        arguments, {"--project", "--project-id", "--model", "--store", "--home", "--package"},
        {"--overwrite"});
    requireOneModelSource(options);
    TRunRequest request;
    request.target = &MobileClientTarget();
    request.appFolder = appFolder(options, executableFolder);
    request.packageName = options.value("--package");
    if (const QString problem = FindApplicationIdProblem(request.packageName);
        options.contains("--package") && !problem.isEmpty()) {
        throw UsageError{problem};
    }
    return runTarget(request, options);
}

int generateServer(const QStringList& arguments, const QString& executableFolder) {
    const auto options = parseOptions(
        arguments, {"--project", "--project-id", "--model", "--store", "--home"}, {"--overwrite"});
    requireOneModelSource(options);
    TRunRequest request;
    request.target = &WebBackendTarget();
    request.appFolder = appFolder(options, executableFolder);
    return runTarget(request, options);
}

// A model file named on the command line is taken relative to the current directory, like
// any file a build script hands over; only the store lives in the app folder.
int exportModel(const QStringList& arguments, const QString& executableFolder) {
    const auto options =
        parseOptions(arguments, {"--project", "--project-id", "--store", "--home", "--out"});
    if (options.contains("--project") == options.contains("--project-id")) {
        throw UsageError{QStringLiteral("give exactly one of --project and --project-id")};
    }
    useExistingStore(options, appFolder(options, executableFolder), true);
    QString name;
    const qint32 projectId = findProject(options, &name);
    const TProjectContents project = ReadProjectContents(projectId, name);
    if (!options.contains("--out")) {
        TFileOperate::Print(stdout, ModelFileText(project));
        return kOk;
    }
    const QString path = QFileInfo(options.value("--out")).absoluteFilePath();
    WriteModelFile(project, path);
    TFileOperate::PrintLine(stdout, ModelExportedText(name, path));
    return kOk;
}

int importModel(const QStringList& arguments, const QString& executableFolder) {
    QStringList files;
    const auto options = parseOptions(arguments, {"--store", "--home"}, {"--replace"}, &files);
    if (files.size() != 1) {
        throw UsageError{QStringLiteral("import needs exactly one model file")};
    }
    // The whole file is read and checked before the store is opened.
    const TProjectContents project = ReadModelFile(files.first());
    useExistingStore(options, appFolder(options, executableFolder), false);
    const TImportResult result = ImportProjectModel(project, options.contains("--replace"));
    TFileOperate::PrintLine(stdout, ModelImportedText(project, result));
    return kOk;
}

// A model that the generation run or the server refuses: its message, class name first.
struct CheckFailure {
    QString message;
};

// What the generation run refuses (a project name that is no folder name is a failure, as in
// the run), then what the server cannot carry.
void checkServable(const TProjectModel& project) {
    const QString nameProblem = FindProjectNameProblem(project.projectName);
    if (!nameProblem.isEmpty()) {
        throw TError(nameProblem);
    }
    const TModelProblem problem = FindModelProblem(project, TRuleSet::Serving);
    if (problem.found()) {
        throw CheckFailure{problem.message};
    }
}

// The model to serve, from the model file or the store, and that file (never the data file).
TProjectModel servedModel(const QHash<QString, QString>& options, const QString& home,
                          QString* source) {
    if (options.contains("--model")) {
        *source = QFileInfo(options.value("--model")).absoluteFilePath();
        return ProjectModelOf(ReadModelFile(*source), QString());
    }
    *source = storePath(options, home);
    useExistingStore(options, home, true);
    QString name;
    const qint32 projectId = findProject(options, &name);
    TProjectModel project = LoadProjectModel(projectId, name, QString());
    TDbHelper::CloseConnection();
    return project;
}

int serve(const QStringList& arguments, const QString& executableFolder) {
    const auto options = parseOptions(arguments,
                                      {"--project", "--project-id", "--model", "--store", "--home",
                                       "--data", "--port", "--bind", "--seed"},
                                      {"--reset"});
    requireOneModelSource(options);
    TServeSettings settings;
    bool portOk = true;
    settings.port = options.value("--port", QStringLiteral("8080")).toInt(&portOk);
    if (!portOk || settings.port < 0 || settings.port > 65535) {
        throw UsageError{QStringLiteral("--port needs a number from 0 to 65535")};
    }
    settings.bindAddress = options.value("--bind", settings.bindAddress);
    const QString home = appFolder(options, executableFolder);
    QString source;
    const TProjectModel project = servedModel(options, home, &source);
    try {
        checkServable(project);
    } catch (const CheckFailure& failure) {
        TFileOperate::PrintLine(stderr, failure.message);
        return kCheckFailed;
    }

    if (options.contains("--seed")) {
        QFile seed(options.value("--seed"));
        if (!seed.open(QIODevice::ReadOnly)) {
            throw TError(QStringLiteral("无法读取种子文件%1: %2")
                             .arg(QFileInfo(seed).absoluteFilePath(), seed.errorString()));
        }
        settings.seed = seed.readAll();
    }
    settings.reset = options.contains("--reset");
    settings.dataPath =
        pathOption(options, "--data", home, "projects/" + project.projectName + "/server/data.db");
    if (QFileInfo(settings.dataPath).canonicalFilePath() == QFileInfo(source).canonicalFilePath()) {
        throw TError(QStringLiteral("数据文件不能是%1%2")
                         .arg(options.contains("--model") ? QStringLiteral("模型文件")
                                                          : QStringLiteral("工程库"),
                              source));
    }
    settings.appFolder = home;
    ServeProject(project, settings);
    return kOk;
}

bool asksForHelp(const QStringList& arguments) {
    return arguments.contains(QLatin1String("--help")) || arguments.contains(QLatin1String("-h"));
}

int runCommand(const QStringList& arguments, const QString& executableFolder) {
    const QString command = arguments.value(0);
    if (asksForHelp(arguments)) {
        TFileOperate::Print(stdout, usageText(command) + kPathRule);
        return kOk;
    }
    try {
        if (command == QLatin1String("init-store")) {
            return initStore(arguments, executableFolder);
        }
        if (command == QLatin1String("generate")) {
            return generate(arguments, executableFolder);
        }
        if (command == QLatin1String("generate-server")) {
            return generateServer(arguments, executableFolder);
        }
        if (command == QLatin1String("export")) {
            return exportModel(arguments, executableFolder);
        }
        if (command == QLatin1String("import")) {
            return importModel(arguments, executableFolder);
        }
        if (command == QLatin1String("serve")) {
            return serve(arguments, executableFolder);
        }
        throw UsageError{command.isEmpty() ? QStringLiteral("no command given")
                                           : QStringLiteral("unknown command: %1").arg(command)};
    } catch (const UsageError& error) {
        TFileOperate::PrintLine(stderr, error.message);
        TFileOperate::Print(stderr, usageText(command));
        return kUsage;
    } catch (const TError& error) {
        TFileOperate::PrintLine(stderr, error.message());
        return kFailure;
    }
}

}  // namespace

int RunCommandLine(const QStringList& arguments, const QString& executableFolder) {
    const int status = runCommand(arguments, executableFolder);
    const QString outputFailure = TFileOperate::OutputFailure();
    if (outputFailure.isEmpty()) {
        return status;
    }
    TFileOperate::Print(stderr, outputFailure.toUtf8() + '\n');
    return kFailure;
}

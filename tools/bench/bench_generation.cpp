// Measures one headless generation run over a synthetic store, next to the floor: the time to
// write the same bytes to the same number of files with plain buffered writes.

#include <sys/resource.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <cstdio>
#include <fstream>

#include "generation/CodeModel.h"
#include "run/AutoCode.h"
#include "store/ClassDAO.h"
#include "store/MemberDAO.h"
#include "store/ProjectDAO.h"

namespace {

struct Figures {
    double seconds = 0;
    double cpuSeconds = 0;
    qint64 files = 0;
    qint64 bytes = 0;
    double peakMiB = 0;
    double floorSeconds = 0;
    double rerunSeconds = 0;  // a second run over the unchanged tree
    qint64 recordBytes = 0;   // what the first run keeps in .quillmere
    // After a change of every class: a run keeping the user's changes (managed) and one with
    // --overwrite (plain), each over its own copy of the same tree.
    double managedSeconds = 0;
    double plainSeconds = 0;
};

class SilentHost : public TGenerationHost {
  public:
    QString failure;
    bool completed = false;
    void AppendProgress(const QString&) override {}
    void Notice(int message, qint32, const QString& text) override {
        completed = message == kNoticeCompleted;
        if (!completed) {
            failure = text;
        }
    }
    void RunFailed(const QString& message) override { failure = message; }
};

TMember makeMember(qint32 classId, const QString& name, const QString& type) {
    TMember m;
    m.projectId = 1;
    m.classId = classId;
    m.memberName = name;
    m.memberType = type;
    m.memberIsMust = 1;
    m.memberIsInteger = type == kTypeInteger ? 1 : 0;
    m.memberIsFloat = type == kTypeFloat ? 1 : 0;
    m.memberLength = type == kTypeString ? 20 : 0;
    m.memberComment = name + QStringLiteral("说明");
    return m;
}

// Class i has an integer key when i is even and a text key when odd; it refers to one class
// of each key kind. Members cycle through every category; some are query and phone-list members.
void seedStore(int classCount, int memberCount) {
    QSqlDatabase db = TDbHelper().GetConnection();
    db.transaction();
    TProjectDAO().AddProject(QStringLiteral("Bench"));
    for (int i = 0; i < classCount; ++i) {
        TClassDAO().AddClass(1, QStringLiteral("Entity%1").arg(i), QStringLiteral("实体%1").arg(i),
                             1);
    }
    const QString types[] = {kTypeString, kTypeInteger, kTypeFloat, kTypeDate, kTypeImage};
    for (int i = 0; i < classCount; ++i) {
        const qint32 classId = i + 1;
        TMember key =
            makeMember(classId, QStringLiteral("id"), i % 2 == 0 ? kTypeInteger : kTypeString);
        key.memberIsPri = 1;
        key.androidDisplay = 1;
        TMember title = makeMember(classId, QStringLiteral("title"), kTypeString);
        title.memberIsDisplay = 1;
        title.queryFlag = 1;
        title.androidDisplay = 1;
        TMemberDAO().AddMember(key);
        TMemberDAO().AddMember(title);
        const int intKeyClass = i % 2 == 0 ? (i + 2) % classCount : (i + 1) % classCount;
        const int textKeyClass = i % 2 == 1 ? (i + 2) % classCount : (i + 1) % classCount;
        for (int k = 2; k < memberCount; ++k) {
            QString type = types[k % 5];
            if (k % 7 == 3 && classCount > 2) {
                type = QStringLiteral("Entity%1").arg(k % 2 == 0 ? intKeyClass : textKeyClass);
            }
            TMember m = makeMember(classId, QStringLiteral("field%1").arg(k), type);
            const MemberCategory category = CategoryOfType(type);
            m.queryFlag = (k % 4 == 0 && (category == MemberCategory::String ||
                                          category == MemberCategory::Date ||
                                          category == MemberCategory::Reference))
                              ? 1
                              : 0;
            m.androidDisplay = k % 6 == 0 ? 1 : 0;
            TMemberDAO().AddMember(m);
        }
    }
    db.commit();
}

// User-space CPU time: the run's own work, apart from what the kernel spends on the files.
double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_utime.tv_usec / 1e6;
}

void resetPeakMemory() {
    std::ofstream clear("/proc/self/clear_refs");
    clear << "5";
}

double peakMemoryMiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return 0;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:")) {
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
        }
    }
    return 0;
}

// Writes the same files' bytes again into another folder with plain buffered writes.
double floorSeconds(const QString& output, const QString& floorFolder) {
    QList<QPair<QString, QByteArray>> files;
    QDirIterator it(output, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        file.open(QIODevice::ReadOnly);
        files.append({QDir(output).relativeFilePath(file.fileName()), file.readAll()});
    }
    ::sync();  // start from a clean page cache, as the run did
    QElapsedTimer timer;
    timer.start();
    for (const auto& [relative, bytes] : files) {
        const QString path = floorFolder + QLatin1Char('/') + relative;
        QDir().mkpath(QFileInfo(path).path());
        std::ofstream out(path.toStdString(), std::ios::binary);
        out.write(bytes.constData(), bytes.size());
    }
    return timer.nsecsElapsed() / 1e9;
}

// A fresh app folder holding copies of the template project and the templates.
QString makeAppFolder(const QString& app) {
    for (const char* folder : {"bak", "template"}) {
        QDirIterator it(QStringLiteral(QUILLMERE_APP_DIR "/") + QLatin1String(folder),
                        QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString source = it.next();
            const QString target = app + QLatin1Char('/') +
                                   QDir(QStringLiteral(QUILLMERE_APP_DIR)).relativeFilePath(source);
            QDir().mkpath(QFileInfo(target).path());
            QFile::copy(source, target);
        }
    }
    return app;
}

double runOnce(const QString& app, bool overwrite = false) {
    SilentHost host;
    QElapsedTimer timer;
    timer.start();
    TRunRequest request;
    request.projectId = 1;
    request.projectName = QStringLiteral("Bench");
    request.appFolder = app;
    request.overwrite = overwrite;
    RunGeneration(request, host);
    if (!host.completed) {
        std::fprintf(stderr, "run failed: %s\n", qPrintable(host.failure));
        std::exit(1);
    }
    return timer.nsecsElapsed() / 1e9;
}

qint64 bytesBelow(const QString& folder) {
    qint64 bytes = 0;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        bytes += it.fileInfo().size();
    }
    return bytes;
}

void keepFastest(double seconds, double* best) {
    if (*best == 0 || seconds < *best) {
        *best = seconds;
    }
}

// Changes the comment of every class's display member, which every class's files show.
void changeEveryClass(int round) {
    QSqlQuery query(TDbHelper().GetConnection());
    query.exec(QStringLiteral("UPDATE t_member SET memberComment = 'title%1' WHERE memberName = "
                              "'title'")
                   .arg(round));
}

// One run into a fresh app folder: its wall time, user time and peak memory; then a second run
// over the same tree.
void timeOneRun(const QString& app, Figures* best) {
    ::sync();  // the seeded store and the copied templates are not part of the run
    resetPeakMemory();
    const double cpuBefore = cpuSeconds();
    const double seconds = runOnce(app);
    if (best->seconds == 0 || seconds < best->seconds) {
        best->seconds = seconds;
        best->cpuSeconds = cpuSeconds() - cpuBefore;
    }
    // Later runs start with the memory the floor's buffers left behind; the first one counts.
    if (best->peakMiB == 0) {
        best->peakMiB = peakMemoryMiB();
    }
    best->recordBytes = bytesBelow(app + QStringLiteral("/projects/Bench/.quillmere"));
    ::sync();
    keepFastest(runOnce(app), &best->rerunSeconds);
}

// The same change of the model regenerated over two copies of one tree, keeping the user's
// changes and overwriting.
void timeManagedAndPlain(const QString& managedApp, const QString& plainApp, int round,
                         Figures* best) {
    runOnce(managedApp);
    QDir(plainApp + QStringLiteral("/projects")).removeRecursively();
    runOnce(plainApp);
    changeEveryClass(round);
    // The disk's speed drifts; the two take turns at going first.
    for (int turn = 0; turn < 2; ++turn) {
        ::sync();
        if ((turn + round) % 2 == 0) {
            keepFastest(runOnce(managedApp), &best->managedSeconds);
        } else {
            keepFastest(runOnce(plainApp, true), &best->plainSeconds);
        }
    }
}

// The disk's speed at creating files varies from moment to moment (it depends on what was
// deleted lately), so runs and floors alternate and the fastest of each counts.
Figures measure(int classCount, int memberCount, const QString& workFolder) {
    const int kRepetitions = 3;
    QTemporaryDir work(workFolder + QStringLiteral("/quillmere-bench-XXXXXX"));
    TDbHelper::SetStorePath(work.filePath(QStringLiteral("bench.db")));
    seedStore(classCount, memberCount);
    Figures figures;
    const QString firstOutput = work.filePath(QStringLiteral("app0/projects/Bench/安卓客户端"));
    for (int rep = 0; rep < kRepetitions; ++rep) {
        timeOneRun(makeAppFolder(work.filePath(QStringLiteral("app%1").arg(rep))), &figures);
        const double floor =
            floorSeconds(firstOutput, work.filePath(QStringLiteral("floor%1").arg(rep)));
        if (figures.floorSeconds == 0 || floor < figures.floorSeconds) {
            figures.floorSeconds = floor;
        }
    }
    QDirIterator it(firstOutput, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        ++figures.files;
        figures.bytes += it.fileInfo().size();
    }
    for (int rep = 0; rep < kRepetitions; ++rep) {
        timeManagedAndPlain(work.filePath(QStringLiteral("app%1").arg(rep)),
                            makeAppFolder(work.filePath(QStringLiteral("plain%1").arg(rep))), rep,
                            &figures);
    }
    TDbHelper::CloseConnection();
    return figures;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QList<int> sizes = {50, 200, 800};
    int members = 20;
    QString workFolder = QDir::tempPath();
    const QStringList args = app.arguments();
    for (qsizetype i = 1; i + 1 < args.size(); i += 2) {
        if (args[i] == QLatin1String("--classes")) {
            sizes = {args[i + 1].toInt()};
        } else if (args[i] == QLatin1String("--members")) {
            members = args[i + 1].toInt();
        } else if (args[i] == QLatin1String("--work")) {
            workFolder = args[i + 1];
        }
    }
    std::printf("work folder: %s\n", qPrintable(workFolder));
    std::printf("%8s %8s %10s %10s %8s %12s %10s %8s %10s %10s %12s %8s %10s %10s %8s\n", "classes",
                "members", "time s", "user s", "files", "bytes", "floor s", "ratio", "peak MiB",
                "rerun s", "record B", "record", "managed s", "plain s", "ratio");
    for (int classes : sizes) {
        const Figures f = measure(classes, members, workFolder);
        std::printf(
            "%8d %8d %10.3f %10.3f %8lld %12lld %10.3f %8.2f %10.1f %10.3f %12lld %8.2f %10.3f "
            "%10.3f %8.2f\n",
            classes, members, f.seconds, f.cpuSeconds, static_cast<long long>(f.files),
            static_cast<long long>(f.bytes), f.floorSeconds,
            f.floorSeconds > 0 ? f.seconds / f.floorSeconds : 0.0, f.peakMiB, f.rerunSeconds,
            static_cast<long long>(f.recordBytes),
            f.bytes > 0 ? static_cast<double>(f.recordBytes) / f.bytes : 0.0, f.managedSeconds,
            f.plainSeconds, f.plainSeconds > 0 ? f.managedSeconds / f.plainSeconds : 0.0);
        std::fflush(stdout);
    }
    return 0;
}

// Whole generation runs compared byte for byte with the trees under tests/golden/<model>/ (the
// client) and tests/golden/backend/<model>/ (the web backend): the generated files and the run's
// progress lines. QUILLMERE_UPDATE_GOLDEN=1 rewrites the trees instead (tests/golden/README.md).

#include "Models.h"
#include "TestSupport.h"
#include "generators/server/WebBackend.h"
#include "run/AutoCode.h"
#include "store/DemoProject.h"

namespace {

using testing::kGoldenRoot;
const QString kProgressFile = QStringLiteral("progress.txt");
const QString kBackend = QStringLiteral("backend/");

// A golden tree's name: the model's, after "backend/" for the web backend.
const TOutputTarget& targetOf(const QString& tree) {
    return tree.startsWith(kBackend) ? WebBackendTarget() : MobileClientTarget();
}
QString modelOf(const QString& tree) {
    return tree.startsWith(kBackend) ? tree.mid(kBackend.size()) : tree;
}
QString templateProjectOf(const QString& tree) {
    return QStringLiteral(QUILLMERE_APP_DIR "/") + targetOf(tree).templateProject;
}

class ProgressHost : public TGenerationHost {
  public:
    QStringList lines;
    void AppendProgress(const QString& line) override { lines.append(line); }
    void Notice(int, qint32, const QString& text) override { lines.append(text); }
    void RunFailed(const QString& message) override { lines.append("failed: " + message); }
};

// Puts the model's project into the current store; answers its id and name.
std::pair<qint32, QString> seed(const QString& model) {
    if (model == QLatin1String("demo")) {
        CreateDemoProject();
        return {TProjectDAO().FindProjectsByName(DemoProjectName()).last(), DemoProjectName()};
    }
    if (model == QLatin1String("edge")) {
        const TProjectModel edge = testing::edgeModel();
        return {testing::seedModel(edge), edge.projectName};
    }
    TProjectDAO().AddProject(QStringLiteral("空项目"));
    return {1, QStringLiteral("空项目")};
}

// What a run wrote beyond the copy of the template project, by relative path, and its progress.
using testing::Tree;

Tree generate(const QString& goldenTree) {
    testing::TempStore store;
    testing::TempAppFolder app;
    const auto [projectId, projectName] = seed(modelOf(goldenTree));
    ProgressHost host;
    TRunRequest request{projectId, projectName, QString(), app.path()};
    request.target = &targetOf(goldenTree);
    RunGeneration(request, host);
    Tree tree;
    tree[kProgressFile] = host.lines.join(QLatin1Char('\n')).toUtf8() + '\n';
    const QString output = app.path() + QStringLiteral("/projects/") + projectName +
                           QLatin1Char('/') + request.target->folder;
    const QString templateProject = templateProjectOf(goldenTree);
    const QStringList copied = testing::filesBelow(templateProject);
    for (const QString& file : testing::filesBelow(output)) {
        const QByteArray bytes = testing::readAll(output + QLatin1Char('/') + file);
        if (!copied.contains(file)) {
            tree[file] = bytes;
        } else if (bytes != testing::readAll(templateProject + QLatin1Char('/') + file)) {
            tree[file + QStringLiteral(" (differs from the template project)")] = bytes;
        }
    }
    for (const QString& file : copied) {
        if (!QFile::exists(output + QLatin1Char('/') + file)) {
            tree[file + QStringLiteral(" (template file not copied)")] = QByteArray();
        }
    }
    return tree;
}

void writeGolden(const QString& model, const Tree& tree) {
    QDir(kGoldenRoot + model).removeRecursively();
    for (auto it = tree.cbegin(); it != tree.cend(); ++it) {
        testing::writeAll(kGoldenRoot + model + QLatin1Char('/') + it.key(), it.value());
    }
}

}  // namespace

class GoldenTest : public QObject {
    Q_OBJECT

    static void models() {
        QTest::addColumn<QString>("model");
        for (const char* model :
             {"demo", "edge", "empty", "backend/demo", "backend/edge", "backend/empty"}) {
            QTest::newRow(model) << QString::fromLatin1(model);
        }
    }

  private slots:
    void runWritesTheGoldenTree_data() { models(); }
    void runWritesTheGoldenTree() {
        QFETCH(QString, model);
        const Tree actual = generate(model);
        if (qEnvironmentVariableIntValue("QUILLMERE_UPDATE_GOLDEN") == 1) {
            writeGolden(model, actual);
            qInfo("rewrote tests/golden/%s", qPrintable(model));
            return;
        }
        const QString report =
            testing::firstDifference(actual, testing::treeOf(kGoldenRoot + model));
        QVERIFY2(report.isEmpty(),
                 qPrintable("differs from tests/golden/" + model + ":\n" + report +
                            "\n(QUILLMERE_UPDATE_GOLDEN=1 rewrites the tree)"));
    }

    // The golden files over a copy of the template project build as an Android project, or
    // compile as a web backend.
    void goldenTreeBuilds_data() { models(); }
    void goldenTreeBuilds() {
        QFETCH(QString, model);
        QTemporaryDir project;
        testing::copyTree(templateProjectOf(model), project.path());
        testing::copyTree(kGoldenRoot + model, project.path());
        QFile::remove(project.filePath(kProgressFile));
        const QString verifier = model.startsWith(kBackend)
                                     ? QStringLiteral("/tools/verify-backend-project")
                                     : QStringLiteral("/tools/verify-android-project");
        const testing::ProcessResult verified =
            testing::runProcess(QStringLiteral(QUILLMERE_SOURCE_DIR) + verifier, {project.path()});
        QVERIFY2(verified.exitCode == 0, qPrintable(verified.out + verified.err));
    }
};

QTEST_GUILESS_MAIN(GoldenTest)
#include "test_golden.moc"

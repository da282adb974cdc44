// Whole generation runs compared byte for byte with the trees under tests/golden/<model>/: the
// generated files and the run's progress lines. QUILLMERE_UPDATE_GOLDEN=1 rewrites the trees
// instead (tests/golden/README.md).

#include <QStringDecoder>

#include "Models.h"
#include "TestSupport.h"
#include "run/AutoCode.h"
#include "store/DemoProject.h"

namespace {

using testing::kGoldenRoot;
using testing::kTemplateProject;
const QString kProgressFile = QStringLiteral("progress.txt");

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

Tree generate(const QString& model) {
    testing::TempStore store;
    testing::TempAppFolder app;
    const auto [projectId, projectName] = seed(model);
    ProgressHost host;
    RunGeneration({projectId, projectName, QString(), app.path()}, host);
    Tree tree;
    tree[kProgressFile] = host.lines.join(QLatin1Char('\n')).toUtf8() + '\n';
    const QString output = app.output(projectName);
    const QStringList copied = testing::filesBelow(kTemplateProject);
    for (const QString& file : testing::filesBelow(output)) {
        const QByteArray bytes = testing::readAll(output + QLatin1Char('/') + file);
        if (!copied.contains(file)) {
            tree[file] = bytes;
        } else if (bytes != testing::readAll(kTemplateProject + QLatin1Char('/') + file)) {
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

// The file's text as its encoding reads: Java sources are GBK, the rest UTF-8 (after any BOM).
QString decoded(const QString& file, const QByteArray& bytes) {
    if (file.endsWith(QLatin1String(".java"))) {
        return QStringDecoder("GBK").decode(bytes);
    }
    return QString::fromUtf8(bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes);
}

QString visible(QString line) {
    return line.replace('\t', QStringLiteral("→")).replace('\r', QStringLiteral("␍"));
}

// The first difference of one file: its line with both versions.
QString describeDifference(const QString& file, const QByteArray& actual,
                           const QByteArray& expected) {
    const QStringList a = decoded(file, actual).split('\n');
    const QStringList e = decoded(file, expected).split('\n');
    for (qsizetype i = 0; i < qMax(a.size(), e.size()); ++i) {
        if (i >= a.size() || i >= e.size() || a[i] != e[i]) {
            return QStringLiteral("%1 line %2\n  expected: %3\n  actual:   %4")
                .arg(file)
                .arg(i + 1)
                .arg(i < e.size() ? "[" + visible(e[i]) + "]" : QStringLiteral("<end of file>"),
                     i < a.size() ? "[" + visible(a[i]) + "]" : QStringLiteral("<end of file>"));
        }
    }
    return file + QStringLiteral(": same text, other bytes (BOM or encoding)");
}

QString describeDifferences(const Tree& actual, const Tree& expected) {
    QStringList report;
    for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
        if (!actual.contains(it.key())) {
            report << it.key() + QStringLiteral(": not written");
        } else if (actual[it.key()] != it.value()) {
            report << describeDifference(it.key(), actual[it.key()], it.value());
        }
    }
    for (auto it = actual.cbegin(); it != actual.cend(); ++it) {
        if (!expected.contains(it.key())) {
            report << it.key() + QStringLiteral(": written, but not in the golden tree");
        }
    }
    return report.join(QLatin1Char('\n'));
}

}  // namespace

class GoldenTest : public QObject {
    Q_OBJECT

    static void models() {
        QTest::addColumn<QString>("model");
        for (const char* model : {"demo", "edge", "empty"}) {
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
        const QString report = describeDifferences(actual, testing::treeOf(kGoldenRoot + model));
        QVERIFY2(report.isEmpty(),
                 qPrintable("differs from tests/golden/" + model + ":\n" + report +
                            "\n(QUILLMERE_UPDATE_GOLDEN=1 rewrites the tree)"));
    }

    // The golden files over a copy of the template project build as an Android project.
    void goldenTreeBuilds_data() { models(); }
    void goldenTreeBuilds() {
        QFETCH(QString, model);
        QTemporaryDir project;
        testing::copyTree(kTemplateProject, project.path());
        testing::copyTree(kGoldenRoot + model, project.path());
        QFile::remove(project.filePath(kProgressFile));
        const testing::ProcessResult verified = testing::runProcess(
            QStringLiteral(QUILLMERE_SOURCE_DIR "/tools/verify-android-project"), {project.path()});
        QVERIFY2(verified.exitCode == 0, qPrintable(verified.out + verified.err));
    }
};

QTEST_GUILESS_MAIN(GoldenTest)
#include "test_golden.moc"

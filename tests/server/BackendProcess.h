#pragma once

// The generated Java backend of a model, started by tools/run-backend on a private PostgreSQL
// cluster and Tomcat instances, for the tests that talk to it over HTTP. The tests run against
// it instead of `serve` when QUILLMERE_TARGET is "backend" (the CTest label "backend").

#include <signal.h>

#include <QDirIterator>
#include <QProcess>
#include <QRegularExpression>

#include "TestSupport.h"

namespace testing {

inline bool backendTarget() {
    return qEnvironmentVariable("QUILLMERE_TARGET") == "backend";
}

class BackendProcess {
  public:
    // Generates the backend of the model file and starts it with the number of nodes; the base
    // addresses are empty when it did not get that far (a warning shows why).
    explicit BackendProcess(const QString& modelFile, int nodes = 1) {
        const ProcessResult generated =
            runCli({"generate-server", "--model", modelFile, "--home", app_.path()});
        const QString project = projectFolder();
        if (generated.exitCode != 0 || project.isEmpty()) {
            qWarning("generate-server failed:\n%s", qPrintable(generated.out + generated.err));
            return;
        }
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process_.start(QStringLiteral(QUILLMERE_SOURCE_DIR "/tools/run-backend"),
                       {project, "--nodes", QString::number(nodes)});
        static const QRegularExpression address(
            QStringLiteral("^http://127\\.0\\.0\\.1:\\d+/JavaWebProject/$"));
        while (baseUrls_.size() < nodes && process_.waitForReadyRead(300000)) {
            while (process_.canReadLine()) {
                const QString line = QString::fromUtf8(process_.readLine()).trimmed();
                if (address.match(line).hasMatch()) {
                    baseUrls_.append(line);
                }
            }
        }
        if (baseUrls_.size() < nodes) {
            qWarning("run-backend did not start: %s", qPrintable(process_.readAll()));
        }
    }
    ~BackendProcess() {
        if (process_.state() != QProcess::NotRunning) {
            ::kill(static_cast<pid_t>(process_.processId()), SIGTERM);
            if (!process_.waitForFinished(60000)) {
                process_.kill();
                process_.waitForFinished();
            }
        }
    }

    const QStringList& baseUrls() const { return baseUrls_; }
    int port(int node = 0) const {
        return node < baseUrls_.size() ? QUrl(baseUrls_.at(node)).port() : 0;
    }

  private:
    QString projectFolder() const {
        QDirIterator it(app_.path() + "/projects", {"JavaWebProject"}, QDir::Dirs,
                        QDirIterator::Subdirectories);
        return it.hasNext() ? it.next() : QString();
    }

    TempAppFolder app_;
    QProcess process_;
    QStringList baseUrls_;
};

}  // namespace testing

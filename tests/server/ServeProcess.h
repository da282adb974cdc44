#pragma once

// `quillmere-cli serve` as a child process on a port the system picks, for the tests that talk
// to it over HTTP.

#include <signal.h>

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace testing {

class ServeProcess {
  public:
    // Starts `serve` with the arguments and --port 0 and waits until it names the address it
    // listens on; port() is 0 when it did not get that far (a warning shows its output). The output
    // goes to a file, since a pipe that nobody reads while the test talks to the server would stall
    // its log.
    explicit ServeProcess(const QStringList& arguments,
                          const QString& workingDirectory = QString()) {
        process_.setWorkingDirectory(workingDirectory);
        process_.setProcessChannelMode(QProcess::MergedChannels);
        process_.setStandardOutputFile(log_.filePath(QStringLiteral("serve.log")));
        process_.start(QStringLiteral(QUILLMERE_APP_DIR "/quillmere-cli"),
                       QStringList{QStringLiteral("serve")} + arguments +
                           QStringList{QStringLiteral("--port"), QStringLiteral("0")});
        static const QRegularExpression address(QStringLiteral("http://[0-9.]+:(\\d+)/"));
        for (int wait = 0; port_ == 0 && wait < 400 && !process_.waitForFinished(50); ++wait) {
            port_ = address.match(output()).captured(1).toInt();
        }
        if (port_ == 0) {
            qWarning("serve did not start:\n%s", qPrintable(output()));
        }
    }
    ~ServeProcess() {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished();
        }
    }

    int port() const { return port_; }
    qint64 pid() const { return process_.processId(); }
    // Its memory in KiB as /proc tells it: field VmRSS, or VmHWM (the peak).
    qint64 memoryKiB(const char* field) const {
        QFile status(QStringLiteral("/proc/%1/status").arg(pid()));
        status.open(QIODevice::ReadOnly);
        const QRegularExpression number(QLatin1String(field) + QStringLiteral(":\\s*(\\d+)"));
        return number.match(QString::fromLatin1(status.readAll())).captured(1).toLongLong();
    }
    QString baseUrl() const {
        return QStringLiteral("http://127.0.0.1:%1/JavaWebProject/").arg(port_);
    }
    // Waits up to 10 s for a log line holding text; false when none came.
    bool waitForLog(const QString& text) const {
        for (int wait = 0; wait < 200; ++wait) {
            if (output().contains(text)) {
                return true;
            }
            QTest::qWait(50);
        }
        return false;
    }
    QString output() const {
        QFile log(log_.filePath(QStringLiteral("serve.log")));
        return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString();
    }
    // Stops it as Ctrl-C does; answers its exit code (-1 when it did not end by itself).
    int interrupt() {
        if (process_.state() == QProcess::NotRunning) {
            return -1;
        }
        ::kill(static_cast<pid_t>(process_.processId()), SIGINT);
        if (!process_.waitForFinished(20000) || process_.exitStatus() != QProcess::NormalExit) {
            return -1;
        }
        return process_.exitCode();
    }

  private:
    QTemporaryDir log_;
    QProcess process_;
    int port_ = 0;
};

}  // namespace testing

#pragma once

// `quillmere-cli serve` as a child process on a port the system picks, for the tests that talk
// to it over HTTP.

#include <signal.h>

#include <QProcess>
#include <QRegularExpression>
#include <QTest>

namespace testing {

// Runs quillmere-cli with the arguments; answers its exit code and everything it printed.
inline std::pair<int, QString> runCli(const QStringList& arguments) {
    QProcess cli;
    cli.setProcessChannelMode(QProcess::MergedChannels);
    cli.start(QStringLiteral(QUILLMERE_APP_DIR "/quillmere-cli"), arguments);
    cli.waitForFinished(60000);
    return {cli.exitStatus() == QProcess::NormalExit ? cli.exitCode() : -1,
            QString::fromUtf8(cli.readAll())};
}

class ServeProcess {
  public:
    // Starts `serve` with the arguments and --port 0 and waits until it listens; port() is 0
    // when it did not get that far (output() says why).
    explicit ServeProcess(const QStringList& arguments) {
        process_.setProcessChannelMode(QProcess::MergedChannels);
        process_.start(QStringLiteral(QUILLMERE_APP_DIR "/quillmere-cli"),
                       QStringList{QStringLiteral("serve")} + arguments +
                           QStringList{QStringLiteral("--port"), QStringLiteral("0")});
        static const QRegularExpression address(QStringLiteral("http://127\\.0\\.0\\.1:(\\d+)/"));
        while (port_ == 0 && process_.waitForReadyRead(20000)) {
            output_ += QString::fromUtf8(process_.readAll());
            port_ = address.match(output_).captured(1).toInt();
        }
    }
    ~ServeProcess() {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished();
        }
    }

    int port() const { return port_; }
    QString baseUrl() const {
        return QStringLiteral("http://127.0.0.1:%1/JavaWebProject/").arg(port_);
    }
    QString output() {
        output_ += QString::fromUtf8(process_.readAll());
        return output_;
    }
    // Stops it as Ctrl-C does; answers its exit code (-1 when it did not end by itself).
    int interrupt() {
        ::kill(static_cast<pid_t>(process_.processId()), SIGINT);
        if (!process_.waitForFinished(20000) || process_.exitStatus() != QProcess::NormalExit) {
            return -1;
        }
        output();
        return process_.exitCode();
    }

  private:
    QProcess process_;
    QString output_;
    int port_ = 0;
};

}  // namespace testing

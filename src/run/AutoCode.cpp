#include "run/AutoCode.h"

#include <QDir>

#include "common/Error.h"
#include "generation/CodeModel.h"
#include "generators/MobileClient.h"
#include "store/DbHelper.h"
#include "store/ProjectDAO.h"

namespace {

// Forwards every call to the host on its own thread and waits for it to return.
class QueuedHost : public TGenerationHost {
  public:
    QueuedHost(TGenerationHost* host, QObject* context) : host_(host), context_(context) {}

    void AppendProgress(const QString& line) override {
        call([&] { host_->AppendProgress(line); });
    }
    void Notice(int message, qint32 classId, const QString& text) override {
        call([&] { host_->Notice(message, classId, text); });
    }
    void RunFailed(const QString& message) override {
        call([&] { host_->RunFailed(message); });
    }
    void Conflicts(const QStringList& files) override {
        call([&] { host_->Conflicts(files); });
    }

  private:
    template <typename F>
    void call(F f) {
        QMetaObject::invokeMethod(context_, f, Qt::BlockingQueuedConnection);
    }

    TGenerationHost* host_;
    QObject* context_;
};

// Thrown between two files when the run is asked to stop.
struct RunStopped {};

// Two projects of one name would write one output folder, each removing the other's files.
QString sharedNameProblem(const TRunRequest& request) {
    if (request.loadModel) {
        return QString();
    }
    const QList<qint32> ids = TProjectDAO().FindProjectsByName(request.projectName);
    if (ids.size() < 2) {
        return QString();
    }
    QStringList numbers;
    for (qint32 id : ids) {
        numbers.append(QString::number(id));
    }
    return QStringLiteral(
               "编号为%1的项目都名为\"%2\"，会写入同一个输出目录projects/%2，"
               "请先修改其中一个项目的名称!")
        .arg(numbers.join(QStringLiteral("、")), request.projectName);
}

}  // namespace

void RunGeneration(const TRunRequest& request, TGenerationHost& host) {
    try {
        QString nameProblem = FindProjectNameProblem(request.projectName);
        if (nameProblem.isEmpty()) {
            nameProblem = sharedNameProblem(request);
        }
        if (!nameProblem.isEmpty()) {
            host.RunFailed(nameProblem);
            return;
        }
        const TProjectModel project =
            request.loadModel
                ? request.loadModel()
                : LoadProjectModel(request.projectId, request.projectName, request.packageName);
        const TModelProblem problem = FindModelProblem(project);
        if (problem.found()) {
            host.Notice(problem.notice, problem.classId, problem.message);
            return;
        }
        const QStringList conflicts = TMobileClient::Generate(
            project, QDir(request.appFolder).absolutePath(),
            request.overwrite ? TWriteMode::Overwrite : TWriteMode::KeepEdits,
            [&](const QString& line) {
                host.AppendProgress(line);
                if (request.stopRequested && request.stopRequested()) {
                    throw RunStopped();
                }
            });
        if (!conflicts.isEmpty()) {
            host.Conflicts(conflicts);
        }
        host.Notice(kNoticeCompleted, 0, kCompletedText);
    } catch (const RunStopped&) {
        host.AppendProgress(kStoppedText);
    } catch (const TError& error) {
        host.RunFailed(error.message());
    } catch (const std::exception& error) {
        host.RunFailed(QString::fromLocal8Bit(error.what()));
    }
}

TAutoCode::TAutoCode(const TRunRequest& request, TGenerationHost* host, QObject* hostContext)
    : request_(request), host_(host), hostContext_(hostContext) {
    request_.stopRequested = [this] { return isInterruptionRequested(); };
    connect(this, &QThread::finished, this, &QObject::deleteLater);
}

void TAutoCode::run() {
    QueuedHost host(host_, hostContext_);
    RunGeneration(request_, host);
    TDbHelper::CloseConnection();
}

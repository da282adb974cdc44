#include "generation/AutoCode.h"

#include <QDir>

#include "common/Error.h"
#include "generation/CodeModel.h"
#include "generation/MobileClient.h"
#include "store/DbHelper.h"

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

}  // namespace

void RunGeneration(const TRunRequest& request, TGenerationHost& host) {
    try {
        const QString nameProblem = FindProjectNameProblem(request.projectName);
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
            [&host](const QString& line) { host.AppendProgress(line); });
        if (!conflicts.isEmpty()) {
            host.Conflicts(conflicts);
        }
        host.Notice(kNoticeCompleted, 0, kCompletedText);
    } catch (const TError& error) {
        host.RunFailed(error.message());
    } catch (const std::exception& error) {
        host.RunFailed(QString::fromLocal8Bit(error.what()));
    }
}

TAutoCode::TAutoCode(const TRunRequest& request, TGenerationHost* host, QObject* hostContext)
    : request_(request), host_(host), hostContext_(hostContext) {
    connect(this, &QThread::finished, this, &QObject::deleteLater);
}

void TAutoCode::run() {
    QueuedHost host(host_, hostContext_);
    RunGeneration(request_, host);
    TDbHelper::CloseConnection();
}

#include "run/AutoCode.h"

#include <QDir>

#include "common/Error.h"
#include "generation/CodeModel.h"
#include "generation/FileOperate.h"
#include "generation/OutputProject.h"
#include "generation/OutputTarget.h"
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

void generate(const TRunRequest& request, TGenerationHost& host) {
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
    const QStringList conflicts =
        GenerateTarget(*request.target, project, QDir(request.appFolder).absolutePath(),
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
}

// A lock that no run can be seen holding goes only when the user confirms it; the run then
// starts again.
void generateRemovingLock(const TRunRequest& request, TGenerationHost& host) {
    try {
        generate(request, host);
    } catch (const TLockRefused& refused) {
        if (!request.confirmLockRemoval || !request.confirmLockRemoval(refused.message())) {
            throw;
        }
        TFileOperate::RemoveFile(refused.lockFile());
        generate(request, host);
    }
}

}  // namespace

void RunGeneration(const TRunRequest& request, TGenerationHost& host) {
    try {
        generateRemovingLock(request, host);
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
    request_.stopRequested = [this, asked = request.stopRequested] {
        return isInterruptionRequested() || (asked && asked());
    };
    // The question is the host's to ask, on its thread.
    if (request.confirmLockRemoval) {
        request_.confirmLockRemoval = [this,
                                       ask = request.confirmLockRemoval](const QString& text) {
            bool confirmed = false;
            QMetaObject::invokeMethod(
                hostContext_, [&] { confirmed = ask(text); }, Qt::BlockingQueuedConnection);
            return confirmed;
        };
    }
    connect(this, &QThread::finished, this, &QObject::deleteLater);
}

void TAutoCode::run() {
    QueuedHost host(host_, hostContext_);
    RunGeneration(request_, host);
    TDbHelper::CloseConnection();
}

#include "generation/AutoCode.h"

#include <QDir>

#include "generation/CodeModel.h"
#include "generation/MobileClient.h"
#include "store/ClassDAO.h"
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

  private:
    template <typename F>
    void call(F f) {
        QMetaObject::invokeMethod(context_, f, Qt::BlockingQueuedConnection);
    }

    TGenerationHost* host_;
    QObject* context_;
};

struct Check {
    int notice;
    bool (TClassDAO::*run)(const TEntryList&, qint32*) const;
};

const Check kChecks[] = {
    {kNoticeKeyCheck, &TClassDAO::CheckKeyMembers},
    {kNoticeDisplayCheck, &TClassDAO::CheckDisplayMembers},
    {kNoticePhoneListCheck, &TClassDAO::CheckPhoneListMembers},
};

// Answers false after notifying the host of the first failing check.
bool passesChecks(const TEntryList& classes, TGenerationHost& host) {
    const TClassDAO dao;
    for (const Check& check : kChecks) {
        qint32 failingClassId = 0;
        if (!(dao.*check.run)(classes, &failingClassId)) {
            host.Notice(check.notice, failingClassId,
                        CheckNoticeText(check.notice, dao.GetClassName(failingClassId)));
            return false;
        }
    }
    return true;
}

}  // namespace

QString CheckNoticeText(int message, const QString& className) {
    switch (message) {
        case kNoticeKeyCheck:
            return className + QStringLiteral("表主键设置错误，每个类只能设置一个主键!");
        case kNoticeDisplayCheck:
            return className +
                   QStringLiteral("表显示成员设置错误，每个类有且只能设置一个下拉框显示字段!");
        case kNoticePhoneListCheck:
            return className + QStringLiteral("表请至少设置一个安卓列表页显示字段!");
        default:
            return QString();
    }
}

void RunGeneration(const TRunRequest& request, TGenerationHost& host) {
    try {
        if (!IsSafeFileNameComponent(request.projectName)) {
            host.RunFailed(QStringLiteral("项目名称\"%1\"不能用作文件夹名，请修改项目名称!")
                               .arg(request.projectName));
            return;
        }
        const TEntryList classes = TClassDAO().ListClasses(request.projectId);
        if (!passesChecks(classes, host)) {
            return;
        }
        const TProjectModel project =
            LoadProjectModel(classes, request.projectId, request.projectName, request.packageName);
        const TModelProblem problem = FindModelProblem(project);
        if (!problem.message.isEmpty()) {
            host.Notice(kNoticeModelCheck, problem.classId, problem.message);
            return;
        }
        TMobileClient::Generate(project, QDir(request.appFolder).absolutePath(),
                                [&host](const QString& line) { host.AppendProgress(line); });
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

TAutoCode* TAutoCode::Start(const TRunRequest& request, TGenerationHost* host,
                            QObject* hostContext) {
    auto* run = new TAutoCode(request, host, hostContext);
    run->start();
    return run;
}

void TAutoCode::run() {
    QueuedHost host(host_, hostContext_);
    RunGeneration(request_, host);
    TDbHelper::CloseConnection();
}

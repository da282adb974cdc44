// The main window as the host of generation runs: the package name, starting a run, its
// progress, notices and end, and stopping it when the window closes.

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QPlainTextEdit>
#include <QSettings>

#include "generation/JavaNames.h"
#include "generation/ModelChecks.h"
#include "generators/client/MobileClient.h"
#include "generators/server/WebBackend.h"
#include "workbench/MainForm.h"

// The package name is the application id of the selected project's client.
void TFormMain::SetPackageName() {
    const qint32 projectId = SelectedProjectId();
    if (projectId < 0) {
        Message(tr("没有一个工程被选中！"));
        return;
    }
    const QString current =
        packageNames_.value(projectId, DefaultApplicationId(CB_Project->currentText()));
    const QString answer =
        prompts_->GetText(this, tr("包名输入框"), tr("请输入一个包名如:           "), current);
    if (answer.isEmpty()) {
        Message(tr("包名输入不能为空!"));
        return;
    }
    if (const QString problem = FindApplicationIdProblem(answer); !problem.isEmpty()) {
        Message(problem);
        return;
    }
    packageNames_.insert(projectId, answer);
}

void TFormMain::Generate() {
    StartRun(MobileClientTarget());
}

void TFormMain::GenerateServer() {
    StartRun(WebBackendTarget());
}

// One run at a time from the window, of either target.
void TFormMain::StartRun(const TOutputTarget& target) {
    if (SelectedProjectId() < 0) {
        Message(tr("没有一个工程被选中！"));
        return;
    }
    // Without kept edits the run overwrites the user's changes: Enter must not start it.
    if (!prompts_->Confirm(this, PreRunText(), kAppTitle,
                           KeepEdits->isChecked() ? TDefaultAnswer::Ok : TDefaultAnswer::Cancel)) {
        return;
    }
    Memo_State->clear();
    TRunRequest request;
    request.target = &target;
    request.projectId = SelectedProjectId();
    request.projectName = CB_Project->currentText();
    request.packageName = packageNames_.value(request.projectId);
    request.appFolder = appFolder_;
    request.overwrite = !KeepEdits->isChecked();
    request.confirmLockRemoval = [this](const QString& message) {
        return !closing_ &&
               prompts_->Confirm(this, message + tr("\n\n删除该锁文件并继续生成吗?"), tr("锁文件"));
    };
    runProjectName_ = request.projectName;
    SetRunActionsEnabled(false);
    activeRun_ = new TAutoCode(request, this, this);
    connect(activeRun_, &QThread::finished, this, [this] { SetRunActionsEnabled(true); });
    activeRun_->start();
}

void TFormMain::SetRunActionsEnabled(bool enabled) {
    A1->setEnabled(enabled);
    GenerateServerAction->setEnabled(enabled);
}

// Kept edits live in the output folder and its record: deleting the folder would lose them.
QString TFormMain::PreRunText() const {
    if (KeepEdits->isChecked()) {
        return tr(
            "已勾选\"保留手工修改\"：你对生成文件所做的修改会保留下来，"
            "请不要删除原来的目录，否则这些修改会丢失!");
    }
    return tr(
        "未勾选\"保留手工修改\"：本次生成会覆盖以前生成的文件，你对这些文件所做的修改将会丢失!"
        "如果以前生成了该项目，最好先删除原来的目录!");
}

void TFormMain::StopRun() {
    closing_ = true;
    if (activeRun_) {
        activeRun_->requestInterruption();
    }
    // The run may be waiting for this thread to take a progress line.
    while (activeRun_ && !activeRun_->wait(20)) {
        QCoreApplication::processEvents();
    }
}

void TFormMain::closeEvent(QCloseEvent* event) {
    if (activeRun_ && activeRun_->isRunning() &&
        !prompts_->Confirm(this,
                           tr("代码正在生成中，停止生成并关闭窗口吗?\n"
                              "已写入的文件会保留，下次生成该项目时会完成其余文件。"),
                           tr("关闭提示"))) {
        event->ignore();
        return;
    }
    StopRun();
    event->accept();
}

void TFormMain::AppendProgress(const QString& line) {
    if (closing_) {
        return;
    }
    Memo_State->appendPlainText(line);
}

void TFormMain::Notice(int message, qint32, const QString& text) {
    if (closing_) {
        return;
    }
    if (message != kNoticeCompleted) {
        Memo_State->appendPlainText(text);
        Message(text);
        return;
    }
    const QString folder =
        QDir(appFolder_).absoluteFilePath(QStringLiteral("projects/") + runProjectName_);
    Memo_State->appendPlainText(tr("输出目录: ") + QDir::toNativeSeparators(folder));
    prompts_->Information(this, text, tr("任务提示"));
    prompts_->OpenFolder(folder);
}

void TFormMain::Conflicts(const QStringList& lines) {
    if (closing_) {
        return;
    }
    Message(lines.join(QLatin1Char('\n')));
}

void TFormMain::RunFailed(const QString& message) {
    if (closing_) {
        return;
    }
    Memo_State->appendPlainText(message);
    Message(message);
}

// Settings live in the app folder beside the store.
QSettings TFormMain::Settings() const {
    return QSettings(QDir(appFolder_).filePath(QStringLiteral("quillmere.ini")),
                     QSettings::IniFormat);
}

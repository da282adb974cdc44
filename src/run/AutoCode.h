#pragma once

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QThread>
#include <functional>

#include "generation/ModelChecks.h"
#include "generation/OutputTarget.h"
#include "generators/client/MobileClient.h"

// What a run is given when it starts; the project name is captured once, here.
struct TRunRequest {
    qint32 projectId = 0;
    QString projectName;
    QString packageName;
    QString appFolder;  // holds bak/, template/ and receives projects/
    // Where the model comes from when it is not the store's project projectId (a model file).
    std::function<TProjectModel()> loadModel;
    // Every file gets the new content, the user's changes to generated files are dropped.
    bool overwrite = false;
    // Asked after each written file: true ends the run there. Files written stay, and the
    // run's journal lets the next run of the project finish what this one left.
    std::function<bool()> stopRequested;
    // Asked, with the message, when the project's lock was left empty or by a run on another
    // machine: true removes the lock file and runs again. Without it the run fails.
    std::function<bool(const QString& message)> confirmLockRemoval;
    // What the run writes: the Android client unless told otherwise.
    const TOutputTarget* target = &MobileClientTarget();
};

// The run's view of whoever started it (the workbench window or the command line).
class TGenerationHost {
  public:
    virtual ~TGenerationHost() = default;
    virtual void AppendProgress(const QString& line) = 0;
    // A check failed (failingClassId set, text is the message to show, class name first) or the
    // run completed (kNoticeCompleted, class id 0, text "所有代码生成完毕!").
    virtual void Notice(int message, qint32 failingClassId, const QString& text) = 0;
    // An error stopped the run; files written before it stay. No completion notice follows.
    virtual void RunFailed(const QString& message) = 0;
    // What the user has to settle (files with conflict markers, binary files with the new
    // content beside them, changed files the model no longer makes): each kind under a line
    // saying what to do, then one line per file. Comes just before the completion notice.
    virtual void Conflicts(const QStringList& lines) { Q_UNUSED(lines); }
};

// The run's body, on the calling thread: loads the model, checks every class, then writes the
// project.
void RunGeneration(const TRunRequest& request, TGenerationHost& host);

inline const QString kCompletedText = QStringLiteral("所有代码生成完毕!");
// The last progress line of a run that was asked to stop.
inline const QString kStoppedText = QStringLiteral("生成已停止，下次生成该项目时会完成其余文件。");

// One generation run on its own thread. Every host call is carried out on the thread of
// hostContext and the run waits for it, so lines and notices arrive in order. The thread object
// deletes itself when the run ends. requestInterruption() stops the run after the file it is
// writing.
class TAutoCode : public QThread {
    Q_OBJECT
  public:
    TAutoCode(const TRunRequest& request, TGenerationHost* host, QObject* hostContext);

  protected:
    void run() override;

  private:
    TRunRequest request_;
    TGenerationHost* host_;
    QPointer<QObject> hostContext_;
};

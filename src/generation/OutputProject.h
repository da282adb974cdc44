#pragma once

#include <QLockFile>
#include <QSet>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

#include "common/Error.h"
#include "generation/GeneratedFile.h"
#include "generation/RegenerationRecord.h"

using TProgressSink = std::function<void(const QString& line)>;

struct TOutputTarget;

// The project's lock is held by no run that can be seen from here (left empty, or by a run on
// another machine): the user may remove the lock file once sure that no run writes the project.
class TLockRefused : public TError {
  public:
    TLockRefused(const QString& message, const QString& lockFile)
        : TError(message), lockFile_(lockFile) {}
    const QString& lockFile() const { return lockFile_; }

  private:
    QString lockFile_;
};

// KeepEdits: a file the user changed since the last run keeps the changes (merged with the new
// content where both changed); Overwrite: every file gets the new content, as a fresh run.
enum class TWriteMode { KeepEdits, Overwrite };

// The output project of a target, projects/<project name>/<target folder> below the app folder:
// the one place that turns generated files into bytes on disk. It holds the target's lock while
// it lives, so that one run at a time writes the target's folder, and keeps the record of what
// each run made (in the target's folder below projects/<project name>/.quillmere) to tell the
// user's changes from its own.
class TOutputProject {
  public:
    // Refuses with an error while another run (of this process or another) writes the target's
    // folder of the project.
    TOutputProject(const QString& appFolder, const QString& projectName,
                   const TOutputTarget& target, TWriteMode mode, TProgressSink progress);

    // "projects/<project name>/<target folder>": the start of every progress line.
    const QString& relativeRoot() const { return relativeRoot_; }
    QString absolutePath(const QString& relative) const;

    // Writes the file in its encoding (or keeps or merges the user's changes) and reports it.
    void write(const TGeneratedFile& file);
    // The same for a file of the template project, reported only when it is not plainly
    // written.
    void copy(const QString& path, const QByteArray& bytes);
    void makeFolder(const QString& path);
    // Removes the files the last run made and this one did not (keeping and reporting those the
    // user changed) and makes this run's record.
    void finish();
    // What the user has to settle, as standard error and the workbench list it: under a line
    // saying what to do, the files left with conflict markers, the files merged against an
    // earlier generation than the last, the user's binary files with the new content beside
    // them, the changed files the model no longer makes, and the files of the user's that
    // appeared where a run had removed one. Empty when there is nothing to settle.
    QStringList conflicts() const;

    // The name beside a binary file under which its new content is offered.
    static QString OfferedName(const QString& path) { return path + QStringLiteral(".generated~"); }

  private:
    void place(const QString& path, const QByteArray& bytes, const QString& writtenLine, bool gbk);
    bool placeText(const QString& path, const QByteArray& onDisk, const QByteArray& bytes,
                   const QString& writtenLine, bool gbk);
    bool keptAsEdited(const QString& path, const QByteArray& bytes);
    struct Base {
        std::optional<QByteArray> bytes;
        bool earlier = false;  // an earlier generation's than the last run's
    };
    Base mergeBase(const QList<std::optional<QByteArray>>& versions, const QByteArray& onDisk);
    bool wentBackToEarlierGeneration();
    void mergeChanges(const QString& path, const Base& base, const QByteArray& onDisk,
                      const QByteArray& newInForm, const QByteArray& bytes, bool gbkLabels);
    void refuseLock(const QString& projectName);
    void writeGitIgnore();
    void offerBeside(const QString& path, const QByteArray& bytes);
    void writeFile(const QString& path, const QByteArray& bytes, bool exists);
    void removeStale(const QString& path);
    void report(const QString& path, const QString& what);
    QString listed(const QString& path) const { return relativeRoot_ + QLatin1Char('/') + path; }

    QString appFolder_;
    FileEncoding (*copiedEncoding_)(const QString& path);
    QString relativeRoot_;
    QString outputFolder_;
    QString recordFolder_;
    TWriteMode mode_;
    TProgressSink progress_;
    QLockFile lock_;
    TRegenerationRecord record_;
    bool freshOutput_ = false;
    QSet<QString> placed_;
    QSet<QString> madeFolders_;
    // A file on disk held an earlier generation's version, not the last run's (the client went
    // back); nothing when not known yet.
    std::optional<bool> wentBack_;
    QStringList markedFiles_;
    QStringList reviewFiles_;
    QStringList offeredFiles_;
    QStringList staleFiles_;
    QStringList restoredFiles_;
};

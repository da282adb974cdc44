#include "generation/OutputProject.h"

#include <QDir>
#include <QHash>
#include <QSysInfo>
#include <algorithm>
#include <cerrno>
#include <cstring>

#include "common/Error.h"
#include "generation/FileMerge.h"
#include "generation/FileOperate.h"
#include "generation/OutputTarget.h"

namespace {

QString preparedFolder(const QString& folder) {
    TFileOperate::MakeFolder(folder);
    return folder;
}

// The client's record has lived in .quillmere itself since its first version; other targets
// keep theirs in a folder of their own below it.
QString recordFolderOf(const QString& projectName, const TOutputTarget& target) {
    const QString folder =
        QStringLiteral("projects/") + projectName + QStringLiteral("/.quillmere");
    return target.recordFolder.isEmpty() ? folder : folder + QLatin1Char('/') + target.recordFolder;
}

}  // namespace

TOutputProject::TOutputProject(const QString& appFolder, const QString& projectName,
                               const TOutputTarget& target, TWriteMode mode, TProgressSink progress)
    : appFolder_(appFolder),
      copiedEncoding_(target.copiedEncoding),
      relativeRoot_(QStringLiteral("projects/") + projectName + QLatin1Char('/') + target.folder),
      outputFolder_(absolutePath(relativeRoot_)),
      recordFolder_(preparedFolder(absolutePath(recordFolderOf(projectName, target)))),
      mode_(mode),
      progress_(std::move(progress)),
      lock_(recordFolder_ + QStringLiteral("/lock")),
      record_(recordFolder_, outputFolder_, projectName) {
    // A lock is stale only when its process has ended, however long a run takes.
    lock_.setStaleLockTime(0);
    const bool locked = lock_.tryLock(0);
    const int reason = errno;
    if (!locked) {
        if (lock_.error() == QLockFile::LockFailedError) {
            refuseLock(projectName);
        }
        // The lock file could not be made (a full disk, no permission): the system's reason.
        throw TError(
            QStringLiteral("无法锁定项目\"%1\"的输出目录，无法创建锁文件%2: %3")
                .arg(projectName, lock_.fileName(), QString::fromLocal8Bit(std::strerror(reason))));
    }
    writeGitIgnore();
    for (const QString& problem : record_.Open()) {
        progress_(problem);
    }
    freshOutput_ = !QFileInfo::exists(outputFolder_);
}

// A lock of a run that can be seen running on this machine is waited for; one that is empty or
// unreadable, or was taken on another machine (committed, or copied with the project), names
// its file and when it may go.
void TOutputProject::refuseLock(const QString& projectName) {
    const QString lockFile = recordFolder_ + QStringLiteral("/lock");
    qint64 pid = 0;
    QString host;
    QString app;
    if (!lock_.getLockInfo(&pid, &host, &app)) {
        throw TLockRefused(QStringLiteral("锁文件%1是空的或无法读取，看不出是哪个生成任务留下的。"
                                          "确认没有生成任务正在写入项目\"%2\"后，删除该文件即可"
                                          "重新生成!")
                               .arg(lockFile, projectName),
                           lockFile);
    }
    if (!host.isEmpty() && host != QSysInfo::machineHostName()) {
        throw TLockRefused(QStringLiteral("锁文件%1是另一台计算机(%2)上的生成任务(进程%3)留下的，"
                                          "可能是随项目一起提交或复制过来的。确认那台计算机上没有"
                                          "生成任务正在写入项目\"%4\"后，删除该文件即可重新生成!")
                               .arg(lockFile, host, QString::number(pid), projectName),
                           lockFile);
    }
    throw TError(
        QStringLiteral("项目\"%1\"正由另一个生成任务写入，请等它结束后再生成!").arg(projectName));
}

// The lock and the scratch files belong to one run on one machine: never committed.
void TOutputProject::writeGitIgnore() {
    const QString file = recordFolder_ + QStringLiteral("/.gitignore");
    const QByteArray bytes = QByteArrayLiteral("lock\nscratch\n*.new\n");
    if (TFileOperate::ReadBytes(file) != bytes) {
        TFileOperate::ReplaceFile(file, bytes, recordFolder_ + QStringLiteral("/scratch"));
    }
}

QString TOutputProject::absolutePath(const QString& relative) const {
    return appFolder_ + QLatin1Char('/') + relative;
}

void TOutputProject::write(const TGeneratedFile& file) {
    const QString path =
        file.folder.isEmpty() ? file.fileName : file.folder + QLatin1Char('/') + file.fileName;
    const QString fileForMessage = relativeRoot_ + QLatin1Char('/') + path;
    const QByteArray bytes =
        TFileOperate::Encode(file.text, file.encoding, absolutePath(fileForMessage));
    const QString named = file.progressName.isEmpty()
                              ? path
                              : QFileInfo(path).path() + QLatin1Char('/') + file.progressName;
    place(path, bytes, relativeRoot_ + QLatin1Char('/') + named + QStringLiteral("生成完成!"),
          file.encoding == FileEncoding::Gbk);
}

void TOutputProject::copy(const QString& path, const QByteArray& bytes) {
    place(path, bytes, QString(), copiedEncoding_(path) == FileEncoding::Gbk);
}

void TOutputProject::makeFolder(const QString& path) {
    if (!madeFolders_.contains(path)) {
        TFileOperate::MakeFolder(outputFolder_ + QLatin1Char('/') + path);
        madeFolders_.insert(path);
    }
}

// A file is the user's unchanged one when it holds a version a run made of it (the last run's,
// or an earlier one the user went back to), also in other line ends, another encoding or without
// its BOM; only such a file, or one that is not there, gets the new content. Any other is kept,
// and the new content merged into it or offered beside it.
void TOutputProject::place(const QString& path, const QByteArray& bytes, const QString& writtenLine,
                           bool gbk) {
    // A file placed twice in a run takes the second content as it would in a fresh run.
    const bool again = placed_.contains(path);
    placed_.insert(path);
    // Into a folder that did not exist when the run began, only the run itself has written.
    const auto onDisk = freshOutput_ && !again
                            ? std::nullopt
                            : TFileOperate::ReadBytes(outputFolder_ + QLatin1Char('/') + path);
    const QList<QByteArray>* versions = record_.Versions(path);
    const bool same = onDisk == bytes;
    const qsizetype version =
        versions && onDisk && !same ? versions->indexOf(TRegenerationRecord::IdOf(*onDisk)) : -1;
    if (version > 0) {
        wentBack_ = true;
    }
    if (same || !onDisk || again || mode_ == TWriteMode::Overwrite || version >= 0) {
        if (same) {
            record_.NoteKept(path, bytes);
        } else {
            writeFile(path, bytes, onDisk.has_value());
        }
        if (!writtenLine.isEmpty()) {
            progress_(writtenLine);
        }
        return;
    }
    // Markers of an earlier conflict (or of git's) are never merged: the file stays listed,
    // with the versions it was merged against, until the user has settled it.
    if (HoldsConflictMarkers(*onDisk)) {
        if (versions) {
            record_.NoteUnchanged(path);
        } else {
            record_.NoteKept(path, bytes);
        }
        markedFiles_.append(path);
        report(path, QStringLiteral("冲突尚未解决!"));
        return;
    }
    if (!placeText(path, *onDisk, bytes, writtenLine, gbk) && !keptAsEdited(path, bytes)) {
        offerBeside(path, bytes);
    }
}

// The user changed the file while the new content is what the last run made: it stays.
bool TOutputProject::keptAsEdited(const QString& path, const QByteArray& bytes) {
    const QList<QByteArray>* versions = record_.Versions(path);
    if (!versions || versions->first() != TRegenerationRecord::IdOf(bytes)) {
        return false;
    }
    record_.NoteKept(path, bytes);
    report(path, QStringLiteral("保留手工修改!"));
    return true;
}

// The user's file in its own form (line ends, encoding, BOM): the versions and the new content
// are compared and merged in that form, so a difference of form alone is no edit and the file
// never gets mixed forms. False for a file that is not text in a form the content can take.
bool TOutputProject::placeText(const QString& path, const QByteArray& onDisk,
                               const QByteArray& bytes, const QString& writtenLine, bool gbk) {
    const TFileOperate::TextForm form = TFileOperate::FormOf(onDisk, gbk);
    const auto newInForm = TFileOperate::InForm(bytes, gbk, form);
    if (!newInForm || IsBinaryContent(onDisk)) {
        return false;
    }
    const QList<QByteArray>* versions = record_.Versions(path);
    QList<std::optional<QByteArray>> inForm;
    for (const QByteArray& id : versions ? *versions : QList<QByteArray>()) {
        const auto content = record_.Content(id);
        inForm.append(content ? TFileOperate::InForm(*content, gbk, form) : std::nullopt);
    }
    const qsizetype version = inForm.indexOf(onDisk);
    if (*newInForm == onDisk || version >= 0) {
        if (version > 0) {
            wentBack_ = true;
        }
        if (*newInForm == onDisk) {
            record_.NoteKept(path, bytes);
        } else {
            record_.NoteWrittenAs(path, bytes, *newInForm);
            TFileOperate::ReplaceFile(outputFolder_ + QLatin1Char('/') + path, *newInForm,
                                      recordFolder_ + QStringLiteral("/scratch"));
        }
        if (!writtenLine.isEmpty()) {
            progress_(writtenLine);
        }
        return true;
    }
    if (!keptAsEdited(path, bytes)) {
        mergeChanges(path, mergeBase(inForm, onDisk), onDisk, *newInForm, bytes, !form.utf8);
    }
    return true;
}

namespace {

QHash<QByteArray, int> lineCounts(const QByteArray& bytes) {
    QHash<QByteArray, int> counts;
    for (const QByteArray& line : bytes.split('\n')) {
        ++counts[line];
    }
    return counts;
}

// How many lines one side has that the other has not.
qsizetype lineDistance(QHash<QByteArray, int> counts, const QByteArray& bytes) {
    qsizetype distance = 0;
    for (const QByteArray& line : bytes.split('\n')) {
        int& count = counts[line];
        if (count > 0) {
            --count;
        } else {
            ++distance;
        }
    }
    for (const int count : std::as_const(counts)) {
        distance += count;
    }
    return distance;
}

}  // namespace

// The version the user's file was made from: the one the last run wrote (the first). Only when
// the client went back to an earlier generation (other files hold an earlier version, as after
// a git reset without the record) is a file that is closer to an earlier version taken as made
// from that one; such a merge is listed for review. An edit that brings back a line of an
// earlier generation is an edit like any other. Nothing when the store has lost every version.
TOutputProject::Base TOutputProject::mergeBase(const QList<std::optional<QByteArray>>& versions,
                                               const QByteArray& onDisk) {
    if (versions.isEmpty()) {
        return {};
    }
    if (versions.first() && (versions.size() == 1 || !wentBackToEarlierGeneration())) {
        return {versions.first(), false};
    }
    const QHash<QByteArray, int> counts = lineCounts(onDisk);
    Base best;
    qsizetype bestDistance = 0;
    for (qsizetype i = 0; i < versions.size(); ++i) {
        if (!versions[i]) {
            continue;
        }
        const qsizetype distance = lineDistance(counts, *versions[i]);
        if (!best.bytes || distance < bestDistance) {
            best = {versions[i], i > 0};
            bestDistance = distance;
        }
    }
    return best;
}

// Whether a file of the client holds an earlier generation's version rather than the last
// run's: seen while placing, or found among the files not placed yet.
bool TOutputProject::wentBackToEarlierGeneration() {
    if (!wentBack_) {
        wentBack_ = false;
        for (const QString& path : record_.Paths()) {
            const QList<QByteArray>& versions = *record_.Versions(path);
            if (placed_.contains(path) || !record_.MadeByLastRun(path) || versions.size() < 2) {
                continue;
            }
            const auto onDisk = TFileOperate::ReadBytes(outputFolder_ + QLatin1Char('/') + path);
            if (onDisk && versions.indexOf(TRegenerationRecord::IdOf(*onDisk)) > 0) {
                wentBack_ = true;
                break;
            }
        }
    }
    return *wentBack_;
}

// Without a base (no record of the file) the merge has no common ancestor: wherever the two
// differ, both stand between markers.
void TOutputProject::mergeChanges(const QString& path, const Base& base, const QByteArray& onDisk,
                                  const QByteArray& newInForm, const QByteArray& bytes,
                                  bool gbkLabels) {
    const TMergeResult merged =
        MergeFile(base.bytes.value_or(QByteArray()), onDisk, newInForm, gbkLabels);
    if (!merged.mergeable) {
        offerBeside(path, bytes);
        return;
    }
    if (merged.bytes == onDisk) {
        record_.NoteKept(path, bytes);
    } else {
        record_.NoteWrittenAs(path, bytes, merged.bytes);
        TFileOperate::ReplaceFile(outputFolder_ + QLatin1Char('/') + path, merged.bytes,
                                  recordFolder_ + QStringLiteral("/scratch"));
    }
    if (merged.conflict) {
        markedFiles_.append(path);
        report(path, QStringLiteral("合并冲突!"));
    } else if (base.earlier) {
        reviewFiles_.append(path);
        report(path, QStringLiteral("已按较早一次生成的版本合并，请检查!"));
    } else {
        report(path, QStringLiteral("合并完成!"));
    }
}

// A binary file cannot hold both versions: the user's stays, the new one is written beside it.
// The new content becomes the file's version, so the file is listed this once and later runs
// keep it quietly until the generated content changes again.
void TOutputProject::offerBeside(const QString& path, const QByteArray& bytes) {
    TFileOperate::ReplaceFile(outputFolder_ + QLatin1Char('/') + OfferedName(path), bytes,
                              recordFolder_ + QStringLiteral("/scratch"));
    record_.NoteOffered(path, bytes);
    offeredFiles_.append(path);
    report(path, QStringLiteral("是二进制文件，保留你的版本，新生成的版本写在") +
                     QFileInfo(OfferedName(path)).fileName() + QStringLiteral("!"));
}

// A file that is not there, and was not made by an earlier run, is written in place; any other
// is replaced in one step, so that a run stopped halfway never leaves a cut-off file the next
// run would take for the user's.
void TOutputProject::writeFile(const QString& path, const QByteArray& bytes, bool exists) {
    const QString file = outputFolder_ + QLatin1Char('/') + path;
    makeFolder(QFileInfo(path).path());
    const bool known = record_.Versions(path) != nullptr;
    record_.NoteWritten(path, bytes);
    if (!exists && !known) {
        TFileOperate::WriteBytes(file, bytes);
    } else {
        TFileOperate::ReplaceFile(file, bytes, recordFolder_ + QStringLiteral("/scratch"));
    }
}

void TOutputProject::finish() {
    QStringList stale;
    for (const QString& path : record_.Paths()) {
        if (!placed_.contains(path)) {
            stale.append(path);
        }
    }
    std::sort(stale.begin(), stale.end());
    for (const QString& path : stale) {
        removeStale(path);
    }
    record_.Commit();
}

// A file the model no longer makes goes when the last run made it and it holds a version a run
// made; one the user changed stays, and is listed on every run until the user removes or moves
// it. A file the last run did not make (it removed the file, or kept it as the user's) is never
// removed: one that appears where a run removed a file is the user's own, listed this once and
// then forgotten by the record.
void TOutputProject::removeStale(const QString& path) {
    const QString file = outputFolder_ + QLatin1Char('/') + path;
    const auto onDisk = TFileOperate::ReadBytes(file);
    if (onDisk && record_.WasRemoved(path)) {
        restoredFiles_.append(path);
        report(path, QStringLiteral("已不再生成，作为你自己的文件保留!"));
        return;
    }
    const bool changed =
        onDisk && (!record_.MadeByLastRun(path) ||
                   !record_.Versions(path)->contains(TRegenerationRecord::IdOf(*onDisk)));
    if (changed && mode_ == TWriteMode::KeepEdits) {
        record_.NoteStale(path);
        staleFiles_.append(path);
        report(path, QStringLiteral("已不再生成，保留手工修改!"));
        return;
    }
    record_.NoteRemoved(path);
    if (onDisk) {
        TFileOperate::RemoveFile(file);
        report(path, QStringLiteral("删除完成!"));
    }
}

QStringList TOutputProject::conflicts() const {
    const std::pair<const QStringList*, QString> groups[] = {
        {&markedFiles_,
         QStringLiteral("以下文件中你的修改与新生成的内容冲突，两者都写在冲突标记之间，"
                        "请选定内容并删去标记:")},
        {&reviewFiles_,
         QStringLiteral("以下文件看起来是从较早一次生成的版本改来的(例如git reset之后)，"
                        "已按那个版本合并，请检查合并结果:")},
        {&offeredFiles_,
         QStringLiteral("以下二进制文件你修改过，保留了你的版本；新生成的版本写在它旁边"
                        "(文件名后加.generated~)，请选用其一:")},
        {&staleFiles_,
         QStringLiteral("以下文件模型已不再生成，因你修改过而保留，项目可能因此无法编译，"
                        "请删除或移走:")},
        {&restoredFiles_, QStringLiteral("以下文件模型已不再生成，上次生成时已删除，现在又出现了，"
                                         "作为你自己的文件保留，以后不会删除或改动:")},
    };
    QStringList lines;
    for (const auto& [files, heading] : groups) {
        if (!files->isEmpty()) {
            lines.append(heading);
            for (const QString& path : *files) {
                lines.append(listed(path));
            }
        }
    }
    return lines;
}

void TOutputProject::report(const QString& path, const QString& what) {
    progress_(listed(path) + what);
}

#include "generation/OutputProject.h"

#include <QDir>
#include <algorithm>

#include "common/Error.h"
#include "generation/FileMerge.h"
#include "generation/FileOperate.h"

namespace {

QString preparedFolder(const QString& folder) {
    TFileOperate::MakeFolder(folder);
    return folder;
}

}  // namespace

TOutputProject::TOutputProject(const QString& appFolder, const QString& projectName,
                               TWriteMode mode, TProgressSink progress)
    : appFolder_(appFolder),
      relativeRoot_(QStringLiteral("projects/") + projectName + QStringLiteral("/安卓客户端")),
      outputFolder_(absolutePath(relativeRoot_)),
      recordFolder_(preparedFolder(
          absolutePath(QStringLiteral("projects/") + projectName + QStringLiteral("/.quillmere")))),
      mode_(mode),
      progress_(std::move(progress)),
      lock_(recordFolder_ + QStringLiteral("/lock")),
      record_(recordFolder_, outputFolder_) {
    // A lock is stale only when its process has ended, however long a run takes.
    lock_.setStaleLockTime(0);
    if (!lock_.tryLock(0)) {
        if (lock_.error() == QLockFile::LockFailedError) {
            throw TError(QStringLiteral("项目\"%1\"正由另一个生成任务写入，请等它结束后再生成!")
                             .arg(projectName));
        }
        throw TError(
            QStringLiteral("无法锁定项目\"%1\"的输出目录%2").arg(projectName, recordFolder_));
    }
    const QString problem = record_.Open();
    if (!problem.isEmpty()) {
        progress_(problem);
    }
    freshOutput_ = !QFileInfo::exists(outputFolder_);
}

QString TOutputProject::absolutePath(const QString& relative) const {
    return appFolder_ + QLatin1Char('/') + relative;
}

void TOutputProject::write(const TGeneratedFile& file) {
    const QString path =
        file.folder.isEmpty() ? file.fileName : file.folder + QLatin1Char('/') + file.fileName;
    const QString fileForMessage = relativeRoot_ + QLatin1Char('/') + path;
    const QByteArray bytes = file.encoding == FileEncoding::Gbk
                                 ? TFileOperate::EncodeGbk(file.text, absolutePath(fileForMessage))
                                 : TFileOperate::EncodeUtf8WithBom(file.text);
    const QString named = file.progressName.isEmpty()
                              ? path
                              : QFileInfo(path).path() + QLatin1Char('/') + file.progressName;
    place(path, bytes, relativeRoot_ + QLatin1Char('/') + named + QStringLiteral("生成完成!"),
          false);
}

void TOutputProject::copy(const QString& path, const QByteArray& bytes, bool keepExisting) {
    place(path, bytes, QString(), keepExisting);
}

void TOutputProject::makeFolder(const QString& path) {
    if (!madeFolders_.contains(path)) {
        TFileOperate::MakeFolder(outputFolder_ + QLatin1Char('/') + path);
        madeFolders_.insert(path);
    }
}

// The base is what the last run made of the file; the file is the user's unchanged when it
// still holds the base.
void TOutputProject::place(const QString& path, const QByteArray& bytes, const QString& writtenLine,
                           bool keepExisting) {
    // Into a folder that did not exist when the run began, only the run itself has written.
    const auto onDisk = freshOutput_ && !placed_.contains(path)
                            ? std::nullopt
                            : TFileOperate::ReadBytes(outputFolder_ + QLatin1Char('/') + path);
    const auto recorded = record_.Bases().constFind(path);
    const bool hasBase = mode_ == TWriteMode::KeepEdits && !placed_.contains(path) &&
                         recorded != record_.Bases().cend();
    placed_.insert(path);
    if (onDisk && !hasBase && keepExisting && mode_ == TWriteMode::KeepEdits) {
        record_.NoteKept(path, bytes);
        return;
    }
    if (!onDisk || !hasBase || *onDisk == *recorded || *onDisk == bytes) {
        if (onDisk == bytes) {
            record_.NoteKept(path, bytes);
        } else {
            writeFile(path, bytes, onDisk.has_value());
        }
        if (!writtenLine.isEmpty()) {
            progress_(writtenLine);
        }
        return;
    }
    if (bytes == *recorded) {
        record_.NoteKept(path, bytes);
        report(path, QStringLiteral("保留手工修改!"));
        return;
    }
    mergeChanges(path, *recorded, *onDisk, bytes);
}

void TOutputProject::mergeChanges(const QString& path, const QByteArray& base,
                                  const QByteArray& onDisk, const QByteArray& bytes) {
    const TMergeResult merged = MergeFile(base, onDisk, bytes);
    if (!merged.mergeable) {
        // The user's file stays; the old base keeps it a conflict until the user settles it.
        record_.NoteKept(path, base);
    } else if (merged.bytes == onDisk) {
        record_.NoteKept(path, bytes);
    } else {
        record_.NoteWrittenAs(path, bytes, merged.bytes);
        TFileOperate::ReplaceFile(outputFolder_ + QLatin1Char('/') + path, merged.bytes,
                                  recordFolder_ + QStringLiteral("/scratch"));
    }
    if (merged.conflict) {
        conflicts_.append(relativeRoot_ + QLatin1Char('/') + path);
        report(path, QStringLiteral("合并冲突!"));
    } else {
        report(path, QStringLiteral("合并完成!"));
    }
}

// A file that is not there, and was not made by an earlier run, is written in place; any other
// is replaced in one step, so that a run stopped halfway never leaves a cut-off file the next
// run would take for the user's.
void TOutputProject::writeFile(const QString& path, const QByteArray& bytes, bool exists) {
    const QString file = outputFolder_ + QLatin1Char('/') + path;
    makeFolder(QFileInfo(path).path());
    record_.NoteWritten(path, bytes);
    if (!exists && !record_.Bases().contains(path)) {
        TFileOperate::WriteBytes(file, bytes);
    } else {
        TFileOperate::ReplaceFile(file, bytes, recordFolder_ + QStringLiteral("/scratch"));
    }
}

void TOutputProject::finish() {
    QStringList stale;
    for (auto it = record_.Bases().cbegin(); it != record_.Bases().cend(); ++it) {
        if (!placed_.contains(it.key())) {
            stale.append(it.key());
        }
    }
    std::sort(stale.begin(), stale.end());
    for (const QString& path : stale) {
        removeStale(path, record_.Bases().value(path));
    }
    record_.Commit();
}

void TOutputProject::removeStale(const QString& path, const QByteArray& base) {
    const QString file = outputFolder_ + QLatin1Char('/') + path;
    const auto onDisk = TFileOperate::ReadBytes(file);
    if (onDisk && mode_ == TWriteMode::KeepEdits && *onDisk != base) {
        record_.NoteKept(path, base);
        report(path, QStringLiteral("已不再生成，保留手工修改!"));
        return;
    }
    record_.NoteRemoved(path);
    if (onDisk) {
        TFileOperate::RemoveFile(file);
        report(path, QStringLiteral("删除完成!"));
    }
}

void TOutputProject::report(const QString& path, const QString& what) {
    progress_(relativeRoot_ + QLatin1Char('/') + path + what);
}

#include "generation/OutputProject.h"

#include <QDir>
#include <QHash>
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
    const bool gbk = file.encoding == FileEncoding::Gbk;
    const QByteArray bytes = gbk ? TFileOperate::EncodeGbk(file.text, absolutePath(fileForMessage))
                                 : TFileOperate::EncodeUtf8WithBom(file.text);
    const QString named = file.progressName.isEmpty()
                              ? path
                              : QFileInfo(path).path() + QLatin1Char('/') + file.progressName;
    place(path, bytes, relativeRoot_ + QLatin1Char('/') + named + QStringLiteral("生成完成!"), gbk);
}

void TOutputProject::copy(const QString& path, const QByteArray& bytes) {
    place(path, bytes, QString(), path.endsWith(QLatin1String(".java")));
}

void TOutputProject::makeFolder(const QString& path) {
    if (!madeFolders_.contains(path)) {
        TFileOperate::MakeFolder(outputFolder_ + QLatin1Char('/') + path);
        madeFolders_.insert(path);
    }
}

// A file is the user's unchanged one when it holds a version a run made of it (the last run's,
// or an earlier one the user went back to); only such a file, or one that is not there, gets
// the new content. Any other is kept, and the new content merged into it or offered beside it.
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
    if (same || !onDisk || again || mode_ == TWriteMode::Overwrite ||
        (versions && versions->contains(TRegenerationRecord::IdOf(*onDisk)))) {
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
    // Markers of an earlier conflict are never merged again: the file stays listed, with the
    // versions it was merged against, until the user has settled it.
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
    if (versions && versions->first() == TRegenerationRecord::IdOf(bytes)) {
        record_.NoteKept(path, bytes);
        report(path, QStringLiteral("保留手工修改!"));
        return;
    }
    mergeChanges(path, versions ? mergeBase(*versions, *onDisk) : std::nullopt, *onDisk, bytes,
                 gbk);
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

// The version the user's file was made from: of the kept versions, the one that differs from
// it in the fewest lines (the newest among equals). After the user has gone back to an older
// version and changed it, that version is the base, so its differences to the newest are not
// taken for changes of the user's. Nothing when the store has lost every version.
std::optional<QByteArray> TOutputProject::mergeBase(const QList<QByteArray>& versions,
                                                    const QByteArray& onDisk) {
    if (versions.size() == 1) {
        return record_.Content(versions.first());
    }
    const QHash<QByteArray, int> counts = lineCounts(onDisk);
    std::optional<QByteArray> best;
    qsizetype bestDistance = 0;
    for (const QByteArray& id : versions) {
        const auto content = record_.Content(id);
        if (!content) {
            continue;
        }
        const qsizetype distance = lineDistance(counts, *content);
        if (!best || distance < bestDistance) {
            best = content;
            bestDistance = distance;
        }
    }
    return best;
}

// Without a base (no record of the file) the merge has no common ancestor: wherever the two
// differ, both stand between markers.
void TOutputProject::mergeChanges(const QString& path, const std::optional<QByteArray>& base,
                                  const QByteArray& onDisk, const QByteArray& bytes, bool gbk) {
    const TMergeResult merged = MergeFile(base.value_or(QByteArray()), onDisk, bytes, gbk);
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

// A file the model no longer makes goes when it holds a version a run made; one the user
// changed stays, and is listed on every run until the user removes or moves it. A file that
// appears where an earlier run removed one, and is none of its versions, is the user's own: the
// record forgets the path.
void TOutputProject::removeStale(const QString& path) {
    const QString file = outputFolder_ + QLatin1Char('/') + path;
    const auto onDisk = TFileOperate::ReadBytes(file);
    const bool changed =
        onDisk && !record_.Versions(path)->contains(TRegenerationRecord::IdOf(*onDisk));
    if (changed && record_.WasRemoved(path)) {
        return;
    }
    if (changed && mode_ == TWriteMode::KeepEdits) {
        record_.NoteUnchanged(path);
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
        {&offeredFiles_,
         QStringLiteral("以下二进制文件你修改过，保留了你的版本；新生成的版本写在它旁边"
                        "(文件名后加.generated~)，请选用其一:")},
        {&staleFiles_,
         QStringLiteral("以下文件模型已不再生成，因你修改过而保留，项目可能因此无法编译，"
                        "请删除或移走:")},
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

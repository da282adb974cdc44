#include "generation/FileMerge.h"

#include <git2.h>

#include <QStringEncoder>
#include <mutex>

#include "common/Error.h"

namespace {

git_merge_file_input inputOf(const QByteArray& bytes) {
    git_merge_file_input input = GIT_MERGE_FILE_INPUT_INIT;
    input.ptr = bytes.constData();
    input.size = static_cast<size_t>(bytes.size());
    return input;
}

struct Labels {
    QByteArray ours, base, theirs;
};

Labels labelsIn(const char* encoding) {
    QStringEncoder encoder(encoding);
    return {encoder.encode(QStringLiteral("你的修改")), encoder.encode(QStringLiteral("上次生成")),
            encoder.encode(QStringLiteral("本次生成"))};
}

const Labels& gbkLabels() {
    static const Labels labels = labelsIn("GBK");
    return labels;
}

const Labels& utf8Labels() {
    static const Labels labels = labelsIn("UTF-8");
    return labels;
}

const Labels kEarlierLabels = {"your changes", "last generated", "generated now"};

bool holdsLine(const QByteArray& bytes, const QByteArray& line) {
    return bytes.startsWith(line) || bytes.contains(QByteArray('\n' + line));
}

// Where the first line at or after the position that starts with the text begins, or -1.
qsizetype lineStarting(const QByteArray& bytes, const QByteArray& text, qsizetype from) {
    if (from == 0 && bytes.startsWith(text)) {
        return 0;
    }
    const qsizetype found = bytes.indexOf(QByteArray('\n' + text), from);
    return found < 0 ? -1 : found + 1;
}

// A conflict as git writes it (any labels): an opening marker line with a closing one after it.
bool holdsGitMarkers(const QByteArray& bytes) {
    const qsizetype opening = lineStarting(bytes, "<<<<<<<", 0);
    return opening >= 0 && lineStarting(bytes, ">>>>>>>", opening) >= 0;
}

// Adds an empty base section ("||||||| label") to each conflict of a merge without base, before
// the line that parts the two versions. The marker lines end as the file's lines do (the
// library ends them in LF alone in this style).
QByteArray withEmptyBaseSections(const QByteArray& merged, const Labels& labels, bool crlf) {
    const QByteArray start = "<<<<<<< " + labels.ours;
    const QByteArray end = ">>>>>>> " + labels.theirs;
    const QByteArray lineEnd = crlf ? "\r\n" : "\n";
    enum { Outside, Ours, Theirs } place = Outside;
    QByteArray out;
    out.reserve(merged.size() + 256);
    qsizetype at = 0;
    while (at < merged.size()) {
        qsizetype next = merged.indexOf('\n', at);
        next = next < 0 ? merged.size() : next + 1;
        const QByteArray line = QByteArray::fromRawData(merged.constData() + at, next - at);
        const QByteArray text = line.endsWith("\r\n") ? line.chopped(2)
                                : line.endsWith('\n') ? line.chopped(1)
                                                      : line;
        at = next;
        if (place == Outside && text == start) {
            place = Ours;
        } else if (place == Ours && text == "=======") {
            out += "||||||| " + labels.base + lineEnd;
            place = Theirs;
        } else if (place == Theirs && text == end) {
            place = Outside;
        } else {
            out += line;
            continue;
        }
        out += text + lineEnd;
    }
    return out;
}

}  // namespace

bool IsBinaryContent(const QByteArray& bytes) {
    return bytes.contains('\0');
}

bool HoldsConflictMarkers(const QByteArray& bytes) {
    if (!bytes.contains("<<<<<<<") && !bytes.contains(">>>>>>> ") && !bytes.contains("||||||| ")) {
        return false;
    }
    if (holdsGitMarkers(bytes)) {
        return true;
    }
    for (const Labels* labels : {&gbkLabels(), &utf8Labels(), &kEarlierLabels}) {
        if (holdsLine(bytes, "<<<<<<< " + labels->ours) ||
            holdsLine(bytes, "||||||| " + labels->base) ||
            holdsLine(bytes, ">>>>>>> " + labels->theirs)) {
            return true;
        }
    }
    return false;
}

TMergeResult MergeFile(const QByteArray& base, const QByteArray& ours, const QByteArray& theirs,
                       bool gbk) {
    if (IsBinaryContent(base) || IsBinaryContent(ours) || IsBinaryContent(theirs)) {
        return {true, QByteArray(), false};
    }
    // The library stays initialised for the life of the process.
    static std::once_flag initialised;
    std::call_once(initialised, [] { git_libgit2_init(); });

    const Labels& labels = gbk ? gbkLabels() : utf8Labels();
    const git_merge_file_input ancestorInput = inputOf(base);
    const git_merge_file_input ourInput = inputOf(ours);
    const git_merge_file_input theirInput = inputOf(theirs);
    git_merge_file_options options = GIT_MERGE_FILE_OPTIONS_INIT;
    // Without a base, the plain style finds the lines both versions share, so that only those
    // that differ stand between markers.
    const bool withoutBase = base.isEmpty();
    options.flags = withoutBase ? GIT_MERGE_FILE_STYLE_MERGE : GIT_MERGE_FILE_STYLE_DIFF3;
    options.ancestor_label = labels.base.constData();
    options.our_label = labels.ours.constData();
    options.their_label = labels.theirs.constData();
    git_merge_file_result result = {};
    if (git_merge_file(&result, &ancestorInput, &ourInput, &theirInput, &options) != 0) {
        const git_error* error = git_error_last();
        throw TError(QStringLiteral("合并文件失败: %1")
                         .arg(QString::fromUtf8(error != nullptr ? error->message : "")));
    }
    TMergeResult merged;
    merged.conflict = result.automergeable == 0;
    merged.bytes = QByteArray(result.ptr, static_cast<qsizetype>(result.len));
    git_merge_file_result_free(&result);
    if (withoutBase && merged.conflict) {
        merged.bytes = withEmptyBaseSections(merged.bytes, labels, ours.contains("\r\n"));
    }
    // The library answers nothing at all for content it takes for binary.
    merged.mergeable = !(merged.conflict && merged.bytes.isEmpty());
    return merged;
}

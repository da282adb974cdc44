#include "generation/FileMerge.h"

#include <git2.h>

#include <mutex>

#include "common/Error.h"

namespace {

git_merge_file_input inputOf(const QByteArray& bytes) {
    git_merge_file_input input = GIT_MERGE_FILE_INPUT_INIT;
    input.ptr = bytes.constData();
    input.size = static_cast<size_t>(bytes.size());
    return input;
}

bool isBinary(const QByteArray& bytes) {
    return bytes.contains('\0');
}

}  // namespace

TMergeResult MergeFile(const QByteArray& base, const QByteArray& ours, const QByteArray& theirs) {
    if (isBinary(base) || isBinary(ours) || isBinary(theirs)) {
        return {true, QByteArray(), false};
    }
    // The library stays initialised for the life of the process.
    static std::once_flag initialised;
    std::call_once(initialised, [] { git_libgit2_init(); });

    const git_merge_file_input ancestorInput = inputOf(base);
    const git_merge_file_input ourInput = inputOf(ours);
    const git_merge_file_input theirInput = inputOf(theirs);
    git_merge_file_options options = GIT_MERGE_FILE_OPTIONS_INIT;
    options.flags = GIT_MERGE_FILE_STYLE_DIFF3;
    options.ancestor_label = "last generated";
    options.our_label = "your changes";
    options.their_label = "generated now";
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
    // The library answers nothing at all for content it takes for binary.
    merged.mergeable = !(merged.conflict && merged.bytes.isEmpty());
    return merged;
}

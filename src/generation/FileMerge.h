#pragma once

#include <QByteArray>

// A three-way merge of one file's bytes: the user's changes (ours, base to ours) and the new
// generation's (theirs, base to theirs) together. Merged line by line on bytes, so that GBK and
// UTF-8 files merge alike.
struct TMergeResult {
    bool conflict = false;
    // The merged bytes; with a conflict, both versions and the base between standard conflict
    // markers. Empty for a file that cannot be merged (see mergeable).
    QByteArray bytes;
    // False for binary content (pictures, archives), which is never merged line by line.
    bool mergeable = true;
};

// The markers' labels ("你的修改", "上次生成", "本次生成") are written in the file's encoding:
// GBK for Java sources, UTF-8 otherwise. An empty base gives the user's and the new content
// side by side wherever they differ, with an empty base section.
TMergeResult MergeFile(const QByteArray& base, const QByteArray& ours, const QByteArray& theirs,
                       bool gbkLabels);

bool IsBinaryContent(const QByteArray& bytes);

// True when the bytes still hold a marker line of a conflict that a run wrote (in either
// encoding, also with the English labels of earlier versions), or a conflict as git writes it.
bool HoldsConflictMarkers(const QByteArray& bytes);

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

TMergeResult MergeFile(const QByteArray& base, const QByteArray& ours, const QByteArray& theirs);

#pragma once

#include <QByteArray>
#include <QString>

#include "store/ProjectContents.h"

// The model file: one project with its classes and their members as UTF-8 JSON, in store
// order, with every field the store holds except ids; references name their class.

// The newest format this program reads and the one it writes.
inline constexpr int kModelFormatVersion = 1;

// The file's text: fixed key order, two-space indentation, one line per member, a final line
// end, so that a change to the model is a small diff.
QByteArray ModelFileText(const TProjectContents& project);

// The project a model file's text describes: ids count from 1 in file order (projectId 0), so
// references find the first class of their name as in the store.
// A malformed text, a wrong, missing or unknown field, an unknown member type or a newer
// format version raises TError naming the place (class and member) and the value.
TProjectContents ParseModelFile(const QByteArray& text);

// ParseModelFile on the file's contents; the message of any error starts with the path.
TProjectContents ReadModelFile(const QString& path);
// Replaces the file with the project's text in one step (never a half-written file).
void WriteModelFile(const TProjectContents& project, const QString& path);

// What ImportProjectModel did, for the message that reports it.
struct TImportResult {
    bool replaced = false;
    qint32 projectId = 0;
};

// Adds the project with its classes and members to the current store in one transaction. A
// project of the same name is refused unless replace, which replaces that project's classes
// and members instead (its id stays). On any error the store is left as it was.
TImportResult ImportProjectModel(const TProjectContents& project, bool replace);

// The messages the command line and the workbench both show.
QString ModelImportedText(const TProjectContents& project, const TImportResult& result);
QString ModelExportedText(const QString& projectName, const QString& path);

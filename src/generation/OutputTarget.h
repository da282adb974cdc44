#pragma once

#include <QString>
#include <QStringList>

#include "generation/CodeModel.h"
#include "generation/GeneratedFile.h"
#include "generation/OutputProject.h"

// One kind of project a run writes from the model (the Android client, the web backend): its
// folder, what it takes from the app folder, how its files are encoded, and its writer.
struct TOutputTarget {
    // The output folder below projects/<project name>/.
    QString folder;
    // The folder of its regeneration record, lock and journal below projects/<project name>/
    // .quillmere; empty for .quillmere itself. Each target has its own, so that a run of one
    // never reads, locks or removes what a run of another made.
    QString recordFolder;
    // The template project below the app folder: the folders that must be there and are copied
    // whole, then the files of its root that are copied when they are there.
    QString templateProject;
    QStringList templateFolders;
    QStringList templateRootFiles;
    // The templates below the app folder that the writer reads.
    QStringList templateFiles;
    // The encoding a file copied from the template project is generated in, by its path.
    FileEncoding (*copiedEncoding)(const QString& path) = nullptr;
    // Writes every file of the target through the output project, the template project's copy
    // (CopyTemplateProject) included, in the target's order.
    void (*writeFiles)(const TProjectModel& project, const QString& appFolder,
                       TOutputProject& output, const TProgressSink& progress) = nullptr;
};

// The templates and template project folders missing below the app folder, as full paths.
QStringList MissingTemplateParts(const TOutputTarget& target, const QString& appFolder);

// Copies the target's template project into the output project, with a line per folder.
void CopyTemplateProject(const TOutputTarget& target, const QString& appFolder,
                         TOutputProject& output, const TProgressSink& progress);

// Writes the target's output project for the model. Nothing is written while a template part
// is missing. Answers what the user has to settle (TOutputProject::conflicts).
QStringList GenerateTarget(const TOutputTarget& target, const TProjectModel& project,
                           const QString& appFolder, TWriteMode mode,
                           const TProgressSink& progress);

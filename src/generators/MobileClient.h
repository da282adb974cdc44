#pragma once

#include <QString>
#include <QStringList>
#include <functional>

#include "generation/CodeModel.h"
#include "generation/GeneratedFile.h"
#include "generation/OutputProject.h"

// Writes the whole output project: the manifest and main menu from their templates, the copy of
// the template project, then every class's files in the fixed generator order. Answers what the
// user has to settle (TOutputProject::conflicts).
class TMobileClient {
  public:
    static QStringList Generate(const TProjectModel& project, const QString& appFolder,
                                TWriteMode mode, const TProgressSink& progress);

    // The pieces, each building text only (the templates' texts are given).
    static TGeneratedFile Manifest(const TProjectModel& project, const QString& templateText);
    static TGeneratedFile MainMenu(const TProjectModel& project, const QString& templateText);
    // build.gradle, with the project's application id.
    static TGeneratedFile BuildFile(const TProjectModel& project, const QString& templateText);
    // Every file of one class, in the order they are written.
    static TGeneratedFiles ClassFiles(const TProjectModel& project, const TClassModel& cls);

    static QString ManifestTemplatePath(const QString& appFolder);
    static QString MainMenuTemplatePath(const QString& appFolder);
    static QString BuildFileTemplatePath(const QString& appFolder);
    // The templates and template project folders missing below the app folder, as full paths.
    static QStringList MissingTemplateParts(const QString& appFolder);

  private:
    static void CopyTemplateProject(const QString& appFolder, TOutputProject& output,
                                    const TProgressSink& progress);
};

#pragma once

#include <QString>
#include <functional>

#include "generation/CodeModel.h"
#include "generation/GeneratedFile.h"

class TOutputProject;

using TProgressSink = std::function<void(const QString& line)>;

// Writes the whole output project: the manifest and main menu from their templates, the copy of
// the template project, then every class's files in the fixed generator order.
class TMobileClient {
  public:
    static void Generate(const TProjectModel& project, const QString& appFolder,
                         const TProgressSink& progress);

    // The pieces, each building text only (the templates' texts are given).
    static TGeneratedFile Manifest(const TProjectModel& project, const QString& templateText);
    static TGeneratedFile MainMenu(const TProjectModel& project, const QString& templateText);
    // Every file of one class, in the order they are written.
    static TGeneratedFiles ClassFiles(const TProjectModel& project, const TClassModel& cls);

    static QString ManifestTemplatePath(const QString& appFolder);
    static QString MainMenuTemplatePath(const QString& appFolder);

  private:
    static void CopyTemplateProject(const QString& appFolder, const TOutputProject& output,
                                    const TProgressSink& progress);
};

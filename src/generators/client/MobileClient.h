#pragma once

#include <QString>
#include <QStringList>
#include <functional>

#include "generation/CodeModel.h"
#include "generation/GeneratedFile.h"
#include "generation/OutputProject.h"
#include "generation/OutputTarget.h"

// The Android client: projects/<project name>/安卓客户端, its record in .quillmere itself, Java
// sources in GBK (copied ones too), layouts and the manifest in UTF-8 with a BOM.
const TOutputTarget& MobileClientTarget();

// The client's files: the manifest, build file and main menu from their templates, the copy of
// the template project, then every class's files in the fixed generator order.
class TMobileClient {
  public:
    static void WriteFiles(const TProjectModel& project, const QString& appFolder,
                           TOutputProject& output, const TProgressSink& progress);

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
};

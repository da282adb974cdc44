#pragma once

#include <QString>

#include "generation/CodeModel.h"
#include "generation/GeneratedFile.h"
#include "generation/OutputTarget.h"

// The Java web backend: projects/<project name>/JavaWebProject, its record in
// .quillmere/JavaWebProject, every file UTF-8 without a BOM. Its template project
// (bak/JavaWebProject) is copied first, then the generated files are written.
const TOutputTarget& WebBackendTarget();

// The backend's generated files, for each class and for the whole project, in the order they
// are written.
TGeneratedFiles WebBackendFiles(const TProjectModel& project, const QString& appFolder);

#pragma once

#include <QString>

#include "generation/CodeModel.h"
#include "generation/GeneratedFile.h"

// The web backend's generated Java and descriptors. Per class: its domain object, its
// data-access class (prepared statements only) and its servlet; for the project: the tables
// the schema manager keeps, the deployment descriptor and the build file.

TGeneratedFile BackendDomainFile(const TClassModel& cls);
TGeneratedFile BackendDaoFile(const TProjectModel& project, const TClassModel& cls);
TGeneratedFile BackendServletFile(const TProjectModel& project, const TClassModel& cls);
TGeneratedFile BackendSchemaFile(const TProjectModel& project);
TGeneratedFile BackendWebXml(const TProjectModel& project);
// The protocol's addresses, actions, limits and texts for the runtime (generation/Protocol.h).
TGeneratedFile BackendProtocolFile();

// A class's or member's name as PostgreSQL takes it: the name itself when its UTF-8 form fits
// PostgreSQL's 63 bytes, or else its longest such beginning (whole characters) that leaves room
// for "_" and eight hex digits of the name's SHA-1, so that two long names stay apart.
QString SqlName(const QString& name);

// The backend's Java files go below src/main/java/com/mobileclient/<package>.
TGeneratedFile BackendJavaFile(const QString& package, const QString& fileName,
                               const QString& text);

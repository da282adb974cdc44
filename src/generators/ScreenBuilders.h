#pragma once

#include "generation/CodeModel.h"
#include "generation/GeneratedFile.h"

// The five screens of a class, each built by its own file; TMobileClientActivity writes them in
// the order add, edit, list, detail, query.
TGeneratedFile BuildAddScreen(const TProjectModel& project, const TClassModel& cls);
TGeneratedFile BuildEditScreen(const TProjectModel& project, const TClassModel& cls);
TGeneratedFile BuildListScreen(const TProjectModel& project, const TClassModel& cls);
TGeneratedFile BuildDetailScreen(const TProjectModel& project, const TClassModel& cls);
TGeneratedFile BuildQueryScreen(const TProjectModel& project, const TClassModel& cls);

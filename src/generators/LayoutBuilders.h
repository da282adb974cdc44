#pragma once

#include "generation/CodeModel.h"
#include "generation/GeneratedFile.h"

// The six layouts of a class, each built by its own step; TMobileClientLayout writes them in the
// order add, edit, detail, list, list row, query.
TGeneratedFile BuildAddLayout(const TClassModel& cls);
TGeneratedFile BuildEditLayout(const TClassModel& cls);
TGeneratedFile BuildDetailLayout(const TClassModel& cls);
TGeneratedFile BuildListLayout(const TClassModel& cls);
TGeneratedFile BuildListItemLayout(const TClassModel& cls);
TGeneratedFile BuildQueryLayout(const TClassModel& cls);

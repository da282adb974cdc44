#pragma once

#include "generation/GeneratedFile.h"
#include "generators/client/MemberTemplates.h"

// The six layouts of a class, each built by its own step; TMobileClientLayout writes them in the
// order add, edit, detail, list, list row, query.
TGeneratedFile BuildAddLayout(const TClassCode& code);
TGeneratedFile BuildEditLayout(const TClassCode& code);
TGeneratedFile BuildDetailLayout(const TClassCode& code);
TGeneratedFiles BuildListLayouts(const TClassCode& code);  // the list's and a row's
TGeneratedFile BuildQueryLayout(const TClassCode& code);

// The five screens of a class, each built by its own file; TMobileClientActivity writes them in
// the order add, edit, list, detail, query.
TGeneratedFile BuildAddScreen(const TClassCode& code);
TGeneratedFile BuildEditScreen(const TClassCode& code);
TGeneratedFile BuildListScreen(const TClassCode& code);
TGeneratedFile BuildDetailScreen(const TClassCode& code);
TGeneratedFile BuildQueryScreen(const TClassCode& code);

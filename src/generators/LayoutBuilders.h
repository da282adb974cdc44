#pragma once

#include "generation/GeneratedFile.h"
#include "generators/MemberTemplates.h"

// The six layouts of a class, each built by its own step; TMobileClientLayout writes them in the
// order add, edit, detail, list, list row, query.
TGeneratedFile BuildAddLayout(const TClassCode& code);
TGeneratedFile BuildEditLayout(const TClassCode& code);
TGeneratedFile BuildDetailLayout(const TClassCode& code);
TGeneratedFile BuildListLayout(const TClassCode& code);
TGeneratedFile BuildListItemLayout(const TClassCode& code);
TGeneratedFile BuildQueryLayout(const TClassCode& code);

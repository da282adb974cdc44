#pragma once

#include "generation/GeneratedFile.h"
#include "generators/MemberTemplates.h"

// The five screens of a class, each built by its own file; TMobileClientActivity writes them in
// the order add, edit, list, detail, query.
TGeneratedFile BuildAddScreen(const TClassCode& code);
TGeneratedFile BuildEditScreen(const TClassCode& code);
TGeneratedFile BuildListScreen(const TClassCode& code);
TGeneratedFile BuildDetailScreen(const TClassCode& code);
TGeneratedFile BuildQueryScreen(const TClassCode& code);

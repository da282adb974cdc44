#pragma once

#include "generation/GeneratedFile.h"
#include "generators/client/MemberTemplates.h"

// activity/<Class>AddActivity.java and the class's other screens, in the order add, edit,
// list, detail, query.
class TMobileClientActivity {
  public:
    static TGeneratedFiles Generate(const TClassCode& code);
};

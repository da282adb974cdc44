#pragma once

#include "generation/CodeModel.h"
#include "generation/GeneratedFile.h"

// activity/<Class>AddActivity.java and the class's other screens, in the order add, edit,
// list, detail, query.
class TMobileClientActivity {
  public:
    static TGeneratedFiles Generate(const TProjectModel& project, const TClassModel& cls);
};

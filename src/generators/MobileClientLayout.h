#pragma once

#include "generation/CodeModel.h"
#include "generation/GeneratedFile.h"

// res/layout: the add, edit, detail, list, list row and query layouts of a class, in that order.
class TMobileClientLayout {
  public:
    static TGeneratedFiles Generate(const TProjectModel& project, const TClassModel& cls);
};

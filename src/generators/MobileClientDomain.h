#pragma once

#include "generation/CodeModel.h"
#include "generation/GeneratedFile.h"

// domain/<Class>.java: a serializable bean with a field, getter and setter per member.
class TMobileClientDomain {
  public:
    static TGeneratedFiles Generate(const TProjectModel& project, const TClassModel& cls);
};

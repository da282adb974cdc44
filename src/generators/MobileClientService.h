#pragma once

#include "generation/CodeModel.h"
#include "generation/GeneratedFile.h"

// service/<Class>Service.java: add, query, update, delete and get-by-key requests to the
// class's servlet.
class TMobileClientService {
  public:
    static TGeneratedFiles Generate(const TProjectModel& project, const TClassModel& cls);
};

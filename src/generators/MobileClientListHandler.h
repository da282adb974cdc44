#pragma once

#include "generation/CodeModel.h"
#include "generation/GeneratedFile.h"

// handler/<Class>ListHandler.java: the SAX handler that turns a query's XML answer into a list
// of domain objects.
class TMobileClientListHandler {
  public:
    static TGeneratedFiles Generate(const TProjectModel& project, const TClassModel& cls);
};

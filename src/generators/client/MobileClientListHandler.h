#pragma once

#include "generation/GeneratedFile.h"
#include "generators/client/MemberTemplates.h"

// handler/<Class>ListHandler.java: the SAX handler that turns a query's XML answer into a list
// of domain objects.
class TMobileClientListHandler {
  public:
    static TGeneratedFiles Generate(const TClassCode& code);
};

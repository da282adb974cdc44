#pragma once

#include "generation/GeneratedFile.h"
#include "generators/client/MemberTemplates.h"

// util/<Class>SimpleAdapter.java: binds one row of the list screen to the phone-list members,
// fetching the shown text of referenced objects through their services.
class TMobileClientAdapter {
  public:
    static TGeneratedFiles Generate(const TClassCode& code);
};

#pragma once

#include "generation/GeneratedFile.h"
#include "generators/client/MemberTemplates.h"

// domain/<Class>.java: a serializable bean with a field, getter and setter per member.
class TMobileClientDomain {
  public:
    static TGeneratedFiles Generate(const TClassCode& code);
};

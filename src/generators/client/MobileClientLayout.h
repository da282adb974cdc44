#pragma once

#include "generation/GeneratedFile.h"
#include "generators/client/MemberTemplates.h"

// res/layout: the add, edit, detail, list, list row and query layouts of a class, in that order.
class TMobileClientLayout {
  public:
    static TGeneratedFiles Generate(const TClassCode& code);
};

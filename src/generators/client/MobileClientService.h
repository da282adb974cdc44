#pragma once

#include "generation/GeneratedFile.h"
#include "generators/client/MemberTemplates.h"

// service/<Class>Service.java: add, query, update, delete and get-by-key requests to the
// class's servlet.
class TMobileClientService {
  public:
    static TGeneratedFiles Generate(const TClassCode& code);
};

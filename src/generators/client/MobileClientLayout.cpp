#include "generators/client/MobileClientLayout.h"

#include "generators/client/FileBuilders.h"

TGeneratedFiles TMobileClientLayout::Generate(const TClassCode& code) {
    return TGeneratedFiles{BuildAddLayout(code), BuildEditLayout(code), BuildDetailLayout(code)} +
           BuildListLayouts(code) + TGeneratedFiles{BuildQueryLayout(code)};
}

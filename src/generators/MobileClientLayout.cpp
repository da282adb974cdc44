#include "generators/MobileClientLayout.h"

#include "generators/FileBuilders.h"

TGeneratedFiles TMobileClientLayout::Generate(const TClassCode& code) {
    return TGeneratedFiles{BuildAddLayout(code), BuildEditLayout(code), BuildDetailLayout(code)} +
           BuildListLayouts(code) + TGeneratedFiles{BuildQueryLayout(code)};
}

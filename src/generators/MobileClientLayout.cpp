#include "generators/MobileClientLayout.h"

#include "generators/FileBuilders.h"

TGeneratedFiles TMobileClientLayout::Generate(const TClassCode& code) {
    return {BuildAddLayout(code),  BuildEditLayout(code),     BuildDetailLayout(code),
            BuildListLayout(code), BuildListItemLayout(code), BuildQueryLayout(code)};
}

#include "generators/MobileClientActivity.h"

#include "generators/FileBuilders.h"

TGeneratedFiles TMobileClientActivity::Generate(const TClassCode& code) {
    return {BuildAddScreen(code), BuildEditScreen(code), BuildListScreen(code),
            BuildDetailScreen(code), BuildQueryScreen(code)};
}

#include "generators/MobileClientActivity.h"

#include "generators/ScreenBuilders.h"

TGeneratedFiles TMobileClientActivity::Generate(const TClassCode& code) {
    return {BuildAddScreen(code), BuildEditScreen(code), BuildListScreen(code),
            BuildDetailScreen(code), BuildQueryScreen(code)};
}

#include "generators/client/MobileClientActivity.h"

#include "generators/client/FileBuilders.h"

TGeneratedFiles TMobileClientActivity::Generate(const TClassCode& code) {
    return {BuildAddScreen(code), BuildEditScreen(code), BuildListScreen(code),
            BuildDetailScreen(code), BuildQueryScreen(code)};
}

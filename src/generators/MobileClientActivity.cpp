#include "generators/MobileClientActivity.h"

#include "generators/ScreenBuilders.h"

TGeneratedFiles TMobileClientActivity::Generate(const TProjectModel& project,
                                                const TClassModel& cls) {
    return {BuildAddScreen(project, cls), BuildEditScreen(project, cls),
            BuildListScreen(project, cls), BuildDetailScreen(project, cls),
            BuildQueryScreen(project, cls)};
}

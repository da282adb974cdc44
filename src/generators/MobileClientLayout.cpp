#include "generators/MobileClientLayout.h"

#include "generators/LayoutBuilders.h"

TGeneratedFiles TMobileClientLayout::Generate(const TProjectModel&, const TClassModel& cls) {
    return {BuildAddLayout(cls),  BuildEditLayout(cls),     BuildDetailLayout(cls),
            BuildListLayout(cls), BuildListItemLayout(cls), BuildQueryLayout(cls)};
}

#include "store/DemoProject.h"

#include "store/ModelFile.h"

QString DemoProjectName() {
    return ReadModelFile(kDemoModelFile).projectName;
}

void CreateDemoProject() {
    ImportProjectModel(ReadModelFile(kDemoModelFile), false);
}

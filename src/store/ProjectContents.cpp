#include "store/ProjectContents.h"

#include <QHash>

#include "store/ClassDAO.h"
#include "store/MemberDAO.h"

TProjectContents ReadProjectContents(qint32 projectId, const QString& projectName) {
    TProjectContents project{projectId, projectName, {}};
    TDbHelper().ReadConsistently([&] {
        QHash<qint32, qsizetype> indexById;
        for (const TClassRecord& record : TClassDAO().ListClassRecords(projectId)) {
            indexById.insert(record.classId, project.classes.size());
            project.classes.append({record, {}});
        }
        for (const TMember& member : TMemberDAO().ListProjectMembers(projectId)) {
            const auto index = indexById.find(member.classId);
            if (index != indexById.end()) {
                project.classes[*index].members.append(member);
            }
        }
    });
    return project;
}

#include "store/ProjectDAO.h"

#include "store/EntryReader.h"

qint32 TProjectDAO::CountProjectsByName(const QString& projectName) const {
    return helper_.QueryInt({"select count(*) from t_project where projectName=?", {projectName}});
}

qint32 TProjectDAO::AddProject(const QString& projectName) const {
    return helper_.ExecInsert({"insert into t_project(projectName) values (?)", {projectName}});
}

void TProjectDAO::RenameProject(qint32 projectId, const QString& projectName) const {
    helper_.ExecSql(
        {"update t_project set projectName=? where projectId=?", {projectName, projectId}});
}

void TProjectDAO::DeleteProject(qint32 projectId) const {
    helper_.ExecBatch({{"delete from t_member where projectId=? or classId in "
                        "(select classId from t_class where projectId=?)",
                        {projectId, projectId}},
                       {"delete from t_class where projectId=?", {projectId}},
                       {"delete from t_project where projectId=?", {projectId}}});
}

TEntryList TProjectDAO::ListProjects() const {
    return ReadEntries(
        helper_.OpenQuery({"select projectId,projectName from t_project order by projectId", {}}),
        "projectId", "projectName");
}

QList<qint32> TProjectDAO::FindProjectsByName(const QString& projectName) const {
    QSqlQuery query = helper_.OpenQuery(
        {"select projectId from t_project where projectName=? order by projectId", {projectName}});
    QList<qint32> ids;
    while (NextRow(query)) {
        ids.append(query.value(0).toInt());
    }
    return ids;
}

#include "store/ClassDAO.h"

#include "store/EntryReader.h"

QString TClassDAO::GetClassName(qint32 classId) const {
    return helper_.QueryString({"select className from t_class where classId=?", {classId}});
}

qint32 TClassDAO::GetFrontShowFlag(qint32 classId) const {
    return helper_.QueryInt({"select frontShowFlag from t_class where classId=?", {classId}});
}

QString TClassDAO::GetFriendName(qint32 classId) const {
    return helper_.QueryString({"select friendName from t_class where classId=?", {classId}});
}

qint32 TClassDAO::CountClassesByName(qint32 projectId, const QString& className) const {
    return helper_.QueryInt(
        {"select count(*) from t_class where projectId=? and className=?", {projectId, className}});
}

qint32 TClassDAO::AddClass(qint32 projectId, const QString& className, const QString& friendName,
                           qint32 frontShowFlag) const {
    return helper_.ExecInsert(
        {"insert into t_class(projectId,className,friendName,frontShowFlag) values (?,?,?,?)",
         {projectId, className, friendName, frontShowFlag}});
}

void TClassDAO::DeleteClass(qint32 classId) const {
    helper_.ExecBatch({{"delete from t_class where classId=?", {classId}},
                       {"delete from t_member where classId=?", {classId}}});
}

void TClassDAO::DeleteProjectClasses(qint32 projectId) const {
    helper_.ExecBatch(
        {{"delete from t_member where classId in (select classId from t_class where projectId=?)",
          {projectId}},
         {"delete from t_class where projectId=?", {projectId}}});
}

void TClassDAO::UpdateClass(qint32 projectId, qint32 classId, const QString& className,
                            const QString& friendName, qint32 frontShowFlag) const {
    const QString oldName = GetClassName(classId);
    helper_.ExecBatch(
        {{"update t_class set friendName=?,className=?,frontShowFlag=? where classId=?",
          {friendName, className, frontShowFlag, classId}},
         {"update t_member set memberType=? where projectId=? and memberType=?",
          {className, projectId, oldName}}});
}

std::optional<TClassRecord> TClassDAO::GetClass(qint32 classId) const {
    QSqlQuery query = helper_.OpenQuery(
        {"select className,friendName,frontShowFlag from t_class where classId=?", {classId}});
    if (!NextRow(query)) {
        return std::nullopt;
    }
    return TClassRecord{classId, query.value(0).toString(), query.value(1).toString(),
                        query.value(2).toInt()};
}

void TClassDAO::UpdateChangedFields(qint32 projectId, const TClassRecord& shown,
                                    const TClassRecord& entered) const {
    const std::optional<TStatement> update =
        ChangedColumnsUpdate("t_class", "classId", shown.classId,
                             {{"className", shown.className, entered.className},
                              {"friendName", shown.friendName, entered.friendName},
                              {"frontShowFlag", shown.frontShowFlag, entered.frontShowFlag}});
    if (!update) {
        return;
    }
    QList<TStatement> statements{*update};
    if (entered.className != shown.className) {
        statements.append({"update t_member set memberType=? where projectId=? and memberType=?",
                           {entered.className, projectId, shown.className}});
    }
    helper_.ExecBatch(statements);
}

TEntryList TClassDAO::ListClasses(qint32 projectId) const {
    return ReadEntries(helper_.OpenQuery({"select classId,className from t_class where projectId=? "
                                          "order by classId",
                                          {projectId}}),
                       "classId", "className");
}

TEntryList TClassDAO::ListOtherClasses(qint32 projectId, qint32 classId) const {
    return ReadEntries(
        helper_.OpenQuery({"select classId,className from t_class where classId<>? and "
                           "projectId=? order by classId",
                           {classId, projectId}}),
        "classId", "className");
}

QList<TClassRecord> TClassDAO::ListClassRecords(qint32 projectId) const {
    QSqlQuery query = helper_.OpenQuery(
        {"select classId,className,friendName,frontShowFlag from t_class where projectId=? "
         "order by classId",
         {projectId}});
    QList<TClassRecord> classes;
    while (NextRow(query)) {
        classes.append({query.value(0).toInt(), query.value(1).toString(),
                        query.value(2).toString(), query.value(3).toInt()});
    }
    return classes;
}

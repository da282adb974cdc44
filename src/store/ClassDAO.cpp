#include "store/ClassDAO.h"

#include <QHash>

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

qint32 TClassDAO::GetClassId(qint32 projectId, const QString& className) const {
    return helper_.QueryInt(
        {"select classId from t_class where projectId=? and className=? order by classId",
         {projectId, className}});
}

qint32 TClassDAO::CountClassesByName(qint32 projectId, const QString& className) const {
    return helper_.QueryInt(
        {"select count(*) from t_class where projectId=? and className=?", {projectId, className}});
}

void TClassDAO::AddClass(qint32 projectId, const QString& className, const QString& friendName,
                         qint32 frontShowFlag) const {
    helper_.ExecSql(
        {"insert into t_class(projectId,className,friendName,frontShowFlag) values (?,?,?,?)",
         {projectId, className, friendName, frontShowFlag}});
}

void TClassDAO::DeleteClass(qint32 classId) const {
    helper_.ExecBatch({{"delete from t_class where classId=?", {classId}},
                       {"delete from t_member where classId=?", {classId}}});
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

template <typename Fails>
bool TClassDAO::CheckEachClass(const TEntryList& classes, const char* condition, Fails fails,
                               qint32* failingClassId) const {
    // One grouped count instead of one statement per class keeps large projects linear.
    QSqlQuery counts =
        helper_.OpenQuery({QStringLiteral("select classId, count(*) from t_member where ") +
                               QLatin1String(condition) + QStringLiteral(" group by classId"),
                           {}});
    QHash<qint32, qint32> countByClass;
    while (counts.next()) {
        countByClass.insert(counts.value(0).toInt(), counts.value(1).toInt());
    }
    for (const TEntry& entry : classes) {
        if (fails(countByClass.value(entry.id, 0))) {
            *failingClassId = entry.id;
            return false;
        }
    }
    return true;
}

bool TClassDAO::CheckKeyMembers(const TEntryList& classes, qint32* failingClassId) const {
    return CheckEachClass(
        classes, "memberIsPri=1", [](qint32 count) { return count != 1; }, failingClassId);
}

bool TClassDAO::CheckDisplayMembers(const TEntryList& classes, qint32* failingClassId) const {
    return CheckEachClass(
        classes, "memberIsDisplay=1", [](qint32 count) { return count != 1; }, failingClassId);
}

bool TClassDAO::CheckPhoneListMembers(const TEntryList& classes, qint32* failingClassId) const {
    return CheckEachClass(
        classes, "androidDisplay=1", [](qint32 count) { return count == 0; }, failingClassId);
}

#include "store/MemberDAO.h"

#include <QSqlRecord>

namespace {

// The positions of t_member's columns in a result set, looked up once per result set.
struct MemberColumns {
    explicit MemberColumns(const QSqlRecord& record)
        : memberId(record.indexOf("memberId")),
          projectId(record.indexOf("projectId")),
          classId(record.indexOf("classId")),
          memberName(record.indexOf("memberName")),
          memberType(record.indexOf("memberType")),
          memberLength(record.indexOf("memberLength")),
          memberIsPri(record.indexOf("memberIsPri")),
          memberComment(record.indexOf("memberComment")),
          memberIsMust(record.indexOf("memberIsMust")),
          memberIsInteger(record.indexOf("memberIsInteger")),
          memberIsFloat(record.indexOf("memberIsFloat")),
          queryFlag(record.indexOf("queryFlag")),
          memberIsDisplay(record.indexOf("memberIsDisplay")),
          memberQueryDisplay(record.indexOf("memberQueryDisplay")),
          androidDisplay(record.indexOf("androidDisplay")) {}
    int memberId, projectId, classId, memberName, memberType, memberLength, memberIsPri,
        memberComment, memberIsMust, memberIsInteger, memberIsFloat, queryFlag, memberIsDisplay,
        memberQueryDisplay, androidDisplay;
};

TMember readMember(const QSqlQuery& row, const MemberColumns& at) {
    auto integer = [&row](int column) { return row.value(column).toInt(); };
    TMember member;
    member.memberId = integer(at.memberId);
    member.projectId = integer(at.projectId);
    member.classId = integer(at.classId);
    member.memberName = row.value(at.memberName).toString();
    member.memberType = row.value(at.memberType).toString();
    member.memberLength = integer(at.memberLength);
    member.memberIsPri = integer(at.memberIsPri);
    member.memberComment = row.value(at.memberComment).toString();
    member.memberIsMust = integer(at.memberIsMust);
    member.memberIsInteger = integer(at.memberIsInteger);
    member.memberIsFloat = integer(at.memberIsFloat);
    member.queryFlag = integer(at.queryFlag);
    member.memberIsDisplay = integer(at.memberIsDisplay);
    member.memberQueryDisplay = integer(at.memberQueryDisplay);
    member.androidDisplay = integer(at.androidDisplay);
    return member;
}

TMemberList readMembers(QSqlQuery query) {
    const MemberColumns columns(query.record());
    TMemberList members;
    while (NextRow(query)) {
        members.append(readMember(query, columns));
    }
    return members;
}

const QString kSelect = QStringLiteral("select * from t_member where ");
const QString kOrder = QStringLiteral(" order by memberId");

}  // namespace

qint32 TMemberDAO::AddMember(const TMember& m) const {
    return helper_.ExecInsert(
        {"insert into t_member(projectId,classId,memberName,memberType,memberLength,memberIsPri,"
         "memberComment,memberIsMust,memberIsInteger,memberIsFloat,queryFlag,memberIsDisplay,"
         "memberQueryDisplay,androidDisplay) values (?,?,?,?,?,?,?,?,?,?,?,?,?,?)",
         {m.projectId, m.classId, m.memberName, m.memberType, m.memberLength, m.memberIsPri,
          m.memberComment, m.memberIsMust, m.memberIsInteger, m.memberIsFloat, m.queryFlag,
          m.memberIsDisplay, m.memberQueryDisplay, m.androidDisplay}});
}

TStatement TMemberDAO::UpdateStatement(const TMember& m) const {
    return {
        "update t_member set memberName=?,memberType=?,memberLength=?,memberIsPri=?,"
        "memberComment=?,memberIsMust=?,memberIsInteger=?,memberIsFloat=?,queryFlag=?,"
        "memberIsDisplay=?,memberQueryDisplay=?,androidDisplay=? where memberId=?",
        {m.memberName, m.memberType, m.memberLength, m.memberIsPri, m.memberComment, m.memberIsMust,
         m.memberIsInteger, m.memberIsFloat, m.queryFlag, m.memberIsDisplay, m.memberQueryDisplay,
         m.androidDisplay, m.memberId}};
}

void TMemberDAO::UpdateMember(const TMember& member) const {
    helper_.ExecSql(UpdateStatement(member));
}

void TMemberDAO::UpdateChangedFields(const TMember& shown, const TMember& entered) const {
    const std::optional<TStatement> update = ChangedColumnsUpdate(
        "t_member", "memberId", shown.memberId,
        {{"memberName", shown.memberName, entered.memberName},
         {"memberType", shown.memberType, entered.memberType},
         {"memberLength", shown.memberLength, entered.memberLength},
         {"memberIsPri", shown.memberIsPri, entered.memberIsPri},
         {"memberComment", shown.memberComment, entered.memberComment},
         {"memberIsMust", shown.memberIsMust, entered.memberIsMust},
         {"memberIsInteger", shown.memberIsInteger, entered.memberIsInteger},
         {"memberIsFloat", shown.memberIsFloat, entered.memberIsFloat},
         {"queryFlag", shown.queryFlag, entered.queryFlag},
         {"memberIsDisplay", shown.memberIsDisplay, entered.memberIsDisplay},
         {"memberQueryDisplay", shown.memberQueryDisplay, entered.memberQueryDisplay},
         {"androidDisplay", shown.androidDisplay, entered.androidDisplay}});
    if (update) {
        helper_.ExecSql(*update);
    }
}

void TMemberDAO::DeleteMember(qint32 memberId) const {
    helper_.ExecSql({"delete from t_member where memberId=?", {memberId}});
}

bool TMemberDAO::SwapMembers(qint32 a, qint32 b) const {
    std::optional<TMember> first = GetMember(a);
    std::optional<TMember> second = GetMember(b);
    if (!first || !second) {
        return false;
    }
    first->memberId = b;
    second->memberId = a;
    helper_.ExecBatch({UpdateStatement(*first), UpdateStatement(*second)});
    return true;
}

TMemberList TMemberDAO::ListWhere(const QString& condition, const QVariantList& values) const {
    return readMembers(helper_.OpenQuery({kSelect + condition + kOrder, values}));
}

std::optional<TMember> TMemberDAO::FirstWhere(const QString& condition,
                                              const QVariantList& values) const {
    QSqlQuery query = helper_.OpenQuery({kSelect + condition + kOrder, values});
    if (!NextRow(query)) {
        return std::nullopt;
    }
    return readMember(query, MemberColumns(query.record()));
}

TMemberList TMemberDAO::ListMembers(qint32 classId) const {
    return ListWhere("classId=?", {classId});
}

TMemberList TMemberDAO::ListProjectMembers(qint32 projectId) const {
    return readMembers(helper_.OpenQuery(
        {"select * from t_member where classId in (select classId from t_class where projectId=?) "
         "order by classId, memberId",
         {projectId}}));
}

std::optional<TMember> TMemberDAO::GetMember(qint32 memberId) const {
    std::optional<TMember> member = FirstWhere("memberId=?", {memberId});
    if (member) {
        member->memberId = memberId;
    }
    return member;
}

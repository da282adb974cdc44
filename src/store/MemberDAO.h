#pragma once

#include <QList>
#include <optional>

#include "store/DbHelper.h"
#include "store/Member.h"

using TMemberList = QList<TMember>;

// Every statement on t_member. Lists come in ascending memberId order, the member order of
// the class; single-member readers answer std::nullopt when no row matches.
class TMemberDAO {
  public:
    // Answers the new member's id.
    qint32 AddMember(const TMember& member) const;
    void UpdateMember(const TMember& member) const;
    // Writes the columns where entered differs from shown (the row's id, project and class
    // stay).
    void UpdateChangedFields(const TMember& shown, const TMember& entered) const;
    void DeleteMember(qint32 memberId) const;
    // Exchanges the contents of two rows in one transaction; writes nothing (and answers
    // false) when either id has no row.
    bool SwapMembers(qint32 a, qint32 b) const;

    TMemberList ListMembers(qint32 classId) const;
    // Every member of the project's classes, by class id then member order (one read per run).
    TMemberList ListProjectMembers(qint32 projectId) const;

    std::optional<TMember> GetMember(qint32 memberId) const;

  private:
    TMemberList ListWhere(const QString& condition, const QVariantList& values) const;
    std::optional<TMember> FirstWhere(const QString& condition, const QVariantList& values) const;
    TStatement UpdateStatement(const TMember& member) const;

    TDbHelper helper_;
};

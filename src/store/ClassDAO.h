#pragma once

#include "store/DbHelper.h"
#include "store/Entry.h"

// Every statement on t_class, and the per-class member counts checked before generation.
class TClassDAO {
  public:
    QString GetClassName(qint32 classId) const;
    qint32 GetFrontShowFlag(qint32 classId) const;
    QString GetFriendName(qint32 classId) const;
    qint32 GetClassId(qint32 projectId, const QString& className) const;
    qint32 CountClassesByName(qint32 projectId, const QString& className) const;
    void AddClass(qint32 projectId, const QString& className, const QString& friendName,
                  qint32 frontShowFlag) const;
    // Removes the class and its members in one transaction.
    void DeleteClass(qint32 classId) const;
    // Renames the class and rewrites the reference types naming it within the project.
    void UpdateClass(qint32 projectId, qint32 classId, const QString& className,
                     const QString& friendName, qint32 frontShowFlag) const;
    TEntryList ListClasses(qint32 projectId) const;
    TEntryList ListOtherClasses(qint32 projectId, qint32 classId) const;

    // Each check walks the class list in order; at the first class that fails it stores that
    // class's id in failingClassId and answers false. An empty list passes.
    bool CheckKeyMembers(const TEntryList& classes, qint32* failingClassId) const;
    bool CheckDisplayMembers(const TEntryList& classes, qint32* failingClassId) const;
    bool CheckPhoneListMembers(const TEntryList& classes, qint32* failingClassId) const;

  private:
    template <typename Fails>
    bool CheckEachClass(const TEntryList& classes, const char* condition, Fails fails,
                        qint32* failingClassId) const;

    TDbHelper helper_;
};

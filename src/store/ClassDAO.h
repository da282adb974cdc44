#pragma once

#include <optional>

#include "store/DbHelper.h"
#include "store/Entry.h"
#include "store/ProjectContents.h"

// Every statement on t_class.
class TClassDAO {
  public:
    QString GetClassName(qint32 classId) const;
    qint32 GetFrontShowFlag(qint32 classId) const;
    QString GetFriendName(qint32 classId) const;
    qint32 CountClassesByName(qint32 projectId, const QString& className) const;
    // Answers the new class's id.
    qint32 AddClass(qint32 projectId, const QString& className, const QString& friendName,
                    qint32 frontShowFlag) const;
    // Removes the class and its members in one transaction.
    void DeleteClass(qint32 classId) const;
    // Removes every class of the project and their members in one transaction.
    void DeleteProjectClasses(qint32 projectId) const;
    // The class's row; nullopt when there is none.
    std::optional<TClassRecord> GetClass(qint32 classId) const;
    // Writes the columns where entered differs from shown, in one transaction; a new name also
    // rewrites the reference types naming the class within the project.
    void UpdateChangedFields(qint32 projectId, const TClassRecord& shown,
                             const TClassRecord& entered) const;
    // Renames the class and rewrites the reference types naming it within the project.
    void UpdateClass(qint32 projectId, qint32 classId, const QString& className,
                     const QString& friendName, qint32 frontShowFlag) const;
    TEntryList ListClasses(qint32 projectId) const;
    TEntryList ListOtherClasses(qint32 projectId, qint32 classId) const;
    // Every class of the project with all its columns, in class order.
    QList<TClassRecord> ListClassRecords(qint32 projectId) const;

  private:
    TDbHelper helper_;
};

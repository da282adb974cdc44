#pragma once

#include "store/DbHelper.h"
#include "store/Entry.h"

// Every statement on t_project.
class TProjectDAO {
  public:
    qint32 CountProjectsByName(const QString& projectName) const;
    // Answers the new project's id.
    qint32 AddProject(const QString& projectName) const;
    void RenameProject(qint32 projectId, const QString& projectName) const;
    // Removes the project, its classes and their members in one transaction.
    void DeleteProject(qint32 projectId) const;
    TEntryList ListProjects() const;
    // Ids of the projects with exactly this name, ascending.
    QList<qint32> FindProjectsByName(const QString& projectName) const;

  private:
    TDbHelper helper_;
};

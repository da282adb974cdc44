#pragma once

#include <QString>

#include "store/Member.h"
#include "store/ProjectContents.h"

// What a user command did. A refused command wrote nothing and its message says why; a done
// command's message is the text that confirms it (empty when nothing is to be said).
struct TCommandResult {
    bool done = false;
    QString message;
    qint32 id = 0;  // the project, class or member the command wrote

    static TCommandResult Refused(const QString& message) { return {false, message, 0}; }
    static TCommandResult Done(const QString& message, qint32 id = 0) {
        return {true, message, id};
    }
};

// A member as a dialog holds it: the ticked flags, and the length as typed (read for text
// members only). The integer and float flags and the stored length follow from the type.
struct TMemberEntry {
    TMember member;
    QString lengthText;
};

// The commands of the workbench on the store. Each one checks and writes in one write
// transaction, begun before the checks read anything, so that another window or the command line
// cannot change the store between the check and the write; a refusal or a store error (TError)
// leaves the store as it was.
class TProjectCommands {
  public:
    TCommandResult NewProject(const QString& name) const;
    // Another project's name is refused: two projects would share one output folder.
    TCommandResult RenameProject(qint32 projectId, const QString& name) const;
    // Removes the project with its classes and their members.
    TCommandResult DeleteProject(qint32 projectId) const;

    TCommandResult AddClass(qint32 projectId, const TClassRecord& entered) const;
    // A new name also renames the reference types naming the class.
    TCommandResult UpdateClass(qint32 projectId, const TClassRecord& entered) const;
    TCommandResult DeleteClass(qint32 classId) const;

    // The entry's project and class own the new member.
    TCommandResult AddMember(const TMemberEntry& entry) const;
    // The member keeps its project and class; the entry's are not read.
    TCommandResult UpdateMember(const TMemberEntry& entry) const;
    TCommandResult DeleteMember(qint32 memberId) const;
    // Exchanges the places of two members of a class in its member order.
    TCommandResult ExchangeMembers(qint32 first, qint32 second) const;
};

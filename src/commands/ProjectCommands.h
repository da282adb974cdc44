#pragma once

#include <QString>

#include "generation/ModelChecks.h"
#include "store/Member.h"
#include "store/ProjectContents.h"

// What a user command did. A refused command wrote nothing and its message says why; a done
// command's message is the text that confirms it (empty when nothing is to be said).
struct TCommandResult {
    bool done = false;
    QString message;
    qint32 id = 0;  // the project, class or member the command wrote
    // Refused because the store no longer holds what the window showed: the window reloads.
    bool stale = false;
    // The dialog field a refused entry is at fault in.
    TEntryField field = TEntryField::None;

    static TCommandResult Refused(const QString& message, TEntryField field = TEntryField::None) {
        return {false, message, 0, false, field};
    }
    static TCommandResult Stale(const QString& message) { return {false, message, 0, true}; }
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
// leaves the store as it was. A command on something the window showed (shown...) first checks
// that the store still holds it as shown, else refuses as stale; an edit writes only the fields
// the user changed.
class TProjectCommands {
  public:
    TCommandResult NewProject(const QString& name) const;
    // Another project's name is refused: two projects would share one output folder.
    TCommandResult RenameProject(qint32 projectId, const QString& shownName,
                                 const QString& name) const;
    // Removes the project with its classes and their members.
    TCommandResult DeleteProject(qint32 projectId, const QString& shownName) const;

    TCommandResult AddClass(qint32 projectId, const TClassRecord& entered) const;
    // A new name also renames the reference types naming the class.
    TCommandResult UpdateClass(qint32 projectId, const TClassRecord& shown,
                               const TClassRecord& entered) const;
    TCommandResult DeleteClass(const TClassRecord& shown) const;

    // The entry's project and class own the new member.
    TCommandResult AddMember(const TMemberEntry& entry) const;
    // The member keeps its project and class; the entry's are not read.
    TCommandResult UpdateMember(const TMember& shown, const TMemberEntry& entry) const;
    // Deletes all the members or, when one of them is gone or changed, none.
    TCommandResult DeleteMembers(const QList<TMember>& shown) const;
    // Exchanges the places of two members of a class in its member order.
    TCommandResult ExchangeMembers(const TMember& first, const TMember& second) const;
};

// The command's message when the store no longer holds what a window showed.
QString ChangedElsewhereText();

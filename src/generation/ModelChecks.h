#pragma once

#include <QString>

#include "generation/CodeModel.h"
#include "store/ProjectContents.h"

// Notices a run sends its host; the run waits until the host has handled each.
enum TNotice : int {
    kNoticeKeyCheck = 1124,        // a class has not exactly one key member
    kNoticeCompleted = 1125,       // every file has been written
    kNoticeDisplayCheck = 1126,    // a class has not exactly one drop-down display member
    kNoticePhoneListCheck = 1127,  // a class has no phone-list member
    kNoticeModelCheck = 1128,      // a reference or class name that no file can be built from
};

// The field of a class or member dialog that an entry's problem lies in, so that the dialog
// can put the focus there.
enum class TEntryField {
    None,
    ClassName,
    FriendName,
    MemberName,
    Type,
    Length,
    Key,
    Must,
    Query,
    Display,
    Comment
};

// Why a model cannot be generated: the notice to send, the message to show (class name first)
// and the class concerned. An empty message means the model can be generated. A problem found
// in a dialog's entry also names the field at fault.
struct TModelProblem {
    int notice = 0;
    QString message;
    qint32 classId = 0;
    TEntryField field = TEntryField::None;

    bool found() const { return !message.isEmpty(); }
};

// The checks a run makes before it writes anything, on the model it is about to generate: the
// application id first (FindApplicationIdProblem, no class named; not for serving), then the
// classes. Each
// check walks every class in order before the next check starts, and the first failing class
// is reported: exactly one key member, then exactly one drop-down display member, then at least
// one phone-list member, then the rules on names and texts, then the references. A model to
// serve must also meet the server's rules, checked last: every class and member name is an XML
// element name, no two class names, nor two member names of a class, differ only in case (the
// server's data file does not tell them apart), and no member is named "action" (the parameter
// that carries a request's command).
enum class TRuleSet { Generation, Serving };
TModelProblem FindModelProblem(const TProjectModel& project, TRuleSet rules = TRuleSet::Generation);

// The rules on names and texts, which hold for every class and member whatever the rest of its
// class: a class name is an ASCII identifier starting with a capital, short enough for file
// names, no type the generated files use and clashing with no other class's name or generated
// types; a member name is an ASCII identifier starting with a small letter, no Java keyword and
// unique in its class; the member flags match the type; every friendly name and comment can be
// written to the GBK sources. The run and the class and member dialogs apply the same rules.
// These answer the rule problem a dialog's entry would bring into the project: the class (a new
// one when its id is none of the project's) with the entered name and friendly name, or the
// member (a new one when its id is 0) as entered. For a member, the run's rules on member
// counts and references apply too, as far as the entry breaks them where the project kept them:
// a second key or drop-down display member in its class, a reference to a class without a key
// or display member, or a key or display flag removed from a class that others refer to. A
// class still short of its key, display or phone-list member is no problem yet: the model is
// being built.
TModelProblem CheckClassEntry(TProjectContents project, const TClassRecord& entered);
TModelProblem CheckMemberEntry(TProjectContents project, const TMember& entered);

// The message for a package name that cannot be an Android application id; empty when it can.
// An id is two or more segments separated by dots, each a Java identifier of ASCII letters,
// digits and underscores that starts with a letter and is no Java keyword.
QString FindApplicationIdProblem(const QString& applicationId);

// The message for a project name that cannot be the output folder's name; empty when it can.
QString FindProjectNameProblem(const QString& projectName);

// The message shown for a member-count notice of the named class.
QString CheckNoticeText(int notice, const QString& className);

// ---- The class and member dialogs' own checks, made before the rules on names and texts ----

// Which class dialog an entry comes from: the add and edit dialogs check in their own orders.
enum class TClassEntryKind { Added, Edited };

// The message of the first check a class dialog's entry fails, or the empty text: a class name,
// a friendly name, and a class name starting with a capital A to Z.
TModelProblem FindClassFieldProblem(TClassEntryKind kind, const QString& className,
                                    const QString& friendName);

// The message of the first check a member dialog's entry fails, or the empty text, the same for
// the add and edit dialogs: a name starting with a small letter a to z; every type but texts and
// pictures required; a key of text or integer type; no query on integer, float or picture
// members.
TModelProblem FindMemberFieldProblem(const TMember& entered);

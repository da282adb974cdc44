#pragma once

#include <QString>

#include "generation/CodeModel.h"

// Notices a run sends its host; the run waits until the host has handled each.
enum TNotice : int {
    kNoticeKeyCheck = 1124,        // a class has not exactly one key member
    kNoticeCompleted = 1125,       // every file has been written
    kNoticeDisplayCheck = 1126,    // a class has not exactly one drop-down display member
    kNoticePhoneListCheck = 1127,  // a class has no phone-list member
    kNoticeModelCheck = 1128,      // a reference or class name that no file can be built from
};

// Why a model cannot be generated: the notice to send, the message to show (class name first)
// and the class concerned. An empty message means the model can be generated.
struct TModelProblem {
    int notice = 0;
    QString message;
    qint32 classId = 0;

    bool found() const { return !message.isEmpty(); }
};

// The checks a run makes before it writes anything, on the model it is about to generate. Each
// check walks every class in order before the next check starts, and the first failing class
// is reported: exactly one key member, then exactly one drop-down display member, then at least
// one phone-list member, then the references and names that no file could be built from.
TModelProblem FindModelProblem(const TProjectModel& project);

// The message for a project name that cannot be the output folder's name; empty when it can.
QString FindProjectNameProblem(const QString& projectName);

// The message shown for a member-count notice of the named class.
QString CheckNoticeText(int notice, const QString& className);

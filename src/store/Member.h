#pragma once

#include <QString>
#include <QtGlobal>

// One row of t_member. Flags hold 1 for yes and 0 for no; readers treat only 1 as yes.
struct TMember {
    qint32 memberId = 0;
    qint32 projectId = 0;
    qint32 classId = 0;
    QString memberName;
    QString memberType;
    qint32 memberLength = 0;
    qint32 memberIsPri = 0;
    QString memberComment;
    qint32 memberIsMust = 0;
    qint32 memberIsInteger = 0;
    qint32 memberIsFloat = 0;
    qint32 queryFlag = 0;
    qint32 memberIsDisplay = 0;
    qint32 memberQueryDisplay = 1;
    qint32 androidDisplay = 0;

    bool operator==(const TMember&) const = default;
};

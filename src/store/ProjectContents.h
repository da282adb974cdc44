#pragma once

#include <QList>
#include <QString>

#include "store/Member.h"

// One row of t_class.
struct TClassRecord {
    qint32 classId = 0;
    QString className;
    QString friendName;
    qint32 frontShowFlag = 0;

    bool operator==(const TClassRecord&) const = default;
};

// A class with its members in member order.
struct TClassContents : TClassRecord {
    QList<TMember> members;
};

// A project as the store holds it: its classes in class order, each with its members. This is
// what model files carry and what a run builds its model from.
struct TProjectContents {
    qint32 projectId = 0;
    QString projectName;
    QList<TClassContents> classes;
};

// Reads the project's classes and their members in one read transaction, so that they are one
// state of the store, whatever other writers do.
TProjectContents ReadProjectContents(qint32 projectId, const QString& projectName);

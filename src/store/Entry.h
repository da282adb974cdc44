#pragma once

#include <QList>
#include <QString>

// A name with the id kept beside it: one entry of the project list or of a class list.
struct TEntry {
    int id = 0;
    QString name;

    bool operator==(const TEntry&) const = default;
};

using TEntryList = QList<TEntry>;

#pragma once

#include <QSqlQuery>

#include "store/DbHelper.h"
#include "store/Entry.h"

// Reads every row of an open result set into entries (id column, name column), in row order.
inline TEntryList ReadEntries(QSqlQuery query, const char* idColumn, const char* nameColumn) {
    TEntryList entries;
    while (NextRow(query)) {
        entries.append({query.value(QLatin1String(idColumn)).toInt(),
                        query.value(QLatin1String(nameColumn)).toString()});
    }
    return entries;
}

#pragma once

#include <QString>

#include "generation/CodeModel.h"
#include "server/Servlets.h"

class TServerData;

// The read-only page at the server's root, for a person in a browser: the classes with their
// number of objects and, for the class named (none: the first), its objects in a table with
// their pictures. Plain HTML with its own styles; every text of the data is escaped.
TAnswer BrowsePage(const TProjectModel& project, TServerData& data, const QString& className);

#pragma once

#include <QList>
#include <QSet>
#include <QString>

class TClassModel;
class TProjectModel;
struct TMemberInfo;

// What the generated Java code makes of names: which names a class or member can never take,
// and the names of the generated code's own variables, chosen so that they never clash.

// Keywords and literals of Java 8 (the generated sources' level), which no identifier may be.
bool IsJavaKeyword(const QString& name);

// A type the generated files or the template project's classes refer to by its simple name
// (java.lang, the imported java.*, javax.*, org.*, android.* types and their nested types, and
// the template's own classes). A class with such a name would hide it or clash with its import.
bool IsReservedTypeName(const QString& name);

// The application id a project's client gets when no package name is set:
// "com.mobileclient.p" followed by the project name, in which the small ASCII letters and the
// digits stand as they are and every other UTF-16 unit is written "_" and four small hex digits.
// Different names give different ids, and the names in a store are unique, so no two projects
// of a store share an id.
QString DefaultApplicationId(const QString& projectName);

// Class names become file names: <Class>SimpleAdapter$ViewHolder.class must stay within the 255
// bytes of a file name, with room to spare.
constexpr int kMaxClassNameLength = 200;

// The names of the variables that hold the referenced objects of a reference member, its
// "stem" (stem + "List", stem + "Service", stem + "Count", and the stem itself): the referenced
// class's object name, unless one of those names is taken (by a name in `taken`, a variable the
// screens name themselves, or the names of an earlier reference member), in which case the
// member's own name (with a number appended while that is taken too).
QString ReferenceStemAmong(const QList<const TMemberInfo*>& references,
                           const TMemberInfo& reference, QSet<QString> taken);
// The stem among every reference member of the class (detail screen); among the drop-downs of
// the add and edit forms (the non-key reference members); among the query screen's drop-downs,
// which hold no object of the class itself.
QString ReferenceStem(const TClassModel& cls, const TMemberInfo& reference);
QString FormReferenceStem(const TClassModel& cls, const TMemberInfo& reference);
QString QueryReferenceStem(const TClassModel& cls, const TMemberInfo& reference);
QList<const TMemberInfo*> FormDropDowns(const TClassModel& cls);
QList<const TMemberInfo*> QueryDropDowns(const TClassModel& cls);

// Sets each class's object variable and each member's variable (see TClassModel and
// TMemberInfo); called once the model's references are resolved.
void AssignVariableNames(TProjectModel& project);

#pragma once

#include <QString>
#include <QStringList>

#include "generation/CodeModel.h"
#include "generation/CodeText.h"

// Pieces of Java text that several generated screens share. Each piece appends whole lines to
// the screen's text or answers one line (or expression) for the caller to place.

// ---- imports ----

// "import " + name + ";" for each name, in order.
void AddImports(TCodeText& code, const QStringList& qualifiedNames);
// The domain class and the service of the class itself.
void AddOwnImports(TCodeText& code, const TClassModel& cls);
// The domain class and the service of the referenced class, once per reference member.
void AddReferenceImports(TCodeText& code, const TClassModel& cls);

// ---- key variants (an integer key member is held as int, any other as String) ----

// "int" or "String".
QString KeyType(const TClassModel& cls);
// "\tprivate int " + key + ";" or "\tprivate String " + key + ";"
QString KeyFieldLine(const TClassModel& cls);
// "\t\t" + key + " = extras.getInt(\"" + key + "\");" or the getString form.
QString KeyFromExtrasLine(const TClassModel& cls);
// The key read from the list row `row` (a map of the list screen): the row value's text,
// parsed with Integer.parseInt for an integer key.
QString KeyFromRow(const TClassModel& cls, const QString& row);
// "bundle.putInt(\"" + key + "\", " + key + ");" or the putString form, not indented.
QString PutKeyInBundle(const TClassModel& cls);

// ---- reference members ----

// The stem of the names that hold a reference member's referenced objects: stem + "List",
// stem + "Service", stem + "Count", and the local that holds a fetched object. It is the
// referenced class's object name, except where that name is taken: by the class itself (a self
// reference would repeat the class's own record and service) or by an earlier reference member
// of the class to the same class. Such a member's stem is its own name (with a number appended
// in the rare case that is taken too).
QString ReferenceStem(const TClassModel& cls, const TMemberInfo& reference);

// "\tprivate " + className + "Service " + stem + "Service = new " + className + "Service();"
QString ServiceFieldLine(const QString& className, const QString& stem);

// The referenced object fetched by key through its class's service; its display member is shown
// in TV_ + name.
void AddReferenceLookup(TCodeText& code, const TClassModel& cls, const TMemberInfo& member);

// ---- onCreate ----

// From "\t@Override" to the setContentView line; layoutLineEnd follows "_" + layoutSuffix + ");".
void AddOnCreateStart(TCodeText& code, const TClassModel& cls, const QString& title,
                      const QString& layoutSuffix, const QString& layoutLineEnd);

// ---- showing stored values ----

// A date member's value shown in TV_ + name as year-month-day without leading zeros.
void AddDateText(TCodeText& code, const TClassModel& cls, const TMemberInfo& member);

// Downloads an image member's stored picture and shows it in iv_ + name. decodeSeparator
// stands between "0," and the length in the decode call (" " or "").
void AddStoredPhotoBlock(TCodeText& code, const TClassModel& cls, const TMemberInfo& member,
                         const QString& decodeSeparator);

// A list row's picture: downloaded, decoded to at most about 100*100 pixels and put into the
// row map under the member's name; running out of memory leaves it out of the row.
void AddThumbnail(TCodeText& code, const TClassModel& cls, const TMemberInfo& member);

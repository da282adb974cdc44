#pragma once

#include <QString>
#include <QStringView>

#include "generation/CodeModel.h"
#include "generation/Printer.h"

// A template's text with LF line ends, as every file of the backend has.
inline QString FormatLf(QStringView text, const TVars& vars) {
    return Format(text, vars, u"\n");
}

// What the backend's Java does with a member, one row per category of the value exchanged with
// the client (TMemberInfo::wireCategory()). Templates use $name$, $Name$, $index$, $value$,
// $statement$ and $maxLength$.
struct TBackendWire {
    QStringView javaType;    // the domain object's field
    QStringView boxedType;   // a query condition, null for none
    QStringView formValue;   // the parameter as the value; refused when missing or malformed
    QStringView queryValue;  // the query parameter as a condition, or null
    QStringView setValue;    // puts $value$ in the statement's placeholder $index$
    QStringView getValue;    // the value in column $index$ of the result row
    QStringView xmlValue;    // $value$ as what an XML element holds
    QStringView jsonValue;   // $value$ as a JSON value
    QStringView columnType;  // the schema manager's ColumnType
    QStringView imports;     // the Java types the value needs, one "import ...;\n" each
};
const TBackendWire& BackendWireOf(MemberCategory wireCategory);

// References: how an absent object (0, "") is written and read.
QStringView BackendReferenceSetter();
QStringView BackendTextReferenceGetter();

// A member's variables for the backend's templates, over the class's.
class TBackendMember : public TVars {
  public:
    TBackendMember(const TVars& classVars, const TMemberInfo& member, int index);
    const TMemberInfo& member;
    const TBackendWire& wire;
    // The member's template of the row (one of TBackendWire's).
    QStringView templateOf(QStringView TBackendWire::*job) const;
    // The template printed with these variables, or with `vars` over them.
    QString format(QStringView TBackendWire::*job) const {
        return FormatLf(templateOf(job), *this);
    }
    QString format(QStringView TBackendWire::*job, const TVars& vars) const {
        return FormatLf(templateOf(job), vars);
    }
};

// The SQL text of a quoted identifier as it stands inside a Java string literal.
QString QuotedSqlInJava(const QString& name);

// Whether a reference holds its referenced key in the key's own type (an integer or a text); a
// reference to a float or date key, or to a key that is itself a reference, may hold it as text.
bool HoldsReferencedKey(const TMemberInfo& reference);
// Whether every reference to the class holds its key in the key's own type.
bool KeyIsHeldByReferences(const TProjectModel& project, const TClassModel& cls);

#include "generators/server/BackendMembers.h"

#include "generation/TextForms.h"
#include "generators/server/BackendJava.h"

namespace {

const TBackendWire kText = {
    .javaType = u"String",
    .boxedType = u"String",
    .formValue = u"Values.text(form, \"$name$\"$maxLength$)",
    .queryValue = u"QueryValues.text(form, \"$name$\")",
    .setValue = u"$statement$.setString($index$, $value$)",
    .getValue = u"row.getString($index$)",
    .xmlValue = u"Replies.xmlText($value$)",
    .jsonValue = u"Replies.jsonText($value$)",
    .columnType = u"TEXT",
    .imports = u"",
};

const TBackendWire kInteger = {
    .javaType = u"int",
    .boxedType = u"Integer",
    .formValue = u"Values.integer(form, \"$name$\")",
    .queryValue = u"QueryValues.integer(form, \"$name$\")",
    .setValue = u"$statement$.setInt($index$, $value$)",
    .getValue = u"row.getInt($index$)",
    .xmlValue = u"$value$",
    .jsonValue = u"$value$",
    .columnType = u"INTEGER",
    .imports = u"",
};

const TBackendWire kFloat = {
    .javaType = u"double",
    .boxedType = u"Double",
    .formValue = u"Values.number(form, \"$name$\")",
    .queryValue = u"QueryValues.number(form, \"$name$\")",
    .setValue = u"$statement$.setDouble($index$, $value$)",
    .getValue = u"row.getDouble($index$)",
    .xmlValue = u"$value$",
    .jsonValue = u"Replies.jsonNumber($value$)",
    .columnType = u"REAL",
    .imports = u"",
};

const TBackendWire kDate = {
    .javaType = u"LocalDateTime",
    .boxedType = u"LocalDateTime",
    .formValue = u"Values.date(form, \"$name$\")",
    .queryValue = u"QueryValues.date(form, \"$name$\")",
    .setValue = u"$statement$.setObject($index$, $value$)",
    .getValue = u"row.getObject($index$, LocalDateTime.class)",
    .xmlValue = u"Values.dateText($value$)",
    .jsonValue = u"Replies.jsonText(Values.dateText($value$))",
    .columnType = u"TIMESTAMP",
    .imports = u"import java.time.LocalDateTime;\n",
};

}  // namespace

const TBackendWire& BackendWireOf(MemberCategory wireCategory) {
    switch (wireCategory) {
        case MemberCategory::Integer:
            return kInteger;
        case MemberCategory::Float:
            return kFloat;
        case MemberCategory::Date:
            return kDate;
        default:
            return kText;
    }
}

QStringView BackendReferenceSetter() {
    return u"Rows.setReference($statement$, $index$, $value$)";
}

QStringView BackendTextReferenceGetter() {
    return u"Rows.textReference(row, $index$)";
}

QString QuotedSqlInJava(const QString& name) {
    QString quoted = SqlName(name);
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return InJavaString(QLatin1Char('"') + quoted + QLatin1Char('"'));
}

TBackendMember::TBackendMember(const TVars& classVars, const TMemberInfo& member, int index)
    : TVars(&classVars), member(member), wire(BackendWireOf(member.wireCategory())) {
    const qint32 length = member.textLength();
    set(u"name", member.name());
    set(u"Name", member.stem());
    set(u"index", QString::number(index));
    set(u"type", wire.javaType.toString());
    set(u"boxed", wire.boxedType.toString());
    set(u"column", QuotedSqlInJava(member.name()));
    setJavaString(u"label", member.label());
    setJavaComment(u"comment", member.label());
    set(u"maxLength", length > 0 ? QStringLiteral(", ") + QString::number(length) : QString());
}

QStringView TBackendMember::templateOf(QStringView TBackendWire::*job) const {
    if (member.isReference() && job == &TBackendWire::setValue) {
        return BackendReferenceSetter();
    }
    if (member.isReference() && job == &TBackendWire::getValue &&
        member.wireCategory() == MemberCategory::String) {
        return BackendTextReferenceGetter();
    }
    return wire.*job;
}

bool HoldsReferencedKey(const TMemberInfo& reference) {
    return reference.wireCategory() == reference.refKey().wireCategory();
}

bool KeyIsHeldByReferences(const TProjectModel& project, const TClassModel& cls) {
    for (const TClassModel& owner : project.classes) {
        for (const TMemberInfo& member : owner.members) {
            if (member.referenced == &cls && !HoldsReferencedKey(member)) {
                return false;
            }
        }
    }
    return true;
}

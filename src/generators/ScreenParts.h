#pragma once

#include <QHash>
#include <QSet>
#include <QString>

#include "generation/CodeModel.h"
#include "generation/CodeText.h"

// Pieces of Java text that several generated screens share. Each piece appends whole lines to
// the screen's text or answers one line (or expression) for the caller to place.

// The two imports of a class's domain object and service.
void AppendDomainAndServiceImports(TCodeText& code, const QString& className);
// Those two imports for every reference member, in member order, once per member.
void AppendReferenceImports(TCodeText& code, const TClassModel& cls);

// The key member's Java type: "int" for an integer key member, "String" for any other key.
QString KeyType(const TClassModel& cls);
// "\tprivate int key;" or "\tprivate String key;".
QString PrivateKeyField(const TClassModel& cls);
// "\t\tkey = extras.getInt(\"key\");" or the getString form.
QString KeyFromExtras(const TClassModel& cls);
// The key read from the row map `row` of a list: parsed with Integer.parseInt for an integer
// key, the map value's text otherwise.
QString KeyFromRow(const TClassModel& cls, const QString& row);
// "bundle.putInt(\"key\", key);" or the putString form, without indentation.
QString PutKeyInBundle(const TClassModel& cls);

// Variable names a screen declares for its reference members: the referenced class's object
// name (*refCls*), which the lists, services and counts of the screen are named after. When two
// members refer to the same class, or a name is already taken by the screen itself (its own
// record, or a local of another member), the later member's names get its accessor stem
// appended (personTranslator), so that the generated class still compiles.
class TReferenceNames {
  public:
    TReferenceNames(const QList<const TMemberInfo*>& references, QSet<QString> taken);
    // *refCls* or its replacement for that member.
    QString object(const TMemberInfo& member) const { return names_.value(&member); }
    QString list(const TMemberInfo& member) const { return object(member) + "List"; }
    QString service(const TMemberInfo& member) const { return object(member) + "Service"; }
    QString count(const TMemberInfo& member) const { return object(member) + "Count"; }

  private:
    QHash<const TMemberInfo*, QString> names_;
};

// "\tprivate Ref + Service service = new Ref + Service();" for a reference member.
QString ReferenceServiceField(const TMemberInfo& member, const TReferenceNames& names);

// The referenced object fetched by key through its class's service, its display member shown in
// the text view TV_ + name.
void AppendReferenceLookup(TCodeText& code, const TClassModel& cls, const TMemberInfo& member,
                           const TReferenceNames& names);

// "\t\tDate name = new Date(cls.getName().getTime());": a stored date as a java.util.Date.
QString StoredDateLine(const TClassModel& cls, const TMemberInfo& member);
// The stored date shown as year-month-day in TV_ + name.
void AppendDateText(TCodeText& code, const TClassModel& cls, const TMemberInfo& member);

// The picture stored on the server, downloaded whole and shown in iv_ + name; a failure prints
// its stack trace. `afterOffset` stands between "0," and the length in the decode call: nothing
// on the detail screen, one blank on the edit screen.
void AppendPictureDownload(TCodeText& code, const TClassModel& cls, const TMemberInfo& member,
                           const QString& afterOffset);

// A list row's picture: downloaded, decoded at most about 100*100 pixels and put into the row
// map under the member's name; running out of memory leaves it out of the row.
void AppendThumbnail(TCodeText& code, const TClassModel& cls, const TMemberInfo& member);

#include "generation/JavaNames.h"

#include <QHash>
#include <QRegularExpression>
#include <algorithm>

#include "generation/CodeModel.h"

namespace {

// The words of a text separated by blanks and line ends.
QSet<QString> wordsOf(const char* words) {
    const QStringList list =
        QString::fromLatin1(words).split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
    return QSet<QString>(list.begin(), list.end());
}

const QSet<QString> kKeywords = wordsOf(R"(
    abstract assert boolean break byte case catch char class const continue default do double
    else enum extends final finally float for goto if implements import instanceof int
    interface long native new package private protected public return short static strictfp
    super switch synchronized this throw throws transient try void volatile while true false
    null _)");

// Every type the generated sources name without its package (tests check this list against
// the imports of generated projects): the java.lang types they or the template project use,
// the java.*, javax.*, org.* and android.* types they import, and the template's classes.
const QSet<QString> kReservedTypes = wordsOf(R"(
    Object String Integer Float Exception System OutOfMemoryError Override Class Math Thread
    StringBuilder Runnable Boolean Long Double
    File FileNotFoundException FileOutputStream InputStreamReader Serializable URL URLEncoder
    Timestamp SimpleDateFormat ArrayList Date HashMap List Map SAXParser SAXParserFactory
    JSONArray JSONObject InputSource XMLReader Attributes SAXException DefaultHandler
    Activity Builder Context DialogInterface OnClickListener Intent Bitmap BitmapFactory Uri
    Bundle MediaStore ContextMenu ContextMenuInfo Menu MenuItem View OnCreateContextMenuListener
    LayoutInflater ViewGroup AdapterView AdapterContextMenuInfo OnItemClickListener
    OnItemSelectedListener ArrayAdapter Button CheckBox DatePicker EditText ImageView ScaleType
    ListView SimpleAdapter Spinner TextView Toast GridView
    R Declare HttpUtil ImageService MainMenuActivity PictureProvider)");

// The variables, fields and parameters that the generated classes declare under fixed names, by
// the files that declare them. The screens' also hold the names that their expressions start
// with: the package android in android.R (and the other packages' first names) and the template
// class photoListActivity.
const QSet<QString> kScreenVariables = wordsOf(R"(
    btnAdd btnUpdate btnReturn btnQuery carmera_path savedInstanceState e1 i v arg0 arg1 arg2
    arg3 intent out result e ex requestCode resultCode data opts bm err bundle filename filepath
    extras adapter lv list declare username menu menuInfo item info contextMenuInfo position
    builder dialog which map
    android java javax org com photoListActivity)");
const QSet<QString> kServiceVariables = wordsOf(R"(
    params resultByte result e array length i object size urlString url spf sp xr isr is)");
const QSet<QString> kHandlerVariables = wordsOf(R"(
    tempString valueBuffer ch start length uri localName qName attributes valueString)");

// Where a name of the generated code is used: the screens only (reference stems, the locals of
// a date or picture), also the service (the key), or also the list handler (the class's object).
enum class Scope { Screens, Service, Handler };

bool isGeneratedIn(Scope scope, const QString& name) {
    return kScreenVariables.contains(name) ||
           (scope != Scope::Screens && kServiceVariables.contains(name)) ||
           (scope == Scope::Handler && kHandlerVariables.contains(name)) || IsJavaKeyword(name);
}

// The names of a reference member's variables: the stem, its list, service and count.
QStringList stemFamily(const QString& stem) {
    return {stem, stem + "List", stem + "Service", stem + "Count"};
}

// The names a class's own files derive from its object variable.
QStringList objectFamily(const TClassModel& cls) {
    const QString object = cls.objectName();
    return {object,
            object + "Service",
            object + "List",
            object + "ListHander",
            object + "ListItemListener",
            "queryCondition" + cls.className};
}

// A stem is taken when any of its names is, or when it is a name the screens use themselves.
bool isTakenStem(const QSet<QString>& taken, const QString& stem) {
    const QStringList names = stemFamily(stem);
    return isGeneratedIn(Scope::Screens, stem) ||
           std::any_of(names.begin(), names.end(),
                       [&taken](const QString& name) { return taken.contains(name); });
}

void take(QSet<QString>& taken, const QStringList& names) {
    for (const QString& name : names) {
        taken.insert(name);
    }
}

// Appends 2, 3, ... to the name until `taken` answers false.
template <typename Taken>
QString freeName(const QString& name, Taken taken) {
    QString candidate = name;
    for (int suffix = 2; taken(candidate); ++suffix) {
        candidate = name + QString::number(suffix);
    }
    return candidate;
}

// The fields the screens derive from a member's name, whatever its type; they are never
// renamed, so the variables chosen below keep clear of them.
QStringList memberFields(const QString& name) {
    return {"ET_" + name,
            "TV_" + name,
            "tv_" + name,
            "iv_" + name,
            "dp_" + name,
            "cb_" + name,
            "btn_" + name,
            "spinner_" + name,
            name + "_adapter",
            name + "_ShowText",
            "REQ_CODE_SELECT_IMAGE_" + name,
            "REQ_CODE_CAMERA_" + name};
}

// The names a member's variable stands for: the variable and the locals named after it.
QStringList variableFamily(const QString& variable) {
    return {variable, variable + "Str", variable + "_data", variable + "_opts"};
}

QString chooseObjectVariable(const TClassModel& cls, const QSet<QString>& objectNames) {
    const QString object = ObjectName(cls.className);
    QSet<QString> ownFields;
    for (const TMemberInfo& member : cls.members) {
        for (const QString& field : memberFields(member.name())) {
            ownFields.insert(field);
        }
    }
    auto clashes = [&ownFields](const QString& name) {
        return isGeneratedIn(Scope::Handler, name) || ownFields.contains(name);
    };
    if (!clashes(object)) {
        return object;
    }
    return freeName(
        object, [&](const QString& name) { return clashes(name) || objectNames.contains(name); });
}

void assignMemberVariables(TClassModel& cls) {
    QSet<QString> taken;
    take(taken, objectFamily(cls));
    // The names each member derives: its fields, its variables and, for a reference, the
    // variables of its referenced objects. How many members derive each name is counted, so
    // that a member's own names do not count against it.
    auto derivedNames = [&cls](const TMemberInfo& member) {
        QStringList names = memberFields(member.name()) + variableFamily(member.name());
        if (member.isReference()) {
            for (const QString& stem : {ReferenceStem(cls, member), FormReferenceStem(cls, member),
                                        QueryReferenceStem(cls, member)}) {
                names += stemFamily(stem);
            }
        }
        return names;
    };
    QHash<const TMemberInfo*, QStringList> namesOf;
    QHash<QString, int> derived;
    for (const TMemberInfo& member : cls.members) {
        namesOf.insert(&member, derivedNames(member));
        for (const QString& name : namesOf.value(&member)) {
            ++derived[name];
        }
    }
    for (TMemberInfo& member : cls.members) {
        // The key's variable is the service's parameter too; the others live in screens.
        const Scope scope = member.isKey() ? Scope::Service : Scope::Screens;
        const QStringList& own = namesOf.value(&member);
        auto clashes = [&](const QString& name) {
            return isGeneratedIn(scope, name) || taken.contains(name) ||
                   derived.value(name) > own.count(name);
        };
        auto familyClashes = [&](const QString& variable) {
            for (const QString& name : variableFamily(variable)) {
                if (clashes(name)) {
                    return true;
                }
            }
            return false;
        };
        member.variable = freeName(member.name(), familyClashes);
        take(taken, variableFamily(member.variable));
    }
}

}  // namespace

QString DefaultApplicationId(const QString& projectName) {
    QString id = QStringLiteral("com.mobileclient.p");
    for (const QChar c : projectName) {
        if ((c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9')) {
            id.append(c);
        } else {
            id.append(QStringLiteral("_%1").arg(c.unicode(), 4, 16, QLatin1Char('0')));
        }
    }
    return id;
}

bool IsJavaKeyword(const QString& name) {
    return kKeywords.contains(name);
}

bool IsReservedTypeName(const QString& name) {
    return kReservedTypes.contains(name);
}

QString ReferenceStemAmong(const QList<const TMemberInfo*>& references,
                           const TMemberInfo& reference, QSet<QString> taken) {
    // First come the referenced classes' object names, each for its first member.
    QList<const TMemberInfo*> renamed;
    for (const TMemberInfo* member : references) {
        const QString stem = member->refObject();
        if (isTakenStem(taken, stem)) {
            renamed.append(member);
        } else if (member == &reference) {
            return stem;
        } else {
            take(taken, stemFamily(stem));
        }
    }
    // Then the others take their own names, in member order.
    for (const TMemberInfo* member : renamed) {
        const QString stem = freeName(
            member->name(), [&taken](const QString& name) { return isTakenStem(taken, name); });
        if (member == &reference) {
            return stem;
        }
        take(taken, stemFamily(stem));
    }
    return reference.refObject();
}

QString ReferenceStem(const TClassModel& cls, const TMemberInfo& reference) {
    const QStringList own = objectFamily(cls);
    return ReferenceStemAmong(cls.referenceMembers(), reference, {own.begin(), own.end()});
}

QString FormReferenceStem(const TClassModel& cls, const TMemberInfo& reference) {
    const QStringList own = objectFamily(cls);
    return ReferenceStemAmong(FormDropDowns(cls), reference, {own.begin(), own.end()});
}

QString QueryReferenceStem(const TClassModel& cls, const TMemberInfo& reference) {
    return ReferenceStemAmong(QueryDropDowns(cls), reference, {});
}

QList<const TMemberInfo*> FormDropDowns(const TClassModel& cls) {
    QList<const TMemberInfo*> dropDowns;
    for (const TMemberInfo* member : cls.nonKeyMembers()) {
        if (member->isReference()) {
            dropDowns.append(member);
        }
    }
    return dropDowns;
}

QList<const TMemberInfo*> QueryDropDowns(const TClassModel& cls) {
    QList<const TMemberInfo*> dropDowns;
    for (const TMemberInfo* member : cls.queryMembers()) {
        if (member->queryCategory() == MemberCategory::Reference) {
            dropDowns.append(member);
        }
    }
    return dropDowns;
}

void AssignVariableNames(TProjectModel& project) {
    QSet<QString> objectNames;
    for (const TClassModel& cls : project.classes) {
        objectNames.insert(ObjectName(cls.className));
    }
    for (TClassModel& cls : project.classes) {
        cls.objectVariable = chooseObjectVariable(cls, objectNames);
        objectNames.insert(cls.objectVariable);
    }
    for (TClassModel& cls : project.classes) {
        assignMemberVariables(cls);
    }
}

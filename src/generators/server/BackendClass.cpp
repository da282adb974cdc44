#include <QSet>
#include <algorithm>

#include "generation/Printer.h"
#include "generators/server/BackendJava.h"
#include "generators/server/BackendMembers.h"

namespace {

// Simple names the generated servlets and data-access classes import or declare; a domain class
// of such a name is written with its package.
const QSet<QString> kImportedNames = {
    "Answer",    "ArrayList",     "Conditions",        "Connection",  "Database", "Form",
    "List",      "LocalDateTime", "PreparedStatement", "QueryValues", "Refusal",  "Replies",
    "ResultSet", "Rows",          "SQLException",      "ServletBase", "Protocol", "Values"};

// Locals and parameters of the generated code that a class's object variable must not be.
const QSet<QString> kLocalNames = {"form", "connection", "key",       "dao", "xml",   "json",
                                   "list", "row",        "statement", "sql", "holder"};

QString domainType(const TClassModel& cls) {
    const bool clashes =
        kImportedNames.contains(cls.className) || cls.className.endsWith(QLatin1String("DAO"));
    return clashes ? QStringLiteral("com.mobileclient.domain.") + cls.className : cls.className;
}

QString daoField(const TClassModel& cls) {
    return ObjectName(cls.className) + QStringLiteral("DAO");
}

// The class's variables: $Class$, $Type$, $obj$, $table$, $friendText$, $friendComment$ and of
// its key $keyName$, $KeyName$, $keyType$, $keyColumn$, $keyLabel$.
TVars classVars(const TClassModel& cls) {
    TVars vars;
    const TMemberInfo& key = *cls.keyMember();
    const QString object = cls.objectName();
    vars.set(u"Class", cls.className)
        .set(u"Type", domainType(cls))
        .set(u"obj", kLocalNames.contains(object) || object.endsWith(QLatin1String("DAO"))
                         ? QStringLiteral("object")
                         : object)
        .set(u"table", QuotedSqlInJava(cls.className))
        .setJavaString(u"friendText", cls.friendName)
        .setJavaComment(u"friendComment", cls.friendName)
        .set(u"keyName", key.name())
        .set(u"KeyName", key.stem())
        .set(u"keyType", BackendWireOf(key.wireCategory()).javaType.toString())
        .set(u"keyColumn", QuotedSqlInJava(key.name()))
        .setJavaString(u"keySqlName", SqlName(key.name()))
        .setJavaString(u"keyLabel", key.label());
    return vars;
}

// Each member's variables, by member order; $index$ counts from 1.
std::vector<std::unique_ptr<TBackendMember>> memberVars(const TClassModel& cls, const TVars& vars) {
    std::vector<std::unique_ptr<TBackendMember>> members;
    int index = 1;
    for (const TMemberInfo& member : cls.members) {
        members.push_back(std::make_unique<TBackendMember>(vars, member, index++));
    }
    return members;
}

QString importsOf(const TClassModel& cls) {
    for (const TMemberInfo& member : cls.members) {
        if (!BackendWireOf(member.wireCategory()).imports.isEmpty()) {
            return BackendWireOf(member.wireCategory()).imports.toString();
        }
    }
    return QString();
}

QString domainImport(const TClassModel& cls) {
    return domainType(cls) == cls.className
               ? QStringLiteral("import com.mobileclient.domain.") + cls.className + ";\n"
               : QString();
}

}  // namespace

TGeneratedFile BackendJavaFile(const QString& package, const QString& fileName,
                               const QString& text) {
    return {QStringLiteral("src/main/java/com/mobileclient/") + package, fileName, text,
            FileEncoding::Utf8, QString()};
}

TGeneratedFile BackendDomainFile(const TClassModel& cls) {
    const TVars vars = classVars(cls);
    const auto members = memberVars(cls, vars);
    TPrinter printer(u"\n");
    printer.print(u"package com.mobileclient.domain;\n\n");
    const QString imports = importsOf(cls);
    if (!imports.isEmpty()) {
        printer.print(imports).print(u"\n");
    }
    printer.print(
        u"/** $friendComment$: an object of the class $Class$. */\n"
        "public class $Class$ {\n",
        vars);
    for (const auto& member : members) {
        printer.print(u"    private final $type$ $name$;\n", *member);
    }
    printer.print(u"\n    public $Class$(", vars);
    for (const auto& member : members) {
        printer.print(member.get() == members.back().get() ? u"\n            $type$ $name$) {\n"
                                                           : u"\n            $type$ $name$,",
                      *member);
    }
    for (const auto& member : members) {
        printer.print(u"        this.$name$ = $name$;\n", *member);
    }
    printer.print(u"    }\n");
    for (const auto& member : members) {
        printer.print(
            u"\n"
            "    /** $comment$ */\n"
            "    public $type$ get$Name$() {\n"
            "        return $name$;\n"
            "    }\n",
            *member);
    }
    printer.print(u"}\n");
    return BackendJavaFile(QStringLiteral("domain"), cls.className + ".java", printer.text());
}

namespace {

using TMemberVars = std::vector<std::unique_ptr<TBackendMember>>;

// "\"a\", \"b\"" for the members the filter keeps, as Java string text.
template <typename Keep>
QString columnList(const TMemberVars& members, Keep keep, QStringView each = u"$column$") {
    QStringList columns;
    for (const auto& member : members) {
        if (keep(member->member)) {
            columns.append(FormatLf(each, *member));
        }
    }
    return columns.join(QStringLiteral(", "));
}

bool anyMember(const TMemberInfo&) {
    return true;
}
bool nonKey(const TMemberInfo& member) {
    return !member.isKey();
}

// Sets the statement's placeholders from the object's members that the filter keeps, from 1 on,
// and answers the next placeholder's number.
template <typename Keep>
int printSetters(TPrinter& printer, const TMemberVars& members, Keep keep) {
    int index = 1;
    for (const auto& member : members) {
        if (!keep(member->member)) {
            continue;
        }
        TVars setter(member.get());
        setter.set(u"statement", QStringLiteral("statement"))
            .set(u"index", QString::number(index++))
            .set(u"value", FormatLf(u"$obj$.get$Name$()", *member));
        setter.set(u"setter", member->format(&TBackendWire::setValue, setter));
        printer.print(u"            $setter$;\n", setter);
    }
    return index;
}

QString placeholders(int count) {
    QStringList marks;
    for (int i = 0; i < count; ++i) {
        marks.append(QStringLiteral("?"));
    }
    return marks.join(QStringLiteral(", "));
}

void printInsert(TPrinter& printer, const TClassModel& cls, const TMemberVars& members,
                 const TVars& vars) {
    const bool assigned = cls.hasIntegerKey();
    const auto stored = [assigned](const TMemberInfo& member) {
        return !assigned || !member.isKey();
    };
    TVars insert(&vars);
    const int count = std::count_if(cls.members.begin(), cls.members.end(), stored);
    insert.set(u"values", count == 0 ? QStringLiteral(" DEFAULT VALUES")
                                     : " (" + columnList(members, stored) + ") VALUES (" +
                                           placeholders(count) + ")");
    if (assigned) {
        printer.print(
            u"\n"
            "    /** Adds the object without its key; answers the key the database assigned. */\n"
            "    public int insert(Connection connection, $Type$ $obj$) throws SQLException {\n"
            "        String sql = \"INSERT INTO \" + TABLE + \"$values$ RETURNING $keyColumn$\";\n"
            "        try (PreparedStatement statement = connection.prepareStatement(sql)) {\n",
            insert);
        printSetters(printer, members, stored);
        printer.print(
            u"            try (ResultSet row = statement.executeQuery()) {\n"
            "                row.next();\n"
            "                return row.getInt(1);\n"
            "            }\n"
            "        }\n"
            "    }\n");
        return;
    }
    printer.print(
        u"\n"
        "    public void insert(Connection connection, $Type$ $obj$) throws SQLException {\n"
        "        String sql = \"INSERT INTO \" + TABLE + \"$values$\";\n"
        "        try (PreparedStatement statement = connection.prepareStatement(sql)) {\n",
        insert);
    printSetters(printer, members, stored);
    printer.print(
        u"            statement.executeUpdate();\n"
        "        }\n"
        "    }\n");
}

void printUpdate(TPrinter& printer, const TClassModel& cls, const TMemberVars& members,
                 const TVars& vars) {
    if (cls.members.size() == 1) {
        printer.print(
            u"\n"
            "    /** The object has nothing but its key, which stays. */\n"
            "    public void update(Connection connection, $Type$ $obj$) {\n"
            "    }\n",
            vars);
        return;
    }
    TVars update(&vars);
    update.set(u"assignments", columnList(members, nonKey, u"$column$ = ?"));
    printer.print(
        u"\n"
        "    /** Replaces every member of the object with the key. */\n"
        "    public void update(Connection connection, $Type$ $obj$) throws SQLException {\n"
        "        String sql = \"UPDATE \" + TABLE + \" SET $assignments$\"\n"
        "                + \" WHERE $keyColumn$ = ?\";\n"
        "        try (PreparedStatement statement = connection.prepareStatement(sql)) {\n",
        update);
    const int keyIndex = printSetters(printer, members, nonKey);
    for (const auto& member : members) {
        if (member->member.isKey()) {
            TVars setter(member.get());
            setter.set(u"statement", QStringLiteral("statement"))
                .set(u"index", QString::number(keyIndex))
                .set(u"value", FormatLf(u"$obj$.get$Name$()", *member));
            setter.set(u"setter", member->format(&TBackendWire::setValue, setter));
            printer.print(u"            $setter$;\n", setter);
        }
    }
    printer.print(
        u"            statement.executeUpdate();\n"
        "        }\n"
        "    }\n");
}

// The query's parameters, one per query member (named by it), and the conditions they set.
void printQuery(TPrinter& printer, const TClassModel& cls, const TMemberVars& members,
                const TVars& vars) {
    printer.print(
        u"\n"
        "    /** The objects that meet every condition given (null: none), by key. */\n"
        "    public List<$Type$> query(Connection connection",
        vars);
    QStringList conditions;
    for (const auto& member : members) {
        if (member->member.member.queryFlag != 1) {
            continue;
        }
        TVars parameter(member.get());
        parameter.set(u"parameter", member->member.name() == QLatin1String("connection")
                                        ? QStringLiteral("connectionValue")
                                        : member->member.name());
        printer.print(u", $boxed$ $parameter$", parameter);
        const QStringView condition =
            member->member.isReference()                              ? u"equalTo"
            : member->member.wireCategory() == MemberCategory::Date   ? u"sameDay"
            : member->member.wireCategory() == MemberCategory::String ? u"containsText"
                                                                      : u"equalTo";
        parameter.set(u"condition", condition.toString());
        conditions.append(
            FormatLf(u"\n                .$condition$(\"$column$\", $parameter$)", parameter));
    }
    TVars body(&vars);
    body.set(u"conditions", conditions.join(QString()));
    printer.print(
        u")\n"
        "            throws SQLException {\n"
        "        return select(connection, new Conditions()$conditions$);\n"
        "    }\n",
        body);
    (void)cls;
}

void printReadRow(TPrinter& printer, const TMemberVars& members, const TVars& vars) {
    printer.print(
        u"\n"
        "    private static $Type$ read(ResultSet row) throws SQLException {\n"
        "        return new $Type$(",
        vars);
    for (const auto& member : members) {
        TVars getter(member.get());
        getter.set(u"getter", member->format(&TBackendWire::getValue));
        getter.set(u"end", member.get() == members.back().get() ? QStringLiteral(");")
                                                                : QStringLiteral(","));
        printer.print(u"\n                $getter$$end$", getter);
    }
    printer.print(u"\n    }\n");
}

}  // namespace

TGeneratedFile BackendDaoFile(const TProjectModel& project, const TClassModel& cls) {
    TVars vars = classVars(cls);
    const auto members = memberVars(cls, vars);
    // Text keys sort by their code points, as the development server sorts them.
    const bool textKey = cls.keyMember()->wireCategory() == MemberCategory::String;
    vars.set(u"domainImport", domainImport(cls))
        .set(u"timeImport", importsOf(cls))
        .set(u"columns", columnList(members, anyMember))
        .set(u"collate", textKey ? QStringLiteral(" COLLATE \\\"C\\\"") : QString());
    TPrinter printer(u"\n");
    printer.print(
        u"package com.mobileclient.dao;\n"
        "\n"
        "$domainImport$"
        "import com.mobileclient.server.Conditions;\n"
        "import com.mobileclient.server.Rows;\n"
        "import java.sql.Connection;\n"
        "import java.sql.PreparedStatement;\n"
        "import java.sql.ResultSet;\n"
        "import java.sql.SQLException;\n"
        "$timeImport$"
        "import java.util.ArrayList;\n"
        "import java.util.List;\n"
        "\n"
        "/** The table of $friendComment$ objects (class $Class$). */\n"
        "public class $Class$DAO {\n"
        "    private static final String TABLE = \"$table$\";\n"
        "    private static final String COLUMNS = \"$columns$\";\n"
        "    private static final String ORDER = \" ORDER BY $keyColumn$$collate$\";\n"
        "\n"
        "    public boolean exists(Connection connection, $keyType$ key) throws SQLException {\n"
        "        return Rows.exists(connection,\n"
        "                \"SELECT 1 FROM \" + TABLE + \" WHERE $keyColumn$ = ?\", key);\n"
        "    }\n",
        vars);
    if (!KeyIsHeldByReferences(project, cls)) {
        printer.print(
            u"\n"
            "    /** Whether an object's key reads as the text (references hold this key as text). "
            "*/\n"
            "    public boolean existsByText(Connection connection, String key) throws "
            "SQLException {\n"
            "        return Rows.exists(connection,\n"
            "                \"SELECT 1 FROM \" + TABLE + \" WHERE CAST($keyColumn$ AS text) = "
            "?\", key);\n"
            "    }\n",
            vars);
    }
    if (cls.hasIntegerKey()) {
        printer.print(
            u"\n"
            "    /** The key the next insert will most likely get: a guess, which takes no key. "
            "*/\n"
            "    public int nextKey(Connection connection) throws SQLException {\n"
            "        return Rows.nextKey(connection, TABLE, \"$keySqlName$\");\n"
            "    }\n",
            vars);
    }
    printInsert(printer, cls, members, vars);
    printUpdate(printer, cls, members, vars);
    printer.print(
        u"\n"
        "    public void delete(Connection connection, $keyType$ key) throws SQLException {\n"
        "        Rows.update(connection, \"DELETE FROM \" + TABLE + \" WHERE $keyColumn$ = ?\", "
        "key);\n"
        "    }\n"
        "\n"
        "    /** The object with the key: a list of one, or an empty list. */\n"
        "    public List<$Type$> find(Connection connection, $keyType$ key) throws SQLException {\n"
        "        return select(connection, new Conditions().equalTo(\"$keyColumn$\", key));\n"
        "    }\n",
        vars);
    printQuery(printer, cls, members, vars);
    for (const auto& member : members) {
        if (!member->member.isReference()) {
            continue;
        }
        TVars holder(member.get());
        holder.set(u"refType", BackendWireOf(member->member.wireCategory()).javaType.toString());
        if (member->member.referenced == &cls) {
            printer.print(
                u"\n"
                "    /** The key of the first other object whose $comment$ is the key, or null. "
                "*/\n"
                "    public Object firstWith$Name$(Connection connection, $refType$ key)\n"
                "            throws SQLException {\n"
                "        return Rows.first(connection, \"SELECT $keyColumn$ FROM \" + TABLE\n"
                "                + \" WHERE $column$ = ? AND $keyColumn$ <> ?\" + ORDER + \" LIMIT "
                "1\", key, key);\n"
                "    }\n",
                holder);
        } else {
            printer.print(
                u"\n"
                "    /** The key of the first object whose $comment$ is the key, or null. */\n"
                "    public Object firstWith$Name$(Connection connection, $refType$ key)\n"
                "            throws SQLException {\n"
                "        return Rows.first(connection, \"SELECT $keyColumn$ FROM \" + TABLE\n"
                "                + \" WHERE $column$ = ?\" + ORDER + \" LIMIT 1\", key);\n"
                "    }\n",
                holder);
        }
    }
    printer.print(
        u"\n"
        "    private List<$Type$> select(Connection connection, Conditions conditions)\n"
        "            throws SQLException {\n"
        "        String sql = \"SELECT \" + COLUMNS + \" FROM \" + TABLE + "
        "conditions.whereClause() + ORDER;\n"
        "        try (PreparedStatement statement = connection.prepareStatement(sql)) {\n"
        "            conditions.bind(statement);\n"
        "            try (ResultSet row = statement.executeQuery()) {\n"
        "                List<$Type$> list = new ArrayList<>();\n"
        "                while (row.next()) {\n"
        "                    list.add(read(row));\n"
        "                }\n"
        "                return list;\n"
        "            }\n"
        "        }\n"
        "    }\n",
        vars);
    printReadRow(printer, members, vars);
    printer.print(u"}\n");
    return BackendJavaFile(QStringLiteral("dao"), cls.className + "DAO.java", printer.text());
}

namespace {

// The classes, in model order, that the servlet's checks read besides its own: those its
// references name and those whose references name it.
QList<const TClassModel*> relatedClasses(const TProjectModel& project, const TClassModel& cls) {
    QList<const TClassModel*> related;
    for (const TClassModel& other : project.classes) {
        if (&other == &cls) {
            continue;
        }
        const bool named =
            std::any_of(cls.members.begin(), cls.members.end(),
                        [&](const TMemberInfo& m) { return m.referenced == &other; });
        const bool naming = std::any_of(other.members.begin(), other.members.end(),
                                        [&](const TMemberInfo& m) { return m.referenced == &cls; });
        if (named || naming) {
            related.append(&other);
        }
    }
    return related;
}

// A key that the client sends, read from the form: a text must not be blank, and when stored
// it is held to its member's length.
QString keyReading(const TBackendMember& key, bool stored) {
    if (key.member.wireCategory() != MemberCategory::String) {
        return key.format(&TBackendWire::formValue);
    }
    return stored ? FormatLf(u"Values.textKey(form, \"$name$\", KEY_LABEL$maxLength$)", key)
                  : FormatLf(u"Values.textKey(form, \"$name$\", KEY_LABEL)", key);
}

// The object read from the form, every member in member order. With `withKey` false an integer
// key is left 0 (the database assigns it on add).
QString readObject(const TClassModel& cls, const TMemberVars& members, const TVars& vars) {
    QStringList values;
    for (const auto& member : members) {
        const TMemberInfo& info = member->member;
        if (info.isKey() && cls.hasIntegerKey()) {
            values.append(FormatLf(u"withKey ? Values.integer(form, \"$name$\") : 0", *member));
        } else if (info.isKey()) {
            values.append(keyReading(*member, true));
        } else {
            values.append(member->format(&TBackendWire::formValue));
        }
    }
    TVars object(&vars);
    object.set(u"values", values.join(QStringLiteral(",\n                ")));
    return FormatLf(u"new $Type$(\n                $values$)", object);
}

void printReferenceChecks(TPrinter& printer, const TClassModel& cls, const TMemberVars& members,
                          const TVars& vars) {
    printer.print(
        u"\n"
        "    /** Every reference names an existing object, or none (0, \"\"). */\n"
        "    private void checkReferences(Connection connection, $Type$ $obj$, boolean adding)\n"
        "            throws SQLException {\n",
        vars);
    for (const auto& member : members) {
        const TMemberInfo& info = member->member;
        if (!info.isReference()) {
            continue;
        }
        const bool integer = info.wireCategory() == MemberCategory::Integer;
        const bool self = info.referenced == &cls && HoldsReferencedKey(info);
        TVars check(member.get());
        check
            .set(u"dao",
                 info.referenced == &cls ? QStringLiteral("dao") : daoField(*info.referenced))
            .set(u"exists", HoldsReferencedKey(info) ? QStringLiteral("exists")
                                                     : QStringLiteral("existsByText"))
            .setJavaString(u"refKeyLabel", info.refKey().label())
            .setJavaString(u"refFriend", info.referenced->friendName)
            .set(u"given", integer ? FormatLf(u"$obj$.get$Name$() != 0", *member)
                                   : FormatLf(u"!$obj$.get$Name$().isEmpty()", *member));
        QString notSelf;
        if (self && cls.hasIntegerKey()) {
            notSelf = FormatLf(
                u"\n                && $obj$.get$Name$() != (adding ? dao.nextKey(connection) : "
                u"$obj$.get$KeyName$())",
                *member);
        } else if (self && integer) {
            notSelf = FormatLf(u"\n                && $obj$.get$Name$() != $obj$.get$KeyName$()",
                               *member);
        } else if (self) {
            notSelf = FormatLf(
                u"\n                && !$obj$.get$Name$().equals($obj$.get$KeyName$())", *member);
        }
        check.set(u"notSelf", notSelf);
        printer.print(
            u"        if ($given$ && !$dao$.$exists$(connection, $obj$.get$Name$())$notSelf$) {\n"
            "            throw new Refusal(409, Protocol.referenceToNothing(\"$label$\", "
            "\"$refKeyLabel$\",\n"
            "                    $obj$.get$Name$(), \"$refFriend$\"));\n"
            "        }\n",
            check);
    }
    printer.print(u"    }\n");
}

// The key `key` as the text a reference to it holds when it does not hold the key's own type.
QString keyAsText(const TMemberInfo& key) {
    return key.wireCategory() == MemberCategory::Date ? QStringLiteral("Values.dateText(key)")
                                                      : QStringLiteral("String.valueOf(key)");
}

// The servlet's check that no object refers to the one deleted, or nothing when no class can.
void printHolderChecks(TPrinter& printer, const TProjectModel& project, const TClassModel& cls,
                       const TVars& vars) {
    QString checks;
    for (const TClassModel& owner : project.classes) {
        for (const TMemberInfo& member : owner.members) {
            if (member.referenced != &cls) {
                continue;
            }
            TVars check(&vars);
            check.set(u"dao", &owner == &cls ? QStringLiteral("dao") : daoField(owner))
                .set(u"Name", member.stem())
                .set(u"heldKey", HoldsReferencedKey(member) ? QStringLiteral("key")
                                                            : keyAsText(*cls.keyMember()))
                .setJavaString(u"ownerFriend", owner.friendName)
                .setJavaString(u"label", member.label());
            checks += FormatLf(
                u"        refuseIfReferenced(FRIEND_NAME, key, $dao$.firstWith$Name$(connection, "
                u"$heldKey$),\n"
                "                \"$ownerFriend$\", \"$label$\");\n",
                check);
        }
    }
    if (checks.isEmpty()) {
        return;
    }
    TVars method(&vars);
    method.set(u"checks", checks);
    printer.print(
        u"\n"
        "    /** No other object refers to the one with the key. */\n"
        "    private void checkNotReferenced(Connection connection, $keyType$ key)\n"
        "            throws SQLException {\n"
        "$checks$"
        "    }\n",
        method);
}

void printXml(TPrinter& printer, const TMemberVars& members, const TVars& vars) {
    printer.print(
        u"\n"
        "    /** The query's answer: one element per object, one child per member. */\n"
        "    private static String xml(List<$Type$> list) {\n"
        "        StringBuilder xml = new StringBuilder(\n"
        "                \"<?xml version=\\\"1.0\\\" "
        "encoding=\\\"UTF-8\\\"?>\\n<$Class$List>\\n\");\n"
        "        for ($Type$ $obj$ : list) {\n"
        "            xml.append(\"<$Class$>\");\n",
        vars);
    for (const auto& member : members) {
        TVars element(member.get());
        element.set(u"value", FormatLf(u"$obj$.get$Name$()", *member));
        element.set(u"text", member->format(&TBackendWire::xmlValue, element));
        printer.print(
            u"            xml.append(\"<$name$>\").append($text$).append(\"</$name$>\");\n",
            element);
    }
    printer.print(
        u"            xml.append(\"</$Class$>\\n\");\n"
        "        }\n"
        "        return xml.append(\"</$Class$List>\\n\").toString();\n"
        "    }\n",
        vars);
}

// JSON objects list their members by name, as the development server's JSON does.
void printJson(TPrinter& printer, const TMemberVars& members, const TVars& vars) {
    printer.print(
        u"\n"
        "    /** The objects as a JSON array; each object's members by name. */\n"
        "    private static String json(List<$Type$> list) {\n"
        "        StringBuilder json = new StringBuilder(\"[\");\n"
        "        for ($Type$ $obj$ : list) {\n"
        "            json.append(json.length() == 1 ? \"{\" : \",{\");\n",
        vars);
    std::vector<const TBackendMember*> byName;
    for (const auto& member : members) {
        byName.push_back(member.get());
    }
    std::sort(byName.begin(), byName.end(), [](const TBackendMember* a, const TBackendMember* b) {
        return a->member.name() < b->member.name();
    });
    for (const TBackendMember* member : byName) {
        TVars entry(member);
        entry.set(u"value", FormatLf(u"$obj$.get$Name$()", *member))
            .set(u"comma", member == byName.front() ? QString() : QStringLiteral(","));
        entry.set(u"text", member->format(&TBackendWire::jsonValue, entry));
        printer.print(u"            json.append(\"$comma$\\\"$name$\\\":\").append($text$);\n",
                      entry);
    }
    printer.print(
        u"            json.append('}');\n"
        "        }\n"
        "        return json.append(']').toString();\n"
        "    }\n");
}

}  // namespace

TGeneratedFile BackendServletFile(const TProjectModel& project, const TClassModel& cls) {
    TVars vars = classVars(cls);
    const auto members = memberVars(cls, vars);
    const QList<const TClassModel*> related = relatedClasses(project, cls);
    QString imports = QStringLiteral("import com.mobileclient.dao.") + cls.className + "DAO;\n";
    QString fields;
    for (const TClassModel* other : related) {
        imports += QStringLiteral("import com.mobileclient.dao.") + other->className + "DAO;\n";
        fields += QStringLiteral("    private final ") + other->className + "DAO " +
                  daoField(*other) + " = new " + other->className + "DAO();\n";
    }
    QStringList queryValues;
    for (const auto& member : members) {
        if (member->member.member.queryFlag == 1) {
            queryValues.append(member->format(&TBackendWire::queryValue));
        }
    }
    const bool held =
        std::any_of(project.classes.begin(), project.classes.end(), [&](const TClassModel& owner) {
            return std::any_of(owner.members.begin(), owner.members.end(),
                               [&](const TMemberInfo& m) { return m.referenced == &cls; });
        });
    const bool integerKey = cls.hasIntegerKey();
    vars.set(u"imports", imports + domainImport(cls))
        .set(u"keyImport", BackendWireOf(cls.keyMember()->wireCategory()).imports.toString())
        .set(u"queryImport", queryValues.isEmpty()
                                 ? QString()
                                 : QStringLiteral("import com.mobileclient.server.QueryValues;\n"))
        .set(u"fields", fields)
        .set(u"queryValues",
             queryValues.isEmpty()
                 ? QString()
                 : ",\n                " + queryValues.join(QStringLiteral(",\n                ")))
        .set(u"readParameter", integerKey ? QStringLiteral(", boolean withKey") : QString())
        .set(u"readForAdd",
             integerKey ? QStringLiteral("read(form, false)") : QStringLiteral("read(form)"))
        .set(u"readForUpdate",
             integerKey ? QStringLiteral("read(form, true)") : QStringLiteral("read(form)"))
        .set(u"readKey", keyReading(**std::find_if(members.begin(), members.end(),
                                                   [](const auto& m) { return m->member.isKey(); }),
                                    false))
        .set(u"holderCheck",
             held ? QStringLiteral("            checkNotReferenced(connection, key);\n")
                  : QString());
    vars.set(u"object", readObject(cls, members, vars));
    vars.set(u"addStore",
             integerKey
                 ? FormatLf(u"            try {\n"
                            "                dao.insert(connection, $obj$);\n"
                            "            } catch (SQLException e) {\n"
                            "                throw Database.refusalIfKeysUsedUp(e, FRIEND_NAME);\n"
                            "            }\n",
                            vars)
                 : FormatLf(u"            if (dao.exists(connection, $obj$.get$KeyName$())) {\n"
                            "                throw new Refusal(409,\n"
                            "                        Protocol.keyExists(KEY_LABEL, "
                            "$obj$.get$KeyName$(), FRIEND_NAME));\n"
                            "            }\n"
                            "            checkReferences(connection, $obj$, true);\n"
                            "            dao.insert(connection, $obj$);\n",
                            vars));
    TPrinter printer(u"\n");
    printer.print(
        u"package com.mobileclient.servlet;\n"
        "\n"
        "$imports$"
        "import com.mobileclient.server.Database;\n"
        "import com.mobileclient.server.Form;\n"
        "import com.mobileclient.server.Protocol;\n"
        "$queryImport$"
        "import com.mobileclient.server.Refusal;\n"
        "import com.mobileclient.server.Replies;\n"
        "import com.mobileclient.server.ServletBase;\n"
        "import com.mobileclient.server.Values;\n"
        "import java.sql.Connection;\n"
        "import java.sql.SQLException;\n"
        "$keyImport$"
        "import java.util.List;\n"
        "\n"
        "/** The client's requests for $friendComment$ objects (class $Class$). */\n"
        "public class $Class$Servlet extends ServletBase {\n"
        "    private static final long serialVersionUID = 1L;\n"
        "    private static final String FRIEND_NAME = \"$friendText$\";\n"
        "    private static final String KEY_LABEL = \"$keyLabel$\";\n"
        "\n"
        "    private final $Class$DAO dao = new $Class$DAO();\n"
        "$fields$"
        "\n"
        "    @Override\n"
        "    protected Answer add(Form form) throws SQLException {\n"
        "        $Type$ $obj$ = $readForAdd$;\n"
        "        return Database.inTransaction(connection -> {\n",
        vars);
    if (integerKey) {
        printer.print(u"            checkReferences(connection, $obj$, true);\n", vars);
    }
    printer.print(
        u"$addStore$"
        "            return Answer.text(Protocol.addText(FRIEND_NAME));\n"
        "        });\n"
        "    }\n"
        "\n"
        "    @Override\n"
        "    protected Answer update(Form form) throws SQLException {\n"
        "        $Type$ $obj$ = $readForUpdate$;\n"
        "        return Database.inTransaction(connection -> {\n"
        "            requireExisting(connection, $obj$.get$KeyName$());\n"
        "            checkReferences(connection, $obj$, false);\n"
        "            dao.update(connection, $obj$);\n"
        "            return Answer.text(Protocol.updateText(FRIEND_NAME));\n"
        "        });\n"
        "    }\n"
        "\n"
        "    @Override\n"
        "    protected Answer delete(Form form) throws SQLException {\n"
        "        $keyType$ key = $readKey$;\n"
        "        return Database.inTransaction(connection -> {\n"
        "            requireExisting(connection, key);\n"
        "$holderCheck$"
        "            dao.delete(connection, key);\n"
        "            return Answer.text(Protocol.deleteText(FRIEND_NAME));\n"
        "        });\n"
        "    }\n"
        "\n"
        "    @Override\n"
        "    protected Answer updateQuery(Form form) throws SQLException {\n"
        "        $keyType$ key = $readKey$;\n"
        "        return Answer.json(json(Database.inTransaction(connection -> dao.find(connection, "
        "key))));\n"
        "    }\n"
        "\n"
        "    @Override\n"
        "    protected Answer query(Form form) throws SQLException {\n"
        "        return Answer.xml(xml(Database.inTransaction(connection -> "
        "dao.query(connection$queryValues$))));\n"
        "    }\n"
        "\n"
        "    /** Every member, in member order, as the form sends it. */\n"
        "    private static $Type$ read(Form form$readParameter$) {\n"
        "        return $object$;\n"
        "    }\n"
        "\n"
        "    private void requireExisting(Connection connection, $keyType$ key) throws "
        "SQLException {\n"
        "        if (!dao.exists(connection, key)) {\n"
        "            throw new Refusal(404, Protocol.noSuchObject(KEY_LABEL, key, FRIEND_NAME));\n"
        "        }\n"
        "    }\n",
        vars);
    printReferenceChecks(printer, cls, members, vars);
    printHolderChecks(printer, project, cls, vars);
    printXml(printer, members, vars);
    printJson(printer, members, vars);
    printer.print(u"}\n");
    return BackendJavaFile(QStringLiteral("servlet"), cls.className + "Servlet.java",
                           printer.text());
}

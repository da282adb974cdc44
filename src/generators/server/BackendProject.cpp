#include <QCryptographicHash>
#include <QRegularExpression>

#include "generation/Printer.h"
#include "generation/Protocol.h"
#include "generation/TextForms.h"
#include "generators/server/BackendJava.h"
#include "generators/server/BackendMembers.h"

namespace {

constexpr qsizetype kMaxSqlNameBytes = 63;

// The member whose type a member's column takes: a reference takes its referenced key's, and
// that key's own referenced key's when it is a reference too.
const TMemberInfo& typedMember(const TMemberInfo& member) {
    const TMemberInfo* typed = &member;
    for (int step = 0; step < 100 && typed->isReference() && HoldsReferencedKey(*typed); ++step) {
        typed = &typed->refKey();
    }
    return *typed;
}

// The schema manager's column of a member. A key that refers to another class gets no foreign
// key (the servlet checks it): the schema manager's keys refer to nothing.
QString columnSpec(const TMemberInfo& member) {
    const TMemberInfo& typed = typedMember(member);
    TVars vars;
    vars.set(u"column", InJavaString(SqlName(member.name())))
        .set(u"type", BackendWireOf(typed.wireCategory()).columnType.toString())
        .set(u"length", QString::number(typed.textLength()))
        .set(u"references", member.isReference() && !member.isKey() && HoldsReferencedKey(member)
                                ? '"' + InJavaString(SqlName(member.refClass())) + '"'
                                : QStringLiteral("null"));
    return FormatLf(u"new ColumnSpec(\"$column$\", ColumnType.$type$, $length$, $references$)",
                    vars);
}

}  // namespace

QString SqlName(const QString& name) {
    const QByteArray bytes = name.toUtf8();
    if (bytes.size() <= kMaxSqlNameBytes) {
        return name;
    }
    const QString hash = QString::fromLatin1(
        QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex().left(8));
    QString kept;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const qsizetype width = name[i].isHighSurrogate() && i + 1 < name.size() ? 2 : 1;
        const QString next = kept + name.mid(i, width);
        if (next.toUtf8().size() > kMaxSqlNameBytes - 1 - hash.size()) {
            break;
        }
        kept = next;
        i += width - 1;
    }
    return kept + QLatin1Char('_') + hash;
}

TGeneratedFile BackendSchemaFile(const TProjectModel& project) {
    TPrinter printer(u"\n");
    printer.print(
        u"package com.mobileclient.server;\n"
        "\n"
        "import java.util.List;\n"
        "\n"
        "/** The tables of the model's classes, which the schema manager makes and keeps. */\n"
        "public final class Schema {\n"
        "    private Schema() {\n"
        "    }\n"
        "\n"
        "    public static List<TableSpec> tables() {\n"
        "        return List.of(");
    for (const TClassModel& cls : project.classes) {
        QStringList columns;
        for (const TMemberInfo& member : cls.members) {
            columns.append(columnSpec(member));
        }
        TVars vars;
        vars.set(u"comma", &cls == &project.classes.front() ? QString() : QStringLiteral(","))
            .set(u"table", InJavaString(SqlName(cls.className)))
            .set(u"key", InJavaString(SqlName(cls.keyMember()->name())))
            .set(u"integerKey",
                 cls.hasIntegerKey() ? QStringLiteral("true") : QStringLiteral("false"))
            .set(u"columns", columns.join(QStringLiteral(",\n                        ")));
        printer.print(
            u"$comma$\n"
            "                new TableSpec(\"$table$\", \"$key$\", $integerKey$, List.of(\n"
            "                        $columns$))",
            vars);
    }
    printer.print(
        u");\n"
        "    }\n"
        "}\n");
    return BackendJavaFile(QStringLiteral("server"), QStringLiteral("Schema.java"), printer.text());
}

TGeneratedFile BackendWebXml(const TProjectModel& project) {
    TPrinter printer(u"\n");
    printer.print(
        u"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<web-app xmlns=\"https://jakarta.ee/xml/ns/jakartaee\"\n"
        "         xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\"\n"
        "         xsi:schemaLocation=\"https://jakarta.ee/xml/ns/jakartaee "
        "https://jakarta.ee/xml/ns/jakartaee/web-app_6_0.xsd\"\n"
        "         version=\"6.0\" metadata-complete=\"true\">\n"
        "    <display-name>JavaWebProject</display-name>\n"
        "\n"
        "    <listener>\n"
        "        <listener-class>com.mobileclient.server.StartupListener</listener-class>\n"
        "    </listener>\n"
        "\n"
        "    <filter>\n"
        "        <filter-name>RequestGuard</filter-name>\n"
        "        <filter-class>com.mobileclient.server.RequestGuard</filter-class>\n"
        "    </filter>\n"
        "    <filter-mapping>\n"
        "        <filter-name>RequestGuard</filter-name>\n"
        "        <url-pattern>/*</url-pattern>\n"
        "    </filter-mapping>\n");
    for (const TClassModel& cls : project.classes) {
        TVars vars;
        vars.set(u"Class", cls.className);
        printer.print(
            u"\n"
            "    <servlet>\n"
            "        <servlet-name>$Class$Servlet</servlet-name>\n"
            "        <servlet-class>com.mobileclient.servlet.$Class$Servlet</servlet-class>\n"
            "    </servlet>\n"
            "    <servlet-mapping>\n"
            "        <servlet-name>$Class$Servlet</servlet-name>\n"
            "        <url-pattern>/$Class$Servlet</url-pattern>\n"
            "    </servlet-mapping>\n",
            vars);
    }
    printer.print(
        u"\n"
        "    <servlet>\n"
        "        <servlet-name>upload</servlet-name>\n"
        "        <servlet-class>com.mobileclient.server.UploadServlet</servlet-class>\n"
        "    </servlet>\n"
        "    <servlet-mapping>\n"
        "        <servlet-name>upload</servlet-name>\n"
        "        <url-pattern>/upload</url-pattern>\n"
        "    </servlet-mapping>\n"
        "\n"
        "    <servlet>\n"
        "        <servlet-name>picture</servlet-name>\n"
        "        <servlet-class>com.mobileclient.server.PictureServlet</servlet-class>\n"
        "    </servlet>\n"
        "    <servlet-mapping>\n"
        "        <servlet-name>picture</servlet-name>\n"
        "        <url-pattern>/upload/*</url-pattern>\n"
        "    </servlet-mapping>\n"
        "\n"
        "    <servlet>\n"
        "        <servlet-name>fallback</servlet-name>\n"
        "        <servlet-class>com.mobileclient.server.FallbackServlet</servlet-class>\n"
        "    </servlet>\n"
        "    <servlet-mapping>\n"
        "        <servlet-name>fallback</servlet-name>\n"
        "        <url-pattern>/</url-pattern>\n"
        "    </servlet-mapping>\n"
        "</web-app>\n");
    return {QStringLiteral("src/main/webapp/WEB-INF"), QStringLiteral("web.xml"), printer.text(),
            FileEncoding::Utf8, QString()};
}

namespace {

// A Java parameter name from what a protocol value stands for: "the member's label" ->
// memberLabel (up to the first comma or parenthesis, four words at most, "the" and "'s" left
// out).
QString parameterName(const QString& meaning, QStringList& taken) {
    QString words = meaning.section(QLatin1Char(','), 0, 0).section(QLatin1Char('('), 0, 0);
    words.remove(QStringLiteral("'s"));
    QStringList parts;
    for (const QString& word : words.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (word != QLatin1String("the") && word != QLatin1String("a") && parts.size() < 4) {
            parts.append(parts.isEmpty() ? word.toLower() : AccessorStem(word.toLower()));
        }
    }
    QString name = parts.join(QString());
    name.remove(QRegularExpression(QStringLiteral("[^A-Za-z0-9]")));
    if (name.isEmpty() || taken.contains(name)) {
        name = QStringLiteral("value") + QString::number(taken.size() + 1);
    }
    taken.append(name);
    return name;
}

// "updateQuery" -> UPDATE_QUERY
QString constantName(const QString& camel) {
    QString name;
    for (const QChar c : camel) {
        if (c.isUpper() && !name.isEmpty()) {
            name += QLatin1Char('_');
        }
        name += c.toUpper();
    }
    return name;
}

// A text method of the protocol class: its Javadoc, its parameters and the format it fills.
void printTextMethod(TPrinter& printer, const QString& name, const QString& comment,
                     const QString& format, const QStringList& meanings) {
    QStringList taken;
    QStringList parameters;
    QStringList values;
    for (const QString& meaning : meanings) {
        const QString parameter = parameterName(meaning, taken);
        parameters.append(QStringLiteral("Object ") + parameter);
        values.append(parameter);
    }
    TVars vars;
    vars.set(u"name", name)
        .setJavaComment(u"comment", comment)
        .set(u"parameters", parameters.join(QStringLiteral(", ")))
        .setJavaString(u"format", format)
        .set(u"values", values.isEmpty() ? QString() : ", " + values.join(QStringLiteral(", ")));
    printer.print(
        u"\n"
        "    /** $comment$ */\n"
        "    public static String $name$($parameters$) {\n"
        "        return fill(\"$format$\"$values$);\n"
        "    }\n",
        vars);
}

}  // namespace

TGeneratedFile BackendProtocolFile() {
    TVars vars;
    QStringList posted;
    QString actions;
    for (const TActionSpec& action : ProtocolActions()) {
        const QString constant = constantName(action.name) + QStringLiteral("_ACTION");
        actions += FormatLf(u"    public static final String $constant$ = \"$name$\";\n",
                            TVars().set(u"constant", constant).setJavaString(u"name", action.name));
        if (action.posted) {
            posted.append(constant);
        }
    }
    vars.setJavaString(u"actionParameter", protocol::kActionParameter)
        .setJavaString(u"upload", protocol::kUpload)
        .setJavaString(u"uploadField", protocol::kUploadField)
        .setJavaString(u"picturePrefix", protocol::kPicturePrefix)
        .setJavaString(u"noImage", protocol::kNoImage)
        .set(u"maxForm", QString::number(protocol::kMaxFormBytes))
        .set(u"maxPicture", QString::number(protocol::kMaxPictureBytes))
        .set(u"maxUpload", QString::number(protocol::kMaxUploadBytes))
        .setJavaString(u"textType", QString::fromLatin1(protocol::kTextType))
        .setJavaString(u"jsonType", QString::fromLatin1(protocol::kJsonType))
        .setJavaString(u"xmlType", QString::fromLatin1(protocol::kXmlType))
        .set(u"actions", actions)
        .set(u"posted", posted.join(QStringLiteral(", ")))
        .setJavaString(u"integer", MemberTypeOf(MemberCategory::Integer).expected)
        .setJavaString(u"number", MemberTypeOf(MemberCategory::Float).expected)
        .setJavaString(u"date", MemberTypeOf(MemberCategory::Date).expected);
    TPrinter printer(u"\n");
    printer.print(
        u"package com.mobileclient.server;\n"
        "\n"
        "import java.util.List;\n"
        "\n"
        "/**\n"
        " * The protocol between the generated client and its servers: the addresses, the "
        "actions,\n"
        " * the limits and every text a server answers, as the client shows it.\n"
        " */\n"
        "public final class Protocol {\n"
        "    public static final String ACTION_PARAMETER = \"$actionParameter$\";\n"
        "    public static final String UPLOAD = \"$upload$\";\n"
        "    public static final String UPLOAD_FIELD = \"$uploadField$\";\n"
        "    public static final String PICTURE_PREFIX = \"$picturePrefix$\";\n"
        "    public static final String NO_IMAGE = \"$noImage$\";\n"
        "\n"
        "    public static final long MAX_FORM_BYTES = $maxForm$;\n"
        "    public static final long MAX_PICTURE_BYTES = $maxPicture$;\n"
        "    /** The picture and the multipart framing around it. */\n"
        "    public static final long MAX_UPLOAD_BYTES = $maxUpload$;\n"
        "\n"
        "    public static final String TEXT_TYPE = \"$textType$\";\n"
        "    public static final String JSON_TYPE = \"$jsonType$\";\n"
        "    public static final String XML_TYPE = \"$xmlType$\";\n"
        "\n"
        "$actions$"
        "    /** The actions sent as a POSTed form; the others are GET requests. */\n"
        "    public static final List<String> POSTED_ACTIONS =\n"
        "            List.of($posted$);\n"
        "\n"
        "    /** What a parameter should have been, as wrongValue names it. */\n"
        "    public static final String EXPECTED_INTEGER = \"$integer$\";\n"
        "    public static final String EXPECTED_NUMBER = \"$number$\";\n"
        "    public static final String EXPECTED_DATE = \"$date$\";\n"
        "\n"
        "    private Protocol() {\n"
        "    }\n",
        vars);
    for (const TActionSpec& action : ProtocolActions()) {
        if (action.answer == TAnswerForm::Text) {
            printTextMethod(printer, action.name + QStringLiteral("Text"),
                            QStringLiteral("Status 200 for ") + action.name + QLatin1Char('.'),
                            action.successText, {QStringLiteral("the class's friendly name")});
        }
    }
    for (const TRefusalSpec& refusal : ProtocolRefusals()) {
        const QString comment =
            QStringLiteral("Status ") + QString::number(refusal.status) +
            (refusal.values.isEmpty() ? QStringLiteral(".")
                                      : QStringLiteral("; the text names ") +
                                            refusal.values.join(QStringLiteral(", ")) + '.');
        printTextMethod(printer, refusal.name, comment, refusal.format, refusal.values);
    }
    printer.print(
        u"\n"
        "    /** The format with %1 ... %9 replaced by the values, in one pass. */\n"
        "    private static String fill(String format, Object... values) {\n"
        "        StringBuilder text = new StringBuilder(format.length() + 32);\n"
        "        for (int i = 0; i < format.length(); i++) {\n"
        "            char c = format.charAt(i);\n"
        "            int index = i + 1 < format.length() ? format.charAt(i + 1) - '1' : -1;\n"
        "            if (c == '%' && index >= 0 && index < values.length) {\n"
        "                text.append(values[index]);\n"
        "                i++;\n"
        "            } else {\n"
        "                text.append(c);\n"
        "            }\n"
        "        }\n"
        "        return text.toString();\n"
        "    }\n"
        "}\n");
    return BackendJavaFile(QStringLiteral("server"), QStringLiteral("Protocol.java"),
                           printer.text());
}

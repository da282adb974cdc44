#include <QCryptographicHash>

#include "generation/Printer.h"
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
    const bool text = typed.wireCategory() == MemberCategory::String;
    const int length = typed.category == MemberCategory::String ? typed.member.memberLength : 0;
    TVars vars;
    vars.set(u"column", InJavaString(SqlName(member.name())))
        .set(u"type", BackendWireOf(typed.wireCategory()).columnType.toString())
        .set(u"length", QString::number(text ? std::max(length, 0) : 0))
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

#include "generators/MobileClientService.h"
#include "generation/TextForms.h"

#include "generation/CodeText.h"

namespace {

void appendHead(TCodeText& code, const TClassModel& cls) {
    code.line("package com.mobileclient.service;").line();
    code.lines({"import java.io.InputStreamReader;", "import java.net.URL;",
                "import java.net.URLEncoder;", "import java.sql.Timestamp;",
                "import java.text.SimpleDateFormat;", "import java.util.ArrayList;",
                "import java.util.HashMap;", "import java.util.List;"});
    code.line();
    code.lines(
        {"import javax.xml.parsers.SAXParser;", "import javax.xml.parsers.SAXParserFactory;"});
    code.line();
    code.lines({"import org.json.JSONArray;", "import org.json.JSONObject;",
                "import org.xml.sax.InputSource;", "import org.xml.sax.XMLReader;"});
    code.line();
    code.lines({"import com.mobileclient.domain." + cls.className + ";",
                "import com.mobileclient.handler." + cls.className + "ListHandler;",
                "import com.mobileclient.util.HttpUtil;"});
    code.line();
    code.line("/*" + InJavaComment(cls.friendName) + "管理业务逻辑层*/");
    code.line("public class " + cls.className + "Service {");
}

// How a member's getter value becomes the text of its form parameter.
QString parameterEnding(const TMemberInfo& member) {
    switch (member.wireCategory()) {
        case MemberCategory::Date:
            return QStringLiteral("().toString());");
        case MemberCategory::Integer:
        case MemberCategory::Float:
            return QStringLiteral("() + \"\");");
        default:
            return QStringLiteral("());");
    }
}

// How get reads a member's property from the JSON object.
QString jsonReading(const TMemberInfo& member) {
    const QString property = "(\"" + member.name() + "\")";
    switch (member.wireCategory()) {
        case MemberCategory::Date:
            return "(Timestamp.valueOf(object.getString" + property + "));";
        case MemberCategory::Integer:
            return "(object.getInt" + property + ");";
        case MemberCategory::Float:
            return "((float) object.getDouble" + property + ");";
        default:
            return "(object.getString" + property + ");";
    }
}

void appendNewParams(TCodeText& code) {
    code.line("\t\tHashMap<String, String> params = new HashMap<String, String>();");
}

void appendAction(TCodeText& code, const QString& action) {
    code.line("\t\tparams.put(\"action\", \"" + action + "\");");
}

// The key as a method parameter ("int id" or "String id") and as a form parameter.
QString keyParameter(const TClassModel& cls) {
    return (cls.hasIntegerKey() ? "int " : "String ") + cls.keyMember()->variable;
}

void appendKeyParam(TCodeText& code, const TClassModel& cls) {
    const TMemberInfo& key = *cls.keyMember();
    code.line("\t\tparams.put(\"" + key.name() + "\", " + key.variable +
              (cls.hasIntegerKey() ? " + \"\");" : ");"));
}

// Posts the form and decodes the answer into `result`, inside an open try block.
void appendPost(TCodeText& code, const TClassModel& cls) {
    code.lines({"\t\tbyte[] resultByte;", "\t\ttry {",
                "\t\t\tresultByte = HttpUtil.SendPostRequest(HttpUtil.BASE_URL + \"" +
                    cls.className + "Servlet?\", params, \"UTF-8\");",
                "\t\t\tString result = new String(resultByte, \"UTF-8\");"});
}

// Posts the form and answers the server's text, or `failureValue` (a Java expression).
void appendPostReturningText(TCodeText& code, const TClassModel& cls, const QString& failureValue) {
    appendPost(code, cls);
    code.lines({"\t\t\treturn result;", "\t\t} catch (Exception e) {", "\t\t\te.printStackTrace();",
                "\t\t\treturn " + failureValue + ";", "\t\t}", "\t}"});
}

// Add and update: every member as a form parameter.
void appendSave(TCodeText& code, const TClassModel& cls, const QString& verb, const QString& method,
                const QString& action) {
    const QString object = cls.objectName();
    code.line("\t/* " + verb + InJavaComment(cls.friendName) + " */");
    code.line("\tpublic String " + method + cls.className + "(" + cls.className + " " + object +
              ") {");
    appendNewParams(code);
    for (const TMemberInfo& member : cls.members) {
        code.line("\t\tparams.put(\"" + member.name() + "\", " + object + ".get" + member.stem() +
                  parameterEnding(member));
    }
    appendAction(code, action);
    appendPostReturningText(code, cls, QStringLiteral("\"\""));
}

void appendQueryCondition(TCodeText& code, const QString& condition, const TMemberInfo& member) {
    const QString getter = condition + ".get" + member.stem() + "()";
    const QString append = "urlString += \"&" + member.name() + "=\" + ";
    switch (member.wireCategory()) {
        case MemberCategory::Date:
            code.lines(
                {"\t\t\tif(" + getter + " != null) {",
                 "\t\t\t\t" + append + "URLEncoder.encode(" + getter + ".toString(), \"UTF-8\");",
                 "\t\t\t}"});
            break;
        case MemberCategory::Integer:
        case MemberCategory::Float:
            code.line("\t\t\t" + append + getter + ";");
            break;
        default:
            code.line("\t\t\t" + append + "URLEncoder.encode(" + getter + ", \"UTF-8\") + \"\";");
            break;
    }
}

void appendQuery(TCodeText& code, const TClassModel& cls) {
    const QString& name = cls.className;
    const QString object = cls.objectName();
    const QString condition = "queryCondition" + name;
    const QString handler = object + "ListHander";
    code.line("\t/* 查询" + InJavaComment(cls.friendName) + " */");
    code.line("\tpublic List<" + name + "> Query" + name + "(" + name + " " + condition +
              ") throws Exception {");
    code.line("\t\tString urlString = HttpUtil.BASE_URL + \"" + name + "Servlet?action=query\";");
    code.line("\t\tif(" + condition + " != null) {");
    for (const TMemberInfo* member : cls.queryMembers()) {
        appendQueryCondition(code, condition, *member);
    }
    code.line("\t\t}");
    code.lines({"\t\tURL url = new URL(urlString);",
                "\t\tSAXParserFactory spf = SAXParserFactory.newInstance();",
                "\t\tSAXParser sp = spf.newSAXParser();", "\t\tXMLReader xr = sp.getXMLReader();"});
    code.line();
    code.lines(
        {"\t\t" + name + "ListHandler " + handler + " = new " + name + "ListHandler();",
         "\t\txr.setContentHandler(" + handler + ");",
         "\t\tInputStreamReader isr = new InputStreamReader(url.openStream(), \"UTF-8\");",
         "\t\tInputSource is = new InputSource(isr);", "\t\txr.parse(is);",
         "\t\tList<" + name + "> " + object + "List = " + handler + ".get" + name + "List();",
         "\t\treturn " + object + "List;", "\t}"});
}

void appendDelete(TCodeText& code, const TClassModel& cls) {
    code.line("\t/* 删除" + InJavaComment(cls.friendName) + " */");
    code.line("\tpublic String Delete" + cls.className + "(" + keyParameter(cls) + ") {");
    appendNewParams(code);
    appendKeyParam(code, cls);
    appendAction(code, QStringLiteral("delete"));
    appendPostReturningText(code, cls, "\"" + InJavaString(cls.friendName) + "信息删除失败!\"");
}

void appendGet(TCodeText& code, const TClassModel& cls) {
    const QString& name = cls.className;
    const QString object = cls.objectName();
    code.line("\t/* 根据" + InJavaComment(cls.keyMember()->comment()) + "获取" +
              InJavaComment(cls.friendName) + "对象 */");
    code.line("\tpublic " + name + " Get" + name + "(" + keyParameter(cls) + ")  {");
    code.line("\t\tList<" + name + "> " + object + "List = new ArrayList<" + name + ">();");
    appendNewParams(code);
    appendKeyParam(code, cls);
    appendAction(code, QStringLiteral("updateQuery"));
    appendPost(code, cls);
    code.lines({"\t\t\tJSONArray array = new JSONArray(result);",
                "\t\t\tint length = array.length();", "\t\t\tfor (int i = 0; i < length; i++) {",
                "\t\t\t\tJSONObject object = array.getJSONObject(i);",
                "\t\t\t\t" + name + " " + object + " = new " + name + "();"});
    for (const TMemberInfo& member : cls.members) {
        code.line("\t\t\t\t" + object + ".set" + member.stem() + jsonReading(member));
    }
    code.lines({"\t\t\t\t" + object + "List.add(" + object + ");", "\t\t\t}",
                "\t\t} catch (Exception e) {", "\t\t\te.printStackTrace();", "\t\t}",
                "\t\tint size = " + object + "List.size();",
                "\t\tif(size>0) return " + object + "List.get(0); ", "\t\telse return null; ",
                "\t}"});
}

}  // namespace

TGeneratedFiles TMobileClientService::Generate(const TProjectModel&, const TClassModel& cls) {
    TCodeText code;
    appendHead(code, cls);
    appendSave(code, cls, QStringLiteral("添加"), QStringLiteral("Add"), QStringLiteral("add"));
    appendQuery(code, cls);
    appendSave(code, cls, QStringLiteral("更新"), QStringLiteral("Update"),
               QStringLiteral("update"));
    appendDelete(code, cls);
    appendGet(code, cls);
    code.line("}");
    return {TGeneratedFile::Java("service", cls.className + "Service.java", code.text())};
}

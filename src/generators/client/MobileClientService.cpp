#include "generators/client/MobileClientService.h"

#include "generation/Protocol.h"
#include "generators/client/ClientFile.h"
#include "generators/client/MemberTemplates.h"

namespace {

constexpr char16_t kHead[] =
    u"package com.mobileclient.service;\n"
    "\n"
    "import java.io.InputStreamReader;\n"
    "import java.net.URL;\n"
    "import java.net.URLEncoder;\n"
    "import java.sql.Timestamp;\n"
    "import java.text.SimpleDateFormat;\n"
    "import java.util.ArrayList;\n"
    "import java.util.HashMap;\n"
    "import java.util.List;\n"
    "\n"
    "import javax.xml.parsers.SAXParser;\n"
    "import javax.xml.parsers.SAXParserFactory;\n"
    "\n"
    "import org.json.JSONArray;\n"
    "import org.json.JSONObject;\n"
    "import org.xml.sax.InputSource;\n"
    "import org.xml.sax.XMLReader;\n"
    "\n"
    "import com.mobileclient.domain.$Class$;\n"
    "import com.mobileclient.handler.$Class$ListHandler;\n"
    "import com.mobileclient.util.HttpUtil;\n"
    "\n"
    "/*$friend$管理业务逻辑层*/\n"
    "public class $Class$Service {\n";

constexpr char16_t kNewParams[] =
    u"\t\tHashMap<String, String> params = new HashMap<String, String>();\n";
constexpr char16_t kKeyParams[] =
    u"\t\tparams.put(\"$keyName$\", $keyValue$);\n"
    "\t\tparams.put(\"$actionParameter$\", \"$action$\");\n";
// Posts the form and decodes the answer into `result`, inside an open try block.
constexpr char16_t kPost[] =
    u"\t\tbyte[] resultByte;\n"
    "\t\ttry {\n"
    "\t\t\tresultByte = HttpUtil.SendPostRequest(HttpUtil.BASE_URL + \"$servlet$?\", params, "
    "\"UTF-8\");\n"
    "\t\t\tString result = new String(resultByte, \"UTF-8\");\n";
// Answers the server's text; on a failure does $onFailure$ (a Java statement without its ";").
constexpr char16_t kReturnText[] =
    u"\t\t\treturn result;\n"
    "\t\t} catch (Exception e) {\n"
    "\t\t\te.printStackTrace();\n"
    "\t\t\t$onFailure$;\n"
    "\t\t}\n"
    "\t}\n";

// Add and update: every member as a form parameter. A refusal or a failure throws, so that the
// screen knows the object was not saved and can say why.
void printSave(TPrinter& printer, const TClassCode& code, const TVars& classVars, QStringView verb,
               QStringView method, QStringView action) {
    TVars save(&classVars);
    save.setTemplates(
        {{u"verb", verb}, {u"method", method}, {u"action", action}, {u"onFailure", u"throw e"}});
    printer
        .print(
            u"\t/* $verb$$friend$ */\n"
            "\tpublic String $method$$Class$($Class$ $cls$) throws Exception {\n",
            save)
        .print(kNewParams);
    for (const TMemberInfo& member : code.cls.members) {
        printer.print(WireTemplatesOf(member.wireCategory()).formParameter,
                      TVars(&save, &code.member(member)));
    }
    printer.print(u"\t\tparams.put(\"$actionParameter$\", \"$action$\");\n", save)
        .print(kPost, save)
        .print(kReturnText, save);
}

void printQuery(TPrinter& printer, const TClassCode& code, const TVars& classVars) {
    printer.print(
        u"\t/* 查询$friend$ */\n"
        "\tpublic List<$Class$> Query$Class$($Class$ queryCondition$Class$) throws "
        "Exception {\n"
        "\t\tString urlString = HttpUtil.BASE_URL + "
        "\"$servlet$?$actionParameter$=$queryAction$\";\n"
        "\t\tif(queryCondition$Class$ != null) {\n",
        classVars);
    for (const TMemberInfo* member : code.cls.queryMembers()) {
        printer.print(WireTemplatesOf(member->wireCategory()).queryParameter,
                      TVars(&classVars, &code.member(*member)));
    }
    printer.print(
        u"\t\t}\n"
        "\t\tURL url = new URL(urlString);\n"
        "\t\tSAXParserFactory spf = SAXParserFactory.newInstance();\n"
        "\t\tSAXParser sp = spf.newSAXParser();\n"
        "\t\tXMLReader xr = sp.getXMLReader();\n"
        "\n"
        "\t\t$Class$ListHandler $cls$ListHander = new $Class$ListHandler();\n"
        "\t\txr.setContentHandler($cls$ListHander);\n"
        "\t\tInputStreamReader isr = new InputStreamReader(HttpUtil.openStream(url), \"UTF-8\");\n"
        "\t\tInputSource is = new InputSource(isr);\n"
        "\t\txr.parse(is);\n"
        "\t\tList<$Class$> $cls$List = $cls$ListHander.get$Class$List();\n"
        "\t\treturn $cls$List;\n"
        "\t}\n",
        classVars);
}

void printDelete(TPrinter& printer, const TVars& keyed) {
    TVars vars(&keyed);
    vars.set(u"action", ActionSpec(TAction::Delete).name)
        .set(u"onFailure",
             Format(u"return \"$friendText$信息删除失败! \" + HttpUtil.errorText(e)", keyed));
    printer
        .print(
            u"\t/* 删除$friend$ */\n"
            "\tpublic String Delete$Class$($KeyType$ $key$) {\n",
            vars)
        .print(kNewParams)
        .print(kKeyParams, vars)
        .print(kPost, vars)
        .print(kReturnText, vars);
}

void printGet(TPrinter& printer, const TClassCode& code, const TVars& keyed) {
    TVars vars(&keyed);
    vars.set(u"action", ActionSpec(TAction::UpdateQuery).name);
    printer
        .print(
            u"\t/* 根据$keyComment$获取$friend$对象 */\n"
            "\tpublic $Class$ Get$Class$($KeyType$ $key$) throws Exception {\n"
            "\t\tList<$Class$> $cls$List = new ArrayList<$Class$>();\n",
            vars)
        .print(kNewParams)
        .print(kKeyParams, vars)
        .print(kPost, vars)
        .print(
            u"\t\t\tJSONArray array = new JSONArray(result);\n"
            "\t\t\tint length = array.length();\n"
            "\t\t\tfor (int i = 0; i < length; i++) {\n"
            "\t\t\t\tJSONObject object = array.getJSONObject(i);\n"
            "\t\t\t\t$Class$ $cls$ = new $Class$();\n",
            vars);
    for (const TMemberInfo& member : code.cls.members) {
        printer.print(WireTemplatesOf(member.wireCategory()).jsonReading,
                      TVars(&vars, &code.member(member)));
    }
    printer.print(
        u"\t\t\t\t$cls$List.add($cls$);\n"
        "\t\t\t}\n"
        "\t\t} catch (Exception e) {\n"
        "\t\t\te.printStackTrace();\n"
        "\t\t\tthrow e;\n"
        "\t\t}\n"
        "\t\tint size = $cls$List.size();\n"
        "\t\tif(size>0) return $cls$List.get(0); \n"
        "\t\telse return null; \n"
        "\t}\n",
        vars);
}

}  // namespace

TGeneratedFiles TMobileClientService::Generate(const TClassCode& code) {
    // The servlet's address and the names of its actions, as the protocol gives them.
    TVars classVars(&code.vars());
    classVars.set(u"servlet", code.cls.className + protocol::kServletSuffix)
        .set(u"actionParameter", protocol::kActionParameter)
        .set(u"queryAction", ActionSpec(TAction::Query).name);
    // The key as a form parameter.
    TVars keyed(&classVars);
    keyed.set(u"keyValue",
              Format(code.cls.hasIntegerKey() ? u"$key$ + \"\"" : u"$key$", classVars));
    TPrinter printer;
    printer.print(kHead, classVars);
    printSave(printer, code, classVars, u"添加", u"Add", ActionSpec(TAction::Add).name);
    printQuery(printer, code, classVars);
    printSave(printer, code, classVars, u"更新", u"Update", ActionSpec(TAction::Update).name);
    printDelete(printer, keyed);
    printGet(printer, code, keyed);
    printer.print(u"}\n");
    return {ClientJavaFile("service", Format(u"$Class$Service.java", classVars), printer.text())};
}

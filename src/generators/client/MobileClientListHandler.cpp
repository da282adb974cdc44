#include "generators/client/MobileClientListHandler.h"

#include "generators/client/ClientFile.h"
#include "generators/client/MemberTemplates.h"

namespace {

constexpr char16_t kHead[] =
    u"package com.mobileclient.handler;\n"
    "import java.sql.Timestamp;\n"
    "import java.util.ArrayList;\n"
    "import java.util.List;\n"
    "\n"
    "import org.xml.sax.Attributes;\n"
    "import org.xml.sax.SAXException;\n"
    "import org.xml.sax.helpers.DefaultHandler;\n"
    "\n"
    "import com.mobileclient.domain.$Class$;\n"
    "public class $Class$ListHandler extends DefaultHandler {\n"
    "\tprivate List<$Class$> $cls$List = null;\n"
    "\tprivate $Class$ $cls$;\n"
    "\tprivate String tempString;\n"
    "\tprivate StringBuilder valueBuffer = new StringBuilder();\n"
    // A SAX parser may report an element's text in several pieces (around every entity
    // reference, and anywhere else it likes), so the pieces are gathered and the member is set
    // once the element ends.
    "\t@Override\n"
    "\tpublic void characters(char[] ch, int start, int length) throws SAXException {\n"
    "\t\tsuper.characters(ch, start, length);\n"
    "\t\tif ($cls$ != null) { \n"
    "            valueBuffer.append(ch, start, length); \n"
    "        } \n"
    "\t}\n"
    "\n"
    "\t@Override\n"
    "\tpublic void endElement(String uri, String localName, String qName) throws SAXException {\n"
    "\t\tsuper.endElement(uri, localName, qName);\n"
    // An empty element gives a text member the empty text; other members keep their value, as
    // an empty text converts to no number or date.
    "\t\tif ($cls$ != null) { \n"
    "            String valueString = valueBuffer.toString(); \n";
constexpr char16_t kTail[] =
    u"        } \n"
    "\t\tif(\"$Class$\".equals(localName)&&$cls$!=null){\n"
    "\t\t\t$cls$List.add($cls$);\n"
    "\t\t\t$cls$ = null; \n"
    "\t\t}\n"
    "\t\ttempString = null;\n"
    "\t}\n"
    "\n"
    "\t@Override\n"
    "\tpublic void startDocument() throws SAXException {\n"
    "\t\tsuper.startDocument();\n"
    "\t\t$cls$List = new ArrayList<$Class$>();\n"
    "\t}\n"
    "\n"
    "\t@Override\n"
    "\tpublic void startElement(String uri, String localName, String qName,Attributes "
    "attributes) throws SAXException {\n"
    "\t\tsuper.startElement(uri, localName, qName, attributes);\n"
    "        if (\"$Class$\".equals(localName)) {\n"
    "            $cls$ = new $Class$(); \n"
    "        }\n"
    "        tempString = localName; \n"
    "        valueBuffer.setLength(0);\n"
    "\t}\n"
    "\n"
    "\tpublic List<$Class$> get$Class$List() {\n"
    "\t\treturn this.$cls$List;\n"
    "\t}\n"
    "}\n";

}  // namespace

TGeneratedFiles TMobileClientListHandler::Generate(const TClassCode& code) {
    const TVars& classVars = code.vars();
    TPrinter printer;
    printer.print(kHead, classVars);
    for (const TMemberInfo& member : code.cls.members) {
        TVars vars(&classVars, &code.member(member));
        vars.setTemplate(u"if", &member == &code.cls.members.first() ? u"if" : u"else if");
        vars.setTemplate(u"hasValue", member.wireCategory() == MemberCategory::String
                                          ? u""
                                          : u" && valueString.length() > 0");
        printer.print(u"            $if$ (\"$name$\".equals(tempString)$hasValue$) \n", vars)
            .print(WireTemplatesOf(member.wireCategory()).xmlReading, vars);
    }
    printer.print(kTail, classVars);
    return {
        ClientJavaFile("handler", Format(u"$Class$ListHandler.java", classVars), printer.text())};
}

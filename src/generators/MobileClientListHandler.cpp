#include "generators/MobileClientListHandler.h"

#include "generation/CodeText.h"

namespace {

const QString kIndent = QStringLiteral("            ");  // twelve blanks

// How the element's text (valueString) becomes the setter's argument.
QString conversion(const TMemberInfo& member) {
    switch (member.wireCategory()) {
        case MemberCategory::Date:
            return QStringLiteral("(Timestamp.valueOf(valueString));");
        case MemberCategory::Float:
            return QStringLiteral("(new Float(valueString).floatValue());");
        case MemberCategory::Integer:
            return QStringLiteral("(new Integer(valueString).intValue());");
        default:
            return QStringLiteral("(valueString); ");
    }
}

void appendHead(TCodeText& code, const TClassModel& cls) {
    code.line("package com.mobileclient.handler;");
    code.lines(
        {"import java.sql.Timestamp;", "import java.util.ArrayList;", "import java.util.List;"});
    code.line();
    code.lines({"import org.xml.sax.Attributes;", "import org.xml.sax.SAXException;",
                "import org.xml.sax.helpers.DefaultHandler;"});
    code.line();
    code.line("import com.mobileclient.domain." + cls.className + ";");
    code.line("public class " + cls.className + "ListHandler extends DefaultHandler {");
    code.lines({"\tprivate List<" + cls.className + "> " + cls.objectName() + "List = null;",
                "\tprivate " + cls.className + " " + cls.objectName() + ";",
                "\tprivate String tempString;",
                "\tprivate StringBuilder valueBuffer = new StringBuilder();"});
}

// A SAX parser may report an element's text in several pieces (around every entity reference,
// and anywhere else it likes), so the pieces are gathered and the member is set once the
// element ends.
void appendCharacters(TCodeText& code, const TClassModel& cls) {
    code.lines({"\t@Override",
                "\tpublic void characters(char[] ch, int start, int length) throws SAXException {",
                "\t\tsuper.characters(ch, start, length);",
                "\t\tif (" + cls.objectName() + " != null) { ",
                kIndent + "valueBuffer.append(ch, start, length); ", "        } ", "\t}"});
    code.line();
}

void appendEndElement(TCodeText& code, const TClassModel& cls) {
    const QString object = cls.objectName();
    code.lines({"\t@Override",
                "\tpublic void endElement(String uri, String localName, String qName) throws "
                "SAXException {",
                "\t\tsuper.endElement(uri, localName, qName);",
                "\t\tif (" + object + " != null && valueBuffer.length() > 0) { ",
                kIndent + "String valueString = valueBuffer.toString(); "});
    QString test = QStringLiteral("if");
    for (const TMemberInfo& member : cls.members) {
        code.line(kIndent + test + " (\"" + member.name() + "\".equals(tempString)) ");
        code.line(kIndent + "\t" + object + ".set" + member.stem() + conversion(member));
        test = QStringLiteral("else if");
    }
    code.lines({"        } ",
                "\t\tif(\"" + cls.className + "\".equals(localName)&&" + object + "!=null){",
                "\t\t\t" + object + "List.add(" + object + ");", "\t\t\t" + object + " = null; ",
                "\t\t}", "\t\ttempString = null;", "\t}"});
    code.line();
}

void appendStartCallbacks(TCodeText& code, const TClassModel& cls) {
    const QString& name = cls.className;
    const QString object = cls.objectName();
    code.lines({"\t@Override", "\tpublic void startDocument() throws SAXException {",
                "\t\tsuper.startDocument();",
                "\t\t" + object + "List = new ArrayList<" + name + ">();", "\t}"});
    code.line();
    code.lines({"\t@Override",
                "\tpublic void startElement(String uri, String localName, String "
                "qName,Attributes attributes) throws SAXException {",
                "\t\tsuper.startElement(uri, localName, qName, attributes);",
                "        if (\"" + name + "\".equals(localName)) {",
                kIndent + object + " = new " + name + "(); ", "        }",
                "        tempString = localName; ", "        valueBuffer.setLength(0);", "\t}"});
    code.line();
    code.lines({"\tpublic List<" + name + "> get" + name + "List() {",
                "\t\treturn this." + object + "List;", "\t}"});
}

}  // namespace

TGeneratedFiles TMobileClientListHandler::Generate(const TProjectModel&, const TClassModel& cls) {
    TCodeText code;
    appendHead(code, cls);
    appendCharacters(code, cls);
    appendEndElement(code, cls);
    appendStartCallbacks(code, cls);
    code.line("}");
    return {TGeneratedFile::Java("handler", cls.className + "ListHandler.java", code.text())};
}

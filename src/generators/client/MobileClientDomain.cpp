#include "generators/client/MobileClientDomain.h"

#include "generators/client/ClientFile.h"
#include "generators/client/MemberTemplates.h"

TGeneratedFiles TMobileClientDomain::Generate(const TClassCode& code) {
    const TVars& classVars = code.vars();
    TPrinter printer;
    printer.print(
        u"package com.mobileclient.domain;\n"
        "\n"
        "import java.io.Serializable;\n"
        "\n"
        "public class $Class$ implements Serializable {\n",
        classVars);
    for (const TMemberInfo& member : code.cls.members) {
        TVars vars(&classVars, &code.member(member));
        vars.set(u"type", member.javaType());
        printer.print(
            u"    /*$comment$*/\n"
            "    private $type$ $name$;\n"
            "    public $type$ get$Name$() {\n"
            "        return $name$;\n"
            "    }\n"
            "    public void set$Name$($type$ $name$) {\n"
            "        this.$name$ = $name$;\n"
            "    }\n"
            "\n",
            vars);
    }
    printer.print(u"}");
    return {ClientJavaFile("domain", Format(u"$Class$.java", classVars), printer.text())};
}

#include "generators/MobileClientDomain.h"
#include "generation/TextForms.h"

#include "generation/CodeText.h"

TGeneratedFiles TMobileClientDomain::Generate(const TProjectModel&, const TClassModel& cls) {
    TCodeText code;
    code.line("package com.mobileclient.domain;").line();
    code.line("import java.io.Serializable;").line();
    code.line("public class " + cls.className + " implements Serializable {");
    for (const TMemberInfo& m : cls.members) {
        const QString type = m.javaType();
        code.lines({
            "    /*" + InJavaComment(m.comment()) + "*/",
            "    private " + type + " " + m.name() + ";",
            "    public " + type + " get" + m.stem() + "() {",
            "        return " + m.name() + ";",
            "    }",
            "    public void set" + m.stem() + "(" + type + " " + m.name() + ") {",
            "        this." + m.name() + " = " + m.name() + ";",
            "    }",
        });
        code.line();
    }
    code.raw("}");
    return {TGeneratedFile::Java("domain", cls.className + ".java", code.text())};
}

#include "generation/CodeText.h"
#include "generation/TextForms.h"
#include "generators/ScreenBuilders.h"
#include "generators/ScreenPieces.h"

namespace {

// The form's Android imports with the key's TextView among the widgets.
QStringList androidImports() {
    QStringList imports = kFormAndroidImports;
    imports.insert(imports.indexOf("android.widget.EditText") + 1, "android.widget.TextView");
    return imports;
}

void addImports(TCodeText& code, const TClassModel& cls) {
    code.line("package com.mobileclient.activity;").line();
    AddImports(code, kFormFileImports);
    code.line();
    AddImports(code, kFormTimeImports);
    code.line();
    AddImports(code, QStringList{"com.mobileclient.util.HttpUtil"} +
                         ImageServiceImport(cls, ServiceImports::WithReferences));
    AddOwnImports(code, cls);
    AddReferenceImports(code, cls);
    AddImports(code, androidImports());
    code.line();
}

void addFields(TCodeText& code, const TClassModel& cls) {
    const TMemberInfo& key = *cls.keyMember();
    code.lines({
        "\t// 声明确定添加按钮",
        "\tprivate Button btnUpdate;",
        "\t// 声明" + InJavaComment(key.comment()) + "TextView",
        "\tprivate TextView TV_" + key.name() + ";",
    });
    AddFormMemberFields(code, cls);
    AddFormObjectFields(code, cls);
    code.line(KeyFieldLine(cls));
}

void addOnCreate(TCodeText& code, const TClassModel& cls, const QString& activity) {
    AddOnCreateStart(code, cls, "修改" + InJavaString(cls.friendName), "edit", " ");
    const QString& key = cls.keyMember()->name();
    code.line("\t\tTV_" + key + " = (TextView) findViewById(R.id.TV_" + key + ");");
    AddFormWidgetSetUp(code, cls, activity);
    // The object is loaded once every drop-down is filled, so its references can be selected.
    code.lines({
        "\t\tbtnUpdate = (Button) findViewById(R.id.BtnUpdate);",
        "\t\tBundle extras = this.getIntent().getExtras();",
        KeyFromExtrasLine(cls),
        "\t\tinitViewData();",
    });
    AddSaveHandlerStart(code, cls, "btnUpdate", "修改");
    AddFormSaveSteps(code, cls, activity, PhotoSave::UploadIfReplaced);
    AddSendAndReturn(code, cls, activity, "更新", "Update");
}

void addDatePreFill(TCodeText& code, const TClassModel& cls, const TMemberInfo& member) {
    const QString& name = member.variable;
    code.lines({
        "\t\tDate " + name + " = new Date(" + cls.objectName() + ".get" + member.stem() +
            "().getTime());",
        "\t\tthis.dp_" + member.name() + ".init(" + name + ".getYear() + 1900," + name +
            ".getMonth(), " + name + ".getDate(), null);",
    });
}

// Selects the drop-down entry whose key equals the stored reference.
void addReferencePreFill(TCodeText& code, const TClassModel& cls, const TMemberInfo& member) {
    const QString stored = cls.objectName() + ".get" + member.stem() + "()";
    const QString list = FormReferenceStem(cls, member) + "List";
    const QString entryKey = member.refKeyValue(list + ".get(i)");
    code.lines({
        "\t\tfor (int i = 0; i < " + list + ".size(); i++) {",
        member.referenceKeyIsInteger()
            ? QString("\t\t\tif (" + stored + " == " + entryKey + ") {")
            : QString("\t\t\tif (" + stored + ".equals(" + entryKey + ")) {"),
        "\t\t\t\tthis.spinner_" + member.name() + ".setSelection(i);",
        "\t\t\t\tbreak;",
        "\t\t\t}",
        "\t\t}",
    });
}

void addMemberPreFill(TCodeText& code, const TClassModel& cls, const TMemberInfo& member) {
    const QString setText = "\t\tthis.ET_" + member.name() + ".setText(" + cls.objectName() +
                            ".get" + member.stem() + "()";
    switch (member.category) {
        case MemberCategory::String:
            code.line(setText + ");");
            break;
        case MemberCategory::Integer:
        case MemberCategory::Float:
            code.line(setText + " + \"\");");
            break;
        case MemberCategory::Date:
            addDatePreFill(code, cls, member);
            break;
        case MemberCategory::Image:
            AddStoredPhotoBlock(code, cls, member, " ");
            break;
        case MemberCategory::Reference:
            addReferencePreFill(code, cls, member);
            break;
    }
}

void addInitViewData(TCodeText& code, const TClassModel& cls) {
    const TMemberInfo& key = *cls.keyMember();
    const QString object = cls.objectName();
    code.lines({
        "\t/* 初始化显示编辑界面的数据 */",
        "\tprivate void initViewData() {",
        "\t    " + object + " = " + object + "Service.Get" + cls.className + "(" + key.variable +
            ");",
        "\t\tthis.TV_" + key.name() + ".setText(" + KeyAsText(cls) + ");",
    });
    for (const TMemberInfo* member : cls.nonKeyMembers()) {
        addMemberPreFill(code, cls, *member);
    }
    code.line("\t}");
}

}  // namespace

TGeneratedFile BuildEditScreen(const TProjectModel&, const TClassModel& cls) {
    const QString activity = cls.className + "EditActivity";
    TCodeText code;
    addImports(code, cls);
    code.line(ActivityClassHead(activity));
    addFields(code, cls);
    addOnCreate(code, cls, activity);
    addInitViewData(code, cls);
    AddPhotoResults(code, cls);
    return ActivityFile(activity, code);
}

#include "generation/CodeText.h"
#include "generation/TextForms.h"
#include "generators/ScreenBuilders.h"
#include "generators/ScreenPieces.h"

namespace {

void addImports(TCodeText& code, const TClassModel& cls) {
    code.line("package com.mobileclient.activity;").line();
    AddImports(code, kFormFileImports);
    code.line("import com.mobileclient.util.HttpUtil;").line();
    AddImports(code, kFormTimeImports);
    code.line();
    AddOwnImports(code, cls);
    AddReferenceImports(code, cls);
    AddImports(code, kFormAndroidImports);
}

void addFields(TCodeText& code, const TClassModel& cls) {
    code.lines({"\t// 声明确定添加按钮", "\tprivate Button btnAdd;"});
    if (!cls.hasIntegerKey()) {
        const TMemberInfo& key = *cls.keyMember();
        code.lines({"\t// 声明" + InJavaComment(key.comment()) + "输入框",
                    "\tprivate EditText ET_" + key.name() + ";"});
    }
    AddFormMemberFields(code, cls);
    AddFormObjectFields(code, cls);
}

void addOnCreate(TCodeText& code, const TClassModel& cls, const QString& activity) {
    AddOnCreateStart(code, cls, "添加" + InJavaString(cls.friendName), "add", " ");
    const TMemberInfo& key = *cls.keyMember();
    if (!cls.hasIntegerKey()) {
        code.line("\t\tET_" + key.name() + " = (EditText) findViewById(R.id.ET_" + key.name() +
                  ");");
    }
    AddFormWidgetSetUp(code, cls, activity);
    code.line("\t\tbtnAdd = (Button) findViewById(R.id.BtnAdd);");
    AddSaveHandlerStart(code, cls, "btnAdd", "添加");
    // A key that the server does not assign is typed as text and converted to its field's type.
    if (!cls.hasIntegerKey()) {
        AddTextCheck(code, activity, key, TextCheck::Key);
        code.line("\t\t\t\t\t" + cls.objectName() + ".set" + key.stem() + "(" + EditBoxValue(key) +
                  ");");
    }
    AddFormSaveSteps(code, cls, activity, PhotoSave::UploadOrDefault);
    AddSendAndReturn(code, cls, activity, "上传", "Add");
}

}  // namespace

TGeneratedFile BuildAddScreen(const TProjectModel&, const TClassModel& cls) {
    const QString activity = cls.className + "AddActivity";
    TCodeText code;
    addImports(code, cls);
    code.line(ActivityClassHead(activity));
    addFields(code, cls);
    addOnCreate(code, cls, activity);
    AddPhotoResults(code, cls);
    return ActivityFile(activity, code);
}

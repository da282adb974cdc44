// <Class>DetailActivity.java: one record, fetched by the key that the list screen hands over,
// shown read-only; references show the referenced record's display member.

#include "generation/CodeText.h"
#include "generation/TextForms.h"
#include "generators/ScreenBuilders.h"
#include "generators/ScreenPieces.h"

namespace {

const QStringList kDetailAndroidImports = {
    "android.app.Activity",  "android.graphics.Bitmap",  "android.graphics.BitmapFactory",
    "android.os.Bundle",     "android.view.View",        "android.view.View.OnClickListener",
    "android.widget.Button", "android.widget.ImageView", "android.widget.TextView",
};

bool isImage(const TMemberInfo& member) {
    return member.category == MemberCategory::Image;
}

void appendImports(TCodeText& code, const TClassModel& cls) {
    code.line("package com.mobileclient.activity;").line();
    AddImports(code, {"java.util.Date"});
    AddOwnImports(code, cls);
    AddReferenceImports(code, cls);
    AddImports(code, QStringList{"com.mobileclient.util.HttpUtil"} +
                         ImageServiceImport(cls, ServiceImports::WithReferences) +
                         kDetailAndroidImports);
    code.line();
}

void appendFields(TCodeText& code, const TClassModel& cls) {
    const QString& Class = cls.className;
    const QString friendName = InJavaComment(cls.friendName);
    code.line("public class " + Class + "DetailActivity extends Activity {");
    code.lines({"\t// 声明返回按钮", "\tprivate Button btnReturn;"});
    for (const TMemberInfo* member : cls.allMembers()) {
        if (isImage(*member)) {
            code.line("\t// 声明" + InJavaComment(member->comment()) + "图片框");
            code.line("\tprivate ImageView iv_" + member->name() + ";");
        } else {
            code.line("\t// 声明" + InJavaComment(member->comment()) + "控件");
            code.line("\tprivate TextView TV_" + member->name() + ";");
        }
    }
    code.lines({
        "\t/* 要保存的" + friendName + "信息 */",
        "\t" + Class + " " + cls.objectName() + " = new " + Class + "(); ",
        "\t/* " + friendName + "管理业务逻辑层 */",
        ServiceFieldLine(Class, cls.objectName()),
    });
    for (const TMemberInfo* member : cls.referenceMembers()) {
        code.line(ServiceFieldLine(member->refClass(), ReferenceStem(cls, *member)));
    }
    code.line(KeyFieldLine(cls));
}

void appendViewLookups(TCodeText& code, const TClassModel& cls) {
    for (const TMemberInfo* member : cls.allMembers()) {
        const QString& name = member->name();
        if (isImage(*member)) {
            code.line("\t\tiv_" + name + " = (ImageView) findViewById(R.id.iv_" + name + "); ");
        } else {
            code.line("\t\tTV_" + name + " = (TextView) findViewById(R.id.TV_" + name + ");");
        }
    }
}

void appendOnCreate(TCodeText& code, const TClassModel& cls) {
    AddOnCreateStart(code, cls, "查看" + InJavaString(cls.friendName) + "详情", "detail",
                     QString());
    code.lines({
        "\t\t// 通过findViewById方法实例化组件",
        "\t\tbtnReturn = (Button) findViewById(R.id.btnReturn);",
    });
    appendViewLookups(code, cls);
    code.lines({
        "\t\tBundle extras = this.getIntent().getExtras();",
        KeyFromExtrasLine(cls),
        "\t\tinitViewData();",
        "\t\tbtnReturn.setOnClickListener(new OnClickListener() {",
        "\t\t\tpublic void onClick(View v) {",
        "\t\t\t\t" + cls.className + "DetailActivity.this.finish();",
        "\t\t\t}",
        "\t\t}); ",
        "\t}",
    });
}

void appendMemberValue(TCodeText& code, const TClassModel& cls, const TMemberInfo& member) {
    const QString getter = cls.objectName() + ".get" + member.stem() + "()";
    switch (member.category) {
        case MemberCategory::String:
            code.line("\t\tthis.TV_" + member.name() + ".setText(" + getter + ");");
            break;
        case MemberCategory::Integer:
        case MemberCategory::Float:
            code.line("\t\tthis.TV_" + member.name() + ".setText(" + getter + " + \"\");");
            break;
        case MemberCategory::Date:
            AddDateText(code, cls, member);
            break;
        case MemberCategory::Image:
            AddStoredPhotoBlock(code, cls, member, QString());
            break;
        case MemberCategory::Reference:
            AddReferenceLookup(code, cls, member);
            break;
    }
}

void appendInitViewData(TCodeText& code, const TClassModel& cls) {
    const QString cls_ = cls.objectName();
    code.lines({
        "\t/* 初始化显示详情界面的数据 */",
        "\tprivate void initViewData() {",
        "\t    " + cls_ + " = " + cls_ + "Service.Get" + cls.className + "(" +
            cls.keyMember()->variable + "); ",
    });
    for (const TMemberInfo* member : cls.allMembers()) {
        appendMemberValue(code, cls, *member);
    }
    code.lines({"\t} ", "}"});
}

}  // namespace

TGeneratedFile BuildDetailScreen(const TProjectModel&, const TClassModel& cls) {
    TCodeText code;
    appendImports(code, cls);
    appendFields(code, cls);
    appendOnCreate(code, cls);
    appendInitViewData(code, cls);
    return TGeneratedFile::Java("activity", cls.className + "DetailActivity.java", code.text());
}

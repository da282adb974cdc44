// <Class>QueryActivity.java: a form with one input per query member that fills a condition object
// of the class and hands it to the list screen.

#include "generation/CodeText.h"
#include "generation/TextForms.h"
#include "generators/ScreenBuilders.h"
#include "generators/ScreenPieces.h"

namespace {

const QStringList kQueryAndroidImports = {
    "android.app.Activity",
    "android.content.Intent",
    "android.os.Bundle",
    "android.view.View",
    "android.view.View.OnClickListener",
    "android.widget.AdapterView",
    "android.widget.AdapterView.OnItemSelectedListener",
    "android.widget.ArrayAdapter",
    "android.widget.Button",
    "android.widget.CheckBox",
    "android.widget.DatePicker",
    "android.widget.EditText",
    "android.widget.Spinner",
};

// The members that get an input: string members (an image member counts as one here), date
// members, and references, which get a drop-down. Integer and float members cannot be asked
// for in a query and get none.
QList<const TMemberInfo*> queryInputs(const TClassModel& cls) {
    QList<const TMemberInfo*> inputs;
    for (const TMemberInfo* member : cls.queryMembers()) {
        const MemberCategory category = member->queryCategory();
        if (category == MemberCategory::String || category == MemberCategory::Date ||
            category == MemberCategory::Reference) {
            inputs.append(member);
        }
    }
    return inputs;
}

QList<const TMemberInfo*> dropDownInputs(const QList<const TMemberInfo*>& inputs) {
    QList<const TMemberInfo*> dropDowns;
    for (const TMemberInfo* member : inputs) {
        if (member->queryCategory() == MemberCategory::Reference) {
            dropDowns.append(member);
        }
    }
    return dropDowns;
}

// What the sections of the query screen share.
struct TQueryScreen {
    const TClassModel& cls;
    QList<const TMemberInfo*> inputs = queryInputs(cls);
    QList<const TMemberInfo*> dropDowns = dropDownInputs(inputs);
    QString condition = "queryCondition" + cls.className;

    // The stem of a drop-down's list, service and count. The screen holds no object of its own
    // class and the referenced objects of its drop-downs only, so only two drop-downs over one
    // class need telling apart.
    QString stem(const TMemberInfo& dropDown) const { return QueryReferenceStem(cls, dropDown); }
};

void appendImports(TCodeText& code, const TClassModel& cls) {
    code.line("package com.mobileclient.activity;");
    AddImports(code, {"java.sql.Timestamp", "java.util.Date", "java.util.List",
                      "com.mobileclient.domain." + cls.className});
    AddReferenceImports(code, cls);
    code.line();
    AddImports(code, kQueryAndroidImports);
    code.line();
}

void appendDropDownFields(TCodeText& code, const TQueryScreen& screen, const TMemberInfo& member) {
    AddDropDownFields(code, member, screen.stem(member), "; ",
                      InJavaComment(member.referenced->friendName));
}

void appendFields(TCodeText& code, const TQueryScreen& screen) {
    const QString& Class = screen.cls.className;
    code.line("public class " + Class + "QueryActivity extends Activity {");
    code.lines({"\t// 声明查询按钮", "\tprivate Button btnQuery;"});
    for (const TMemberInfo* member : screen.inputs) {
        const QString& name = member->name();
        switch (member->queryCategory()) {
            case MemberCategory::String:
                code.lines({"\t// 声明" + InJavaComment(member->comment()) + "输入框",
                            "\tprivate EditText ET_" + name + ";"});
                break;
            case MemberCategory::Date:
                code.lines({"\t// " + InJavaComment(member->comment()) + "控件",
                            "\tprivate DatePicker dp_" + name + ";",
                            "\tprivate CheckBox cb_" + name + ";"});
                break;
            default:
                appendDropDownFields(code, screen, *member);
                break;
        }
    }
    code.line("\t/*查询过滤条件保存到这个对象中*/");
    code.line("\tprivate " + Class + " " + screen.condition + " = new " + Class + "();");
    code.line();
}

// Fills the drop-down with "不限制" followed by the referenced objects' display members; a choice
// puts the chosen object's key into the condition, "不限制" the key type's empty value.
void appendDropDown(TCodeText& code, const TQueryScreen& screen, const TMemberInfo& member) {
    const QString& name = member.name();
    const QString stem = screen.stem(member);
    const QString list = stem + "List";
    const QString count = stem + "Count";
    const QString setter = "\t\t\t\t\t" + screen.condition + ".set" + member.stem();
    const QString noCondition = member.referenceKeyIsInteger() ? "0" : "\"\"";
    code.lines({
        "\t\tspinner_" + name + " = (Spinner) findViewById(R.id.Spinner_" + name + ");",
        "\t\t// 获取所有的" + InJavaComment(member.referenced->friendName),
        "\t\ttry {",
        "\t\t\t" + list + " = " + stem + "Service" + ".Query" + member.refClass() + "(null);",
        "\t\t} catch (Exception e1) {",
        "\t\t\te1.printStackTrace();",
        "\t\t}",
        "\t\tint " + count + " = " + list + ".size();",
        "\t\t" + name + "_ShowText = new String[" + count + "+1];",
        "\t\t" + name + "_ShowText[0] = \"不限制\";",
        "\t\tfor(int i=1;i<=" + count + ";i++) { ",
        "\t\t\t" + name + "_ShowText[i] = " + list + ".get(i-1)." + member.refShowText() + ";",
        "\t\t} ",
    });
    AddDropDownAdapter(code, name, InJavaComment(member.comment()));
    code.lines({
        "\t\t\t\tif(arg2 != 0)",
        setter + "(" + member.refKeyValue(list + ".get(arg2-1)") + "); ",
        "\t\t\t\telse",
        setter + "(" + noCondition + ");",
        "\t\t\t}",
        "\t\t\t@Override",
        "\t\t\tpublic void onNothingSelected(AdapterView<?> arg0) {}",
        "\t\t});",
        "\t\t// 设置默认值",
        "\t\tspinner_" + name + ".setVisibility(View.VISIBLE);",
    });
}

void appendInputSetUp(TCodeText& code, const TQueryScreen& screen) {
    for (const TMemberInfo* member : screen.inputs) {
        const QString& name = member->name();
        switch (member->queryCategory()) {
            case MemberCategory::String:
                code.line("\t\tET_" + name + " = (EditText) findViewById(R.id.ET_" + name + ");");
                break;
            case MemberCategory::Date:
                code.line("\t\tdp_" + name + " = (DatePicker) findViewById(R.id.dp_" + name + ");");
                code.line("\t\tcb_" + name + " = (CheckBox) findViewById(R.id.cb_" + name + ");");
                break;
            default:
                appendDropDown(code, screen, *member);
                break;
        }
    }
}

// A date condition is set only while its check box is ticked.
void appendDateCondition(TCodeText& code, const TQueryScreen& screen, const TMemberInfo& member) {
    const QString& name = member.name();
    const QString setter = "\t\t\t\t\t\t" + screen.condition + ".set" + member.stem();
    code.lines({
        "\t\t\t\t\tif(cb_" + name + ".isChecked()) {",
        "\t\t\t\t\t\t/*获取" + InJavaComment(member.comment()) + "*/",
        "\t\t\t\t\t\tDate " + member.variable + " = new Date(dp_" + name + ".getYear()-1900,dp_" +
            name + ".getMonth(),dp_" + name + ".getDayOfMonth());",
        setter + "(new Timestamp(" + member.variable + ".getTime()));",
        "\t\t\t\t\t} else {",
        setter + "(null);",
        "\t\t\t\t\t} ",
    });
}

void appendConditions(TCodeText& code, const TQueryScreen& screen) {
    for (const TMemberInfo* member : screen.inputs) {
        switch (member->queryCategory()) {
            case MemberCategory::String:
                code.line("\t\t\t\t\t" + screen.condition + ".set" + member->stem() + "(ET_" +
                          member->name() + ".getText().toString());");
                break;
            case MemberCategory::Date:
                appendDateCondition(code, screen, *member);
                break;
            default:
                break;
        }
    }
}

void appendQueryButton(TCodeText& code, const TQueryScreen& screen) {
    const QString& Class = screen.cls.className;
    code.lines({
        "\t\t/*单击查询按钮*/",
        "\t\tbtnQuery.setOnClickListener(new OnClickListener() {",
        "\t\t\tpublic void onClick(View v) {",
        "\t\t\t\ttry {",
        "\t\t\t\t\t/*获取查询参数*/",
    });
    appendConditions(code, screen);
    code.lines({
        "\t\t\t\t\t/*操作完成后返回到" + InJavaComment(screen.cls.friendName) + "管理界面*/ ",
        "\t\t\t\t\tIntent intent = new Intent();",
        "\t\t\t\t\tintent.setClass(" + Class + "QueryActivity.this, " + Class +
            "ListActivity.class);",
        "\t\t\t\t\tBundle bundle = new Bundle();",
        "\t\t\t\t\tbundle.putSerializable(\"" + screen.condition + "\", " + screen.condition + ");",
        "\t\t\t\t\tintent.putExtras(bundle);",
        "\t\t\t\t\tstartActivity(intent);  ",
        "\t\t\t\t\t" + Class + "QueryActivity.this.finish();",
        "\t\t\t\t} catch (Exception e) {}",
        "\t\t\t}",
        "\t\t\t});",
        "\t}",
        "}",
    });
}

}  // namespace

TGeneratedFile BuildQueryScreen(const TProjectModel&, const TClassModel& cls) {
    const TQueryScreen screen{cls};
    TCodeText code;
    appendImports(code, cls);
    appendFields(code, screen);
    AddOnCreateStart(code, cls, "设置查询" + InJavaString(cls.friendName) + "条件", "query",
                     QString());
    code.line("\t\tbtnQuery = (Button) findViewById(R.id.btnQuery);");
    appendInputSetUp(code, screen);
    appendQueryButton(code, screen);
    return TGeneratedFile::Java("activity", cls.className + "QueryActivity.java", code.text());
}

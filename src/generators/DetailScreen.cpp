// <Class>DetailActivity.java: one record, fetched by the key that the list screen hands over,
// shown read-only; references show the referenced record's display member.

#include "generation/CodeText.h"
#include "generators/ScreenBuilders.h"
#include "generators/ScreenParts.h"

namespace {

bool isImage(const TMemberInfo& member) {
    return member.category == MemberCategory::Image;
}

// The record field and the locals that date and image members declare are named like this;
// reference variables must not take those names.
TReferenceNames referenceNames(const TClassModel& cls) {
    QSet<QString> taken{cls.objectName()};
    for (const TMemberInfo* member : cls.allMembers()) {
        if (member->category == MemberCategory::Date || isImage(*member)) {
            taken.insert(member->name());
        }
    }
    return TReferenceNames(cls.referenceMembers(), taken);
}

void appendImports(TCodeText& code, const TClassModel& cls) {
    code.line("package com.mobileclient.activity;").line();
    code.line("import java.util.Date;");
    AppendDomainAndServiceImports(code, cls.className);
    AppendReferenceImports(code, cls);
    code.lines({
        "import com.mobileclient.util.HttpUtil;",
        "import com.mobileclient.util.ImageService;",
        "import android.app.Activity;",
        "import android.graphics.Bitmap;",
        "import android.graphics.BitmapFactory;",
        "import android.os.Bundle;",
        "import android.view.View;",
        "import android.view.View.OnClickListener;",
        "import android.widget.Button;",
        "import android.widget.ImageView;",
        "import android.widget.TextView;",
    });
    code.line();
}

void appendFields(TCodeText& code, const TClassModel& cls, const TReferenceNames& names) {
    const QString& Class = cls.className;
    code.line("public class " + Class + "DetailActivity extends Activity {");
    code.lines({"\t// 声明返回按钮", "\tprivate Button btnReturn;"});
    for (const TMemberInfo* member : cls.allMembers()) {
        if (isImage(*member)) {
            code.line("\t// 声明" + member->comment() + "图片框");
            code.line("\tprivate ImageView iv_" + member->name() + ";");
        } else {
            code.line("\t// 声明" + member->comment() + "控件");
            code.line("\tprivate TextView TV_" + member->name() + ";");
        }
    }
    code.lines({
        "\t/* 要保存的" + cls.friendName + "信息 */",
        "\t" + Class + " " + cls.objectName() + " = new " + Class + "(); ",
        "\t/* " + cls.friendName + "管理业务逻辑层 */",
        "\tprivate " + Class + "Service " + cls.objectName() + "Service = new " + Class +
            "Service();",
    });
    for (const TMemberInfo* member : cls.referenceMembers()) {
        code.line(ReferenceServiceField(*member, names));
    }
    code.line(PrivateKeyField(cls));
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
    code.lines({
        "\t@Override",
        "\tpublic void onCreate(Bundle savedInstanceState) {",
        "\t\tsuper.onCreate(savedInstanceState);",
        "\t\t// 设置标题",
        "\t\tsetTitle(\"手机客户端-查看" + cls.friendName + "详情\");",
        "\t\t// 设置当前Activity界面布局",
        "\t\tsetContentView(R.layout." + cls.layoutName() + "_detail);",
        "\t\t// 通过findViewById方法实例化组件",
        "\t\tbtnReturn = (Button) findViewById(R.id.btnReturn);",
    });
    appendViewLookups(code, cls);
    code.lines({
        "\t\tBundle extras = this.getIntent().getExtras();",
        KeyFromExtras(cls),
        "\t\tinitViewData();",
        "\t\tbtnReturn.setOnClickListener(new OnClickListener() {",
        "\t\t\tpublic void onClick(View v) {",
        "\t\t\t\t" + cls.className + "DetailActivity.this.finish();",
        "\t\t\t}",
        "\t\t}); ",
        "\t}",
    });
}

void appendMemberValue(TCodeText& code, const TClassModel& cls, const TMemberInfo& member,
                       const TReferenceNames& names) {
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
            AppendDateText(code, cls, member);
            break;
        case MemberCategory::Image:
            AppendPictureDownload(code, cls, member, QString());
            break;
        case MemberCategory::Reference:
            AppendReferenceLookup(code, cls, member, names);
            break;
    }
}

void appendInitViewData(TCodeText& code, const TClassModel& cls, const TReferenceNames& names) {
    const QString cls_ = cls.objectName();
    code.lines({
        "\t/* 初始化显示详情界面的数据 */",
        "\tprivate void initViewData() {",
        "\t    " + cls_ + " = " + cls_ + "Service.Get" + cls.className + "(" +
            cls.keyMember()->name() + "); ",
    });
    for (const TMemberInfo* member : cls.allMembers()) {
        appendMemberValue(code, cls, *member, names);
    }
    code.lines({"\t} ", "}"});
}

}  // namespace

TGeneratedFile BuildDetailScreen(const TProjectModel&, const TClassModel& cls) {
    const TReferenceNames names = referenceNames(cls);
    TCodeText code;
    appendImports(code, cls);
    appendFields(code, cls, names);
    appendOnCreate(code, cls);
    appendInitViewData(code, cls, names);
    return TGeneratedFile::Java("activity", cls.className + "DetailActivity.java", code.text());
}

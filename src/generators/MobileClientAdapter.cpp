#include "generators/MobileClientAdapter.h"

#include "generation/CodeText.h"

namespace {

bool isImage(const TMemberInfo& member) {
    return member.category == MemberCategory::Image;
}

// The holder field of a phone-list member: iv_<name> for a picture, tv_<name> for a text.
QString holderField(const TMemberInfo& member) {
    return (isImage(member) ? "iv_" : "tv_") + member.name();
}

void appendHead(TCodeText& code, const TClassModel& cls) {
    code.line("package com.mobileclient.util;").line();
    code.line("import java.util.List;  ");
    code.line("import java.util.Map;").line();
    // One import per reference member: a repeated import of the same type is legal Java.
    for (const TMemberInfo* member : cls.referenceMembers()) {
        code.line("import com.mobileclient.service." + member->refClass() + "Service;");
    }
    code.line("import com.mobileclient.activity.R;");
    code.lines({"import android.content.Context;", "import android.graphics.Bitmap;",
                "import android.view.LayoutInflater; ", "import android.view.View;",
                "import android.view.ViewGroup;  ", "import android.widget.ImageView; ",
                "import android.widget.SimpleAdapter; ", "import android.widget.TextView; "});
    code.line();
}

void appendFieldsAndConstructor(TCodeText& code, const TClassModel& cls) {
    code.line("public class " + cls.className + "SimpleAdapter extends SimpleAdapter { ");
    code.lines({"\t/*需要绑定的控件资源id*/", "    private int[] mTo;", "    /*map集合关键字数组*/",
                "    private String[] mFrom;", "/*需要绑定的数据*/",
                "    private List<? extends Map<String, ?>> mData; "});
    code.line();
    code.lines({"    private LayoutInflater mInflater;", "    Context context = null;"});
    code.line();
    code.lines({"    public " + cls.className +
                    "SimpleAdapter(Context context, List<? extends Map<String, ?>> data, int "
                    "resource, String[] from, int[] to) { ",
                "        super(context, data, resource, from, to); ", "        mTo = to; ",
                "        mFrom = from; ", "        mData = data;",
                "        mInflater = (LayoutInflater) "
                "context.getSystemService(Context.LAYOUT_INFLATER_SERVICE);",
                "        this.context= context;", "    } "});
    code.line();
}

void appendViewCreation(TCodeText& code, const TClassModel& cls) {
    code.lines({"  public View getView(int position, View convertView, ViewGroup parent) { ",
                "    ViewHolder holder = null; ",
                "    /*第一次装载这个view时=null,就新建一个调用inflate宣誓一个view*/",
                "\t\tif (convertView == null) {",
                "\t\t\tconvertView = mInflater.inflate(R.layout." + cls.layoutName() +
                    "_list_item, null);",
                "\t\t\tholder = new ViewHolder();", "\t\t\ttry { ",
                "\t\t\t\t/*绑定该view各个控件*/"});
    for (const TMemberInfo* member : cls.phoneListMembers()) {
        const QString field = holderField(*member);
        const QString widget = isImage(*member) ? "ImageView" : "TextView";
        code.line("\t\t\t\tholder." + field + " = (" + widget + ")convertView.findViewById(R.id." +
                  field + ");");
    }
    code.lines({"\t\t\t} catch(Exception ex) {}", "\t\t\t/*标记这个view*/",
                "\t\t\tconvertView.setTag(holder);", "\t\t}else{", "\t\t\t/*直接取出标记的view*/",
                "\t\t\tholder = (ViewHolder)convertView.getTag();", "\t\t}"});
}

// The statement that shows one phone-list member's value of the row.
QString bindingLine(const TMemberInfo& member) {
    const QString value = "mData.get(position).get(\"" + member.name() + "\")";
    const QString target = "\t\tholder." + holderField(member);
    switch (member.category) {
        case MemberCategory::Image:
            return target + ".setImageBitmap((Bitmap)" + value + ");";
        case MemberCategory::Date:
            return target + ".setText(" + value + ".toString().substring(0, 10));";
        case MemberCategory::Reference: {
            // A TextView takes a non-text display value as a resource id (int) or not at all.
            const QString key = member.referenceKeyIsInteger()
                                    ? QString("Integer.parseInt(" + value + ".toString())")
                                    : QString(value + ".toString()");
            return target + ".setText((new " + member.refClass() + "Service()).Get" +
                   member.refClass() + "(" + key + ")." + member.refShowText() + ");";
        }
        default:
            return target + ".setText(" + value + ".toString());";
    }
}

void appendViewFilling(TCodeText& code, const TClassModel& cls) {
    code.line("\t\t/*设置各个控件的展示内容*/");
    for (const TMemberInfo* member : cls.phoneListMembers()) {
        code.line(bindingLine(*member));
    }
    code.lines({"\t\t/*返回修改好的view*/", "\t\treturn convertView; ", "    } "});
    code.line();
}

void appendViewHolder(TCodeText& code, const TClassModel& cls) {
    code.line("    static class ViewHolder{ ");
    for (const TMemberInfo* member : cls.phoneListMembers()) {
        code.line(QStringLiteral("    \t") + (isImage(*member) ? "ImageView " : "TextView ") +
                  holderField(*member) + ";");
    }
    code.line("    }");
}

}  // namespace

TGeneratedFiles TMobileClientAdapter::Generate(const TProjectModel&, const TClassModel& cls) {
    TCodeText code;
    appendHead(code, cls);
    appendFieldsAndConstructor(code, cls);
    appendViewCreation(code, cls);
    appendViewFilling(code, cls);
    appendViewHolder(code, cls);
    code.line("} ");
    return {TGeneratedFile::Java("util", cls.className + "SimpleAdapter.java", code.text())};
}

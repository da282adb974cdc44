#include "generators/client/MobileClientAdapter.h"

#include "generators/client/ClientFile.h"
#include "generators/client/MemberTemplates.h"

namespace {

constexpr char16_t kHead[] =
    u"package com.mobileclient.util;\n"
    "\n"
    "import java.util.List;  \n"
    "import java.util.Map;\n"
    "\n";
constexpr char16_t kImportsAndConstructor[] =
    u"import com.mobileclient.activity.R;\n"
    "import android.content.Context;\n"
    "import android.graphics.Bitmap;\n"
    "import android.view.LayoutInflater; \n"
    "import android.view.View;\n"
    "import android.view.ViewGroup;  \n"
    "import android.widget.ImageView; \n"
    "import android.widget.SimpleAdapter; \n"
    "import android.widget.TextView; \n"
    "\n"
    "public class $Class$SimpleAdapter extends SimpleAdapter { \n"
    "\t/*需要绑定的控件资源id*/\n"
    "    private int[] mTo;\n"
    "    /*map集合关键字数组*/\n"
    "    private String[] mFrom;\n"
    "/*需要绑定的数据*/\n"
    "    private List<? extends Map<String, ?>> mData; \n"
    "\n"
    "    private LayoutInflater mInflater;\n"
    "    Context context = null;\n"
    "\n"
    "    public $Class$SimpleAdapter(Context context, List<? extends Map<String, ?>> data, int "
    "resource, String[] from, int[] to) { \n"
    "        super(context, data, resource, from, to); \n"
    "        mTo = to; \n"
    "        mFrom = from; \n"
    "        mData = data;\n"
    "        mInflater = (LayoutInflater) "
    "context.getSystemService(Context.LAYOUT_INFLATER_SERVICE);\n"
    "        this.context= context;\n"
    "    } \n"
    "\n"
    "  public View getView(int position, View convertView, ViewGroup parent) { \n"
    "    ViewHolder holder = null; \n"
    "    /*第一次装载这个view时=null,就新建一个调用inflate宣誓一个view*/\n"
    "\t\tif (convertView == null) {\n"
    "\t\t\tconvertView = mInflater.inflate(R.layout.$class$_list_item, null);\n"
    "\t\t\tholder = new ViewHolder();\n"
    "\t\t\ttry { \n"
    "\t\t\t\t/*绑定该view各个控件*/\n";
constexpr char16_t kViewTagging[] =
    u"\t\t\t} catch(Exception ex) {}\n"
    "\t\t\t/*标记这个view*/\n"
    "\t\t\tconvertView.setTag(holder);\n"
    "\t\t}else{\n"
    "\t\t\t/*直接取出标记的view*/\n"
    "\t\t\tholder = (ViewHolder)convertView.getTag();\n"
    "\t\t}\n"
    "\t\t/*设置各个控件的展示内容*/\n";

template <typename Pick>
void printEachShown(TPrinter& printer, const TClassCode& code, const TVars& classVars, Pick pick) {
    PrintEach(printer, code, code.cls.phoneListMembers(), classVars, pick);
}

}  // namespace

TGeneratedFiles TMobileClientAdapter::Generate(const TClassCode& code) {
    const TVars& classVars = code.vars();
    TPrinter printer;
    printer.print(kHead);
    // One import per reference member: a repeated import of the same type is legal Java.
    PrintEach(printer, code, code.cls.referenceMembers(), classVars,
              u"import com.mobileclient.service.$RefClass$Service;\n");
    printer.print(kImportsAndConstructor, classVars);
    printEachShown(printer, code, classVars,
                   u"\t\t\t\tholder.$rowViewId$ = "
                   u"($rowWidget$)convertView.findViewById(R.id.$rowViewId$);\n");
    printer.print(kViewTagging);
    printEachShown(printer, code, classVars, &TMemberTemplates::rowBinding);
    printer.print(
        u"\t\t/*返回修改好的view*/\n"
        "\t\treturn convertView; \n"
        "    } \n"
        "\n"
        "    static class ViewHolder{ \n");
    printEachShown(printer, code, classVars, u"    \t$rowWidget$ $rowViewId$;\n");
    printer.print(u"    }\n} \n");
    return {
        ClientJavaFile("util", Format(u"$Class$SimpleAdapter.java", classVars), printer.text())};
}

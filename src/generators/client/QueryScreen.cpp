// <Class>QueryActivity.java: a form with one input per query member that fills a condition object
// of the class and hands it to the list screen.

#include "generators/client/FileBuilders.h"
#include "generators/client/ScreenPieces.h"

namespace {

const QStringList kQueryAndroidImports =
    QStringList{"android.app.Activity", "android.content.Intent", "android.os.Bundle"} +
    kDropDownImports +
    QStringList{"android.widget.CheckBox", "android.widget.DatePicker", "android.widget.EditText",
                "android.widget.Spinner", "android.widget.Toast"};

constexpr char16_t kQueryButton[] =
    u"\t\t/*单击查询按钮*/\n"
    "\t\tbtnQuery.setOnClickListener(new OnClickListener() {\n"
    "\t\t\tpublic void onClick(View v) {\n"
    "\t\t\t\ttry {\n"
    "\t\t\t\t\t/*获取查询参数*/\n";
constexpr char16_t kQueryButtonEnd[] =
    u"\t\t\t\t\t/*操作完成后返回到$friend$管理界面*/ \n"
    "\t\t\t\t\tIntent intent = new Intent();\n"
    "\t\t\t\t\tintent.setClass($Class$QueryActivity.this, $Class$ListActivity.class);\n"
    "\t\t\t\t\tBundle bundle = new Bundle();\n"
    "\t\t\t\t\tbundle.putSerializable(\"queryCondition$Class$\", queryCondition$Class$);\n"
    "\t\t\t\t\tintent.putExtras(bundle);\n"
    "\t\t\t\t\tstartActivity(intent);  \n"
    "\t\t\t\t\t$Class$QueryActivity.this.finish();\n"
    "\t\t\t\t} catch (Exception e) {}\n"
    "\t\t\t}\n"
    "\t\t\t});\n"
    "\t}\n"
    "}\n";

// A drop-down's stem needs telling apart only from the other drop-downs, as the screen holds
// no object of its own class.
void printEachInput(TPrinter& printer, const TClassCode& code, const TVars& screen,
                    QStringView TMemberTemplates::*job) {
    PrintEach(printer, code, code.cls.queryMembers(), screen, job, StemAmong::QueryDropDowns);
}

void printImports(TPrinter& printer, const TClassCode& code, const TVars& screen) {
    printer.print(
        u"package com.mobileclient.activity;\n"
        "import java.sql.Timestamp;\n"
        "import java.util.Date;\n"
        "import java.util.List;\n"
        "import com.mobileclient.domain.$Class$;\n"
        "import com.mobileclient.util.HttpUtil;\n",
        screen);
    PrintReferenceImports(printer, code);
    printer.print(u"\n");
    PrintImports(printer, kQueryAndroidImports);
    printer.print(u"\n");
}

void printFields(TPrinter& printer, const TClassCode& code, const TVars& screen) {
    printer.print(
        u"public class $Class$QueryActivity extends Activity {\n"
        "\t// 声明查询按钮\n"
        "\tprivate Button btnQuery;\n",
        screen);
    printEachInput(printer, code, screen, &TMemberTemplates::queryFields);
    printer.print(
        u"\t/*查询过滤条件保存到这个对象中*/\n"
        "\tprivate $Class$ queryCondition$Class$ = new $Class$();\n"
        "\n",
        screen);
}

}  // namespace

TGeneratedFile BuildQueryScreen(const TClassCode& code) {
    const TVars screen = ScreenVars(code, {u"$Class$QueryActivity", u"设置查询$friendText$条件"});
    TPrinter printer;
    printImports(printer, code, screen);
    printFields(printer, code, screen);
    PrintOnCreateStart(printer, screen, u"query", u"");
    printer.print(u"\t\tbtnQuery = (Button) findViewById(R.id.$queryButtonId$);\n", screen);
    printEachInput(printer, code, screen, &TMemberTemplates::querySetUp);
    printer.print(kQueryButton);
    printEachInput(printer, code, screen, &TMemberTemplates::queryCondition);
    printer.print(kQueryButtonEnd, screen);
    return ActivityFile(screen, printer);
}

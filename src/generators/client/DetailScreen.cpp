// <Class>DetailActivity.java: one record, fetched by the key that the list screen hands over,
// shown read-only; references show the referenced record's display member.

#include "generators/client/FileBuilders.h"
#include "generators/client/ScreenPieces.h"

namespace {

const QStringList kDetailAndroidImports = {
    "android.app.Activity",  "android.graphics.Bitmap",  "android.graphics.BitmapFactory",
    "android.os.Bundle",     "android.view.View",        "android.view.View.OnClickListener",
    "android.widget.Button", "android.widget.ImageView", "android.widget.TextView",
    "android.widget.Toast"};

void printImports(TPrinter& printer, const TClassCode& code, const TVars& screen) {
    printer.print(u"package com.mobileclient.activity;\n\nimport java.util.Date;\n");
    PrintOwnImports(printer, screen);
    PrintReferenceImports(printer, code);
    printer.print(u"import com.mobileclient.util.HttpUtil;\n");
    PrintImageServiceImport(printer, screen);
    PrintImports(printer, kDetailAndroidImports);
    printer.print(u"\n");
}

void printEachMember(TPrinter& printer, const TClassCode& code, const TVars& screen,
                     QStringView TMemberTemplates::*job) {
    PrintEach(printer, code, code.cls.allMembers(), screen, job, StemAmong::AllReferences);
}

void printFields(TPrinter& printer, const TClassCode& code, const TVars& screen) {
    printer.print(
        u"public class $Class$DetailActivity extends Activity {\n"
        "\t// 声明返回按钮\n"
        "\tprivate Button btnReturn;\n",
        screen);
    printEachMember(printer, code, screen, &TMemberTemplates::detailFields);
    printer.print(
        u"\t/* 要保存的$friend$信息 */\n"
        "\t$Class$ $cls$ = new $Class$(); \n"
        "\t/* $friend$管理业务逻辑层 */\n"
        "\tprivate $Class$Service $cls$Service = new $Class$Service();\n",
        screen);
    PrintEach(printer, code, code.cls.referenceMembers(), screen, kReferenceServiceField,
              StemAmong::AllReferences);
    printer.print(u"\tprivate $KeyType$ $key$;\n", screen);
}

void printOnCreate(TPrinter& printer, const TClassCode& code, const TVars& screen) {
    PrintOnCreateStart(printer, screen, u"detail", u"");
    printer.print(
        u"\t\t// 通过findViewById方法实例化组件\n"
        "\t\tbtnReturn = (Button) findViewById(R.id.$returnButtonId$);\n",
        screen);
    printEachMember(printer, code, screen, &TMemberTemplates::detailLookup);
    printer.print(
        u"\t\tBundle extras = this.getIntent().getExtras();\n"
        "\t\t$key$ = extras.$getKey$(\"$keyName$\");\n",
        screen);
    PrintLoadObject(printer, screen);
    printer.print(
        u"\t\tbtnReturn.setOnClickListener(new OnClickListener() {\n"
        "\t\t\tpublic void onClick(View v) {\n"
        "\t\t\t\t$Class$DetailActivity.this.finish();\n"
        "\t\t\t}\n"
        "\t\t}); \n"
        "\t}\n",
        screen);
}

void printInitViewData(TPrinter& printer, const TClassCode& code, const TVars& screen) {
    printer.print(
        u"\t/* 初始化显示详情界面的数据 */\n"
        "\tprivate void initViewData() throws Exception {\n"
        "\t    $cls$ = $cls$Service.Get$Class$($key$); \n",
        screen);
    PrintObjectGone(printer, screen);
    printEachMember(printer, code, screen, &TMemberTemplates::detailShow);
    printer.print(u"\t} \n}\n");
}

}  // namespace

TGeneratedFile BuildDetailScreen(const TClassCode& code) {
    TVars screen = ScreenVars(code, {u"$Class$DetailActivity", u"查看$friendText$详情"});
    screen.setTemplate(u"decodeSeparator", u"");
    SetImageService(screen, code.cls, ServiceImports::WithReferences);
    TPrinter printer;
    printImports(printer, code, screen);
    printFields(printer, code, screen);
    printOnCreate(printer, code, screen);
    printInitViewData(printer, code, screen);
    return ActivityFile(screen, printer);
}

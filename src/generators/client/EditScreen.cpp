#include "generators/client/FileBuilders.h"
#include "generators/client/ScreenPieces.h"

namespace {

void printImports(TPrinter& printer, const TClassCode& code, const TVars& screen) {
    printer.print(u"package com.mobileclient.activity;\n\n");
    PrintImports(printer, kFormFileImports);
    printer.print(u"\n");
    PrintImports(printer, kFormTimeImports);
    printer.print(
        u"\nimport com.mobileclient.util.HttpUtil;\n"
        "import com.mobileclient.app.PictureProvider;\n");
    PrintImageServiceImport(printer, screen);
    PrintOwnImports(printer, screen);
    PrintReferenceImports(printer, code);
    PrintImports(printer,
                 kFormAndroidImports + QStringList{"android.widget.TextView"} + kFormWidgetImports);
    printer.print(u"\n");
}

// The object is loaded once every drop-down is filled, so its references can be selected.
void printOnCreate(TPrinter& printer, const TClassCode& code, const TVars& screen) {
    PrintOnCreateStart(printer, screen, u"edit", u" ");
    printer.print(u"\t\t$keyTvId$ = (TextView) findViewById(R.id.$keyTvId$);\n", screen);
    PrintFormSetUp(printer, code, screen);
    printer.print(
        u"\t\tbtnUpdate = (Button) findViewById(R.id.$updateButtonId$);\n"
        "\t\tBundle extras = this.getIntent().getExtras();\n"
        "\t\t$key$ = extras.$getKey$(\"$keyName$\");\n",
        screen);
    PrintLoadObject(printer, screen);
    PrintSaveHandlerStart(printer, screen);
    PrintFormSaveSteps(printer, code, screen, &TMemberTemplates::editSave);
    PrintSendAndReturn(printer, screen);
}

void printInitViewData(TPrinter& printer, const TClassCode& code, const TVars& screen) {
    printer.print(
        u"\t/* 初始化显示编辑界面的数据 */\n"
        "\tprivate void initViewData() throws Exception {\n"
        "\t    $cls$ = $cls$Service.Get$Class$($key$);\n",
        screen);
    PrintObjectGone(printer, screen);
    printer.print(u"\t\tthis.$keyTvId$.setText($keyAsText$);\n", screen);
    PrintEach(printer, code, code.cls.nonKeyMembers(), screen, &TMemberTemplates::editPreFill,
              StemAmong::FormDropDowns);
    printer.print(u"\t}\n");
}

}  // namespace

TGeneratedFile BuildEditScreen(const TClassCode& code) {
    TVars screen = ScreenVars(code, {u"$Class$EditActivity", u"修改$friendText$", u"btnUpdate",
                                     u"修改", u"更新", u"Update"});
    screen.setTemplate(u"decodeSeparator", u" ")
        .set(u"keyTvId", TVars(&screen, &code.member(*code.cls.keyMember())).value(u"tvId"));
    SetImageService(screen, code.cls, ServiceImports::WithReferences);
    TPrinter printer;
    printImports(printer, code, screen);
    printer.print(
        u"public class $activity$ extends Activity {\n"
        "\t// 声明确定添加按钮\n"
        "\tprivate Button btnUpdate;\n"
        "\t// 声明$keyComment$TextView\n"
        "\tprivate TextView $keyTvId$;\n",
        screen);
    PrintFormFields(printer, code, screen);
    printer.print(u"\tprivate $KeyType$ $key$;\n", screen);
    printOnCreate(printer, code, screen);
    printInitViewData(printer, code, screen);
    PrintFormResults(printer, code, screen);
    return ActivityFile(screen, printer);
}

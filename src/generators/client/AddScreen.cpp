#include "generators/client/FileBuilders.h"
#include "generators/client/ScreenPieces.h"

namespace {

// A key that the server does not assign is typed as text and converted to its field's type.
constexpr char16_t kKeyCheck[] =
    u"\t\t\t\t\t/*验证获取$comment$*/\n"
    "\t\t\t\t\tif($etId$.getText().toString().equals(\"\")) {\n"
    "\t\t\t\t\t\tToast.makeText($activity$.this, \"$commentText$输入不能为空!\", "
    "Toast.LENGTH_LONG).show();\n"
    "\t\t\t\t\t\t$etId$.setFocusable(true);\n"
    "\t\t\t\t\t\t$etId$.requestFocus();\n"
    "\t\t\t\t\t\treturn;\n"
    "\t\t\t\t\t}\n"
    "\t\t\t\t\t$cls$.set$Name$($editBoxValue$);\n";

void printImports(TPrinter& printer, const TClassCode& code, const TVars& screen) {
    printer.print(u"package com.mobileclient.activity;\n\n");
    PrintImports(printer, kFormFileImports + QStringList{"com.mobileclient.util.HttpUtil",
                                                         "com.mobileclient.app.PictureProvider"});
    printer.print(u"\n");
    PrintImports(printer, kFormTimeImports);
    printer.print(u"\n");
    PrintOwnImports(printer, screen);
    PrintReferenceImports(printer, code);
    PrintImports(printer, kFormAndroidImports + kFormWidgetImports);
}

}  // namespace

TGeneratedFile BuildAddScreen(const TClassCode& code) {
    const TVars screen = ScreenVars(
        code, {u"$Class$AddActivity", u"添加$friendText$", u"btnAdd", u"添加", u"上传", u"Add"});
    const bool typedKey = !code.cls.hasIntegerKey();
    const TVars key(&screen, &code.member(*code.cls.keyMember()));
    TPrinter printer;
    printImports(printer, code, screen);
    printer.print(
        u"public class $activity$ extends Activity {\n"
        "\t// 声明确定添加按钮\n"
        "\tprivate Button btnAdd;\n",
        screen);
    if (typedKey) {
        printer.print(TemplatesOf(MemberCategory::String).formFields, key);
    }
    PrintFormFields(printer, code, screen);
    PrintOnCreateStart(printer, screen, u"add", u" ");
    if (typedKey) {
        printer.print(TemplatesOf(MemberCategory::String).formSetUp, key);
    }
    PrintFormSetUp(printer, code, screen);
    printer.print(u"\t\tbtnAdd = (Button) findViewById(R.id.$addButtonId$);\n", screen);
    PrintSaveHandlerStart(printer, screen);
    if (typedKey) {
        printer.print(kKeyCheck, key);
    }
    PrintFormSaveSteps(printer, code, screen, &TMemberTemplates::addSave);
    PrintSendAndReturn(printer, screen);
    PrintFormResults(printer, code, screen);
    return ActivityFile(screen, printer);
}

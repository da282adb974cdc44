#include "generators/client/ScreenPieces.h"

#include "generators/client/ClientFile.h"

TVars ScreenVars(const TClassCode& code, const TScreen& screen) {
    TVars vars(&code.vars());
    vars.setTemplates({{u"activity", screen.activity},
                       {u"title", screen.title},
                       {u"button", screen.button},
                       {u"action", screen.action},
                       {u"upload", screen.upload},
                       {u"operation", screen.operation}});
    return vars;
}

TGeneratedFile ActivityFile(const TVars& screen, const TPrinter& printer) {
    return ClientJavaFile("activity", Format(u"$activity$.java", screen), printer.text());
}

void PrintImports(TPrinter& printer, const QStringList& names) {
    TVars vars;
    for (const QString& name : names) {
        printer.print(u"import $name$;\n", vars.set(u"name", name));
    }
}

void PrintOwnImports(TPrinter& printer, const TVars& classVars) {
    printer.print(
        u"import com.mobileclient.domain.$Class$;\n"
        "import com.mobileclient.service.$Class$Service;\n",
        classVars);
}

void PrintReferenceImports(TPrinter& printer, const TClassCode& code) {
    for (const TMemberInfo* member : code.cls.referenceMembers()) {
        printer.print(
            u"import com.mobileclient.domain.$RefClass$;\n"
            "import com.mobileclient.service.$RefClass$Service;\n",
            code.member(*member));
    }
}

void SetImageService(TVars& screen, const TClassModel& cls, ServiceImports imports) {
    // The service of a class named Image is ImageService.
    const QLatin1StringView image("Image");
    bool clashes = cls.className == image;
    for (const TMemberInfo* member : cls.referenceMembers()) {
        clashes |= imports == ServiceImports::WithReferences && member->refClass() == image;
    }
    screen.set(u"imageService", clashes ? QStringLiteral("com.mobileclient.util.ImageService")
                                        : QStringLiteral("ImageService"));
}

void PrintImageServiceImport(TPrinter& printer, const TVars& screen) {
    if (!screen.value(u"imageService").contains(u'.')) {
        printer.print(u"import com.mobileclient.util.$imageService$;\n", screen);
    }
}

void PrintOnCreateStart(TPrinter& printer, const TVars& screen, QStringView layoutSuffix,
                        QStringView layoutLineEnd) {
    TVars vars(&screen);
    vars.set(u"layoutSuffix", layoutSuffix.toString()).set(u"lineEnd", layoutLineEnd.toString());
    printer.print(
        u"\t@Override\n"
        "\tpublic void onCreate(Bundle savedInstanceState) {\n"
        "\t\tsuper.onCreate(savedInstanceState);\n"
        "\t\t// 设置标题\n"
        "\t\tsetTitle(\"手机客户端-$title$\");\n"
        "\t\t// 设置当前Activity界面布局\n"
        "\t\tsetContentView(R.layout.$class$_$layoutSuffix$);$lineEnd$\n",
        vars);
}

void PrintFormFields(TPrinter& printer, const TClassCode& code, const TVars& screen) {
    int nextRequest = 1;
    for (const TMemberInfo* member : code.cls.nonKeyMembers()) {
        const TMemberTemplates& templates = TemplatesOf(member->category);
        TVars vars(&screen, &code.member(*member, StemAmong::FormDropDowns));
        vars.set(u"selectRequest", QString::number(nextRequest))
            .set(u"cameraRequest", QString::number(nextRequest + 1));
        printer.print(templates.formFields, vars);
        nextRequest += templates.requestCodes;
    }
    printer.print(
        u"\tprotected String carmera_path;\n"
        "\t/*要保存的$friend$信息*/\n"
        "\t$Class$ $cls$ = new $Class$();\n"
        "\t/*$friend$管理业务逻辑层*/\n"
        "\tprivate $Class$Service $cls$Service = new $Class$Service();\n"
        "\n",
        screen);
}

void PrintFormSetUp(TPrinter& printer, const TClassCode& code, const TVars& screen) {
    PrintEach(printer, code, code.cls.nonKeyMembers(), screen, &TMemberTemplates::formSetUp,
              StemAmong::FormDropDowns);
}

void PrintSaveHandlerStart(TPrinter& printer, const TVars& screen) {
    printer.print(
        u"\t\t/*单击$action$$friend$按钮*/\n"
        "\t\t$button$.setOnClickListener(new OnClickListener() {\n"
        "\t\t\tpublic void onClick(View v) {\n"
        "\t\t\t\ttry {\n",
        screen);
}

void PrintFormSaveSteps(TPrinter& printer, const TClassCode& code, const TVars& screen,
                        QStringView TMemberTemplates::*saveStep) {
    PrintEach(printer, code, code.cls.nonKeyMembers(), screen, saveStep);
}

void PrintSendAndReturn(TPrinter& printer, const TVars& screen) {
    printer.print(
        u"\t\t\t\t\t/*调用业务逻辑层上传$friend$信息*/\n"
        "\t\t\t\t\t$activity$.this.setTitle(\"正在$upload$$friendText$信息，稍等...\");\n"
        "\t\t\t\t\tString result = $cls$Service.$operation$$Class$($cls$);\n"
        "\t\t\t\t\tToast.makeText(getApplicationContext(), result, 1).show(); \n"
        "\t\t\t\t\t/*操作完成后返回到$friend$管理界面*/ \n"
        "\t\t\t\t\tIntent intent = new Intent();\n"
        "\t\t\t\t\tintent.setClass($activity$.this, $Class$ListActivity.class);\n"
        "\t\t\t\t\tstartActivity(intent); \n"
        "\t\t\t\t\t$activity$.this.finish();\n"
        "\t\t\t\t} catch (Exception e) {\n"
        "\t\t\t\t\t/*没有保存: 说明原因, 输入的内容留在界面上*/\n"
        "\t\t\t\t\t$activity$.this.setTitle(\"手机客户端-$title$\");\n"
        "\t\t\t\t\tToast.makeText(getApplicationContext(), HttpUtil.errorText(e), 1).show();\n"
        "\t\t\t\t}\n"
        "\t\t\t}\n"
        "\t\t});\n"
        "\t}\n"
        "\n",
        screen);
}

void PrintLoadObject(TPrinter& printer, const TVars& screen) {
    printer.print(
        u"\t\ttry {\n"
        "\t\t\tinitViewData();\n"
        "\t\t} catch (Exception e) {\n"
        "\t\t\tToast.makeText(this, HttpUtil.errorText(e), Toast.LENGTH_LONG).show();\n"
        "\t\t\tfinish();\n"
        "\t\t}\n",
        screen);
}

void PrintObjectGone(TPrinter& printer, const TVars& screen) {
    printer.print(
        u"\t\tif ($cls$ == null) {\n"
        "\t\t\tToast.makeText(this, \"$friendText$信息不存在, 可能已被删除!\", "
        "Toast.LENGTH_LONG).show();\n"
        "\t\t\tfinish();\n"
        "\t\t\treturn;\n"
        "\t\t}\n",
        screen);
}

void PrintFormResults(TPrinter& printer, const TClassCode& code, const TVars& screen) {
    printer.print(
        u"\t@Override\n"
        "\tprotected void onActivityResult(int requestCode, int resultCode, Intent "
        "data) {\n"
        "\t\tsuper.onActivityResult(requestCode, resultCode, data);\n");
    PrintEach(printer, code, code.cls.nonKeyMembers(), screen, &TMemberTemplates::formResult);
    printer.print(u"\t}\n}\n");
}

#include "generators/client/LayoutPieces.h"

void PrintFormHead(TPrinter& printer, const TFormHead& head) {
    TVars vars;
    vars.setTemplates({{u"namespaceEnd", head.namespaceEnd},
                       {u"backgroundEnd", head.backgroundEnd},
                       {u"indent", head.tableIndent},
                       {u"widthEnd", head.tableWidthEnd},
                       {u"heightEnd", head.tableHeightEnd}});
    printer.print(
        u"<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
        "<ScrollView\n"
        " android:layout_width=\"fill_parent\" \n"
        " android:layout_height=\"fill_parent\"\n"
        "xmlns:android=\"http://schemas.android.com/apk/res/android\">$namespaceEnd$\n"
        "<LinearLayout \n"
        "\tandroid:orientation=\"vertical\" \n"
        "\tandroid:layout_width=\"fill_parent\"\n"
        "\tandroid:layout_height=\"wrap_content\"\n"
        "\tandroid:background=\"@drawable/login\"$backgroundEnd$\n"
        "\t<TableLayout xmlns:android=\"http://schemas.android.com/apk/res/android\" \n"
        "$indent$android:layout_width=\"fill_parent\"$widthEnd$\n"
        "$indent$android:layout_height=\"fill_parent\"$heightEnd$\n"
        "$indent$android:stretchColumns=\"1\">\n",
        vars);
}

void PrintFormFoot(TPrinter& printer, const TFormFoot& foot, const TVars& classVars) {
    TVars vars(&classVars);
    vars.setTemplates({{u"heightEnd", foot.barHeightEnd},
                       {u"gravityEnd", foot.barGravityEnd},
                       {u"openEnd", foot.buttonOpenEnd},
                       {u"text", foot.buttonText},
                       {u"id", foot.buttonId},
                       {u"closeEnd", foot.barCloseEnd}});
    printer.print(
        u"\t</TableLayout>\n"
        "\t<LinearLayout \n"
        "\t\tandroid:orientation=\"horizontal\" \n"
        "\t\tandroid:layout_width=\"fill_parent\"\n"
        "\t\tandroid:layout_height=\"50dp\"$heightEnd$\n"
        "\t\tandroid:gravity=\"center\">$gravityEnd$\n"
        "\t\t   <Button$openEnd$\n"
        "\t\t\t\tandroid:text=\"$text$\" \n"
        "\t\t\t\tandroid:id=\"@+id/$id$\"\n"
        "\t\t\t\tandroid:layout_height=\"wrap_content\" \n"
        "\t\t\t\tandroid:layout_marginRight=\"50dp\"\n"
        "\t\t\t\tandroid:layout_width=\"50dp\"/> \n"
        "\t</LinearLayout>$closeEnd$\n"
        "  </LinearLayout>\n"
        "</ScrollView>\n",
        vars);
}

void PrintRow(TPrinter& printer, const TRowStyle& style, const TVars& member, QStringView widget) {
    TVars vars(&member);
    vars.setTemplates({{u"open", style.open},
                       {u"openEnd", style.labelOpenEnd},
                       {u"textEnd", style.labelTextEnd},
                       {u"colorEnd", style.labelColorEnd}});
    printer
        .print(
            u"$open$\n"
            "\t\t\t<TextView$openEnd$\n"
            "\t\t\t\tandroid:text=\"$commentXml$：\"$textEnd$\n"
            "\t\t\t\tandroid:id=\"@+id/$labelId$\"\n"
            "\t\t\t\tandroid:layout_width=\"wrap_content\" \n"
            "\t\t\t\tandroid:layout_height=\"wrap_content\"\n"
            "\t\t\t\tandroid:textColor=\"#0000ff\"$colorEnd$\n",
            vars)
        .print(widget, member)
        .print(style.close)
        .print(u"\n");
}

#include "generators/LayoutPieces.h"

#include "generators/ViewIds.h"

void PrintFormHead(TPrinter& printer, const TFormHead& head) {
    TVars vars;
    vars.set(u"namespaceEnd", head.namespaceEnd.toString())
        .set(u"backgroundEnd", Format(head.backgroundEnd, vars))
        .set(u"indent", head.tableIndent.toString())
        .set(u"widthEnd", head.tableWidthEnd.toString())
        .set(u"heightEnd", head.tableHeightEnd.toString());
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

void PrintFormFoot(TPrinter& printer, const TFormFoot& foot) {
    TVars vars;
    vars.set(u"heightEnd", foot.barHeightEnd.toString())
        .set(u"gravityEnd", foot.barGravityEnd.toString())
        .set(u"openEnd", foot.buttonOpenEnd.toString())
        .set(u"text", foot.buttonText.toString())
        .set(u"id", foot.buttonId.toString())
        .set(u"closeEnd", foot.barCloseEnd.toString());
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

#include "generators/LayoutPieces.h"

#include "generation/TextForms.h"

void WriteFormHead(TCodeText& code, const TFormHead& head) {
    code.lines({kXmlDeclaration, "<ScrollView", " android:layout_width=\"fill_parent\" ",
                " android:layout_height=\"fill_parent\"",
                "xmlns:android=\"" + kAndroidNamespace + "\">" + head.namespaceEnd,
                "<LinearLayout ", "\tandroid:orientation=\"vertical\" ",
                "\tandroid:layout_width=\"fill_parent\"",
                "\tandroid:layout_height=\"wrap_content\""});
    if (head.backgroundClosesTag) {
        code.line("\tandroid:background=\"@drawable/login\">");
    } else {
        code.lines({"\tandroid:background=\"@drawable/login\"", "\t> "});
    }
    code.lines({"\t<TableLayout xmlns:android=\"" + kAndroidNamespace + "\" ",
                head.tableIndent + "android:layout_width=\"fill_parent\"" + head.tableWidthEnd,
                head.tableIndent + "android:layout_height=\"fill_parent\"" + head.tableHeightEnd,
                head.tableIndent + "android:stretchColumns=\"1\">"});
}

void WriteFormFoot(TCodeText& code, const TFormFoot& foot) {
    code.lines(
        {"\t</TableLayout>", "\t<LinearLayout ", "\t\tandroid:orientation=\"horizontal\" ",
         "\t\tandroid:layout_width=\"fill_parent\"",
         "\t\tandroid:layout_height=\"50dp\"" + foot.barHeightEnd,
         "\t\tandroid:gravity=\"center\">" + foot.barGravityEnd,
         "\t\t   <Button" + foot.buttonOpenEnd, "\t\t\t\tandroid:text=\"" + foot.buttonText + "\" ",
         "\t\t\t\tandroid:id=\"@+id/" + foot.buttonId + "\"",
         "\t\t\t\tandroid:layout_height=\"wrap_content\" ",
         "\t\t\t\tandroid:layout_marginRight=\"50dp\"", "\t\t\t\tandroid:layout_width=\"50dp\"/> ",
         "\t</LinearLayout>" + foot.barCloseEnd, "  </LinearLayout>", "</ScrollView>"});
}

void WriteLabel(TCodeText& code, const TLabelStyle& style, const QString& text) {
    code.lines(
        {"\t\t\t<TextView" + style.openEnd, "\t\t\t\tandroid:text=\"" + text + "\"" + style.textEnd,
         "\t\t\t\tandroid:id=\"@+id/TextView\"", "\t\t\t\tandroid:layout_width=\"wrap_content\" ",
         "\t\t\t\tandroid:layout_height=\"wrap_content\"",
         "\t\t\t\tandroid:textColor=\"#0000ff\"" + style.colorEnd});
    if (style.closesOnOwnLine) {
        code.line("\t\t\t/>");
    }
}

QString LabelText(const QString& comment) {
    return InXmlAttribute(comment) + QStringLiteral("：");
}

void WriteTextBox(TCodeText& code, const QString& openLine, const QString& textEnd,
                  const QString& id, bool multiLine) {
    code.lines({openLine, "\t\t\t\tandroid:text=\"\"" + textEnd,
                "\t\t\t\tandroid:id=\"@+id/" + id + "\" ",
                QStringLiteral("\t\t\t\tandroid:layout_width=\"%1\"")
                    .arg(multiLine ? QStringLiteral("60dp") : QStringLiteral("fill_parent")),
                "\t\t\t\tandroid:layout_height=\"wrap_content\""});
    if (multiLine) {
        code.lines({"\t\t\t\tandroid:inputType=\"textMultiLine\"",
                    "\t\t\t\tandroid:singleLine=\"false\"",
                    "\t\t\t\tandroid:scrollHorizontally=\"false\""});
    }
    code.line("\t\t\t/>");
}

#pragma once

#include <QStringView>

#include "generation/Printer.h"

// Pieces shared by the layouts, chiefly by the four forms (add, edit, detail, query). The forms
// agree on their structure but not on their white space, so each piece takes the white space that
// differs as plain text; the lines themselves are written here once.

// The head of a form: a scroll view holding a vertical linear layout with the "login"
// background, which opens the two-column table.
struct TFormHead {
    QStringView namespaceEnd;  // after the scroll view's namespace declaration
    QStringView
        backgroundEnd;        // after the background: ">" or a line of its own that closes the tag
    QStringView tableIndent;  // before each of the table's attribute lines
    QStringView tableWidthEnd;   // after the table's layout_width
    QStringView tableHeightEnd;  // after the table's layout_height
};
void PrintFormHead(TPrinter& printer, const TFormHead& head);

// The foot of a form: the table's end and a centred bar with one button.
struct TFormFoot {
    QStringView barHeightEnd;   // after the bar's layout_height
    QStringView barGravityEnd;  // after the bar's gravity, which closes its tag
    QStringView buttonOpenEnd;  // after "<Button"
    QStringView buttonText;
    QStringView buttonId;
    QStringView barCloseEnd;  // after the bar's end tag
};
void PrintFormFoot(TPrinter& printer, const TFormFoot& foot);

// A table row with a blue label in its first column (every label has the same id) and the
// widget that `printWidget` prints; the label's text is the member's comment and a full-width
// colon ($commentXml$ of `member`, the member's variables).
struct TRowStyle {
    QStringView open;
    QStringView labelOpenEnd;   // after "<TextView"
    QStringView labelTextEnd;   // after the text attribute
    QStringView labelColorEnd;  // after the text colour attribute, up to the tag's close
    QStringView close;
};
template <typename Widget>
void PrintRow(TPrinter& printer, const TRowStyle& style, const TVars& member, Widget printWidget) {
    TVars vars(&member);
    vars.set(u"open", style.open.toString())
        .set(u"openEnd", style.labelOpenEnd.toString())
        .set(u"textEnd", style.labelTextEnd.toString())
        .set(u"colorEnd", Format(style.labelColorEnd, vars));
    printer.print(
        u"$open$\n"
        "\t\t\t<TextView$openEnd$\n"
        "\t\t\t\tandroid:text=\"$commentXml$：\"$textEnd$\n"
        "\t\t\t\tandroid:id=\"@+id/$labelId$\"\n"
        "\t\t\t\tandroid:layout_width=\"wrap_content\" \n"
        "\t\t\t\tandroid:layout_height=\"wrap_content\"\n"
        "\t\t\t\tandroid:textColor=\"#0000ff\"$colorEnd$\n",
        vars);
    printWidget();
    printer.print(style.close).print(u"\n");
}

#pragma once

#include <QStringView>

#include "generation/Printer.h"

// Pieces shared by the four forms (add, edit, detail, query). The forms agree on their
// structure but not on their white space, so each piece takes the white space that differs as
// plain text; the lines themselves are written here once.

// The head of a form: a scroll view holding a vertical linear layout with the "login"
// background, which opens the two-column table. Each field is what follows: the scroll view's
// namespace declaration; the background (">", or a line of its own that closes the tag); then
// what comes before each of the table's attribute lines, after its width, after its height.
struct TFormHead {
    QStringView namespaceEnd, backgroundEnd, tableIndent, tableWidthEnd, tableHeightEnd;
};
void PrintFormHead(TPrinter& printer, const TFormHead& head);

// The foot of a form: the table's end and a centred bar with one button. What follows the bar's
// height, its gravity (which closes its tag), "<Button"; the button's text and id (a template);
// what follows the bar's end tag.
struct TFormFoot {
    QStringView barHeightEnd, barGravityEnd, buttonOpenEnd, buttonText, buttonId, barCloseEnd;
};
void PrintFormFoot(TPrinter& printer, const TFormFoot& foot, const TVars& classVars);

// A table row with a blue label in its first column (the member's comment and a full-width
// colon; every label has the same id) and the member's widget in the second. The row's first
// line, what follows "<TextView", the label's text and text colour (up to the label's end), and
// the row's last line.
struct TRowStyle {
    QStringView open, labelOpenEnd, labelTextEnd, labelColorEnd, close;
};
void PrintRow(TPrinter& printer, const TRowStyle& style, const TVars& member, QStringView widget);

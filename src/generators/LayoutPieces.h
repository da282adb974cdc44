#pragma once

#include <QString>

#include "generation/CodeText.h"
#include "generation/TextForms.h"

// Pieces shared by the layouts, chiefly by the four forms (add, edit, detail, query). The forms
// agree on their structure but not on their white space, so each piece takes the white space that
// differs as plain text; the lines themselves are written here once.

inline const QString kAndroidNamespace =
    QStringLiteral("http://schemas.android.com/apk/res/android");
inline const QString kXmlDeclaration = QStringLiteral("<?xml version=\"1.0\" encoding=\"utf-8\"?>");

// The head of a form: a scroll view holding a vertical linear layout with the "login"
// background, which opens the two-column table.
struct TFormHead {
    QString namespaceEnd;      // after the scroll view's namespace declaration
    bool backgroundClosesTag;  // the linear layout closes on its background line
    QString tableIndent;       // before each of the table's attribute lines
    QString tableWidthEnd;     // after the table's layout_width
    QString tableHeightEnd;    // after the table's layout_height
};
void WriteFormHead(TCodeText& code, const TFormHead& head);

// The foot of a form: the table's end and a centred bar with one button.
struct TFormFoot {
    QString barHeightEnd;   // after the bar's layout_height
    QString barGravityEnd;  // after the bar's gravity, which closes its tag
    QString buttonOpenEnd;  // after "<Button"
    QString buttonText;
    QString buttonId;
    QString barCloseEnd;  // after the bar's end tag
};
void WriteFormFoot(TCodeText& code, const TFormFoot& foot);

// A blue label in the first column of a table row; every label has the id "TextView".
struct TLabelStyle {
    QString openEnd;   // after "<TextView"
    QString textEnd;   // after the text attribute
    QString colorEnd;  // after the text colour attribute
    bool closesOnOwnLine;
};
void WriteLabel(TCodeText& code, const TLabelStyle& style, const QString& text);

// A table row: its start line, a label and its end line; the widget goes between label and end.
struct TRowStyle {
    QString open;
    TLabelStyle label;
    QString close;
};
template <typename Widget>
void WriteRow(TCodeText& code, const TRowStyle& style, const QString& labelText, Widget widget) {
    code.line(style.open);
    WriteLabel(code, style.label, labelText);
    widget(code);
    code.line(style.close);
}

// A member's label text: its comment followed by a full-width colon.
QString LabelText(const QString& comment);

// An empty text box in the second column, either "<EditText " or "<TextView" as openLine; a
// multi-line box is 60 dp wide and wraps, a single-line box fills the column.
void WriteTextBox(TCodeText& code, const QString& openLine, const QString& textEnd,
                  const QString& id, bool multiLine);

// The query layout: one condition row per query member (two for a date, whose check box says
// whether the date takes part) above a centred query button.

#include "generators/LayoutBuilders.h"
#include "generators/LayoutPieces.h"

namespace {

const TFormHead kQueryHead = {.namespaceEnd = "  ",
                              .backgroundClosesTag = true,
                              .tableIndent = "\t\t",
                              .tableWidthEnd = " ",
                              .tableHeightEnd = " "};
const TRowStyle kQueryRow = {
    .open = "\t\t<TableRow> ",
    .label = {.openEnd = " ", .textEnd = " ", .colorEnd = "/>", .closesOnOwnLine = false},
    .close = "\t\t</TableRow>"};
const TFormFoot kQueryFoot = {.barHeightEnd = " ",
                              .barGravityEnd = "  ",
                              .buttonOpenEnd = "  ",
                              .buttonText = "查询",
                              .buttonId = "btnQuery",
                              .barCloseEnd = " "};

void WriteTextCondition(TCodeText& code, const TMemberInfo& member) {
    code.lines({"\t\t\t<EditText", "\t\t\tandroid:text=\"\" ",
                "\t\t\tandroid:id=\"@+id/ET_" + member.name() + "\"",
                "\t\t\tandroid:layout_width=\"fill_parent\"",
                "\t\t\tandroid:layout_height=\"wrap_content\"/>"});
}

// The date picker, then a second row whose check box switches the date condition on.
void WriteDateCondition(TCodeText& code, const TMemberInfo& member) {
    code.lines({"\t\t\t<DatePicker", "\t\t\t\tandroid:id=\"@+id/dp_" + member.name() + "\" ",
                "\t\t\t\tandroid:layout_width=\"fill_parent\"",
                "\t\t\t\tandroid:layout_height=\"wrap_content\"/>", "\t\t</TableRow> ",
                "\t\t<TableRow>"});
    WriteLabel(code, kQueryRow.label, QStringLiteral("       "));
    code.lines({"    \t\t<CheckBox ",
                "    \t\t    android:text=\"" + InXmlAttribute(member.comment()) + "参与查询\" ",
                "    \t\t    android:id=\"@+id/cb_" + member.name() + "\" ",
                "    \t\t    android:layout_width=\"wrap_content\" ",
                "    \t\t    android:layout_height=\"wrap_content\"/>"});
}

void WriteChoiceCondition(TCodeText& code, const TMemberInfo& member) {
    code.lines({"\t\t\t<Spinner android:id=\"@+id/Spinner_" + member.name() + "\" ",
                "\t\t\t\tandroid:layout_width=\"fill_parent\"",
                "\t\t\t\tandroid:layout_height=\"wrap_content\"/>"});
}

void WriteCondition(TCodeText& code, const TMemberInfo& member) {
    switch (member.queryCategory()) {
        case MemberCategory::String:
            WriteTextCondition(code, member);
            break;
        case MemberCategory::Date:
            WriteDateCondition(code, member);
            break;
        default:
            WriteChoiceCondition(code, member);
            break;
    }
}

}  // namespace

TGeneratedFile BuildQueryLayout(const TClassModel& cls) {
    TCodeText code;
    WriteFormHead(code, kQueryHead);
    for (const TMemberInfo* member : cls.queryMembers()) {
        WriteRow(code, kQueryRow, LabelText(member->comment()),
                 [member](TCodeText& row) { WriteCondition(row, *member); });
    }
    WriteFormFoot(code, kQueryFoot);
    return TGeneratedFile::Layout(cls.layoutName() + "_query.xml", code.text());
}

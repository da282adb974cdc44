// The add, edit and detail layouts: a scrolling two-column form with one row per member.

#include "generators/LayoutBuilders.h"
#include "generators/LayoutPieces.h"
#include "generators/MemberTemplates.h"
#include "generators/ViewIds.h"

namespace {

constexpr TFormHead kInputHead = {.namespaceEnd = u"",
                                  .backgroundEnd = u"\n\t> ",
                                  .tableIndent = u"\t",
                                  .tableWidthEnd = u" ",
                                  .tableHeightEnd = u""};
constexpr TRowStyle kInputKeyRow = {.open = u"\t    <TableRow> ",
                                    .labelOpenEnd = u" ",
                                    .labelTextEnd = u"",
                                    .labelColorEnd = u" \n\t\t\t/>",
                                    .close = u"\t\t</TableRow>\n"};
constexpr TRowStyle kInputMemberRow = {.open = u"\t\t<TableRow>",
                                       .labelOpenEnd = u" ",
                                       .labelTextEnd = u" ",
                                       .labelColorEnd = u" \n\t\t\t/>",
                                       .close = u"\t\t</TableRow> "};

constexpr TFormHead kDetailHead = {.namespaceEnd = u"",
                                   .backgroundEnd = u">",
                                   .tableIndent = u"\t\t",
                                   .tableWidthEnd = u"",
                                   .tableHeightEnd = u" "};
constexpr TRowStyle kDetailKeyRow = {.open = u"\t    <TableRow> ",
                                     .labelOpenEnd = u" ",
                                     .labelTextEnd = u" ",
                                     .labelColorEnd = u" \n\t\t\t/>",
                                     .close = u"\t\t</TableRow>"};
constexpr TRowStyle kDetailMemberRow = {.open = u"\t    <TableRow>",
                                        .labelOpenEnd = u"",
                                        .labelTextEnd = u" ",
                                        .labelColorEnd = u"\n\t\t\t/>",
                                        .close = u"\t\t</TableRow>"};
constexpr TFormFoot kDetailFoot = {.barHeightEnd = u"",
                                   .barGravityEnd = u" ",
                                   .buttonOpenEnd = u"",
                                   .buttonText = u"返回",
                                   .buttonId = ViewId::kReturnButton,
                                   .barCloseEnd = u""};

enum class InputForm { Add, Edit };

// A key's box never wraps.
TVars keyVars(const TClassCode& code, const TVars& classVars) {
    TVars key(&classVars, &code.member(*code.cls.keyMember()));
    key.set(u"boxWidth", QStringLiteral("fill_parent")).set(u"multiLine", QString());
    return key;
}

// The add form has a key field only for a text key (an integer key is assigned by the server);
// the edit form always shows the key, read-only.
void printInputKeyRow(TPrinter& printer, const TClassCode& code, const TVars& classVars,
                      InputForm form) {
    if (code.cls.keyMember() == nullptr || (form == InputForm::Add && code.cls.hasIntegerKey())) {
        return;
    }
    const TVars key = keyVars(code, classVars);
    PrintRow(printer, kInputKeyRow, key, [&] {
        printer.print(form == InputForm::Edit
                          ? QStringView(kShownTextBox)
                          : QStringView(u"\t\t\t<EditText\n"
                                        "\t\t\t\tandroid:text=\"\"\n"
                                        "\t\t\t\tandroid:id=\"@+id/$etId$\" \n"
                                        "\t\t\t\tandroid:layout_width=\"fill_parent\"\n"
                                        "\t\t\t\tandroid:layout_height=\"wrap_content\"\n"
                                        "\t\t\t/>\n"),
                      key);
    });
}

TGeneratedFile buildInputLayout(const TClassCode& code, InputForm form) {
    const bool add = form == InputForm::Add;
    const TVars& classVars = code.vars();
    TPrinter printer;
    PrintFormHead(printer, kInputHead);
    printInputKeyRow(printer, code, classVars, form);
    for (const TMemberInfo* member : code.cls.nonKeyMembers()) {
        const TVars vars(&classVars, &code.member(*member));
        PrintRow(printer, kInputMemberRow, vars,
                 [&] { printer.print(TemplatesOf(member->category).inputWidget, vars); });
    }
    PrintFormFoot(printer, {.barHeightEnd = u" ",
                            .barGravityEnd = u"",
                            .buttonOpenEnd = u" ",
                            .buttonText = u"确定",
                            .buttonId = add ? ViewId::kAddButton : ViewId::kUpdateButton,
                            .barCloseEnd = u" "});
    printer.print(u"\n\n");
    return TGeneratedFile::Layout(Format(add ? u"$class$_add.xml" : u"$class$_edit.xml", classVars),
                                  printer.text());
}

}  // namespace

TGeneratedFile BuildAddLayout(const TClassCode& code) {
    return buildInputLayout(code, InputForm::Add);
}

TGeneratedFile BuildEditLayout(const TClassCode& code) {
    return buildInputLayout(code, InputForm::Edit);
}

// The detail screen shows every image member, an image key too, as a picture.
TGeneratedFile BuildDetailLayout(const TClassCode& code) {
    const TVars& classVars = code.vars();
    TPrinter printer;
    PrintFormHead(printer, kDetailHead);
    if (code.cls.keyMember() != nullptr) {
        const TVars key = keyVars(code, classVars);
        PrintRow(printer, kDetailKeyRow, key, [&] {
            printer.print(TemplatesOf(code.cls.keyMember()->category).detailWidget, key);
        });
    }
    for (const TMemberInfo* member : code.cls.nonKeyMembers()) {
        const TVars vars(&classVars, &code.member(*member));
        PrintRow(printer, kDetailMemberRow, vars,
                 [&] { printer.print(TemplatesOf(member->category).detailWidget, vars); });
    }
    PrintFormFoot(printer, kDetailFoot);
    return TGeneratedFile::Layout(Format(u"$class$_detail.xml", classVars), printer.text());
}

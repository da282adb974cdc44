// The add, edit and detail layouts: a scrolling two-column form with one row per member.

#include "generators/client/ClientFile.h"
#include "generators/client/FileBuilders.h"
#include "generators/client/LayoutPieces.h"
#include "generators/client/MemberTemplates.h"

namespace {

constexpr TFormHead kInputHead = {u"", u"\n\t> ", u"\t", u" ", u""};
constexpr TRowStyle kInputKeyRow = {u"\t    <TableRow> ", u" ", u"", u" \n\t\t\t/>",
                                    u"\t\t</TableRow>\n"};
constexpr TRowStyle kInputMemberRow = {u"\t\t<TableRow>", u" ", u" ", u" \n\t\t\t/>",
                                       u"\t\t</TableRow> "};

constexpr TFormHead kDetailHead = {u"", u">", u"\t\t", u"", u" "};
constexpr TRowStyle kDetailKeyRow = {u"\t    <TableRow> ", u" ", u" ", u" \n\t\t\t/>",
                                     u"\t\t</TableRow>"};
constexpr TRowStyle kDetailMemberRow = {u"\t    <TableRow>", u"", u" ", u"\n\t\t\t/>",
                                        u"\t\t</TableRow>"};
constexpr TFormFoot kDetailFoot = {u"", u" ", u"", u"返回", u"$returnButtonId$", u""};

// The add form's key box, which is its only one without trailing blanks.
constexpr char16_t kKeyInput[] =
    u"\t\t\t<EditText\n"
    "\t\t\t\tandroid:text=\"\"\n"
    "\t\t\t\tandroid:id=\"@+id/$etId$\" \n"
    "\t\t\t\tandroid:layout_width=\"fill_parent\"\n"
    "\t\t\t\tandroid:layout_height=\"wrap_content\"\n"
    "\t\t\t/>\n";

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
    PrintRow(printer, kInputKeyRow, keyVars(code, classVars),
             form == InputForm::Edit ? QStringView(kShownTextBox) : QStringView(kKeyInput));
}

TGeneratedFile buildInputLayout(const TClassCode& code, InputForm form) {
    const bool add = form == InputForm::Add;
    const TVars& classVars = code.vars();
    TPrinter printer;
    PrintFormHead(printer, kInputHead);
    printInputKeyRow(printer, code, classVars, form);
    for (const TMemberInfo* member : code.cls.nonKeyMembers()) {
        PrintRow(printer, kInputMemberRow, TVars(&classVars, &code.member(*member)),
                 TemplatesOf(member->category).inputWidget);
    }
    PrintFormFoot(printer,
                  {u" ", u"", u" ", u"确定", add ? u"$addButtonId$" : u"$updateButtonId$", u" "},
                  classVars);
    printer.print(u"\n\n");
    return ClientLayoutFile(Format(add ? u"$class$_add.xml" : u"$class$_edit.xml", classVars),
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
        PrintRow(printer, kDetailKeyRow, keyVars(code, classVars),
                 TemplatesOf(code.cls.keyMember()->category).detailWidget);
    }
    for (const TMemberInfo* member : code.cls.nonKeyMembers()) {
        PrintRow(printer, kDetailMemberRow, TVars(&classVars, &code.member(*member)),
                 TemplatesOf(member->category).detailWidget);
    }
    PrintFormFoot(printer, kDetailFoot, classVars);
    return ClientLayoutFile(Format(u"$class$_detail.xml", classVars), printer.text());
}

// The add, edit and detail layouts: a scrolling two-column form with one row per member.

#include "generators/LayoutBuilders.h"
#include "generators/LayoutPieces.h"

namespace {

const TFormHead kInputHead = {.namespaceEnd = "",
                              .backgroundClosesTag = false,
                              .tableIndent = "\t",
                              .tableWidthEnd = " ",
                              .tableHeightEnd = ""};
const TRowStyle kInputKeyRow = {
    .open = "\t    <TableRow> ",
    .label = {.openEnd = " ", .textEnd = "", .colorEnd = " ", .closesOnOwnLine = true},
    .close = "\t\t</TableRow>"};
const TRowStyle kInputMemberRow = {
    .open = "\t\t<TableRow>",
    .label = {.openEnd = " ", .textEnd = " ", .colorEnd = " ", .closesOnOwnLine = true},
    .close = "\t\t</TableRow> "};

const TFormHead kDetailHead = {.namespaceEnd = "",
                               .backgroundClosesTag = true,
                               .tableIndent = "\t\t",
                               .tableWidthEnd = "",
                               .tableHeightEnd = " "};
const TRowStyle kDetailKeyRow = {
    .open = "\t    <TableRow> ",
    .label = {.openEnd = " ", .textEnd = " ", .colorEnd = " ", .closesOnOwnLine = true},
    .close = "\t\t</TableRow>"};
const TRowStyle kDetailMemberRow = {
    .open = "\t    <TableRow>",
    .label = {.openEnd = "", .textEnd = " ", .colorEnd = "", .closesOnOwnLine = true},
    .close = "\t\t</TableRow>"};
const TFormFoot kDetailFoot = {.barHeightEnd = "",
                               .barGravityEnd = " ",
                               .buttonOpenEnd = "",
                               .buttonText = "返回",
                               .buttonId = "btnReturn",
                               .barCloseEnd = ""};

enum class InputForm { Add, Edit };

// Long strings get a multi-line box (threshold 100, inclusive).
bool IsLongString(const TMemberInfo& member) {
    return member.category == MemberCategory::String && member.member.memberLength >= 100;
}

void WriteNumberBox(TCodeText& code, const TMemberInfo& member, const QString& textEnd,
                    const QString& inputType) {
    code.lines({"\t\t\t<EditText", "\t\t\t\tandroid:text=\"\"" + textEnd,
                "\t\t\t\tandroid:id=\"@+id/ET_" + member.name() + "\"",
                "\t\t\t\tandroid:inputType=\"" + inputType + "\" ",
                "\t\t\t\tandroid:layout_width=\"fill_parent\" ",
                "\t\t\t\tandroid:layout_height=\"wrap_content\"", "\t\t\t/>"});
}

// The picture with a photo button below it in a right-aligned row of its own.
void WritePhotoPicker(TCodeText& code, const TMemberInfo& member) {
    code.lines({"\t\t\t<ImageView android:id=\"@+id/iv_" + member.name() + "\" ",
                "\t\t\t\tandroid:layout_width=\"80dp\"", "\t\t\t\tandroid:layout_height=\"80dp\" ",
                "\t\t\t\tandroid:src=\"@drawable/noimage\" ", "\t\t\t/> ", "\t\t</TableRow>",
                "\t\t<TableRow android:gravity=\"right\">", "\t\t\t<Button ",
                "\t\t\t\tandroid:text=\"拍照\"",
                "\t\t\t\tandroid:id=\"@+id/btn_" + member.name() + "\"",
                "\t\t\t\tandroid:layout_width=\"60dp\" ",
                "\t\t\t\tandroid:layout_height=\"wrap_content\"", "\t\t\t/> "});
}

void WriteInputWidget(TCodeText& code, const TMemberInfo& member) {
    switch (member.category) {
        case MemberCategory::String:
            WriteTextBox(code, "\t\t\t<EditText ", " ", "ET_" + member.name(),
                         IsLongString(member));
            break;
        case MemberCategory::Image:
            WritePhotoPicker(code, member);
            break;
        case MemberCategory::Date:
            code.lines({"\t\t\t<DatePicker ",
                        "\t\t\t\tandroid:id=\"@+id/dp_" + member.name() + "\"",
                        "\t\t\t\tandroid:layout_width=\"fill_parent\"",
                        "\t\t\t\tandroid:layout_height=\"wrap_content\" ", "\t\t\t/>", "", "", ""});
            break;
        case MemberCategory::Integer:
            WriteNumberBox(code, member, " ", "number");
            break;
        case MemberCategory::Float:
            WriteNumberBox(code, member, "", "numberDecimal");
            break;
        case MemberCategory::Reference:
            code.lines({"\t\t\t<Spinner ",
                        "\t\t\t\tandroid:id=\"@+id/Spinner_" + member.name() + "\" ",
                        "\t\t\t\tandroid:layout_width=\"fill_parent\" ",
                        "\t\t\t\tandroid:layout_height=\"wrap_content\"", "\t\t\t/>"});
            break;
    }
}

// A read-only text that a screen fills.
void WriteShownText(TCodeText& code, const QString& name, bool multiLine) {
    WriteTextBox(code, "\t\t\t<TextView", " ", "TV_" + name, multiLine);
}

void WriteDetailPicture(TCodeText& code, const TMemberInfo& member) {
    code.lines({"\t\t  <ImageView android:id=\"@+id/iv_" + member.name() + "\" ",
                "        \tandroid:layout_width=\"160dp\"  ",
                "        \tandroid:layout_height=\"160dp\"  ",
                "        \tandroid:src=\"@drawable/noimage\" ", "        \t/>  "});
}

// The add form has a key field only for a text key (an integer key is assigned by the server);
// the edit form always shows the key, read-only.
void WriteInputKeyRow(TCodeText& code, const TClassModel& cls, InputForm form) {
    const TMemberInfo* key = cls.keyMember();
    if (key == nullptr || (form == InputForm::Add && cls.hasIntegerKey())) {
        return;
    }
    WriteRow(code, kInputKeyRow, LabelText(key->comment()), [&](TCodeText& row) {
        if (form == InputForm::Add) {
            WriteTextBox(row, "\t\t\t<EditText", "", "ET_" + key->name(), false);
        } else {
            WriteShownText(row, key->name(), false);
        }
    });
    code.line();
}

TGeneratedFile BuildInputLayout(const TClassModel& cls, InputForm form) {
    const bool add = form == InputForm::Add;
    TCodeText code;
    WriteFormHead(code, kInputHead);
    WriteInputKeyRow(code, cls, form);
    for (const TMemberInfo* member : cls.nonKeyMembers()) {
        WriteRow(code, kInputMemberRow, LabelText(member->comment()),
                 [member](TCodeText& row) { WriteInputWidget(row, *member); });
    }
    WriteFormFoot(code, {.barHeightEnd = " ",
                         .barGravityEnd = "",
                         .buttonOpenEnd = " ",
                         .buttonText = "确定",
                         .buttonId = add ? "BtnAdd" : "BtnUpdate",
                         .barCloseEnd = " "});
    code.line().line();
    return TGeneratedFile::Layout(cls.layoutName() + (add ? "_add.xml" : "_edit.xml"), code.text());
}

}  // namespace

TGeneratedFile BuildAddLayout(const TClassModel& cls) {
    return BuildInputLayout(cls, InputForm::Add);
}

TGeneratedFile BuildEditLayout(const TClassModel& cls) {
    return BuildInputLayout(cls, InputForm::Edit);
}

TGeneratedFile BuildDetailLayout(const TClassModel& cls) {
    TCodeText code;
    WriteFormHead(code, kDetailHead);
    // The detail screen shows every image member, an image key too, as a picture.
    auto writeValue = [](TCodeText& row, const TMemberInfo& member, bool multiLine) {
        if (member.category == MemberCategory::Image) {
            WriteDetailPicture(row, member);
        } else {
            WriteShownText(row, member.name(), multiLine);
        }
    };
    if (const TMemberInfo* key = cls.keyMember()) {
        WriteRow(code, kDetailKeyRow, LabelText(key->comment()),
                 [&](TCodeText& row) { writeValue(row, *key, false); });
    }
    for (const TMemberInfo* member : cls.nonKeyMembers()) {
        WriteRow(code, kDetailMemberRow, LabelText(member->comment()),
                 [&](TCodeText& row) { writeValue(row, *member, IsLongString(*member)); });
    }
    WriteFormFoot(code, kDetailFoot);
    return TGeneratedFile::Layout(cls.layoutName() + "_detail.xml", code.text());
}

// The query layout: one condition row per query member (two for a date, whose check box says
// whether the date takes part) above a centred query button.

#include "generators/client/ClientFile.h"
#include "generators/client/FileBuilders.h"
#include "generators/client/LayoutPieces.h"
#include "generators/client/MemberTemplates.h"

namespace {

constexpr TFormHead kQueryHead = {u"  ", u">", u"\t\t", u" ", u" "};
constexpr TRowStyle kQueryRow = {u"\t\t<TableRow> ", u" ", u" ", u"/>", u"\t\t</TableRow>"};
constexpr TFormFoot kQueryFoot = {u" ", u"  ", u"  ", u"查询", u"$queryButtonId$", u" "};

}  // namespace

TGeneratedFile BuildQueryLayout(const TClassCode& code) {
    const TVars& classVars = code.vars();
    TPrinter printer;
    PrintFormHead(printer, kQueryHead);
    for (const TMemberInfo* member : code.cls.queryMembers()) {
        PrintRow(printer, kQueryRow, TVars(&classVars, &code.member(*member)),
                 TemplatesOf(member->category).queryWidget);
    }
    PrintFormFoot(printer, kQueryFoot, classVars);
    return ClientLayoutFile(Format(u"$class$_query.xml", classVars), printer.text());
}

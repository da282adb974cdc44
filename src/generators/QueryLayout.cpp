// The query layout: one condition row per query member (two for a date, whose check box says
// whether the date takes part) above a centred query button.

#include "generators/LayoutBuilders.h"
#include "generators/LayoutPieces.h"
#include "generators/MemberTemplates.h"
#include "generators/ViewIds.h"

namespace {

constexpr TFormHead kQueryHead = {.namespaceEnd = u"  ",
                                  .backgroundEnd = u">",
                                  .tableIndent = u"\t\t",
                                  .tableWidthEnd = u" ",
                                  .tableHeightEnd = u" "};
constexpr TRowStyle kQueryRow = {.open = u"\t\t<TableRow> ",
                                 .labelOpenEnd = u" ",
                                 .labelTextEnd = u" ",
                                 .labelColorEnd = u"/>",
                                 .close = u"\t\t</TableRow>"};
constexpr TFormFoot kQueryFoot = {.barHeightEnd = u" ",
                                  .barGravityEnd = u"  ",
                                  .buttonOpenEnd = u"  ",
                                  .buttonText = u"查询",
                                  .buttonId = ViewId::kQueryButton,
                                  .barCloseEnd = u" "};

}  // namespace

TGeneratedFile BuildQueryLayout(const TClassCode& code) {
    const TVars& classVars = code.vars();
    TPrinter printer;
    PrintFormHead(printer, kQueryHead);
    for (const TMemberInfo* member : code.cls.queryMembers()) {
        const TVars vars(&classVars, &code.member(*member));
        PrintRow(printer, kQueryRow, vars,
                 [&] { printer.print(TemplatesOf(member->category).queryWidget, vars); });
    }
    PrintFormFoot(printer, kQueryFoot);
    return TGeneratedFile::Layout(Format(u"$class$_query.xml", classVars), printer.text());
}

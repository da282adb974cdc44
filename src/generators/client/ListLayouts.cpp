// The list screen's layout (a heading per phone-list member above the list view) and the layout
// of one list row (a view per phone-list member, in the same order).

#include "generators/client/ClientFile.h"
#include "generators/client/FileBuilders.h"
#include "generators/client/MemberTemplates.h"

namespace {

constexpr char16_t kListHead[] =
    u"<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
    "<RelativeLayout xmlns:android=\"http://schemas.android.com/apk/res/android\"\n"
    "    android:layout_width=\"fill_parent\"\n"
    "    android:layout_height=\"fill_parent\"\n"
    "    android:background=\"@drawable/list_bg\" \n"
    ">\n"
    "    <TableLayout\n"
    "        android:layout_width=\"fill_parent\"\n"
    "        android:layout_height=\"fill_parent\"\n"
    "        android:stretchColumns=\"1\" >\n"
    "        <TableRow > \n";
constexpr char16_t kHeading[] =
    u"            <TextView\n"
    "                android:id=\"@+id/$tvId$\"\n"
    "                android:layout_width=\"80dp\"\n"
    "                android:layout_height=\"wrap_content\"\n"
    "                android:text=\"$commentXml$\"\n"
    "                android:textColor=\"#0000ff\" /> \n";
constexpr char16_t kListFoot[] =
    u"        </TableRow>\n"
    "        <TableRow android:gravity=\"right\" > \n"
    "        </TableRow> \n"
    "         <ListView\n"
    "            xmlns:android=\"http://schemas.android.com/apk/res/android\"\n"
    "            android:id=\"@+id/$listViewId$\"\n"
    "            android:layout_width=\"fill_parent\"\n"
    "            android:layout_height=\"fill_parent\" /> \n"
    "    </TableLayout>  \n"
    "</RelativeLayout>\n";

constexpr char16_t kRowHead[] =
    u"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<LinearLayout  \n"
    "  xmlns:android=\"http://schemas.android.com/apk/res/android\"  \n"
    "  android:layout_width=\"match_parent\"  \n"
    "  android:layout_height=\"match_parent\"> \n"
    "   <LinearLayout\n"
    "     android:layout_width=\"fill_parent\"\n"
    "     android:layout_height=\"wrap_content\"\n"
    "     android:orientation=\"horizontal\" \n"
    "     android:descendantFocusability=\"blocksDescendants\">\n";
constexpr char16_t kRowFoot[] =
    u"  </LinearLayout>\n"
    "</LinearLayout>\n";

}  // namespace

TGeneratedFiles BuildListLayouts(const TClassCode& code) {
    const TVars& classVars = code.vars();
    TPrinter list;
    TPrinter row;
    list.print(kListHead);
    row.print(kRowHead);
    for (const TMemberInfo* member : code.cls.phoneListMembers()) {
        const TVars vars(&classVars, &code.member(*member));
        list.print(kHeading, vars);
        row.print(TemplatesOf(member->category).rowView, vars);
    }
    list.print(kListFoot, classVars);
    row.print(kRowFoot);
    return {ClientLayoutFile(Format(u"$class$_list.xml", classVars), list.text()),
            ClientLayoutFile(Format(u"$class$_list_item.xml", classVars), row.text())};
}

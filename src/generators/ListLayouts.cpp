// The list screen's layout (a heading per phone-list member above the list view) and the layout
// of one list row (a view per phone-list member, in the same order).

#include "generation/CodeText.h"
#include "generators/LayoutBuilders.h"
#include "generators/LayoutPieces.h"

namespace {

void WriteHeading(TCodeText& code, const TMemberInfo& member) {
    code.lines({"            <TextView",
                "                android:id=\"@+id/TV_" + member.name() + "\"",
                "                android:layout_width=\"80dp\"",
                "                android:layout_height=\"wrap_content\"",
                "                android:text=\"" + InXmlAttribute(member.comment()) + "\"",
                "                android:textColor=\"#0000ff\" /> "});
}

void WriteRowView(TCodeText& code, const TMemberInfo& member) {
    if (member.category == MemberCategory::Image) {
        code.lines({"     <ImageView android:id=\"@+id/iv_" + member.name() + "\" ",
                    "        android:layout_width=\"50dp\" ",
                    "        android:layout_height=\"58dp\" ",
                    "        android:src=\"@drawable/ml_default_image\" ", "      /> "});
        return;
    }
    code.lines({"\t   <TextView", "\t     android:id=\"@+id/tv_" + member.name() + "\"",
                "\t     android:layout_width=\"fill_parent\"",
                "\t     android:layout_height=\"wrap_content\"",
                "\t     android:layout_weight=\"1\" ", "\t     android:layout_gravity=\"center\"",
                "\t     android:textSize=\"20dp\"/>"});
}

}  // namespace

TGeneratedFile BuildListLayout(const TClassModel& cls) {
    TCodeText code;
    code.lines({kXmlDeclaration, "<RelativeLayout xmlns:android=\"" + kAndroidNamespace + "\"",
                "    android:layout_width=\"fill_parent\"",
                "    android:layout_height=\"fill_parent\"",
                "    android:background=\"@drawable/list_bg\" ", ">", "    <TableLayout",
                "        android:layout_width=\"fill_parent\"",
                "        android:layout_height=\"fill_parent\"",
                "        android:stretchColumns=\"1\" >", "        <TableRow > "});
    for (const TMemberInfo* member : cls.phoneListMembers()) {
        WriteHeading(code, *member);
    }
    code.lines({"        </TableRow>", "        <TableRow android:gravity=\"right\" > ",
                "        </TableRow> ", "         <ListView",
                "            xmlns:android=\"" + kAndroidNamespace + "\"",
                "            android:id=\"@+id/h_list_view\"",
                "            android:layout_width=\"fill_parent\"",
                "            android:layout_height=\"fill_parent\" /> ", "    </TableLayout>  ",
                "</RelativeLayout>"});
    return TGeneratedFile::Layout(cls.layoutName() + "_list.xml", code.text());
}

TGeneratedFile BuildListItemLayout(const TClassModel& cls) {
    TCodeText code;
    code.lines(
        {"<?xml version=\"1.0\" encoding=\"UTF-8\"?>", "<LinearLayout  ",
         "  xmlns:android=\"" + kAndroidNamespace + "\"  ",
         "  android:layout_width=\"match_parent\"  ", "  android:layout_height=\"match_parent\"> ",
         "   <LinearLayout", "     android:layout_width=\"fill_parent\"",
         "     android:layout_height=\"wrap_content\"", "     android:orientation=\"horizontal\" ",
         "     android:descendantFocusability=\"blocksDescendants\">"});
    for (const TMemberInfo* member : cls.phoneListMembers()) {
        WriteRowView(code, *member);
    }
    code.lines({"  </LinearLayout>", "</LinearLayout>"});
    return TGeneratedFile::Layout(cls.layoutName() + "_list_item.xml", code.text());
}

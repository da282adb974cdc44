// <Class>ListActivity.java: the class's records in a list (optionally filtered by the query
// screen's condition), with thumbnails, a tap to the detail screen, edit and delete on a long
// press and add, query and main menu in the options menu.

#include "generators/client/FileBuilders.h"
#include "generators/client/ScreenPieces.h"

namespace {

const QStringList kListAndroidImports = {"android.app.Activity",
                                         "android.app.AlertDialog.Builder",
                                         "android.content.DialogInterface",
                                         "android.content.Intent",
                                         "android.content.DialogInterface.OnClickListener",
                                         "android.graphics.Bitmap",
                                         "android.graphics.BitmapFactory",
                                         "android.os.Bundle",
                                         "android.view.ContextMenu",
                                         "android.view.Menu",
                                         "android.view.MenuItem",
                                         "android.view.View",
                                         "android.view.ContextMenu.ContextMenuInfo",
                                         "android.view.View.OnCreateContextMenuListener",
                                         "android.widget.AdapterView",
                                         "android.widget.AdapterView.OnItemClickListener",
                                         "android.widget.ListView",
                                         "android.widget.Toast",
                                         "android.widget.AdapterView.AdapterContextMenuInfo"};

void printImports(TPrinter& printer, const TVars& screen) {
    printer.print(
        u"package com.mobileclient.activity;\n"
        "\n"
        "import java.util.ArrayList;\n"
        "import java.util.HashMap;\n"
        "import java.util.List;\n"
        "import java.util.Map;\n"
        "\n"
        "import com.mobileclient.app.Declare;\n");
    PrintOwnImports(printer, screen);
    printer.print(
        u"import com.mobileclient.util.$Class$SimpleAdapter;\n"
        "import com.mobileclient.util.HttpUtil;\n",
        screen);
    PrintImageServiceImport(printer, screen);
    printer.print(u"\n");
    PrintImports(printer, kListAndroidImports);
    printer.print(u"\n");
}

constexpr char16_t kFieldsAndOnCreate[] =
    u"public class $Class$ListActivity extends Activity {\n"
    "\t$Class$SimpleAdapter adapter;\n"
    "\tListView lv; \n"
    "\tList<Map<String, Object>> list;\n"
    "\t$KeyType$ $key$;\n"
    "\t/* $friend$操作业务逻辑层对象 */\n"
    "\t$Class$Service $cls$Service = new $Class$Service();\n"
    "\t/*保存查询参数条件的$friend$对象*/\n"
    "\tprivate $Class$ queryCondition$Class$;\n"
    "\n"
    "\t@Override\n"
    "\tpublic void onCreate(Bundle savedInstanceState) {\n"
    "\t\tsuper.onCreate(savedInstanceState);\n"
    "\t\tsetContentView(R.layout.$class$_list);\n"
    "\t\tDeclare declare = (Declare) getApplicationContext();\n"
    "\t\tString username = declare.getUserName();\n"
    "\t\tif (username == null) {\n"
    "\t\t\tsetTitle(\"当前位置--$friendText$列表\");\n"
    "\t\t} else {\n"
    "\t\t\tsetTitle(\"您好：\" + username + \"   当前位置---$friendText$列表\");\n"
    "\t\t}\n"
    "\t\tBundle extras = this.getIntent().getExtras();\n"
    "\t\tif(extras != null) \n"
    "\t\t\tqueryCondition$Class$ = "
    "($Class$)extras.getSerializable(\"queryCondition$Class$\");\n"
    "\t\tsetViews();\n"
    "\t}\n"
    "\n";

// The adapter's "from" keys and "to" view ids ($rowKeys$, $rowViews$) follow the phone-list
// members.
constexpr char16_t kSetViews[] =
    u"\tprivate void setViews() {\n"
    "\t\tlv = (ListView) findViewById(R.id.$listViewId$);\n"
    "\t\tlist = getDatas();\n"
    "\t\ttry {\n"
    "\t\t\tadapter = new $Class$SimpleAdapter(this, list,\n"
    "\t\t\t\t\tR.layout.$class$_list_item,\n"
    "\t\t\t\t\tnew String[] { $rowKeys$ },\n"
    "\t\t\t\t\tnew int[] { $rowViews$});\n"
    "\t\t\tlv.setAdapter(adapter);\n"
    "\t\t} catch (Exception ex) {\n"
    "\t\t\tSystem.out.println(ex.toString());\n"
    "\t\t}\n"
    "\t\t// 添加长按点击\n"
    "\t\tlv.setOnCreateContextMenuListener($cls$ListItemListener);\n"
    "\t\tlv.setOnItemClickListener(new OnItemClickListener(){\n"
    "            public void onItemClick(AdapterView<?> arg0, View arg1, int arg2,long arg3) {\n"
    "            \t$KeyType$ $key$ = $tappedKey$;\n"
    "            \tIntent intent = new Intent();\n"
    "            \tintent.setClass($Class$ListActivity.this, $Class$DetailActivity.class);\n"
    "            \tBundle bundle = new Bundle();\n"
    "            \tbundle.$putKey$(\"$keyName$\", $key$);\n"
    "            \tintent.putExtras(bundle);\n"
    "            \tstartActivity(intent);\n"
    "            }\n"
    "        });\n"
    "\t}\n"
    "\tprivate OnCreateContextMenuListener $cls$ListItemListener = new "
    "OnCreateContextMenuListener() {\n"
    "\t\tpublic void onCreateContextMenu(ContextMenu menu, View v,ContextMenuInfo menuInfo) {\n"
    "\t\t\tmenu.add(0, 0, 0, \"编辑$friendText$信息\"); \n"
    "\t\t\tmenu.add(0, 1, 0, \"删除$friendText$信息\");\n"
    "\t\t}\n"
    "\t};\n"
    "\n";

// Both menu items first store the long-pressed row's key in the key field.
constexpr char16_t kPressedRowKey[] =
    u"\t\t\tContextMenuInfo info = item.getMenuInfo();\n"
    "\t\t\tAdapterContextMenuInfo contextMenuInfo = (AdapterContextMenuInfo) info;\n"
    "\t\t\t// 获取选中行位置\n"
    "\t\t\tint position = contextMenuInfo.position;\n"
    "\t\t\t// 获取$keyComment$\n"
    "\t\t\t$key$ = $pressedKey$;\n";
constexpr TJoinedTemplate kContextItemSelected(
    u"\t// 长按菜单响应函数\n"
    "\t@Override\n"
    "\tpublic boolean onContextItemSelected(MenuItem item) {\n"
    "\t\tif (item.getItemId() == 0) {  //编辑$friend$信息\n",
    kPressedRowKey,
    u"\t\t\tIntent intent = new Intent();\n"
    "\t\t\tintent.setClass($Class$ListActivity.this, $Class$EditActivity.class);\n"
    "\t\t\tBundle bundle = new Bundle();\n"
    "\t\t\tbundle.$putKey$(\"$keyName$\", $key$);\n"
    "\t\t\tintent.putExtras(bundle);\n"
    "\t\t\tstartActivity(intent);\n"
    "\t\t\t$Class$ListActivity.this.finish();\n"
    "\t\t} else if (item.getItemId() == 1) {// 删除$friend$信息\n",
    kPressedRowKey,
    u"\t\t\tdialog();\n"
    "\t\t}\n"
    "\t\treturn super.onContextItemSelected(item);\n"
    "\t}\n"
    "\n"
    "\t// 删除\n"
    "\tprotected void dialog() {\n"
    "\t\tBuilder builder = new Builder($Class$ListActivity.this);\n"
    "\t\tbuilder.setMessage(\"确认删除吗？\");\n"
    "\t\tbuilder.setTitle(\"提示\");\n"
    "\t\tbuilder.setPositiveButton(\"确认\", new OnClickListener() {\n"
    "\t\t\tpublic void onClick(DialogInterface dialog, int which) {\n"
    "\t\t\t\tString result = $cls$Service.Delete$Class$($key$);\n"
    "\t\t\t\tToast.makeText(getApplicationContext(), result, 1).show();\n"
    "\t\t\t\tsetViews();\n"
    "\t\t\t\tdialog.dismiss();\n"
    "\t\t\t}\n"
    "\t\t});\n"
    "\t\tbuilder.setNegativeButton(\"取消\", new OnClickListener() {\n"
    "\t\t\tpublic void onClick(DialogInterface dialog, int which) {\n"
    "\t\t\t\tdialog.dismiss();\n"
    "\t\t\t}\n"
    "\t\t});\n"
    "\t\tbuilder.create().show();\n"
    "\t}\n"
    "\n");

constexpr char16_t kGetDatasStart[] =
    u"\tprivate List<Map<String, Object>> getDatas() {\n"
    "\t\tList<Map<String, Object>> list = new ArrayList<Map<String, Object>>();\n"
    "\t\ttry {\n"
    "\t\t\t/* 查询$friend$信息 */\n"
    "\t\t\tList<$Class$> $cls$List = $cls$Service.Query$Class$(queryCondition$Class$);\n"
    "\t\t\tfor (int i = 0; i < $cls$List.size(); i++) {\n"
    "\t\t\t\tMap<String, Object> map = new HashMap<String, Object>();\n";

// Starts another screen with an empty intent and finishes the list screen.
constexpr char16_t kLeaveFor[] =
    u"\t\t\tIntent intent = new Intent();\n"
    "\t\t\tintent.setClass($Class$ListActivity.this, $target$.class);\n"
    "\t\t\tstartActivity(intent);\n"
    "\t\t\t$Class$ListActivity.this.finish();\n";
constexpr TJoinedTemplate kGetDatasEndAndMenus(
    u"\t\t\t\tlist.add(map);\n"
    "\t\t\t}\n"
    "\t\t} catch (Exception e) { \n"
    "\t\t\tToast.makeText(getApplicationContext(), HttpUtil.errorText(e), 1).show();\n"
    "\t\t}\n"
    "\t\treturn list;\n"
    "\t}\n"
    "\n"
    "\t@Override\n"
    "\tpublic boolean onCreateOptionsMenu(Menu menu) {\n"
    "\t\tmenu.add(0, 1, 1, \"添加$friendText$\");\n"
    "\t\tmenu.add(0, 2, 2, \"查询$friendText$\");\n"
    "\t\tmenu.add(0, 3, 3, \"返回主界面\");\n"
    "\t\treturn super.onCreateOptionsMenu(menu);\n"
    "\t}\n"
    "\n"
    "\t@Override\n"
    "\tpublic boolean onOptionsItemSelected(MenuItem item) {\n"
    "\t\tif (item.getItemId() == 1) {\n"
    "\t\t\t// 添加$friend$信息\n");

void printOptionsItems(TPrinter& printer, const TVars& screen) {
    struct TItem {
        QStringView head;
        QStringView target;
    };
    const TItem items[] = {
        {u"", u"$Class$AddActivity"},
        {u"\t\t} else if (item.getItemId() == 2) {\n\t\t\t/*查询$friend$信息*/\n",
         u"$Class$QueryActivity"},
        {u"\t\t} else if (item.getItemId() == 3) {\n\t\t\t/*返回主界面*/\n", u"MainMenuActivity"},
    };
    for (const TItem& item : items) {
        TVars vars(&screen);
        vars.set(u"target", Format(item.target, screen));
        printer.print(item.head, screen).print(kLeaveFor, vars);
    }
    printer.print(u"\t\t}\n\t\treturn true; \n\t}\n}\n");
}

// One row map: the key first unless the row shows it anyway, then every phone-list member.
void printGetDatas(TPrinter& printer, const TClassCode& code, const TVars& screen) {
    printer.print(kGetDatasStart, screen);
    if (code.cls.keyMember()->member.androidDisplay == 0) {
        printer.print(u"\t\t\t\tmap.put(\"$keyName$\",$cls$List.get(i).get$KeyName$());\n", screen);
    }
    PrintEach(printer, code, code.cls.phoneListMembers(), screen, &TMemberTemplates::rowValue);
    printer.print(kGetDatasEndAndMenus, screen);
}

// The adapter's "from" keys and "to" view ids, one per phone-list member.
void setRowMapping(TVars& screen, const TClassCode& code) {
    QStringList keys;
    QStringList views;
    for (const TMemberInfo* member : code.cls.phoneListMembers()) {
        const TVars vars(&screen, &code.member(*member));
        keys.append(Format(u"\"$name$\"", vars));
        views.append(Format(u"R.id.$rowViewId$", vars));
    }
    screen.set(u"rowKeys", keys.join(u',')).set(u"rowViews", views.join(u','));
}

}  // namespace

TGeneratedFile BuildListScreen(const TClassCode& code) {
    const TVars& classVars = code.vars();
    TVars screen = ScreenVars(code, {u"$Class$ListActivity"});
    const MemberCategory keyText =
        code.cls.hasIntegerKey() ? MemberCategory::Integer : MemberCategory::String;
    screen
        .set(u"tappedKey",
             FromText(keyText, Format(u"list.get(arg2).get(\"$keyName$\").toString()", classVars)))
        .set(u"pressedKey", FromText(keyText, Format(u"list.get(position).get(\"$keyName$\")"
                                                     ".toString()",
                                                     classVars)));
    SetImageService(screen, code.cls, ServiceImports::Own);
    setRowMapping(screen, code);
    TPrinter printer;
    printImports(printer, screen);
    printer.print(kFieldsAndOnCreate, screen).print(kSetViews, screen);
    printer.print(kContextItemSelected, screen);
    printGetDatas(printer, code, screen);
    printOptionsItems(printer, screen);
    return ActivityFile(screen, printer);
}

// <Class>ListActivity.java: the class's records in a list (optionally filtered by the query
// screen's condition), with thumbnails, a tap to the detail screen, edit and delete on a long
// press and add, query and main menu in the options menu.

#include "generation/CodeText.h"
#include "generation/TextForms.h"
#include "generators/ScreenBuilders.h"
#include "generators/ScreenPieces.h"

namespace {

const QStringList kListAndroidImports = {
    "android.app.Activity",
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
    "android.widget.AdapterView.AdapterContextMenuInfo",
};

void appendImports(TCodeText& code, const TClassModel& cls) {
    code.line("package com.mobileclient.activity;").line();
    AddImports(code,
               {"java.util.ArrayList", "java.util.HashMap", "java.util.List", "java.util.Map"});
    code.line();
    AddImports(code, {"com.mobileclient.app.Declare"});
    AddOwnImports(code, cls);
    AddImports(code, QStringList{"com.mobileclient.util." + cls.className + "SimpleAdapter",
                                 "com.mobileclient.util.HttpUtil"} +
                         ImageServiceImport(cls, ServiceImports::Own));
    code.line();
    AddImports(code, kListAndroidImports);
    code.line();
}

void appendFields(TCodeText& code, const TClassModel& cls) {
    const QString& Class = cls.className;
    code.lines({
        "public class " + Class + "ListActivity extends Activity {",
        "\t" + Class + "SimpleAdapter adapter;",
        "\tListView lv; ",
        "\tList<Map<String, Object>> list;",
        "\t" + KeyType(cls) + " " + cls.keyMember()->variable + ";",
        "\t/* " + InJavaComment(cls.friendName) + "操作业务逻辑层对象 */",
        "\t" + Class + "Service " + cls.objectName() + "Service = new " + Class + "Service();",
        "\t/*保存查询参数条件的" + InJavaComment(cls.friendName) + "对象*/",
        "\tprivate " + Class + " queryCondition" + Class + ";",
    });
    code.line();
}

void appendOnCreate(TCodeText& code, const TClassModel& cls) {
    const QString& Class = cls.className;
    code.lines({
        "\t@Override",
        "\tpublic void onCreate(Bundle savedInstanceState) {",
        "\t\tsuper.onCreate(savedInstanceState);",
        "\t\tsetContentView(R.layout." + cls.layoutName() + "_list);",
        "\t\tDeclare declare = (Declare) getApplicationContext();",
        "\t\tString username = declare.getUserName();",
        "\t\tif (username == null) {",
        "\t\t\tsetTitle(\"当前位置--" + InJavaString(cls.friendName) + "列表\");",
        "\t\t} else {",
        "\t\t\tsetTitle(\"您好：\" + username + \"   当前位置---" + InJavaString(cls.friendName) +
            "列表\");",
        "\t\t}",
        "\t\tBundle extras = this.getIntent().getExtras();",
        "\t\tif(extras != null) ",
        "\t\t\tqueryCondition" + Class + " = (" + Class +
            ")extras.getSerializable(\"queryCondition" + Class + "\");",
        "\t\tsetViews();",
        "\t}",
    });
    code.line();
}

// The adapter's "from" keys and "to" view ids, one per phone-list member.
void appendAdapterMapping(TCodeText& code, const TClassModel& cls) {
    QStringList keys;
    QStringList views;
    for (const TMemberInfo* member : cls.phoneListMembers()) {
        keys.append("\"" + member->name() + "\"");
        const bool image = member->category == MemberCategory::Image;
        views.append((image ? "R.id.iv_" : "R.id.tv_") + member->name());
    }
    code.line("\t\t\t\t\tnew String[] { " + keys.join(',') + " },");
    code.line("\t\t\t\t\tnew int[] { " + views.join(',') + "});");
}

void appendTapHandler(TCodeText& code, const TClassModel& cls) {
    const QString& key = cls.keyMember()->variable;
    const QString body = QStringLiteral("            \t");
    code.lines({
        "\t\tlv.setOnItemClickListener(new OnItemClickListener(){",
        "            public void onItemClick(AdapterView<?> arg0, View arg1, int arg2,long arg3) {",
        body + KeyType(cls) + " " + key + " = " + KeyFromRow(cls, "list.get(arg2)") + ";",
        body + "Intent intent = new Intent();",
        body + "intent.setClass(" + cls.className + "ListActivity.this, " + cls.className +
            "DetailActivity.class);",
        body + "Bundle bundle = new Bundle();",
        body + PutKeyInBundle(cls),
        body + "intent.putExtras(bundle);",
        body + "startActivity(intent);",
        "            }",
        "        });",
    });
}

void appendSetViews(TCodeText& code, const TClassModel& cls) {
    code.lines({
        "\tprivate void setViews() {",
        "\t\tlv = (ListView) findViewById(R.id.h_list_view);",
        "\t\tlist = getDatas();",
        "\t\ttry {",
        "\t\t\tadapter = new " + cls.className + "SimpleAdapter(this, list,",
        "\t\t\t\t\tR.layout." + cls.layoutName() + "_list_item,",
    });
    appendAdapterMapping(code, cls);
    code.lines({
        "\t\t\tlv.setAdapter(adapter);",
        "\t\t} catch (Exception ex) {",
        "\t\t\tSystem.out.println(ex.toString());",
        "\t\t}",
        "\t\t// 添加长按点击",
        "\t\tlv.setOnCreateContextMenuListener(" + cls.objectName() + "ListItemListener);",
    });
    appendTapHandler(code, cls);
    code.line("\t}");
}

void appendContextMenu(TCodeText& code, const TClassModel& cls) {
    code.lines({
        "\tprivate OnCreateContextMenuListener " + cls.objectName() +
            "ListItemListener = new OnCreateContextMenuListener() {",
        "\t\tpublic void onCreateContextMenu(ContextMenu menu, View v,ContextMenuInfo menuInfo) {",
        "\t\t\tmenu.add(0, 0, 0, \"编辑" + InJavaString(cls.friendName) + "信息\"); ",
        "\t\t\tmenu.add(0, 1, 0, \"删除" + InJavaString(cls.friendName) + "信息\");",
        "\t\t}",
        "\t};",
    });
    code.line();
}

// Stores the long-pressed row's key in the key field.
void appendPressedRowKey(TCodeText& code, const TClassModel& cls) {
    const TMemberInfo& key = *cls.keyMember();
    code.lines({
        "\t\t\tContextMenuInfo info = item.getMenuInfo();",
        "\t\t\tAdapterContextMenuInfo contextMenuInfo = (AdapterContextMenuInfo) info;",
        "\t\t\t// 获取选中行位置",
        "\t\t\tint position = contextMenuInfo.position;",
        "\t\t\t// 获取" + InJavaComment(key.comment()),
        "\t\t\t" + key.variable + " = " + KeyFromRow(cls, "list.get(position)") + ";",
    });
}

void appendContextItemSelected(TCodeText& code, const TClassModel& cls) {
    const QString& Class = cls.className;
    code.lines({
        "\t// 长按菜单响应函数",
        "\t@Override",
        "\tpublic boolean onContextItemSelected(MenuItem item) {",
        "\t\tif (item.getItemId() == 0) {  //编辑" + InJavaComment(cls.friendName) + "信息",
    });
    appendPressedRowKey(code, cls);
    code.lines({
        "\t\t\tIntent intent = new Intent();",
        "\t\t\tintent.setClass(" + Class + "ListActivity.this, " + Class + "EditActivity.class);",
        "\t\t\tBundle bundle = new Bundle();",
        "\t\t\t" + PutKeyInBundle(cls),
        "\t\t\tintent.putExtras(bundle);",
        "\t\t\tstartActivity(intent);",
        "\t\t\t" + Class + "ListActivity.this.finish();",
        "\t\t} else if (item.getItemId() == 1) {// 删除" + InJavaComment(cls.friendName) + "信息",
    });
    appendPressedRowKey(code, cls);
    code.lines({
        "\t\t\tdialog();",
        "\t\t}",
        "\t\treturn super.onContextItemSelected(item);",
        "\t}",
    });
    code.line();
}

void appendDeleteDialog(TCodeText& code, const TClassModel& cls) {
    code.lines({
        "\t// 删除",
        "\tprotected void dialog() {",
        "\t\tBuilder builder = new Builder(" + cls.className + "ListActivity.this);",
        "\t\tbuilder.setMessage(\"确认删除吗？\");",
        "\t\tbuilder.setTitle(\"提示\");",
        "\t\tbuilder.setPositiveButton(\"确认\", new OnClickListener() {",
        "\t\t\tpublic void onClick(DialogInterface dialog, int which) {",
        "\t\t\t\tString result = " + cls.objectName() + "Service.Delete" + cls.className + "(" +
            cls.keyMember()->variable + ");",
        "\t\t\t\tToast.makeText(getApplicationContext(), result, 1).show();",
        "\t\t\t\tsetViews();",
        "\t\t\t\tdialog.dismiss();",
        "\t\t\t}",
        "\t\t});",
        "\t\tbuilder.setNegativeButton(\"取消\", new OnClickListener() {",
        "\t\t\tpublic void onClick(DialogInterface dialog, int which) {",
        "\t\t\t\tdialog.dismiss();",
        "\t\t\t}",
        "\t\t});",
        "\t\tbuilder.create().show();",
        "\t}",
    });
    code.line();
}

// One row map: the key first unless the row shows it anyway, then every phone-list member.
void appendRowMap(TCodeText& code, const TClassModel& cls) {
    const QString row = cls.objectName() + "List.get(i)";
    const TMemberInfo& key = *cls.keyMember();
    code.line("\t\t\t\tMap<String, Object> map = new HashMap<String, Object>();");
    if (key.member.androidDisplay == 0) {
        code.line("\t\t\t\tmap.put(\"" + key.name() + "\"," + row + ".get" + key.stem() + "());");
    }
    for (const TMemberInfo* member : cls.phoneListMembers()) {
        if (member->category == MemberCategory::Image) {
            AddThumbnail(code, cls, *member);
        } else {
            code.line("\t\t\t\tmap.put(\"" + member->name() + "\", " + row + ".get" +
                      member->stem() + "());");
        }
    }
    code.line("\t\t\t\tlist.add(map);");
}

void appendGetDatas(TCodeText& code, const TClassModel& cls) {
    const QString& Class = cls.className;
    const QString cls_ = cls.objectName();
    code.lines({
        "\tprivate List<Map<String, Object>> getDatas() {",
        "\t\tList<Map<String, Object>> list = new ArrayList<Map<String, Object>>();",
        "\t\ttry {",
        "\t\t\t/* 查询" + InJavaComment(cls.friendName) + "信息 */",
        "\t\t\tList<" + Class + "> " + cls_ + "List = " + cls_ + "Service.Query" + Class +
            "(queryCondition" + Class + ");",
        "\t\t\tfor (int i = 0; i < " + cls_ + "List.size(); i++) {",
    });
    appendRowMap(code, cls);
    code.lines({
        "\t\t\t}",
        "\t\t} catch (Exception e) { ",
        "\t\t\tToast.makeText(getApplicationContext(), \"\", 1).show();",
        "\t\t}",
        "\t\treturn list;",
        "\t}",
    });
    code.line();
}

void appendOptionsMenu(TCodeText& code, const TClassModel& cls) {
    code.lines({
        "\t@Override",
        "\tpublic boolean onCreateOptionsMenu(Menu menu) {",
        "\t\tmenu.add(0, 1, 1, \"添加" + InJavaString(cls.friendName) + "\");",
        "\t\tmenu.add(0, 2, 2, \"查询" + InJavaString(cls.friendName) + "\");",
        "\t\tmenu.add(0, 3, 3, \"返回主界面\");",
        "\t\treturn super.onCreateOptionsMenu(menu);",
        "\t}",
    });
    code.line();
}

// Starts `target` with an empty intent and finishes the list screen.
void appendLeaveFor(TCodeText& code, const TClassModel& cls, const QString& target) {
    code.lines({
        "\t\t\tIntent intent = new Intent();",
        "\t\t\tintent.setClass(" + cls.className + "ListActivity.this, " + target + ".class);",
        "\t\t\tstartActivity(intent);",
        "\t\t\t" + cls.className + "ListActivity.this.finish();",
    });
}

void appendOptionsItemSelected(TCodeText& code, const TClassModel& cls) {
    code.lines({
        "\t@Override",
        "\tpublic boolean onOptionsItemSelected(MenuItem item) {",
        "\t\tif (item.getItemId() == 1) {",
        "\t\t\t// 添加" + InJavaComment(cls.friendName) + "信息",
    });
    appendLeaveFor(code, cls, cls.className + "AddActivity");
    code.line("\t\t} else if (item.getItemId() == 2) {");
    code.line("\t\t\t/*查询" + InJavaComment(cls.friendName) + "信息*/");
    appendLeaveFor(code, cls, cls.className + "QueryActivity");
    code.line("\t\t} else if (item.getItemId() == 3) {");
    code.line("\t\t\t/*返回主界面*/");
    appendLeaveFor(code, cls, "MainMenuActivity");
    code.lines({"\t\t}", "\t\treturn true; ", "\t}", "}"});
}

}  // namespace

TGeneratedFile BuildListScreen(const TProjectModel&, const TClassModel& cls) {
    TCodeText code;
    appendImports(code, cls);
    appendFields(code, cls);
    appendOnCreate(code, cls);
    appendSetViews(code, cls);
    appendContextMenu(code, cls);
    appendContextItemSelected(code, cls);
    appendDeleteDialog(code, cls);
    appendGetDatas(code, cls);
    appendOptionsMenu(code, cls);
    appendOptionsItemSelected(code, cls);
    return TGeneratedFile::Java("activity", cls.className + "ListActivity.java", code.text());
}

// The list, detail and query screens, compared line for line with the text they must have.

#include "TestSupport.h"
#include "generators/ScreenBuilders.h"

namespace {

// Book mixes every member category, has a text key shown in the list rows, refers to a class
// with an integer key (BookType) and one with a text key (Publisher), and has an image member
// with the query flag. Reader has an integer key outside the list rows, no query members and a
// reference member without the query flag.
TProjectModel library() {
    return testing::ProjectBuilder()
        .cls("BookType", "图书类别",
             {{.name = "typeId", .type = kTypeInteger, .comment = "类别编号", .key = true},
              {.name = "typeName", .type = kTypeString, .comment = "类别名称", .display = true}})
        .cls("Publisher", "出版社",
             {{.name = "publisherCode", .type = kTypeString, .comment = "出版社编号", .key = true},
              {.name = "publisherName",
               .type = kTypeString,
               .comment = "出版社名称",
               .display = true}})
        .cls("Book", "图书",
             {{.name = "barcode",
               .type = kTypeString,
               .comment = "图书条码",
               .key = true,
               .phone = true},
              {.name = "bookName",
               .type = kTypeString,
               .comment = "图书名称",
               .query = true,
               .display = true,
               .phone = true},
              {.name = "bookType",
               .type = "BookType",
               .comment = "图书类别",
               .query = true,
               .phone = true},
              {.name = "price", .type = kTypeFloat, .comment = "图书价格", .phone = true},
              {.name = "count", .type = kTypeInteger, .comment = "库存"},
              {.name = "publishDate",
               .type = kTypeDate,
               .comment = "出版日期",
               .query = true,
               .phone = true},
              {.name = "publisher", .type = "Publisher", .comment = "出版社", .query = true},
              {.name = "photo",
               .type = kTypeImage,
               .comment = "图书图片",
               .query = true,
               .phone = true}})
        .cls("Reader", "读者",
             {{.name = "readerNo", .type = kTypeInteger, .comment = "读者编号", .key = true},
              {.name = "readerName",
               .type = kTypeString,
               .comment = "读者姓名",
               .display = true,
               .phone = true},
              {.name = "favoriteType", .type = "BookType", .comment = "喜爱类别"}})
        .build();
}

// Reader again, with integer and float members that carry the query flag.
TProjectModel readerQueryingNumbers() {
    return testing::ProjectBuilder()
        .cls("BookType", "图书类别",
             {{.name = "typeId", .type = kTypeInteger, .comment = "类别编号", .key = true},
              {.name = "typeName", .type = kTypeString, .comment = "类别名称", .display = true}})
        .cls("Reader", "读者",
             {{.name = "readerNo",
               .type = kTypeInteger,
               .comment = "读者编号",
               .key = true,
               .query = true},
              {.name = "readerName",
               .type = kTypeString,
               .comment = "读者姓名",
               .display = true,
               .phone = true},
              {.name = "favoriteType", .type = "BookType", .comment = "喜爱类别"},
              {.name = "fee", .type = kTypeFloat, .comment = "押金", .query = true}})
        .build();
}

// Employee refers to itself twice and to Dept twice; the first reference to Dept is no query
// member.
TProjectModel company() {
    return testing::ProjectBuilder()
        .cls("Dept", "部门",
             {{.name = "deptCode", .type = kTypeString, .comment = "部门编号", .key = true},
              {.name = "deptName",
               .type = kTypeString,
               .comment = "部门名称",
               .display = true,
               .phone = true}})
        .cls("Employee", "员工",
             {{.name = "employeeNo", .type = kTypeInteger, .comment = "工号", .key = true},
              {.name = "name",
               .type = kTypeString,
               .comment = "姓名",
               .display = true,
               .phone = true},
              {.name = "manager", .type = "Employee", .comment = "上级", .query = true},
              {.name = "mentor", .type = "Employee", .comment = "导师", .query = true},
              {.name = "homeDept", .type = "Dept", .comment = "所属部门"},
              {.name = "workDept", .type = "Dept", .comment = "工作部门", .query = true}})
        .build();
}

const TClassModel& classNamed(const TProjectModel& project, const QString& name) {
    return *project.classNamed(name);
}

using TScreenBuilder = TGeneratedFile (*)(const TProjectModel&, const TClassModel&);

QString screenText(TScreenBuilder build, const TProjectModel& project, const QString& className) {
    return build(project, classNamed(project, className)).text;
}

// True when every expected line occurs as a whole line of the text, in the given order.
bool hasLinesInOrder(const QString& text, const QStringList& expected, QString* missing) {
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    qsizetype at = 0;
    for (const QString& line : expected) {
        at = lines.indexOf(line, at);
        if (at < 0) {
            *missing = line;
            return false;
        }
        ++at;
    }
    return true;
}

#define COMPARE_LINES_IN_ORDER(text, expected)                         \
    do {                                                               \
        QString missing_;                                              \
        if (!hasLinesInOrder((text), (expected), &missing_)) {         \
            QFAIL(qPrintable("missing or out of order: " + missing_)); \
        }                                                              \
    } while (false)

}  // namespace

class TestScreensListDetailQuery : public QObject {
    Q_OBJECT

  private slots:
    void listScreenOfMixedClass();
    void detailScreenOfMixedClass();
    void queryScreenOfMixedClass();
    void integerKeyInListScreen();
    void integerKeyInDetailScreen();
    void queryScreenWithoutInputs_data();
    void queryScreenWithoutInputs();
    void referencesToOneClassGetTheirOwnNames();
    void screensAreActivitySources();
};

void TestScreensListDetailQuery::listScreenOfMixedClass() {
    // clang-format off
    const QString expected = testing::crlf({
        "package com.mobileclient.activity;",
        "",
        "import java.util.ArrayList;",
        "import java.util.HashMap;",
        "import java.util.List;",
        "import java.util.Map;",
        "",
        "import com.mobileclient.app.Declare;",
        "import com.mobileclient.domain.Book;",
        "import com.mobileclient.service.BookService;",
        "import com.mobileclient.util.BookSimpleAdapter;",
        "import com.mobileclient.util.HttpUtil;",
        "import com.mobileclient.util.ImageService;",
        "",
        "import android.app.Activity;",
        "import android.app.AlertDialog.Builder;",
        "import android.content.DialogInterface;",
        "import android.content.Intent;",
        "import android.content.DialogInterface.OnClickListener;",
        "import android.graphics.Bitmap;",
        "import android.graphics.BitmapFactory;",
        "import android.os.Bundle;",
        "import android.view.ContextMenu;",
        "import android.view.Menu;",
        "import android.view.MenuItem;",
        "import android.view.View;",
        "import android.view.ContextMenu.ContextMenuInfo;",
        "import android.view.View.OnCreateContextMenuListener;",
        "import android.widget.AdapterView;",
        "import android.widget.AdapterView.OnItemClickListener;",
        "import android.widget.ListView;",
        "import android.widget.Toast;",
        "import android.widget.AdapterView.AdapterContextMenuInfo;",
        "",
        "public class BookListActivity extends Activity {",
        "\tBookSimpleAdapter adapter;",
        "\tListView lv; ",
        "\tList<Map<String, Object>> list;",
        "\tString barcode;",
        "\t/* 图书操作业务逻辑层对象 */",
        "\tBookService bookService = new BookService();",
        "\t/*保存查询参数条件的图书对象*/",
        "\tprivate Book queryConditionBook;",
        "",
        "\t@Override",
        "\tpublic void onCreate(Bundle savedInstanceState) {",
        "\t\tsuper.onCreate(savedInstanceState);",
        "\t\tsetContentView(R.layout.book_list);",
        "\t\tDeclare declare = (Declare) getApplicationContext();",
        "\t\tString username = declare.getUserName();",
        "\t\tif (username == null) {",
        "\t\t\tsetTitle(\"当前位置--图书列表\");",
        "\t\t} else {",
        "\t\t\tsetTitle(\"您好：\" + username + \"   当前位置---图书列表\");",
        "\t\t}",
        "\t\tBundle extras = this.getIntent().getExtras();",
        "\t\tif(extras != null) ",
        "\t\t\tqueryConditionBook = (Book)extras.getSerializable(\"queryConditionBook\");",
        "\t\tsetViews();",
        "\t}",
        "",
        "\tprivate void setViews() {",
        "\t\tlv = (ListView) findViewById(R.id.h_list_view);",
        "\t\tlist = getDatas();",
        "\t\ttry {",
        "\t\t\tadapter = new BookSimpleAdapter(this, list,",
        "\t\t\t\t\tR.layout.book_list_item,",
        "\t\t\t\t\tnew String[] { \"barcode\",\"bookName\",\"bookType\",\"price\",\"publishDate\",\"photo\" },",
        "\t\t\t\t\tnew int[] { R.id.tv_barcode,R.id.tv_bookName,R.id.tv_bookType,R.id.tv_price,R.id.tv_publishDate,R.id.iv_photo});",
        "\t\t\tlv.setAdapter(adapter);",
        "\t\t} catch (Exception ex) {",
        "\t\t\tSystem.out.println(ex.toString());",
        "\t\t}",
        "\t\t// 添加长按点击",
        "\t\tlv.setOnCreateContextMenuListener(bookListItemListener);",
        "\t\tlv.setOnItemClickListener(new OnItemClickListener(){",
        "            public void onItemClick(AdapterView<?> arg0, View arg1, int arg2,long arg3) {",
        "            \tString barcode = list.get(arg2).get(\"barcode\").toString();",
        "            \tIntent intent = new Intent();",
        "            \tintent.setClass(BookListActivity.this, BookDetailActivity.class);",
        "            \tBundle bundle = new Bundle();",
        "            \tbundle.putString(\"barcode\", barcode);",
        "            \tintent.putExtras(bundle);",
        "            \tstartActivity(intent);",
        "            }",
        "        });",
        "\t}",
        "\tprivate OnCreateContextMenuListener bookListItemListener = new OnCreateContextMenuListener() {",
        "\t\tpublic void onCreateContextMenu(ContextMenu menu, View v,ContextMenuInfo menuInfo) {",
        "\t\t\tmenu.add(0, 0, 0, \"编辑图书信息\"); ",
        "\t\t\tmenu.add(0, 1, 0, \"删除图书信息\");",
        "\t\t}",
        "\t};",
        "",
        "\t// 长按菜单响应函数",
        "\t@Override",
        "\tpublic boolean onContextItemSelected(MenuItem item) {",
        "\t\tif (item.getItemId() == 0) {  //编辑图书信息",
        "\t\t\tContextMenuInfo info = item.getMenuInfo();",
        "\t\t\tAdapterContextMenuInfo contextMenuInfo = (AdapterContextMenuInfo) info;",
        "\t\t\t// 获取选中行位置",
        "\t\t\tint position = contextMenuInfo.position;",
        "\t\t\t// 获取图书条码",
        "\t\t\tbarcode = list.get(position).get(\"barcode\").toString();",
        "\t\t\tIntent intent = new Intent();",
        "\t\t\tintent.setClass(BookListActivity.this, BookEditActivity.class);",
        "\t\t\tBundle bundle = new Bundle();",
        "\t\t\tbundle.putString(\"barcode\", barcode);",
        "\t\t\tintent.putExtras(bundle);",
        "\t\t\tstartActivity(intent);",
        "\t\t\tBookListActivity.this.finish();",
        "\t\t} else if (item.getItemId() == 1) {// 删除图书信息",
        "\t\t\tContextMenuInfo info = item.getMenuInfo();",
        "\t\t\tAdapterContextMenuInfo contextMenuInfo = (AdapterContextMenuInfo) info;",
        "\t\t\t// 获取选中行位置",
        "\t\t\tint position = contextMenuInfo.position;",
        "\t\t\t// 获取图书条码",
        "\t\t\tbarcode = list.get(position).get(\"barcode\").toString();",
        "\t\t\tdialog();",
        "\t\t}",
        "\t\treturn super.onContextItemSelected(item);",
        "\t}",
        "",
        "\t// 删除",
        "\tprotected void dialog() {",
        "\t\tBuilder builder = new Builder(BookListActivity.this);",
        "\t\tbuilder.setMessage(\"确认删除吗？\");",
        "\t\tbuilder.setTitle(\"提示\");",
        "\t\tbuilder.setPositiveButton(\"确认\", new OnClickListener() {",
        "\t\t\tpublic void onClick(DialogInterface dialog, int which) {",
        "\t\t\t\tString result = bookService.DeleteBook(barcode);",
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
        "",
        "\tprivate List<Map<String, Object>> getDatas() {",
        "\t\tList<Map<String, Object>> list = new ArrayList<Map<String, Object>>();",
        "\t\ttry {",
        "\t\t\t/* 查询图书信息 */",
        "\t\t\tList<Book> bookList = bookService.QueryBook(queryConditionBook);",
        "\t\t\tfor (int i = 0; i < bookList.size(); i++) {",
        "\t\t\t\tMap<String, Object> map = new HashMap<String, Object>();",
        "\t\t\t\tmap.put(\"barcode\", bookList.get(i).getBarcode());",
        "\t\t\t\tmap.put(\"bookName\", bookList.get(i).getBookName());",
        "\t\t\t\tmap.put(\"bookType\", bookList.get(i).getBookType());",
        "\t\t\t\tmap.put(\"price\", bookList.get(i).getPrice());",
        "\t\t\t\tmap.put(\"publishDate\", bookList.get(i).getPublishDate());",
        "\t\t\t\tbyte[] photo_data = ImageService.getImage(HttpUtil.BASE_URL+ bookList.get(i).getPhoto());// 获取图片数据",
        "\t\t\t\tBitmapFactory.Options photo_opts = new BitmapFactory.Options();  ",
        "\t\t\t\tphoto_opts.inJustDecodeBounds = true;  ",
        "\t\t\t\tBitmapFactory.decodeByteArray(photo_data, 0, photo_data.length, photo_opts); ",
        "\t\t\t\tphoto_opts.inSampleSize = photoListActivity.computeSampleSize(photo_opts, -1, 100*100); ",
        "\t\t\t\tphoto_opts.inJustDecodeBounds = false; ",
        "\t\t\t\ttry {",
        "\t\t\t\t\tBitmap photo = BitmapFactory.decodeByteArray(photo_data, 0, photo_data.length, photo_opts);",
        "\t\t\t\t\tmap.put(\"photo\", photo);",
        "\t\t\t\t} catch (OutOfMemoryError err) { }",
        "\t\t\t\tlist.add(map);",
        "\t\t\t}",
        "\t\t} catch (Exception e) { ",
        "\t\t\tToast.makeText(getApplicationContext(), \"\", 1).show();",
        "\t\t}",
        "\t\treturn list;",
        "\t}",
        "",
        "\t@Override",
        "\tpublic boolean onCreateOptionsMenu(Menu menu) {",
        "\t\tmenu.add(0, 1, 1, \"添加图书\");",
        "\t\tmenu.add(0, 2, 2, \"查询图书\");",
        "\t\tmenu.add(0, 3, 3, \"返回主界面\");",
        "\t\treturn super.onCreateOptionsMenu(menu);",
        "\t}",
        "",
        "\t@Override",
        "\tpublic boolean onOptionsItemSelected(MenuItem item) {",
        "\t\tif (item.getItemId() == 1) {",
        "\t\t\t// 添加图书信息",
        "\t\t\tIntent intent = new Intent();",
        "\t\t\tintent.setClass(BookListActivity.this, BookAddActivity.class);",
        "\t\t\tstartActivity(intent);",
        "\t\t\tBookListActivity.this.finish();",
        "\t\t} else if (item.getItemId() == 2) {",
        "\t\t\t/*查询图书信息*/",
        "\t\t\tIntent intent = new Intent();",
        "\t\t\tintent.setClass(BookListActivity.this, BookQueryActivity.class);",
        "\t\t\tstartActivity(intent);",
        "\t\t\tBookListActivity.this.finish();",
        "\t\t} else if (item.getItemId() == 3) {",
        "\t\t\t/*返回主界面*/",
        "\t\t\tIntent intent = new Intent();",
        "\t\t\tintent.setClass(BookListActivity.this, MainMenuActivity.class);",
        "\t\t\tstartActivity(intent);",
        "\t\t\tBookListActivity.this.finish();",
        "\t\t}",
        "\t\treturn true; ",
        "\t}",
        "}",
    });
    // clang-format on
    COMPARE_TEXT(screenText(BuildListScreen, library(), "Book"), expected);
}

void TestScreensListDetailQuery::detailScreenOfMixedClass() {
    // clang-format off
    const QString expected = testing::crlf({
        "package com.mobileclient.activity;",
        "",
        "import java.util.Date;",
        "import com.mobileclient.domain.Book;",
        "import com.mobileclient.service.BookService;",
        "import com.mobileclient.domain.BookType;",
        "import com.mobileclient.service.BookTypeService;",
        "import com.mobileclient.domain.Publisher;",
        "import com.mobileclient.service.PublisherService;",
        "import com.mobileclient.util.HttpUtil;",
        "import com.mobileclient.util.ImageService;",
        "import android.app.Activity;",
        "import android.graphics.Bitmap;",
        "import android.graphics.BitmapFactory;",
        "import android.os.Bundle;",
        "import android.view.View;",
        "import android.view.View.OnClickListener;",
        "import android.widget.Button;",
        "import android.widget.ImageView;",
        "import android.widget.TextView;",
        "",
        "public class BookDetailActivity extends Activity {",
        "\t// 声明返回按钮",
        "\tprivate Button btnReturn;",
        "\t// 声明图书条码控件",
        "\tprivate TextView TV_barcode;",
        "\t// 声明图书名称控件",
        "\tprivate TextView TV_bookName;",
        "\t// 声明图书类别控件",
        "\tprivate TextView TV_bookType;",
        "\t// 声明图书价格控件",
        "\tprivate TextView TV_price;",
        "\t// 声明库存控件",
        "\tprivate TextView TV_count;",
        "\t// 声明出版日期控件",
        "\tprivate TextView TV_publishDate;",
        "\t// 声明出版社控件",
        "\tprivate TextView TV_publisher;",
        "\t// 声明图书图片图片框",
        "\tprivate ImageView iv_photo;",
        "\t/* 要保存的图书信息 */",
        "\tBook book = new Book(); ",
        "\t/* 图书管理业务逻辑层 */",
        "\tprivate BookService bookService = new BookService();",
        "\tprivate BookTypeService bookTypeService = new BookTypeService();",
        "\tprivate PublisherService publisherService = new PublisherService();",
        "\tprivate String barcode;",
        "\t@Override",
        "\tpublic void onCreate(Bundle savedInstanceState) {",
        "\t\tsuper.onCreate(savedInstanceState);",
        "\t\t// 设置标题",
        "\t\tsetTitle(\"手机客户端-查看图书详情\");",
        "\t\t// 设置当前Activity界面布局",
        "\t\tsetContentView(R.layout.book_detail);",
        "\t\t// 通过findViewById方法实例化组件",
        "\t\tbtnReturn = (Button) findViewById(R.id.btnReturn);",
        "\t\tTV_barcode = (TextView) findViewById(R.id.TV_barcode);",
        "\t\tTV_bookName = (TextView) findViewById(R.id.TV_bookName);",
        "\t\tTV_bookType = (TextView) findViewById(R.id.TV_bookType);",
        "\t\tTV_price = (TextView) findViewById(R.id.TV_price);",
        "\t\tTV_count = (TextView) findViewById(R.id.TV_count);",
        "\t\tTV_publishDate = (TextView) findViewById(R.id.TV_publishDate);",
        "\t\tTV_publisher = (TextView) findViewById(R.id.TV_publisher);",
        "\t\tiv_photo = (ImageView) findViewById(R.id.iv_photo); ",
        "\t\tBundle extras = this.getIntent().getExtras();",
        "\t\tbarcode = extras.getString(\"barcode\");",
        "\t\tinitViewData();",
        "\t\tbtnReturn.setOnClickListener(new OnClickListener() {",
        "\t\t\tpublic void onClick(View v) {",
        "\t\t\t\tBookDetailActivity.this.finish();",
        "\t\t\t}",
        "\t\t}); ",
        "\t}",
        "\t/* 初始化显示详情界面的数据 */",
        "\tprivate void initViewData() {",
        "\t    book = bookService.GetBook(barcode); ",
        "\t\tthis.TV_barcode.setText(book.getBarcode());",
        "\t\tthis.TV_bookName.setText(book.getBookName());",
        "\t\tBookType bookType = bookTypeService.GetBookType(book.getBookType());",
        "\t\tthis.TV_bookType.setText(bookType.getTypeName());",
        "\t\tthis.TV_price.setText(book.getPrice() + \"\");",
        "\t\tthis.TV_count.setText(book.getCount() + \"\");",
        "\t\tDate publishDate = new Date(book.getPublishDate().getTime());",
        "\t\tString publishDateStr = (publishDate.getYear() + 1900) + \"-\" + (publishDate.getMonth()+1) + \"-\" + publishDate.getDate();",
        "\t\tthis.TV_publishDate.setText(publishDateStr);",
        "\t\tPublisher publisher = publisherService.GetPublisher(book.getPublisher());",
        "\t\tthis.TV_publisher.setText(publisher.getPublisherName());",
        "\t\tbyte[] photo_data = null;",
        "\t\ttry {",
        "\t\t\t// 获取图片数据",
        "\t\t\tphoto_data = ImageService.getImage(HttpUtil.BASE_URL + book.getPhoto());",
        "\t\t\tBitmap photo = BitmapFactory.decodeByteArray(photo_data, 0,photo_data.length);",
        "\t\t\tthis.iv_photo.setImageBitmap(photo);",
        "\t\t} catch (Exception e) {",
        "\t\t\te.printStackTrace();",
        "\t\t}",
        "\t} ",
        "}",
    });
    // clang-format on
    COMPARE_TEXT(screenText(BuildDetailScreen, library(), "Book"), expected);
}

void TestScreensListDetailQuery::queryScreenOfMixedClass() {
    // clang-format off
    const QString expected = testing::crlf({
        "package com.mobileclient.activity;",
        "import java.sql.Timestamp;",
        "import java.util.Date;",
        "import java.util.List;",
        "import com.mobileclient.domain.Book;",
        "import com.mobileclient.domain.BookType;",
        "import com.mobileclient.service.BookTypeService;",
        "import com.mobileclient.domain.Publisher;",
        "import com.mobileclient.service.PublisherService;",
        "",
        "import android.app.Activity;",
        "import android.content.Intent;",
        "import android.os.Bundle;",
        "import android.view.View;",
        "import android.view.View.OnClickListener;",
        "import android.widget.AdapterView;",
        "import android.widget.AdapterView.OnItemSelectedListener;",
        "import android.widget.ArrayAdapter;",
        "import android.widget.Button;",
        "import android.widget.CheckBox;",
        "import android.widget.DatePicker;",
        "import android.widget.EditText;",
        "import android.widget.Spinner;",
        "",
        "public class BookQueryActivity extends Activity {",
        "\t// 声明查询按钮",
        "\tprivate Button btnQuery;",
        "\t// 声明图书名称输入框",
        "\tprivate EditText ET_bookName;",
        "\t// 声明图书类别下拉框",
        "\tprivate Spinner spinner_bookType;",
        "\tprivate ArrayAdapter<String> bookType_adapter;",
        "\tprivate static  String[] bookType_ShowText  = null;",
        "\tprivate List<BookType> bookTypeList = null; ",
        "\t/*图书类别管理业务逻辑层*/",
        "\tprivate BookTypeService bookTypeService = new BookTypeService();",
        "\t// 出版日期控件",
        "\tprivate DatePicker dp_publishDate;",
        "\tprivate CheckBox cb_publishDate;",
        "\t// 声明出版社下拉框",
        "\tprivate Spinner spinner_publisher;",
        "\tprivate ArrayAdapter<String> publisher_adapter;",
        "\tprivate static  String[] publisher_ShowText  = null;",
        "\tprivate List<Publisher> publisherList = null; ",
        "\t/*出版社管理业务逻辑层*/",
        "\tprivate PublisherService publisherService = new PublisherService();",
        "\t// 声明图书图片输入框",
        "\tprivate EditText ET_photo;",
        "\t/*查询过滤条件保存到这个对象中*/",
        "\tprivate Book queryConditionBook = new Book();",
        "",
        "\t@Override",
        "\tpublic void onCreate(Bundle savedInstanceState) {",
        "\t\tsuper.onCreate(savedInstanceState);",
        "\t\t// 设置标题",
        "\t\tsetTitle(\"手机客户端-设置查询图书条件\");",
        "\t\t// 设置当前Activity界面布局",
        "\t\tsetContentView(R.layout.book_query);",
        "\t\tbtnQuery = (Button) findViewById(R.id.btnQuery);",
        "\t\tET_bookName = (EditText) findViewById(R.id.ET_bookName);",
        "\t\tspinner_bookType = (Spinner) findViewById(R.id.Spinner_bookType);",
        "\t\t// 获取所有的图书类别",
        "\t\ttry {",
        "\t\t\tbookTypeList = bookTypeService.QueryBookType(null);",
        "\t\t} catch (Exception e1) {",
        "\t\t\te1.printStackTrace();",
        "\t\t}",
        "\t\tint bookTypeCount = bookTypeList.size();",
        "\t\tbookType_ShowText = new String[bookTypeCount+1];",
        "\t\tbookType_ShowText[0] = \"不限制\";",
        "\t\tfor(int i=1;i<=bookTypeCount;i++) { ",
        "\t\t\tbookType_ShowText[i] = bookTypeList.get(i-1).getTypeName();",
        "\t\t} ",
        "\t\t// 将可选内容与ArrayAdapter连接起来",
        "\t\tbookType_adapter = new ArrayAdapter<String>(this,android.R.layout.simple_spinner_item, bookType_ShowText);",
        "\t\t// 设置图书类别下拉列表的风格",
        "\t\tbookType_adapter.setDropDownViewResource(android.R.layout.simple_spinner_dropdown_item);",
        "\t\t// 将adapter 添加到spinner中",
        "\t\tspinner_bookType.setAdapter(bookType_adapter);",
        "\t\t// 添加事件Spinner事件监听",
        "\t\tspinner_bookType.setOnItemSelectedListener(new OnItemSelectedListener() {",
        "\t\t\t@Override",
        "\t\t\tpublic void onItemSelected(AdapterView<?> arg0, View arg1,int arg2, long arg3) {",
        "\t\t\t\tif(arg2 != 0)",
        "\t\t\t\t\tqueryConditionBook.setBookType(bookTypeList.get(arg2-1).getTypeId()); ",
        "\t\t\t\telse",
        "\t\t\t\t\tqueryConditionBook.setBookType(0);",
        "\t\t\t}",
        "\t\t\t@Override",
        "\t\t\tpublic void onNothingSelected(AdapterView<?> arg0) {}",
        "\t\t});",
        "\t\t// 设置默认值",
        "\t\tspinner_bookType.setVisibility(View.VISIBLE);",
        "\t\tdp_publishDate = (DatePicker) findViewById(R.id.dp_publishDate);",
        "\t\tcb_publishDate = (CheckBox) findViewById(R.id.cb_publishDate);",
        "\t\tspinner_publisher = (Spinner) findViewById(R.id.Spinner_publisher);",
        "\t\t// 获取所有的出版社",
        "\t\ttry {",
        "\t\t\tpublisherList = publisherService.QueryPublisher(null);",
        "\t\t} catch (Exception e1) {",
        "\t\t\te1.printStackTrace();",
        "\t\t}",
        "\t\tint publisherCount = publisherList.size();",
        "\t\tpublisher_ShowText = new String[publisherCount+1];",
        "\t\tpublisher_ShowText[0] = \"不限制\";",
        "\t\tfor(int i=1;i<=publisherCount;i++) { ",
        "\t\t\tpublisher_ShowText[i] = publisherList.get(i-1).getPublisherName();",
        "\t\t} ",
        "\t\t// 将可选内容与ArrayAdapter连接起来",
        "\t\tpublisher_adapter = new ArrayAdapter<String>(this,android.R.layout.simple_spinner_item, publisher_ShowText);",
        "\t\t// 设置出版社下拉列表的风格",
        "\t\tpublisher_adapter.setDropDownViewResource(android.R.layout.simple_spinner_dropdown_item);",
        "\t\t// 将adapter 添加到spinner中",
        "\t\tspinner_publisher.setAdapter(publisher_adapter);",
        "\t\t// 添加事件Spinner事件监听",
        "\t\tspinner_publisher.setOnItemSelectedListener(new OnItemSelectedListener() {",
        "\t\t\t@Override",
        "\t\t\tpublic void onItemSelected(AdapterView<?> arg0, View arg1,int arg2, long arg3) {",
        "\t\t\t\tif(arg2 != 0)",
        "\t\t\t\t\tqueryConditionBook.setPublisher(publisherList.get(arg2-1).getPublisherCode()); ",
        "\t\t\t\telse",
        "\t\t\t\t\tqueryConditionBook.setPublisher(\"\");",
        "\t\t\t}",
        "\t\t\t@Override",
        "\t\t\tpublic void onNothingSelected(AdapterView<?> arg0) {}",
        "\t\t});",
        "\t\t// 设置默认值",
        "\t\tspinner_publisher.setVisibility(View.VISIBLE);",
        "\t\tET_photo = (EditText) findViewById(R.id.ET_photo);",
        "\t\t/*单击查询按钮*/",
        "\t\tbtnQuery.setOnClickListener(new OnClickListener() {",
        "\t\t\tpublic void onClick(View v) {",
        "\t\t\t\ttry {",
        "\t\t\t\t\t/*获取查询参数*/",
        "\t\t\t\t\tqueryConditionBook.setBookName(ET_bookName.getText().toString());",
        "\t\t\t\t\tif(cb_publishDate.isChecked()) {",
        "\t\t\t\t\t\t/*获取出版日期*/",
        "\t\t\t\t\t\tDate publishDate = new Date(dp_publishDate.getYear()-1900,dp_publishDate.getMonth(),dp_publishDate.getDayOfMonth());",
        "\t\t\t\t\t\tqueryConditionBook.setPublishDate(new Timestamp(publishDate.getTime()));",
        "\t\t\t\t\t} else {",
        "\t\t\t\t\t\tqueryConditionBook.setPublishDate(null);",
        "\t\t\t\t\t} ",
        "\t\t\t\t\tqueryConditionBook.setPhoto(ET_photo.getText().toString());",
        "\t\t\t\t\t/*操作完成后返回到图书管理界面*/ ",
        "\t\t\t\t\tIntent intent = new Intent();",
        "\t\t\t\t\tintent.setClass(BookQueryActivity.this, BookListActivity.class);",
        "\t\t\t\t\tBundle bundle = new Bundle();",
        "\t\t\t\t\tbundle.putSerializable(\"queryConditionBook\", queryConditionBook);",
        "\t\t\t\t\tintent.putExtras(bundle);",
        "\t\t\t\t\tstartActivity(intent);  ",
        "\t\t\t\t\tBookQueryActivity.this.finish();",
        "\t\t\t\t} catch (Exception e) {}",
        "\t\t\t}",
        "\t\t\t});",
        "\t}",
        "}",
    });
    // clang-format on
    COMPARE_TEXT(screenText(BuildQueryScreen, library(), "Book"), expected);
}

// Every line where an integer key differs from a text key; the key is not shown in the rows, so
// every row map gets it first.
void TestScreensListDetailQuery::integerKeyInListScreen() {
    // clang-format off
    const QStringList expected = {
        "\tint readerNo;",
        "\t\t\t\t\tnew String[] { \"readerName\" },",
        "\t\t\t\t\tnew int[] { R.id.tv_readerName});",
        "            \tint readerNo = Integer.parseInt(list.get(arg2).get(\"readerNo\").toString());",
        "            \tbundle.putInt(\"readerNo\", readerNo);",
        "\t\t\t// 获取读者编号",
        "\t\t\treaderNo = Integer.parseInt(list.get(position).get(\"readerNo\").toString());",
        "\t\t\tbundle.putInt(\"readerNo\", readerNo);",
        "\t\t\treaderNo = Integer.parseInt(list.get(position).get(\"readerNo\").toString());",
        "\t\t\t\tString result = readerService.DeleteReader(readerNo);",
        "\t\t\t\tMap<String, Object> map = new HashMap<String, Object>();",
        "\t\t\t\tmap.put(\"readerNo\",readerList.get(i).getReaderNo());",
        "\t\t\t\tmap.put(\"readerName\", readerList.get(i).getReaderName());",
        "\t\t\t\tlist.add(map);",
    };
    // clang-format on
    const QString text = screenText(BuildListScreen, library(), "Reader");
    COMPARE_LINES_IN_ORDER(text, expected);
    QVERIFY(!text.contains("putString"));
    QVERIFY(!text.contains("String readerNo"));
}

// The integer key, and a reference member without the query flag, which the detail screen
// shows like any other.
void TestScreensListDetailQuery::integerKeyInDetailScreen() {
    // clang-format off
    const QStringList expected = {
        "import com.mobileclient.domain.Reader;",
        "import com.mobileclient.service.ReaderService;",
        "import com.mobileclient.domain.BookType;",
        "import com.mobileclient.service.BookTypeService;",
        "import com.mobileclient.util.HttpUtil;",
        "\tprivate ReaderService readerService = new ReaderService();",
        "\tprivate BookTypeService bookTypeService = new BookTypeService();",
        "\tprivate int readerNo;",
        "\t\treaderNo = extras.getInt(\"readerNo\");",
        "\t    reader = readerService.GetReader(readerNo); ",
        "\t\tthis.TV_readerNo.setText(reader.getReaderNo() + \"\");",
        "\t\tthis.TV_readerName.setText(reader.getReaderName());",
        "\t\tBookType bookType = bookTypeService.GetBookType(reader.getFavoriteType());",
        "\t\tthis.TV_favoriteType.setText(bookType.getTypeName());",
    };
    // clang-format on
    const QString text = screenText(BuildDetailScreen, library(), "Reader");
    COMPARE_LINES_IN_ORDER(text, expected);
}

void TestScreensListDetailQuery::queryScreenWithoutInputs_data() {
    QTest::addColumn<bool>("queryingNumbers");
    QTest::newRow("no query members") << false;
    // Integer and float members cannot be asked for in a query and get no input.
    QTest::newRow("integer and float query members") << true;
}

// Only the button, and the imports of the reference member that has no query flag.
void TestScreensListDetailQuery::queryScreenWithoutInputs() {
    QFETCH(bool, queryingNumbers);
    // clang-format off
    const QString expected = testing::crlf({
        "package com.mobileclient.activity;",
        "import java.sql.Timestamp;",
        "import java.util.Date;",
        "import java.util.List;",
        "import com.mobileclient.domain.Reader;",
        "import com.mobileclient.domain.BookType;",
        "import com.mobileclient.service.BookTypeService;",
        "",
        "import android.app.Activity;",
        "import android.content.Intent;",
        "import android.os.Bundle;",
        "import android.view.View;",
        "import android.view.View.OnClickListener;",
        "import android.widget.AdapterView;",
        "import android.widget.AdapterView.OnItemSelectedListener;",
        "import android.widget.ArrayAdapter;",
        "import android.widget.Button;",
        "import android.widget.CheckBox;",
        "import android.widget.DatePicker;",
        "import android.widget.EditText;",
        "import android.widget.Spinner;",
        "",
        "public class ReaderQueryActivity extends Activity {",
        "\t// 声明查询按钮",
        "\tprivate Button btnQuery;",
        "\t/*查询过滤条件保存到这个对象中*/",
        "\tprivate Reader queryConditionReader = new Reader();",
        "",
        "\t@Override",
        "\tpublic void onCreate(Bundle savedInstanceState) {",
        "\t\tsuper.onCreate(savedInstanceState);",
        "\t\t// 设置标题",
        "\t\tsetTitle(\"手机客户端-设置查询读者条件\");",
        "\t\t// 设置当前Activity界面布局",
        "\t\tsetContentView(R.layout.reader_query);",
        "\t\tbtnQuery = (Button) findViewById(R.id.btnQuery);",
        "\t\t/*单击查询按钮*/",
        "\t\tbtnQuery.setOnClickListener(new OnClickListener() {",
        "\t\t\tpublic void onClick(View v) {",
        "\t\t\t\ttry {",
        "\t\t\t\t\t/*获取查询参数*/",
        "\t\t\t\t\t/*操作完成后返回到读者管理界面*/ ",
        "\t\t\t\t\tIntent intent = new Intent();",
        "\t\t\t\t\tintent.setClass(ReaderQueryActivity.this, ReaderListActivity.class);",
        "\t\t\t\t\tBundle bundle = new Bundle();",
        "\t\t\t\t\tbundle.putSerializable(\"queryConditionReader\", queryConditionReader);",
        "\t\t\t\t\tintent.putExtras(bundle);",
        "\t\t\t\t\tstartActivity(intent);  ",
        "\t\t\t\t\tReaderQueryActivity.this.finish();",
        "\t\t\t\t} catch (Exception e) {}",
        "\t\t\t}",
        "\t\t\t});",
        "\t}",
        "}",
    });
    // clang-format on
    const TProjectModel project = queryingNumbers ? readerQueryingNumbers() : library();
    COMPARE_TEXT(screenText(BuildQueryScreen, project, "Reader"), expected);
}

// The first member that refers to a class keeps the class's object name; a second reference to
// the same class is named after the member itself, and so is a self reference where the class's
// own service is declared (detail screen). The query screen holds neither its own service nor
// the objects of references without the query flag, so only its second drop-down over one class
// is renamed.
void TestScreensListDetailQuery::referencesToOneClassGetTheirOwnNames() {
    const TProjectModel project = company();
    const TClassModel& employee = classNamed(project, "Employee");
    // clang-format off
    const QStringList detail = {
        "\tprivate EmployeeService employeeService = new EmployeeService();",
        "\tprivate EmployeeService managerService = new EmployeeService();",
        "\tprivate EmployeeService mentorService = new EmployeeService();",
        "\tprivate DeptService deptService = new DeptService();",
        "\tprivate DeptService workDeptService = new DeptService();",
        "\t    employee = employeeService.GetEmployee(employeeNo); ",
        "\t\tEmployee manager = managerService.GetEmployee(employee.getManager());",
        "\t\tthis.TV_manager.setText(manager.getName());",
        "\t\tEmployee mentor = mentorService.GetEmployee(employee.getMentor());",
        "\t\tthis.TV_mentor.setText(mentor.getName());",
        "\t\tDept dept = deptService.GetDept(employee.getHomeDept());",
        "\t\tthis.TV_homeDept.setText(dept.getDeptName());",
        "\t\tDept workDept = workDeptService.GetDept(employee.getWorkDept());",
        "\t\tthis.TV_workDept.setText(workDept.getDeptName());",
    };
    const QStringList query = {
        "\tprivate List<Employee> employeeList = null; ",
        "\tprivate EmployeeService employeeService = new EmployeeService();",
        "\tprivate List<Employee> mentorList = null; ",
        "\tprivate EmployeeService mentorService = new EmployeeService();",
        "\tprivate List<Dept> deptList = null; ",
        "\tprivate DeptService deptService = new DeptService();",
        "\t\t\temployeeList = employeeService.QueryEmployee(null);",
        "\t\tint employeeCount = employeeList.size();",
        "\t\t\tmanager_ShowText[i] = employeeList.get(i-1).getName();",
        "\t\t\t\t\tqueryConditionEmployee.setManager(employeeList.get(arg2-1).getEmployeeNo()); ",
        "\t\t\t\t\tqueryConditionEmployee.setManager(0);",
        "\t\t\tmentorList = mentorService.QueryEmployee(null);",
        "\t\tint mentorCount = mentorList.size();",
        "\t\t\tmentor_ShowText[i] = mentorList.get(i-1).getName();",
        "\t\t\tdeptList = deptService.QueryDept(null);",
        "\t\tint deptCount = deptList.size();",
        "\t\t\tworkDept_ShowText[i] = deptList.get(i-1).getDeptName();",
        "\t\t\t\t\tqueryConditionEmployee.setWorkDept(deptList.get(arg2-1).getDeptCode()); ",
        "\t\t\t\t\tqueryConditionEmployee.setWorkDept(\"\");",
    };
    // clang-format on
    COMPARE_LINES_IN_ORDER(BuildDetailScreen(project, employee).text, detail);
    const QString queryText = BuildQueryScreen(project, employee).text;
    COMPARE_LINES_IN_ORDER(queryText, query);
    QVERIFY(!queryText.contains("managerList"));
    QVERIFY(!queryText.contains("workDeptList"));
}

void TestScreensListDetailQuery::screensAreActivitySources() {
    const TProjectModel project = library();
    const TClassModel& book = classNamed(project, "Book");
    const QList<TGeneratedFile> files = {BuildListScreen(project, book),
                                         BuildDetailScreen(project, book),
                                         BuildQueryScreen(project, book)};
    const QStringList names = {"BookListActivity.java", "BookDetailActivity.java",
                               "BookQueryActivity.java"};
    for (qsizetype i = 0; i < files.size(); ++i) {
        QCOMPARE(files[i].folder, QStringLiteral("src/com/mobileclient/activity"));
        QCOMPARE(files[i].fileName, names[i]);
        QCOMPARE(files[i].encoding, FileEncoding::Gbk);
    }
}

QTEST_GUILESS_MAIN(TestScreensListDetailQuery)
#include "test_screens_list_detail_query.moc"

// The add and edit screens, compared with their full expected text.

#include "TestSupport.h"
#include "generators/MobileClientActivity.h"
#include "generators/ScreenBuilders.h"
#include "generators/ScreenPieces.h"

using testing::crlf;

namespace {

// Book mixes every member category under a text key; Reader has an integer key, no image
// members and a reference to a class with an integer key.
TProjectModel library() {
    return testing::ProjectBuilder()
        .cls("Book", "图书",
             {{.name = "barcode", .type = kTypeString, .comment = "条码", .key = true},
              {.name = "title", .type = kTypeString, .comment = "书名", .display = true},
              {.name = "price", .type = kTypeFloat, .comment = "价格"},
              {.name = "count", .type = kTypeInteger, .comment = "库存"},
              {.name = "publishDate", .type = kTypeDate, .comment = "出版日期"},
              {.name = "bookType", .type = "BookType", .comment = "图书类别"},
              {.name = "photo", .type = kTypeImage, .comment = "封面"}})
        .cls("BookType", "图书类别",
             {{.name = "typeCode", .type = kTypeString, .comment = "类别编号", .key = true},
              {.name = "typeName", .type = kTypeString, .comment = "类别名称", .display = true}})
        .cls("Reader", "读者",
             {{.name = "readerId", .type = kTypeInteger, .comment = "读者编号", .key = true},
              {.name = "readerName", .type = kTypeString, .comment = "姓名", .display = true},
              {.name = "city", .type = "City", .comment = "所在城市"}})
        .cls("City", "城市",
             {{.name = "cityNo", .type = kTypeInteger, .comment = "城市编号", .key = true},
              {.name = "cityName", .type = kTypeString, .comment = "城市名称", .display = true}})
        .build();
}

const TClassModel& classNamed(const TProjectModel& project, const char* name) {
    return *project.classNamed(QString::fromUtf8(name));
}

// The lines of text that contain one of the words.
QStringList linesWith(const QString& text, const QStringList& words) {
    QStringList result;
    for (const QString& line : text.split(QStringLiteral("\r\n"))) {
        for (const QString& word : words) {
            if (line.contains(word)) {
                result.append(line);
                break;
            }
        }
    }
    return result;
}

QString androidImports(bool withTextView) {
    return crlf({"import android.app.Activity;", "import android.content.Intent;",
                 "import android.graphics.Bitmap;", "import android.graphics.BitmapFactory;",
                 "import android.net.Uri;", "import android.os.Bundle;",
                 "import android.provider.MediaStore;", "import android.view.View;",
                 "import android.view.View.OnClickListener;", "import android.widget.AdapterView;",
                 "import android.widget.AdapterView.OnItemSelectedListener;",
                 "import android.widget.ArrayAdapter;", "import android.widget.Button;",
                 "import android.widget.DatePicker;", "import android.widget.EditText;"}) +
           (withTextView ? crlf({"import android.widget.TextView;"}) : QString()) +
           crlf({"import android.widget.ImageView;", "import android.widget.ImageView.ScaleType;",
                 "import android.widget.Spinner;", "import android.widget.Toast;"});
}

QString addImports(const QString& ownAndReferenced) {
    return crlf({"package com.mobileclient.activity;", "", "import java.io.File;",
                 "import java.io.FileNotFoundException;", "import java.io.FileOutputStream;",
                 "import com.mobileclient.util.HttpUtil;", "", "import java.sql.Timestamp;",
                 "import java.util.Date;", "import java.util.List;", ""}) +
           ownAndReferenced + androidImports(false);
}

QString editImports(const QString& ownAndReferenced) {
    return crlf({"package com.mobileclient.activity;", "", "import java.io.File;",
                 "import java.io.FileNotFoundException;", "import java.io.FileOutputStream;", "",
                 "import java.sql.Timestamp;", "import java.util.Date;", "import java.util.List;",
                 "", "import com.mobileclient.util.HttpUtil;",
                 "import com.mobileclient.util.ImageService;"}) +
           ownAndReferenced + androidImports(true) + crlf({""});
}

const QString kBookImports = crlf({
    "import com.mobileclient.domain.Book;",
    "import com.mobileclient.service.BookService;",
    "import com.mobileclient.domain.BookType;",
    "import com.mobileclient.service.BookTypeService;",
});

const QString kBookMemberFields = crlf({
    "\t// 声明书名输入框",
    "\tprivate EditText ET_title;",
    "\t// 声明价格输入框",
    "\tprivate EditText ET_price;",
    "\t// 声明库存输入框",
    "\tprivate EditText ET_count;",
    "\t// 出版出版日期控件",
    "\tprivate DatePicker dp_publishDate;",
    "\t// 声明图书类别下拉框",
    "\tprivate Spinner spinner_bookType;",
    "\tprivate ArrayAdapter<String> bookType_adapter;",
    "\tprivate static  String[] bookType_ShowText  = null;",
    "\tprivate List<BookType> bookTypeList = null;",
    "\t/*图书类别管理业务逻辑层*/",
    "\tprivate BookTypeService bookTypeService = new BookTypeService();",
    "\t// 声明封面图片框控件",
    "\tprivate ImageView iv_photo;",
    "\tprivate Button btn_photo;",
    "\tprotected int REQ_CODE_SELECT_IMAGE_photo = 1;",
    "\tprivate int REQ_CODE_CAMERA_photo = 2;",
    "\tprotected String carmera_path;",
    "\t/*要保存的图书信息*/",
    "\tBook book = new Book();",
    "\t/*图书管理业务逻辑层*/",
    "\tprivate BookService bookService = new BookService();",
    "",
});

QString onCreateStart(const QString& title, const QString& layout) {
    return crlf({"\t@Override", "\tpublic void onCreate(Bundle savedInstanceState) {",
                 "\t\tsuper.onCreate(savedInstanceState);", "\t\t// 设置标题",
                 "\t\tsetTitle(\"手机客户端-" + title + "\");", "\t\t// 设置当前Activity界面布局",
                 "\t\tsetContentView(R.layout." + layout + "); "});
}

QString bookWidgetSetUp(const QString& activity) {
    return crlf({
        "\t\tET_title = (EditText) findViewById(R.id.ET_title);",
        "\t\tET_price = (EditText) findViewById(R.id.ET_price);",
        "\t\tET_count = (EditText) findViewById(R.id.ET_count);",
        "\t\tdp_publishDate = (DatePicker)this.findViewById(R.id.dp_publishDate);",
        "\t\tspinner_bookType = (Spinner) findViewById(R.id.Spinner_bookType);",
        "\t\t// 获取所有的图书类别",
        "\t\ttry {",
        "\t\t\tbookTypeList = bookTypeService.QueryBookType(null);",
        "\t\t} catch (Exception e1) { ",
        "\t\t\te1.printStackTrace(); ",
        "\t\t}",
        "\t\tint bookTypeCount = bookTypeList.size();",
        "\t\tbookType_ShowText = new String[bookTypeCount];",
        "\t\tfor(int i=0;i<bookTypeCount;i++) { ",
        "\t\t\tbookType_ShowText[i] = bookTypeList.get(i).getTypeName();",
        "\t\t}",
        "\t\t// 将可选内容与ArrayAdapter连接起来",
        "\t\tbookType_adapter = new "
        "ArrayAdapter<String>(this,android.R.layout.simple_spinner_item, "
        "bookType_ShowText);",
        "\t\t// 设置图书类别下拉列表的风格",
        "\t\tbookType_adapter.setDropDownViewResource(android.R.layout.simple_spinner_dropdown_"
        "item);",
        "\t\t// 将adapter 添加到spinner中",
        "\t\tspinner_bookType.setAdapter(bookType_adapter);",
        "\t\t// 添加事件Spinner事件监听",
        "\t\tspinner_bookType.setOnItemSelectedListener(new OnItemSelectedListener() {",
        "\t\t\t@Override",
        "\t\t\tpublic void onItemSelected(AdapterView<?> arg0, View arg1,int arg2, long arg3) {",
        "\t\t\t\tbook.setBookType(bookTypeList.get(arg2).getTypeCode()); ",
        "\t\t\t}",
        "\t\t\t@Override",
        "\t\t\tpublic void onNothingSelected(AdapterView<?> arg0) {}",
        "\t\t});",
        "\t\t// 设置默认值",
        "\t\tspinner_bookType.setVisibility(View.VISIBLE);",
        "\t\tiv_photo = (ImageView) findViewById(R.id.iv_photo);",
        "\t\t/*单击图片显示控件时进行图片的选择*/",
        "\t\tiv_photo.setOnClickListener(new OnClickListener() {",
        "\t\t\t@Override",
        "\t\t\tpublic void onClick(View v) {",
        "\t\t\t\tIntent intent = new Intent();",
        "\t\t\t\tintent.setClass(" + activity + ".this,photoListActivity.class);",
        "\t\t\t\tstartActivityForResult(intent,REQ_CODE_SELECT_IMAGE_photo);",
        "\t\t\t}",
        "\t\t});",
        "\t\tbtn_photo = (Button) findViewById(R.id.btn_photo);",
        "\t\tbtn_photo.setOnClickListener(new OnClickListener() { ",
        "\t\t\t@Override",
        "\t\t\tpublic void onClick(View arg0) {",
        "\t\t\t\tIntent intent = new Intent(MediaStore.ACTION_IMAGE_CAPTURE); ",
        "\t\t\t\tcarmera_path = HttpUtil.FILE_PATH + \"/carmera_photo.bmp\";",
        "\t\t\t\tFile out = new File(carmera_path); ",
        "\t\t\t\tintent.putExtra(MediaStore.EXTRA_OUTPUT, Uri.fromFile(out)); ",
        "\t\t\t\tstartActivityForResult(intent, REQ_CODE_CAMERA_photo);  ",
        "\t\t\t}",
        "\t\t});",
    });
}

// The save steps of Book up to its photo member.
QString bookChecks(const QString& activity) {
    return crlf({
        "\t\t\t\t\t/*验证获取书名*/ ",
        "\t\t\t\t\tif(ET_title.getText().toString().equals(\"\")) {",
        "\t\t\t\t\t\tToast.makeText(" + activity +
            ".this, \"书名输入不能为空!\", Toast.LENGTH_LONG).show();",
        "\t\t\t\t\t\tET_title.setFocusable(true);",
        "\t\t\t\t\t\tET_title.requestFocus();",
        "\t\t\t\t\t\treturn;\t",
        "\t\t\t\t\t}",
        "\t\t\t\t\tbook.setTitle(ET_title.getText().toString());",
        "\t\t\t\t\t/*验证获取价格*/ ",
        "\t\t\t\t\tif(ET_price.getText().toString().equals(\"\")) {",
        "\t\t\t\t\t\tToast.makeText(" + activity +
            ".this, \"价格输入不能为空!\", Toast.LENGTH_LONG).show();",
        "\t\t\t\t\t\tET_price.setFocusable(true);",
        "\t\t\t\t\t\tET_price.requestFocus();",
        "\t\t\t\t\t\treturn;\t",
        "\t\t\t\t\t}",
        "\t\t\t\t\tbook.setPrice(Float.parseFloat(ET_price.getText().toString()));",
        "\t\t\t\t\t/*验证获取库存*/ ",
        "\t\t\t\t\tif(ET_count.getText().toString().equals(\"\")) {",
        "\t\t\t\t\t\tToast.makeText(" + activity +
            ".this, \"库存输入不能为空!\", Toast.LENGTH_LONG).show();",
        "\t\t\t\t\t\tET_count.setFocusable(true);",
        "\t\t\t\t\t\tET_count.requestFocus();",
        "\t\t\t\t\t\treturn;\t",
        "\t\t\t\t\t}",
        "\t\t\t\t\tbook.setCount(Integer.parseInt(ET_count.getText().toString()));",
        "\t\t\t\t\t/*获取出版日期*/",
        "\t\t\t\t\tDate publishDate = new Date(dp_publishDate.getYear()-1900,dp_publishDate."
        "getMonth(),dp_publishDate.getDayOfMonth());",
        "\t\t\t\t\tbook.setPublishDate(new Timestamp(publishDate.getTime()));",
    });
}

QString uploadLines(const QString& activity, const QString& object, const QString& name,
                    const QString& stem) {
    return crlf({
        "\t\t\t\t\t\t//如果图片地址不为空，说明用户选择了图片，这时需要连接服务器上传图片",
        "\t\t\t\t\t\t" + activity + ".this.setTitle(\"正在上传图片，稍等...\");",
        "\t\t\t\t\t\tString " + name + " = HttpUtil.uploadFile(" + object + ".get" + stem + "());",
        "\t\t\t\t\t\t" + activity + ".this.setTitle(\"图片上传完毕！\");",
        "\t\t\t\t\t\t" + object + ".set" + stem + "(" + name + ");",
    });
}

// From the service call's comment to the end of onCreate.
QString sendAndReturn(const QString& cls, const QString& friendName, const QString& activity,
                      const QString& upload, const QString& call) {
    return crlf({
        "\t\t\t\t\t/*调用业务逻辑层上传" + friendName + "信息*/",
        "\t\t\t\t\t" + activity + ".this.setTitle(\"正在" + upload + friendName +
            "信息，稍等...\");",
        "\t\t\t\t\tString result = " + call + ";",
        "\t\t\t\t\tToast.makeText(getApplicationContext(), result, 1).show(); ",
        "\t\t\t\t\t/*操作完成后返回到" + friendName + "管理界面*/ ",
        "\t\t\t\t\tIntent intent = new Intent();",
        "\t\t\t\t\tintent.setClass(" + activity + ".this, " + cls + "ListActivity.class);",
        "\t\t\t\t\tstartActivity(intent); ",
        "\t\t\t\t\t" + activity + ".this.finish();",
        "\t\t\t\t} catch (Exception e) {}",
        "\t\t\t}",
        "\t\t});",
        "\t}",
        "",
    });
}

const QString kPhotoResultsStart = crlf({
    "\t@Override",
    "\tprotected void onActivityResult(int requestCode, int resultCode, Intent data) {",
    "\t\tsuper.onActivityResult(requestCode, resultCode, data);",
});

const QString kBookPhotoResults =
    kPhotoResultsStart +
    crlf({
        "\t\tif (requestCode == REQ_CODE_CAMERA_photo  && resultCode == Activity.RESULT_OK) {",
        "\t\t\tcarmera_path = HttpUtil.FILE_PATH + \"/carmera_photo.bmp\"; ",
        "\t\t\tBitmapFactory.Options opts = new BitmapFactory.Options();",
        "\t\t\topts.inJustDecodeBounds = true;",
        "\t\t\tBitmapFactory.decodeFile(carmera_path, opts); ",
        "\t\t\topts.inSampleSize = photoListActivity.computeSampleSize(opts, -1, 300*300);",
        "\t\t\topts.inJustDecodeBounds = false;",
        "\t\t\ttry {",
        "\t\t\t\tBitmap booImageBm = BitmapFactory.decodeFile(carmera_path, opts);",
        "\t\t\t\tString jpgFileName = \"carmera_photo.jpg\";",
        "\t\t\t\tString jpgFilePath =  HttpUtil.FILE_PATH + \"/\" + jpgFileName;",
        "\t\t\t\ttry {",
        "\t\t\t\t\tFileOutputStream jpgOutputStream = new FileOutputStream(jpgFilePath);",
        "\t\t\t\t\tbooImageBm.compress(Bitmap.CompressFormat.JPEG, 30, jpgOutputStream);// "
        "把数据写入文件 ",
        "\t\t\t\t\tFile bmpFile = new File(carmera_path);",
        "\t\t\t\t\tbmpFile.delete();",
        "\t\t\t\t} catch (FileNotFoundException e) {",
        "\t\t\t\t\te.printStackTrace();",
        "\t\t\t\t} ",
        "\t\t\t\tthis.iv_photo.setImageBitmap(booImageBm);",
        "\t\t\t\tthis.iv_photo.setScaleType(ScaleType.FIT_CENTER);",
        "\t\t\t\tthis.book.setPhoto(jpgFileName);",
        "\t\t\t} catch (OutOfMemoryError err) {  }",
        "\t\t}",
        "",
        "\t\tif(requestCode == REQ_CODE_SELECT_IMAGE_photo && resultCode == Activity.RESULT_OK) {",
        "\t\t\tBundle bundle = data.getExtras();",
        "\t\t\tString filename =  bundle.getString(\"fileName\");",
        "\t\t\tString filepath = HttpUtil.FILE_PATH + \"/\" + filename;",
        "\t\t\tBitmapFactory.Options opts = new BitmapFactory.Options();",
        "\t\t\topts.inJustDecodeBounds = true; ",
        "\t\t\tBitmapFactory.decodeFile(filepath, opts); ",
        "\t\t\topts.inSampleSize = photoListActivity.computeSampleSize(opts, -1, 128*128);",
        "\t\t\topts.inJustDecodeBounds = false; ",
        "\t\t\ttry { ",
        "\t\t\t\tBitmap bm = BitmapFactory.decodeFile(filepath, opts);",
        "\t\t\t\tthis.iv_photo.setImageBitmap(bm); ",
        "\t\t\t\tthis.iv_photo.setScaleType(ScaleType.FIT_CENTER); ",
        "\t\t\t} catch (OutOfMemoryError err) {  } ",
        "\t\t\tbook.setPhoto(filename); ",
        "\t\t}",
        "\t}",
        "}",
    });

const QString kReaderImports = crlf({
    "import com.mobileclient.domain.Reader;",
    "import com.mobileclient.service.ReaderService;",
    "import com.mobileclient.domain.City;",
    "import com.mobileclient.service.CityService;",
});

const QString kReaderMemberFields = crlf({
    "\t// 声明姓名输入框",
    "\tprivate EditText ET_readerName;",
    "\t// 声明所在城市下拉框",
    "\tprivate Spinner spinner_city;",
    "\tprivate ArrayAdapter<String> city_adapter;",
    "\tprivate static  String[] city_ShowText  = null;",
    "\tprivate List<City> cityList = null;",
    "\t/*所在城市管理业务逻辑层*/",
    "\tprivate CityService cityService = new CityService();",
    "\tprotected String carmera_path;",
    "\t/*要保存的读者信息*/",
    "\tReader reader = new Reader();",
    "\t/*读者管理业务逻辑层*/",
    "\tprivate ReaderService readerService = new ReaderService();",
    "",
});

const QString kReaderWidgetSetUp = crlf({
    "\t\tET_readerName = (EditText) findViewById(R.id.ET_readerName);",
    "\t\tspinner_city = (Spinner) findViewById(R.id.Spinner_city);",
    "\t\t// 获取所有的所在城市",
    "\t\ttry {",
    "\t\t\tcityList = cityService.QueryCity(null);",
    "\t\t} catch (Exception e1) { ",
    "\t\t\te1.printStackTrace(); ",
    "\t\t}",
    "\t\tint cityCount = cityList.size();",
    "\t\tcity_ShowText = new String[cityCount];",
    "\t\tfor(int i=0;i<cityCount;i++) { ",
    "\t\t\tcity_ShowText[i] = cityList.get(i).getCityName();",
    "\t\t}",
    "\t\t// 将可选内容与ArrayAdapter连接起来",
    "\t\tcity_adapter = new ArrayAdapter<String>(this,android.R.layout.simple_spinner_item, "
    "city_ShowText);",
    "\t\t// 设置图书类别下拉列表的风格",
    "\t\tcity_adapter.setDropDownViewResource(android.R.layout.simple_spinner_dropdown_item);",
    "\t\t// 将adapter 添加到spinner中",
    "\t\tspinner_city.setAdapter(city_adapter);",
    "\t\t// 添加事件Spinner事件监听",
    "\t\tspinner_city.setOnItemSelectedListener(new OnItemSelectedListener() {",
    "\t\t\t@Override",
    "\t\t\tpublic void onItemSelected(AdapterView<?> arg0, View arg1,int arg2, long arg3) {",
    "\t\t\t\treader.setCity(cityList.get(arg2).getCityNo()); ",
    "\t\t\t}",
    "\t\t\t@Override",
    "\t\t\tpublic void onNothingSelected(AdapterView<?> arg0) {}",
    "\t\t});",
    "\t\t// 设置默认值",
    "\t\tspinner_city.setVisibility(View.VISIBLE);",
});

QString readerNameCheck(const QString& activity) {
    return crlf({
        "\t\t\t\t\t/*验证获取姓名*/ ",
        "\t\t\t\t\tif(ET_readerName.getText().toString().equals(\"\")) {",
        "\t\t\t\t\t\tToast.makeText(" + activity +
            ".this, \"姓名输入不能为空!\", Toast.LENGTH_LONG).show();",
        "\t\t\t\t\t\tET_readerName.setFocusable(true);",
        "\t\t\t\t\t\tET_readerName.requestFocus();",
        "\t\t\t\t\t\treturn;\t",
        "\t\t\t\t\t}",
        "\t\t\t\t\treader.setReaderName(ET_readerName.getText().toString());",
    });
}

// A class with three image members between other members.
TProjectModel album() {
    return testing::ProjectBuilder()
        .cls("Album", "相册",
             {{.name = "albumId", .type = kTypeInteger, .comment = "编号", .key = true},
              {.name = "front", .type = kTypeImage, .comment = "封面"},
              {.name = "name", .type = kTypeString, .comment = "名称", .display = true},
              {.name = "back", .type = kTypeImage, .comment = "封底"},
              {.name = "day", .type = kTypeDate, .comment = "日期"},
              {.name = "inside", .type = kTypeImage, .comment = "内页"}})
        .build();
}

// Trip refers to City twice; Category refers to itself.
TProjectModel travel() {
    return testing::ProjectBuilder()
        .cls("City", "城市",
             {{.name = "cityNo", .type = kTypeInteger, .comment = "城市编号", .key = true},
              {.name = "cityName", .type = kTypeString, .comment = "城市名称", .display = true}})
        .cls("Trip", "行程",
             {{.name = "tripCode", .type = kTypeString, .comment = "行程编号", .key = true},
              {.name = "fromCity", .type = "City", .comment = "出发城市"},
              {.name = "toCity", .type = "City", .comment = "到达城市", .display = true}})
        .cls("Category", "分类",
             {{.name = "categoryId", .type = kTypeInteger, .comment = "分类编号", .key = true},
              {.name = "categoryName", .type = kTypeString, .comment = "名称", .display = true},
              {.name = "parent", .type = "Category", .comment = "上级分类"}})
        .build();
}

// The add and edit screens, the first two that the activity generator writes.
TGeneratedFiles addAndEditScreens(const TProjectModel& project, const TClassModel& cls) {
    return TMobileClientActivity::Generate(project, cls).mid(0, 2);
}

}  // namespace

class TestScreensAddEdit : public QObject {
    Q_OBJECT

  private slots:
    void addScreenOfTextKeyClassWithEveryCategory() {
        const TProjectModel project = library();
        const TGeneratedFile file = BuildAddScreen(project, classNamed(project, "Book"));
        const QString activity = "BookAddActivity";
        const QString expected =
            addImports(kBookImports) +
            crlf({"public class BookAddActivity extends Activity {", "\t// 声明确定添加按钮",
                  "\tprivate Button btnAdd;", "\t// 声明条码输入框",
                  "\tprivate EditText ET_barcode;"}) +
            kBookMemberFields + onCreateStart("添加图书", "book_add") +
            crlf({"\t\tET_barcode = (EditText) findViewById(R.id.ET_barcode);"}) +
            bookWidgetSetUp(activity) +
            crlf({
                "\t\tbtnAdd = (Button) findViewById(R.id.BtnAdd);",
                "\t\t/*单击添加图书按钮*/",
                "\t\tbtnAdd.setOnClickListener(new OnClickListener() {",
                "\t\t\tpublic void onClick(View v) {",
                "\t\t\t\ttry {",
                "\t\t\t\t\t/*验证获取条码*/",
                "\t\t\t\t\tif(ET_barcode.getText().toString().equals(\"\")) {",
                "\t\t\t\t\t\tToast.makeText(BookAddActivity.this, \"条码输入不能为空!\", "
                "Toast.LENGTH_LONG).show();",
                "\t\t\t\t\t\tET_barcode.setFocusable(true);",
                "\t\t\t\t\t\tET_barcode.requestFocus();",
                "\t\t\t\t\t\treturn;",
                "\t\t\t\t\t}",
                "\t\t\t\t\tbook.setBarcode(ET_barcode.getText().toString());",
            }) +
            bookChecks(activity) + crlf({"\t\t\t\t\tif(book.getPhoto() != null) {"}) +
            uploadLines(activity, "book", "photo", "Photo") +
            crlf({"\t\t\t\t\t} else {", "\t\t\t\t\t\tbook.setPhoto(\"upload/noimage.jpg\");",
                  "\t\t\t\t\t}"}) +
            sendAndReturn("Book", "图书", activity, "上传", "bookService.AddBook(book)") +
            kBookPhotoResults;
        COMPARE_TEXT(file.text, expected);
        QCOMPARE(file.fileName, QStringLiteral("BookAddActivity.java"));
    }

    void editScreenOfTextKeyClassWithEveryCategory() {
        const TProjectModel project = library();
        const TGeneratedFile file = BuildEditScreen(project, classNamed(project, "Book"));
        const QString activity = "BookEditActivity";
        const QString expected =
            editImports(kBookImports) +
            crlf({"public class BookEditActivity extends Activity {", "\t// 声明确定添加按钮",
                  "\tprivate Button btnUpdate;", "\t// 声明条码TextView",
                  "\tprivate TextView TV_barcode;"}) +
            kBookMemberFields + crlf({"\tprivate String barcode;"}) +
            onCreateStart("修改图书", "book_edit") +
            crlf({"\t\tTV_barcode = (TextView) findViewById(R.id.TV_barcode);"}) +
            bookWidgetSetUp(activity) +
            crlf({
                "\t\tbtnUpdate = (Button) findViewById(R.id.BtnUpdate);",
                "\t\tBundle extras = this.getIntent().getExtras();",
                "\t\tbarcode = extras.getString(\"barcode\");",
                "\t\tinitViewData();",
                "\t\t/*单击修改图书按钮*/",
                "\t\tbtnUpdate.setOnClickListener(new OnClickListener() {",
                "\t\t\tpublic void onClick(View v) {",
                "\t\t\t\ttry {",
            }) +
            bookChecks(activity) +
            crlf({"\t\t\t\t\tif (!book.getPhoto().startsWith(\"upload/\")) {"}) +
            uploadLines(activity, "book", "photo", "Photo") + crlf({"\t\t\t\t\t} "}) +
            sendAndReturn("Book", "图书", activity, "更新", "bookService.UpdateBook(book)") +
            crlf({
                "\t/* 初始化显示编辑界面的数据 */",
                "\tprivate void initViewData() {",
                "\t    book = bookService.GetBook(barcode);",
                "\t\tthis.TV_barcode.setText(barcode);",
                "\t\tthis.ET_title.setText(book.getTitle());",
                "\t\tthis.ET_price.setText(book.getPrice() + \"\");",
                "\t\tthis.ET_count.setText(book.getCount() + \"\");",
                "\t\tDate publishDate = new Date(book.getPublishDate().getTime());",
                "\t\tthis.dp_publishDate.init(publishDate.getYear() + 1900,publishDate.getMonth(), "
                "publishDate.getDate(), null);",
                "\t\tfor (int i = 0; i < bookTypeList.size(); i++) {",
                "\t\t\tif (book.getBookType().equals(bookTypeList.get(i).getTypeCode())) {",
                "\t\t\t\tthis.spinner_bookType.setSelection(i);",
                "\t\t\t\tbreak;",
                "\t\t\t}",
                "\t\t}",
                "\t\tbyte[] photo_data = null;",
                "\t\ttry {",
                "\t\t\t// 获取图片数据",
                "\t\t\tphoto_data = ImageService.getImage(HttpUtil.BASE_URL + book.getPhoto());",
                "\t\t\tBitmap photo = BitmapFactory.decodeByteArray(photo_data, 0, "
                "photo_data.length);",
                "\t\t\tthis.iv_photo.setImageBitmap(photo);",
                "\t\t} catch (Exception e) {",
                "\t\t\te.printStackTrace();",
                "\t\t}",
                "\t}",
            }) +
            kBookPhotoResults;
        COMPARE_TEXT(file.text, expected);
        QCOMPARE(file.fileName, QStringLiteral("BookEditActivity.java"));
    }

    void addScreenOfIntegerKeyClassWithoutImages() {
        const TProjectModel project = library();
        const TGeneratedFile file = BuildAddScreen(project, classNamed(project, "Reader"));
        const QString activity = "ReaderAddActivity";
        const QString expected =
            addImports(kReaderImports) +
            crlf({"public class ReaderAddActivity extends Activity {", "\t// 声明确定添加按钮",
                  "\tprivate Button btnAdd;"}) +
            kReaderMemberFields + onCreateStart("添加读者", "reader_add") + kReaderWidgetSetUp +
            crlf({"\t\tbtnAdd = (Button) findViewById(R.id.BtnAdd);", "\t\t/*单击添加读者按钮*/",
                  "\t\tbtnAdd.setOnClickListener(new OnClickListener() {",
                  "\t\t\tpublic void onClick(View v) {", "\t\t\t\ttry {"}) +
            readerNameCheck(activity) +
            sendAndReturn("Reader", "读者", activity, "上传", "readerService.AddReader(reader)") +
            kPhotoResultsStart + crlf({"\t}", "}"});
        COMPARE_TEXT(file.text, expected);
    }

    void editScreenOfIntegerKeyClassWithoutImages() {
        const TProjectModel project = library();
        const TGeneratedFile file = BuildEditScreen(project, classNamed(project, "Reader"));
        const QString activity = "ReaderEditActivity";
        const QString expected =
            editImports(kReaderImports) +
            crlf({"public class ReaderEditActivity extends Activity {", "\t// 声明确定添加按钮",
                  "\tprivate Button btnUpdate;", "\t// 声明读者编号TextView",
                  "\tprivate TextView TV_readerId;"}) +
            kReaderMemberFields + crlf({"\tprivate int readerId;"}) +
            onCreateStart("修改读者", "reader_edit") +
            crlf({"\t\tTV_readerId = (TextView) findViewById(R.id.TV_readerId);"}) +
            kReaderWidgetSetUp +
            crlf({"\t\tbtnUpdate = (Button) findViewById(R.id.BtnUpdate);",
                  "\t\tBundle extras = this.getIntent().getExtras();",
                  "\t\treaderId = extras.getInt(\"readerId\");", "\t\tinitViewData();",
                  "\t\t/*单击修改读者按钮*/",
                  "\t\tbtnUpdate.setOnClickListener(new OnClickListener() {",
                  "\t\t\tpublic void onClick(View v) {", "\t\t\t\ttry {"}) +
            readerNameCheck(activity) +
            sendAndReturn("Reader", "读者", activity, "更新",
                          "readerService.UpdateReader(reader)") +
            crlf({
                "\t/* 初始化显示编辑界面的数据 */",
                "\tprivate void initViewData() {",
                "\t    reader = readerService.GetReader(readerId);",
                "\t\tthis.TV_readerId.setText(readerId+\"\");",
                "\t\tthis.ET_readerName.setText(reader.getReaderName());",
                "\t\tfor (int i = 0; i < cityList.size(); i++) {",
                "\t\t\tif (reader.getCity() == cityList.get(i).getCityNo()) {",
                "\t\t\t\tthis.spinner_city.setSelection(i);",
                "\t\t\t\tbreak;",
                "\t\t\t}",
                "\t\t}",
                "\t}",
            }) +
            kPhotoResultsStart + crlf({"\t}", "}"});
        COMPARE_TEXT(file.text, expected);
    }

    // Request numbers count per file over the image members, in member order.
    void imageMembersTakeRequestNumbersInPairs() {
        const TProjectModel project = album();
        const QStringList expected = {
            "\tprotected int REQ_CODE_SELECT_IMAGE_front = 1;",
            "\tprivate int REQ_CODE_CAMERA_front = 2;",
            "\tprotected int REQ_CODE_SELECT_IMAGE_back = 3;",
            "\tprivate int REQ_CODE_CAMERA_back = 4;",
            "\tprotected int REQ_CODE_SELECT_IMAGE_inside = 5;",
            "\tprivate int REQ_CODE_CAMERA_inside = 6;",
        };
        for (const TGeneratedFile& file : addAndEditScreens(project, project.classes.first())) {
            QCOMPARE(linesWith(file.text, {"int REQ_CODE_"}), expected);
            // One camera and one selection result per image member, in member order.
            QCOMPARE(linesWith(file.text, {"if (requestCode", "if(requestCode"}),
                     QStringList({
                         "\t\tif (requestCode == REQ_CODE_CAMERA_front  && resultCode == "
                         "Activity.RESULT_OK) {",
                         "\t\tif(requestCode == REQ_CODE_SELECT_IMAGE_front && resultCode == "
                         "Activity.RESULT_OK) {",
                         "\t\tif (requestCode == REQ_CODE_CAMERA_back  && resultCode == "
                         "Activity.RESULT_OK) {",
                         "\t\tif(requestCode == REQ_CODE_SELECT_IMAGE_back && resultCode == "
                         "Activity.RESULT_OK) {",
                         "\t\tif (requestCode == REQ_CODE_CAMERA_inside  && resultCode == "
                         "Activity.RESULT_OK) {",
                         "\t\tif(requestCode == REQ_CODE_SELECT_IMAGE_inside && resultCode == "
                         "Activity.RESULT_OK) {",
                     }));
        }
    }

    // A second reference to the same class names its list, service and count after itself;
    // the first keeps the referenced class's name.
    void secondReferenceToOneClassGetsItsOwnNames() {
        const TProjectModel project = travel();
        const TClassModel& trip = classNamed(project, "Trip");
        const QString add = BuildAddScreen(project, trip).text;
        QCOMPARE(linesWith(add, {"cityList", "cityService", "cityCount"}),
                 QStringList({
                     "\tprivate List<City> cityList = null;",
                     "\tprivate CityService cityService = new CityService();",
                     "\t\t\tcityList = cityService.QueryCity(null);",
                     "\t\tint cityCount = cityList.size();",
                     "\t\tfromCity_ShowText = new String[cityCount];",
                     "\t\tfor(int i=0;i<cityCount;i++) { ",
                     "\t\t\tfromCity_ShowText[i] = cityList.get(i).getCityName();",
                     "\t\t\t\ttrip.setFromCity(cityList.get(arg2).getCityNo()); ",
                 }));
        QCOMPARE(linesWith(add, {"toCityList", "toCityService", "toCityCount"}),
                 QStringList({
                     "\tprivate List<City> toCityList = null;",
                     "\tprivate CityService toCityService = new CityService();",
                     "\t\t\ttoCityList = toCityService.QueryCity(null);",
                     "\t\tint toCityCount = toCityList.size();",
                     "\t\ttoCity_ShowText = new String[toCityCount];",
                     "\t\tfor(int i=0;i<toCityCount;i++) { ",
                     "\t\t\ttoCity_ShowText[i] = toCityList.get(i).getCityName();",
                     "\t\t\t\ttrip.setToCity(toCityList.get(arg2).getCityNo()); ",
                 }));
        const QString edit = BuildEditScreen(project, trip).text;
        QCOMPARE(linesWith(edit, {"List.size(); i++", "List.get(i)."}),
                 QStringList({
                     "\t\t\tfromCity_ShowText[i] = cityList.get(i).getCityName();",
                     "\t\t\ttoCity_ShowText[i] = toCityList.get(i).getCityName();",
                     "\t\tfor (int i = 0; i < cityList.size(); i++) {",
                     "\t\t\tif (trip.getFromCity() == cityList.get(i).getCityNo()) {",
                     "\t\tfor (int i = 0; i < toCityList.size(); i++) {",
                     "\t\t\tif (trip.getToCity() == toCityList.get(i).getCityNo()) {",
                 }));
    }

    // A reference to the class itself must not repeat the class's own service field.
    void selfReferenceGetsItsOwnNames() {
        const TProjectModel project = travel();
        const TClassModel& category = classNamed(project, "Category");
        for (const TGeneratedFile& file : addAndEditScreens(project, category)) {
            QCOMPARE(linesWith(file.text, {"Service = new"}),
                     QStringList({
                         "\tprivate CategoryService parentService = new CategoryService();",
                         "\tprivate CategoryService categoryService = new CategoryService();",
                     }));
            QCOMPARE(linesWith(file.text, {"parentList = ", "parentCount = "}),
                     QStringList({
                         "\tprivate List<Category> parentList = null;",
                         "\t\t\tparentList = parentService.QueryCategory(null);",
                         "\t\tint parentCount = parentList.size();",
                     }));
        }
    }

    void stemTakenByAnotherReferenceGetsANumber() {
        const TProjectModel project =
            testing::ProjectBuilder()
                .cls("City", "城市",
                     {{.name = "cityNo",
                       .type = kTypeInteger,
                       .comment = "编号",
                       .key = true,
                       .display = true}})
                .cls("ToCity", "目的地",
                     {{.name = "code",
                       .type = kTypeString,
                       .comment = "编号",
                       .key = true,
                       .display = true}})
                .cls("Trip", "行程",
                     {{.name = "tripCode",
                       .type = kTypeString,
                       .comment = "编号",
                       .key = true,
                       .display = true},
                      {.name = "fromCity", .type = "City", .comment = "出发"},
                      {.name = "toCity", .type = "City", .comment = "到达"},
                      {.name = "target", .type = "ToCity", .comment = "目标"}})
                .build();
        const TClassModel& trip = classNamed(project, "Trip");
        QStringList stems;
        for (const TMemberInfo* member : trip.referenceMembers()) {
            stems.append(ReferenceStem(trip, *member));
        }
        QCOMPARE(stems, QStringList({"city", "toCity2", "toCity"}));
    }

    // A key member that refers to a class is a text key and gets no drop-down, so a drop-down
    // to the same class keeps the referenced class's names.
    void referenceKeyLeavesTheDropDownNamesAlone() {
        const TProjectModel project =
            testing::ProjectBuilder()
                .cls(
                    "City", "城市",
                    {{.name = "cityNo", .type = kTypeInteger, .comment = "编号", .key = true},
                     {.name = "cityName", .type = kTypeString, .comment = "名称", .display = true}})
                .cls("Visit", "到访",
                     {{.name = "home", .type = "City", .comment = "家乡", .key = true},
                      {.name = "away", .type = "City", .comment = "去处", .display = true}})
                .build();
        const TClassModel& visit = classNamed(project, "Visit");
        const QString add = BuildAddScreen(project, visit).text;
        QCOMPARE(linesWith(add, {"cityList = ", "cityService = ", "ET_home", "setHome"}),
                 QStringList({
                     "\tprivate EditText ET_home;",
                     "\tprivate List<City> cityList = null;",
                     "\tprivate CityService cityService = new CityService();",
                     "\t\tET_home = (EditText) findViewById(R.id.ET_home);",
                     "\t\t\tcityList = cityService.QueryCity(null);",
                     "\t\t\t\t\t"
                     "if(ET_home.getText().toString().equals(\"\")) {",
                     "\t\t\t\t\t\tET_home.setFocusable(true);",
                     "\t\t\t\t\t\tET_home.requestFocus();",
                     "\t\t\t\t\t"
                     "visit.setHome(ET_home.getText().toString());",
                 }));
        const QString edit = BuildEditScreen(project, visit).text;
        QCOMPARE(linesWith(edit, {"cityList", "String home", "extras.get"}),
                 QStringList({
                     "\tprivate List<City> cityList = null;",
                     "\tprivate String home;",
                     "\t\t\tcityList = cityService.QueryCity(null);",
                     "\t\tint cityCount = cityList.size();",
                     "\t\t\taway_ShowText[i] = cityList.get(i).getCityName();",
                     "\t\t\t\tvisit.setAway(cityList.get(arg2).getCityNo()); ",
                     "\t\thome = extras.getString(\"home\");",
                     "\t\tfor (int i = 0; i < cityList.size(); i++) {",
                     "\t\t\tif (visit.getAway() == cityList.get(i).getCityNo()) {",
                 }));
    }

    // Empty comments leave their places in comments, labels and messages empty.
    void emptyCommentsLeaveTheirPlacesEmpty() {
        const TProjectModel project =
            testing::ProjectBuilder()
                .cls(
                    "Kind", "种类",
                    {{.name = "kindNo", .type = kTypeInteger, .comment = "编号", .key = true},
                     {.name = "kindName", .type = kTypeString, .comment = "名称", .display = true}})
                .cls("Note", "便条",
                     {{.name = "code", .type = kTypeString, .comment = "", .key = true},
                      {.name = "text", .type = kTypeString, .comment = "", .display = true},
                      {.name = "day", .type = kTypeDate, .comment = ""},
                      {.name = "scan", .type = kTypeImage, .comment = ""},
                      {.name = "kind", .type = "Kind", .comment = ""}})
                .build();
        const TClassModel& note = classNamed(project, "Note");
        const QStringList commentWords = {"声明", "出版", "管理业务逻辑层", "获取所有的",
                                          "输入不能为空"};
        QCOMPARE(linesWith(BuildAddScreen(project, note).text, commentWords),
                 QStringList({
                     "\t// 声明确定添加按钮",
                     "\t// 声明输入框",
                     "\t// 声明输入框",
                     "\t// 出版控件",
                     "\t// 声明图片框控件",
                     "\t// 声明下拉框",
                     "\t/*管理业务逻辑层*/",
                     "\t/*便条管理业务逻辑层*/",
                     "\t\t// 获取所有的",
                     "\t\t\t\t\t\tToast.makeText(NoteAddActivity.this, \"输入不能为空!\", "
                     "Toast.LENGTH_LONG).show();",
                     "\t\t\t\t\t\tToast.makeText(NoteAddActivity.this, \"输入不能为空!\", "
                     "Toast.LENGTH_LONG).show();",
                     "\t\t\t\t\t/*获取出版日期*/",
                 }));
        const QString edit = BuildEditScreen(project, note).text;
        QVERIFY(edit.contains("\r\n\t// 声明TextView\r\n\tprivate TextView TV_code;\r\n"));
        QVERIFY(edit.contains("\r\n\t\t\t\t\t/*验证获取*/ \r\n\t\t\t\t\tif(ET_text."));
    }

    // An image key member is typed as text; it has no photo widgets, so no photo results.
    void imageKeyMemberHasNoPhotoResults() {
        const TProjectModel project =
            testing::ProjectBuilder()
                .cls("Cover", "封面",
                     {{.name = "picture", .type = kTypeImage, .comment = "图", .key = true},
                      {.name = "note", .type = kTypeString, .comment = "备注", .display = true}})
                .build();
        for (const TGeneratedFile& file : addAndEditScreens(project, project.classes.first())) {
            QVERIFY(!file.text.contains("REQ_CODE_"));
            QVERIFY(file.text.endsWith(
                "\t\tsuper.onActivityResult(requestCode, resultCode, data);\r\n\t}\r\n}\r\n"));
        }
    }

    void activityGeneratorWritesTheFiveScreensInOrder() {
        const TProjectModel project = library();
        const TGeneratedFiles files =
            TMobileClientActivity::Generate(project, classNamed(project, "Book"));
        QStringList names;
        for (const TGeneratedFile& file : files) {
            names << file.fileName;
        }
        QCOMPARE(names, QStringList({"BookAddActivity.java", "BookEditActivity.java",
                                     "BookListActivity.java", "BookDetailActivity.java",
                                     "BookQueryActivity.java"}));
        for (const TGeneratedFile& file : files) {
            QCOMPARE(file.folder, QStringLiteral("src/com/mobileclient/activity"));
            QCOMPARE(file.encoding, FileEncoding::Gbk);
        }
    }
};

QTEST_GUILESS_MAIN(TestScreensAddEdit)
#include "test_screens_add_edit.moc"

// The exact text of the service, list handler and list adapter of a class that mixes every
// member category, and the cases most likely to go wrong: integer keys, classes without query
// members, single-member classes, image query members and two references to one class.

#include "TestSupport.h"
#include "datalayer/LibraryProject.h"
#include "generation/MobileClient.h"
#include "generators/MobileClientAdapter.h"
#include "generators/MobileClientListHandler.h"
#include "generators/MobileClientService.h"

using testing::crlf;

namespace {

const TClassModel& classNamed(const TProjectModel& project, const char* name) {
    return *project.classNamed(QString::fromUtf8(name));
}

template <typename Generator>
TGeneratedFile generateOne(const TProjectModel& project, const char* className) {
    const TGeneratedFiles files = Generator::Generate(project, classNamed(project, className));
    Q_ASSERT(files.size() == 1);
    return files.first();
}

QString serviceOf(const TProjectModel& project, const char* className) {
    return generateOne<TMobileClientService>(project, className).text;
}
QString handlerOf(const TProjectModel& project, const char* className) {
    return generateOne<TMobileClientListHandler>(project, className).text;
}
QString adapterOf(const TProjectModel& project, const char* className) {
    return generateOne<TMobileClientAdapter>(project, className).text;
}

// The lines shared by add, update and delete: the post and the text it answers.
const QString kBookPost = crlf({
    "\t\tbyte[] resultByte;",
    "\t\ttry {",
    "\t\t\tresultByte = HttpUtil.SendPostRequest(HttpUtil.BASE_URL + \"BookServlet?\", params, "
    "\"UTF-8\");",
    "\t\t\tString result = new String(resultByte, \"UTF-8\");",
});

const QString kBookParams = crlf({
    "\t\tHashMap<String, String> params = new HashMap<String, String>();",
    "\t\tparams.put(\"barcode\", book.getBarcode());",
    "\t\tparams.put(\"bookName\", book.getBookName());",
    "\t\tparams.put(\"bookType\", book.getBookType() + \"\");",
    "\t\tparams.put(\"price\", book.getPrice() + \"\");",
    "\t\tparams.put(\"count\", book.getCount() + \"\");",
    "\t\tparams.put(\"publishDate\", book.getPublishDate().toString());",
    "\t\tparams.put(\"publisher\", book.getPublisher());",
    "\t\tparams.put(\"bookPhoto\", book.getBookPhoto());",
});

const QString kReturnText = crlf({
    "\t\t\treturn result;",
    "\t\t} catch (Exception e) {",
    "\t\t\te.printStackTrace();",
    "\t\t\treturn \"\";",
    "\t\t}",
    "\t}",
});

}  // namespace

class DataLayerTextTest : public QObject {
    Q_OBJECT

  private slots:
    void serviceOfClassWithEveryCategory();
    void listHandlerOfClassWithEveryCategory();
    void adapterOfClassWithEveryCategory();
    void integerKeyClassWithOneMemberAndNoQueryMembers();
    void imageQueryMemberAndTwoReferencesToOneClass();
    void adapterWithoutReferencesAndWithNonTextDisplayMember();
    void filesAreWrittenAfterTheDomainClassInOrder();
};

void DataLayerTextTest::serviceOfClassWithEveryCategory() {
    const TProjectModel project = testing::library();
    const TGeneratedFile file = generateOne<TMobileClientService>(project, "Book");
    QCOMPARE(file.folder, QStringLiteral("src/com/mobileclient/service"));
    QCOMPARE(file.fileName, QStringLiteral("BookService.java"));
    QCOMPARE(file.encoding, FileEncoding::Gbk);
    const QString expected =
        crlf({
            "package com.mobileclient.service;",
            "",
            "import java.io.InputStreamReader;",
            "import java.net.URL;",
            "import java.net.URLEncoder;",
            "import java.sql.Timestamp;",
            "import java.text.SimpleDateFormat;",
            "import java.util.ArrayList;",
            "import java.util.HashMap;",
            "import java.util.List;",
            "",
            "import javax.xml.parsers.SAXParser;",
            "import javax.xml.parsers.SAXParserFactory;",
            "",
            "import org.json.JSONArray;",
            "import org.json.JSONObject;",
            "import org.xml.sax.InputSource;",
            "import org.xml.sax.XMLReader;",
            "",
            "import com.mobileclient.domain.Book;",
            "import com.mobileclient.handler.BookListHandler;",
            "import com.mobileclient.util.HttpUtil;",
            "",
            "/*图书管理业务逻辑层*/",
            "public class BookService {",
            "\t/* 添加图书 */",
            "\tpublic String AddBook(Book book) {",
        }) +
        kBookParams + crlf({"\t\tparams.put(\"action\", \"add\");"}) + kBookPost + kReturnText +
        crlf({
            "\t/* 查询图书 */",
            "\tpublic List<Book> QueryBook(Book queryConditionBook) throws Exception {",
            "\t\tString urlString = HttpUtil.BASE_URL + \"BookServlet?action=query\";",
            "\t\tif(queryConditionBook != null) {",
            "\t\t\turlString += \"&barcode=\" + URLEncoder.encode(queryConditionBook.getBarcode(), "
            "\"UTF-8\") + \"\";",
            "\t\t\turlString += \"&bookName=\" + "
            "URLEncoder.encode(queryConditionBook.getBookName(), \"UTF-8\") + \"\";",
            "\t\t\turlString += \"&bookType=\" + queryConditionBook.getBookType();",
            "\t\t\tif(queryConditionBook.getPublishDate() != null) {",
            "\t\t\t\turlString += \"&publishDate=\" + "
            "URLEncoder.encode(queryConditionBook.getPublishDate().toString(), \"UTF-8\");",
            "\t\t\t}",
            "\t\t\turlString += \"&publisher=\" + "
            "URLEncoder.encode(queryConditionBook.getPublisher(), \"UTF-8\") + \"\";",
            "\t\t}",
            "\t\tURL url = new URL(urlString);",
            "\t\tSAXParserFactory spf = SAXParserFactory.newInstance();",
            "\t\tSAXParser sp = spf.newSAXParser();",
            "\t\tXMLReader xr = sp.getXMLReader();",
            "",
            "\t\tBookListHandler bookListHander = new BookListHandler();",
            "\t\txr.setContentHandler(bookListHander);",
            "\t\tInputStreamReader isr = new InputStreamReader(url.openStream(), \"UTF-8\");",
            "\t\tInputSource is = new InputSource(isr);",
            "\t\txr.parse(is);",
            "\t\tList<Book> bookList = bookListHander.getBookList();",
            "\t\treturn bookList;",
            "\t}",
            "\t/* 更新图书 */",
            "\tpublic String UpdateBook(Book book) {",
        }) +
        kBookParams + crlf({"\t\tparams.put(\"action\", \"update\");"}) + kBookPost + kReturnText +
        crlf({
            "\t/* 删除图书 */",
            "\tpublic String DeleteBook(String barcode) {",
            "\t\tHashMap<String, String> params = new HashMap<String, String>();",
            "\t\tparams.put(\"barcode\", barcode);",
            "\t\tparams.put(\"action\", \"delete\");",
        }) +
        kBookPost +
        crlf({
            "\t\t\treturn result;",
            "\t\t} catch (Exception e) {",
            "\t\t\te.printStackTrace();",
            "\t\t\treturn \"图书信息删除失败!\";",
            "\t\t}",
            "\t}",
            "\t/* 根据条形码获取图书对象 */",
            "\tpublic Book GetBook(String barcode)  {",
            "\t\tList<Book> bookList = new ArrayList<Book>();",
            "\t\tHashMap<String, String> params = new HashMap<String, String>();",
            "\t\tparams.put(\"barcode\", barcode);",
            "\t\tparams.put(\"action\", \"updateQuery\");",
        }) +
        kBookPost +
        crlf({
            "\t\t\tJSONArray array = new JSONArray(result);",
            "\t\t\tint length = array.length();",
            "\t\t\tfor (int i = 0; i < length; i++) {",
            "\t\t\t\tJSONObject object = array.getJSONObject(i);",
            "\t\t\t\tBook book = new Book();",
            "\t\t\t\tbook.setBarcode(object.getString(\"barcode\"));",
            "\t\t\t\tbook.setBookName(object.getString(\"bookName\"));",
            "\t\t\t\tbook.setBookType(object.getInt(\"bookType\"));",
            "\t\t\t\tbook.setPrice((float) object.getDouble(\"price\"));",
            "\t\t\t\tbook.setCount(object.getInt(\"count\"));",
            "\t\t\t\tbook.setPublishDate(Timestamp.valueOf(object.getString(\"publishDate\")));",
            "\t\t\t\tbook.setPublisher(object.getString(\"publisher\"));",
            "\t\t\t\tbook.setBookPhoto(object.getString(\"bookPhoto\"));",
            "\t\t\t\tbookList.add(book);",
            "\t\t\t}",
            "\t\t} catch (Exception e) {",
            "\t\t\te.printStackTrace();",
            "\t\t}",
            "\t\tint size = bookList.size();",
            "\t\tif(size>0) return bookList.get(0); ",
            "\t\telse return null; ",
            "\t}",
            "}",
        });
    COMPARE_TEXT(file.text, expected);
}

void DataLayerTextTest::listHandlerOfClassWithEveryCategory() {
    const TProjectModel project = testing::library();
    const TGeneratedFile file = generateOne<TMobileClientListHandler>(project, "Book");
    QCOMPARE(file.folder, QStringLiteral("src/com/mobileclient/handler"));
    QCOMPARE(file.fileName, QStringLiteral("BookListHandler.java"));
    const QString expected = crlf({
        "package com.mobileclient.handler;",
        "import java.sql.Timestamp;",
        "import java.util.ArrayList;",
        "import java.util.List;",
        "",
        "import org.xml.sax.Attributes;",
        "import org.xml.sax.SAXException;",
        "import org.xml.sax.helpers.DefaultHandler;",
        "",
        "import com.mobileclient.domain.Book;",
        "public class BookListHandler extends DefaultHandler {",
        "\tprivate List<Book> bookList = null;",
        "\tprivate Book book;",
        "\tprivate String tempString;",
        "\tprivate StringBuilder valueBuffer = new StringBuilder();",
        "\t@Override",
        "\tpublic void characters(char[] ch, int start, int length) throws SAXException {",
        "\t\tsuper.characters(ch, start, length);",
        "\t\tif (book != null) { ",
        "            valueBuffer.append(ch, start, length); ",
        "        } ",
        "\t}",
        "",
        "\t@Override",
        "\tpublic void endElement(String uri, String localName, String qName) throws SAXException "
        "{",
        "\t\tsuper.endElement(uri, localName, qName);",
        "\t\tif (book != null && valueBuffer.length() > 0) { ",
        "            String valueString = valueBuffer.toString(); ",
        "            if (\"barcode\".equals(tempString)) ",
        "            \tbook.setBarcode(valueString); ",
        "            else if (\"bookName\".equals(tempString)) ",
        "            \tbook.setBookName(valueString); ",
        "            else if (\"bookType\".equals(tempString)) ",
        "            \tbook.setBookType(new Integer(valueString).intValue());",
        "            else if (\"price\".equals(tempString)) ",
        "            \tbook.setPrice(new Float(valueString).floatValue());",
        "            else if (\"count\".equals(tempString)) ",
        "            \tbook.setCount(new Integer(valueString).intValue());",
        "            else if (\"publishDate\".equals(tempString)) ",
        "            \tbook.setPublishDate(Timestamp.valueOf(valueString));",
        "            else if (\"publisher\".equals(tempString)) ",
        "            \tbook.setPublisher(valueString); ",
        "            else if (\"bookPhoto\".equals(tempString)) ",
        "            \tbook.setBookPhoto(valueString); ",
        "        } ",
        "\t\tif(\"Book\".equals(localName)&&book!=null){",
        "\t\t\tbookList.add(book);",
        "\t\t\tbook = null; ",
        "\t\t}",
        "\t\ttempString = null;",
        "\t}",
        "",
        "\t@Override",
        "\tpublic void startDocument() throws SAXException {",
        "\t\tsuper.startDocument();",
        "\t\tbookList = new ArrayList<Book>();",
        "\t}",
        "",
        "\t@Override",
        "\tpublic void startElement(String uri, String localName, String qName,Attributes "
        "attributes) throws SAXException {",
        "\t\tsuper.startElement(uri, localName, qName, attributes);",
        "        if (\"Book\".equals(localName)) {",
        "            book = new Book(); ",
        "        }",
        "        tempString = localName; ",
        "        valueBuffer.setLength(0);",
        "\t}",
        "",
        "\tpublic List<Book> getBookList() {",
        "\t\treturn this.bookList;",
        "\t}",
        "}",
    });
    COMPARE_TEXT(file.text, expected);
}

void DataLayerTextTest::adapterOfClassWithEveryCategory() {
    const TProjectModel project = testing::library();
    const TGeneratedFile file = generateOne<TMobileClientAdapter>(project, "Book");
    QCOMPARE(file.folder, QStringLiteral("src/com/mobileclient/util"));
    QCOMPARE(file.fileName, QStringLiteral("BookSimpleAdapter.java"));
    const QString expected = crlf({
        "package com.mobileclient.util;",
        "",
        "import java.util.List;  ",
        "import java.util.Map;",
        "",
        "import com.mobileclient.service.BookTypeService;",
        "import com.mobileclient.service.PublisherService;",
        "import com.mobileclient.activity.R;",
        "import android.content.Context;",
        "import android.graphics.Bitmap;",
        "import android.view.LayoutInflater; ",
        "import android.view.View;",
        "import android.view.ViewGroup;  ",
        "import android.widget.ImageView; ",
        "import android.widget.SimpleAdapter; ",
        "import android.widget.TextView; ",
        "",
        "public class BookSimpleAdapter extends SimpleAdapter { ",
        "\t/*需要绑定的控件资源id*/",
        "    private int[] mTo;",
        "    /*map集合关键字数组*/",
        "    private String[] mFrom;",
        "/*需要绑定的数据*/",
        "    private List<? extends Map<String, ?>> mData; ",
        "",
        "    private LayoutInflater mInflater;",
        "    Context context = null;",
        "",
        "    public BookSimpleAdapter(Context context, List<? extends Map<String, ?>> data, int "
        "resource, String[] from, int[] to) { ",
        "        super(context, data, resource, from, to); ",
        "        mTo = to; ",
        "        mFrom = from; ",
        "        mData = data;",
        "        mInflater = (LayoutInflater) "
        "context.getSystemService(Context.LAYOUT_INFLATER_SERVICE);",
        "        this.context= context;",
        "    } ",
        "",
        "  public View getView(int position, View convertView, ViewGroup parent) { ",
        "    ViewHolder holder = null; ",
        "    /*第一次装载这个view时=null,就新建一个调用inflate宣誓一个view*/",
        "\t\tif (convertView == null) {",
        "\t\t\tconvertView = mInflater.inflate(R.layout.book_list_item, null);",
        "\t\t\tholder = new ViewHolder();",
        "\t\t\ttry { ",
        "\t\t\t\t/*绑定该view各个控件*/",
        "\t\t\t\tholder.tv_barcode = (TextView)convertView.findViewById(R.id.tv_barcode);",
        "\t\t\t\tholder.tv_bookName = (TextView)convertView.findViewById(R.id.tv_bookName);",
        "\t\t\t\tholder.tv_bookType = (TextView)convertView.findViewById(R.id.tv_bookType);",
        "\t\t\t\tholder.tv_price = (TextView)convertView.findViewById(R.id.tv_price);",
        "\t\t\t\tholder.tv_count = (TextView)convertView.findViewById(R.id.tv_count);",
        "\t\t\t\tholder.tv_publishDate = "
        "(TextView)convertView.findViewById(R.id.tv_publishDate);",
        "\t\t\t\tholder.tv_publisher = (TextView)convertView.findViewById(R.id.tv_publisher);",
        "\t\t\t\tholder.iv_bookPhoto = (ImageView)convertView.findViewById(R.id.iv_bookPhoto);",
        "\t\t\t} catch(Exception ex) {}",
        "\t\t\t/*标记这个view*/",
        "\t\t\tconvertView.setTag(holder);",
        "\t\t}else{",
        "\t\t\t/*直接取出标记的view*/",
        "\t\t\tholder = (ViewHolder)convertView.getTag();",
        "\t\t}",
        "\t\t/*设置各个控件的展示内容*/",
        "\t\tholder.tv_barcode.setText(mData.get(position).get(\"barcode\").toString());",
        "\t\tholder.tv_bookName.setText(mData.get(position).get(\"bookName\").toString());",
        "\t\tholder.tv_bookType.setText((new "
        "BookTypeService()).GetBookType(Integer.parseInt(mData.get(position).get(\"bookType\")."
        "toString())).getTypeName());",
        "\t\tholder.tv_price.setText(mData.get(position).get(\"price\").toString());",
        "\t\tholder.tv_count.setText(mData.get(position).get(\"count\").toString());",
        "\t\tholder.tv_publishDate.setText(mData.get(position).get(\"publishDate\").toString()."
        "substring(0, 10));",
        "\t\tholder.tv_publisher.setText((new "
        "PublisherService()).GetPublisher(mData.get(position).get(\"publisher\").toString())."
        "getPublisherName());",
        "\t\tholder.iv_bookPhoto.setImageBitmap((Bitmap)mData.get(position).get(\"bookPhoto\"));",
        "\t\t/*返回修改好的view*/",
        "\t\treturn convertView; ",
        "    } ",
        "",
        "    static class ViewHolder{ ",
        "    \tTextView tv_barcode;",
        "    \tTextView tv_bookName;",
        "    \tTextView tv_bookType;",
        "    \tTextView tv_price;",
        "    \tTextView tv_count;",
        "    \tTextView tv_publishDate;",
        "    \tTextView tv_publisher;",
        "    \tImageView iv_bookPhoto;",
        "    }",
        "} ",
    });
    COMPARE_TEXT(file.text, expected);
}

void DataLayerTextTest::integerKeyClassWithOneMemberAndNoQueryMembers() {
    const TProjectModel project = testing::library();
    const QString service = serviceOf(project, "Shelf");
    // The only parameter besides the action is the integer key, joined to an empty string.
    QVERIFY(service.contains(crlf({
        "\tpublic String AddShelf(Shelf shelf) {",
        "\t\tHashMap<String, String> params = new HashMap<String, String>();",
        "\t\tparams.put(\"shelfId\", shelf.getShelfId() + \"\");",
        "\t\tparams.put(\"action\", \"add\");",
    })));
    QVERIFY(service.contains(crlf({
        "\t\tString urlString = HttpUtil.BASE_URL + \"ShelfServlet?action=query\";",
        "\t\tif(queryConditionShelf != null) {",
        "\t\t}",
        "\t\tURL url = new URL(urlString);",
    })));
    QVERIFY(service.contains(crlf({
        "\t/* 删除书架 */",
        "\tpublic String DeleteShelf(int shelfId) {",
        "\t\tHashMap<String, String> params = new HashMap<String, String>();",
        "\t\tparams.put(\"shelfId\", shelfId + \"\");",
        "\t\tparams.put(\"action\", \"delete\");",
    })));
    QVERIFY(service.contains(crlf({
        "\t/* 根据书架编号获取书架对象 */",
        "\tpublic Shelf GetShelf(int shelfId)  {",
        "\t\tList<Shelf> shelfList = new ArrayList<Shelf>();",
        "\t\tHashMap<String, String> params = new HashMap<String, String>();",
        "\t\tparams.put(\"shelfId\", shelfId + \"\");",
        "\t\tparams.put(\"action\", \"updateQuery\");",
    })));
    QVERIFY(service.contains(crlf({
        "\t\t\t\tShelf shelf = new Shelf();",
        "\t\t\t\tshelf.setShelfId(object.getInt(\"shelfId\"));",
        "\t\t\t\tshelfList.add(shelf);",
    })));
    QVERIFY(service.endsWith(crlf({"\t}", "}"})));

    const QString handler = handlerOf(project, "Shelf");
    QVERIFY(handler.contains(crlf({
        "            String valueString = valueBuffer.toString(); ",
        "            if (\"shelfId\".equals(tempString)) ",
        "            \tshelf.setShelfId(new Integer(valueString).intValue());",
        "        } ",
    })));
    QVERIFY(!handler.contains(QStringLiteral("else if")));
    QVERIFY(handler.endsWith(crlf({"\t}", "}"})));
}

void DataLayerTextTest::imageQueryMemberAndTwoReferencesToOneClass() {
    const TProjectModel project = testing::library();
    // An integer query member is appended as digits, an image query member is queried like a
    // string member, a reference to a text key is URL-encoded; the reference that is not a
    // query member is sent like a string.
    const QString service = serviceOf(project, "Loan");
    QVERIFY(service.contains(crlf({
        "\t\tif(queryConditionLoan != null) {",
        "\t\t\turlString += \"&loanId=\" + queryConditionLoan.getLoanId();",
        "\t\t\turlString += \"&reader=\" + URLEncoder.encode(queryConditionLoan.getReader(), "
        "\"UTF-8\") + \"\";",
        "\t\t\turlString += \"&receipt=\" + URLEncoder.encode(queryConditionLoan.getReceipt(), "
        "\"UTF-8\") + \"\";",
        "\t\t}",
    })));
    QVERIFY(service.contains(crlf({
        "\t\tparams.put(\"loanId\", loan.getLoanId() + \"\");",
        "\t\tparams.put(\"reader\", loan.getReader());",
        "\t\tparams.put(\"guarantor\", loan.getGuarantor());",
        "\t\tparams.put(\"receipt\", loan.getReceipt());",
        "\t\tparams.put(\"action\", \"update\");",
    })));

    // Both references import the same service; only the phone-list one is shown in a row.
    const QString adapter = adapterOf(project, "Loan");
    QVERIFY(adapter.contains(crlf({
        "import java.util.Map;",
        "",
        "import com.mobileclient.service.ReaderService;",
        "import com.mobileclient.service.ReaderService;",
        "import com.mobileclient.activity.R;",
    })));
    QVERIFY(adapter.contains(crlf({
        "\t\t/*设置各个控件的展示内容*/",
        "\t\tholder.tv_loanId.setText(mData.get(position).get(\"loanId\").toString());",
        "\t\tholder.tv_reader.setText((new "
        "ReaderService()).GetReader(mData.get(position).get(\"reader\").toString())."
        "getReaderName());",
        "\t\t/*返回修改好的view*/",
    })));
    QVERIFY(adapter.contains(crlf({
        "    static class ViewHolder{ ",
        "    \tTextView tv_loanId;",
        "    \tTextView tv_reader;",
        "    }",
        "} ",
    })));
    QVERIFY(adapter.endsWith(QStringLiteral("    }\r\n} \r\n")));
}

void DataLayerTextTest::adapterWithoutReferencesAndWithNonTextDisplayMember() {
    // No service import; ImageView and Bitmap are imported even without a picture in the row.
    const QString shelf = adapterOf(testing::library(), "Shelf");
    QVERIFY(shelf.contains(crlf({
        "import java.util.Map;",
        "",
        "import com.mobileclient.activity.R;",
        "import android.content.Context;",
        "import android.graphics.Bitmap;",
    })));
    QVERIFY(shelf.contains(QStringLiteral("import android.widget.ImageView; \r\n")));
    QVERIFY(shelf.contains(crlf({
        "\t\t/*设置各个控件的展示内容*/",
        "\t\tholder.tv_shelfId.setText(mData.get(position).get(\"shelfId\").toString());",
        "\t\t/*返回修改好的view*/",
    })));
    QVERIFY(shelf.endsWith(
        crlf({"    static class ViewHolder{ ", "    \tTextView tv_shelfId;", "    }", "} "})));

    // A TextView would take an int as a resource id: a non-text display value is made text.
    const TProjectModel project =
        testing::ProjectBuilder()
            .cls("City", "城市",
                 {{.name = "cityId", .type = kTypeInteger, .key = true, .display = true}})
            .cls("Trip", "行程",
                 {{.name = "tripNo", .type = kTypeString, .key = true, .display = true},
                  {.name = "toCity", .type = "City", .phone = true}})
            .build();
    QVERIFY(adapterOf(project, "Trip")
                .contains(crlf({"\t\tholder.tv_toCity.setText((new "
                                "CityService()).GetCity(Integer.parseInt(mData.get(position)."
                                "get(\"toCity\").toString())).getCityId() + \"\");"})));
}

void DataLayerTextTest::filesAreWrittenAfterTheDomainClassInOrder() {
    const TProjectModel project = testing::library();
    QStringList written;
    for (const TGeneratedFile& file :
         TMobileClient::ClassFiles(project, classNamed(project, "Book"))) {
        written.append(file.folder + QLatin1Char('/') + file.fileName);
    }
    const qsizetype domain =
        written.indexOf(QStringLiteral("src/com/mobileclient/domain/Book.java"));
    QVERIFY(domain >= 0);
    QCOMPARE(written.mid(domain + 1, 3),
             QStringList({"src/com/mobileclient/service/BookService.java",
                          "src/com/mobileclient/handler/BookListHandler.java",
                          "src/com/mobileclient/util/BookSimpleAdapter.java"}));
}

QTEST_GUILESS_MAIN(DataLayerTextTest)
#include "test_datalayer_text.moc"

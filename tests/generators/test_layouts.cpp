#include <QXmlStreamReader>

#include "TestSupport.h"
#include "generation/MobileClient.h"
#include "generators/MobileClientLayout.h"

using testing::M;

namespace {

const QString kNs = QStringLiteral("http://schemas.android.com/apk/res/android");

QString joined(const QStringList& lines) {
    QString text;
    for (const QString& line : lines) {
        text += line + QStringLiteral("\r\n");
    }
    return text;
}

// A book class with a text key and a member of every kind, and the integer-keyed class that it
// references.
TProjectModel library() {
    TProjectModel project =
        testing::ProjectBuilder(QStringLiteral("Library"))
            .cls("BookType", "图书类别",
                 {{.name = "typeId", .type = kTypeInteger, .comment = "类别编号", .key = true},
                  {.name = "typeName",
                   .type = kTypeString,
                   .comment = "类别名称",
                   .display = true,
                   .phone = true}})
            .cls("Book", "图书",
                 {{.name = "barcode",
                   .type = kTypeString,
                   .comment = "图书条码",
                   .key = true,
                   .query = true,
                   .phone = true},
                  {.name = "title",
                   .type = kTypeString,
                   .comment = "图书名称",
                   .query = true,
                   .display = true,
                   .phone = true},
                  {.name = "summary", .type = kTypeString, .comment = "内容简介"},
                  {.name = "bookType",
                   .type = "BookType",
                   .comment = "图书类别",
                   .query = true,
                   .phone = true},
                  {.name = "price", .type = kTypeFloat, .comment = "价格"},
                  {.name = "count", .type = kTypeInteger, .comment = "库存", .phone = true},
                  {.name = "publishDate",
                   .type = kTypeDate,
                   .comment = "出版日期",
                   .query = true,
                   .phone = true},
                  {.name = "cover", .type = kTypeImage, .comment = "封面", .phone = true}})
            .build();
    project.classes[1].members[2].member.memberLength = 100;  // summary: multi-line
    return project;
}

// One class holding the given members after an integer key.
TProjectModel single(std::initializer_list<M> members) {
    testing::ProjectBuilder builder;
    builder.cls("Note", "便条",
                {{.name = "noteId", .type = kTypeInteger, .comment = "编号", .key = true}});
    TProjectModel project = builder.build();
    TClassModel& cls = project.classes[0];
    for (const M& m : members) {
        TMemberInfo info;
        info.member.memberId = static_cast<qint32>(cls.members.size()) + 1;
        info.member.memberName = m.name;
        info.member.memberType = m.type;
        info.member.memberComment = m.comment;
        info.member.queryFlag = m.query ? 1 : 0;
        info.member.androidDisplay = m.phone ? 1 : 0;
        info.category = CategoryOfType(m.type);
        cls.members.append(info);
    }
    return project;
}

QString layout(const TProjectModel& project, int classIndex, int fileIndex) {
    const TClassModel& cls = project.classes[classIndex];
    return TMobileClientLayout::Generate(project, cls)[fileIndex].text;
}

enum LayoutIndex { kAdd, kEdit, kDetail, kList, kListItem, kQuery };

// ---- expected pieces, written out as the files must read ----

// The lines every form (add, edit, detail, query) shares, in four runs.
const QStringList kScrollStart = {"<?xml version=\"1.0\" encoding=\"utf-8\"?>", "<ScrollView",
                                  " android:layout_width=\"fill_parent\" ",
                                  " android:layout_height=\"fill_parent\""};
const QStringList kFormStart = {"<LinearLayout ", "\tandroid:orientation=\"vertical\" ",
                                "\tandroid:layout_width=\"fill_parent\"",
                                "\tandroid:layout_height=\"wrap_content\""};
const QStringList kButtonBarStart = {"\t</TableLayout>", "\t<LinearLayout ",
                                     "\t\tandroid:orientation=\"horizontal\" ",
                                     "\t\tandroid:layout_width=\"fill_parent\""};
const QStringList kButtonEnd = {"\t\t\t\tandroid:layout_height=\"wrap_content\" ",
                                "\t\t\t\tandroid:layout_marginRight=\"50dp\"",
                                "\t\t\t\tandroid:layout_width=\"50dp\"/> "};
const QString kTableStart =
    "\t<TableLayout xmlns:android=\"http://schemas.android.com/apk/res/android\" ";

const QStringList kInputHead =
    kScrollStart + QStringList{"xmlns:android=\"http://schemas.android.com/apk/res/android\">"} +
    kFormStart +
    QStringList{"\tandroid:background=\"@drawable/login\"",
                "\t> ",
                kTableStart,
                "\tandroid:layout_width=\"fill_parent\" ",
                "\tandroid:layout_height=\"fill_parent\"",
                "\tandroid:stretchColumns=\"1\">"};

QStringList inputFoot(const QString& buttonId) {
    return kButtonBarStart +
           QStringList{"\t\tandroid:layout_height=\"50dp\" ", "\t\tandroid:gravity=\"center\">",
                       "\t\t   <Button ", "\t\t\t\tandroid:text=\"确定\" ",
                       "\t\t\t\tandroid:id=\"@+id/" + buttonId + "\""} +
           kButtonEnd +
           QStringList{"\t</LinearLayout> ", "  </LinearLayout>", "</ScrollView>", "", ""};
}

// The label of the add and edit forms; textEnd is what follows the text attribute.
QStringList inputLabel(const QString& text, const QString& textEnd) {
    return {"\t\t\t<TextView ",
            "\t\t\t\tandroid:text=\"" + text + "\"" + textEnd,
            "\t\t\t\tandroid:id=\"@+id/TextView\"",
            "\t\t\t\tandroid:layout_width=\"wrap_content\" ",
            "\t\t\t\tandroid:layout_height=\"wrap_content\"",
            "\t\t\t\tandroid:textColor=\"#0000ff\" ",
            "\t\t\t/>"};
}

QStringList inputRow(const QString& label, const QStringList& widget) {
    return QStringList{"\t\t<TableRow>"} + inputLabel(label, " ") + widget +
           QStringList{"\t\t</TableRow> "};
}

QStringList inputKeyRow(const QString& label, const QStringList& widget) {
    return QStringList{"\t    <TableRow> "} + inputLabel(label, "") + widget +
           QStringList{"\t\t</TableRow>", ""};
}

// Book's rows after the key, the same in its add and edit layouts.
const QStringList kBookInputRows =
    inputRow("图书名称：", {"\t\t\t<EditText ", "\t\t\t\tandroid:text=\"\" ",
                            "\t\t\t\tandroid:id=\"@+id/ET_title\" ",
                            "\t\t\t\tandroid:layout_width=\"fill_parent\"",
                            "\t\t\t\tandroid:layout_height=\"wrap_content\"", "\t\t\t/>"}) +
    inputRow("内容简介：",
             {"\t\t\t<EditText ", "\t\t\t\tandroid:text=\"\" ",
              "\t\t\t\tandroid:id=\"@+id/ET_summary\" ", "\t\t\t\tandroid:layout_width=\"60dp\"",
              "\t\t\t\tandroid:layout_height=\"wrap_content\"",
              "\t\t\t\tandroid:inputType=\"textMultiLine\"", "\t\t\t\tandroid:singleLine=\"false\"",
              "\t\t\t\tandroid:scrollHorizontally=\"false\"", "\t\t\t/>"}) +
    inputRow("图书类别：", {"\t\t\t<Spinner ", "\t\t\t\tandroid:id=\"@+id/Spinner_bookType\" ",
                            "\t\t\t\tandroid:layout_width=\"fill_parent\" ",
                            "\t\t\t\tandroid:layout_height=\"wrap_content\"", "\t\t\t/>"}) +
    inputRow("价格：", {"\t\t\t<EditText", "\t\t\t\tandroid:text=\"\"",
                        "\t\t\t\tandroid:id=\"@+id/ET_price\"",
                        "\t\t\t\tandroid:inputType=\"numberDecimal\" ",
                        "\t\t\t\tandroid:layout_width=\"fill_parent\" ",
                        "\t\t\t\tandroid:layout_height=\"wrap_content\"", "\t\t\t/>"}) +
    inputRow(
        "库存：",
        {"\t\t\t<EditText", "\t\t\t\tandroid:text=\"\" ", "\t\t\t\tandroid:id=\"@+id/ET_count\"",
         "\t\t\t\tandroid:inputType=\"number\" ", "\t\t\t\tandroid:layout_width=\"fill_parent\" ",
         "\t\t\t\tandroid:layout_height=\"wrap_content\"", "\t\t\t/>"}) +
    inputRow("出版日期：",
             {"\t\t\t<DatePicker ", "\t\t\t\tandroid:id=\"@+id/dp_publishDate\"",
              "\t\t\t\tandroid:layout_width=\"fill_parent\"",
              "\t\t\t\tandroid:layout_height=\"wrap_content\" ", "\t\t\t/>", "", "", ""}) +
    inputRow(
        "封面：",
        {"\t\t\t<ImageView android:id=\"@+id/iv_cover\" ", "\t\t\t\tandroid:layout_width=\"80dp\"",
         "\t\t\t\tandroid:layout_height=\"80dp\" ", "\t\t\t\tandroid:src=\"@drawable/noimage\" ",
         "\t\t\t/> ", "\t\t</TableRow>", "\t\t<TableRow android:gravity=\"right\">",
         "\t\t\t<Button ", "\t\t\t\tandroid:text=\"拍照\"", "\t\t\t\tandroid:id=\"@+id/btn_cover\"",
         "\t\t\t\tandroid:layout_width=\"60dp\" ", "\t\t\t\tandroid:layout_height=\"wrap_content\"",
         "\t\t\t/> "});

// The key input of the add layout (a text key only).
QStringList keyInput(const QString& key) {
    return {"\t\t\t<EditText",
            "\t\t\t\tandroid:text=\"\"",
            "\t\t\t\tandroid:id=\"@+id/ET_" + key + "\" ",
            "\t\t\t\tandroid:layout_width=\"fill_parent\"",
            "\t\t\t\tandroid:layout_height=\"wrap_content\"",
            "\t\t\t/>"};
}

// The read-only key text of the edit and detail layouts.
QStringList shownKey(const QString& key) {
    return {"\t\t\t<TextView",
            "\t\t\t\tandroid:text=\"\" ",
            "\t\t\t\tandroid:id=\"@+id/TV_" + key + "\" ",
            "\t\t\t\tandroid:layout_width=\"fill_parent\"",
            "\t\t\t\tandroid:layout_height=\"wrap_content\"",
            "\t\t\t/>"};
}

const QStringList kDetailHead =
    kScrollStart + QStringList{"xmlns:android=\"http://schemas.android.com/apk/res/android\">"} +
    kFormStart +
    QStringList{"\tandroid:background=\"@drawable/login\">", kTableStart,
                "\t\tandroid:layout_width=\"fill_parent\"",
                "\t\tandroid:layout_height=\"fill_parent\" ", "\t\tandroid:stretchColumns=\"1\">"};

const QStringList kDetailFoot =
    kButtonBarStart +
    QStringList{"\t\tandroid:layout_height=\"50dp\"", "\t\tandroid:gravity=\"center\"> ",
                "\t\t   <Button", "\t\t\t\tandroid:text=\"返回\" ",
                "\t\t\t\tandroid:id=\"@+id/btnReturn\""} +
    kButtonEnd + QStringList{"\t</LinearLayout>", "  </LinearLayout>", "</ScrollView>"};

QStringList detailKeyRow(const QString& label, const QString& key) {
    return QStringList{"\t    <TableRow> ",
                       "\t\t\t<TextView ",
                       "\t\t\t\tandroid:text=\"" + label + "\" ",
                       "\t\t\t\tandroid:id=\"@+id/TextView\"",
                       "\t\t\t\tandroid:layout_width=\"wrap_content\" ",
                       "\t\t\t\tandroid:layout_height=\"wrap_content\"",
                       "\t\t\t\tandroid:textColor=\"#0000ff\" ",
                       "\t\t\t/>"} +
           shownKey(key) + QStringList{"\t\t</TableRow>"};
}

QStringList detailRow(const QString& label, const QStringList& view) {
    return QStringList{"\t    <TableRow>",
                       "\t\t\t<TextView",
                       "\t\t\t\tandroid:text=\"" + label + "\" ",
                       "\t\t\t\tandroid:id=\"@+id/TextView\"",
                       "\t\t\t\tandroid:layout_width=\"wrap_content\" ",
                       "\t\t\t\tandroid:layout_height=\"wrap_content\"",
                       "\t\t\t\tandroid:textColor=\"#0000ff\"",
                       "\t\t\t/>"} +
           view + QStringList{"\t\t</TableRow>"};
}

const QStringList kQueryHead =
    kScrollStart + QStringList{"xmlns:android=\"http://schemas.android.com/apk/res/android\">  "} +
    kFormStart +
    QStringList{"\tandroid:background=\"@drawable/login\">", kTableStart,
                "\t\tandroid:layout_width=\"fill_parent\" ",
                "\t\tandroid:layout_height=\"fill_parent\" ", "\t\tandroid:stretchColumns=\"1\">"};

const QStringList kQueryFoot =
    kButtonBarStart +
    QStringList{"\t\tandroid:layout_height=\"50dp\" ", "\t\tandroid:gravity=\"center\">  ",
                "\t\t   <Button  ", "\t\t\t\tandroid:text=\"查询\" ",
                "\t\t\t\tandroid:id=\"@+id/btnQuery\""} +
    kButtonEnd + QStringList{"\t</LinearLayout> ", "  </LinearLayout>", "</ScrollView>"};

QStringList queryLabel(const QString& text) {
    return {"\t\t\t<TextView ",
            "\t\t\t\tandroid:text=\"" + text + "\" ",
            "\t\t\t\tandroid:id=\"@+id/TextView\"",
            "\t\t\t\tandroid:layout_width=\"wrap_content\" ",
            "\t\t\t\tandroid:layout_height=\"wrap_content\"",
            "\t\t\t\tandroid:textColor=\"#0000ff\"/>"};
}

QStringList queryRow(const QString& label, const QStringList& widget) {
    return QStringList{"\t\t<TableRow> "} + queryLabel(label) + widget +
           QStringList{"\t\t</TableRow>"};
}

QStringList queryText(const QString& name) {
    return {"\t\t\t<EditText", "\t\t\tandroid:text=\"\" ",
            "\t\t\tandroid:id=\"@+id/ET_" + name + "\"",
            "\t\t\tandroid:layout_width=\"fill_parent\"",
            "\t\t\tandroid:layout_height=\"wrap_content\"/>"};
}

const QStringList kListStart = {
    "<?xml version=\"1.0\" encoding=\"utf-8\"?>",
    "<RelativeLayout xmlns:android=\"http://schemas.android.com/apk/res/android\"",
    "    android:layout_width=\"fill_parent\"",
    "    android:layout_height=\"fill_parent\"",
    "    android:background=\"@drawable/list_bg\" ",
    ">",
    "    <TableLayout",
    "        android:layout_width=\"fill_parent\"",
    "        android:layout_height=\"fill_parent\"",
    "        android:stretchColumns=\"1\" >",
    "        <TableRow > "};
const QStringList kListEnd = {
    "        </TableRow>",
    "        <TableRow android:gravity=\"right\" > ",
    "        </TableRow> ",
    "         <ListView",
    "            xmlns:android=\"http://schemas.android.com/apk/res/android\"",
    "            android:id=\"@+id/h_list_view\"",
    "            android:layout_width=\"fill_parent\"",
    "            android:layout_height=\"fill_parent\" /> ",
    "    </TableLayout>  ",
    "</RelativeLayout>"};

// The row layout declares "UTF-8" in capitals, unlike every other layout.
const QStringList kItemStart = {"<?xml version=\"1.0\" encoding=\"UTF-8\"?>",
                                "<LinearLayout  ",
                                "  xmlns:android=\"http://schemas.android.com/apk/res/android\"  ",
                                "  android:layout_width=\"match_parent\"  ",
                                "  android:layout_height=\"match_parent\"> ",
                                "   <LinearLayout",
                                "     android:layout_width=\"fill_parent\"",
                                "     android:layout_height=\"wrap_content\"",
                                "     android:orientation=\"horizontal\" ",
                                "     android:descendantFocusability=\"blocksDescendants\">"};
const QStringList kItemEnd = {"  </LinearLayout>", "</LinearLayout>"};

bool wellFormed(const QString& text, QString* error) {
    QXmlStreamReader reader(text);
    while (!reader.atEnd()) {
        reader.readNext();
    }
    *error = reader.errorString();
    return !reader.hasError();
}

// The text attributes of every element, in document order.
QStringList textAttributes(const QString& text) {
    QStringList values;
    QXmlStreamReader reader(text);
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::StartElement &&
            reader.attributes().hasAttribute(kNs, "text")) {
            values.append(reader.attributes().value(kNs, "text").toString());
        }
    }
    return values;
}

}  // namespace

class TestLayouts : public QObject {
    Q_OBJECT

  private slots:
    void writesSixLayoutsPerClassFirst();

    void addLayoutOfMixedClass();
    void editLayoutOfMixedClass();
    void detailLayoutOfMixedClass();
    void listLayoutOfMixedClass();
    void listItemLayoutOfMixedClass();
    void queryLayoutOfMixedClass();

    void integerKeyLeavesAddFormWithoutKeyRow();
    void stringLengthThresholdIsInclusive();
    void classWithoutQueryMembersHasEmptyQueryTable();
    void keyOnlyClassesYieldFramesAndKeyRows();
    void imageQueryMemberGetsTextCondition();
    void emptyCommentLeavesEmptyTexts();

    void layoutsOfMixedClassAreWellFormed();
    void markupInCommentIsEscaped();
};

void TestLayouts::writesSixLayoutsPerClassFirst() {
    const TProjectModel project = library();
    const TGeneratedFiles files = TMobileClient::ClassFiles(project, project.classes[1]);
    QVERIFY(files.size() > 6);
    const QStringList expected = {"book_add.xml",  "book_edit.xml",      "book_detail.xml",
                                  "book_list.xml", "book_list_item.xml", "book_query.xml"};
    for (int i = 0; i < expected.size(); ++i) {
        QCOMPARE(files[i].fileName, expected[i]);
        QCOMPARE(files[i].folder, QStringLiteral("res/layout"));
        QCOMPARE(files[i].encoding, FileEncoding::Utf8WithBom);
        QVERIFY(!files[i].text.startsWith(QChar(0xFEFF)));
    }
    QCOMPARE(files[6].fileName, QStringLiteral("Book.java"));
    QCOMPARE(TMobileClientLayout::Generate(project, project.classes[0])[0].fileName,
             QStringLiteral("booktype_add.xml"));
}

void TestLayouts::addLayoutOfMixedClass() {
    const QStringList keyRow = inputKeyRow("图书条码：", keyInput("barcode"));
    COMPARE_TEXT(layout(library(), 1, kAdd),
                 joined(kInputHead + keyRow + kBookInputRows + inputFoot("BtnAdd")));
}

void TestLayouts::editLayoutOfMixedClass() {
    const QStringList keyRow = inputKeyRow("图书条码：", shownKey("barcode"));
    COMPARE_TEXT(layout(library(), 1, kEdit),
                 joined(kInputHead + keyRow + kBookInputRows + inputFoot("BtnUpdate")));
}

void TestLayouts::detailLayoutOfMixedClass() {
    const QStringList rows =
        detailRow("图书名称：", shownKey("title")) +
        detailRow(
            "内容简介：",
            {"\t\t\t<TextView", "\t\t\t\tandroid:text=\"\" ",
             "\t\t\t\tandroid:id=\"@+id/TV_summary\" ", "\t\t\t\tandroid:layout_width=\"60dp\"",
             "\t\t\t\tandroid:layout_height=\"wrap_content\"",
             "\t\t\t\tandroid:inputType=\"textMultiLine\"", "\t\t\t\tandroid:singleLine=\"false\"",
             "\t\t\t\tandroid:scrollHorizontally=\"false\"", "\t\t\t/>"}) +
        detailRow("图书类别：", shownKey("bookType")) + detailRow("价格：", shownKey("price")) +
        detailRow("库存：", shownKey("count")) + detailRow("出版日期：", shownKey("publishDate")) +
        detailRow("封面：", {"\t\t  <ImageView android:id=\"@+id/iv_cover\" ",
                             "        \tandroid:layout_width=\"160dp\"  ",
                             "        \tandroid:layout_height=\"160dp\"  ",
                             "        \tandroid:src=\"@drawable/noimage\" ", "        \t/>  "});
    COMPARE_TEXT(layout(library(), 1, kDetail),
                 joined(kDetailHead + detailKeyRow("图书条码：", "barcode") + rows + kDetailFoot));
}

void TestLayouts::listLayoutOfMixedClass() {
    QStringList headings;
    const QList<QPair<QString, QString>> members = {
        {"barcode", "图书条码"}, {"title", "图书名称"},       {"bookType", "图书类别"},
        {"count", "库存"},       {"publishDate", "出版日期"}, {"cover", "封面"}};
    for (const auto& [name, comment] : members) {
        headings += {"            <TextView",
                     "                android:id=\"@+id/TV_" + name + "\"",
                     "                android:layout_width=\"80dp\"",
                     "                android:layout_height=\"wrap_content\"",
                     "                android:text=\"" + comment + "\"",
                     "                android:textColor=\"#0000ff\" /> "};
    }
    COMPARE_TEXT(layout(library(), 1, kList), joined(kListStart + headings + kListEnd));
}

void TestLayouts::listItemLayoutOfMixedClass() {
    QStringList views;
    const QStringList textMembers = {"barcode", "title", "bookType", "count", "publishDate"};
    for (const QString& name : textMembers) {
        views += {"\t   <TextView",
                  "\t     android:id=\"@+id/tv_" + name + "\"",
                  "\t     android:layout_width=\"fill_parent\"",
                  "\t     android:layout_height=\"wrap_content\"",
                  "\t     android:layout_weight=\"1\" ",
                  "\t     android:layout_gravity=\"center\"",
                  "\t     android:textSize=\"20dp\"/>"};
    }
    views += {"     <ImageView android:id=\"@+id/iv_cover\" ",
              "        android:layout_width=\"50dp\" ", "        android:layout_height=\"58dp\" ",
              "        android:src=\"@drawable/ml_default_image\" ", "      /> "};
    COMPARE_TEXT(layout(library(), 1, kListItem), joined(kItemStart + views + kItemEnd));
}

void TestLayouts::queryLayoutOfMixedClass() {
    const QStringList rows =
        queryRow("图书条码：", queryText("barcode")) + queryRow("图书名称：", queryText("title")) +
        queryRow("图书类别：", {"\t\t\t<Spinner android:id=\"@+id/Spinner_bookType\" ",
                                "\t\t\t\tandroid:layout_width=\"fill_parent\"",
                                "\t\t\t\tandroid:layout_height=\"wrap_content\"/>"}) +
        queryRow(
            "出版日期：",
            QStringList{"\t\t\t<DatePicker", "\t\t\t\tandroid:id=\"@+id/dp_publishDate\" ",
                        "\t\t\t\tandroid:layout_width=\"fill_parent\"",
                        "\t\t\t\tandroid:layout_height=\"wrap_content\"/>", "\t\t</TableRow> ",
                        "\t\t<TableRow>"} +
                queryLabel("       ") +
                QStringList{"    \t\t<CheckBox ", "    \t\t    android:text=\"出版日期参与查询\" ",
                            "    \t\t    android:id=\"@+id/cb_publishDate\" ",
                            "    \t\t    android:layout_width=\"wrap_content\" ",
                            "    \t\t    android:layout_height=\"wrap_content\"/>"});
    COMPARE_TEXT(layout(library(), 1, kQuery), joined(kQueryHead + rows + kQueryFoot));
}

void TestLayouts::integerKeyLeavesAddFormWithoutKeyRow() {
    const TProjectModel project = library();
    const QStringList nameRow =
        inputRow("类别名称：", {"\t\t\t<EditText ", "\t\t\t\tandroid:text=\"\" ",
                                "\t\t\t\tandroid:id=\"@+id/ET_typeName\" ",
                                "\t\t\t\tandroid:layout_width=\"fill_parent\"",
                                "\t\t\t\tandroid:layout_height=\"wrap_content\"", "\t\t\t/>"});
    COMPARE_TEXT(layout(project, 0, kAdd), joined(kInputHead + nameRow + inputFoot("BtnAdd")));
    COMPARE_TEXT(layout(project, 0, kEdit),
                 joined(kInputHead + inputKeyRow("类别编号：", shownKey("typeId")) + nameRow +
                        inputFoot("BtnUpdate")));
    COMPARE_TEXT(layout(project, 0, kDetail),
                 joined(kDetailHead + detailKeyRow("类别编号：", "typeId") +
                        detailRow("类别名称：", shownKey("typeName")) + kDetailFoot));
}

void TestLayouts::stringLengthThresholdIsInclusive() {
    TProjectModel project = single({{.name = "body", .type = kTypeString, .comment = "正文"}});
    project.classes[0].members[1].member.memberLength = 99;
    QVERIFY(layout(project, 0, kAdd).contains("\t\t\t\tandroid:layout_width=\"fill_parent\"\r\n"));
    QVERIFY(!layout(project, 0, kDetail).contains("textMultiLine"));
    project.classes[0].members[1].member.memberLength = 100;
    QVERIFY(layout(project, 0, kAdd).contains("\t\t\t\tandroid:layout_width=\"60dp\"\r\n"));
    QVERIFY(layout(project, 0, kDetail).contains("textMultiLine"));
}

void TestLayouts::classWithoutQueryMembersHasEmptyQueryTable() {
    COMPARE_TEXT(layout(library(), 0, kQuery), joined(kQueryHead + kQueryFoot));
}

// Without non-key, phone-list or query members every layout is its frame plus the key rows
// that the key's kind calls for: a text key is typed in the add form, an integer key is not.
void TestLayouts::keyOnlyClassesYieldFramesAndKeyRows() {
    const TProjectModel project =
        testing::ProjectBuilder()
            .cls("Tag", "标签",
                 {{.name = "code", .type = kTypeString, .comment = "代码", .key = true}})
            .cls("Counter", "计数器",
                 {{.name = "counterId", .type = kTypeInteger, .comment = "编号", .key = true}})
            .build();
    COMPARE_TEXT(
        layout(project, 0, kAdd),
        joined(kInputHead + inputKeyRow("代码：", keyInput("code")) + inputFoot("BtnAdd")));
    COMPARE_TEXT(layout(project, 1, kAdd), joined(kInputHead + inputFoot("BtnAdd")));
    COMPARE_TEXT(
        layout(project, 1, kEdit),
        joined(kInputHead + inputKeyRow("编号：", shownKey("counterId")) + inputFoot("BtnUpdate")));
    COMPARE_TEXT(layout(project, 1, kDetail),
                 joined(kDetailHead + detailKeyRow("编号：", "counterId") + kDetailFoot));
    COMPARE_TEXT(layout(project, 1, kList), joined(kListStart + kListEnd));
    COMPARE_TEXT(layout(project, 1, kListItem), joined(kItemStart + kItemEnd));
    COMPARE_TEXT(layout(project, 1, kQuery), joined(kQueryHead + kQueryFoot));
}

void TestLayouts::imageQueryMemberGetsTextCondition() {
    const TProjectModel project =
        single({{.name = "photo", .type = kTypeImage, .comment = "照片", .query = true}});
    COMPARE_TEXT(layout(project, 0, kQuery),
                 joined(kQueryHead + queryRow("照片：", queryText("photo")) + kQueryFoot));
}

void TestLayouts::emptyCommentLeavesEmptyTexts() {
    const TProjectModel project = single(
        {{.name = "memo", .type = kTypeString, .comment = "", .query = true, .phone = true}});
    QCOMPARE(textAttributes(layout(project, 0, kAdd)), (QStringList{"：", "", "确定"}));
    QCOMPARE(textAttributes(layout(project, 0, kList)), QStringList{""});
    QCOMPARE(textAttributes(layout(project, 0, kQuery)), (QStringList{"：", "", "查询"}));
}

void TestLayouts::layoutsOfMixedClassAreWellFormed() {
    const TProjectModel project = library();
    for (const TClassModel& cls : project.classes) {
        for (const TGeneratedFile& file : TMobileClientLayout::Generate(project, cls)) {
            QString error;
            QVERIFY2(wellFormed(file.text, &error), qPrintable(file.fileName + ": " + error));
        }
    }
}

void TestLayouts::markupInCommentIsEscaped() {
    const QString comment = QStringLiteral("<b> & \"q\"");
    const TProjectModel project = single(
        {{.name = "tag", .type = kTypeDate, .comment = comment, .query = true, .phone = true}});
    for (const TGeneratedFile& file : TMobileClientLayout::Generate(project, project.classes[0])) {
        QString error;
        QVERIFY2(wellFormed(file.text, &error), qPrintable(file.fileName + ": " + error));
    }
    QVERIFY(layout(project, 0, kAdd)
                .contains("\t\t\t\tandroid:text=\"&lt;b> &amp; &quot;q&quot;：\" \r\n"));
    // Read back by an XML parser, every text is the comment exactly as typed.
    const QString label = comment + QStringLiteral("：");
    QCOMPARE(textAttributes(layout(project, 0, kAdd)), (QStringList{label, "确定"}));
    QCOMPARE(textAttributes(layout(project, 0, kEdit)), (QStringList{"编号：", "", label, "确定"}));
    QCOMPARE(textAttributes(layout(project, 0, kDetail)),
             (QStringList{"编号：", "", label, "", "返回"}));
    QCOMPARE(textAttributes(layout(project, 0, kList)), QStringList{comment});
    QCOMPARE(textAttributes(layout(project, 0, kQuery)),
             (QStringList{label, "       ", comment + "参与查询", "查询"}));
}

QTEST_GUILESS_MAIN(TestLayouts)
#include "test_layouts.moc"

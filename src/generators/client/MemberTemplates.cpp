#include "generators/client/MemberTemplates.h"

#include "generation/JavaNames.h"
#include "generators/client/ViewIds.h"

namespace {

// ---- the add and edit forms ----

constexpr char16_t kEditBoxFields[] =
    u"\t// 声明$comment$输入框\n"
    "\tprivate EditText $etId$;\n";
constexpr char16_t kFormDateFields[] =
    u"\t// 出版$comment$控件\n"
    "\tprivate DatePicker $dpId$;\n";
constexpr char16_t kFormPictureFields[] =
    u"\t// 声明$comment$图片框控件\n"
    "\tprivate ImageView $ivId$;\n"
    "\tprivate Button $photoButtonId$;\n"
    "\tprotected int REQ_CODE_SELECT_IMAGE_$name$ = $selectRequest$;\n"
    "\tprivate int REQ_CODE_CAMERA_$name$ = $cameraRequest$;\n";
constexpr char16_t kDropDownFieldsHead[] =
    u"\t// 声明$comment$下拉框\n"
    "\tprivate Spinner spinner_$name$;\n"
    "\tprivate ArrayAdapter<String> $name$_adapter;\n"
    "\tprivate static  String[] $name$_ShowText  = null;\n";
constexpr TJoinedTemplate kFormDropDownFields(kDropDownFieldsHead,
                                              u"\tprivate List<$RefClass$> $stem$List = null;\n"
                                              "\t/*$comment$管理业务逻辑层*/\n",
                                              kReferenceServiceField);

constexpr char16_t kEditBoxSetUp[] = u"\t\t$etId$ = (EditText) findViewById(R.id.$etId$);\n";
constexpr char16_t kFormDateSetUp[] = u"\t\t$dpId$ = (DatePicker)this.findViewById(R.id.$dpId$);\n";
constexpr char16_t kPictureSetUp[] =
    u"\t\t$ivId$ = (ImageView) findViewById(R.id.$ivId$);\n"
    "\t\t/*单击图片显示控件时进行图片的选择*/\n"
    "\t\t$ivId$.setOnClickListener(new OnClickListener() {\n"
    "\t\t\t@Override\n"
    "\t\t\tpublic void onClick(View v) {\n"
    "\t\t\t\tIntent intent = new Intent();\n"
    "\t\t\t\tintent.setClass($activity$.this,photoListActivity.class);\n"
    "\t\t\t\tstartActivityForResult(intent,REQ_CODE_SELECT_IMAGE_$name$);\n"
    "\t\t\t}\n"
    "\t\t});\n"
    "\t\t$photoButtonId$ = (Button) findViewById(R.id.$photoButtonId$);\n"
    "\t\t$photoButtonId$.setOnClickListener(new OnClickListener() { \n"
    "\t\t\t@Override\n"
    "\t\t\tpublic void onClick(View arg0) {\n"
    "\t\t\t\tIntent intent = new Intent(MediaStore.ACTION_IMAGE_CAPTURE); \n"
    "\t\t\t\tcarmera_path = HttpUtil.FILE_PATH + \"/carmera_$name$.bmp\";\n"
    "\t\t\t\tFile out = new File(carmera_path); \n"
    // The camera app writes through a content address that the app grants it: from Android 7 a
    // file address in an intent is refused.
    "\t\t\t\tintent.putExtra(MediaStore.EXTRA_OUTPUT, PictureProvider.uriFor(out)); \n"
    "\t\t\t\ttry {\n"
    "\t\t\t\t\tstartActivityForResult(intent, REQ_CODE_CAMERA_$name$);  \n"
    "\t\t\t\t} catch (android.content.ActivityNotFoundException e) {\n"
    "\t\t\t\t\tToast.makeText($activity$.this, \"没有可用的相机应用!\", "
    "Toast.LENGTH_LONG).show();\n"
    "\t\t\t\t}\n"
    "\t\t\t}\n"
    "\t\t});\n";

// A drop-down whose entries cannot be loaded says why and stays empty; the screen stays usable.
constexpr char16_t kDropDownLoadFailed[] =
    u"\t\t\tToast.makeText(this, HttpUtil.errorText(e1), Toast.LENGTH_LONG).show();\n"
    "\t\t\t$stem$List = new java.util.ArrayList<$RefClass$>();\n";

// A drop-down's adapter and the head of its selection listener, then (after the selection's
// statements) the listener's end.
constexpr char16_t kDropDownAdapter[] =
    u"\t\t// 将可选内容与ArrayAdapter连接起来\n"
    "\t\t$name$_adapter = new ArrayAdapter<String>(this,android.R.layout.simple_spinner_item, "
    "$name$_ShowText);\n"
    "\t\t// 设置$styleSubject$下拉列表的风格\n"
    "\t\t$name$_adapter.setDropDownViewResource(android.R.layout.simple_spinner_dropdown_item);\n"
    "\t\t// 将adapter 添加到spinner中\n"
    "\t\tspinner_$name$.setAdapter($name$_adapter);\n"
    "\t\t// 添加事件Spinner事件监听\n"
    "\t\tspinner_$name$.setOnItemSelectedListener(new OnItemSelectedListener() {\n"
    "\t\t\t@Override\n"
    "\t\t\tpublic void onItemSelected(AdapterView<?> arg0, View arg1,int arg2, long arg3) {\n";
constexpr char16_t kDropDownEnd[] =
    u"\t\t\t}\n"
    "\t\t\t@Override\n"
    "\t\t\tpublic void onNothingSelected(AdapterView<?> arg0) {}\n"
    "\t\t});\n"
    "\t\t// 设置默认值\n"
    "\t\tspinner_$name$.setVisibility(View.VISIBLE);\n";
constexpr TJoinedTemplate kFormDropDownSetUp(
    u"\t\tspinner_$name$ = (Spinner) findViewById(R.id.$spinnerId$);\n"
    "\t\t// 获取所有的$comment$\n"
    "\t\ttry {\n"
    "\t\t\t$stem$List = $stem$Service.Query$RefClass$(null);\n"
    "\t\t} catch (Exception e1) { \n"
    "\t\t\te1.printStackTrace(); \n"
    "$dropDownLoadFailed$"
    "\t\t}\n"
    "\t\tint $stem$Count = $stem$List.size();\n"
    "\t\t$name$_ShowText = new String[$stem$Count];\n"
    "\t\tfor(int i=0;i<$stem$Count;i++) { \n"
    "\t\t\t$name$_ShowText[i] = $stem$List.get(i).$refShowText$;\n"
    "\t\t}\n",
    kDropDownAdapter,
    u"\t\t\t\tif ($stem$List.get(arg2) != null) $cls$.set$Name$($stem$List.get(arg2)$refKey$); \n",
    kDropDownEnd);

constexpr char16_t kEditBoxCheck[] =
    u"\t\t\t\t\t/*验证获取$comment$*/ \n"
    "\t\t\t\t\tif($etId$.getText().toString().equals(\"\")) {\n"
    "\t\t\t\t\t\tToast.makeText($activity$.this, \"$commentText$输入不能为空!\", "
    "Toast.LENGTH_LONG).show();\n"
    "\t\t\t\t\t\t$etId$.setFocusable(true);\n"
    "\t\t\t\t\t\t$etId$.requestFocus();\n"
    "\t\t\t\t\t\treturn;\t\n"
    "\t\t\t\t\t}\n";
constexpr TJoinedTemplate kEditBoxSave(kEditBoxCheck,
                                       u"\t\t\t\t\t$cls$.set$Name$($editBoxValue$);\n");
// A number that does not parse is named, and the form stays as typed.
constexpr TJoinedTemplate kNumberBoxSave(
    kEditBoxCheck,
    u"\t\t\t\t\ttry {\n"
    "\t\t\t\t\t\t$cls$.set$Name$($editBoxValue$);\n"
    "\t\t\t\t\t} catch (NumberFormatException e) {\n"
    "\t\t\t\t\t\tToast.makeText($activity$.this, \"$commentText$不是有效的数字!\", "
    "Toast.LENGTH_LONG).show();\n"
    "\t\t\t\t\t\t$etId$.requestFocus();\n"
    "\t\t\t\t\t\treturn;\n"
    "\t\t\t\t\t}\n");
constexpr char16_t kFormDateSave[] =
    u"\t\t\t\t\t/*获取出版日期*/\n"
    "\t\t\t\t\tDate $var$ = new "
    "Date($dpId$.getYear()-1900,$dpId$.getMonth(),$dpId$.getDayOfMonth());\n"
    "\t\t\t\t\t$cls$.set$Name$(new Timestamp($var$.getTime()));\n";
constexpr char16_t kPhotoUpload[] =
    u"\t\t\t\t\t\t//如果图片地址不为空，说明用户选择了图片，这时需要连接服务器上传图片\n"
    "\t\t\t\t\t\t$activity$.this.setTitle(\"正在上传图片，稍等...\");\n"
    "\t\t\t\t\t\tString $var$ = HttpUtil.uploadFile($cls$.get$Name$());\n"
    "\t\t\t\t\t\t$activity$.this.setTitle(\"图片上传完毕！\");\n"
    "\t\t\t\t\t\t$cls$.set$Name$($var$);\n";
// The add form uploads a chosen photo or stores the default picture's name.
constexpr TJoinedTemplate kAddPhotoSave(u"\t\t\t\t\tif($cls$.get$Name$() != null) {\n",
                                        kPhotoUpload,
                                        u"\t\t\t\t\t} else {\n"
                                        "\t\t\t\t\t\t$cls$.set$Name$(\"upload/noimage.jpg\");\n"
                                        "\t\t\t\t\t}\n");
// The edit form uploads a photo only when it is not a stored one.
constexpr TJoinedTemplate kEditPhotoSave(
    u"\t\t\t\t\tif (!$cls$.get$Name$().startsWith(\"upload/\")) {\n", kPhotoUpload,
    u"\t\t\t\t\t} \n");

constexpr char16_t kStringPreFill[] = u"\t\tthis.$etId$.setText($cls$.get$Name$());\n";
constexpr char16_t kNumberPreFill[] = u"\t\tthis.$etId$.setText($cls$.get$Name$() + \"\");\n";
constexpr char16_t kDatePreFill[] =
    u"\t\tDate $var$ = new Date($cls$.get$Name$().getTime());\n"
    "\t\tthis.$dpId$.init($var$.getYear() + 1900,$var$.getMonth(), $var$.getDate(), null);\n";
// The stored picture, downloaded and shown ($decodeSeparator$ is the screen's).
constexpr char16_t kStoredPhoto[] =
    u"\t\tbyte[] $var$_data = null;\n"
    "\t\ttry {\n"
    "\t\t\t// 获取图片数据\n"
    "\t\t\t$var$_data = $imageService$.getImage(HttpUtil.BASE_URL + $cls$.get$Name$());\n"
    "\t\t\tBitmap $var$ = BitmapFactory.decodeByteArray($var$_data, "
    "0,$decodeSeparator$$var$_data.length);\n"
    "\t\t\tif ($var$ != null) this.$ivId$.setImageBitmap($var$);\n"
    "\t\t} catch (Exception e) {\n"
    "\t\t\te.printStackTrace();\n"
    "\t\t}\n";
// A stored reference that names no entry (0, "" or a deleted object) shows as an empty entry put
// first, whose selection leaves the reference as it is.
constexpr char16_t kDropDownPreFill[] =
    u"\t\tfor (int i = 0; i <= $stem$List.size(); i++) {\n"
    "\t\t\tif (i == $stem$List.size()) {\n"
    "\t\t\t\t/*没有这个$comment$: 显示为空, 不选时保存原值*/\n"
    "\t\t\t\t$stem$List.add(0, null);\n"
    "\t\t\t\t$name$_adapter = new ArrayAdapter<String>(this, "
    "android.R.layout.simple_spinner_item);\n"
    "\t\t\t\t$name$_adapter.add(\"\");\n"
    "\t\t\t\t$name$_adapter.addAll($name$_ShowText);\n"
    "\t\t\t\t$name$_adapter.setDropDownViewResource("
    "android.R.layout.simple_spinner_dropdown_item);\n"
    "\t\t\t\tthis.spinner_$name$.setAdapter($name$_adapter);\n"
    "\t\t\t\tbreak;\n"
    "\t\t\t}\n"
    "\t\t\tif ($storedIsEntry$) {\n"
    "\t\t\t\tthis.spinner_$name$.setSelection(i);\n"
    "\t\t\t\tbreak;\n"
    "\t\t\t}\n"
    "\t\t}\n";

// A camera result and a selection result per photo of the form.
constexpr char16_t kPhotoResults[] =
    u"\t\tif (requestCode == REQ_CODE_CAMERA_$name$  && resultCode == Activity.RESULT_OK) {\n"
    "\t\t\tcarmera_path = HttpUtil.FILE_PATH + \"/carmera_$name$.bmp\"; \n"
    "\t\t\tBitmapFactory.Options opts = new BitmapFactory.Options();\n"
    "\t\t\topts.inJustDecodeBounds = true;\n"
    "\t\t\tBitmapFactory.decodeFile(carmera_path, opts); \n"
    "\t\t\topts.inSampleSize = photoListActivity.computeSampleSize(opts, -1, 300*300);\n"
    "\t\t\topts.inJustDecodeBounds = false;\n"
    "\t\t\ttry {\n"
    "\t\t\t\tBitmap booImageBm = BitmapFactory.decodeFile(carmera_path, opts);\n"
    "\t\t\t\tString jpgFileName = \"carmera_$name$.jpg\";\n"
    "\t\t\t\tString jpgFilePath =  HttpUtil.FILE_PATH + \"/\" + jpgFileName;\n"
    "\t\t\t\ttry {\n"
    "\t\t\t\t\tFileOutputStream jpgOutputStream = new FileOutputStream(jpgFilePath);\n"
    "\t\t\t\t\tbooImageBm.compress(Bitmap.CompressFormat.JPEG, 30, jpgOutputStream);// "
    "把数据写入文件 \n"
    "\t\t\t\t\tFile bmpFile = new File(carmera_path);\n"
    "\t\t\t\t\tbmpFile.delete();\n"
    "\t\t\t\t} catch (FileNotFoundException e) {\n"
    "\t\t\t\t\te.printStackTrace();\n"
    "\t\t\t\t} \n"
    "\t\t\t\tthis.$ivId$.setImageBitmap(booImageBm);\n"
    "\t\t\t\tthis.$ivId$.setScaleType(ScaleType.FIT_CENTER);\n"
    "\t\t\t\tthis.$cls$.set$Name$(jpgFileName);\n"
    "\t\t\t} catch (OutOfMemoryError err) {  }\n"
    "\t\t}\n"
    "\n"
    "\t\tif(requestCode == REQ_CODE_SELECT_IMAGE_$name$ && resultCode == Activity.RESULT_OK) {\n"
    "\t\t\tBundle bundle = data.getExtras();\n"
    "\t\t\tString filename =  bundle.getString(\"fileName\");\n"
    "\t\t\tString filepath = HttpUtil.FILE_PATH + \"/\" + filename;\n"
    "\t\t\tBitmapFactory.Options opts = new BitmapFactory.Options();\n"
    "\t\t\topts.inJustDecodeBounds = true; \n"
    "\t\t\tBitmapFactory.decodeFile(filepath, opts); \n"
    "\t\t\topts.inSampleSize = photoListActivity.computeSampleSize(opts, -1, 128*128);\n"
    "\t\t\topts.inJustDecodeBounds = false; \n"
    "\t\t\ttry { \n"
    "\t\t\t\tBitmap bm = BitmapFactory.decodeFile(filepath, opts);\n"
    "\t\t\t\tthis.$ivId$.setImageBitmap(bm); \n"
    "\t\t\t\tthis.$ivId$.setScaleType(ScaleType.FIT_CENTER); \n"
    "\t\t\t} catch (OutOfMemoryError err) {  } \n"
    "\t\t\t$cls$.set$Name$(filename); \n"
    "\t\t}\n";

// ---- the add and edit layouts ----

constexpr char16_t kTextInput[] =
    u"\t\t\t<EditText \n"
    "\t\t\t\tandroid:text=\"\" \n"
    "\t\t\t\tandroid:id=\"@+id/$etId$\" \n"
    "\t\t\t\tandroid:layout_width=\"$boxWidth$\"\n"
    "\t\t\t\tandroid:layout_height=\"wrap_content\"\n"
    "$multiLine$"
    "\t\t\t/>\n";
constexpr char16_t kMultiLine[] =
    u"\t\t\t\tandroid:inputType=\"textMultiLine\"\n"
    "\t\t\t\tandroid:singleLine=\"false\"\n"
    "\t\t\t\tandroid:scrollHorizontally=\"false\"\n";
constexpr char16_t kIntegerInput[] =
    u"\t\t\t<EditText\n"
    "\t\t\t\tandroid:text=\"\" \n"
    "\t\t\t\tandroid:id=\"@+id/$etId$\"\n"
    "\t\t\t\tandroid:inputType=\"number\" \n"
    "\t\t\t\tandroid:layout_width=\"fill_parent\" \n"
    "\t\t\t\tandroid:layout_height=\"wrap_content\"\n"
    "\t\t\t/>\n";
constexpr char16_t kFloatInput[] =
    u"\t\t\t<EditText\n"
    "\t\t\t\tandroid:text=\"\"\n"
    "\t\t\t\tandroid:id=\"@+id/$etId$\"\n"
    "\t\t\t\tandroid:inputType=\"numberDecimal\" \n"
    "\t\t\t\tandroid:layout_width=\"fill_parent\" \n"
    "\t\t\t\tandroid:layout_height=\"wrap_content\"\n"
    "\t\t\t/>\n";
constexpr char16_t kDateInput[] =
    u"\t\t\t<DatePicker \n"
    "\t\t\t\tandroid:id=\"@+id/$dpId$\"\n"
    "\t\t\t\tandroid:layout_width=\"fill_parent\"\n"
    "\t\t\t\tandroid:layout_height=\"wrap_content\" \n"
    "\t\t\t/>\n"
    "\n"
    "\n"
    "\n";
// The picture with a photo button below it in a right-aligned row of its own.
constexpr char16_t kPhotoInput[] =
    u"\t\t\t<ImageView android:id=\"@+id/$ivId$\" \n"
    "\t\t\t\tandroid:layout_width=\"80dp\"\n"
    "\t\t\t\tandroid:layout_height=\"80dp\" \n"
    "\t\t\t\tandroid:src=\"@drawable/noimage\" \n"
    "\t\t\t/> \n"
    "\t\t</TableRow>\n"
    "\t\t<TableRow android:gravity=\"right\">\n"
    "\t\t\t<Button \n"
    "\t\t\t\tandroid:text=\"拍照\"\n"
    "\t\t\t\tandroid:id=\"@+id/$photoButtonId$\"\n"
    "\t\t\t\tandroid:layout_width=\"60dp\" \n"
    "\t\t\t\tandroid:layout_height=\"wrap_content\"\n"
    "\t\t\t/> \n";
constexpr char16_t kDropDownInput[] =
    u"\t\t\t<Spinner \n"
    "\t\t\t\tandroid:id=\"@+id/$spinnerId$\" \n"
    "\t\t\t\tandroid:layout_width=\"fill_parent\" \n"
    "\t\t\t\tandroid:layout_height=\"wrap_content\"\n"
    "\t\t\t/>\n";

// ---- the detail screen and layout ----

constexpr char16_t kTextDetailFields[] =
    u"\t// 声明$comment$控件\n"
    "\tprivate TextView $tvId$;\n";
constexpr char16_t kPictureDetailFields[] =
    u"\t// 声明$comment$图片框\n"
    "\tprivate ImageView $ivId$;\n";
constexpr char16_t kTextLookup[] = u"\t\t$tvId$ = (TextView) findViewById(R.id.$tvId$);\n";
constexpr char16_t kPictureLookup[] = u"\t\t$ivId$ = (ImageView) findViewById(R.id.$ivId$); \n";
constexpr char16_t kStringShow[] = u"\t\tthis.$tvId$.setText($cls$.get$Name$());\n";
constexpr char16_t kNumberShow[] = u"\t\tthis.$tvId$.setText($cls$.get$Name$() + \"\");\n";
// Year-month-day without leading zeros.
constexpr char16_t kDateShow[] =
    u"\t\tDate $var$ = new Date($cls$.get$Name$().getTime());\n"
    "\t\tString $var$Str = ($var$.getYear() + 1900) + \"-\" + ($var$.getMonth()+1) + \"-\" + "
    "$var$.getDate();\n"
    "\t\tthis.$tvId$.setText($var$Str);\n";
// The referenced object fetched by key; its display member is shown.
constexpr char16_t kReferenceShow[] =
    u"\t\t$RefClass$ $stem$ = $stem$Service.Get$RefClass$($cls$.get$Name$());\n"
    "\t\tthis.$tvId$.setText($stem$ == null ? \"\" : $stem$.$refShowText$);\n";
constexpr char16_t kPictureDetailWidget[] =
    u"\t\t  <ImageView android:id=\"@+id/$ivId$\" \n"
    "        \tandroid:layout_width=\"160dp\"  \n"
    "        \tandroid:layout_height=\"160dp\"  \n"
    "        \tandroid:src=\"@drawable/noimage\" \n"
    "        \t/>  \n";

// ---- a list row ----

constexpr char16_t kRowValue[] = u"\t\t\t\tmap.put(\"$name$\", $cls$List.get(i).get$Name$());\n";
// The picture as a thumbnail of at most about 100*100 pixels; null (shown as noimage) when it
// cannot be fetched or decoded, and the list goes on.
constexpr char16_t kRowThumbnail[] =
    u"\t\t\t\tmap.put(\"$name$\", $imageService$.getThumbnail(HttpUtil.BASE_URL+ "
    "$cls$List.get(i).get$Name$(), 100*100));// 获取图片数据\n";
constexpr char16_t kRowText[] =
    u"\t   <TextView\n"
    "\t     android:id=\"@+id/$rowViewId$\"\n"
    "\t     android:layout_width=\"fill_parent\"\n"
    "\t     android:layout_height=\"wrap_content\"\n"
    "\t     android:layout_weight=\"1\" \n"
    "\t     android:layout_gravity=\"center\"\n"
    "\t     android:textSize=\"20dp\"/>\n";
constexpr char16_t kRowPicture[] =
    u"     <ImageView android:id=\"@+id/$rowViewId$\" \n"
    "        android:layout_width=\"50dp\" \n"
    "        android:layout_height=\"58dp\" \n"
    "        android:src=\"@drawable/ml_default_image\" \n"
    "      /> \n";
constexpr char16_t kTextBinding[] =
    u"\t\tholder.$rowViewId$.setText(mData.get(position).get(\"$name$\").toString());\n";
constexpr char16_t kDateBinding[] =
    u"\t\tholder.$rowViewId$.setText(mData.get(position).get(\"$name$\").toString().substring(0, "
    "10));\n";
constexpr char16_t kPictureBinding[] =
    u"\t\tif (mData.get(position).get(\"$name$\") != null)\n"
    "\t\t\tholder.$rowViewId$.setImageBitmap((Bitmap)mData.get(position).get(\"$name$\"));\n"
    "\t\telse\n"
    "\t\t\tholder.$rowViewId$.setImageResource(R.drawable.noimage);\n";
// A TextView takes a non-text display value as a resource id (int) or not at all. A reference
// naming no object (0, "", deleted) or one that cannot be fetched shows as empty.
constexpr char16_t kReferenceBinding[] =
    u"\t\ttry {\n"
    "\t\t\tholder.$rowViewId$.setText((new "
    "$RefClass$Service()).Get$RefClass$($storedRefKey$).$refShowText$);\n"
    "\t\t} catch (Exception e) {\n"
    "\t\t\tholder.$rowViewId$.setText(\"\");\n"
    "\t\t}\n";

// ---- the query screen and layout ----

constexpr char16_t kQueryDateFields[] =
    u"\t// $comment$控件\n"
    "\tprivate DatePicker $dpId$;\n"
    "\tprivate CheckBox $cbId$;\n";
constexpr TJoinedTemplate kQueryDropDownFields(kDropDownFieldsHead,
                                               u"\tprivate List<$RefClass$> $stem$List = null; \n"
                                               "\t/*$refFriend$管理业务逻辑层*/\n",
                                               kReferenceServiceField);
constexpr char16_t kQueryDateSetUp[] =
    u"\t\t$dpId$ = (DatePicker) findViewById(R.id.$dpId$);\n"
    "\t\t$cbId$ = (CheckBox) findViewById(R.id.$cbId$);\n";
// "不限制" first; it puts the key type's empty value into the condition.
constexpr TJoinedTemplate kQueryDropDownSetUp(
    u"\t\tspinner_$name$ = (Spinner) findViewById(R.id.$spinnerId$);\n"
    "\t\t// 获取所有的$refFriend$\n"
    "\t\ttry {\n"
    "\t\t\t$stem$List = $stem$Service.Query$RefClass$(null);\n"
    "\t\t} catch (Exception e1) {\n"
    "\t\t\te1.printStackTrace();\n"
    "$dropDownLoadFailed$"
    "\t\t}\n"
    "\t\tint $stem$Count = $stem$List.size();\n"
    "\t\t$name$_ShowText = new String[$stem$Count+1];\n"
    "\t\t$name$_ShowText[0] = \"不限制\";\n"
    "\t\tfor(int i=1;i<=$stem$Count;i++) { \n"
    "\t\t\t$name$_ShowText[i] = $stem$List.get(i-1).$refShowText$;\n"
    "\t\t} \n",
    kDropDownAdapter,
    u"\t\t\t\tif(arg2 != 0)\n"
    "\t\t\t\t\tqueryCondition$Class$.set$Name$($stem$List.get(arg2-1)$refKey$); \n"
    "\t\t\t\telse\n"
    "\t\t\t\t\tqueryCondition$Class$.set$Name$($noChoice$);\n",
    kDropDownEnd);
constexpr char16_t kTextCondition[] =
    u"\t\t\t\t\tqueryCondition$Class$.set$Name$($etId$.getText().toString());\n";
// A date condition is set only while its check box is ticked.
constexpr char16_t kDateCondition[] =
    u"\t\t\t\t\tif($cbId$.isChecked()) {\n"
    "\t\t\t\t\t\t/*获取$comment$*/\n"
    "\t\t\t\t\t\tDate $var$ = new "
    "Date($dpId$.getYear()-1900,$dpId$.getMonth(),$dpId$.getDayOfMonth());\n"
    "\t\t\t\t\t\tqueryCondition$Class$.set$Name$(new Timestamp($var$.getTime()));\n"
    "\t\t\t\t\t} else {\n"
    "\t\t\t\t\t\tqueryCondition$Class$.set$Name$(null);\n"
    "\t\t\t\t\t} \n";
constexpr char16_t kTextQueryWidget[] =
    u"\t\t\t<EditText\n"
    "\t\t\tandroid:text=\"\" \n"
    "\t\t\tandroid:id=\"@+id/$etId$\"\n"
    "\t\t\tandroid:layout_width=\"fill_parent\"\n"
    "\t\t\tandroid:layout_height=\"wrap_content\"/>\n";
// The date picker, then a second row whose check box switches the date condition on.
constexpr char16_t kDateQueryWidget[] =
    u"\t\t\t<DatePicker\n"
    "\t\t\t\tandroid:id=\"@+id/$dpId$\" \n"
    "\t\t\t\tandroid:layout_width=\"fill_parent\"\n"
    "\t\t\t\tandroid:layout_height=\"wrap_content\"/>\n"
    "\t\t</TableRow> \n"
    "\t\t<TableRow>\n"
    "\t\t\t<TextView \n"
    "\t\t\t\tandroid:text=\"       \" \n"
    "\t\t\t\tandroid:id=\"@+id/$labelId$\"\n"
    "\t\t\t\tandroid:layout_width=\"wrap_content\" \n"
    "\t\t\t\tandroid:layout_height=\"wrap_content\"\n"
    "\t\t\t\tandroid:textColor=\"#0000ff\"/>\n"
    "    \t\t<CheckBox \n"
    "    \t\t    android:text=\"$commentXml$参与查询\" \n"
    "    \t\t    android:id=\"@+id/$cbId$\" \n"
    "    \t\t    android:layout_width=\"wrap_content\" \n"
    "    \t\t    android:layout_height=\"wrap_content\"/>\n";
constexpr char16_t kChoiceQueryWidget[] =
    u"\t\t\t<Spinner android:id=\"@+id/$spinnerId$\" \n"
    "\t\t\t\tandroid:layout_width=\"fill_parent\"\n"
    "\t\t\t\tandroid:layout_height=\"wrap_content\"/>\n";

// The rows: what a member of each category writes in the add and edit forms, the detail screen,
// a list row and the query; a job a category does not do is left out (empty). Integer and float
// members cannot be asked for in a query: no input on the screen, yet a drop-down in the layout.
// An image member is asked for by its path, as text.
const TMemberTemplates kString = {
    .formFields = kEditBoxFields,
    .formSetUp = kEditBoxSetUp,
    .addSave = kEditBoxSave,
    .editSave = kEditBoxSave,
    .editPreFill = kStringPreFill,
    .inputWidget = kTextInput,
    .detailFields = kTextDetailFields,
    .detailLookup = kTextLookup,
    .detailShow = kStringShow,
    .detailWidget = kShownTextBox,
    .rowValue = kRowValue,
    .rowViewId = u"$rowTextId$",
    .rowWidget = u"TextView",
    .rowView = kRowText,
    .rowBinding = kTextBinding,
    .queryFields = kEditBoxFields,
    .querySetUp = kEditBoxSetUp,
    .queryCondition = kTextCondition,
    .queryWidget = kTextQueryWidget,
};
const TMemberTemplates kInteger = {
    .formFields = kEditBoxFields,
    .formSetUp = kEditBoxSetUp,
    .addSave = kNumberBoxSave,
    .editSave = kNumberBoxSave,
    .editPreFill = kNumberPreFill,
    .inputWidget = kIntegerInput,
    .detailFields = kTextDetailFields,
    .detailLookup = kTextLookup,
    .detailShow = kNumberShow,
    .detailWidget = kShownTextBox,
    .rowValue = kRowValue,
    .rowViewId = u"$rowTextId$",
    .rowWidget = u"TextView",
    .rowView = kRowText,
    .rowBinding = kTextBinding,
    .queryWidget = kChoiceQueryWidget,
};
const TMemberTemplates kFloat = {
    .formFields = kEditBoxFields,
    .formSetUp = kEditBoxSetUp,
    .addSave = kNumberBoxSave,
    .editSave = kNumberBoxSave,
    .editPreFill = kNumberPreFill,
    .inputWidget = kFloatInput,
    .detailFields = kTextDetailFields,
    .detailLookup = kTextLookup,
    .detailShow = kNumberShow,
    .detailWidget = kShownTextBox,
    .rowValue = kRowValue,
    .rowViewId = u"$rowTextId$",
    .rowWidget = u"TextView",
    .rowView = kRowText,
    .rowBinding = kTextBinding,
    .queryWidget = kChoiceQueryWidget,
};
const TMemberTemplates kDate = {
    .formFields = kFormDateFields,
    .formSetUp = kFormDateSetUp,
    .addSave = kFormDateSave,
    .editSave = kFormDateSave,
    .editPreFill = kDatePreFill,
    .inputWidget = kDateInput,
    .detailFields = kTextDetailFields,
    .detailLookup = kTextLookup,
    .detailShow = kDateShow,
    .detailWidget = kShownTextBox,
    .rowValue = kRowValue,
    .rowViewId = u"$rowTextId$",
    .rowWidget = u"TextView",
    .rowView = kRowText,
    .rowBinding = kDateBinding,
    .queryFields = kQueryDateFields,
    .querySetUp = kQueryDateSetUp,
    .queryCondition = kDateCondition,
    .queryWidget = kDateQueryWidget,
};
const TMemberTemplates kImage = {
    .formFields = kFormPictureFields,
    .formSetUp = kPictureSetUp,
    .addSave = kAddPhotoSave,
    .editSave = kEditPhotoSave,
    .editPreFill = kStoredPhoto,
    .formResult = kPhotoResults,
    .inputWidget = kPhotoInput,
    .detailFields = kPictureDetailFields,
    .detailLookup = kPictureLookup,
    .detailShow = kStoredPhoto,
    .detailWidget = kPictureDetailWidget,
    .rowValue = kRowThumbnail,
    .rowViewId = u"$ivId$",
    .rowWidget = u"ImageView",
    .rowView = kRowPicture,
    .rowBinding = kPictureBinding,
    .queryFields = kEditBoxFields,
    .querySetUp = kEditBoxSetUp,
    .queryCondition = kTextCondition,
    .queryWidget = kTextQueryWidget,
    .requestCodes = 2,
};
const TMemberTemplates kReference = {
    .formFields = kFormDropDownFields,
    .formSetUp = kFormDropDownSetUp,
    .editPreFill = kDropDownPreFill,
    .inputWidget = kDropDownInput,
    .detailFields = kTextDetailFields,
    .detailLookup = kTextLookup,
    .detailShow = kReferenceShow,
    .detailWidget = kShownTextBox,
    .rowValue = kRowValue,
    .rowViewId = u"$rowTextId$",
    .rowWidget = u"TextView",
    .rowView = kRowText,
    .rowBinding = kReferenceBinding,
    .queryFields = kQueryDropDownFields,
    .querySetUp = kQueryDropDownSetUp,
    .queryWidget = kChoiceQueryWidget,
};

// ---- how values travel ----

const TWireTemplates kStringWire = {
    .fromText = u"$text$",
    .fromEditBox = u"$etId$.getText().toString()",
    .fromRowValue = u"mData.get(position).get(\"$name$\").toString()",
    .formParameter = u"\t\tparams.put(\"$name$\", $cls$.get$Name$());\n",
    .jsonReading = u"\t\t\t\t$cls$.set$Name$(object.getString(\"$name$\"));\n",
    .xmlReading = u"            \t$cls$.set$Name$(valueString); \n",
    .queryParameter =
        u"\t\t\turlString += \"&$name$=\" + "
        "URLEncoder.encode(queryCondition$Class$.get$Name$(), \"UTF-8\") + \"\";\n",
};
const TWireTemplates kIntegerWire = {
    .fromText = u"Integer.parseInt($text$)",
    .fromEditBox = u"Integer.parseInt($etId$.getText().toString())",
    .fromRowValue = u"Integer.parseInt(mData.get(position).get(\"$name$\").toString())",
    .formParameter = u"\t\tparams.put(\"$name$\", $cls$.get$Name$() + \"\");\n",
    .jsonReading = u"\t\t\t\t$cls$.set$Name$(object.getInt(\"$name$\"));\n",
    .xmlReading = u"            \t$cls$.set$Name$(new Integer(valueString).intValue());\n",
    .queryParameter = u"\t\t\turlString += \"&$name$=\" + queryCondition$Class$.get$Name$();\n",
};
const TWireTemplates kFloatWire = {
    .fromText = u"Float.parseFloat($text$)",
    .fromEditBox = u"Float.parseFloat($etId$.getText().toString())",
    .fromRowValue = u"Float.parseFloat(mData.get(position).get(\"$name$\").toString())",
    .formParameter = kIntegerWire.formParameter,
    .jsonReading = u"\t\t\t\t$cls$.set$Name$((float) object.getDouble(\"$name$\"));\n",
    .xmlReading = u"            \t$cls$.set$Name$(new Float(valueString).floatValue());\n",
    .queryParameter = kIntegerWire.queryParameter,
};
const TWireTemplates kDateWire = {
    .fromText = u"Timestamp.valueOf($text$)",
    .fromEditBox = u"Timestamp.valueOf($etId$.getText().toString())",
    .fromRowValue = u"Timestamp.valueOf(mData.get(position).get(\"$name$\").toString())",
    .formParameter = u"\t\tparams.put(\"$name$\", $cls$.get$Name$().toString());\n",
    .jsonReading = u"\t\t\t\t$cls$.set$Name$(Timestamp.valueOf(object.getString(\"$name$\")));\n",
    .xmlReading = u"            \t$cls$.set$Name$(Timestamp.valueOf(valueString));\n",
    .queryParameter =
        u"\t\t\tif(queryCondition$Class$.get$Name$() != null) {\n"
        "\t\t\t\turlString += \"&$name$=\" + "
        "URLEncoder.encode(queryCondition$Class$.get$Name$().toString(), "
        "\"UTF-8\");\n"
        "\t\t\t}\n",
};

template <typename Row>
using TRows = std::initializer_list<std::pair<MemberCategory, const Row*>>;

const TRows<TMemberTemplates> kRows = {
    {MemberCategory::String, &kString}, {MemberCategory::Integer, &kInteger},
    {MemberCategory::Float, &kFloat},   {MemberCategory::Date, &kDate},
    {MemberCategory::Image, &kImage},   {MemberCategory::Reference, &kReference}};
// Every value travels as one of these; the first is the default.
const TRows<TWireTemplates> kWireRows = {{MemberCategory::String, &kStringWire},
                                         {MemberCategory::Integer, &kIntegerWire},
                                         {MemberCategory::Float, &kFloatWire},
                                         {MemberCategory::Date, &kDateWire}};

template <typename Row>
const Row& rowOf(const TRows<Row>& rows, MemberCategory category) {
    for (const auto& [rowCategory, row] : rows) {
        if (rowCategory == category) {
            return *row;
        }
    }
    return *rows.begin()->second;
}

bool isLongString(const TMemberInfo& member) {
    return member.category == MemberCategory::String && member.member.memberLength >= 100;
}

QString stemAmong(const TClassModel& cls, const TMemberInfo& reference, StemAmong stems) {
    switch (stems) {
        case StemAmong::AllReferences:
            return ReferenceStem(cls, reference);
        case StemAmong::FormDropDowns:
            return FormReferenceStem(cls, reference);
        default:
            return QueryReferenceStem(cls, reference);
    }
}

void setReferenceVars(TVars& vars, const TClassModel& cls, const TMemberInfo& member,
                      StemAmong stems) {
    const bool integerKey = member.referenceKeyIsInteger();
    vars.set(u"RefClass", member.refClass())
        .setJavaComment(u"refFriend", member.referenced->friendName)
        .set(u"refShowText", member.refShowText())
        .set(u"refKey", member.refKeyValue(QString()))
        .setTemplate(u"storedRefKey", WireTemplatesOf(member.wireCategory()).fromRowValue)
        .setTemplate(u"noChoice", integerKey ? u"0" : u"\"\"")
        .setTemplate(u"dropDownLoadFailed", kDropDownLoadFailed);
    if (stems == StemAmong::None) {
        return;
    }
    vars.set(u"stem", stemAmong(cls, member, stems))
        .setTemplate(u"styleSubject",
                     stems == StemAmong::QueryDropDowns ? u"$comment$" : u"图书类别")
        .setTemplate(u"storedIsEntry",
                     integerKey ? u"$cls$.get$Name$() == $stem$List.get(i)$refKey$"
                                : u"$cls$.get$Name$().equals($stem$List.get(i)$refKey$)");
}

void setMemberVars(TVars& vars, const TClassModel& cls, const TMemberInfo& member,
                   StemAmong stems) {
    const TMemberTemplates& templates = TemplatesOf(member.category);
    const bool wraps = isLongString(member);
    vars.set(u"name", member.name())
        .set(u"Name", member.stem())
        .set(u"var", member.variable)
        .setJavaComment(u"comment", member.comment())
        .setJavaString(u"commentText", member.comment())
        .setXmlAttribute(u"commentXml", member.comment())
        .setTemplate(u"rowViewId", templates.rowViewId)
        .setTemplate(u"rowWidget", templates.rowWidget)
        .setTemplate(u"boxWidth", wraps ? u"60dp" : u"fill_parent")
        .setTemplate(u"multiLine", wraps ? QStringView(kMultiLine) : QStringView())
        .setTemplate(u"editBoxValue", WireTemplatesOf(member.wireCategory()).fromEditBox);
    for (const auto& [name, id] : kMemberViewIds) {
        vars.setTemplate(name, id);
    }
    if (member.isReference()) {
        setReferenceVars(vars, cls, member, stems);
    }
}

}  // namespace

const TMemberTemplates& TemplatesOf(MemberCategory category) {
    return rowOf(kRows, category);
}

const TWireTemplates& WireTemplatesOf(MemberCategory wireCategory) {
    return rowOf(kWireRows, wireCategory);
}

QString FromText(MemberCategory wireCategory, const QString& text) {
    TVars vars;
    vars.set(u"text", text);
    return Format(WireTemplatesOf(wireCategory).fromText, vars);
}

TClassCode::TClassCode(const TClassModel& cls) : cls(cls) {
    for (const auto& [name, id] : kClassViewIds) {
        vars_.setTemplate(name, id);
    }
    vars_.set(u"Class", cls.className)
        .set(u"cls", cls.objectName())
        .set(u"class", cls.layoutName())
        .setJavaComment(u"friend", cls.friendName)
        .setJavaString(u"friendText", cls.friendName);
    if (const TMemberInfo* key = cls.keyMember()) {
        const bool integer = cls.hasIntegerKey();
        vars_.set(u"key", key->variable)
            .set(u"keyName", key->name())
            .set(u"KeyName", key->stem())
            .setJavaComment(u"keyComment", key->comment())
            .setTemplate(u"KeyType", integer ? u"int" : u"String")
            .setTemplate(u"keyAsText", integer ? u"$key$+\"\"" : u"$key$")
            .setTemplate(u"getKey", integer ? u"getInt" : u"getString")
            .setTemplate(u"putKey", integer ? u"putInt" : u"putString");
    }
}

const TVars& TClassCode::member(const TMemberInfo& member, StemAmong stems) const {
    const qsizetype index = &member - cls.members.constData();
    Q_ASSERT(index >= 0 && index < cls.members.size());
    // Only a reference's variables depend on the stem.
    auto& cache = members_[int(member.isReference() ? stems : StemAmong::None)];
    cache.resize(cls.members.size());
    std::unique_ptr<TVars>& slot = cache[index];
    if (slot == nullptr) {
        slot = std::make_unique<TVars>(&vars_);
        setMemberVars(*slot, cls, member, stems);
    }
    return *slot;
}

void PrintEach(TPrinter& printer, const TClassCode& code, const TMembers& members,
               const TVars& outer, QStringView TMemberTemplates::*job, StemAmong stems) {
    for (const TMemberInfo* member : members) {
        const QStringView text = TemplatesOf(member->category).*job;
        if (!text.isEmpty()) {
            printer.print(text, TVars(&outer, &code.member(*member, stems)));
        }
    }
}

void PrintEach(TPrinter& printer, const TClassCode& code, const TMembers& members,
               const TVars& outer, QStringView text, StemAmong stems) {
    for (const TMemberInfo* member : members) {
        printer.print(text, TVars(&outer, &code.member(*member, stems)));
    }
}

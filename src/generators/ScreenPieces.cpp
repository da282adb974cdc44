#include "generators/ScreenPieces.h"

#include <QSet>

#include "generation/TextForms.h"

namespace {

// *cls* + ".get" + *Name* + "()"
QString getterCall(const TClassModel& cls, const TMemberInfo& member) {
    return cls.objectName() + ".get" + member.stem() + "()";
}

// *cls* + ".set" + *Name* + "(" + value + ");"
QString setterCall(const TClassModel& cls, const TMemberInfo& member, const QString& value) {
    return cls.objectName() + ".set" + member.stem() + "(" + value + ");";
}

bool isEditBoxMember(const TMemberInfo& member) {
    return member.category == MemberCategory::String ||
           member.category == MemberCategory::Integer || member.category == MemberCategory::Float;
}

// Non-key image members: only they have the widgets and request codes that photo results use.
QList<const TMemberInfo*> formImageMembers(const TClassModel& cls) {
    QList<const TMemberInfo*> result;
    for (const TMemberInfo* member : cls.imageMembers()) {
        if (!member->isKey()) {
            result.append(member);
        }
    }
    return result;
}

void addImageFields(TCodeText& code, const TMemberInfo& member, int selectRequest) {
    const QString& name = member.name();
    code.lines({
        "\t// 声明" + InJavaComment(member.comment()) + "图片框控件",
        "\tprivate ImageView iv_" + name + ";",
        "\tprivate Button btn_" + name + ";",
        "\tprotected int REQ_CODE_SELECT_IMAGE_" + name + " = " + QString::number(selectRequest) +
            ";",
        "\tprivate int REQ_CODE_CAMERA_" + name + " = " + QString::number(selectRequest + 1) + ";",
    });
}

void addDropDownFields(TCodeText& code, const TClassModel& cls, const TMemberInfo& member) {
    AddDropDownFields(code, member, FormReferenceStem(cls, member), ";",
                      InJavaComment(member.comment()));
}

void addImageSetUp(TCodeText& code, const TMemberInfo& member, const QString& activity) {
    const QString& name = member.name();
    code.lines({
        "\t\tiv_" + name + " = (ImageView) findViewById(R.id.iv_" + name + ");",
        "\t\t/*单击图片显示控件时进行图片的选择*/",
        "\t\tiv_" + name + ".setOnClickListener(new OnClickListener() {",
        "\t\t\t@Override",
        "\t\t\tpublic void onClick(View v) {",
        "\t\t\t\tIntent intent = new Intent();",
        "\t\t\t\tintent.setClass(" + activity + ".this,photoListActivity.class);",
        "\t\t\t\tstartActivityForResult(intent,REQ_CODE_SELECT_IMAGE_" + name + ");",
        "\t\t\t}",
        "\t\t});",
        "\t\tbtn_" + name + " = (Button) findViewById(R.id.btn_" + name + ");",
        "\t\tbtn_" + name + ".setOnClickListener(new OnClickListener() { ",
        "\t\t\t@Override",
        "\t\t\tpublic void onClick(View arg0) {",
        "\t\t\t\tIntent intent = new Intent(MediaStore.ACTION_IMAGE_CAPTURE); ",
        "\t\t\t\tcarmera_path = HttpUtil.FILE_PATH + \"/carmera_" + name + ".bmp\";",
        "\t\t\t\tFile out = new File(carmera_path); ",
        "\t\t\t\tintent.putExtra(MediaStore.EXTRA_OUTPUT, Uri.fromFile(out)); ",
        "\t\t\t\tstartActivityForResult(intent, REQ_CODE_CAMERA_" + name + ");  ",
        "\t\t\t}",
        "\t\t});",
    });
}

void addDropDownSetUp(TCodeText& code, const TClassModel& cls, const TMemberInfo& member) {
    const QString& name = member.name();
    const QString stem = FormReferenceStem(cls, member);
    code.lines({
        "\t\tspinner_" + name + " = (Spinner) findViewById(R.id.Spinner_" + name + ");",
        "\t\t// 获取所有的" + InJavaComment(member.comment()),
        "\t\ttry {",
        "\t\t\t" + stem + "List = " + stem + "Service.Query" + member.refClass() + "(null);",
        "\t\t} catch (Exception e1) { ",
        "\t\t\te1.printStackTrace(); ",
        "\t\t}",
        "\t\tint " + stem + "Count = " + stem + "List.size();",
        "\t\t" + name + "_ShowText = new String[" + stem + "Count];",
        "\t\tfor(int i=0;i<" + stem + "Count;i++) { ",
        "\t\t\t" + name + "_ShowText[i] = " + stem + "List.get(i)." + member.refShowText() + ";",
        "\t\t}",
    });
    AddDropDownAdapter(code, name, QStringLiteral("图书类别"));
    code.lines({
        "\t\t\t\t" + setterCall(cls, member, member.refKeyValue(stem + "List.get(arg2)")) + " ",
        "\t\t\t}",
        "\t\t\t@Override",
        "\t\t\tpublic void onNothingSelected(AdapterView<?> arg0) {}",
        "\t\t});",
        "\t\t// 设置默认值",
        "\t\tspinner_" + name + ".setVisibility(View.VISIBLE);",
    });
}

void addPhotoSave(TCodeText& code, const TClassModel& cls, const TMemberInfo& member,
                  const QString& activity, PhotoSave photoSave) {
    const QString& name = member.variable;
    code.line(
        photoSave == PhotoSave::UploadOrDefault
            ? QString("\t\t\t\t\tif(" + getterCall(cls, member) + " != null) {")
            : QString("\t\t\t\t\tif (!" + getterCall(cls, member) + ".startsWith(\"upload/\")) {"));
    code.lines({
        "\t\t\t\t\t\t//如果图片地址不为空，说明用户选择了图片，这时需要连接服务器上传图片",
        "\t\t\t\t\t\t" + activity + ".this.setTitle(\"正在上传图片，稍等...\");",
        "\t\t\t\t\t\tString " + name + " = HttpUtil.uploadFile(" + getterCall(cls, member) + ");",
        "\t\t\t\t\t\t" + activity + ".this.setTitle(\"图片上传完毕！\");",
        "\t\t\t\t\t\t" + setterCall(cls, member, name),
    });
    if (photoSave == PhotoSave::UploadOrDefault) {
        code.lines({
            "\t\t\t\t\t} else {",
            "\t\t\t\t\t\t" + setterCall(cls, member, "\"upload/noimage.jpg\""),
            "\t\t\t\t\t}",
        });
    } else {
        code.line("\t\t\t\t\t} ");
    }
}

void addDateSave(TCodeText& code, const TClassModel& cls, const TMemberInfo& member) {
    const QString& name = member.name();
    const QString& date = member.variable;
    code.lines({
        "\t\t\t\t\t/*获取出版日期*/",
        "\t\t\t\t\tDate " + date + " = new Date(dp_" + name + ".getYear()-1900,dp_" + name +
            ".getMonth(),dp_" + name + ".getDayOfMonth());",
        "\t\t\t\t\t" + setterCall(cls, member, "new Timestamp(" + date + ".getTime())"),
    });
}

void addCameraResult(TCodeText& code, const TClassModel& cls, const TMemberInfo& member) {
    const QString& name = member.name();
    code.lines({
        "\t\tif (requestCode == REQ_CODE_CAMERA_" + name +
            "  && resultCode == Activity.RESULT_OK) {",
        "\t\t\tcarmera_path = HttpUtil.FILE_PATH + \"/carmera_" + name + ".bmp\"; ",
        "\t\t\tBitmapFactory.Options opts = new BitmapFactory.Options();",
        "\t\t\topts.inJustDecodeBounds = true;",
        "\t\t\tBitmapFactory.decodeFile(carmera_path, opts); ",
        "\t\t\topts.inSampleSize = photoListActivity.computeSampleSize(opts, -1, 300*300);",
        "\t\t\topts.inJustDecodeBounds = false;",
        "\t\t\ttry {",
        "\t\t\t\tBitmap booImageBm = BitmapFactory.decodeFile(carmera_path, opts);",
        "\t\t\t\tString jpgFileName = \"carmera_" + name + ".jpg\";",
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
        "\t\t\t\tthis.iv_" + name + ".setImageBitmap(booImageBm);",
        "\t\t\t\tthis.iv_" + name + ".setScaleType(ScaleType.FIT_CENTER);",
        "\t\t\t\tthis." + setterCall(cls, member, "jpgFileName"),
        "\t\t\t} catch (OutOfMemoryError err) {  }",
        "\t\t}",
    });
    code.line();
}

void addSelectionResult(TCodeText& code, const TClassModel& cls, const TMemberInfo& member) {
    const QString& name = member.name();
    code.lines({
        "\t\tif(requestCode == REQ_CODE_SELECT_IMAGE_" + name +
            " && resultCode == Activity.RESULT_OK) {",
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
        "\t\t\t\tthis.iv_" + name + ".setImageBitmap(bm); ",
        "\t\t\t\tthis.iv_" + name + ".setScaleType(ScaleType.FIT_CENTER); ",
        "\t\t\t} catch (OutOfMemoryError err) {  } ",
        "\t\t\t" + setterCall(cls, member, "filename") + " ",
        "\t\t}",
    });
}

}  // namespace

QString EditBoxValue(const TMemberInfo& member) {
    const QString text = "ET_" + member.name() + ".getText().toString()";
    switch (member.wireCategory()) {
        case MemberCategory::Integer:
            return "Integer.parseInt(" + text + ")";
        case MemberCategory::Float:
            return "Float.parseFloat(" + text + ")";
        case MemberCategory::Date:
            return "Timestamp.valueOf(" + text + ")";
        default:
            return text;
    }
}

TGeneratedFile ActivityFile(const QString& activity, const TCodeText& code) {
    return TGeneratedFile::Java("activity", activity + ".java", code.text());
}

QString ActivityClassHead(const QString& activity) {
    return "public class " + activity + " extends Activity {";
}

void AddImports(TCodeText& code, const QStringList& qualifiedNames) {
    for (const QString& name : qualifiedNames) {
        code.line("import " + name + ";");
    }
}

void AddOwnImports(TCodeText& code, const TClassModel& cls) {
    AddImports(code, {"com.mobileclient.domain." + cls.className,
                      "com.mobileclient.service." + cls.className + "Service"});
}

void AddReferenceImports(TCodeText& code, const TClassModel& cls) {
    for (const TMemberInfo* member : cls.referenceMembers()) {
        AddImports(code, {"com.mobileclient.domain." + member->refClass(),
                          "com.mobileclient.service." + member->refClass() + "Service"});
    }
}

QString ImageServiceName(const TClassModel& cls, ServiceImports imports) {
    const QString name = QStringLiteral("ImageService");
    bool clashes = cls.className + "Service" == name;
    for (const TMemberInfo* member : cls.referenceMembers()) {
        clashes |=
            imports == ServiceImports::WithReferences && member->refClass() + "Service" == name;
    }
    return clashes ? "com.mobileclient.util." + name : name;
}

QStringList ImageServiceImport(const TClassModel& cls, ServiceImports imports) {
    const QString name = ImageServiceName(cls, imports);
    return name.contains(u'.') ? QStringList() : QStringList{"com.mobileclient.util." + name};
}

QString KeyFieldLine(const TClassModel& cls) {
    return "\tprivate " + KeyType(cls) + " " + cls.keyMember()->variable + ";";
}

QString KeyFromExtrasLine(const TClassModel& cls) {
    const TMemberInfo& key = *cls.keyMember();
    return "\t\t" + key.variable +
           (cls.hasIntegerKey() ? " = extras.getInt(\"" : " = extras.getString(\"") + key.name() +
           "\");";
}

QString KeyAsText(const TClassModel& cls) {
    const QString& key = cls.keyMember()->variable;
    return cls.hasIntegerKey() ? key + "+\"\"" : key;
}

QString ServiceFieldLine(const QString& className, const QString& stem) {
    return "\tprivate " + className + "Service " + stem + "Service = new " + className +
           "Service();";
}

void AddOnCreateStart(TCodeText& code, const TClassModel& cls, const QString& title,
                      const QString& layoutSuffix, const QString& layoutLineEnd) {
    code.lines({
        "\t@Override",
        "\tpublic void onCreate(Bundle savedInstanceState) {",
        "\t\tsuper.onCreate(savedInstanceState);",
        "\t\t// 设置标题",
        "\t\tsetTitle(\"手机客户端-" + title + "\");",
        "\t\t// 设置当前Activity界面布局",
        "\t\tsetContentView(R.layout." + cls.layoutName() + "_" + layoutSuffix + ");" +
            layoutLineEnd,
    });
}

void AddFormMemberFields(TCodeText& code, const TClassModel& cls) {
    int nextRequest = 1;
    for (const TMemberInfo* member : cls.nonKeyMembers()) {
        const QString& name = member->name();
        if (isEditBoxMember(*member)) {
            code.lines({"\t// 声明" + InJavaComment(member->comment()) + "输入框",
                        "\tprivate EditText ET_" + name + ";"});
        } else if (member->category == MemberCategory::Date) {
            code.lines({"\t// 出版" + InJavaComment(member->comment()) + "控件",
                        "\tprivate DatePicker dp_" + name + ";"});
        } else if (member->category == MemberCategory::Image) {
            addImageFields(code, *member, nextRequest);
            nextRequest += 2;
        } else {
            addDropDownFields(code, cls, *member);
        }
    }
}

void AddFormObjectFields(TCodeText& code, const TClassModel& cls) {
    const QString& className = cls.className;
    code.lines({
        "\tprotected String carmera_path;",
        "\t/*要保存的" + InJavaComment(cls.friendName) + "信息*/",
        "\t" + className + " " + cls.objectName() + " = new " + className + "();",
        "\t/*" + InJavaComment(cls.friendName) + "管理业务逻辑层*/",
        ServiceFieldLine(className, cls.objectName()),
    });
    code.line();
}

void AddFormWidgetSetUp(TCodeText& code, const TClassModel& cls, const QString& activity) {
    for (const TMemberInfo* member : cls.nonKeyMembers()) {
        const QString& name = member->name();
        if (isEditBoxMember(*member)) {
            code.line("\t\tET_" + name + " = (EditText) findViewById(R.id.ET_" + name + ");");
        } else if (member->category == MemberCategory::Date) {
            code.line("\t\tdp_" + name + " = (DatePicker)this.findViewById(R.id.dp_" + name + ");");
        } else if (member->category == MemberCategory::Image) {
            addImageSetUp(code, *member, activity);
        } else {
            addDropDownSetUp(code, cls, *member);
        }
    }
}

void AddSaveHandlerStart(TCodeText& code, const TClassModel& cls, const QString& buttonField,
                         const QString& action) {
    code.lines({
        "\t\t/*单击" + action + InJavaComment(cls.friendName) + "按钮*/",
        "\t\t" + buttonField + ".setOnClickListener(new OnClickListener() {",
        "\t\t\tpublic void onClick(View v) {",
        "\t\t\t\ttry {",
    });
}

void AddTextCheck(TCodeText& code, const QString& activity, const TMemberInfo& member,
                  TextCheck kind) {
    const bool isMember = kind == TextCheck::Member;
    const QString field = "ET_" + member.name();
    code.lines({
        "\t\t\t\t\t/*验证获取" + InJavaComment(member.comment()) + "*/" + (isMember ? " " : ""),
        "\t\t\t\t\tif(" + field + ".getText().toString().equals(\"\")) {",
        "\t\t\t\t\t\tToast.makeText(" + activity + ".this, \"" + InJavaString(member.comment()) +
            "输入不能为空!\", Toast.LENGTH_LONG).show();",
        "\t\t\t\t\t\t" + field + ".setFocusable(true);",
        "\t\t\t\t\t\t" + field + ".requestFocus();",
        QStringLiteral("\t\t\t\t\t\treturn;") + (isMember ? "\t" : ""),
        "\t\t\t\t\t}",
    });
}

void AddFormSaveSteps(TCodeText& code, const TClassModel& cls, const QString& activity,
                      PhotoSave photoSave) {
    for (const TMemberInfo* member : cls.nonKeyMembers()) {
        if (isEditBoxMember(*member)) {
            AddTextCheck(code, activity, *member, TextCheck::Member);
            code.line("\t\t\t\t\t" + setterCall(cls, *member, EditBoxValue(*member)));
        } else if (member->category == MemberCategory::Date) {
            addDateSave(code, cls, *member);
        } else if (member->category == MemberCategory::Image) {
            addPhotoSave(code, cls, *member, activity, photoSave);
        }
    }
}

void AddSendAndReturn(TCodeText& code, const TClassModel& cls, const QString& activity,
                      const QString& upload, const QString& operation) {
    const QString friendName = InJavaComment(cls.friendName);
    const QString object = cls.objectName();
    code.lines({
        "\t\t\t\t\t/*调用业务逻辑层上传" + friendName + "信息*/",
        "\t\t\t\t\t" + activity + ".this.setTitle(\"正在" + upload + InJavaString(cls.friendName) +
            "信息，稍等...\");",
        "\t\t\t\t\tString result = " + object + "Service." + operation + cls.className + "(" +
            object + ");",
        "\t\t\t\t\tToast.makeText(getApplicationContext(), result, 1).show(); ",
        "\t\t\t\t\t/*操作完成后返回到" + friendName + "管理界面*/ ",
        "\t\t\t\t\tIntent intent = new Intent();",
        "\t\t\t\t\tintent.setClass(" + activity + ".this, " + cls.className +
            "ListActivity.class);",
        "\t\t\t\t\tstartActivity(intent); ",
        "\t\t\t\t\t" + activity + ".this.finish();",
        "\t\t\t\t} catch (Exception e) {}",
        "\t\t\t}",
        "\t\t});",
        "\t}",
    });
    code.line();
}

void AddPhotoResults(TCodeText& code, const TClassModel& cls) {
    code.lines({
        "\t@Override",
        "\tprotected void onActivityResult(int requestCode, int resultCode, Intent data) {",
        "\t\tsuper.onActivityResult(requestCode, resultCode, data);",
    });
    for (const TMemberInfo* member : formImageMembers(cls)) {
        addCameraResult(code, cls, *member);
        addSelectionResult(code, cls, *member);
    }
    code.lines({"\t}", "}"});
}

void AddStoredPhotoBlock(TCodeText& code, const TClassModel& cls, const TMemberInfo& member,
                         const QString& decodeSeparator) {
    const QString& name = member.variable;
    code.lines({
        "\t\tbyte[] " + name + "_data = null;",
        "\t\ttry {",
        "\t\t\t// 获取图片数据",
        "\t\t\t" + name + "_data = " + ImageServiceName(cls, ServiceImports::WithReferences) +
            ".getImage(HttpUtil.BASE_URL + " + getterCall(cls, member) + ");",
        "\t\t\tBitmap " + name + " = BitmapFactory.decodeByteArray(" + name + "_data, 0," +
            decodeSeparator + name + "_data.length);",
        "\t\t\tthis.iv_" + member.name() + ".setImageBitmap(" + name + ");",
        "\t\t} catch (Exception e) {",
        "\t\t\te.printStackTrace();",
        "\t\t}",
    });
}

QString KeyType(const TClassModel& cls) {
    return cls.hasIntegerKey() ? QStringLiteral("int") : QStringLiteral("String");
}

QString KeyFromRow(const TClassModel& cls, const QString& row) {
    const QString text = row + ".get(\"" + cls.keyMember()->name() + "\").toString()";
    return cls.hasIntegerKey() ? "Integer.parseInt(" + text + ")" : text;
}

QString PutKeyInBundle(const TClassModel& cls) {
    const TMemberInfo& key = *cls.keyMember();
    const QString put = cls.hasIntegerKey() ? "putInt" : "putString";
    return "bundle." + put + "(\"" + key.name() + "\", " + key.variable + ");";
}

void AddReferenceLookup(TCodeText& code, const TClassModel& cls, const TMemberInfo& member) {
    const QString object = ReferenceStem(cls, member);
    code.line("\t\t" + member.refClass() + " " + object + " = " + object + "Service.Get" +
              member.refClass() + "(" + getterCall(cls, member) + ");");
    code.line("\t\tthis.TV_" + member.name() + ".setText(" + object + "." + member.refShowText() +
              ");");
}

void AddDateText(TCodeText& code, const TClassModel& cls, const TMemberInfo& member) {
    const QString& name = member.variable;
    code.lines({
        "\t\tDate " + name + " = new Date(" + getterCall(cls, member) + ".getTime());",
        "\t\tString " + name + "Str = (" + name + ".getYear() + 1900) + \"-\" + (" + name +
            ".getMonth()+1) + \"-\" + " + name + ".getDate();",
        "\t\tthis.TV_" + member.name() + ".setText(" + name + "Str);",
    });
}

void AddThumbnail(TCodeText& code, const TClassModel& cls, const TMemberInfo& member) {
    const QString& name = member.variable;
    const QString data = name + "_data";
    const QString opts = name + "_opts";
    code.lines({
        "\t\t\t\tbyte[] " + data + " = " + ImageServiceName(cls, ServiceImports::Own) +
            ".getImage(HttpUtil.BASE_URL+ " + cls.objectName() + "List.get(i).get" + member.stem() +
            "());// 获取图片数据",
        "\t\t\t\tBitmapFactory.Options " + opts + " = new BitmapFactory.Options();  ",
        "\t\t\t\t" + opts + ".inJustDecodeBounds = true;  ",
        "\t\t\t\tBitmapFactory.decodeByteArray(" + data + ", 0, " + data + ".length, " + opts +
            "); ",
        "\t\t\t\t" + opts + ".inSampleSize = photoListActivity.computeSampleSize(" + opts +
            ", -1, 100*100); ",
        "\t\t\t\t" + opts + ".inJustDecodeBounds = false; ",
        "\t\t\t\ttry {",
        "\t\t\t\t\tBitmap " + name + " = BitmapFactory.decodeByteArray(" + data + ", 0, " + data +
            ".length, " + opts + ");",
        "\t\t\t\t\tmap.put(\"" + member.name() + "\", " + name + ");",
        "\t\t\t\t} catch (OutOfMemoryError err) { }",
    });
}

void AddDropDownAdapter(TCodeText& code, const QString& name, const QString& styleSubject) {
    code.lines({
        "\t\t// 将可选内容与ArrayAdapter连接起来",
        "\t\t" + name +
            "_adapter = new ArrayAdapter<String>(this,android.R.layout.simple_spinner_item, " +
            name + "_ShowText);",
        "\t\t// 设置" + styleSubject + "下拉列表的风格",
        "\t\t" + name +
            "_adapter.setDropDownViewResource(android.R.layout.simple_spinner_dropdown_item);",
        "\t\t// 将adapter 添加到spinner中",
        "\t\tspinner_" + name + ".setAdapter(" + name + "_adapter);",
        "\t\t// 添加事件Spinner事件监听",
        "\t\tspinner_" + name + ".setOnItemSelectedListener(new OnItemSelectedListener() {",
        "\t\t\t@Override",
        "\t\t\tpublic void onItemSelected(AdapterView<?> arg0, View arg1,int arg2, long arg3) {",
    });
}

void AddDropDownFields(TCodeText& code, const TMemberInfo& member, const QString& stem,
                       const QString& listLineEnd, const QString& serviceComment) {
    const QString& name = member.name();
    code.lines({
        "\t// 声明" + InJavaComment(member.comment()) + "下拉框",
        "\tprivate Spinner spinner_" + name + ";",
        "\tprivate ArrayAdapter<String> " + name + "_adapter;",
        "\tprivate static  String[] " + name + "_ShowText  = null;",
        "\tprivate List<" + member.refClass() + "> " + stem + "List = null" + listLineEnd,
        "\t/*" + serviceComment + "管理业务逻辑层*/",
        ServiceFieldLine(member.refClass(), stem),
    });
}

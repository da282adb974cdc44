#include "generators/ScreenParts.h"

#include <QHash>
#include <QSet>

namespace {

// *cls* + ".get" + *Name* + "()"
QString getterCall(const TClassModel& cls, const TMemberInfo& member) {
    return cls.objectName() + ".get" + member.stem() + "()";
}

// The stems of all reference members of the class: first every member whose referenced class's
// object name is still free takes it, in member order; then the others take their own names.
QHash<const TMemberInfo*, QString> referenceStems(const TClassModel& cls) {
    QHash<const TMemberInfo*, QString> stems;
    QSet<QString> taken{cls.objectName()};
    QList<const TMemberInfo*> renamed;
    for (const TMemberInfo* member : cls.referenceMembers()) {
        if (taken.contains(member->refObject())) {
            renamed.append(member);
        } else {
            taken.insert(member->refObject());
            stems.insert(member, member->refObject());
        }
    }
    for (const TMemberInfo* member : renamed) {
        QString stem = member->name();
        for (int suffix = 2; taken.contains(stem); ++suffix) {
            stem = member->name() + QString::number(suffix);
        }
        taken.insert(stem);
        stems.insert(member, stem);
    }
    return stems;
}

}  // namespace

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

QString KeyType(const TClassModel& cls) {
    return cls.hasIntegerKey() ? QStringLiteral("int") : QStringLiteral("String");
}

QString KeyFieldLine(const TClassModel& cls) {
    return "\tprivate " + KeyType(cls) + " " + cls.keyMember()->name() + ";";
}

QString KeyFromExtrasLine(const TClassModel& cls) {
    const QString& key = cls.keyMember()->name();
    const QString getter = cls.hasIntegerKey() ? "getInt" : "getString";
    return "\t\t" + key + " = extras." + getter + "(\"" + key + "\");";
}

QString KeyFromRow(const TClassModel& cls, const QString& row) {
    const QString text = row + ".get(\"" + cls.keyMember()->name() + "\").toString()";
    return cls.hasIntegerKey() ? "Integer.parseInt(" + text + ")" : text;
}

QString PutKeyInBundle(const TClassModel& cls) {
    const QString& key = cls.keyMember()->name();
    const QString put = cls.hasIntegerKey() ? "putInt" : "putString";
    return "bundle." + put + "(\"" + key + "\", " + key + ");";
}

QString ReferenceStem(const TClassModel& cls, const TMemberInfo& reference) {
    return referenceStems(cls).value(&reference, reference.refObject());
}

QString ServiceFieldLine(const QString& className, const QString& stem) {
    return "\tprivate " + className + "Service " + stem + "Service = new " + className +
           "Service();";
}

void AddReferenceLookup(TCodeText& code, const TClassModel& cls, const TMemberInfo& member) {
    const QString object = ReferenceStem(cls, member);
    code.line("\t\t" + member.refClass() + " " + object + " = " + object + "Service.Get" +
              member.refClass() + "(" + getterCall(cls, member) + ");");
    code.line("\t\tthis.TV_" + member.name() + ".setText(" + object + ".get" + member.refShow() +
              "());");
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

void AddDateText(TCodeText& code, const TClassModel& cls, const TMemberInfo& member) {
    const QString& name = member.name();
    code.lines({
        "\t\tDate " + name + " = new Date(" + getterCall(cls, member) + ".getTime());",
        "\t\tString " + name + "Str = (" + name + ".getYear() + 1900) + \"-\" + (" + name +
            ".getMonth()+1) + \"-\" + " + name + ".getDate();",
        "\t\tthis.TV_" + name + ".setText(" + name + "Str);",
    });
}

void AddStoredPhotoBlock(TCodeText& code, const TClassModel& cls, const TMemberInfo& member,
                         const QString& decodeSeparator) {
    const QString& name = member.name();
    code.lines({
        "\t\tbyte[] " + name + "_data = null;",
        "\t\ttry {",
        "\t\t\t// 获取图片数据",
        "\t\t\t" + name + "_data = ImageService.getImage(HttpUtil.BASE_URL + " +
            getterCall(cls, member) + ");",
        "\t\t\tBitmap " + name + " = BitmapFactory.decodeByteArray(" + name + "_data, 0," +
            decodeSeparator + name + "_data.length);",
        "\t\t\tthis.iv_" + name + ".setImageBitmap(" + name + ");",
        "\t\t} catch (Exception e) {",
        "\t\t\te.printStackTrace();",
        "\t\t}",
    });
}

void AddThumbnail(TCodeText& code, const TClassModel& cls, const TMemberInfo& member) {
    const QString& name = member.name();
    const QString data = name + "_data";
    const QString opts = name + "_opts";
    code.lines({
        "\t\t\t\tbyte[] " + data + " = ImageService.getImage(HttpUtil.BASE_URL+ " +
            cls.objectName() + "List.get(i).get" + member.stem() + "());// 获取图片数据",
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
        "\t\t\t\t\tmap.put(\"" + name + "\", " + name + ");",
        "\t\t\t\t} catch (OutOfMemoryError err) { }",
    });
}

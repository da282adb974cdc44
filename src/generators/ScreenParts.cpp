#include "generators/ScreenParts.h"

void AppendDomainAndServiceImports(TCodeText& code, const QString& className) {
    code.line("import com.mobileclient.domain." + className + ";");
    code.line("import com.mobileclient.service." + className + "Service;");
}

void AppendReferenceImports(TCodeText& code, const TClassModel& cls) {
    for (const TMemberInfo* member : cls.referenceMembers()) {
        AppendDomainAndServiceImports(code, member->refClass());
    }
}

QString KeyType(const TClassModel& cls) {
    return cls.hasIntegerKey() ? QStringLiteral("int") : QStringLiteral("String");
}

QString PrivateKeyField(const TClassModel& cls) {
    return "\tprivate " + KeyType(cls) + " " + cls.keyMember()->name() + ";";
}

QString KeyFromExtras(const TClassModel& cls) {
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

TReferenceNames::TReferenceNames(const QList<const TMemberInfo*>& references, QSet<QString> taken) {
    for (const TMemberInfo* member : references) {
        QString name = member->refObject();
        if (taken.contains(name)) {
            name += member->stem();
        }
        const QString base = name;
        for (int suffix = 2; taken.contains(name); ++suffix) {
            name = base + QString::number(suffix);
        }
        taken.insert(name);
        names_.insert(member, name);
    }
}

QString ReferenceServiceField(const TMemberInfo& member, const TReferenceNames& names) {
    const QString service = member.refClass() + "Service";
    return "\tprivate " + service + " " + names.service(member) + " = new " + service + "();";
}

void AppendReferenceLookup(TCodeText& code, const TClassModel& cls, const TMemberInfo& member,
                           const TReferenceNames& names) {
    const QString object = names.object(member);
    code.line("\t\t" + member.refClass() + " " + object + " = " + names.service(member) + ".Get" +
              member.refClass() + "(" + cls.objectName() + ".get" + member.stem() + "());");
    code.line("\t\tthis.TV_" + member.name() + ".setText(" + object + ".get" + member.refShow() +
              "());");
}

QString StoredDateLine(const TClassModel& cls, const TMemberInfo& member) {
    return "\t\tDate " + member.name() + " = new Date(" + cls.objectName() + ".get" +
           member.stem() + "().getTime());";
}

void AppendDateText(TCodeText& code, const TClassModel& cls, const TMemberInfo& member) {
    const QString& name = member.name();
    code.line(StoredDateLine(cls, member));
    code.line("\t\tString " + name + "Str = (" + name + ".getYear() + 1900) + \"-\" + (" + name +
              ".getMonth()+1) + \"-\" + " + name + ".getDate();");
    code.line("\t\tthis.TV_" + name + ".setText(" + name + "Str);");
}

void AppendPictureDownload(TCodeText& code, const TClassModel& cls, const TMemberInfo& member,
                           const QString& afterOffset) {
    const QString& name = member.name();
    code.lines({
        "\t\tbyte[] " + name + "_data = null;",
        "\t\ttry {",
        "\t\t\t// 获取图片数据",
        "\t\t\t" + name + "_data = ImageService.getImage(HttpUtil.BASE_URL + " + cls.objectName() +
            ".get" + member.stem() + "());",
        "\t\t\tBitmap " + name + " = BitmapFactory.decodeByteArray(" + name + "_data, 0," +
            afterOffset + name + "_data.length);",
        "\t\t\tthis.iv_" + name + ".setImageBitmap(" + name + ");",
        "\t\t} catch (Exception e) {",
        "\t\t\te.printStackTrace();",
        "\t\t}",
    });
}

void AppendThumbnail(TCodeText& code, const TClassModel& cls, const TMemberInfo& member) {
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

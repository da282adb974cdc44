#include "store/ModelFile.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QSet>
#include <cmath>
#include <limits>
#include <optional>

#include "common/Error.h"
#include "store/ClassDAO.h"
#include "store/MemberDAO.h"
#include "store/MemberType.h"
#include "store/ProjectDAO.h"

namespace {

// One member field of the file: a text, a number or a flag (true exactly when the store holds
// 1, as every reader of the store takes a flag).
struct MemberField {
    const char* key;
    QString TMember::*text = nullptr;
    qint32 TMember::*number = nullptr;
    bool flag = false;
};

// The order of the keys on a member's line; the comment comes last, so the flags line up.
const MemberField kMemberFields[] = {
    {"name", &TMember::memberName},
    {"type", &TMember::memberType},
    {"length", nullptr, &TMember::memberLength},
    {"key", nullptr, &TMember::memberIsPri, true},
    {"required", nullptr, &TMember::memberIsMust, true},
    {"integer", nullptr, &TMember::memberIsInteger, true},
    {"float", nullptr, &TMember::memberIsFloat, true},
    {"query", nullptr, &TMember::queryFlag, true},
    {"dropDown", nullptr, &TMember::memberIsDisplay, true},
    {"queryScreen", nullptr, &TMember::memberQueryDisplay, true},
    {"phoneList", nullptr, &TMember::androidDisplay, true},
    {"comment", &TMember::memberComment},
};

const QStringList kProjectKeys = {"formatVersion", "project", "classes"};
const QStringList kClassKeys = {"name", "friendName", "frontShow", "members"};
const QStringList kMemberKeys = [] {
    QStringList keys;
    for (const MemberField& field : kMemberFields) {
        keys.append(QLatin1String(field.key));
    }
    return keys;
}();

QString projectExistsText(const QString& projectName) {
    return QStringLiteral("已有名为\"%1\"的项目，未做任何改动(替换它的类和成员: --replace)")
        .arg(projectName);
}

QString ambiguousProjectText(const QString& projectName, qsizetype count) {
    return QStringLiteral("有%1个项目名为\"%2\"，无法确定替换哪一个，未做任何改动")
        .arg(count)
        .arg(projectName);
}

QByteArray jsonText(const QJsonValue& value) {
    const QByteArray wrapped = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    return wrapped.mid(1, wrapped.size() - 2);
}

QByteArray flagText(qint32 flag) {
    return flag == 1 ? "true" : "false";
}

QByteArray memberLine(const TMember& member) {
    QByteArrayList fields;
    for (const MemberField& field : kMemberFields) {
        const QByteArray value = field.text   ? jsonText(member.*field.text)
                                 : field.flag ? flagText(member.*field.number)
                                              : QByteArray::number(member.*field.number);
        fields.append('"' + QByteArray(field.key) + "\": " + value);
    }
    return '{' + fields.join(", ") + '}';
}

// The items of a list, each on its own lines one step in from the list's indentation.
QByteArray listText(const QByteArrayList& items, const QByteArray& indent) {
    if (items.isEmpty()) {
        return "[]";
    }
    return "[\n" + indent + "  " + items.join(",\n" + indent + "  ") + '\n' + indent + ']';
}

// An object's fields, one per line one step in from the object's indentation.
QByteArray objectText(const QList<std::pair<const char*, QByteArray>>& fields,
                      const QByteArray& indent) {
    QByteArrayList lines;
    for (const auto& [key, value] : fields) {
        lines.append(indent + "  \"" + key + "\": " + value);
    }
    return "{\n" + lines.join(",\n") + '\n' + indent + '}';
}

QByteArray classText(const TClassContents& cls) {
    QByteArrayList members;
    for (const TMember& member : cls.members) {
        members.append(memberLine(member));
    }
    return objectText({{"name", jsonText(cls.className)},
                       {"friendName", jsonText(cls.friendName)},
                       {"frontShow", flagText(cls.frontShowFlag)},
                       {"members", listText(members, "      ")}},
                      "    ");
}

// The value as it stands in the file, shortened for a message.
QString shownValue(const QJsonValue& value) {
    const QString text = QString::fromUtf8(jsonText(value));
    return text.size() > 40 ? text.left(37) + QStringLiteral("...") : text;
}

// Reads the fields of one JSON object; every error names the object's place in the file.
class FieldReader {
  public:
    FieldReader(const QJsonValue& value, const QString& place)
        : object_(value.toObject()), place_(place) {
        if (!value.isObject()) {
            fail(QStringLiteral("应为JSON对象，而不是%1").arg(shownValue(value)));
        }
    }

    // A misspelt key would otherwise be dropped without a word.
    void rejectOtherKeys(const QStringList& keys) const {
        for (const QString& key : object_.keys()) {
            if (!keys.contains(key)) {
                fail(QStringLiteral("未知字段\"%1\"").arg(key));
            }
        }
    }

    QString text(const QString& key) const {
        return typed(key, &QJsonValue::isString, QStringLiteral("文本")).toString();
    }
    qint32 flag(const QString& key) const {
        return typed(key, &QJsonValue::isBool, QStringLiteral("true或false")).toBool() ? 1 : 0;
    }
    qint32 count(const QString& key) const {
        const QJsonValue value = field(key);
        const double number = value.toDouble(-1);
        if (!value.isDouble() || number < 0 || number > std::numeric_limits<qint32>::max() ||
            number != std::trunc(number)) {
            wrong(key, value, QStringLiteral("不小于0的整数"));
        }
        return static_cast<qint32>(number);
    }
    QJsonArray list(const QString& key) const {
        return typed(key, &QJsonValue::isArray, QStringLiteral("JSON数组")).toArray();
    }
    // The field's value when it is of the kind the test asks for.
    QJsonValue typed(const QString& key, bool (QJsonValue::*is)() const,
                     const QString& expected) const {
        const QJsonValue value = field(key);
        if (!(value.*is)()) {
            wrong(key, value, expected);
        }
        return value;
    }
    QJsonValue field(const QString& key) const {
        if (!object_.contains(key)) {
            fail(QStringLiteral("缺少字段\"%1\"").arg(key));
        }
        return object_.value(key);
    }
    [[noreturn]] void wrong(const QString& key, const QJsonValue& value,
                            const QString& expected) const {
        fail(QStringLiteral("字段\"%1\"的值%2不对，应为%3").arg(key, shownValue(value), expected));
    }
    [[noreturn]] void fail(const QString& problem) const {
        throw TError(place_ + QStringLiteral(": ") + problem);
    }

  private:
    QJsonObject object_;
    QString place_;
};

// "第2个类"Book"": the item's position and, when it has one, its name.
QString placeOf(const QString& what, qsizetype index, const QJsonValue& item) {
    const QJsonValue name = item.toObject().value(QLatin1String("name"));
    const QString place = QStringLiteral("第%1个%2").arg(index + 1).arg(what);
    return name.isString() ? place + QStringLiteral("\"%1\"").arg(name.toString()) : place;
}

// A derived flag must say what the type says, or the generators would contradict themselves.
void checkDerivedFlag(const FieldReader& reader, const TMember& member, const QString& key,
                      qint32 flag, const QString& type) {
    const qint32 expected = member.memberType == type ? 1 : 0;
    if (flag != expected) {
        reader.fail(QStringLiteral("字段\"%1\"的值%2不对，成员类型为\"%3\"时应为%4")
                        .arg(key, QString::fromLatin1(flagText(flag)), member.memberType,
                             QString::fromLatin1(flagText(expected))));
    }
}

TMember readMember(const QJsonValue& item, const QString& place) {
    const FieldReader reader(item, place);
    reader.rejectOtherKeys(kMemberKeys);
    TMember member;
    for (const MemberField& field : kMemberFields) {
        const QString key = QLatin1String(field.key);
        if (field.text) {
            member.*field.text = reader.text(key);
        } else {
            member.*field.number = field.flag ? reader.flag(key) : reader.count(key);
        }
    }
    checkDerivedFlag(reader, member, "integer", member.memberIsInteger, kTypeInteger);
    checkDerivedFlag(reader, member, "float", member.memberIsFloat, kTypeFloat);
    return member;
}

TClassContents readClass(const QJsonValue& item, const QString& place, qint32 classId,
                         qint32* memberId) {
    const FieldReader reader(item, place);
    reader.rejectOtherKeys(kClassKeys);
    TClassContents cls;
    cls.classId = classId;
    cls.className = reader.text("name");
    cls.friendName = reader.text("friendName");
    cls.frontShowFlag = reader.flag("frontShow");
    const QJsonArray members = reader.list("members");
    for (qsizetype i = 0; i < members.size(); ++i) {
        TMember member =
            readMember(members[i], place + QStringLiteral("的") + placeOf("成员", i, members[i]));
        member.memberId = ++*memberId;
        member.classId = classId;
        cls.members.append(member);
    }
    return cls;
}

void checkFormatVersion(const FieldReader& reader) {
    const QJsonValue version = reader.field("formatVersion");
    if (version.isDouble() && version.toDouble() > kModelFormatVersion) {
        throw TError(QStringLiteral("格式版本为%1，本程序只能读取到版本%2，请使用更新的Quillmere")
                         .arg(shownValue(version))
                         .arg(kModelFormatVersion));
    }
    if (reader.count("formatVersion") < 1) {
        reader.wrong("formatVersion", version, QString::number(kModelFormatVersion));
    }
}

// Every member type is a built-in type or the name of a class of the file.
void checkMemberTypes(const TProjectContents& project) {
    QSet<QString> classNames;
    for (const TClassContents& cls : project.classes) {
        classNames.insert(cls.className);
    }
    for (qsizetype c = 0; c < project.classes.size(); ++c) {
        const TClassContents& cls = project.classes[c];
        for (qsizetype m = 0; m < cls.members.size(); ++m) {
            const TMember& member = cls.members[m];
            if (CategoryOfType(member.memberType) == MemberCategory::Reference &&
                !classNames.contains(member.memberType)) {
                throw TError(QStringLiteral("第%1个类\"%2\"的第%3个成员\"%4\": 未知的成员类型\"%5\""
                                            "(既不是字符串、整型、浮点型、日期型、图片型，"
                                            "也不是本项目的类)")
                                 .arg(c + 1)
                                 .arg(cls.className)
                                 .arg(m + 1)
                                 .arg(member.memberName, member.memberType));
            }
        }
    }
}

// "第3行第5列": the place of a byte offset, the column counted in characters.
QString placeInText(const QByteArray& text, qsizetype offset) {
    const QByteArray before = text.left(offset);
    const qsizetype lineStart = before.lastIndexOf('\n') + 1;
    return QStringLiteral("第%1行第%2列")
        .arg(before.count('\n') + 1)
        .arg(QString::fromUtf8(before.mid(lineStart)).size() + 1);
}

QString parseErrorText(const QByteArray& text, const QJsonParseError& error) {
    return QStringLiteral("不是合法的JSON: %1: %2")
        .arg(placeInText(text, error.offset), error.errorString());
}

// The JSON string starting at `start` (a quote) as its text, and where it ends.
QString jsonString(const QByteArray& text, qsizetype start, qsizetype* end) {
    qsizetype i = start + 1;
    while (text[i] != '"') {
        i += text[i] == '\\' ? 2 : 1;
    }
    *end = i + 1;
    const QByteArray raw = text.mid(start, *end - start);
    return raw.contains('\\') ? QJsonDocument::fromJson('[' + raw + ']').array().at(0).toString()
                              : QString::fromUtf8(raw.mid(1, raw.size() - 2));
}

// A key given twice in one object: the parser keeps the last value, so the file would not say
// what it seems to. The text is well-formed JSON already.
void checkNoRepeatedKeys(const QByteArray& text) {
    QList<std::optional<QSet<QString>>> open;  // an object's keys so far; nothing for an array
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '{' || c == '[') {
            open.append(c == '{' ? std::optional<QSet<QString>>(QSet<QString>()) : std::nullopt);
        } else if (c == '}' || c == ']') {
            open.removeLast();
        } else if (c == '"') {
            qsizetype end = 0;
            const QString string = jsonString(text, i, &end);
            qsizetype next = end;
            while (next < text.size() && QByteArray(" \t\r\n").contains(text[next])) {
                ++next;
            }
            const bool isKey = next < text.size() && text[next] == ':' && open.last();
            if (isKey && !open.last()->contains(string)) {
                open.last()->insert(string);
            } else if (isKey) {
                throw TError(QStringLiteral("%1: 字段\"%2\"在同一对象中出现了两次")
                                 .arg(placeInText(text, i), string));
            }
            i = end - 1;
        }
    }
}

}  // namespace

QByteArray ModelFileText(const TProjectContents& project) {
    QByteArrayList classes;
    for (const TClassContents& cls : project.classes) {
        classes.append(classText(cls));
    }
    return objectText({{"formatVersion", QByteArray::number(kModelFormatVersion)},
                       {"project", jsonText(project.projectName)},
                       {"classes", listText(classes, "  ")}},
                      "") +
           '\n';
}

TProjectContents ParseModelFile(const QByteArray& text) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(text, &error);
    if (error.error != QJsonParseError::NoError) {
        throw TError(parseErrorText(text, error));
    }
    checkNoRepeatedKeys(text);
    const QJsonValue root =
        document.isObject() ? QJsonValue(document.object()) : QJsonValue(document.array());
    const FieldReader reader(root, QStringLiteral("文件顶层"));
    checkFormatVersion(reader);
    reader.rejectOtherKeys(kProjectKeys);
    TProjectContents project;
    project.projectName = reader.text("project");
    if (project.projectName.isEmpty()) {
        reader.wrong("project", project.projectName, QStringLiteral("项目名称(不能为空)"));
    }
    const QJsonArray classes = reader.list("classes");
    qint32 memberId = 0;
    for (qsizetype i = 0; i < classes.size(); ++i) {
        project.classes.append(readClass(classes[i], placeOf("类", i, classes[i]),
                                         static_cast<qint32>(i) + 1, &memberId));
    }
    checkMemberTypes(project);
    return project;
}

TProjectContents ReadModelFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw TError(QStringLiteral("无法读取模型文件%1: %2").arg(path, file.errorString()));
    }
    try {
        return ParseModelFile(file.readAll());
    } catch (const TError& error) {
        throw TError(QStringLiteral("模型文件%1: %2").arg(path, error.message()));
    }
}

void WriteModelFile(const TProjectContents& project, const QString& path) {
    QSaveFile file(path);
    const QByteArray text = ModelFileText(project);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit()) {
        throw TError(QStringLiteral("无法写入模型文件%1: %2").arg(path, file.errorString()));
    }
}

TImportResult ImportProjectModel(const TProjectContents& project, bool replace) {
    TImportResult result;
    TDbHelper().WriteConsistently([&] {
        const TProjectDAO projects;
        const TClassDAO classes;
        const QList<qint32> ids = projects.FindProjectsByName(project.projectName);
        if (ids.size() > 1) {
            throw TError(ambiguousProjectText(project.projectName, ids.size()));
        }
        result.replaced = !ids.isEmpty();
        if (result.replaced && !replace) {
            throw TError(projectExistsText(project.projectName));
        }
        if (result.replaced) {
            result.projectId = ids.first();
            classes.DeleteProjectClasses(result.projectId);
        } else {
            result.projectId = projects.AddProject(project.projectName);
        }
        for (const TClassContents& cls : project.classes) {
            const qint32 classId = classes.AddClass(result.projectId, cls.className, cls.friendName,
                                                    cls.frontShowFlag);
            for (TMember row : cls.members) {
                row.projectId = result.projectId;
                row.classId = classId;
                TMemberDAO().AddMember(row);
            }
        }
    });
    return result;
}

QString ModelImportedText(const TProjectContents& project, const TImportResult& result) {
    qsizetype members = 0;
    for (const TClassContents& cls : project.classes) {
        members += cls.members.size();
    }
    return QStringLiteral("%1项目\"%2\": %3个类，%4个成员")
        .arg(result.replaced ? QStringLiteral("已替换") : QStringLiteral("已导入"),
             project.projectName)
        .arg(project.classes.size())
        .arg(members);
}

QString ModelExportedText(const QString& projectName, const QString& path) {
    return QStringLiteral("项目\"%1\"的模型已导出到%2").arg(projectName, path);
}

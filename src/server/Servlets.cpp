#include "server/Servlets.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QStringDecoder>

#include "common/Error.h"
#include "server/ServerData.h"

namespace {

using Row = TServerData::Row;

[[noreturn]] void refuse(int status, const QString& message) {
    throw TRequestError{status, message};
}

// The member as users know it: its comment, or its name when it has none.
QString label(const TMemberInfo& member) {
    return member.comment().isEmpty() ? member.name() : member.comment();
}

// Characters that XML 1.0 cannot carry at all, not even as a reference.
bool isTransmittable(QChar c) {
    const char16_t u = c.unicode();
    return u >= 0x20 ? u != 0xFFFE && u != 0xFFFF : (u == '\t' || u == '\n' || u == '\r');
}

// What a text parameter may hold: no C0 controls but tab, CR and LF, no DEL, no C1 controls.
bool isAcceptedInText(QChar c) {
    const char16_t u = c.unicode();
    return isTransmittable(c) && !(u >= 0x7F && u <= 0x9F);
}

QString checkedText(const TMemberInfo& member, const QString& text) {
    if (!std::all_of(text.begin(), text.end(), isAcceptedInText)) {
        refuse(400, QStringLiteral("参数%1含有无法传送的控制字符").arg(member.name()));
    }
    return text;
}

// A parameter's text as the value the member stores.
QVariant parseValue(const TMemberInfo& member, const QString& text) {
    const TMemberTypeInfo& type = MemberTypeOf(member.wireCategory());
    if (!type.parse) {
        return checkedText(member, text);
    }
    if (const auto value = type.parse(text)) {
        return *value;
    }
    refuse(400, QStringLiteral("参数%1应为%2，收到\"%3\"").arg(member.name(), type.expected, text));
}

QString required(const TForm& form, const QString& name) {
    const auto value = form.find(name);
    if (value == form.end()) {
        refuse(400, QStringLiteral("缺少参数%1").arg(name));
    }
    return *value;
}

QVariant keyFromForm(const TClassModel& cls, const TForm& form) {
    const TMemberInfo& key = *cls.keyMember();
    const QVariant value = parseValue(key, required(form, key.name()));
    if (!cls.hasIntegerKey() && value.toString().trimmed().isEmpty()) {
        refuse(400, QStringLiteral("%1不能为空").arg(label(key)));
    }
    return value;
}

// Every member's value; an integer key is left null on add (the server assigns it).
Row rowFromForm(const TClassModel& cls, const TForm& form, bool keyAssigned) {
    Row row;
    for (const TMemberInfo& member : cls.members) {
        if (member.isKey()) {
            row.append(keyAssigned ? QVariant() : keyFromForm(cls, form));
        } else {
            row.append(parseValue(member, required(form, member.name())));
        }
    }
    return row;
}

qsizetype keyIndex(const TClassModel& cls) {
    return cls.keyMember() - cls.members.constData();
}

QString missingObject(const TClassModel& cls, const QVariant& key) {
    return QStringLiteral("没有%1为\"%2\"的%3")
        .arg(label(*cls.keyMember()), key.toString(), cls.friendName);
}

QVariant wireValue(const TMemberInfo& member, const QVariant& stored) {
    return MemberTypeOf(member.wireCategory()).wireValue(stored);
}

}  // namespace

QString WireText(const TMemberInfo& member, const QVariant& stored) {
    const QVariant value = wireValue(member, stored);
    return value.typeId() == QMetaType::Double
               ? QString::number(value.toDouble(), 'g', QLocale::FloatingPointShortest)
               : value.toString();
}

namespace {

// A raw CR would reach the client as LF; characters XML cannot carry are left out.
QString escapedXml(QString text) {
    text.removeIf([](QChar c) { return !isTransmittable(c); });
    return text.toHtmlEscaped().replace(QLatin1Char('\r'), QStringLiteral("&#13;"));
}

// The list handler's format: one element per object, named by the class, with one child per
// member. The root is named so that it can never be taken for an object.
QByteArray xmlList(const TClassModel& cls, const QList<Row>& rows) {
    QString xml = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<") + cls.className +
                  QStringLiteral("List>\n");
    for (const Row& row : rows) {
        xml += '<' + cls.className + '>';
        for (qsizetype i = 0; i < cls.members.size(); ++i) {
            const QString& name = cls.members[i].name();
            xml +=
                '<' + name + '>' + escapedXml(WireText(cls.members[i], row[i])) + "</" + name + '>';
        }
        xml += "</" + cls.className + ">\n";
    }
    xml += "</" + cls.className + "List>\n";
    return xml.toUtf8();
}

QByteArray jsonArray(const TClassModel& cls, const QList<Row>& rows) {
    QJsonArray array;
    for (const Row& row : rows) {
        QJsonObject object;
        for (qsizetype i = 0; i < cls.members.size(); ++i) {
            object.insert(cls.members[i].name(),
                          QJsonValue::fromVariant(wireValue(cls.members[i], row[i])));
        }
        array.append(object);
    }
    return QJsonDocument(array).toJson(QJsonDocument::Compact);
}

// A query member's condition; absent when the parameter is missing or holds the value the
// query screen sends for "no condition" (an empty text, 0).
std::optional<TServerData::Condition> conditionOf(const TMemberInfo& member, const TForm& form) {
    const auto text = form.find(member.name());
    if (text == form.end() || text->isEmpty()) {
        return std::nullopt;
    }
    const QVariant value = parseValue(member, *text);
    const TMemberTypeInfo& type = MemberTypeOf(member.wireCategory());
    if (type.isNumber && value.typeId() != QMetaType::QString && value.toDouble() == 0) {
        return std::nullopt;
    }
    if (type.wire == MemberCategory::String && value.toString().isEmpty()) {
        return std::nullopt;
    }
    switch (member.isReference() ? QueryMatch::Equals : type.queryMatch) {
        case QueryMatch::SameDay:
            return TServerData::Condition{&member, TServerData::Condition::SameDay, value};
        case QueryMatch::Equals:
            return TServerData::Condition{&member, TServerData::Condition::Equals, value};
        default:
            return TServerData::Condition{&member, TServerData::Condition::ContainsText, value};
    }
}

}  // namespace

bool IsNoObject(const QVariant& reference) {
    return reference.typeId() == QMetaType::QString ? reference.toString().isEmpty()
                                                    : reference.toInt() == 0;
}

TAnswer TAnswer::Text(int status, const QString& text) {
    return {status, "text/plain; charset=UTF-8", text.toUtf8()};
}

TForm ParseForm(const QByteArray& encoded) {
    auto decoded = [](QByteArray part) {
        // A leading U+FEFF is part of the text, not a byte order mark to drop.
        QStringDecoder utf8(QStringDecoder::Utf8, QStringConverter::Flag::ConvertInitialBom);
        const QString text = utf8(QByteArray::fromPercentEncoding(part.replace('+', ' ')));
        if (utf8.hasError()) {
            refuse(400, QStringLiteral("参数不是UTF-8编码的文本"));
        }
        return text;
    };
    TForm form;
    for (const QByteArray& pair : encoded.split('&')) {
        if (pair.isEmpty()) {
            continue;
        }
        const qsizetype equals = pair.indexOf('=');
        const QString name = decoded(pair.left(equals < 0 ? pair.size() : equals));
        if (form.contains(name)) {
            refuse(400, QStringLiteral("参数%1出现了多次").arg(name));
        }
        form.insert(name, equals < 0 ? QString() : decoded(pair.mid(equals + 1)));
    }
    return form;
}

TAnswer TServlets::Serve(const QString& className, bool isPost, const TForm& form) {
    try {
        const TClassModel* cls = project_.classNamed(className);
        if (cls == nullptr) {
            refuse(404, QStringLiteral("没有名为%1的类").arg(className));
        }
        const QString action = required(form, QStringLiteral("action"));
        static const QStringList posted = {"add", "update", "delete", "updateQuery"};
        if (action != QLatin1String("query") && !posted.contains(action)) {
            refuse(400, QStringLiteral("未知的action: %1").arg(action));
        }
        if (isPost != posted.contains(action)) {
            refuse(405, QStringLiteral("action=%1要用%2请求").arg(action, isPost ? "GET" : "POST"));
        }
        return act(*cls, action, form);
    } catch (const TRequestError& error) {
        return TAnswer::Text(error.status, error.message);
    } catch (const TError& error) {
        return TAnswer::Text(500, error.message());
    }
}

TAnswer TServlets::act(const TClassModel& cls, const QString& action, const TForm& form) {
    if (action == QLatin1String("add")) {
        return add(cls, form);
    }
    if (action == QLatin1String("update")) {
        return update(cls, form);
    }
    if (action == QLatin1String("delete")) {
        return remove(cls, form);
    }
    if (action == QLatin1String("updateQuery")) {
        return get(cls, form);
    }
    return query(cls, form);
}

TAnswer TServlets::add(const TClassModel& cls, const TForm& form) {
    data_.Write([&] { insert(cls, form); });
    return TAnswer::Text(200, cls.friendName + QStringLiteral("信息添加成功!"));
}

void TServlets::insert(const TClassModel& cls, const TForm& form) {
    Row row = rowFromForm(cls, form, cls.hasIntegerKey());
    QVariant& key = row[keyIndex(cls)];
    if (cls.hasIntegerKey()) {
        key = data_.AssignKey(cls);
        if (key.toInt() == 0) {
            refuse(409, QStringLiteral("%1的编号已用尽").arg(cls.friendName));
        }
    } else if (data_.Exists(cls, key)) {
        refuse(409, QStringLiteral("已有%1为\"%2\"的%3")
                        .arg(label(*cls.keyMember()), key.toString(), cls.friendName));
    }
    checkReferences(cls, row);
    data_.Insert(cls, row);
}

TAnswer TServlets::update(const TClassModel& cls, const TForm& form) {
    const Row row = rowFromForm(cls, form, false);
    data_.Write([&] {
        if (!data_.Exists(cls, row[keyIndex(cls)])) {
            refuse(404, missingObject(cls, row[keyIndex(cls)]));
        }
        checkReferences(cls, row);
        data_.Update(cls, row);
    });
    return TAnswer::Text(200, cls.friendName + QStringLiteral("信息更新成功!"));
}

TAnswer TServlets::remove(const TClassModel& cls, const TForm& form) {
    const QVariant key = keyFromForm(cls, form);
    data_.Write([&] {
        if (!data_.Exists(cls, key)) {
            refuse(404, missingObject(cls, key));
        }
        checkNotReferenced(cls, key);
        data_.Remove(cls, key);
    });
    return TAnswer::Text(200, cls.friendName + QStringLiteral("信息删除成功!"));
}

TAnswer TServlets::get(const TClassModel& cls, const TForm& form) {
    const TServerData::Condition byKey{cls.keyMember(), TServerData::Condition::Equals,
                                       keyFromForm(cls, form)};
    return {200, "application/json; charset=UTF-8", jsonArray(cls, data_.Select(cls, {byKey}))};
}

TAnswer TServlets::query(const TClassModel& cls, const TForm& form) {
    QList<TServerData::Condition> conditions;
    for (const TMemberInfo* member : cls.queryMembers()) {
        if (const auto condition = conditionOf(*member, form)) {
            conditions.append(*condition);
        }
    }
    return {200, "text/xml; charset=UTF-8", xmlList(cls, data_.Select(cls, conditions))};
}

// Every reference must name an existing object (the client looks each one up to show it) or no
// object at all: 0 or the empty text, what a drop-down without entries sends.
void TServlets::checkReferences(const TClassModel& cls, const Row& row) {
    for (qsizetype i = 0; i < cls.members.size(); ++i) {
        const TMemberInfo& member = cls.members[i];
        if (!member.isReference() || IsNoObject(row[i])) {
            continue;
        }
        const bool selfReference = member.referenced == &cls && row[i] == row[keyIndex(cls)];
        if (!selfReference && !data_.Exists(*member.referenced, row[i])) {
            refuse(409, label(member) + QStringLiteral(": ") +
                            missingObject(*member.referenced, row[i]));
        }
    }
}

void TServlets::checkNotReferenced(const TClassModel& cls, const QVariant& key) {
    for (const TClassModel& owner : project_.classes) {
        for (const TMemberInfo& member : owner.members) {
            if (member.referenced != &cls) {
                continue;
            }
            // An object that refers to itself does not keep itself from being deleted.
            const QVariant holder =
                data_.FirstHolder(owner, member, key, &owner == &cls ? key : QVariant());
            if (holder.isValid()) {
                refuse(409, QStringLiteral("%1\"%2\"仍被%3\"%4\"的%5引用，不能删除")
                                .arg(cls.friendName, key.toString(), owner.friendName,
                                     holder.toString(), label(member)));
            }
        }
    }
}

namespace {

// Classes in an order in which every class comes after those it refers to (self references
// and cycles aside, which keep model order).
QList<const TClassModel*> referencedFirst(const TProjectModel& project) {
    QList<const TClassModel*> ordered;
    QList<const TClassModel*> left;
    for (const TClassModel& cls : project.classes) {
        left.append(&cls);
    }
    const auto ready = [&](const TClassModel* cls) {
        return std::all_of(cls->members.begin(), cls->members.end(), [&](const TMemberInfo& m) {
            return !m.isReference() || m.referenced == cls || ordered.contains(m.referenced);
        });
    };
    while (!left.isEmpty()) {
        const auto next = std::find_if(left.begin(), left.end(), ready);
        ordered.append(next == left.end() ? left.first() : *next);
        left.removeOne(ordered.last());
    }
    return ordered;
}

// A seed object's member value as the client would send it.
QString formValue(const QJsonValue& value) {
    switch (value.type()) {
        case QJsonValue::String:
            return value.toString();
        case QJsonValue::Double:
            return QString::number(value.toDouble(), 'g', QLocale::FloatingPointShortest);
        default:
            refuse(400, QStringLiteral("值应为文本或数字"));
    }
}

TForm seedForm(const TClassModel& cls, const QJsonValue& object) {
    if (!object.isObject()) {
        refuse(400, QStringLiteral("应为JSON对象"));
    }
    TForm form{{QStringLiteral("action"), QStringLiteral("add")}};
    const QJsonObject members = object.toObject();
    for (auto member = members.begin(); member != members.end(); ++member) {
        const bool known =
            std::any_of(cls.members.begin(), cls.members.end(),
                        [&](const TMemberInfo& m) { return m.name() == member.key(); });
        if (!known) {
            refuse(400, QStringLiteral("%1没有成员%2").arg(cls.className, member.key()));
        }
        try {
            form.insert(member.key(), formValue(*member));
        } catch (const TRequestError& error) {
            refuse(error.status, member.key() + QStringLiteral(": ") + error.message);
        }
    }
    return form;
}

}  // namespace

QJsonObject SeedObjects(const TProjectModel& project, const QByteArray& json) {
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (!document.isObject()) {
        throw TError(QStringLiteral("种子文件不是JSON对象: %1").arg(parseError.errorString()));
    }
    const QJsonObject seed = document.object();
    for (auto entry = seed.begin(); entry != seed.end(); ++entry) {
        if (project.classNamed(entry.key()) == nullptr || !entry->isArray()) {
            throw TError(QStringLiteral("种子文件的\"%1\"应为项目中一个类的名字，值为对象的数组")
                             .arg(entry.key()));
        }
    }
    return seed;
}

void TrySeedOnEmptyData(const TProjectModel& project, const QByteArray& json) {
    TServerData empty(project, QStringLiteral(":memory:"));
    TServlets(project, empty).Seed(json);
}

void TServlets::Seed(const QByteArray& json) {
    const QJsonObject seed = SeedObjects(project_, json);
    data_.Write([&] {
        for (const TClassModel* cls : referencedFirst(project_)) {
            const QJsonArray objects = seed.value(cls->className).toArray();
            for (qsizetype i = 0; i < objects.size(); ++i) {
                try {
                    insert(*cls, seedForm(*cls, objects[i]));
                } catch (const TRequestError& error) {
                    throw TError(QStringLiteral("种子文件中%1的第%2个对象: %3，未添加任何对象")
                                     .arg(cls->className)
                                     .arg(i + 1)
                                     .arg(error.message));
                }
            }
        }
    });
}

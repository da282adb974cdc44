#include "server/Servlets.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QStringDecoder>

#include "common/Error.h"
#include "generation/Protocol.h"
#include "server/ServerData.h"

namespace {

using Row = TServerData::Row;

[[noreturn]] void refuse(TRefusal refusal, const QStringList& values = {}) {
    throw TRequestError{RefusalSpec(refusal).status, RefusalText(refusal, values)};
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
        refuse(TRefusal::ControlCharacters, {member.name()});
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
    refuse(TRefusal::WrongValue, {member.name(), type.expected, text});
}

QString required(const TForm& form, const QString& name) {
    const auto value = form.find(name);
    if (value == form.end()) {
        refuse(TRefusal::MissingParameter, {name});
    }
    return *value;
}

QVariant keyFromForm(const TClassModel& cls, const TForm& form) {
    const TMemberInfo& key = *cls.keyMember();
    const QVariant value = parseValue(key, required(form, key.name()));
    if (!cls.hasIntegerKey() && value.toString().trimmed().isEmpty()) {
        refuse(TRefusal::EmptyKey, {key.label()});
    }
    return value;
}

// A text member holds at most its length in characters (the production backend's column holds
// no more), so both servers refuse what one of them could not keep.
QVariant withinLength(const TMemberInfo& member, const QVariant& value) {
    const qint32 length = member.textLength();
    if (length > 0 && value.toString().toUcs4().size() > length) {
        refuse(TRefusal::TextTooLong, {member.name(), QString::number(length)});
    }
    return value;
}

// Every member's value; an integer key is left null on add (the server assigns it).
Row rowFromForm(const TClassModel& cls, const TForm& form, bool keyAssigned) {
    Row row;
    for (const TMemberInfo& member : cls.members) {
        if (member.isKey()) {
            row.append(keyAssigned ? QVariant() : withinLength(member, keyFromForm(cls, form)));
        } else {
            row.append(withinLength(member, parseValue(member, required(form, member.name()))));
        }
    }
    return row;
}

qsizetype keyIndex(const TClassModel& cls) {
    return cls.keyMember() - cls.members.constData();
}

QStringList objectNamed(const TClassModel& cls, const QVariant& key) {
    return {cls.keyMember()->label(), key.toString(), cls.friendName};
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
    return {status, protocol::kTextType, text.toUtf8()};
}

TAnswer TAnswer::Refusal(TRefusal refusal, const QStringList& values) {
    return Text(RefusalSpec(refusal).status, RefusalText(refusal, values));
}

TForm ParseForm(const QByteArray& encoded) {
    auto decoded = [](QByteArray part) {
        // A leading U+FEFF is part of the text, not a byte order mark to drop; a text that ends
        // inside a character is no UTF-8 (a decoder with state would drop that character).
        QStringDecoder utf8(QStringDecoder::Utf8, QStringConverter::Flag::ConvertInitialBom |
                                                      QStringConverter::Flag::Stateless);
        const QString text = utf8(QByteArray::fromPercentEncoding(part.replace('+', ' ')));
        if (utf8.hasError()) {
            refuse(TRefusal::NotUtf8);
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
            refuse(TRefusal::ParameterTwice, {name});
        }
        form.insert(name, equals < 0 ? QString() : decoded(pair.mid(equals + 1)));
    }
    return form;
}

TAnswer TServlets::Serve(const QString& className, bool isPost, const TForm& form) {
    try {
        const TClassModel* cls = project_.classNamed(className);
        if (cls == nullptr) {
            refuse(TRefusal::NoSuchClass, {className});
        }
        const QString name = required(form, protocol::kActionParameter);
        const TActionSpec* action = ActionNamed(name);
        if (action == nullptr) {
            refuse(TRefusal::UnknownAction, {name});
        }
        if (isPost != action->posted) {
            refuse(TRefusal::WrongMethodForAction,
                   {name, action->posted ? QStringLiteral("POST") : QStringLiteral("GET")});
        }
        return act(*cls, *action, form);
    } catch (const TRequestError& error) {
        return TAnswer::Text(error.status, error.message);
    } catch (const TError& error) {
        return TAnswer::Text(500, error.message());
    }
}

TAnswer TServlets::act(const TClassModel& cls, const TActionSpec& action, const TForm& form) {
    switch (action.action) {
        case TAction::Add:
            data_.Write([&] { insert(cls, form); });
            break;
        case TAction::Update:
            update(cls, form);
            break;
        case TAction::Delete:
            remove(cls, form);
            break;
        case TAction::UpdateQuery:
            return get(cls, form);
        case TAction::Query:
            return query(cls, form);
    }
    return TAnswer::Text(200, FillProtocolText(action.successText, {cls.friendName}));
}

void TServlets::insert(const TClassModel& cls, const TForm& form) {
    Row row = rowFromForm(cls, form, cls.hasIntegerKey());
    QVariant& key = row[keyIndex(cls)];
    if (cls.hasIntegerKey()) {
        key = data_.AssignKey(cls);
        if (key.toInt() == 0) {
            refuse(TRefusal::KeysUsedUp, {cls.friendName});
        }
    } else if (data_.Exists(cls, key)) {
        refuse(TRefusal::KeyExists, objectNamed(cls, key));
    }
    checkReferences(cls, row);
    data_.Insert(cls, row);
}

void TServlets::update(const TClassModel& cls, const TForm& form) {
    const Row row = rowFromForm(cls, form, false);
    data_.Write([&] {
        if (!data_.Exists(cls, row[keyIndex(cls)])) {
            refuse(TRefusal::NoSuchObject, objectNamed(cls, row[keyIndex(cls)]));
        }
        checkReferences(cls, row);
        data_.Update(cls, row);
    });
}

void TServlets::remove(const TClassModel& cls, const TForm& form) {
    const QVariant key = keyFromForm(cls, form);
    data_.Write([&] {
        if (!data_.Exists(cls, key)) {
            refuse(TRefusal::NoSuchObject, objectNamed(cls, key));
        }
        checkNotReferenced(cls, key);
        data_.Remove(cls, key);
    });
}

TAnswer TServlets::get(const TClassModel& cls, const TForm& form) {
    const TServerData::Condition byKey{cls.keyMember(), TServerData::Condition::Equals,
                                       keyFromForm(cls, form)};
    return {200, protocol::kJsonType, jsonArray(cls, data_.Select(cls, {byKey}))};
}

TAnswer TServlets::query(const TClassModel& cls, const TForm& form) {
    QList<TServerData::Condition> conditions;
    for (const TMemberInfo* member : cls.queryMembers()) {
        if (const auto condition = conditionOf(*member, form)) {
            conditions.append(*condition);
        }
    }
    return {200, protocol::kXmlType, xmlList(cls, data_.Select(cls, conditions))};
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
            refuse(TRefusal::ReferenceToNothing,
                   QStringList{member.label()} + objectNamed(*member.referenced, row[i]));
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
                refuse(TRefusal::StillReferenced, {cls.friendName, key.toString(), owner.friendName,
                                                   holder.toString(), member.label()});
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
            throw TRequestError{400, QStringLiteral("值应为文本或数字")};
    }
}

TForm seedForm(const TClassModel& cls, const QJsonValue& object) {
    if (!object.isObject()) {
        throw TRequestError{400, QStringLiteral("应为JSON对象")};
    }
    TForm form{{protocol::kActionParameter, ActionSpec(TAction::Add).name}};
    const QJsonObject members = object.toObject();
    for (auto member = members.begin(); member != members.end(); ++member) {
        const bool known =
            std::any_of(cls.members.begin(), cls.members.end(),
                        [&](const TMemberInfo& m) { return m.name() == member.key(); });
        if (!known) {
            throw TRequestError{400,
                                QStringLiteral("%1没有成员%2").arg(cls.className, member.key())};
        }
        try {
            form.insert(member.key(), formValue(*member));
        } catch (const TRequestError& error) {
            throw TRequestError{error.status, member.key() + QStringLiteral(": ") + error.message};
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

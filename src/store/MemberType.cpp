#include "store/MemberType.h"

#include <QDate>
#include <QRegularExpression>
#include <QTime>
#include <cmath>

namespace {

std::optional<QVariant> parseInteger(const QString& text) {
    bool ok = false;
    const qint32 value = text.trimmed().toInt(&ok);
    return ok ? std::optional<QVariant>(value) : std::nullopt;
}

std::optional<QVariant> parseFloat(const QString& text) {
    const QString trimmed = text.trimmed();
    if (kJavaSpecialNumbers.contains(trimmed)) {
        return trimmed;  // kept as Java writes it: SQLite has no NaN
    }
    bool ok = false;
    const double value = trimmed.toDouble(&ok);
    // Beyond this a Java float is infinite; FLT_MAX's own text (3.4028235E38) is below.
    constexpr double kFloatOverflow = 0x1.ffffffp127;
    if (!ok || !std::isfinite(value) || std::fabs(value) >= kFloatOverflow) {
        return std::nullopt;
    }
    return value;
}

std::optional<QVariant> parseDate(const QString& text) {
    if (const auto timestamp = CanonicalTimestamp(text)) {
        return *timestamp;
    }
    return std::nullopt;
}

// A stored value as the wire carries it. A value the row does not have yet (its column was
// added later), or one stored before the member changed its type, reads as the type's empty
// value: the client cannot take anything else.
QVariant textOnWire(const QVariant& stored) {
    return stored.isNull() ? QString() : stored.toString();
}
QVariant integerOnWire(const QVariant& stored) {
    return stored.toInt();
}
QVariant floatOnWire(const QVariant& stored) {
    if (kJavaSpecialNumbers.contains(stored.toString())) {
        return stored.toString();
    }
    return stored.toDouble();
}
QVariant dateOnWire(const QVariant& stored) {
    return CanonicalTimestamp(stored.toString()).value_or(kNoDate);
}

using C = MemberCategory;

// Integer and float members cannot be asked for in a query; an image member is asked for by its
// path, as text.
const TMemberTypeInfo kMemberTypes[] = {
    {.category = C::String,
     .typeName = kTypeString,
     .wire = C::String,
     .queryAs = C::String,
     .javaType = QStringLiteral("String"),
     .keepsLength = true,
     .mayBeOptional = true,
     .mayBeKey = true,
     .wireValue = textOnWire},
    {.category = C::Integer,
     .typeName = kTypeInteger,
     .wire = C::Integer,
     .queryAs = C::Integer,
     .javaType = QStringLiteral("int"),
     .integerFlag = true,
     .mayBeKey = true,
     .mayBeQueried = false,
     .parse = parseInteger,
     .expected = QStringLiteral("整数"),
     .wireValue = integerOnWire,
     .queryMatch = QueryMatch::Equals,
     .isNumber = true},
    {.category = C::Float,
     .typeName = kTypeFloat,
     .wire = C::Float,
     .queryAs = C::Float,
     .javaType = QStringLiteral("float"),
     .floatFlag = true,
     .mayBeQueried = false,
     .parse = parseFloat,
     .expected = QStringLiteral("数字"),
     .wireValue = floatOnWire,
     .queryMatch = QueryMatch::Equals,
     .isNumber = true},
    {.category = C::Date,
     .typeName = kTypeDate,
     .wire = C::Date,
     .queryAs = C::Date,
     .javaType = QStringLiteral("java.sql.Timestamp"),
     .parse = parseDate,
     .expected = QStringLiteral("日期时间(yyyy-mm-dd hh:mm:ss)"),
     .wireValue = dateOnWire,
     .queryMatch = QueryMatch::SameDay},
    {.category = C::Image,
     .typeName = kTypeImage,
     .wire = C::String,
     .queryAs = C::String,
     .mayBeOptional = true,
     .mayBeQueried = false},
    {.category = C::Reference,
     .wire = C::String,
     .queryAs = C::Reference,
     .offered = false,
     .queryMatch = QueryMatch::Equals},
};

}  // namespace

const TMemberTypeInfo& MemberTypeOf(MemberCategory category) {
    for (const TMemberTypeInfo& type : kMemberTypes) {
        if (type.category == category) {
            return type;
        }
    }
    return kMemberTypes[0];
}

const TMemberTypeInfo& MemberTypeOf(const QString& memberType) {
    for (const TMemberTypeInfo& type : kMemberTypes) {
        if (!type.typeName.isEmpty() && type.typeName == memberType) {
            return type;
        }
    }
    return MemberTypeOf(MemberCategory::Reference);
}

MemberCategory CategoryOfType(const QString& memberType) {
    return MemberTypeOf(memberType).category;
}

QStringList OfferedTypeNames() {
    QStringList names;
    for (const TMemberTypeInfo& type : kMemberTypes) {
        if (type.offered) {
            names.append(type.typeName);
        }
    }
    return names;
}

std::optional<QString> CanonicalTimestamp(const QString& text) {
    static const QRegularExpression pattern(QStringLiteral(
        R"(^\s*(\d{4})-(\d{1,2})-(\d{1,2}) (\d{1,2}):(\d{1,2}):(\d{1,2})(?:\.(\d{1,9}))?\s*$)"));
    const QRegularExpressionMatch match = pattern.match(text);
    auto field = [&](int i) { return match.captured(i).toInt(); };
    if (!match.hasMatch() || !QDate(field(1), field(2), field(3)).isValid() ||
        !QTime(field(4), field(5), field(6)).isValid()) {
        return std::nullopt;
    }
    const QString fraction = match.captured(7).isEmpty() ? QStringLiteral("0") : match.captured(7);
    return QStringLiteral("%1-%2-%3 %4:%5:%6.%7")
        .arg(field(1), 4, 10, QLatin1Char('0'))
        .arg(field(2), 2, 10, QLatin1Char('0'))
        .arg(field(3), 2, 10, QLatin1Char('0'))
        .arg(field(4), 2, 10, QLatin1Char('0'))
        .arg(field(5), 2, 10, QLatin1Char('0'))
        .arg(field(6), 2, 10, QLatin1Char('0'))
        .arg(fraction);
}

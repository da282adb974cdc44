#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <optional>

// The member types the store knows by name; any other type text names a referenced class.
enum class MemberCategory { String, Integer, Float, Date, Image, Reference };

inline const QString kTypeString = QStringLiteral("字符串");
inline const QString kTypeInteger = QStringLiteral("整型");
inline const QString kTypeFloat = QStringLiteral("浮点型");
inline const QString kTypeDate = QStringLiteral("日期型");
inline const QString kTypeImage = QStringLiteral("图片型");

// How the development server matches a query parameter of the type.
enum class QueryMatch { ContainsText, Equals, SameDay };

// Everything that differs between member types, one row per type in MemberType.cpp. A new type
// is an enumerator above, a row there and a row of its templates in
// generators/MemberTemplates.cpp; the code model, the server, model files and the dialogs read
// the rest from here.
struct TMemberTypeInfo {
    MemberCategory category = MemberCategory::String;
    QString typeName = {};  // the store's type text; empty for a reference (its class's name)
    // How a value travels to and from the client (a reference: as its class's key does), and
    // as which category a query screen asks for it.
    MemberCategory wire = MemberCategory::String;
    MemberCategory queryAs = MemberCategory::String;
    // Of a wire form's row: the Java type of the value.
    QString javaType = {};
    // The store's derived fields: only a string keeps its length; the integer and float flags.
    bool keepsLength = false;
    bool integerFlag = false;
    bool floatFlag = false;
    // The member dialogs: offered in the type list; may be left optional; may be the key; may
    // take part in a query.
    bool offered = true;
    bool mayBeOptional = false;
    bool mayBeKey = false;
    bool mayBeQueried = true;
    // Of a wire form's row, the development server: a parameter's text as the stored value
    // (nullopt: not a value of the type; no parser: any text the server accepts), what a
    // refused parameter should have been, a stored value as the wire carries it, how a query
    // parameter matches, and whether it is a number (shown as one; a zero query parameter
    // means "no condition").
    std::optional<QVariant> (*parse)(const QString& text) = nullptr;
    QString expected = {};
    QVariant (*wireValue)(const QVariant& stored) = nullptr;
    QueryMatch queryMatch = QueryMatch::ContainsText;
    bool isNumber = false;
};

const TMemberTypeInfo& MemberTypeOf(MemberCategory category);
// Compares the whole type text exactly; any other text names a referenced class.
const TMemberTypeInfo& MemberTypeOf(const QString& memberType);
MemberCategory CategoryOfType(const QString& memberType);
// The type texts the member dialogs offer, in their order.
QStringList OfferedTypeNames();

// What a date member without a date reads as.
inline const QString kNoDate = QStringLiteral("1970-01-01 00:00:00.0");
// The numbers Java's Float.toString and Double.toString write in words.
inline const QStringList kJavaSpecialNumbers = {"NaN", "Infinity", "-Infinity"};
// The Java timestamp text form, "yyyy-mm-dd hh:mm:ss[.f...]", as it is stored: every field of
// two digits and a fraction of at least one digit, which is also how Java writes it. Empty when
// the text is no such date.
std::optional<QString> CanonicalTimestamp(const QString& text);

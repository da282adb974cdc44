#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <cstddef>

// The protocol between the generated client and its servers (the development server and the web
// backend), described once: the addresses below the context path, the actions of a class's
// servlet and their answers, the limits, and every refusal with its status and text. The client's
// service generator, the development server and the backend's generator read it from here.
//
// Texts are format strings: %1, %2, ... stand for the values each entry's `values` names, and
// FillProtocolText puts them in one pass, so a value that holds "%1" is never filled again.

namespace protocol {

// Every address lives below /<kContext>/: the servlets <Class><kServletSuffix>, the upload
// address kUpload (multipart/form-data, the picture in the field kUploadField, answered with
// kPicturePrefix + the stored name) and the pictures kPicturePrefix + <name>; kNoImage is the
// picture of an object without one, answered as the template project's noimage picture while
// no picture of that name was stored.
inline const QString kContext = QStringLiteral("JavaWebProject");
inline const QString kServletSuffix = QStringLiteral("Servlet");
inline const QString kActionParameter = QStringLiteral("action");
inline const QString kUpload = QStringLiteral("upload");
inline const QString kUploadField = QStringLiteral("file");
inline const QString kPicturePrefix = QStringLiteral("upload/");
inline const QString kNoImage = QStringLiteral("upload/noimage.jpg");

// A form's body, a picture, and an upload's body (the picture and its multipart framing).
inline constexpr std::size_t kMaxFormBytes = 1 << 20;
inline constexpr std::size_t kMaxPictureBytes = 8 << 20;
inline constexpr std::size_t kMaxUploadBytes = kMaxPictureBytes + (64 << 10);
// A request's line and headers together.
inline constexpr std::size_t kMaxHeaderBytes = 16 * 1024;

inline const QByteArray kTextType = QByteArrayLiteral("text/plain; charset=UTF-8");
inline const QByteArray kJsonType = QByteArrayLiteral("application/json; charset=UTF-8");
inline const QByteArray kXmlType = QByteArrayLiteral("text/xml; charset=UTF-8");

}  // namespace protocol

// The actions of a class's servlet, named by the parameter protocol::kActionParameter.
enum class TAction { Add, Update, Delete, UpdateQuery, Query };

// What an action answers with status 200: a text (successText), the object with the key as a
// JSON array ([] when there is none), or the objects that meet the conditions as XML
// (<ClassList>, in it <Class> per object with a child per member).
enum class TAnswerForm { Text, Json, Xml };

struct TActionSpec {
    TAction action;
    QString name;  // the value of the action parameter
    bool posted;   // a POSTed form; the others are GET with the parameters in the query
    TAnswerForm answer;
    QByteArray contentType;
    QString successText;  // for Text answers: %1 the class's friendly name
};

// In the order the client's service writes them: add, update, delete, updateQuery, query.
const QList<TActionSpec>& ProtocolActions();
const TActionSpec& ActionSpec(TAction action);
// The action of that name, or nullptr.
const TActionSpec* ActionNamed(const QString& name);

// Where a refusal is made: by a servlet (its action), by the address (a method, a content type,
// an upload, a picture), or by the HTTP layer before any address sees the request (framing,
// limits, hosts, other sites); the last is the development server's own.
enum class TRefusalScope { Servlet, Address, Http };

enum class TRefusal {
    // Servlet
    NotUtf8,
    ParameterTwice,
    ControlCharacters,
    WrongValue,
    TextTooLong,
    MissingParameter,
    EmptyKey,
    NoSuchClass,
    UnknownAction,
    WrongMethodForAction,
    KeysUsedUp,
    KeyExists,
    NoSuchObject,
    ReferenceToNothing,
    StillReferenced,
    // Address
    NoSuchAddress,
    MethodNotAllowed,
    FormContentType,
    UploadContentType,
    UploadFieldCount,
    BodyTooLarge,
    NotAPicture,
    NoSuchPicture,
    // Http
    BodyCutOff,
    LineTooLong,
    HeaderTooLong,
    Malformed,
    UnknownMethod,
    ContentLengthInvalid,
    TransferCoding,
    HostCount,
    ForeignHost,
    ForeignOrigin,
    ForeignFetchSite,
    Busy,
};

struct TRefusalSpec {
    TRefusal refusal;
    QString name;  // stable, for generated code: "missingParameter"
    TRefusalScope scope;
    int status;
    QString format;
    QStringList values;  // what %1, %2, ... stand for, in order
};

// Every refusal, in the order of TRefusal.
const QList<TRefusalSpec>& ProtocolRefusals();
const TRefusalSpec& RefusalSpec(TRefusal refusal);
// The refusal's text with its values put in.
QString RefusalText(TRefusal refusal, const QStringList& values = {});

// The format with %1 ... %9 replaced by the values in one pass; a placeholder without a value
// stays as it is.
QString FillProtocolText(const QString& format, const QStringList& values);

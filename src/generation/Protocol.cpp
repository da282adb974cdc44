#include "generation/Protocol.h"

#include <algorithm>

namespace {

// A member's label is its comment, or its name when it has none; a type's expected form is
// TMemberTypeInfo::expected.
const QString kLabel = QStringLiteral("the member's label");
const QString kKeyLabel = QStringLiteral("the key member's label");
const QString kFriend = QStringLiteral("the class's friendly name");
const QString kKey = QStringLiteral("the key as sent");

QList<TRefusalSpec> makeRefusals() {
    using S = TRefusalScope;
    using R = TRefusal;
    return {
        {R::NotUtf8, "notUtf8", S::Servlet, 400, QStringLiteral("参数不是UTF-8编码的文本"), {}},
        {R::ParameterTwice,
         "parameterTwice",
         S::Servlet,
         400,
         QStringLiteral("参数%1出现了多次"),
         {"the parameter's name"}},
        {R::ControlCharacters,
         "controlCharacters",
         S::Servlet,
         400,
         QStringLiteral("参数%1含有无法传送的控制字符"),
         {"the member's name"}},
        {R::WrongValue,
         "wrongValue",
         S::Servlet,
         400,
         QStringLiteral("参数%1应为%2，收到\"%3\""),
         {"the member's name", "the member type's expected form", "the text sent"}},
        {R::TextTooLong,
         "textTooLong",
         S::Servlet,
         400,
         QStringLiteral("参数%1超过%2个字符"),
         {"the member's name", "the member's length"}},
        {R::MissingParameter,
         "missingParameter",
         S::Servlet,
         400,
         QStringLiteral("缺少参数%1"),
         {"the parameter's name"}},
        {R::EmptyKey, "emptyKey", S::Servlet, 400, QStringLiteral("%1不能为空"), {kKeyLabel}},
        {R::NoSuchClass,
         "noSuchClass",
         S::Servlet,
         404,
         QStringLiteral("没有名为%1的类"),
         {"the class name of the address"}},
        {R::UnknownAction,
         "unknownAction",
         S::Servlet,
         400,
         QStringLiteral("未知的action: %1"),
         {"the action sent"}},
        {R::WrongMethodForAction,
         "wrongMethodForAction",
         S::Servlet,
         405,
         QStringLiteral("action=%1要用%2请求"),
         {"the action", "the method it takes, GET or POST"}},
        {R::KeysUsedUp, "keysUsedUp", S::Servlet, 409, QStringLiteral("%1的编号已用尽"), {kFriend}},
        {R::KeyExists,
         "keyExists",
         S::Servlet,
         409,
         QStringLiteral("已有%1为\"%2\"的%3"),
         {kKeyLabel, kKey, kFriend}},
        {R::NoSuchObject,
         "noSuchObject",
         S::Servlet,
         404,
         QStringLiteral("没有%1为\"%2\"的%3"),
         {kKeyLabel, kKey, kFriend}},
        {R::ReferenceToNothing,
         "referenceToNothing",
         S::Servlet,
         409,
         QStringLiteral("%1: 没有%2为\"%3\"的%4"),
         {kLabel, "the referenced class's key label", "the reference as sent",
          "the referenced class's friendly name"}},
        {R::StillReferenced,
         "stillReferenced",
         S::Servlet,
         409,
         QStringLiteral("%1\"%2\"仍被%3\"%4\"的%5引用，不能删除"),
         {kFriend, kKey, "the referring class's friendly name", "the referring object's key",
          "the referring member's label"}},
        {R::NoSuchAddress,
         "noSuchAddress",
         S::Address,
         404,
         QStringLiteral(
             "没有这个地址: 服务器只回答/JavaWebProject/(浏览页面)和其下的<类名>Servlet、"
             "upload、upload/<图片>"),
         {}},
        {R::MethodNotAllowed,
         "methodNotAllowed",
         S::Address,
         405,
         QStringLiteral("这个地址只回答%1请求"),
         {"the methods the address takes, as its Allow header names them"}},
        {R::FormContentType,
         "formContentType",
         S::Address,
         415,
         QStringLiteral("表单应以application/x-www-form-urlencoded发送"),
         {}},
        {R::UploadContentType,
         "uploadContentType",
         S::Address,
         415,
         QStringLiteral("图片应以multipart/form-data上传，放在字段file中"),
         {}},
        {R::UploadFieldCount,
         "uploadFieldCount",
         S::Address,
         400,
         QStringLiteral("请求中应有且只有一个字段file"),
         {}},
        {R::BodyTooLarge,
         "bodyTooLarge",
         S::Address,
         413,
         QStringLiteral("请求体超过%1字节的上限"),
         {"the limit in bytes (a form's, an upload's or a picture's)"}},
        {R::NotAPicture,
         "notAPicture",
         S::Address,
         415,
         QStringLiteral("上传的文件不是JPEG、PNG、GIF、BMP或WebP图片"),
         {}},
        {R::NoSuchPicture, "noSuchPicture", S::Address, 404, QStringLiteral("没有这张图片"), {}},
        {R::BodyCutOff,
         "bodyCutOff",
         S::Http,
         400,
         QStringLiteral("请求体不完整(连接中断?)，未做任何改动"),
         {}},
        {R::LineTooLong,
         "lineTooLong",
         S::Http,
         414,
         QStringLiteral("请求行超过%1字节的上限"),
         {"the limit in bytes"}},
        {R::HeaderTooLong,
         "headerTooLong",
         S::Http,
         431,
         QStringLiteral("请求行和请求头超过%1字节的上限"),
         {"the limit in bytes"}},
        {R::Malformed,
         "malformed",
         S::Http,
         400,
         QStringLiteral("请求的格式有误(%1)，连接已关闭"),
         {"the parser's reason"}},
        {R::UnknownMethod,
         "unknownMethod",
         S::Http,
         400,
         QStringLiteral("未知的请求方法%1"),
         {"the method sent"}},
        {R::ContentLengthInvalid,
         "contentLengthInvalid",
         S::Http,
         400,
         QStringLiteral("Content-Length重复或不是数字"),
         {}},
        {R::TransferCoding,
         "transferCoding",
         S::Http,
         501,
         QStringLiteral("不支持的传输编码%1(只支持chunked)"),
         {"the transfer coding sent"}},
        {R::HostCount, "hostCount", S::Http, 400, QStringLiteral("请求应有且只有一个Host"), {}},
        {R::ForeignHost,
         "foreignHost",
         S::Http,
         421,
         QStringLiteral("%1不是这台服务器的地址(为防DNS重绑定，只回答本机地址和服务器监听的地址)"),
         {"the Host sent"}},
        {R::ForeignOrigin,
         "foreignOrigin",
         S::Http,
         403,
         QStringLiteral("拒绝其他网站(%1)发来的修改请求"),
         {"the Origin sent"}},
        {R::ForeignFetchSite,
         "foreignFetchSite",
         S::Http,
         403,
         QStringLiteral("拒绝其他网站发来的修改请求(Sec-Fetch-Site: %1)"),
         {"the Sec-Fetch-Site sent"}},
        {R::Busy, "busy", S::Http, 503, QStringLiteral("服务器正在接收的请求太多，请稍后再试"), {}},
    };
}

}  // namespace

const QList<TActionSpec>& ProtocolActions() {
    using protocol::kJsonType;
    using protocol::kTextType;
    using protocol::kXmlType;
    static const QList<TActionSpec> actions = {
        {TAction::Add, "add", true, TAnswerForm::Text, kTextType,
         QStringLiteral("%1信息添加成功!")},
        {TAction::Update, "update", true, TAnswerForm::Text, kTextType,
         QStringLiteral("%1信息更新成功!")},
        {TAction::Delete, "delete", true, TAnswerForm::Text, kTextType,
         QStringLiteral("%1信息删除成功!")},
        {TAction::UpdateQuery, "updateQuery", true, TAnswerForm::Json, kJsonType, QString()},
        {TAction::Query, "query", false, TAnswerForm::Xml, kXmlType, QString()},
    };
    return actions;
}

const TActionSpec& ActionSpec(TAction action) {
    return ProtocolActions()[static_cast<qsizetype>(action)];
}

const TActionSpec* ActionNamed(const QString& name) {
    const QList<TActionSpec>& actions = ProtocolActions();
    const auto found = std::find_if(actions.begin(), actions.end(),
                                    [&](const TActionSpec& spec) { return spec.name == name; });
    return found == actions.end() ? nullptr : &*found;
}

const QList<TRefusalSpec>& ProtocolRefusals() {
    static const QList<TRefusalSpec> refusals = makeRefusals();
    return refusals;
}

const TRefusalSpec& RefusalSpec(TRefusal refusal) {
    return ProtocolRefusals()[static_cast<qsizetype>(refusal)];
}

QString RefusalText(TRefusal refusal, const QStringList& values) {
    return FillProtocolText(RefusalSpec(refusal).format, values);
}

QString FillProtocolText(const QString& format, const QStringList& values) {
    QString text;
    text.reserve(format.size() + 32);
    for (qsizetype i = 0; i < format.size(); ++i) {
        const qsizetype index =
            format[i] == u'%' && i + 1 < format.size() ? format[i + 1].digitValue() - 1 : -1;
        if (index >= 0 && index < values.size()) {
            text += values[index];
            ++i;
        } else {
            text += format[i];
        }
    }
    return text;
}

package com.mobileclient.server;

import java.util.List;

/**
 * The protocol between the generated client and its servers: the addresses, the actions,
 * the limits and every text a server answers, as the client shows it.
 */
public final class Protocol {
    public static final String ACTION_PARAMETER = "action";
    public static final String UPLOAD = "upload";
    public static final String UPLOAD_FIELD = "file";
    public static final String PICTURE_PREFIX = "upload/";
    public static final String NO_IMAGE = "upload/noimage.jpg";

    public static final long MAX_FORM_BYTES = 1048576;
    public static final long MAX_PICTURE_BYTES = 8388608;
    /** The picture and the multipart framing around it. */
    public static final long MAX_UPLOAD_BYTES = 8454144;

    public static final String TEXT_TYPE = "text/plain; charset=UTF-8";
    public static final String JSON_TYPE = "application/json; charset=UTF-8";
    public static final String XML_TYPE = "text/xml; charset=UTF-8";

    public static final String ADD_ACTION = "add";
    public static final String UPDATE_ACTION = "update";
    public static final String DELETE_ACTION = "delete";
    public static final String UPDATE_QUERY_ACTION = "updateQuery";
    public static final String QUERY_ACTION = "query";
    /** The actions sent as a POSTed form; the others are GET requests. */
    public static final List<String> POSTED_ACTIONS =
            List.of(ADD_ACTION, UPDATE_ACTION, DELETE_ACTION, UPDATE_QUERY_ACTION);

    /** What a parameter should have been, as wrongValue names it. */
    public static final String EXPECTED_INTEGER = "整数";
    public static final String EXPECTED_NUMBER = "数字";
    public static final String EXPECTED_DATE = "日期时间(yyyy-mm-dd hh:mm:ss)";

    private Protocol() {
    }

    /** Status 200 for add. */
    public static String addText(Object classFriendlyName) {
        return fill("%1信息添加成功!", classFriendlyName);
    }

    /** Status 200 for update. */
    public static String updateText(Object classFriendlyName) {
        return fill("%1信息更新成功!", classFriendlyName);
    }

    /** Status 200 for delete. */
    public static String deleteText(Object classFriendlyName) {
        return fill("%1信息删除成功!", classFriendlyName);
    }

    /** Status 400. */
    public static String notUtf8() {
        return fill("参数不是UTF-8编码的文本");
    }

    /** Status 400; the text names the parameter's name. */
    public static String parameterTwice(Object parameterName) {
        return fill("参数%1出现了多次", parameterName);
    }

    /** Status 400; the text names the member's name. */
    public static String controlCharacters(Object memberName) {
        return fill("参数%1含有无法传送的控制字符", memberName);
    }

    /** Status 400; the text names the member's name, the member type's expected form, the text sent. */
    public static String wrongValue(Object memberName, Object memberTypeExpectedForm, Object textSent) {
        return fill("参数%1应为%2，收到\"%3\"", memberName, memberTypeExpectedForm, textSent);
    }

    /** Status 400; the text names the member's name, the member's length. */
    public static String textTooLong(Object memberName, Object memberLength) {
        return fill("参数%1超过%2个字符", memberName, memberLength);
    }

    /** Status 400; the text names the parameter's name. */
    public static String missingParameter(Object parameterName) {
        return fill("缺少参数%1", parameterName);
    }

    /** Status 400; the text names the key member's label. */
    public static String emptyKey(Object keyMemberLabel) {
        return fill("%1不能为空", keyMemberLabel);
    }

    /** Status 404; the text names the class name of the address. */
    public static String noSuchClass(Object classNameOfAddress) {
        return fill("没有名为%1的类", classNameOfAddress);
    }

    /** Status 400; the text names the action sent. */
    public static String unknownAction(Object actionSent) {
        return fill("未知的action: %1", actionSent);
    }

    /** Status 405; the text names the action, the method it takes, GET or POST. */
    public static String wrongMethodForAction(Object action, Object methodItTakes) {
        return fill("action=%1要用%2请求", action, methodItTakes);
    }

    /** Status 409; the text names the class's friendly name. */
    public static String keysUsedUp(Object classFriendlyName) {
        return fill("%1的编号已用尽", classFriendlyName);
    }

    /** Status 409; the text names the key member's label, the key as sent, the class's friendly name. */
    public static String keyExists(Object keyMemberLabel, Object keyAsSent, Object classFriendlyName) {
        return fill("已有%1为\"%2\"的%3", keyMemberLabel, keyAsSent, classFriendlyName);
    }

    /** Status 404; the text names the key member's label, the key as sent, the class's friendly name. */
    public static String noSuchObject(Object keyMemberLabel, Object keyAsSent, Object classFriendlyName) {
        return fill("没有%1为\"%2\"的%3", keyMemberLabel, keyAsSent, classFriendlyName);
    }

    /** Status 409; the text names the member's label, the referenced class's key label, the reference as sent, the referenced class's friendly name. */
    public static String referenceToNothing(Object memberLabel, Object referencedClassKeyLabel, Object referenceAsSent, Object referencedClassFriendlyName) {
        return fill("%1: 没有%2为\"%3\"的%4", memberLabel, referencedClassKeyLabel, referenceAsSent, referencedClassFriendlyName);
    }

    /** Status 409; the text names the class's friendly name, the key as sent, the referring class's friendly name, the referring object's key, the referring member's label. */
    public static String stillReferenced(Object classFriendlyName, Object keyAsSent, Object referringClassFriendlyName, Object referringObjectKey, Object referringMemberLabel) {
        return fill("%1\"%2\"仍被%3\"%4\"的%5引用，不能删除", classFriendlyName, keyAsSent, referringClassFriendlyName, referringObjectKey, referringMemberLabel);
    }

    /** Status 404. */
    public static String noSuchAddress() {
        return fill("没有这个地址: 服务器只回答/JavaWebProject/(浏览页面)和其下的<类名>Servlet、upload、upload/<图片>");
    }

    /** Status 405; the text names the methods the address takes, as its Allow header names them. */
    public static String methodNotAllowed(Object methodsAddressTakes) {
        return fill("这个地址只回答%1请求", methodsAddressTakes);
    }

    /** Status 415. */
    public static String formContentType() {
        return fill("表单应以application/x-www-form-urlencoded发送");
    }

    /** Status 415. */
    public static String uploadContentType() {
        return fill("图片应以multipart/form-data上传，放在字段file中");
    }

    /** Status 400. */
    public static String uploadFieldCount() {
        return fill("请求中应有且只有一个字段file");
    }

    /** Status 413; the text names the limit in bytes (a form's, an upload's or a picture's). */
    public static String bodyTooLarge(Object limitInBytes) {
        return fill("请求体超过%1字节的上限", limitInBytes);
    }

    /** Status 415. */
    public static String notAPicture() {
        return fill("上传的文件不是JPEG、PNG、GIF、BMP或WebP图片");
    }

    /** Status 404. */
    public static String noSuchPicture() {
        return fill("没有这张图片");
    }

    /** Status 400. */
    public static String bodyCutOff() {
        return fill("请求体不完整(连接中断?)，未做任何改动");
    }

    /** Status 414; the text names the limit in bytes. */
    public static String lineTooLong(Object limitInBytes) {
        return fill("请求行超过%1字节的上限", limitInBytes);
    }

    /** Status 431; the text names the limit in bytes. */
    public static String headerTooLong(Object limitInBytes) {
        return fill("请求行和请求头超过%1字节的上限", limitInBytes);
    }

    /** Status 400; the text names the parser's reason. */
    public static String malformed(Object parserReason) {
        return fill("请求的格式有误(%1)，连接已关闭", parserReason);
    }

    /** Status 400; the text names the method sent. */
    public static String unknownMethod(Object methodSent) {
        return fill("未知的请求方法%1", methodSent);
    }

    /** Status 400. */
    public static String contentLengthInvalid() {
        return fill("Content-Length重复或不是数字");
    }

    /** Status 501; the text names the transfer coding sent. */
    public static String transferCoding(Object transferCodingSent) {
        return fill("不支持的传输编码%1(只支持chunked)", transferCodingSent);
    }

    /** Status 400. */
    public static String hostCount() {
        return fill("请求应有且只有一个Host");
    }

    /** Status 421; the text names the Host sent. */
    public static String foreignHost(Object hostSent) {
        return fill("%1不是这台服务器的地址(为防DNS重绑定，只回答本机地址和服务器监听的地址)", hostSent);
    }

    /** Status 403; the text names the Origin sent. */
    public static String foreignOrigin(Object originSent) {
        return fill("拒绝其他网站(%1)发来的修改请求", originSent);
    }

    /** Status 403; the text names the Sec-Fetch-Site sent. */
    public static String foreignFetchSite(Object secfetchsiteSent) {
        return fill("拒绝其他网站发来的修改请求(Sec-Fetch-Site: %1)", secfetchsiteSent);
    }

    /** Status 503. */
    public static String busy() {
        return fill("服务器正在接收的请求太多，请稍后再试");
    }

    /** The format with %1 ... %9 replaced by the values, in one pass. */
    private static String fill(String format, Object... values) {
        StringBuilder text = new StringBuilder(format.length() + 32);
        for (int i = 0; i < format.length(); i++) {
            char c = format.charAt(i);
            int index = i + 1 < format.length() ? format.charAt(i + 1) - '1' : -1;
            if (c == '%' && index >= 0 && index < values.length) {
                text.append(values[index]);
                i++;
            } else {
                text.append(c);
            }
        }
        return text.toString();
    }
}

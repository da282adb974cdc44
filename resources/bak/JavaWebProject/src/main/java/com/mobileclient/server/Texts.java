package com.mobileclient.server;

/** The texts the server answers, as the client shows them. */
public final class Texts {
    public static final String INTEGER = "整数";
    public static final String NUMBER = "数字";
    public static final String DATE = "日期时间(yyyy-mm-dd hh:mm:ss)";

    private Texts() {
    }

    public static String missingParameter(String name) {
        return "缺少参数" + name;
    }

    public static String parameterTwice(String name) {
        return "参数" + name + "出现了多次";
    }

    public static String notUtf8() {
        return "参数不是UTF-8编码的文本";
    }

    public static String controlCharacters(String name) {
        return "参数" + name + "含有无法传送的控制字符";
    }

    public static String wrongValue(String name, String expected, String text) {
        return "参数" + name + "应为" + expected + "，收到\"" + text + "\"";
    }

    public static String textTooLong(String name, int maxLength) {
        return "参数" + name + "超过" + maxLength + "个字符";
    }

    public static String emptyKey(String label) {
        return label + "不能为空";
    }

    public static String noClass(String className) {
        return "没有名为" + className + "的类";
    }

    public static String unknownAction(String action) {
        return "未知的action: " + action;
    }

    public static String actionNeedsMethod(String action, String method) {
        return "action=" + action + "要用" + method + "请求";
    }

    public static String methodNotAllowed(String allowed) {
        return "这个地址只回答" + allowed + "请求";
    }

    public static String noAddress() {
        return "没有这个地址: 服务器只回答/JavaWebProject/(浏览页面)和其下的<类名>Servlet、upload、upload/<图片>";
    }

    public static String notUrlEncoded() {
        return "表单应以application/x-www-form-urlencoded发送";
    }

    public static String bodyTooLarge(long limit) {
        return "请求体超过" + limit + "字节的上限";
    }

    public static String bodyCutOff() {
        return "请求体不完整(连接中断?)，未做任何改动";
    }

    public static String foreignOrigin(String origin) {
        return "拒绝其他网站(" + origin + ")发来的修改请求";
    }

    public static String foreignSite(String site) {
        return "拒绝其他网站发来的修改请求(Sec-Fetch-Site: " + site + ")";
    }

    public static String uploadNotMultipart() {
        return "图片应以multipart/form-data上传，放在字段file中";
    }

    public static String uploadFieldCount() {
        return "请求中应有且只有一个字段file";
    }

    public static String notPicture() {
        return "上传的文件不是JPEG、PNG、GIF、BMP或WebP图片";
    }

    public static String noPicture() {
        return "没有这张图片";
    }

    public static String added(String friendName) {
        return friendName + "信息添加成功!";
    }

    public static String updated(String friendName) {
        return friendName + "信息更新成功!";
    }

    public static String deleted(String friendName) {
        return friendName + "信息删除成功!";
    }

    public static String keyTaken(String keyLabel, Object key, String friendName) {
        return "已有" + keyLabel + "为\"" + key + "\"的" + friendName;
    }

    public static String noObject(String keyLabel, Object key, String friendName) {
        return "没有" + keyLabel + "为\"" + key + "\"的" + friendName;
    }

    public static String referenceMissing(String memberLabel, String keyLabel, Object key,
            String friendName) {
        return memberLabel + ": " + noObject(keyLabel, key, friendName);
    }

    public static String stillReferenced(String friendName, Object key, String holderFriendName,
            Object holder, String memberLabel) {
        return friendName + "\"" + key + "\"仍被" + holderFriendName + "\"" + holder + "\"的"
                + memberLabel + "引用，不能删除";
    }

    public static String keysUsedUp(String friendName) {
        return friendName + "的编号已用尽";
    }

    public static String databaseFailure(String reason) {
        return "数据库操作失败: " + reason;
    }
}

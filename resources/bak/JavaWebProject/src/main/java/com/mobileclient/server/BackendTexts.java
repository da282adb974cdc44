package com.mobileclient.server;

/** Texts of this server that the development server does not answer. */
public final class BackendTexts {
    private BackendTexts() {
    }

    /** A text longer than its column holds (the member's length). */
    public static String textTooLong(String name, int maxLength) {
        return "参数" + name + "超过" + maxLength + "个字符";
    }

    /** The database failed; the reason is its own. */
    public static String databaseFailure(String reason) {
        return "数据库操作失败: " + reason;
    }
}

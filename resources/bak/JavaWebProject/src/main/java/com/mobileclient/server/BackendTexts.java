package com.mobileclient.server;

/** Texts of this server that the development server does not answer. */
public final class BackendTexts {
    private BackendTexts() {
    }

    /** The database failed; the reason is its own. */
    public static String databaseFailure(String reason) {
        return "数据库操作失败: " + reason;
    }
}

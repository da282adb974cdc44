package com.mobileclient.server;

/** The kinds of value a member's column holds, with their PostgreSQL types and defaults. */
public enum ColumnType {
    /** Text of at most the member's length; a length of 0 or less means no limit. */
    TEXT("''", "文本"),
    INTEGER("0", "整数"),
    REAL("0", "浮点数"),
    TIMESTAMP("'1970-01-01 00:00:00'", "日期时间");

    private final String defaultValue;
    private final String description;

    ColumnType(String defaultValue, String description) {
        this.defaultValue = defaultValue;
        this.description = description;
    }

    /** The column type as PostgreSQL's format_type() writes it. */
    public String sqlType(int length) {
        switch (this) {
            case TEXT:
                return length > 0 ? "character varying(" + length + ")" : "text";
            case INTEGER:
                return "integer";
            case REAL:
                return "double precision";
            default:
                return "timestamp without time zone";
        }
    }

    /** The value that rows older than the column get, as an SQL literal. */
    public String defaultValue() {
        return defaultValue;
    }

    /** The type's name in messages, e.g. "文本(最长20个字符)". */
    public String describe(int length) {
        return this == TEXT && length > 0 ? description + "(最长" + length + "个字符)" : description;
    }
}

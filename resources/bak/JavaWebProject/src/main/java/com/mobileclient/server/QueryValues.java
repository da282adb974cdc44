package com.mobileclient.server;

import java.time.LocalDateTime;

/**
 * Reads a query's parameters: a member without parameter, or with the value the query screen
 * sends for "any" (the empty text, 0 for a number), sets no condition and reads as null.
 */
public final class QueryValues {
    private QueryValues() {
    }

    public static String text(Form form, String name) {
        String text = form.get(name);
        return text == null || text.isEmpty() ? null : Values.checkedText(name, text);
    }

    public static Integer integer(Form form, String name) {
        String text = form.get(name);
        if (text == null || text.isEmpty()) {
            return null;
        }
        int value = Values.parseInteger(name, text);
        return value == 0 ? null : value;
    }

    public static Double number(Form form, String name) {
        String text = form.get(name);
        if (text == null || text.isEmpty()) {
            return null;
        }
        double value = Values.parseNumber(name, text);
        return value == 0 ? null : value;
    }

    public static LocalDateTime date(Form form, String name) {
        String text = form.get(name);
        return text == null || text.isEmpty() ? null : Values.parseDate(name, text);
    }
}

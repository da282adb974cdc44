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
        String text = given(form, name);
        return text == null ? null : Values.checkedText(name, text);
    }

    public static Integer integer(Form form, String name) {
        String text = given(form, name);
        Integer value = text == null ? null : Values.parseInteger(name, text);
        return value == null || value == 0 ? null : value;
    }

    public static Double number(Form form, String name) {
        String text = given(form, name);
        Double value = text == null ? null : Values.parseNumber(name, text);
        return value == null || value == 0 ? null : value;
    }

    public static LocalDateTime date(Form form, String name) {
        String text = given(form, name);
        return text == null ? null : Values.parseDate(name, text);
    }

    /** The parameter's text, or null when it was not sent or is empty. */
    private static String given(Form form, String name) {
        String text = form.get(name);
        return text == null || text.isEmpty() ? null : text;
    }
}

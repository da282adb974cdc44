package com.mobileclient.server;

import java.sql.PreparedStatement;
import java.sql.SQLException;
import java.time.LocalDateTime;
import java.util.ArrayList;
import java.util.List;

/**
 * The conditions of a query, as an SQL WHERE clause with placeholders and the values that go in
 * them. A null value sets no condition.
 */
public final class Conditions {
    private static final String UPPER = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    private static final String LOWER = "abcdefghijklmnopqrstuvwxyz";

    private final List<String> tests = new ArrayList<>();
    private final List<Object> values = new ArrayList<>();

    /** The column's text contains the value anywhere, ASCII letters in either case. */
    public Conditions containsText(String column, String value) {
        if (value != null) {
            tests.add("strpos(translate(" + column + ", '" + UPPER + "', '" + LOWER + "'), ?) > 0");
            values.add(asciiLowerCase(value));
        }
        return this;
    }

    /** The column holds exactly the value. */
    public Conditions equalTo(String column, Object value) {
        if (value != null) {
            tests.add(column + " = ?");
            values.add(value);
        }
        return this;
    }

    /** The column's date is on the same calendar day as the value. */
    public Conditions sameDay(String column, LocalDateTime value) {
        if (value != null) {
            LocalDateTime[] day = Values.dayOf(value);
            tests.add(column + " >= ? AND " + column + " < ?");
            values.add(day[0]);
            values.add(day[1]);
        }
        return this;
    }

    /** " WHERE ..." or nothing. */
    public String whereClause() {
        return tests.isEmpty() ? "" : " WHERE " + String.join(" AND ", tests);
    }

    /** Puts the values in the statement's placeholders, from the first on. */
    public void bind(PreparedStatement statement) throws SQLException {
        for (int i = 0; i < values.size(); i++) {
            statement.setObject(i + 1, values.get(i));
        }
    }

    private static String asciiLowerCase(String text) {
        StringBuilder lower = new StringBuilder(text.length());
        for (int i = 0; i < text.length(); i++) {
            char c = text.charAt(i);
            lower.append(c >= 'A' && c <= 'Z' ? (char) (c + ('a' - 'A')) : c);
        }
        return lower.toString();
    }
}

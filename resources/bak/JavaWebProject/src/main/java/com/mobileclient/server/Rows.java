package com.mobileclient.server;

import java.sql.Connection;
import java.sql.PreparedStatement;
import java.sql.ResultSet;
import java.sql.SQLException;
import java.sql.Types;

/** Small pieces of JDBC the data-access classes share. Every statement is a prepared one. */
public final class Rows {
    private Rows() {
    }

    /** True when the query finds a row. */
    public static boolean exists(Connection connection, String sql, Object... values)
            throws SQLException {
        return first(connection, sql, values) != null;
    }

    /** The first column of the query's first row, or null when it finds none. */
    public static Object first(Connection connection, String sql, Object... values)
            throws SQLException {
        try (PreparedStatement statement = prepare(connection, sql, values);
                ResultSet row = statement.executeQuery()) {
            return row.next() ? row.getObject(1) : null;
        }
    }

    /** Runs an INSERT, UPDATE or DELETE; answers the number of rows it changed. */
    public static int update(Connection connection, String sql, Object... values)
            throws SQLException {
        try (PreparedStatement statement = prepare(connection, sql, values)) {
            return statement.executeUpdate();
        }
    }

    /**
     * The key the next insert into the table will get unless another transaction takes it first:
     * the next value of the key column's identity sequence, read without taking it.
     */
    public static int nextKey(Connection connection, String table, String keyColumn)
            throws SQLException {
        String sql = "SELECT coalesce(s.last_value + s.increment_by, s.start_value)"
                + " FROM pg_sequences s WHERE format('%I.%I', s.schemaname, s.sequencename)::regclass"
                + " = pg_get_serial_sequence(?, ?)::regclass";
        Object next = first(connection, sql, table, keyColumn);
        return next == null ? 0 : ((Number) next).intValue();
    }

    /** A reference to an integer key: 0 (no object) is stored as NULL. */
    public static void setReference(PreparedStatement statement, int index, int key)
            throws SQLException {
        if (key == 0) {
            statement.setNull(index, Types.INTEGER);
        } else {
            statement.setInt(index, key);
        }
    }

    /** A reference to a text key: "" (no object) is stored as NULL. */
    public static void setReference(PreparedStatement statement, int index, String key)
            throws SQLException {
        if (key.isEmpty()) {
            statement.setNull(index, Types.VARCHAR);
        } else {
            statement.setString(index, key);
        }
    }

    /** A reference to a text key as read: "" for NULL (no object). */
    public static String textReference(ResultSet row, int index) throws SQLException {
        String key = row.getString(index);
        return key == null ? "" : key;
    }

    private static PreparedStatement prepare(Connection connection, String sql, Object... values)
            throws SQLException {
        PreparedStatement statement = connection.prepareStatement(sql);
        for (int i = 0; i < values.length; i++) {
            statement.setObject(i + 1, values[i]);
        }
        return statement;
    }
}

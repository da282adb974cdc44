package com.mobileclient.dao;

import com.mobileclient.domain.X;
import com.mobileclient.server.Conditions;
import com.mobileclient.server.Rows;
import java.sql.Connection;
import java.sql.PreparedStatement;
import java.sql.ResultSet;
import java.sql.SQLException;
import java.util.ArrayList;
import java.util.List;

/** The table of 某"甲"\\ objects (class X). */
public class XDAO {
    private static final String TABLE = "\"X\"";
    private static final String COLUMNS = "\"a\", \"t\"";
    private static final String ORDER = " ORDER BY \"a\"";

    public boolean exists(Connection connection, int key) throws SQLException {
        return Rows.exists(connection,
                "SELECT 1 FROM " + TABLE + " WHERE \"a\" = ?", key);
    }

    /** The key the next insert will most likely get: a guess, which takes no key. */
    public int nextKey(Connection connection) throws SQLException {
        return Rows.nextKey(connection, TABLE, "a");
    }

    /** Adds the object without its key; answers the key the database assigned. */
    public int insert(Connection connection, X x) throws SQLException {
        String sql = "INSERT INTO " + TABLE + " (\"t\") VALUES (?) RETURNING \"a\"";
        try (PreparedStatement statement = connection.prepareStatement(sql)) {
            statement.setString(1, x.getT());
            try (ResultSet row = statement.executeQuery()) {
                row.next();
                return row.getInt(1);
            }
        }
    }

    /** Replaces every member of the object with the key. */
    public void update(Connection connection, X x) throws SQLException {
        String sql = "UPDATE " + TABLE + " SET \"t\" = ?"
                + " WHERE \"a\" = ?";
        try (PreparedStatement statement = connection.prepareStatement(sql)) {
            statement.setString(1, x.getT());
            statement.setInt(2, x.getA());
            statement.executeUpdate();
        }
    }

    public void delete(Connection connection, int key) throws SQLException {
        Rows.update(connection, "DELETE FROM " + TABLE + " WHERE \"a\" = ?", key);
    }

    /** The object with the key: a list of one, or an empty list. */
    public List<X> find(Connection connection, int key) throws SQLException {
        return select(connection, new Conditions().equalTo("\"a\"", key));
    }

    /** The objects that meet every condition given (null: none), by key. */
    public List<X> query(Connection connection)
            throws SQLException {
        return select(connection, new Conditions());
    }

    private List<X> select(Connection connection, Conditions conditions)
            throws SQLException {
        String sql = "SELECT " + COLUMNS + " FROM " + TABLE + conditions.whereClause() + ORDER;
        try (PreparedStatement statement = connection.prepareStatement(sql)) {
            conditions.bind(statement);
            try (ResultSet row = statement.executeQuery()) {
                List<X> list = new ArrayList<>();
                while (row.next()) {
                    list.add(read(row));
                }
                return list;
            }
        }
    }

    private static X read(ResultSet row) throws SQLException {
        return new X(
                row.getInt(1),
                row.getString(2));
    }
}

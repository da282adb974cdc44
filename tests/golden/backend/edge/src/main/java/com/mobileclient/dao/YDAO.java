package com.mobileclient.dao;

import com.mobileclient.domain.Y;
import com.mobileclient.server.Conditions;
import com.mobileclient.server.Rows;
import java.sql.Connection;
import java.sql.PreparedStatement;
import java.sql.ResultSet;
import java.sql.SQLException;
import java.time.LocalDateTime;
import java.util.ArrayList;
import java.util.List;

/** The table of 另 objects (class Y). */
public class YDAO {
    private static final String TABLE = "\"Y\"";
    private static final String COLUMNS = "\"b\", \"p\", \"x\", \"d\"";
    private static final String ORDER = " ORDER BY \"b\" COLLATE \"C\"";

    public boolean exists(Connection connection, String key) throws SQLException {
        return Rows.exists(connection,
                "SELECT 1 FROM " + TABLE + " WHERE \"b\" = ?", key);
    }

    public void insert(Connection connection, Y y) throws SQLException {
        String sql = "INSERT INTO " + TABLE + " (\"b\", \"p\", \"x\", \"d\") VALUES (?, ?, ?, ?)";
        try (PreparedStatement statement = connection.prepareStatement(sql)) {
            statement.setString(1, y.getB());
            Rows.setReference(statement, 2, y.getP());
            Rows.setReference(statement, 3, y.getX());
            statement.setObject(4, y.getD());
            statement.executeUpdate();
        }
    }

    /** Replaces every member of the object with the key. */
    public void update(Connection connection, Y y) throws SQLException {
        String sql = "UPDATE " + TABLE + " SET \"p\" = ?, \"x\" = ?, \"d\" = ?"
                + " WHERE \"b\" = ?";
        try (PreparedStatement statement = connection.prepareStatement(sql)) {
            Rows.setReference(statement, 1, y.getP());
            Rows.setReference(statement, 2, y.getX());
            statement.setObject(3, y.getD());
            statement.setString(4, y.getB());
            statement.executeUpdate();
        }
    }

    public void delete(Connection connection, String key) throws SQLException {
        Rows.update(connection, "DELETE FROM " + TABLE + " WHERE \"b\" = ?", key);
    }

    /** The object with the key: a list of one, or an empty list. */
    public List<Y> find(Connection connection, String key) throws SQLException {
        return select(connection, new Conditions().equalTo("\"b\"", key));
    }

    /** The objects that meet every condition given (null: none), by key. */
    public List<Y> query(Connection connection, String p, Integer x)
            throws SQLException {
        return select(connection, new Conditions()
                .equalTo("\"p\"", p)
                .equalTo("\"x\"", x));
    }

    /** The key of the first object whose 档案 is the key, or null. */
    public Object firstWithP(Connection connection, String key)
            throws SQLException {
        return Rows.first(connection, "SELECT \"b\" FROM " + TABLE
                + " WHERE \"p\" = ?" + ORDER + " LIMIT 1", key);
    }

    /** The key of the first object whose @某 is the key, or null. */
    public Object firstWithX(Connection connection, int key)
            throws SQLException {
        return Rows.first(connection, "SELECT \"b\" FROM " + TABLE
                + " WHERE \"x\" = ?" + ORDER + " LIMIT 1", key);
    }

    private List<Y> select(Connection connection, Conditions conditions)
            throws SQLException {
        String sql = "SELECT " + COLUMNS + " FROM " + TABLE + conditions.whereClause() + ORDER;
        try (PreparedStatement statement = connection.prepareStatement(sql)) {
            conditions.bind(statement);
            try (ResultSet row = statement.executeQuery()) {
                List<Y> list = new ArrayList<>();
                while (row.next()) {
                    list.add(read(row));
                }
                return list;
            }
        }
    }

    private static Y read(ResultSet row) throws SQLException {
        return new Y(
                row.getString(1),
                Rows.textReference(row, 2),
                row.getInt(3),
                row.getObject(4, LocalDateTime.class));
    }
}

package com.mobileclient.dao;

import com.mobileclient.domain.Badge;
import com.mobileclient.server.Conditions;
import com.mobileclient.server.Rows;
import java.sql.Connection;
import java.sql.PreparedStatement;
import java.sql.ResultSet;
import java.sql.SQLException;
import java.util.ArrayList;
import java.util.List;

/** The table of 徽章 objects (class Badge). */
public class BadgeDAO {
    private static final String TABLE = "\"Badge\"";
    private static final String COLUMNS = "\"badgePic\", \"label\", \"category\"";
    private static final String ORDER = " ORDER BY \"badgePic\" COLLATE \"C\"";

    public boolean exists(Connection connection, String key) throws SQLException {
        return Rows.exists(connection,
                "SELECT 1 FROM " + TABLE + " WHERE \"badgePic\" = ?", key);
    }

    public void insert(Connection connection, Badge badge) throws SQLException {
        String sql = "INSERT INTO " + TABLE + " (\"badgePic\", \"label\", \"category\") VALUES (?, ?, ?)";
        try (PreparedStatement statement = connection.prepareStatement(sql)) {
            statement.setString(1, badge.getBadgePic());
            statement.setString(2, badge.getLabel());
            Rows.setReference(statement, 3, badge.getCategory());
            statement.executeUpdate();
        }
    }

    /** Replaces every member of the object with the key. */
    public void update(Connection connection, Badge badge) throws SQLException {
        String sql = "UPDATE " + TABLE + " SET \"label\" = ?, \"category\" = ?"
                + " WHERE \"badgePic\" = ?";
        try (PreparedStatement statement = connection.prepareStatement(sql)) {
            statement.setString(1, badge.getLabel());
            Rows.setReference(statement, 2, badge.getCategory());
            statement.setString(3, badge.getBadgePic());
            statement.executeUpdate();
        }
    }

    public void delete(Connection connection, String key) throws SQLException {
        Rows.update(connection, "DELETE FROM " + TABLE + " WHERE \"badgePic\" = ?", key);
    }

    /** The object with the key: a list of one, or an empty list. */
    public List<Badge> find(Connection connection, String key) throws SQLException {
        return select(connection, new Conditions().equalTo("\"badgePic\"", key));
    }

    /** The objects that meet every condition given (null: none), by key. */
    public List<Badge> query(Connection connection)
            throws SQLException {
        return select(connection, new Conditions());
    }

    /** The key of the first object whose 类别 is the key, or null. */
    public Object firstWithCategory(Connection connection, String key)
            throws SQLException {
        return Rows.first(connection, "SELECT \"badgePic\" FROM " + TABLE
                + " WHERE \"category\" = ?" + ORDER + " LIMIT 1", key);
    }

    private List<Badge> select(Connection connection, Conditions conditions)
            throws SQLException {
        String sql = "SELECT " + COLUMNS + " FROM " + TABLE + conditions.whereClause() + ORDER;
        try (PreparedStatement statement = connection.prepareStatement(sql)) {
            conditions.bind(statement);
            try (ResultSet row = statement.executeQuery()) {
                List<Badge> list = new ArrayList<>();
                while (row.next()) {
                    list.add(read(row));
                }
                return list;
            }
        }
    }

    private static Badge read(ResultSet row) throws SQLException {
        return new Badge(
                row.getString(1),
                row.getString(2),
                Rows.textReference(row, 3));
    }
}

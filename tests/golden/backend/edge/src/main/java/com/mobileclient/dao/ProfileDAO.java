package com.mobileclient.dao;

import com.mobileclient.domain.Profile;
import com.mobileclient.server.Conditions;
import com.mobileclient.server.Rows;
import java.sql.Connection;
import java.sql.PreparedStatement;
import java.sql.ResultSet;
import java.sql.SQLException;
import java.time.LocalDateTime;
import java.util.ArrayList;
import java.util.List;

/** The table of 档案 objects (class Profile). */
public class ProfileDAO {
    private static final String TABLE = "\"Profile\"";
    private static final String COLUMNS = "\"trip\", \"level\", \"since\"";
    private static final String ORDER = " ORDER BY \"trip\" COLLATE \"C\"";

    public boolean exists(Connection connection, String key) throws SQLException {
        return Rows.exists(connection,
                "SELECT 1 FROM " + TABLE + " WHERE \"trip\" = ?", key);
    }

    public void insert(Connection connection, Profile profile) throws SQLException {
        String sql = "INSERT INTO " + TABLE + " (\"trip\", \"level\", \"since\") VALUES (?, ?, ?)";
        try (PreparedStatement statement = connection.prepareStatement(sql)) {
            Rows.setReference(statement, 1, profile.getTrip());
            statement.setDouble(2, profile.getLevel());
            statement.setObject(3, profile.getSince());
            statement.executeUpdate();
        }
    }

    /** Replaces every member of the object with the key. */
    public void update(Connection connection, Profile profile) throws SQLException {
        String sql = "UPDATE " + TABLE + " SET \"level\" = ?, \"since\" = ?"
                + " WHERE \"trip\" = ?";
        try (PreparedStatement statement = connection.prepareStatement(sql)) {
            statement.setDouble(1, profile.getLevel());
            statement.setObject(2, profile.getSince());
            Rows.setReference(statement, 3, profile.getTrip());
            statement.executeUpdate();
        }
    }

    public void delete(Connection connection, String key) throws SQLException {
        Rows.update(connection, "DELETE FROM " + TABLE + " WHERE \"trip\" = ?", key);
    }

    /** The object with the key: a list of one, or an empty list. */
    public List<Profile> find(Connection connection, String key) throws SQLException {
        return select(connection, new Conditions().equalTo("\"trip\"", key));
    }

    /** The objects that meet every condition given (null: none), by key. */
    public List<Profile> query(Connection connection)
            throws SQLException {
        return select(connection, new Conditions());
    }

    /** The key of the first object whose 行程 is the key, or null. */
    public Object firstWithTrip(Connection connection, String key)
            throws SQLException {
        return Rows.first(connection, "SELECT \"trip\" FROM " + TABLE
                + " WHERE \"trip\" = ?" + ORDER + " LIMIT 1", key);
    }

    private List<Profile> select(Connection connection, Conditions conditions)
            throws SQLException {
        String sql = "SELECT " + COLUMNS + " FROM " + TABLE + conditions.whereClause() + ORDER;
        try (PreparedStatement statement = connection.prepareStatement(sql)) {
            conditions.bind(statement);
            try (ResultSet row = statement.executeQuery()) {
                List<Profile> list = new ArrayList<>();
                while (row.next()) {
                    list.add(read(row));
                }
                return list;
            }
        }
    }

    private static Profile read(ResultSet row) throws SQLException {
        return new Profile(
                Rows.textReference(row, 1),
                row.getDouble(2),
                row.getObject(3, LocalDateTime.class));
    }
}

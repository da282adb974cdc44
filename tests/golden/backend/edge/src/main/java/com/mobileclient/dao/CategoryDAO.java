package com.mobileclient.dao;

import com.mobileclient.domain.Category;
import com.mobileclient.server.Conditions;
import com.mobileclient.server.Rows;
import java.sql.Connection;
import java.sql.PreparedStatement;
import java.sql.ResultSet;
import java.sql.SQLException;
import java.util.ArrayList;
import java.util.List;

/** The table of 类别 objects (class Category). */
public class CategoryDAO {
    private static final String TABLE = "\"Category\"";
    private static final String COLUMNS = "\"categoryName\", \"parent\", \"picture\"";
    private static final String ORDER = " ORDER BY \"categoryName\" COLLATE \"C\"";

    public boolean exists(Connection connection, String key) throws SQLException {
        return Rows.exists(connection,
                "SELECT 1 FROM " + TABLE + " WHERE \"categoryName\" = ?", key);
    }

    public void insert(Connection connection, Category category) throws SQLException {
        String sql = "INSERT INTO " + TABLE + " (\"categoryName\", \"parent\", \"picture\") VALUES (?, ?, ?)";
        try (PreparedStatement statement = connection.prepareStatement(sql)) {
            statement.setString(1, category.getCategoryName());
            Rows.setReference(statement, 2, category.getParent());
            statement.setString(3, category.getPicture());
            statement.executeUpdate();
        }
    }

    /** Replaces every member of the object with the key. */
    public void update(Connection connection, Category category) throws SQLException {
        String sql = "UPDATE " + TABLE + " SET \"parent\" = ?, \"picture\" = ?"
                + " WHERE \"categoryName\" = ?";
        try (PreparedStatement statement = connection.prepareStatement(sql)) {
            Rows.setReference(statement, 1, category.getParent());
            statement.setString(2, category.getPicture());
            statement.setString(3, category.getCategoryName());
            statement.executeUpdate();
        }
    }

    public void delete(Connection connection, String key) throws SQLException {
        Rows.update(connection, "DELETE FROM " + TABLE + " WHERE \"categoryName\" = ?", key);
    }

    /** The object with the key: a list of one, or an empty list. */
    public List<Category> find(Connection connection, String key) throws SQLException {
        return select(connection, new Conditions().equalTo("\"categoryName\"", key));
    }

    /** The objects that meet every condition given (null: none), by key. */
    public List<Category> query(Connection connection, String parent, String picture)
            throws SQLException {
        return select(connection, new Conditions()
                .equalTo("\"parent\"", parent)
                .containsText("\"picture\"", picture));
    }

    /** The key of the first other object whose 上级类别 is the key, or null. */
    public Object firstWithParent(Connection connection, String key)
            throws SQLException {
        return Rows.first(connection, "SELECT \"categoryName\" FROM " + TABLE
                + " WHERE \"parent\" = ? AND \"categoryName\" <> ?" + ORDER + " LIMIT 1", key, key);
    }

    private List<Category> select(Connection connection, Conditions conditions)
            throws SQLException {
        String sql = "SELECT " + COLUMNS + " FROM " + TABLE + conditions.whereClause() + ORDER;
        try (PreparedStatement statement = connection.prepareStatement(sql)) {
            conditions.bind(statement);
            try (ResultSet row = statement.executeQuery()) {
                List<Category> list = new ArrayList<>();
                while (row.next()) {
                    list.add(read(row));
                }
                return list;
            }
        }
    }

    private static Category read(ResultSet row) throws SQLException {
        return new Category(
                row.getString(1),
                Rows.textReference(row, 2),
                row.getString(3));
    }
}

package com.mobileclient.dao;

import com.mobileclient.domain.BookType;
import com.mobileclient.server.Conditions;
import com.mobileclient.server.Rows;
import java.sql.Connection;
import java.sql.PreparedStatement;
import java.sql.ResultSet;
import java.sql.SQLException;
import java.util.ArrayList;
import java.util.List;

/** The table of 图书类别 objects (class BookType). */
public class BookTypeDAO {
    private static final String TABLE = "\"BookType\"";
    private static final String COLUMNS = "\"typeId\", \"typeName\", \"borrowDays\"";
    private static final String ORDER = " ORDER BY \"typeId\"";

    public boolean exists(Connection connection, int key) throws SQLException {
        return Rows.exists(connection,
                "SELECT 1 FROM " + TABLE + " WHERE \"typeId\" = ?", key);
    }

    /** The key the next insert will most likely get: a guess, which takes no key. */
    public int nextKey(Connection connection) throws SQLException {
        return Rows.nextKey(connection, TABLE, "typeId");
    }

    /** Adds the object without its key; answers the key the database assigned. */
    public int insert(Connection connection, BookType bookType) throws SQLException {
        String sql = "INSERT INTO " + TABLE + " (\"typeName\", \"borrowDays\") VALUES (?, ?) RETURNING \"typeId\"";
        try (PreparedStatement statement = connection.prepareStatement(sql)) {
            statement.setString(1, bookType.getTypeName());
            statement.setInt(2, bookType.getBorrowDays());
            try (ResultSet row = statement.executeQuery()) {
                row.next();
                return row.getInt(1);
            }
        }
    }

    /** Replaces every member of the object with the key. */
    public void update(Connection connection, BookType bookType) throws SQLException {
        String sql = "UPDATE " + TABLE + " SET \"typeName\" = ?, \"borrowDays\" = ?"
                + " WHERE \"typeId\" = ?";
        try (PreparedStatement statement = connection.prepareStatement(sql)) {
            statement.setString(1, bookType.getTypeName());
            statement.setInt(2, bookType.getBorrowDays());
            statement.setInt(3, bookType.getTypeId());
            statement.executeUpdate();
        }
    }

    public void delete(Connection connection, int key) throws SQLException {
        Rows.update(connection, "DELETE FROM " + TABLE + " WHERE \"typeId\" = ?", key);
    }

    /** The object with the key: a list of one, or an empty list. */
    public List<BookType> find(Connection connection, int key) throws SQLException {
        return select(connection, new Conditions().equalTo("\"typeId\"", key));
    }

    /** The objects that meet every condition given (null: none), by key. */
    public List<BookType> query(Connection connection)
            throws SQLException {
        return select(connection, new Conditions());
    }

    private List<BookType> select(Connection connection, Conditions conditions)
            throws SQLException {
        String sql = "SELECT " + COLUMNS + " FROM " + TABLE + conditions.whereClause() + ORDER;
        try (PreparedStatement statement = connection.prepareStatement(sql)) {
            conditions.bind(statement);
            try (ResultSet row = statement.executeQuery()) {
                List<BookType> list = new ArrayList<>();
                while (row.next()) {
                    list.add(read(row));
                }
                return list;
            }
        }
    }

    private static BookType read(ResultSet row) throws SQLException {
        return new BookType(
                row.getInt(1),
                row.getString(2),
                row.getInt(3));
    }
}

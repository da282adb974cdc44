package com.mobileclient.dao;

import com.mobileclient.domain.Book;
import com.mobileclient.server.Conditions;
import com.mobileclient.server.Rows;
import java.sql.Connection;
import java.sql.PreparedStatement;
import java.sql.ResultSet;
import java.sql.SQLException;
import java.time.LocalDateTime;
import java.util.ArrayList;
import java.util.List;

/** The table of 图书 objects (class Book). */
public class BookDAO {
    private static final String TABLE = "\"Book\"";
    private static final String COLUMNS = "\"barcode\", \"bookName\", \"bookType\", \"price\", \"count\", \"publishDate\", \"publish\", \"bookPhoto\", \"introduction\"";
    private static final String ORDER = " ORDER BY \"barcode\" COLLATE \"C\"";

    public boolean exists(Connection connection, String key) throws SQLException {
        return Rows.exists(connection,
                "SELECT 1 FROM " + TABLE + " WHERE \"barcode\" = ?", key);
    }

    public void insert(Connection connection, Book book) throws SQLException {
        String sql = "INSERT INTO " + TABLE + " (\"barcode\", \"bookName\", \"bookType\", \"price\", \"count\", \"publishDate\", \"publish\", \"bookPhoto\", \"introduction\") VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)";
        try (PreparedStatement statement = connection.prepareStatement(sql)) {
            statement.setString(1, book.getBarcode());
            statement.setString(2, book.getBookName());
            Rows.setReference(statement, 3, book.getBookType());
            statement.setDouble(4, book.getPrice());
            statement.setInt(5, book.getCount());
            statement.setObject(6, book.getPublishDate());
            statement.setString(7, book.getPublish());
            statement.setString(8, book.getBookPhoto());
            statement.setString(9, book.getIntroduction());
            statement.executeUpdate();
        }
    }

    /** Replaces every member of the object with the key. */
    public void update(Connection connection, Book book) throws SQLException {
        String sql = "UPDATE " + TABLE + " SET \"bookName\" = ?, \"bookType\" = ?, \"price\" = ?, \"count\" = ?, \"publishDate\" = ?, \"publish\" = ?, \"bookPhoto\" = ?, \"introduction\" = ?"
                + " WHERE \"barcode\" = ?";
        try (PreparedStatement statement = connection.prepareStatement(sql)) {
            statement.setString(1, book.getBookName());
            Rows.setReference(statement, 2, book.getBookType());
            statement.setDouble(3, book.getPrice());
            statement.setInt(4, book.getCount());
            statement.setObject(5, book.getPublishDate());
            statement.setString(6, book.getPublish());
            statement.setString(7, book.getBookPhoto());
            statement.setString(8, book.getIntroduction());
            statement.setString(9, book.getBarcode());
            statement.executeUpdate();
        }
    }

    public void delete(Connection connection, String key) throws SQLException {
        Rows.update(connection, "DELETE FROM " + TABLE + " WHERE \"barcode\" = ?", key);
    }

    /** The object with the key: a list of one, or an empty list. */
    public List<Book> find(Connection connection, String key) throws SQLException {
        return select(connection, new Conditions().equalTo("\"barcode\"", key));
    }

    /** The objects that meet every condition given (null: none), by key. */
    public List<Book> query(Connection connection, String barcode, String bookName, Integer bookType, LocalDateTime publishDate)
            throws SQLException {
        return select(connection, new Conditions()
                .containsText("\"barcode\"", barcode)
                .containsText("\"bookName\"", bookName)
                .equalTo("\"bookType\"", bookType)
                .sameDay("\"publishDate\"", publishDate));
    }

    /** The key of the first object whose 图书类别 is the key, or null. */
    public Object firstWithBookType(Connection connection, int key)
            throws SQLException {
        return Rows.first(connection, "SELECT \"barcode\" FROM " + TABLE
                + " WHERE \"bookType\" = ?" + ORDER + " LIMIT 1", key);
    }

    private List<Book> select(Connection connection, Conditions conditions)
            throws SQLException {
        String sql = "SELECT " + COLUMNS + " FROM " + TABLE + conditions.whereClause() + ORDER;
        try (PreparedStatement statement = connection.prepareStatement(sql)) {
            conditions.bind(statement);
            try (ResultSet row = statement.executeQuery()) {
                List<Book> list = new ArrayList<>();
                while (row.next()) {
                    list.add(read(row));
                }
                return list;
            }
        }
    }

    private static Book read(ResultSet row) throws SQLException {
        return new Book(
                row.getString(1),
                row.getString(2),
                row.getInt(3),
                row.getDouble(4),
                row.getInt(5),
                row.getObject(6, LocalDateTime.class),
                row.getString(7),
                row.getString(8),
                row.getString(9));
    }
}

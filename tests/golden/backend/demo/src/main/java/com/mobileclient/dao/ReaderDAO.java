package com.mobileclient.dao;

import com.mobileclient.domain.Reader;
import com.mobileclient.server.Conditions;
import com.mobileclient.server.Rows;
import java.sql.Connection;
import java.sql.PreparedStatement;
import java.sql.ResultSet;
import java.sql.SQLException;
import java.time.LocalDateTime;
import java.util.ArrayList;
import java.util.List;

/** The table of 读者 objects (class Reader). */
public class ReaderDAO {
    private static final String TABLE = "\"Reader\"";
    private static final String COLUMNS = "\"readerNo\", \"readerName\", \"sex\", \"birthday\", \"telephone\", \"readerPhoto\"";
    private static final String ORDER = " ORDER BY \"readerNo\" COLLATE \"C\"";

    public boolean exists(Connection connection, String key) throws SQLException {
        return Rows.exists(connection,
                "SELECT 1 FROM " + TABLE + " WHERE \"readerNo\" = ?", key);
    }

    public void insert(Connection connection, Reader reader) throws SQLException {
        String sql = "INSERT INTO " + TABLE + " (\"readerNo\", \"readerName\", \"sex\", \"birthday\", \"telephone\", \"readerPhoto\") VALUES (?, ?, ?, ?, ?, ?)";
        try (PreparedStatement statement = connection.prepareStatement(sql)) {
            statement.setString(1, reader.getReaderNo());
            statement.setString(2, reader.getReaderName());
            statement.setString(3, reader.getSex());
            statement.setObject(4, reader.getBirthday());
            statement.setString(5, reader.getTelephone());
            statement.setString(6, reader.getReaderPhoto());
            statement.executeUpdate();
        }
    }

    /** Replaces every member of the object with the key. */
    public void update(Connection connection, Reader reader) throws SQLException {
        String sql = "UPDATE " + TABLE + " SET \"readerName\" = ?, \"sex\" = ?, \"birthday\" = ?, \"telephone\" = ?, \"readerPhoto\" = ?"
                + " WHERE \"readerNo\" = ?";
        try (PreparedStatement statement = connection.prepareStatement(sql)) {
            statement.setString(1, reader.getReaderName());
            statement.setString(2, reader.getSex());
            statement.setObject(3, reader.getBirthday());
            statement.setString(4, reader.getTelephone());
            statement.setString(5, reader.getReaderPhoto());
            statement.setString(6, reader.getReaderNo());
            statement.executeUpdate();
        }
    }

    public void delete(Connection connection, String key) throws SQLException {
        Rows.update(connection, "DELETE FROM " + TABLE + " WHERE \"readerNo\" = ?", key);
    }

    /** The object with the key: a list of one, or an empty list. */
    public List<Reader> find(Connection connection, String key) throws SQLException {
        return select(connection, new Conditions().equalTo("\"readerNo\"", key));
    }

    /** The objects that meet every condition given (null: none), by key. */
    public List<Reader> query(Connection connection, String readerNo, String readerName)
            throws SQLException {
        return select(connection, new Conditions()
                .containsText("\"readerNo\"", readerNo)
                .containsText("\"readerName\"", readerName));
    }

    private List<Reader> select(Connection connection, Conditions conditions)
            throws SQLException {
        String sql = "SELECT " + COLUMNS + " FROM " + TABLE + conditions.whereClause() + ORDER;
        try (PreparedStatement statement = connection.prepareStatement(sql)) {
            conditions.bind(statement);
            try (ResultSet row = statement.executeQuery()) {
                List<Reader> list = new ArrayList<>();
                while (row.next()) {
                    list.add(read(row));
                }
                return list;
            }
        }
    }

    private static Reader read(ResultSet row) throws SQLException {
        return new Reader(
                row.getString(1),
                row.getString(2),
                row.getString(3),
                row.getObject(4, LocalDateTime.class),
                row.getString(5),
                row.getString(6));
    }
}

package com.mobileclient.dao;

import com.mobileclient.domain.Loan;
import com.mobileclient.server.Conditions;
import com.mobileclient.server.Rows;
import java.sql.Connection;
import java.sql.PreparedStatement;
import java.sql.ResultSet;
import java.sql.SQLException;
import java.time.LocalDateTime;
import java.util.ArrayList;
import java.util.List;

/** The table of 借阅记录 objects (class Loan). */
public class LoanDAO {
    private static final String TABLE = "\"Loan\"";
    private static final String COLUMNS = "\"loanId\", \"book\", \"reader\", \"borrowDate\", \"memo\"";
    private static final String ORDER = " ORDER BY \"loanId\"";

    public boolean exists(Connection connection, int key) throws SQLException {
        return Rows.exists(connection,
                "SELECT 1 FROM " + TABLE + " WHERE \"loanId\" = ?", key);
    }

    /** The key the next insert will most likely get: a guess, which takes no key. */
    public int nextKey(Connection connection) throws SQLException {
        return Rows.nextKey(connection, TABLE, "loanId");
    }

    /** Adds the object without its key; answers the key the database assigned. */
    public int insert(Connection connection, Loan loan) throws SQLException {
        String sql = "INSERT INTO " + TABLE + " (\"book\", \"reader\", \"borrowDate\", \"memo\") VALUES (?, ?, ?, ?) RETURNING \"loanId\"";
        try (PreparedStatement statement = connection.prepareStatement(sql)) {
            Rows.setReference(statement, 1, loan.getBook());
            Rows.setReference(statement, 2, loan.getReader());
            statement.setObject(3, loan.getBorrowDate());
            statement.setString(4, loan.getMemo());
            try (ResultSet row = statement.executeQuery()) {
                row.next();
                return row.getInt(1);
            }
        }
    }

    /** Replaces every member of the object with the key. */
    public void update(Connection connection, Loan loan) throws SQLException {
        String sql = "UPDATE " + TABLE + " SET \"book\" = ?, \"reader\" = ?, \"borrowDate\" = ?, \"memo\" = ?"
                + " WHERE \"loanId\" = ?";
        try (PreparedStatement statement = connection.prepareStatement(sql)) {
            Rows.setReference(statement, 1, loan.getBook());
            Rows.setReference(statement, 2, loan.getReader());
            statement.setObject(3, loan.getBorrowDate());
            statement.setString(4, loan.getMemo());
            statement.setInt(5, loan.getLoanId());
            statement.executeUpdate();
        }
    }

    public void delete(Connection connection, int key) throws SQLException {
        Rows.update(connection, "DELETE FROM " + TABLE + " WHERE \"loanId\" = ?", key);
    }

    /** The object with the key: a list of one, or an empty list. */
    public List<Loan> find(Connection connection, int key) throws SQLException {
        return select(connection, new Conditions().equalTo("\"loanId\"", key));
    }

    /** The objects that meet every condition given (null: none), by key. */
    public List<Loan> query(Connection connection, String book, String reader, LocalDateTime borrowDate)
            throws SQLException {
        return select(connection, new Conditions()
                .equalTo("\"book\"", book)
                .equalTo("\"reader\"", reader)
                .sameDay("\"borrowDate\"", borrowDate));
    }

    /** The key of the first object whose 借阅图书 is the key, or null. */
    public Object firstWithBook(Connection connection, String key)
            throws SQLException {
        return Rows.first(connection, "SELECT \"loanId\" FROM " + TABLE
                + " WHERE \"book\" = ?" + ORDER + " LIMIT 1", key);
    }

    /** The key of the first object whose 借阅读者 is the key, or null. */
    public Object firstWithReader(Connection connection, String key)
            throws SQLException {
        return Rows.first(connection, "SELECT \"loanId\" FROM " + TABLE
                + " WHERE \"reader\" = ?" + ORDER + " LIMIT 1", key);
    }

    private List<Loan> select(Connection connection, Conditions conditions)
            throws SQLException {
        String sql = "SELECT " + COLUMNS + " FROM " + TABLE + conditions.whereClause() + ORDER;
        try (PreparedStatement statement = connection.prepareStatement(sql)) {
            conditions.bind(statement);
            try (ResultSet row = statement.executeQuery()) {
                List<Loan> list = new ArrayList<>();
                while (row.next()) {
                    list.add(read(row));
                }
                return list;
            }
        }
    }

    private static Loan read(ResultSet row) throws SQLException {
        return new Loan(
                row.getInt(1),
                Rows.textReference(row, 2),
                Rows.textReference(row, 3),
                row.getObject(4, LocalDateTime.class),
                row.getString(5));
    }
}

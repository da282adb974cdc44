package com.mobileclient.dao;

import com.mobileclient.domain.Trip;
import com.mobileclient.server.Conditions;
import com.mobileclient.server.Rows;
import java.sql.Connection;
import java.sql.PreparedStatement;
import java.sql.ResultSet;
import java.sql.SQLException;
import java.time.LocalDateTime;
import java.util.ArrayList;
import java.util.List;

/** The table of 行程 objects (class Trip). */
public class TripDAO {
    private static final String TABLE = "\"Trip\"";
    private static final String COLUMNS = "\"tripNo\", \"fromCity\", \"toCity\", \"city\", \"startDate\", \"fare\", \"seats\", \"photo\", \"ticket\", \"note\", \"memo\"";
    private static final String ORDER = " ORDER BY \"tripNo\" COLLATE \"C\"";

    public boolean exists(Connection connection, String key) throws SQLException {
        return Rows.exists(connection,
                "SELECT 1 FROM " + TABLE + " WHERE \"tripNo\" = ?", key);
    }

    public void insert(Connection connection, Trip trip) throws SQLException {
        String sql = "INSERT INTO " + TABLE + " (\"tripNo\", \"fromCity\", \"toCity\", \"city\", \"startDate\", \"fare\", \"seats\", \"photo\", \"ticket\", \"note\", \"memo\") VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)";
        try (PreparedStatement statement = connection.prepareStatement(sql)) {
            statement.setString(1, trip.getTripNo());
            Rows.setReference(statement, 2, trip.getFromCity());
            Rows.setReference(statement, 3, trip.getToCity());
            Rows.setReference(statement, 4, trip.getCity());
            statement.setObject(5, trip.getStartDate());
            statement.setDouble(6, trip.getFare());
            statement.setInt(7, trip.getSeats());
            statement.setString(8, trip.getPhoto());
            statement.setString(9, trip.getTicket());
            statement.setString(10, trip.getNote());
            statement.setString(11, trip.getMemo());
            statement.executeUpdate();
        }
    }

    /** Replaces every member of the object with the key. */
    public void update(Connection connection, Trip trip) throws SQLException {
        String sql = "UPDATE " + TABLE + " SET \"fromCity\" = ?, \"toCity\" = ?, \"city\" = ?, \"startDate\" = ?, \"fare\" = ?, \"seats\" = ?, \"photo\" = ?, \"ticket\" = ?, \"note\" = ?, \"memo\" = ?"
                + " WHERE \"tripNo\" = ?";
        try (PreparedStatement statement = connection.prepareStatement(sql)) {
            Rows.setReference(statement, 1, trip.getFromCity());
            Rows.setReference(statement, 2, trip.getToCity());
            Rows.setReference(statement, 3, trip.getCity());
            statement.setObject(4, trip.getStartDate());
            statement.setDouble(5, trip.getFare());
            statement.setInt(6, trip.getSeats());
            statement.setString(7, trip.getPhoto());
            statement.setString(8, trip.getTicket());
            statement.setString(9, trip.getNote());
            statement.setString(10, trip.getMemo());
            statement.setString(11, trip.getTripNo());
            statement.executeUpdate();
        }
    }

    public void delete(Connection connection, String key) throws SQLException {
        Rows.update(connection, "DELETE FROM " + TABLE + " WHERE \"tripNo\" = ?", key);
    }

    /** The object with the key: a list of one, or an empty list. */
    public List<Trip> find(Connection connection, String key) throws SQLException {
        return select(connection, new Conditions().equalTo("\"tripNo\"", key));
    }

    /** The objects that meet every condition given (null: none), by key. */
    public List<Trip> query(Connection connection, Integer fromCity, Integer toCity, LocalDateTime startDate, Double fare, Integer seats, String photo)
            throws SQLException {
        return select(connection, new Conditions()
                .equalTo("\"fromCity\"", fromCity)
                .equalTo("\"toCity\"", toCity)
                .sameDay("\"startDate\"", startDate)
                .equalTo("\"fare\"", fare)
                .equalTo("\"seats\"", seats)
                .containsText("\"photo\"", photo));
    }

    /** The key of the first object whose 出发城市 is the key, or null. */
    public Object firstWithFromCity(Connection connection, int key)
            throws SQLException {
        return Rows.first(connection, "SELECT \"tripNo\" FROM " + TABLE
                + " WHERE \"fromCity\" = ?" + ORDER + " LIMIT 1", key);
    }

    /** The key of the first object whose 到达城市 is the key, or null. */
    public Object firstWithToCity(Connection connection, int key)
            throws SQLException {
        return Rows.first(connection, "SELECT \"tripNo\" FROM " + TABLE
                + " WHERE \"toCity\" = ?" + ORDER + " LIMIT 1", key);
    }

    /** The key of the first object whose city is the key, or null. */
    public Object firstWithCity(Connection connection, int key)
            throws SQLException {
        return Rows.first(connection, "SELECT \"tripNo\" FROM " + TABLE
                + " WHERE \"city\" = ?" + ORDER + " LIMIT 1", key);
    }

    private List<Trip> select(Connection connection, Conditions conditions)
            throws SQLException {
        String sql = "SELECT " + COLUMNS + " FROM " + TABLE + conditions.whereClause() + ORDER;
        try (PreparedStatement statement = connection.prepareStatement(sql)) {
            conditions.bind(statement);
            try (ResultSet row = statement.executeQuery()) {
                List<Trip> list = new ArrayList<>();
                while (row.next()) {
                    list.add(read(row));
                }
                return list;
            }
        }
    }

    private static Trip read(ResultSet row) throws SQLException {
        return new Trip(
                row.getString(1),
                row.getInt(2),
                row.getInt(3),
                row.getInt(4),
                row.getObject(5, LocalDateTime.class),
                row.getDouble(6),
                row.getInt(7),
                row.getString(8),
                row.getString(9),
                row.getString(10),
                row.getString(11));
    }
}

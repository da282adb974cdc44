package com.mobileclient.dao;

import com.mobileclient.domain.City;
import com.mobileclient.server.Conditions;
import com.mobileclient.server.Rows;
import java.sql.Connection;
import java.sql.PreparedStatement;
import java.sql.ResultSet;
import java.sql.SQLException;
import java.util.ArrayList;
import java.util.List;

/** The table of 城市 objects (class City). */
public class CityDAO {
    private static final String TABLE = "\"City\"";
    private static final String COLUMNS = "\"cityId\", \"cityName\"";
    private static final String ORDER = " ORDER BY \"cityId\"";

    public boolean exists(Connection connection, int key) throws SQLException {
        return Rows.exists(connection,
                "SELECT 1 FROM " + TABLE + " WHERE \"cityId\" = ?", key);
    }

    /** The key the next insert will most likely get: a guess, which takes no key. */
    public int nextKey(Connection connection) throws SQLException {
        return Rows.nextKey(connection, TABLE, "cityId");
    }

    /** Adds the object without its key; answers the key the database assigned. */
    public int insert(Connection connection, City city) throws SQLException {
        String sql = "INSERT INTO " + TABLE + " (\"cityName\") VALUES (?) RETURNING \"cityId\"";
        try (PreparedStatement statement = connection.prepareStatement(sql)) {
            statement.setString(1, city.getCityName());
            try (ResultSet row = statement.executeQuery()) {
                row.next();
                return row.getInt(1);
            }
        }
    }

    /** Replaces every member of the object with the key. */
    public void update(Connection connection, City city) throws SQLException {
        String sql = "UPDATE " + TABLE + " SET \"cityName\" = ?"
                + " WHERE \"cityId\" = ?";
        try (PreparedStatement statement = connection.prepareStatement(sql)) {
            statement.setString(1, city.getCityName());
            statement.setInt(2, city.getCityId());
            statement.executeUpdate();
        }
    }

    public void delete(Connection connection, int key) throws SQLException {
        Rows.update(connection, "DELETE FROM " + TABLE + " WHERE \"cityId\" = ?", key);
    }

    /** The object with the key: a list of one, or an empty list. */
    public List<City> find(Connection connection, int key) throws SQLException {
        return select(connection, new Conditions().equalTo("\"cityId\"", key));
    }

    /** The objects that meet every condition given (null: none), by key. */
    public List<City> query(Connection connection, String cityName)
            throws SQLException {
        return select(connection, new Conditions()
                .containsText("\"cityName\"", cityName));
    }

    private List<City> select(Connection connection, Conditions conditions)
            throws SQLException {
        String sql = "SELECT " + COLUMNS + " FROM " + TABLE + conditions.whereClause() + ORDER;
        try (PreparedStatement statement = connection.prepareStatement(sql)) {
            conditions.bind(statement);
            try (ResultSet row = statement.executeQuery()) {
                List<City> list = new ArrayList<>();
                while (row.next()) {
                    list.add(read(row));
                }
                return list;
            }
        }
    }

    private static City read(ResultSet row) throws SQLException {
        return new City(
                row.getInt(1),
                row.getString(2));
    }
}

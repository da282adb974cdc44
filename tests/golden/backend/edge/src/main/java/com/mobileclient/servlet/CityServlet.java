package com.mobileclient.servlet;

import com.mobileclient.dao.CityDAO;
import com.mobileclient.dao.TripDAO;
import com.mobileclient.domain.City;
import com.mobileclient.server.Database;
import com.mobileclient.server.Form;
import com.mobileclient.server.Protocol;
import com.mobileclient.server.QueryValues;
import com.mobileclient.server.Refusal;
import com.mobileclient.server.Replies;
import com.mobileclient.server.ServletBase;
import com.mobileclient.server.Values;
import java.sql.Connection;
import java.sql.SQLException;
import java.util.List;

/** The client's requests for 城市 objects (class City). */
public class CityServlet extends ServletBase {
    private static final long serialVersionUID = 1L;
    private static final String FRIEND_NAME = "城市";
    private static final String KEY_LABEL = "城市编号";

    private final CityDAO dao = new CityDAO();
    private final TripDAO tripDAO = new TripDAO();

    @Override
    protected Answer add(Form form) throws SQLException {
        City city = read(form, false);
        return Database.inTransaction(connection -> {
            checkReferences(connection, city, true);
            try {
                dao.insert(connection, city);
            } catch (SQLException e) {
                throw Database.refusalIfKeysUsedUp(e, FRIEND_NAME);
            }
            return Answer.text(Protocol.addText(FRIEND_NAME));
        });
    }

    @Override
    protected Answer update(Form form) throws SQLException {
        City city = read(form, true);
        return Database.inTransaction(connection -> {
            requireExisting(connection, city.getCityId());
            checkReferences(connection, city, false);
            dao.update(connection, city);
            return Answer.text(Protocol.updateText(FRIEND_NAME));
        });
    }

    @Override
    protected Answer delete(Form form) throws SQLException {
        int key = Values.integer(form, "cityId");
        return Database.inTransaction(connection -> {
            requireExisting(connection, key);
            checkNotReferenced(connection, key);
            dao.delete(connection, key);
            return Answer.text(Protocol.deleteText(FRIEND_NAME));
        });
    }

    @Override
    protected Answer updateQuery(Form form) throws SQLException {
        int key = Values.integer(form, "cityId");
        return Answer.json(json(Database.inTransaction(connection -> dao.find(connection, key))));
    }

    @Override
    protected Answer query(Form form) throws SQLException {
        return Answer.xml(xml(Database.inTransaction(connection -> dao.query(connection,
                QueryValues.text(form, "cityName")))));
    }

    /** Every member, in member order, as the form sends it. */
    private static City read(Form form, boolean withKey) {
        return new City(
                withKey ? Values.integer(form, "cityId") : 0,
                Values.text(form, "cityName", 99));
    }

    private void requireExisting(Connection connection, int key) throws SQLException {
        if (!dao.exists(connection, key)) {
            throw new Refusal(404, Protocol.noSuchObject(KEY_LABEL, key, FRIEND_NAME));
        }
    }

    /** Every reference names an existing object, or none (0, ""). */
    private void checkReferences(Connection connection, City city, boolean adding)
            throws SQLException {
    }

    /** No other object refers to the one with the key. */
    private void checkNotReferenced(Connection connection, int key)
            throws SQLException {
        refuseIfReferenced(FRIEND_NAME, key, tripDAO.firstWithFromCity(connection, key),
                "行程", "出发城市");
        refuseIfReferenced(FRIEND_NAME, key, tripDAO.firstWithToCity(connection, key),
                "行程", "到达城市");
        refuseIfReferenced(FRIEND_NAME, key, tripDAO.firstWithCity(connection, key),
                "行程", "city");
    }

    /** The query's answer: one element per object, one child per member. */
    private static String xml(List<City> list) {
        StringBuilder xml = new StringBuilder(
                "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<CityList>\n");
        for (City city : list) {
            xml.append("<City>");
            xml.append("<cityId>").append(city.getCityId()).append("</cityId>");
            xml.append("<cityName>").append(Replies.xmlText(city.getCityName())).append("</cityName>");
            xml.append("</City>\n");
        }
        return xml.append("</CityList>\n").toString();
    }

    /** The objects as a JSON array; each object's members by name. */
    private static String json(List<City> list) {
        StringBuilder json = new StringBuilder("[");
        for (City city : list) {
            json.append(json.length() == 1 ? "{" : ",{");
            json.append("\"cityId\":").append(city.getCityId());
            json.append(",\"cityName\":").append(Replies.jsonText(city.getCityName()));
            json.append('}');
        }
        return json.append(']').toString();
    }
}

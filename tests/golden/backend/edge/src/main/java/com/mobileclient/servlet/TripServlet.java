package com.mobileclient.servlet;

import com.mobileclient.dao.TripDAO;
import com.mobileclient.dao.CityDAO;
import com.mobileclient.dao.ProfileDAO;
import com.mobileclient.domain.Trip;
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

/** The client's requests for 行程 objects (class Trip). */
public class TripServlet extends ServletBase {
    private static final long serialVersionUID = 1L;
    private static final String FRIEND_NAME = "行程";
    private static final String KEY_LABEL = "行程号";

    private final TripDAO dao = new TripDAO();
    private final CityDAO cityDAO = new CityDAO();
    private final ProfileDAO profileDAO = new ProfileDAO();

    @Override
    protected Answer add(Form form) throws SQLException {
        Trip trip = read(form);
        return Database.inTransaction(connection -> {
            if (dao.exists(connection, trip.getTripNo())) {
                throw new Refusal(409,
                        Protocol.keyExists(KEY_LABEL, trip.getTripNo(), FRIEND_NAME));
            }
            checkReferences(connection, trip, true);
            dao.insert(connection, trip);
            return Answer.text(Protocol.addText(FRIEND_NAME));
        });
    }

    @Override
    protected Answer update(Form form) throws SQLException {
        Trip trip = read(form);
        return Database.inTransaction(connection -> {
            requireExisting(connection, trip.getTripNo());
            checkReferences(connection, trip, false);
            dao.update(connection, trip);
            return Answer.text(Protocol.updateText(FRIEND_NAME));
        });
    }

    @Override
    protected Answer delete(Form form) throws SQLException {
        String key = Values.textKey(form, "tripNo", KEY_LABEL);
        return Database.inTransaction(connection -> {
            requireExisting(connection, key);
            checkNotReferenced(connection, key);
            dao.delete(connection, key);
            return Answer.text(Protocol.deleteText(FRIEND_NAME));
        });
    }

    @Override
    protected Answer updateQuery(Form form) throws SQLException {
        String key = Values.textKey(form, "tripNo", KEY_LABEL);
        return Answer.json(json(Database.inTransaction(connection -> dao.find(connection, key))));
    }

    @Override
    protected Answer query(Form form) throws SQLException {
        return Answer.xml(xml(Database.inTransaction(connection -> dao.query(connection,
                QueryValues.integer(form, "fromCity"),
                QueryValues.integer(form, "toCity"),
                QueryValues.date(form, "startDate"),
                QueryValues.number(form, "fare"),
                QueryValues.integer(form, "seats"),
                QueryValues.text(form, "photo")))));
    }

    /** Every member, in member order, as the form sends it. */
    private static Trip read(Form form) {
        return new Trip(
                Values.textKey(form, "tripNo", KEY_LABEL, 100),
                Values.integer(form, "fromCity"),
                Values.integer(form, "toCity"),
                Values.integer(form, "city"),
                Values.date(form, "startDate"),
                Values.number(form, "fare"),
                Values.integer(form, "seats"),
                Values.text(form, "photo"),
                Values.text(form, "ticket"),
                Values.text(form, "note", 100),
                Values.text(form, "memo", 99));
    }

    private void requireExisting(Connection connection, String key) throws SQLException {
        if (!dao.exists(connection, key)) {
            throw new Refusal(404, Protocol.noSuchObject(KEY_LABEL, key, FRIEND_NAME));
        }
    }

    /** Every reference names an existing object, or none (0, ""). */
    private void checkReferences(Connection connection, Trip trip, boolean adding)
            throws SQLException {
        if (trip.getFromCity() != 0 && !cityDAO.exists(connection, trip.getFromCity())) {
            throw new Refusal(409, Protocol.referenceToNothing("出发城市", "城市编号",
                    trip.getFromCity(), "城市"));
        }
        if (trip.getToCity() != 0 && !cityDAO.exists(connection, trip.getToCity())) {
            throw new Refusal(409, Protocol.referenceToNothing("到达城市", "城市编号",
                    trip.getToCity(), "城市"));
        }
        if (trip.getCity() != 0 && !cityDAO.exists(connection, trip.getCity())) {
            throw new Refusal(409, Protocol.referenceToNothing("city", "城市编号",
                    trip.getCity(), "城市"));
        }
    }

    /** No other object refers to the one with the key. */
    private void checkNotReferenced(Connection connection, String key)
            throws SQLException {
        refuseIfReferenced(FRIEND_NAME, key, profileDAO.firstWithTrip(connection, key),
                "档案", "行程");
    }

    /** The query's answer: one element per object, one child per member. */
    private static String xml(List<Trip> list) {
        StringBuilder xml = new StringBuilder(
                "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<TripList>\n");
        for (Trip trip : list) {
            xml.append("<Trip>");
            xml.append("<tripNo>").append(Replies.xmlText(trip.getTripNo())).append("</tripNo>");
            xml.append("<fromCity>").append(trip.getFromCity()).append("</fromCity>");
            xml.append("<toCity>").append(trip.getToCity()).append("</toCity>");
            xml.append("<city>").append(trip.getCity()).append("</city>");
            xml.append("<startDate>").append(Values.dateText(trip.getStartDate())).append("</startDate>");
            xml.append("<fare>").append(trip.getFare()).append("</fare>");
            xml.append("<seats>").append(trip.getSeats()).append("</seats>");
            xml.append("<photo>").append(Replies.xmlText(trip.getPhoto())).append("</photo>");
            xml.append("<ticket>").append(Replies.xmlText(trip.getTicket())).append("</ticket>");
            xml.append("<note>").append(Replies.xmlText(trip.getNote())).append("</note>");
            xml.append("<memo>").append(Replies.xmlText(trip.getMemo())).append("</memo>");
            xml.append("</Trip>\n");
        }
        return xml.append("</TripList>\n").toString();
    }

    /** The objects as a JSON array; each object's members by name. */
    private static String json(List<Trip> list) {
        StringBuilder json = new StringBuilder("[");
        for (Trip trip : list) {
            json.append(json.length() == 1 ? "{" : ",{");
            json.append("\"city\":").append(trip.getCity());
            json.append(",\"fare\":").append(Replies.jsonNumber(trip.getFare()));
            json.append(",\"fromCity\":").append(trip.getFromCity());
            json.append(",\"memo\":").append(Replies.jsonText(trip.getMemo()));
            json.append(",\"note\":").append(Replies.jsonText(trip.getNote()));
            json.append(",\"photo\":").append(Replies.jsonText(trip.getPhoto()));
            json.append(",\"seats\":").append(trip.getSeats());
            json.append(",\"startDate\":").append(Replies.jsonText(Values.dateText(trip.getStartDate())));
            json.append(",\"ticket\":").append(Replies.jsonText(trip.getTicket()));
            json.append(",\"toCity\":").append(trip.getToCity());
            json.append(",\"tripNo\":").append(Replies.jsonText(trip.getTripNo()));
            json.append('}');
        }
        return json.append(']').toString();
    }
}

package com.mobileclient.servlet;

import com.mobileclient.dao.ProfileDAO;
import com.mobileclient.dao.TripDAO;
import com.mobileclient.dao.YDAO;
import com.mobileclient.domain.Profile;
import com.mobileclient.server.Database;
import com.mobileclient.server.Form;
import com.mobileclient.server.Protocol;
import com.mobileclient.server.Refusal;
import com.mobileclient.server.Replies;
import com.mobileclient.server.ServletBase;
import com.mobileclient.server.Values;
import java.sql.Connection;
import java.sql.SQLException;
import java.util.List;

/** The client's requests for 档案 objects (class Profile). */
public class ProfileServlet extends ServletBase {
    private static final long serialVersionUID = 1L;
    private static final String FRIEND_NAME = "档案";
    private static final String KEY_LABEL = "行程";

    private final ProfileDAO dao = new ProfileDAO();
    private final TripDAO tripDAO = new TripDAO();
    private final YDAO yDAO = new YDAO();

    @Override
    protected Answer add(Form form) throws SQLException {
        Profile profile = read(form);
        return Database.inTransaction(connection -> {
            if (dao.exists(connection, profile.getTrip())) {
                throw new Refusal(409,
                        Protocol.keyExists(KEY_LABEL, profile.getTrip(), FRIEND_NAME));
            }
            checkReferences(connection, profile, true);
            dao.insert(connection, profile);
            return Answer.text(Protocol.addText(FRIEND_NAME));
        });
    }

    @Override
    protected Answer update(Form form) throws SQLException {
        Profile profile = read(form);
        return Database.inTransaction(connection -> {
            requireExisting(connection, profile.getTrip());
            checkReferences(connection, profile, false);
            dao.update(connection, profile);
            return Answer.text(Protocol.updateText(FRIEND_NAME));
        });
    }

    @Override
    protected Answer delete(Form form) throws SQLException {
        String key = Values.textKey(form, "trip", KEY_LABEL);
        return Database.inTransaction(connection -> {
            requireExisting(connection, key);
            checkNotReferenced(connection, key);
            dao.delete(connection, key);
            return Answer.text(Protocol.deleteText(FRIEND_NAME));
        });
    }

    @Override
    protected Answer updateQuery(Form form) throws SQLException {
        String key = Values.textKey(form, "trip", KEY_LABEL);
        return Answer.json(json(Database.inTransaction(connection -> dao.find(connection, key))));
    }

    @Override
    protected Answer query(Form form) throws SQLException {
        return Answer.xml(xml(Database.inTransaction(connection -> dao.query(connection))));
    }

    /** Every member, in member order, as the form sends it. */
    private static Profile read(Form form) {
        return new Profile(
                Values.textKey(form, "trip", KEY_LABEL),
                Values.number(form, "level"),
                Values.date(form, "since"));
    }

    private void requireExisting(Connection connection, String key) throws SQLException {
        if (!dao.exists(connection, key)) {
            throw new Refusal(404, Protocol.noSuchObject(KEY_LABEL, key, FRIEND_NAME));
        }
    }

    /** Every reference names an existing object, or none (0, ""). */
    private void checkReferences(Connection connection, Profile profile, boolean adding)
            throws SQLException {
        if (!profile.getTrip().isEmpty() && !tripDAO.exists(connection, profile.getTrip())) {
            throw new Refusal(409, Protocol.referenceToNothing("行程", "行程号",
                    profile.getTrip(), "行程"));
        }
    }

    /** No other object refers to the one with the key. */
    private void checkNotReferenced(Connection connection, String key)
            throws SQLException {
        refuseIfReferenced(FRIEND_NAME, key, yDAO.firstWithP(connection, key),
                "另", "档案");
    }

    /** The query's answer: one element per object, one child per member. */
    private static String xml(List<Profile> list) {
        StringBuilder xml = new StringBuilder(
                "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<ProfileList>\n");
        for (Profile profile : list) {
            xml.append("<Profile>");
            xml.append("<trip>").append(Replies.xmlText(profile.getTrip())).append("</trip>");
            xml.append("<level>").append(profile.getLevel()).append("</level>");
            xml.append("<since>").append(Values.dateText(profile.getSince())).append("</since>");
            xml.append("</Profile>\n");
        }
        return xml.append("</ProfileList>\n").toString();
    }

    /** The objects as a JSON array; each object's members by name. */
    private static String json(List<Profile> list) {
        StringBuilder json = new StringBuilder("[");
        for (Profile profile : list) {
            json.append(json.length() == 1 ? "{" : ",{");
            json.append("\"level\":").append(Replies.jsonNumber(profile.getLevel()));
            json.append(",\"since\":").append(Replies.jsonText(Values.dateText(profile.getSince())));
            json.append(",\"trip\":").append(Replies.jsonText(profile.getTrip()));
            json.append('}');
        }
        return json.append(']').toString();
    }
}

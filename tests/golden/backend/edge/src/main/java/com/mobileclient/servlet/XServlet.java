package com.mobileclient.servlet;

import com.mobileclient.dao.XDAO;
import com.mobileclient.dao.YDAO;
import com.mobileclient.domain.X;
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

/** The client's requests for 某"甲"\\ objects (class X). */
public class XServlet extends ServletBase {
    private static final long serialVersionUID = 1L;
    private static final String FRIEND_NAME = "某\"甲\"\\";
    private static final String KEY_LABEL = "a";

    private final XDAO dao = new XDAO();
    private final YDAO yDAO = new YDAO();

    @Override
    protected Answer add(Form form) throws SQLException {
        X x = read(form, false);
        return Database.inTransaction(connection -> {
            checkReferences(connection, x, true);
            try {
                dao.insert(connection, x);
            } catch (SQLException e) {
                throw Database.refusalIfKeysUsedUp(e, FRIEND_NAME);
            }
            return Answer.text(Protocol.addText(FRIEND_NAME));
        });
    }

    @Override
    protected Answer update(Form form) throws SQLException {
        X x = read(form, true);
        return Database.inTransaction(connection -> {
            requireExisting(connection, x.getA());
            checkReferences(connection, x, false);
            dao.update(connection, x);
            return Answer.text(Protocol.updateText(FRIEND_NAME));
        });
    }

    @Override
    protected Answer delete(Form form) throws SQLException {
        int key = Values.integer(form, "a");
        return Database.inTransaction(connection -> {
            requireExisting(connection, key);
            checkNotReferenced(connection, key);
            dao.delete(connection, key);
            return Answer.text(Protocol.deleteText(FRIEND_NAME));
        });
    }

    @Override
    protected Answer updateQuery(Form form) throws SQLException {
        int key = Values.integer(form, "a");
        return Answer.json(json(Database.inTransaction(connection -> dao.find(connection, key))));
    }

    @Override
    protected Answer query(Form form) throws SQLException {
        return Answer.xml(xml(Database.inTransaction(connection -> dao.query(connection))));
    }

    /** Every member, in member order, as the form sends it. */
    private static X read(Form form, boolean withKey) {
        return new X(
                withKey ? Values.integer(form, "a") : 0,
                Values.text(form, "t", 20));
    }

    private void requireExisting(Connection connection, int key) throws SQLException {
        if (!dao.exists(connection, key)) {
            throw new Refusal(404, Protocol.noSuchObject(KEY_LABEL, key, FRIEND_NAME));
        }
    }

    /** Every reference names an existing object, or none (0, ""). */
    private void checkReferences(Connection connection, X x, boolean adding)
            throws SQLException {
    }

    /** No other object refers to the one with the key. */
    private void checkNotReferenced(Connection connection, int key)
            throws SQLException {
        refuseIfReferenced(FRIEND_NAME, key, yDAO.firstWithX(connection, key),
                "另", "@某");
    }

    /** The query's answer: one element per object, one child per member. */
    private static String xml(List<X> list) {
        StringBuilder xml = new StringBuilder(
                "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<XList>\n");
        for (X x : list) {
            xml.append("<X>");
            xml.append("<a>").append(x.getA()).append("</a>");
            xml.append("<t>").append(Replies.xmlText(x.getT())).append("</t>");
            xml.append("</X>\n");
        }
        return xml.append("</XList>\n").toString();
    }

    /** The objects as a JSON array; each object's members by name. */
    private static String json(List<X> list) {
        StringBuilder json = new StringBuilder("[");
        for (X x : list) {
            json.append(json.length() == 1 ? "{" : ",{");
            json.append("\"a\":").append(x.getA());
            json.append(",\"t\":").append(Replies.jsonText(x.getT()));
            json.append('}');
        }
        return json.append(']').toString();
    }
}

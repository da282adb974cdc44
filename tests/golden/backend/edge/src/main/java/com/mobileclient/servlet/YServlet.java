package com.mobileclient.servlet;

import com.mobileclient.dao.YDAO;
import com.mobileclient.dao.ProfileDAO;
import com.mobileclient.dao.XDAO;
import com.mobileclient.domain.Y;
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

/** The client's requests for 另 objects (class Y). */
public class YServlet extends ServletBase {
    private static final long serialVersionUID = 1L;
    private static final String FRIEND_NAME = "另";
    private static final String KEY_LABEL = "乙";

    private final YDAO dao = new YDAO();
    private final ProfileDAO profileDAO = new ProfileDAO();
    private final XDAO xDAO = new XDAO();

    @Override
    protected Answer add(Form form) throws SQLException {
        Y y = read(form);
        return Database.inTransaction(connection -> {
            if (dao.exists(connection, y.getB())) {
                throw new Refusal(409,
                        Protocol.keyExists(KEY_LABEL, y.getB(), FRIEND_NAME));
            }
            checkReferences(connection, y, true);
            dao.insert(connection, y);
            return Answer.text(Protocol.addText(FRIEND_NAME));
        });
    }

    @Override
    protected Answer update(Form form) throws SQLException {
        Y y = read(form);
        return Database.inTransaction(connection -> {
            requireExisting(connection, y.getB());
            checkReferences(connection, y, false);
            dao.update(connection, y);
            return Answer.text(Protocol.updateText(FRIEND_NAME));
        });
    }

    @Override
    protected Answer delete(Form form) throws SQLException {
        String key = Values.textKey(form, "b", KEY_LABEL);
        return Database.inTransaction(connection -> {
            requireExisting(connection, key);
            dao.delete(connection, key);
            return Answer.text(Protocol.deleteText(FRIEND_NAME));
        });
    }

    @Override
    protected Answer updateQuery(Form form) throws SQLException {
        String key = Values.textKey(form, "b", KEY_LABEL);
        return Answer.json(json(Database.inTransaction(connection -> dao.find(connection, key))));
    }

    @Override
    protected Answer query(Form form) throws SQLException {
        return Answer.xml(xml(Database.inTransaction(connection -> dao.query(connection,
                QueryValues.text(form, "p"),
                QueryValues.integer(form, "x")))));
    }

    /** Every member, in member order, as the form sends it. */
    private static Y read(Form form) {
        return new Y(
                Values.textKey(form, "b", KEY_LABEL, 20),
                Values.text(form, "p"),
                Values.integer(form, "x"),
                Values.date(form, "d"));
    }

    private void requireExisting(Connection connection, String key) throws SQLException {
        if (!dao.exists(connection, key)) {
            throw new Refusal(404, Protocol.noSuchObject(KEY_LABEL, key, FRIEND_NAME));
        }
    }

    /** Every reference names an existing object, or none (0, ""). */
    private void checkReferences(Connection connection, Y y, boolean adding)
            throws SQLException {
        if (!y.getP().isEmpty() && !profileDAO.exists(connection, y.getP())) {
            throw new Refusal(409, Protocol.referenceToNothing("档案", "行程",
                    y.getP(), "档案"));
        }
        if (y.getX() != 0 && !xDAO.exists(connection, y.getX())) {
            throw new Refusal(409, Protocol.referenceToNothing("@某", "a",
                    y.getX(), "某\"甲\"\\"));
        }
    }

    /** The query's answer: one element per object, one child per member. */
    private static String xml(List<Y> list) {
        StringBuilder xml = new StringBuilder(
                "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<YList>\n");
        for (Y y : list) {
            xml.append("<Y>");
            xml.append("<b>").append(Replies.xmlText(y.getB())).append("</b>");
            xml.append("<p>").append(Replies.xmlText(y.getP())).append("</p>");
            xml.append("<x>").append(y.getX()).append("</x>");
            xml.append("<d>").append(Values.dateText(y.getD())).append("</d>");
            xml.append("</Y>\n");
        }
        return xml.append("</YList>\n").toString();
    }

    /** The objects as a JSON array; each object's members by name. */
    private static String json(List<Y> list) {
        StringBuilder json = new StringBuilder("[");
        for (Y y : list) {
            json.append(json.length() == 1 ? "{" : ",{");
            json.append("\"b\":").append(Replies.jsonText(y.getB()));
            json.append(",\"d\":").append(Replies.jsonText(Values.dateText(y.getD())));
            json.append(",\"p\":").append(Replies.jsonText(y.getP()));
            json.append(",\"x\":").append(y.getX());
            json.append('}');
        }
        return json.append(']').toString();
    }
}

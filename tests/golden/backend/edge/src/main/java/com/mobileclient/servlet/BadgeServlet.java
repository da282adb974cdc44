package com.mobileclient.servlet;

import com.mobileclient.dao.BadgeDAO;
import com.mobileclient.dao.CategoryDAO;
import com.mobileclient.domain.Badge;
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

/** The client's requests for 徽章 objects (class Badge). */
public class BadgeServlet extends ServletBase {
    private static final long serialVersionUID = 1L;
    private static final String FRIEND_NAME = "徽章";
    private static final String KEY_LABEL = "徽章图";

    private final BadgeDAO dao = new BadgeDAO();
    private final CategoryDAO categoryDAO = new CategoryDAO();

    @Override
    protected Answer add(Form form) throws SQLException {
        Badge badge = read(form);
        return Database.inTransaction(connection -> {
            if (dao.exists(connection, badge.getBadgePic())) {
                throw new Refusal(409,
                        Protocol.keyExists(KEY_LABEL, badge.getBadgePic(), FRIEND_NAME));
            }
            checkReferences(connection, badge, true);
            dao.insert(connection, badge);
            return Answer.text(Protocol.addText(FRIEND_NAME));
        });
    }

    @Override
    protected Answer update(Form form) throws SQLException {
        Badge badge = read(form);
        return Database.inTransaction(connection -> {
            requireExisting(connection, badge.getBadgePic());
            checkReferences(connection, badge, false);
            dao.update(connection, badge);
            return Answer.text(Protocol.updateText(FRIEND_NAME));
        });
    }

    @Override
    protected Answer delete(Form form) throws SQLException {
        String key = Values.textKey(form, "badgePic", KEY_LABEL);
        return Database.inTransaction(connection -> {
            requireExisting(connection, key);
            dao.delete(connection, key);
            return Answer.text(Protocol.deleteText(FRIEND_NAME));
        });
    }

    @Override
    protected Answer updateQuery(Form form) throws SQLException {
        String key = Values.textKey(form, "badgePic", KEY_LABEL);
        return Answer.json(json(Database.inTransaction(connection -> dao.find(connection, key))));
    }

    @Override
    protected Answer query(Form form) throws SQLException {
        return Answer.xml(xml(Database.inTransaction(connection -> dao.query(connection))));
    }

    /** Every member, in member order, as the form sends it. */
    private static Badge read(Form form) {
        return new Badge(
                Values.textKey(form, "badgePic", KEY_LABEL),
                Values.text(form, "label", 20),
                Values.text(form, "category"));
    }

    private void requireExisting(Connection connection, String key) throws SQLException {
        if (!dao.exists(connection, key)) {
            throw new Refusal(404, Protocol.noSuchObject(KEY_LABEL, key, FRIEND_NAME));
        }
    }

    /** Every reference names an existing object, or none (0, ""). */
    private void checkReferences(Connection connection, Badge badge, boolean adding)
            throws SQLException {
        if (!badge.getCategory().isEmpty() && !categoryDAO.exists(connection, badge.getCategory())) {
            throw new Refusal(409, Protocol.referenceToNothing("类别", "类别名称",
                    badge.getCategory(), "类别"));
        }
    }

    /** The query's answer: one element per object, one child per member. */
    private static String xml(List<Badge> list) {
        StringBuilder xml = new StringBuilder(
                "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<BadgeList>\n");
        for (Badge badge : list) {
            xml.append("<Badge>");
            xml.append("<badgePic>").append(Replies.xmlText(badge.getBadgePic())).append("</badgePic>");
            xml.append("<label>").append(Replies.xmlText(badge.getLabel())).append("</label>");
            xml.append("<category>").append(Replies.xmlText(badge.getCategory())).append("</category>");
            xml.append("</Badge>\n");
        }
        return xml.append("</BadgeList>\n").toString();
    }

    /** The objects as a JSON array; each object's members by name. */
    private static String json(List<Badge> list) {
        StringBuilder json = new StringBuilder("[");
        for (Badge badge : list) {
            json.append(json.length() == 1 ? "{" : ",{");
            json.append("\"badgePic\":").append(Replies.jsonText(badge.getBadgePic()));
            json.append(",\"category\":").append(Replies.jsonText(badge.getCategory()));
            json.append(",\"label\":").append(Replies.jsonText(badge.getLabel()));
            json.append('}');
        }
        return json.append(']').toString();
    }
}

package com.mobileclient.servlet;

import com.mobileclient.dao.CategoryDAO;
import com.mobileclient.dao.BadgeDAO;
import com.mobileclient.domain.Category;
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

/** The client's requests for 类别 objects (class Category). */
public class CategoryServlet extends ServletBase {
    private static final long serialVersionUID = 1L;
    private static final String FRIEND_NAME = "类别";
    private static final String KEY_LABEL = "类别名称";

    private final CategoryDAO dao = new CategoryDAO();
    private final BadgeDAO badgeDAO = new BadgeDAO();

    @Override
    protected Answer add(Form form) throws SQLException {
        Category category = read(form);
        return Database.inTransaction(connection -> {
            if (dao.exists(connection, category.getCategoryName())) {
                throw new Refusal(409,
                        Protocol.keyExists(KEY_LABEL, category.getCategoryName(), FRIEND_NAME));
            }
            checkReferences(connection, category, true);
            dao.insert(connection, category);
            return Answer.text(Protocol.addText(FRIEND_NAME));
        });
    }

    @Override
    protected Answer update(Form form) throws SQLException {
        Category category = read(form);
        return Database.inTransaction(connection -> {
            requireExisting(connection, category.getCategoryName());
            checkReferences(connection, category, false);
            dao.update(connection, category);
            return Answer.text(Protocol.updateText(FRIEND_NAME));
        });
    }

    @Override
    protected Answer delete(Form form) throws SQLException {
        String key = Values.textKey(form, "categoryName", KEY_LABEL);
        return Database.inTransaction(connection -> {
            requireExisting(connection, key);
            checkNotReferenced(connection, key);
            dao.delete(connection, key);
            return Answer.text(Protocol.deleteText(FRIEND_NAME));
        });
    }

    @Override
    protected Answer updateQuery(Form form) throws SQLException {
        String key = Values.textKey(form, "categoryName", KEY_LABEL);
        return Answer.json(json(Database.inTransaction(connection -> dao.find(connection, key))));
    }

    @Override
    protected Answer query(Form form) throws SQLException {
        return Answer.xml(xml(Database.inTransaction(connection -> dao.query(connection,
                QueryValues.text(form, "parent"),
                QueryValues.text(form, "picture")))));
    }

    /** Every member, in member order, as the form sends it. */
    private static Category read(Form form) {
        return new Category(
                Values.textKey(form, "categoryName", KEY_LABEL, 20),
                Values.text(form, "parent"),
                Values.text(form, "picture"));
    }

    private void requireExisting(Connection connection, String key) throws SQLException {
        if (!dao.exists(connection, key)) {
            throw new Refusal(404, Protocol.noSuchObject(KEY_LABEL, key, FRIEND_NAME));
        }
    }

    /** Every reference names an existing object, or none (0, ""). */
    private void checkReferences(Connection connection, Category category, boolean adding)
            throws SQLException {
        if (!category.getParent().isEmpty() && !dao.exists(connection, category.getParent())
                && !category.getParent().equals(category.getCategoryName())) {
            throw new Refusal(409, Protocol.referenceToNothing("上级类别", "类别名称",
                    category.getParent(), "类别"));
        }
    }

    /** No other object refers to the one with the key. */
    private void checkNotReferenced(Connection connection, String key)
            throws SQLException {
        refuseIfReferenced(FRIEND_NAME, key, dao.firstWithParent(connection, key),
                "类别", "上级类别");
        refuseIfReferenced(FRIEND_NAME, key, badgeDAO.firstWithCategory(connection, key),
                "徽章", "类别");
    }

    /** The query's answer: one element per object, one child per member. */
    private static String xml(List<Category> list) {
        StringBuilder xml = new StringBuilder(
                "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<CategoryList>\n");
        for (Category category : list) {
            xml.append("<Category>");
            xml.append("<categoryName>").append(Replies.xmlText(category.getCategoryName())).append("</categoryName>");
            xml.append("<parent>").append(Replies.xmlText(category.getParent())).append("</parent>");
            xml.append("<picture>").append(Replies.xmlText(category.getPicture())).append("</picture>");
            xml.append("</Category>\n");
        }
        return xml.append("</CategoryList>\n").toString();
    }

    /** The objects as a JSON array; each object's members by name. */
    private static String json(List<Category> list) {
        StringBuilder json = new StringBuilder("[");
        for (Category category : list) {
            json.append(json.length() == 1 ? "{" : ",{");
            json.append("\"categoryName\":").append(Replies.jsonText(category.getCategoryName()));
            json.append(",\"parent\":").append(Replies.jsonText(category.getParent()));
            json.append(",\"picture\":").append(Replies.jsonText(category.getPicture()));
            json.append('}');
        }
        return json.append(']').toString();
    }
}

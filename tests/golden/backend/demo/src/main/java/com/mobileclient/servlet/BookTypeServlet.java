package com.mobileclient.servlet;

import com.mobileclient.dao.BookTypeDAO;
import com.mobileclient.dao.BookDAO;
import com.mobileclient.domain.BookType;
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

/** The client's requests for 图书类别 objects (class BookType). */
public class BookTypeServlet extends ServletBase {
    private static final long serialVersionUID = 1L;
    private static final String FRIEND_NAME = "图书类别";
    private static final String KEY_LABEL = "类别编号";

    private final BookTypeDAO dao = new BookTypeDAO();
    private final BookDAO bookDAO = new BookDAO();

    @Override
    protected Answer add(Form form) throws SQLException {
        BookType bookType = read(form, false);
        return Database.inTransaction(connection -> {
            checkReferences(connection, bookType, true);
            try {
                dao.insert(connection, bookType);
            } catch (SQLException e) {
                throw Database.refusalIfKeysUsedUp(e, FRIEND_NAME);
            }
            return Answer.text(Protocol.addText(FRIEND_NAME));
        });
    }

    @Override
    protected Answer update(Form form) throws SQLException {
        BookType bookType = read(form, true);
        return Database.inTransaction(connection -> {
            requireExisting(connection, bookType.getTypeId());
            checkReferences(connection, bookType, false);
            dao.update(connection, bookType);
            return Answer.text(Protocol.updateText(FRIEND_NAME));
        });
    }

    @Override
    protected Answer delete(Form form) throws SQLException {
        int key = Values.integer(form, "typeId");
        return Database.inTransaction(connection -> {
            requireExisting(connection, key);
            checkNotReferenced(connection, key);
            dao.delete(connection, key);
            return Answer.text(Protocol.deleteText(FRIEND_NAME));
        });
    }

    @Override
    protected Answer updateQuery(Form form) throws SQLException {
        int key = Values.integer(form, "typeId");
        return Answer.json(json(Database.inTransaction(connection -> dao.find(connection, key))));
    }

    @Override
    protected Answer query(Form form) throws SQLException {
        return Answer.xml(xml(Database.inTransaction(connection -> dao.query(connection))));
    }

    /** Every member, in member order, as the form sends it. */
    private static BookType read(Form form, boolean withKey) {
        return new BookType(
                withKey ? Values.integer(form, "typeId") : 0,
                Values.text(form, "typeName", 20),
                Values.integer(form, "borrowDays"));
    }

    private void requireExisting(Connection connection, int key) throws SQLException {
        if (!dao.exists(connection, key)) {
            throw new Refusal(404, Protocol.noSuchObject(KEY_LABEL, key, FRIEND_NAME));
        }
    }

    /** Every reference names an existing object, or none (0, ""). */
    private void checkReferences(Connection connection, BookType bookType, boolean adding)
            throws SQLException {
    }

    /** No other object refers to the one with the key. */
    private void checkNotReferenced(Connection connection, int key)
            throws SQLException {
        refuseIfReferenced(FRIEND_NAME, key, bookDAO.firstWithBookType(connection, key),
                "图书", "图书类别");
    }

    /** The query's answer: one element per object, one child per member. */
    private static String xml(List<BookType> list) {
        StringBuilder xml = new StringBuilder(
                "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<BookTypeList>\n");
        for (BookType bookType : list) {
            xml.append("<BookType>");
            xml.append("<typeId>").append(bookType.getTypeId()).append("</typeId>");
            xml.append("<typeName>").append(Replies.xmlText(bookType.getTypeName())).append("</typeName>");
            xml.append("<borrowDays>").append(bookType.getBorrowDays()).append("</borrowDays>");
            xml.append("</BookType>\n");
        }
        return xml.append("</BookTypeList>\n").toString();
    }

    /** The objects as a JSON array; each object's members by name. */
    private static String json(List<BookType> list) {
        StringBuilder json = new StringBuilder("[");
        for (BookType bookType : list) {
            json.append(json.length() == 1 ? "{" : ",{");
            json.append("\"borrowDays\":").append(bookType.getBorrowDays());
            json.append(",\"typeId\":").append(bookType.getTypeId());
            json.append(",\"typeName\":").append(Replies.jsonText(bookType.getTypeName()));
            json.append('}');
        }
        return json.append(']').toString();
    }
}

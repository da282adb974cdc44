package com.mobileclient.servlet;

import com.mobileclient.dao.BookDAO;
import com.mobileclient.dao.BookTypeDAO;
import com.mobileclient.dao.LoanDAO;
import com.mobileclient.domain.Book;
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

/** The client's requests for 图书 objects (class Book). */
public class BookServlet extends ServletBase {
    private static final long serialVersionUID = 1L;
    private static final String FRIEND_NAME = "图书";
    private static final String KEY_LABEL = "图书条码";

    private final BookDAO dao = new BookDAO();
    private final BookTypeDAO bookTypeDAO = new BookTypeDAO();
    private final LoanDAO loanDAO = new LoanDAO();

    @Override
    protected Answer add(Form form) throws SQLException {
        Book book = read(form);
        return Database.inTransaction(connection -> {
            if (dao.exists(connection, book.getBarcode())) {
                throw new Refusal(409,
                        Protocol.keyExists(KEY_LABEL, book.getBarcode(), FRIEND_NAME));
            }
            checkReferences(connection, book, true);
            dao.insert(connection, book);
            return Answer.text(Protocol.addText(FRIEND_NAME));
        });
    }

    @Override
    protected Answer update(Form form) throws SQLException {
        Book book = read(form);
        return Database.inTransaction(connection -> {
            requireExisting(connection, book.getBarcode());
            checkReferences(connection, book, false);
            dao.update(connection, book);
            return Answer.text(Protocol.updateText(FRIEND_NAME));
        });
    }

    @Override
    protected Answer delete(Form form) throws SQLException {
        String key = Values.textKey(form, "barcode", KEY_LABEL);
        return Database.inTransaction(connection -> {
            requireExisting(connection, key);
            checkNotReferenced(connection, key);
            dao.delete(connection, key);
            return Answer.text(Protocol.deleteText(FRIEND_NAME));
        });
    }

    @Override
    protected Answer updateQuery(Form form) throws SQLException {
        String key = Values.textKey(form, "barcode", KEY_LABEL);
        return Answer.json(json(Database.inTransaction(connection -> dao.find(connection, key))));
    }

    @Override
    protected Answer query(Form form) throws SQLException {
        return Answer.xml(xml(Database.inTransaction(connection -> dao.query(connection,
                QueryValues.text(form, "barcode"),
                QueryValues.text(form, "bookName"),
                QueryValues.integer(form, "bookType"),
                QueryValues.date(form, "publishDate")))));
    }

    /** Every member, in member order, as the form sends it. */
    private static Book read(Form form) {
        return new Book(
                Values.textKey(form, "barcode", KEY_LABEL, 20),
                Values.text(form, "bookName", 50),
                Values.integer(form, "bookType"),
                Values.number(form, "price"),
                Values.integer(form, "count"),
                Values.date(form, "publishDate"),
                Values.text(form, "publish", 20),
                Values.text(form, "bookPhoto"),
                Values.text(form, "introduction", 500));
    }

    private void requireExisting(Connection connection, String key) throws SQLException {
        if (!dao.exists(connection, key)) {
            throw new Refusal(404, Protocol.noSuchObject(KEY_LABEL, key, FRIEND_NAME));
        }
    }

    /** Every reference names an existing object, or none (0, ""). */
    private void checkReferences(Connection connection, Book book, boolean adding)
            throws SQLException {
        if (book.getBookType() != 0 && !bookTypeDAO.exists(connection, book.getBookType())) {
            throw new Refusal(409, Protocol.referenceToNothing("图书类别", "类别编号",
                    book.getBookType(), "图书类别"));
        }
    }

    /** No other object refers to the one with the key. */
    private void checkNotReferenced(Connection connection, String key)
            throws SQLException {
        refuseIfReferenced(FRIEND_NAME, key, loanDAO.firstWithBook(connection, key),
                "借阅记录", "借阅图书");
    }

    /** The query's answer: one element per object, one child per member. */
    private static String xml(List<Book> list) {
        StringBuilder xml = new StringBuilder(
                "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<BookList>\n");
        for (Book book : list) {
            xml.append("<Book>");
            xml.append("<barcode>").append(Replies.xmlText(book.getBarcode())).append("</barcode>");
            xml.append("<bookName>").append(Replies.xmlText(book.getBookName())).append("</bookName>");
            xml.append("<bookType>").append(book.getBookType()).append("</bookType>");
            xml.append("<price>").append(book.getPrice()).append("</price>");
            xml.append("<count>").append(book.getCount()).append("</count>");
            xml.append("<publishDate>").append(Values.dateText(book.getPublishDate())).append("</publishDate>");
            xml.append("<publish>").append(Replies.xmlText(book.getPublish())).append("</publish>");
            xml.append("<bookPhoto>").append(Replies.xmlText(book.getBookPhoto())).append("</bookPhoto>");
            xml.append("<introduction>").append(Replies.xmlText(book.getIntroduction())).append("</introduction>");
            xml.append("</Book>\n");
        }
        return xml.append("</BookList>\n").toString();
    }

    /** The objects as a JSON array; each object's members by name. */
    private static String json(List<Book> list) {
        StringBuilder json = new StringBuilder("[");
        for (Book book : list) {
            json.append(json.length() == 1 ? "{" : ",{");
            json.append("\"barcode\":").append(Replies.jsonText(book.getBarcode()));
            json.append(",\"bookName\":").append(Replies.jsonText(book.getBookName()));
            json.append(",\"bookPhoto\":").append(Replies.jsonText(book.getBookPhoto()));
            json.append(",\"bookType\":").append(book.getBookType());
            json.append(",\"count\":").append(book.getCount());
            json.append(",\"introduction\":").append(Replies.jsonText(book.getIntroduction()));
            json.append(",\"price\":").append(Replies.jsonNumber(book.getPrice()));
            json.append(",\"publish\":").append(Replies.jsonText(book.getPublish()));
            json.append(",\"publishDate\":").append(Replies.jsonText(Values.dateText(book.getPublishDate())));
            json.append('}');
        }
        return json.append(']').toString();
    }
}

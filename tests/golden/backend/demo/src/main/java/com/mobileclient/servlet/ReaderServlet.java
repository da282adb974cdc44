package com.mobileclient.servlet;

import com.mobileclient.dao.ReaderDAO;
import com.mobileclient.dao.LoanDAO;
import com.mobileclient.domain.Reader;
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

/** The client's requests for 读者 objects (class Reader). */
public class ReaderServlet extends ServletBase {
    private static final long serialVersionUID = 1L;
    private static final String FRIEND_NAME = "读者";
    private static final String KEY_LABEL = "读者编号";

    private final ReaderDAO dao = new ReaderDAO();
    private final LoanDAO loanDAO = new LoanDAO();

    @Override
    protected Answer add(Form form) throws SQLException {
        Reader reader = read(form);
        return Database.inTransaction(connection -> {
            if (dao.exists(connection, reader.getReaderNo())) {
                throw new Refusal(409,
                        Protocol.keyExists(KEY_LABEL, reader.getReaderNo(), FRIEND_NAME));
            }
            checkReferences(connection, reader, true);
            dao.insert(connection, reader);
            return Answer.text(Protocol.addText(FRIEND_NAME));
        });
    }

    @Override
    protected Answer update(Form form) throws SQLException {
        Reader reader = read(form);
        return Database.inTransaction(connection -> {
            requireExisting(connection, reader.getReaderNo());
            checkReferences(connection, reader, false);
            dao.update(connection, reader);
            return Answer.text(Protocol.updateText(FRIEND_NAME));
        });
    }

    @Override
    protected Answer delete(Form form) throws SQLException {
        String key = Values.textKey(form, "readerNo", KEY_LABEL);
        return Database.inTransaction(connection -> {
            requireExisting(connection, key);
            checkNotReferenced(connection, key);
            dao.delete(connection, key);
            return Answer.text(Protocol.deleteText(FRIEND_NAME));
        });
    }

    @Override
    protected Answer updateQuery(Form form) throws SQLException {
        String key = Values.textKey(form, "readerNo", KEY_LABEL);
        return Answer.json(json(Database.inTransaction(connection -> dao.find(connection, key))));
    }

    @Override
    protected Answer query(Form form) throws SQLException {
        return Answer.xml(xml(Database.inTransaction(connection -> dao.query(connection,
                QueryValues.text(form, "readerNo"),
                QueryValues.text(form, "readerName")))));
    }

    /** Every member, in member order, as the form sends it. */
    private static Reader read(Form form) {
        return new Reader(
                Values.textKey(form, "readerNo", KEY_LABEL, 20),
                Values.text(form, "readerName", 20),
                Values.text(form, "sex", 4),
                Values.date(form, "birthday"),
                Values.text(form, "telephone", 20),
                Values.text(form, "readerPhoto"));
    }

    private void requireExisting(Connection connection, String key) throws SQLException {
        if (!dao.exists(connection, key)) {
            throw new Refusal(404, Protocol.noSuchObject(KEY_LABEL, key, FRIEND_NAME));
        }
    }

    /** Every reference names an existing object, or none (0, ""). */
    private void checkReferences(Connection connection, Reader reader, boolean adding)
            throws SQLException {
    }

    /** No other object refers to the one with the key. */
    private void checkNotReferenced(Connection connection, String key)
            throws SQLException {
        refuseIfReferenced(FRIEND_NAME, key, loanDAO.firstWithReader(connection, key),
                "借阅记录", "借阅读者");
    }

    /** The query's answer: one element per object, one child per member. */
    private static String xml(List<Reader> list) {
        StringBuilder xml = new StringBuilder(
                "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<ReaderList>\n");
        for (Reader reader : list) {
            xml.append("<Reader>");
            xml.append("<readerNo>").append(Replies.xmlText(reader.getReaderNo())).append("</readerNo>");
            xml.append("<readerName>").append(Replies.xmlText(reader.getReaderName())).append("</readerName>");
            xml.append("<sex>").append(Replies.xmlText(reader.getSex())).append("</sex>");
            xml.append("<birthday>").append(Values.dateText(reader.getBirthday())).append("</birthday>");
            xml.append("<telephone>").append(Replies.xmlText(reader.getTelephone())).append("</telephone>");
            xml.append("<readerPhoto>").append(Replies.xmlText(reader.getReaderPhoto())).append("</readerPhoto>");
            xml.append("</Reader>\n");
        }
        return xml.append("</ReaderList>\n").toString();
    }

    /** The objects as a JSON array; each object's members by name. */
    private static String json(List<Reader> list) {
        StringBuilder json = new StringBuilder("[");
        for (Reader reader : list) {
            json.append(json.length() == 1 ? "{" : ",{");
            json.append("\"birthday\":").append(Replies.jsonText(Values.dateText(reader.getBirthday())));
            json.append(",\"readerName\":").append(Replies.jsonText(reader.getReaderName()));
            json.append(",\"readerNo\":").append(Replies.jsonText(reader.getReaderNo()));
            json.append(",\"readerPhoto\":").append(Replies.jsonText(reader.getReaderPhoto()));
            json.append(",\"sex\":").append(Replies.jsonText(reader.getSex()));
            json.append(",\"telephone\":").append(Replies.jsonText(reader.getTelephone()));
            json.append('}');
        }
        return json.append(']').toString();
    }
}

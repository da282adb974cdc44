package com.mobileclient.servlet;

import com.mobileclient.dao.LoanDAO;
import com.mobileclient.dao.BookDAO;
import com.mobileclient.dao.ReaderDAO;
import com.mobileclient.domain.Loan;
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

/** The client's requests for 借阅记录 objects (class Loan). */
public class LoanServlet extends ServletBase {
    private static final long serialVersionUID = 1L;
    private static final String FRIEND_NAME = "借阅记录";
    private static final String KEY_LABEL = "借阅编号";

    private final LoanDAO dao = new LoanDAO();
    private final BookDAO bookDAO = new BookDAO();
    private final ReaderDAO readerDAO = new ReaderDAO();

    @Override
    protected Answer add(Form form) throws SQLException {
        Loan loan = read(form, false);
        return Database.inTransaction(connection -> {
            checkReferences(connection, loan, true);
            try {
                dao.insert(connection, loan);
            } catch (SQLException e) {
                throw Database.refusalIfKeysUsedUp(e, FRIEND_NAME);
            }
            return Answer.text(Protocol.addText(FRIEND_NAME));
        });
    }

    @Override
    protected Answer update(Form form) throws SQLException {
        Loan loan = read(form, true);
        return Database.inTransaction(connection -> {
            requireExisting(connection, loan.getLoanId());
            checkReferences(connection, loan, false);
            dao.update(connection, loan);
            return Answer.text(Protocol.updateText(FRIEND_NAME));
        });
    }

    @Override
    protected Answer delete(Form form) throws SQLException {
        int key = Values.integer(form, "loanId");
        return Database.inTransaction(connection -> {
            requireExisting(connection, key);
            dao.delete(connection, key);
            return Answer.text(Protocol.deleteText(FRIEND_NAME));
        });
    }

    @Override
    protected Answer updateQuery(Form form) throws SQLException {
        int key = Values.integer(form, "loanId");
        return Answer.json(json(Database.inTransaction(connection -> dao.find(connection, key))));
    }

    @Override
    protected Answer query(Form form) throws SQLException {
        return Answer.xml(xml(Database.inTransaction(connection -> dao.query(connection,
                QueryValues.text(form, "book"),
                QueryValues.text(form, "reader"),
                QueryValues.date(form, "borrowDate")))));
    }

    /** Every member, in member order, as the form sends it. */
    private static Loan read(Form form, boolean withKey) {
        return new Loan(
                withKey ? Values.integer(form, "loanId") : 0,
                Values.text(form, "book"),
                Values.text(form, "reader"),
                Values.date(form, "borrowDate"),
                Values.text(form, "memo", 100));
    }

    private void requireExisting(Connection connection, int key) throws SQLException {
        if (!dao.exists(connection, key)) {
            throw new Refusal(404, Protocol.noSuchObject(KEY_LABEL, key, FRIEND_NAME));
        }
    }

    /** Every reference names an existing object, or none (0, ""). */
    private void checkReferences(Connection connection, Loan loan, boolean adding)
            throws SQLException {
        if (!loan.getBook().isEmpty() && !bookDAO.exists(connection, loan.getBook())) {
            throw new Refusal(409, Protocol.referenceToNothing("借阅图书", "图书条码",
                    loan.getBook(), "图书"));
        }
        if (!loan.getReader().isEmpty() && !readerDAO.exists(connection, loan.getReader())) {
            throw new Refusal(409, Protocol.referenceToNothing("借阅读者", "读者编号",
                    loan.getReader(), "读者"));
        }
    }

    /** The query's answer: one element per object, one child per member. */
    private static String xml(List<Loan> list) {
        StringBuilder xml = new StringBuilder(
                "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<LoanList>\n");
        for (Loan loan : list) {
            xml.append("<Loan>");
            xml.append("<loanId>").append(loan.getLoanId()).append("</loanId>");
            xml.append("<book>").append(Replies.xmlText(loan.getBook())).append("</book>");
            xml.append("<reader>").append(Replies.xmlText(loan.getReader())).append("</reader>");
            xml.append("<borrowDate>").append(Values.dateText(loan.getBorrowDate())).append("</borrowDate>");
            xml.append("<memo>").append(Replies.xmlText(loan.getMemo())).append("</memo>");
            xml.append("</Loan>\n");
        }
        return xml.append("</LoanList>\n").toString();
    }

    /** The objects as a JSON array; each object's members by name. */
    private static String json(List<Loan> list) {
        StringBuilder json = new StringBuilder("[");
        for (Loan loan : list) {
            json.append(json.length() == 1 ? "{" : ",{");
            json.append("\"book\":").append(Replies.jsonText(loan.getBook()));
            json.append(",\"borrowDate\":").append(Replies.jsonText(Values.dateText(loan.getBorrowDate())));
            json.append(",\"loanId\":").append(loan.getLoanId());
            json.append(",\"memo\":").append(Replies.jsonText(loan.getMemo()));
            json.append(",\"reader\":").append(Replies.jsonText(loan.getReader()));
            json.append('}');
        }
        return json.append(']').toString();
    }
}

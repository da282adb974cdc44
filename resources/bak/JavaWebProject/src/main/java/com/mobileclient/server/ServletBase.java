package com.mobileclient.server;

import jakarta.servlet.http.HttpServlet;
import jakarta.servlet.http.HttpServletRequest;
import jakarta.servlet.http.HttpServletResponse;
import java.io.IOException;
import java.sql.SQLException;
import java.nio.charset.StandardCharsets;
import java.util.Arrays;
import java.util.Locale;

/**
 * A class's servlet: takes the client's forms, GET for action=query and POST (form-urlencoded)
 * for add, update, delete and updateQuery, and answers text, XML or JSON. Subclasses do the
 * actions; this class checks the method, reads the form and turns refusals into answers.
 */
public abstract class ServletBase extends HttpServlet {
    private static final long serialVersionUID = 1L;
    private static final String ALLOWED = "GET, POST";

    /** An answer: status, content type and body. */
    public record Answer(int status, String contentType, String body) {
        public static Answer text(String text) {
            return new Answer(200, Protocol.TEXT_TYPE, text);
        }

        public static Answer xml(String xml) {
            return new Answer(200, Protocol.XML_TYPE, xml);
        }

        public static Answer json(String json) {
            return new Answer(200, Protocol.JSON_TYPE, json);
        }
    }

    protected abstract Answer add(Form form) throws SQLException;

    protected abstract Answer update(Form form) throws SQLException;

    protected abstract Answer delete(Form form) throws SQLException;

    protected abstract Answer updateQuery(Form form) throws SQLException;

    protected abstract Answer query(Form form) throws SQLException;

    @Override
    protected void service(HttpServletRequest request, HttpServletResponse response)
            throws IOException {
        String method = request.getMethod();
        boolean isPost = method.equals("POST");
        if (!isPost && !method.equals("GET") && !method.equals("HEAD")) {
            refuseMethod(response, method, ALLOWED);
            return;
        }
        Answer answer;
        try {
            answer = act(formOf(request, isPost), isPost);
        } catch (Refusal refusal) {
            answer = new Answer(refusal.status(), Protocol.TEXT_TYPE, refusal.getMessage());
        } catch (SQLException e) {
            log("database failure", e);
            answer = new Answer(500, Protocol.TEXT_TYPE, BackendTexts.databaseFailure(e.getMessage()));
        }
        Replies.send(response, answer.status(), answer.contentType(), answer.body());
    }

    /**
     * The parameters of the request: those of the address and, for a POST, those of its body,
     * which must be application/x-www-form-urlencoded.
     */
    public static Form formOf(HttpServletRequest request, boolean isPost) {
        String query = request.getQueryString() == null ? "" : request.getQueryString();
        byte[] encoded = query.getBytes(StandardCharsets.ISO_8859_1);
        if (!isPost) {
            return Form.parse(encoded);
        }
        if (!mediaType(request.getContentType()).equals("application/x-www-form-urlencoded")) {
            throw new Refusal(415, Protocol.formContentType());
        }
        byte[] body = RequestGuard.body(request);
        byte[] both = Arrays.copyOf(encoded, encoded.length + 1 + body.length);
        both[encoded.length] = '&';
        System.arraycopy(body, 0, both, encoded.length + 1, body.length);
        return Form.parse(both);
    }

    /** The media type of a Content-Type, without parameters, in lower case. */
    public static String mediaType(String contentType) {
        if (contentType == null) {
            return "";
        }
        int end = contentType.indexOf(';');
        return (end < 0 ? contentType : contentType.substring(0, end)).trim()
                .toLowerCase(Locale.ROOT);
    }

    private Answer act(Form form, boolean isPost) throws SQLException {
        String action = form.required(Protocol.ACTION_PARAMETER);
        boolean posted = Protocol.POSTED_ACTIONS.contains(action);
        if (!posted && !action.equals(Protocol.QUERY_ACTION)) {
            throw new Refusal(400, Protocol.unknownAction(action));
        }
        if (isPost != posted) {
            throw new Refusal(405, Protocol.wrongMethodForAction(action, isPost ? "GET" : "POST"));
        }
        return switch (action) {
            case Protocol.ADD_ACTION -> add(form);
            case Protocol.UPDATE_ACTION -> update(form);
            case Protocol.DELETE_ACTION -> delete(form);
            case Protocol.UPDATE_QUERY_ACTION -> updateQuery(form);
            default -> query(form);
        };
    }

    /** Refuses the deletion of an object that another one (holder, when not null) refers to. */
    protected static void refuseIfReferenced(String friendName, Object key, Object holder,
            String holderFriendName, String memberLabel) {
        if (holder != null) {
            throw new Refusal(409, Protocol.stillReferenced(friendName, key, holderFriendName, holder,
                    memberLabel));
        }
    }

    /**
     * A method the address does not take: 405 naming those it takes, or for OPTIONS 204 with
     * them.
     */
    public static void refuseMethod(HttpServletResponse response, String method, String allowed)
            throws IOException {
        response.setHeader("Allow", allowed);
        if (method.equals("OPTIONS")) {
            response.setStatus(204);
            return;
        }
        Replies.text(response, 405, Protocol.methodNotAllowed(allowed));
    }
}

package com.mobileclient.server;

import jakarta.servlet.http.HttpServlet;
import jakarta.servlet.http.HttpServletRequest;
import jakarta.servlet.http.HttpServletResponse;
import java.io.IOException;
import java.sql.SQLException;

/** GET upload/&lt;name&gt;: a stored picture, sent as it was uploaded. */
public class PictureServlet extends HttpServlet {
    private static final long serialVersionUID = 1L;

    @Override
    protected void service(HttpServletRequest request, HttpServletResponse response)
            throws IOException {
        String path = request.getPathInfo();
        if (path == null || path.length() < 2 || path.indexOf('/', 1) >= 0) {
            FallbackServlet.noAddress(response);
            return;
        }
        String method = request.getMethod();
        if (!method.equals("GET") && !method.equals("HEAD")) {
            ServletBase.refuseMethod(response, method, "GET");
            return;
        }
        try {
            PictureStore.Picture picture = PictureStore.find(path.substring(1));
            if (picture == null) {
                Replies.text(response, 404, Protocol.noSuchPicture());
                return;
            }
            response.setHeader("X-Content-Type-Options", "nosniff");
            Replies.send(response, 200, picture.contentType(), picture.bytes());
        } catch (SQLException e) {
            log("database failure", e);
            Replies.text(response, 500, BackendTexts.databaseFailure(e.getMessage()));
        }
    }
}

package com.mobileclient.server;

import jakarta.servlet.http.HttpServlet;
import jakarta.servlet.http.HttpServletRequest;
import jakarta.servlet.http.HttpServletResponse;
import java.io.IOException;
import java.sql.SQLException;
import java.util.List;

/** POST upload: stores the picture in the multipart field "file" and answers its name. */
public class UploadServlet extends HttpServlet {
    private static final long serialVersionUID = 1L;

    @Override
    protected void service(HttpServletRequest request, HttpServletResponse response)
            throws IOException {
        if (!request.getMethod().equals("POST")) {
            ServletBase.refuseMethod(response, request.getMethod(), "POST");
            return;
        }
        try {
            Replies.text(response, 200, PictureStore.store(picture(request)));
        } catch (Refusal refusal) {
            Replies.text(response, refusal.status(), refusal.getMessage());
        } catch (SQLException e) {
            log("database failure", e);
            Replies.text(response, 500, Texts.databaseFailure(e.getMessage()));
        }
    }

    private static byte[] picture(HttpServletRequest request) {
        String contentType = request.getContentType();
        List<byte[]> files = Multipart.fields(RequestGuard.body(request), contentType, "file");
        if (!ServletBase.mediaType(contentType).equals("multipart/form-data") || files == null) {
            throw new Refusal(415, Texts.uploadNotMultipart());
        }
        if (files.size() != 1) {
            throw new Refusal(400, Texts.uploadFieldCount());
        }
        if (files.get(0).length > RequestGuard.PICTURE_LIMIT) {
            throw new Refusal(413, Texts.bodyTooLarge(RequestGuard.PICTURE_LIMIT));
        }
        return files.get(0);
    }
}

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
            Replies.text(response, 500, BackendTexts.databaseFailure(e.getMessage()));
        }
    }

    private static byte[] picture(HttpServletRequest request) {
        String contentType = request.getContentType();
        List<byte[]> files = Multipart.fields(RequestGuard.body(request), contentType, Protocol.UPLOAD_FIELD);
        if (!ServletBase.mediaType(contentType).equals("multipart/form-data") || files == null) {
            throw new Refusal(415, Protocol.uploadContentType());
        }
        if (files.size() != 1) {
            throw new Refusal(400, Protocol.uploadFieldCount());
        }
        if (files.get(0).length > Protocol.MAX_PICTURE_BYTES) {
            throw new Refusal(413, Protocol.bodyTooLarge(Protocol.MAX_PICTURE_BYTES));
        }
        return files.get(0);
    }
}

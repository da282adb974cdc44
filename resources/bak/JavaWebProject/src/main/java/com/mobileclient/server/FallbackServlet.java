package com.mobileclient.server;

import jakarta.servlet.http.HttpServlet;
import jakarta.servlet.http.HttpServletRequest;
import jakarta.servlet.http.HttpServletResponse;
import java.io.IOException;
import java.util.regex.Matcher;
import java.util.regex.Pattern;

/**
 * Every address no other servlet takes: a servlet of a class the model does not have, or no
 * address of the application at all.
 */
public class FallbackServlet extends HttpServlet {
    private static final long serialVersionUID = 1L;
    private static final Pattern CLASS_SERVLET = Pattern.compile("/([^/]+)Servlet");

    @Override
    protected void service(HttpServletRequest request, HttpServletResponse response)
            throws IOException {
        String path = request.getServletPath() + (request.getPathInfo() == null ? "" : request.getPathInfo());
        Matcher servlet = CLASS_SERVLET.matcher(path);
        if (!servlet.matches()) {
            noAddress(response);
            return;
        }
        String method = request.getMethod();
        try {
            if (method.equals("GET") || method.equals("HEAD") || method.equals("POST")) {
                ServletBase.formOf(request, method.equals("POST"));
            }
            Replies.text(response, 404, Protocol.noSuchClass(servlet.group(1)));
        } catch (Refusal refusal) {
            Replies.text(response, refusal.status(), refusal.getMessage());
        }
    }

    public static void noAddress(HttpServletResponse response) throws IOException {
        Replies.text(response, 404, Protocol.noSuchAddress());
    }
}

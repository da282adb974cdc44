package com.mobileclient.server;

import jakarta.servlet.FilterChain;
import jakarta.servlet.RequestDispatcher;
import jakarta.servlet.ServletException;
import jakarta.servlet.http.HttpFilter;
import jakarta.servlet.http.HttpServletRequest;
import jakarta.servlet.http.HttpServletResponse;
import java.io.ByteArrayOutputStream;
import java.io.IOException;
import java.io.InputStream;
import java.util.Set;

/**
 * Runs before every address of the application. Refuses requests that may change data when they
 * come from another site's page, then reads the whole body, within the address's limit, before
 * anything acts on it: a body that ends before its declared length or its last chunk (a client
 * that lost its connection) is refused and changes nothing.
 */
public class RequestGuard extends HttpFilter {
    private static final long serialVersionUID = 1L;
    private static final String BODY = RequestGuard.class.getName() + ".body";
    /** The methods HTTP defines; any other is no HTTP request the application understands. */
    private static final Set<String> HTTP_METHODS =
            Set.of("GET", "HEAD", "POST", "PUT", "DELETE", "CONNECT", "OPTIONS", "TRACE", "PATCH");


    /** The body that the guard read; empty when the request had none. */
    public static byte[] body(HttpServletRequest request) {
        byte[] body = (byte[]) request.getAttribute(BODY);
        return body == null ? new byte[0] : body;
    }

    @Override
    protected void doFilter(HttpServletRequest request, HttpServletResponse response,
            FilterChain chain) throws IOException, ServletException {
        try {
            refuseUnknownMethod(request);
            refuseForeignSite(request);
            request.setAttribute(BODY, readBody(request, limitOf(request)));
        } catch (Refusal refusal) {
            response.setHeader("Connection", "close");
            Replies.text(response, refusal.status(), refusal.getMessage());
            return;
        }
        chain.doFilter(request, response);
    }

    private static long limitOf(HttpServletRequest request) {
        return ("/" + Protocol.UPLOAD).equals(request.getServletPath()) && request.getPathInfo() == null
                ? Protocol.MAX_UPLOAD_BYTES
                : Protocol.MAX_FORM_BYTES;
    }

    private static void refuseUnknownMethod(HttpServletRequest request) {
        if (!HTTP_METHODS.contains(request.getMethod())) {
            throw new Refusal(400, Protocol.unknownMethod(request.getMethod()));
        }
    }

    private static void refuseForeignSite(HttpServletRequest request) {
        String method = request.getMethod();
        if (method.equals("GET") || method.equals("HEAD") || method.equals("OPTIONS")) {
            return;
        }
        String origin = request.getHeader("Origin");
        String host = request.getHeader("Host");
        if (origin != null && !origin.isEmpty() && !origin.equalsIgnoreCase("http://" + host)) {
            throw new Refusal(403, Protocol.foreignOrigin(origin));
        }
        String site = request.getHeader("Sec-Fetch-Site");
        if (site != null && !site.isEmpty() && !site.equalsIgnoreCase("same-origin")
                && !site.equalsIgnoreCase("none")) {
            throw new Refusal(403, Protocol.foreignFetchSite(site));
        }
    }

    private static byte[] readBody(HttpServletRequest request, long limit) {
        long declared = request.getContentLengthLong();
        if (declared > limit) {
            throw new Refusal(413, Protocol.bodyTooLarge(limit));
        }
        ByteArrayOutputStream body = new ByteArrayOutputStream(declared > 0 ? (int) declared : 256);
        byte[] buffer = new byte[16384];
        try (InputStream in = request.getInputStream()) {
            for (int count = in.read(buffer); count >= 0; count = in.read(buffer)) {
                if (body.size() + count > limit) {
                    throw new Refusal(413, Protocol.bodyTooLarge(limit));
                }
                body.write(buffer, 0, count);
            }
        } catch (IOException cutOff) {
            // Tomcat answers a failed read with its own 400 page; without the recorded
            // exception that page shows no stack trace.
            request.removeAttribute(RequestDispatcher.ERROR_EXCEPTION);
            throw new Refusal(400, Protocol.bodyCutOff());
        }
        return body.toByteArray();
    }
}

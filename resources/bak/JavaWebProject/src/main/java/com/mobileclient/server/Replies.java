package com.mobileclient.server;

import jakarta.servlet.http.HttpServletResponse;
import java.io.IOException;
import java.io.OutputStream;
import java.nio.charset.StandardCharsets;

/** Writes answers: plain text, a query's XML list, an object's JSON, a picture. */
public final class Replies {
    private Replies() {
    }

    public static void text(HttpServletResponse response, int status, String text)
            throws IOException {
        send(response, status, Protocol.TEXT_TYPE, text);
    }

    public static void send(HttpServletResponse response, int status, String contentType,
            String body) throws IOException {
        send(response, status, contentType, body.getBytes(StandardCharsets.UTF_8));
    }

    public static void send(HttpServletResponse response, int status, String contentType,
            byte[] body) throws IOException {
        response.setStatus(status);
        response.setContentType(contentType);
        response.setContentLength(body.length);
        try (OutputStream out = response.getOutputStream()) {
            out.write(body);
        }
    }

    /** A text as XML element content: markup escaped, characters XML cannot carry left out. */
    public static String xmlText(String text) {
        StringBuilder xml = new StringBuilder(text.length() + 16);
        for (int i = 0; i < text.length(); i++) {
            char c = text.charAt(i);
            switch (c) {
                case '<' -> xml.append("&lt;");
                case '>' -> xml.append("&gt;");
                case '&' -> xml.append("&amp;");
                case '"' -> xml.append("&quot;");
                case '\r' -> xml.append("&#13;");
                default -> {
                    if (Values.isTransmittable(c)) {
                        xml.append(c);
                    }
                }
            }
        }
        return xml.toString();
    }

    /** A text as a JSON string, quotes included. */
    public static String jsonText(String text) {
        StringBuilder json = new StringBuilder(text.length() + 16).append('"');
        for (int i = 0; i < text.length(); i++) {
            char c = text.charAt(i);
            switch (c) {
                case '"' -> json.append("\\\"");
                case '\\' -> json.append("\\\\");
                case '\b' -> json.append("\\b");
                case '\f' -> json.append("\\f");
                case '\n' -> json.append("\\n");
                case '\r' -> json.append("\\r");
                case '\t' -> json.append("\\t");
                default -> json.append(c < 0x20 ? String.format("\\u%04x", (int) c) : c);
            }
        }
        return json.append('"').toString();
    }

    /** A number in JSON as Java writes it; NaN and the infinities, which JSON lacks, as texts. */
    public static String jsonNumber(double number) {
        String text = Double.toString(number);
        return Double.isNaN(number) || Double.isInfinite(number) ? jsonText(text) : text;
    }
}

package com.mobileclient.server;

import java.nio.charset.StandardCharsets;
import java.util.ArrayList;
import java.util.Arrays;
import java.util.List;
import java.util.regex.Matcher;
import java.util.regex.Pattern;

/** Reads the fields of a multipart/form-data body. */
public final class Multipart {
    private static final Pattern BOUNDARY =
            Pattern.compile("boundary=(?:\"([^\"]+)\"|([^;\\s]+))", Pattern.CASE_INSENSITIVE);
    private static final Pattern FIELD_NAME =
            Pattern.compile("^content-disposition:[^\\r\\n]*;\\s*name=\"([^\"]*)\"",
                    Pattern.CASE_INSENSITIVE | Pattern.MULTILINE);
    private static final byte[] CRLF = {'\r', '\n'};
    private static final byte[] HEADERS_END = {'\r', '\n', '\r', '\n'};

    private Multipart() {
    }

    /**
     * The contents of the fields with that name, in order; null when the body is no complete
     * multipart form of the boundary the content type names.
     */
    public static List<byte[]> fields(byte[] body, String contentType, String name) {
        Matcher boundary = BOUNDARY.matcher(contentType == null ? "" : contentType);
        if (!boundary.find()) {
            return null;
        }
        String boundaryText = boundary.group(1) != null ? boundary.group(1) : boundary.group(2);
        byte[] delimiter = ("--" + boundaryText).getBytes(StandardCharsets.ISO_8859_1);
        byte[] nextDelimiter = concat(CRLF, delimiter);
        List<byte[]> fields = new ArrayList<>();
        int at = indexOf(body, delimiter, 0);
        while (at >= 0) {
            at += delimiter.length;
            if (startsAt(body, at, new byte[] {'-', '-'})) {
                return fields;
            }
            if (!startsAt(body, at, CRLF)) {
                break;
            }
            int headersEnd = indexOf(body, HEADERS_END, at);
            int next = headersEnd < 0 ? -1 : indexOf(body, nextDelimiter, headersEnd + 4);
            if (next < 0) {
                break;
            }
            int headersStart = Math.min(at + 2, headersEnd);
            String headers = new String(body, headersStart, headersEnd - headersStart,
                    StandardCharsets.UTF_8);
            Matcher field = FIELD_NAME.matcher(headers);
            if (field.find() && field.group(1).equals(name)) {
                fields.add(Arrays.copyOfRange(body, headersEnd + 4, next));
            }
            at = next + 2;
        }
        return null;
    }

    private static boolean startsAt(byte[] bytes, int at, byte[] prefix) {
        if (at + prefix.length > bytes.length) {
            return false;
        }
        for (int i = 0; i < prefix.length; i++) {
            if (bytes[at + i] != prefix[i]) {
                return false;
            }
        }
        return true;
    }

    private static int indexOf(byte[] bytes, byte[] wanted, int from) {
        for (int i = Math.max(from, 0); i + wanted.length <= bytes.length; i++) {
            if (startsAt(bytes, i, wanted)) {
                return i;
            }
        }
        return -1;
    }

    private static byte[] concat(byte[] a, byte[] b) {
        byte[] both = Arrays.copyOf(a, a.length + b.length);
        System.arraycopy(b, 0, both, a.length, b.length);
        return both;
    }
}

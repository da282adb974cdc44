package com.mobileclient.server;

import java.io.ByteArrayOutputStream;
import java.nio.ByteBuffer;
import java.nio.charset.CharacterCodingException;
import java.nio.charset.CodingErrorAction;
import java.nio.charset.StandardCharsets;
import java.util.HashMap;
import java.util.Map;

/**
 * The parameters of a request, decoded from application/x-www-form-urlencoded text
 * ("a=1&amp;b=x+y"). Names and values are UTF-8; "+" is a blank; a "%" that does not start two
 * hex digits stands for itself. A name sent twice or a text that is not UTF-8 is refused.
 */
public final class Form {
    private final Map<String, String> values = new HashMap<>();

    private Form() {
    }

    public static Form parse(byte[] encoded) {
        Form form = new Form();
        int start = 0;
        while (start <= encoded.length) {
            int end = indexOf(encoded, (byte) '&', start);
            if (end > start) {
                form.addPair(encoded, start, end);
            }
            start = end + 1;
        }
        return form;
    }

    /** The parameter's value, or null when it was not sent. */
    public String get(String name) {
        return values.get(name);
    }

    /** The parameter's value; refused when it was not sent. */
    public String required(String name) {
        String value = values.get(name);
        if (value == null) {
            throw new Refusal(400, Protocol.missingParameter(name));
        }
        return value;
    }

    private void addPair(byte[] encoded, int start, int end) {
        int equals = indexOf(encoded, (byte) '=', start);
        boolean hasValue = equals < end;
        String name = decode(encoded, start, hasValue ? equals : end);
        if (values.containsKey(name)) {
            throw new Refusal(400, Protocol.parameterTwice(name));
        }
        values.put(name, hasValue ? decode(encoded, equals + 1, end) : "");
    }

    private static int indexOf(byte[] bytes, byte wanted, int from) {
        for (int i = from; i < bytes.length; i++) {
            if (bytes[i] == wanted) {
                return i;
            }
        }
        return bytes.length;
    }

    private static String decode(byte[] encoded, int start, int end) {
        ByteArrayOutputStream bytes = new ByteArrayOutputStream(end - start);
        for (int i = start; i < end; i++) {
            byte b = encoded[i];
            int high = i + 2 < end ? Character.digit(encoded[i + 1], 16) : -1;
            int low = i + 2 < end ? Character.digit(encoded[i + 2], 16) : -1;
            if (b == '%' && high >= 0 && low >= 0) {
                bytes.write(high * 16 + low);
                i += 2;
            } else {
                bytes.write(b == '+' ? ' ' : b);
            }
        }
        try {
            return StandardCharsets.UTF_8.newDecoder()
                    .onMalformedInput(CodingErrorAction.REPORT)
                    .onUnmappableCharacter(CodingErrorAction.REPORT)
                    .decode(ByteBuffer.wrap(bytes.toByteArray()))
                    .toString();
        } catch (CharacterCodingException e) {
            throw new Refusal(400, Protocol.notUtf8());
        }
    }
}

package com.mobileclient.server;

import java.time.DateTimeException;
import java.time.LocalDate;
import java.time.LocalDateTime;
import java.util.regex.Matcher;
import java.util.regex.Pattern;

/**
 * Reads parameters as the values members store, the way the client writes them: integers in
 * decimal (32 bits), floats in the forms Java's Float.toString writes, dates as
 * "yyyy-mm-dd hh:mm:ss[.fraction]", texts without control characters other than tab, CR and LF.
 * Anything else is refused with a text naming the parameter.
 */
public final class Values {
    private static final Pattern INTEGER = Pattern.compile("[+-]?[0-9]+");
    private static final Pattern DECIMAL =
            Pattern.compile("[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)([eE][+-]?[0-9]+)?");
    private static final Pattern TIMESTAMP = Pattern.compile(
            "\\s*(\\d{4})-(\\d{1,2})-(\\d{1,2}) (\\d{1,2}):(\\d{1,2}):(\\d{1,2})(?:\\.(\\d{1,9}))?\\s*\\z");
    /** From here on a Java float is infinite; Float.MAX_VALUE's own text is below it. */
    private static final double FLOAT_OVERFLOW = 0x1.ffffffp127;

    private Values() {
    }

    public static String text(Form form, String name) {
        return checkedText(name, form.required(name));
    }

    /** A text of at most maxLength characters (its column's length; 0: no limit). */
    public static String text(Form form, String name, int maxLength) {
        String text = text(form, name);
        refuseIfLonger(name, text, maxLength);
        return text;
    }

    private static void refuseIfLonger(String name, String text, int maxLength) {
        if (maxLength > 0 && text.codePointCount(0, text.length()) > maxLength) {
            throw new Refusal(400, Protocol.textTooLong(name, maxLength));
        }
    }

    public static int integer(Form form, String name) {
        return parseInteger(name, form.required(name));
    }

    public static double number(Form form, String name) {
        return parseNumber(name, form.required(name));
    }

    public static LocalDateTime date(Form form, String name) {
        return parseDate(name, form.required(name));
    }

    /** A text key: sent and not blank. */
    public static String textKey(Form form, String name, String label) {
        String key = text(form, name);
        if (trimmed(key).isEmpty()) {
            throw new Refusal(400, Protocol.emptyKey(label));
        }
        return key;
    }

    /** A text key to store: also at most maxLength characters (0: no limit). */
    public static String textKey(Form form, String name, String label, int maxLength) {
        String key = textKey(form, name, label);
        refuseIfLonger(name, key, maxLength);
        return key;
    }

    public static String checkedText(String name, String text) {
        for (int i = 0; i < text.length(); i++) {
            char c = text.charAt(i);
            if (!isTransmittable(c) || (c >= 0x7F && c <= 0x9F)) {
                throw new Refusal(400, Protocol.controlCharacters(name));
            }
        }
        return text;
    }

    public static int parseInteger(String name, String text) {
        String digits = trimmed(text);
        if (INTEGER.matcher(digits).matches()) {
            try {
                return Integer.parseInt(digits);
            } catch (NumberFormatException tooLarge) {
                // refused below
            }
        }
        throw new Refusal(400, Protocol.wrongValue(name, Protocol.EXPECTED_INTEGER, text));
    }

    /**
     * A number the client's float can hold, kept as the double the text names (so that it is
     * answered with the digits it came with); NaN and the infinities as Java writes them.
     */
    public static double parseNumber(String name, String text) {
        String number = trimmed(text);
        switch (number) {
            case "NaN":
                return Double.NaN;
            case "Infinity":
                return Double.POSITIVE_INFINITY;
            case "-Infinity":
                return Double.NEGATIVE_INFINITY;
            default:
                break;
        }
        if (DECIMAL.matcher(number).matches()) {
            double value = Double.parseDouble(number);
            if (Math.abs(value) < FLOAT_OVERFLOW) {
                return value;
            }
        }
        throw new Refusal(400, Protocol.wrongValue(name, Protocol.EXPECTED_NUMBER, text));
    }

    public static LocalDateTime parseDate(String name, String text) {
        Matcher match = TIMESTAMP.matcher(text);
        if (match.matches()) {
            try {
                return timestamp(match);
            } catch (DateTimeException noSuchDate) {
                // refused below
            }
        }
        throw new Refusal(400, Protocol.wrongValue(name, Protocol.EXPECTED_DATE, text));
    }

    /** The first and the day after the last moment of the date's day. */
    public static LocalDateTime[] dayOf(LocalDateTime date) {
        LocalDate day = date.toLocalDate();
        return new LocalDateTime[] {day.atStartOfDay(), day.plusDays(1).atStartOfDay()};
    }

    /** A date as Java's Timestamp.toString writes it: "2009-04-01 00:00:00.0". */
    public static String dateText(LocalDateTime date) {
        String fraction = String.format("%09d", date.getNano()).replaceAll("(?<=.)0+$", "");
        return String.format("%04d-%02d-%02d %02d:%02d:%02d.%s", date.getYear(),
                date.getMonthValue(), date.getDayOfMonth(), date.getHour(), date.getMinute(),
                date.getSecond(), fraction);
    }

    /** Leaves out blanks at both ends: ASCII white space and Unicode separators. */
    public static String trimmed(String text) {
        int start = 0;
        int end = text.length();
        while (start < end && isBlank(text.charAt(start))) {
            start++;
        }
        while (end > start && isBlank(text.charAt(end - 1))) {
            end--;
        }
        return text.substring(start, end);
    }

    /** Characters XML 1.0 can carry. */
    public static boolean isTransmittable(char c) {
        return c >= 0x20 ? c != 0xFFFE && c != 0xFFFF : c == '\t' || c == '\n' || c == '\r';
    }

    private static boolean isBlank(char c) {
        return (c >= 0x09 && c <= 0x0D) || c == 0x85 || Character.isSpaceChar(c);
    }

    private static LocalDateTime timestamp(Matcher match) {
        int year = Integer.parseInt(match.group(1));
        if (year == 0) {
            throw new DateTimeException("no year 0");
        }
        String fraction = match.group(7) == null ? "0" : match.group(7);
        int nanos = Integer.parseInt((fraction + "00000000").substring(0, 9));
        return LocalDateTime.of(year, Integer.parseInt(match.group(2)),
                Integer.parseInt(match.group(3)), Integer.parseInt(match.group(4)),
                Integer.parseInt(match.group(5)), Integer.parseInt(match.group(6)), nanos);
    }
}

package com.mobileclient.server;

import java.util.regex.Matcher;
import java.util.regex.Pattern;

/**
 * The kinds of pictures the server stores, told by their headers: a picture must name its kind
 * and a size, or it is none of these.
 */
public enum PictureKind {
    JPEG("jpg", "image/jpeg"),
    PNG("png", "image/png"),
    GIF("gif", "image/gif"),
    BMP("bmp", "image/bmp"),
    WEBP("webp", "image/webp");

    private static final Pattern STORED_NAME =
            Pattern.compile("[A-Za-z0-9_-]{1,100}\\.([a-z]{3,4})");

    private final String extension;
    private final String contentType;

    PictureKind(String extension, String contentType) {
        this.extension = extension;
        this.contentType = contentType;
    }

    public String extension() {
        return extension;
    }

    public String contentType() {
        return contentType;
    }

    /** The kind of a name the server could have made ("<letters, digits, - or _>.png"), or null. */
    public static PictureKind ofName(String fileName) {
        Matcher match = STORED_NAME.matcher(fileName);
        if (!match.matches()) {
            return null;
        }
        for (PictureKind kind : values()) {
            if (kind.extension.equals(match.group(1))) {
                return kind;
            }
        }
        return null;
    }

    /** The kind of picture whose header gives its format and a size that is not empty, or null. */
    public static PictureKind of(byte[] bytes) {
        Header header = new Header(bytes);
        if (header.startsWith(0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n')) {
            return pngHasSize(header) ? PNG : null;
        }
        if (header.startsWith(0xFF, 0xD8, 0xFF)) {
            return jpegHasSize(header) ? JPEG : null;
        }
        if (header.hasText(0, "GIF87a") || header.hasText(0, "GIF89a")) {
            return gifHasSize(header) ? GIF : null;
        }
        if (header.hasText(0, "BM")) {
            return bmpHasSize(header) ? BMP : null;
        }
        if (header.hasText(0, "RIFF") && header.hasText(8, "WEBP")) {
            return webpHasSize(header) ? WEBP : null;
        }
        return null;
    }

    /** IHDR with a size, and the image data after it: a reader needs both. */
    private static boolean pngHasSize(Header header) {
        if (!header.hasText(12, "IHDR") || header.int32(16) <= 0 || header.int32(20) <= 0) {
            return false;
        }
        for (long at = 8; at + 8 <= header.length(); at += 12 + (header.int32((int) at) & 0xFFFFFFFFL)) {
            if (header.hasText((int) at + 4, "IDAT")) {
                return true;
            }
        }
        return false;
    }

    /** A frame with a size, then the start of a scan, which a reader needs for the header. */
    private static boolean jpegHasSize(Header header) {
        boolean sized = false;
        int at = 2;
        while (header.uint8(at) == 0xFF) {
            int marker = header.uint8(at + 1);
            if (marker == 0xFF) {
                at++;
                continue;
            }
            boolean startOfFrame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4
                    && marker != 0xC8 && marker != 0xCC;
            if (startOfFrame) {
                sized = header.uint16be(at + 5) > 0 && header.uint16be(at + 7) > 0;
            }
            if (marker == 0xDA || marker == 0xD9) {
                return marker == 0xDA && sized;
            }
            int length = header.uint16be(at + 2);
            if (length < 2) {
                return false;
            }
            at += 2 + length;
        }
        return false;
    }

    /** A screen with a size and at least one image in it. */
    private static boolean gifHasSize(Header header) {
        if (header.uint16le(6) == 0 || header.uint16le(8) == 0) {
            return false;
        }
        int flags = header.uint8(10);
        int at = 13 + ((flags & 0x80) != 0 ? 3 << ((flags & 7) + 1) : 0);
        while (header.uint8(at) == 0x21) {
            at += 2;
            while (header.uint8(at) > 0) {
                at += 1 + header.uint8(at);
            }
            at++;
        }
        return header.uint8(at) == 0x2C && header.length() >= at + 10;
    }

    private static boolean bmpHasSize(Header header) {
        long infoSize = header.uint32le(14);
        if (infoSize == 12) {
            return header.uint16le(18) > 0 && header.uint16le(20) > 0;
        }
        if (infoSize < 40 || header.length() < 26) {
            return false;
        }
        int width = (int) header.uint32le(18);
        int height = (int) header.uint32le(22);
        return width > 0 && height != 0 && height != Integer.MIN_VALUE;
    }

    private static boolean webpHasSize(Header header) {
        if (header.hasText(12, "VP8 ")) {
            return header.startsWithAt(23, 0x9D, 0x01, 0x2A)
                    && (header.uint16le(26) & 0x3FFF) > 0 && (header.uint16le(28) & 0x3FFF) > 0;
        }
        if (header.hasText(12, "VP8L")) {
            return header.uint8(20) == 0x2F && header.length() >= 25;
        }
        if (header.hasText(12, "VP8X")) {
            return header.length() >= 30;
        }
        return false;
    }

    /** Reads numbers from a header; past its end, every byte reads as -1 and numbers as 0. */
    private static final class Header {
        private final byte[] bytes;

        Header(byte[] bytes) {
            this.bytes = bytes;
        }

        int length() {
            return bytes.length;
        }

        int uint8(int at) {
            return at >= 0 && at < bytes.length ? bytes[at] & 0xFF : -1;
        }

        int uint16be(int at) {
            return at + 1 < bytes.length ? (uint8(at) << 8) | uint8(at + 1) : 0;
        }

        int uint16le(int at) {
            return at + 1 < bytes.length ? uint8(at) | (uint8(at + 1) << 8) : 0;
        }

        long uint32le(int at) {
            return at + 3 < bytes.length
                    ? ((long) uint16le(at + 2) << 16) | uint16le(at)
                    : 0;
        }

        int int32(int at) {
            return at + 3 < bytes.length ? (uint16be(at) << 16) | uint16be(at + 2) : 0;
        }

        boolean hasText(int at, String text) {
            for (int i = 0; i < text.length(); i++) {
                if (uint8(at + i) != text.charAt(i)) {
                    return false;
                }
            }
            return true;
        }

        boolean startsWith(int... prefix) {
            return startsWithAt(0, prefix);
        }

        boolean startsWithAt(int at, int... prefix) {
            for (int i = 0; i < prefix.length; i++) {
                if (uint8(at + i) != prefix[i]) {
                    return false;
                }
            }
            return true;
        }
    }
}

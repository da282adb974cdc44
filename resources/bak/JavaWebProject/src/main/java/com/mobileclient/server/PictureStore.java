package com.mobileclient.server;

import java.io.IOException;
import java.io.InputStream;
import java.io.UncheckedIOException;
import java.sql.Connection;
import java.sql.PreparedStatement;
import java.sql.ResultSet;
import java.sql.SQLException;
import java.util.UUID;

/**
 * The uploaded pictures, kept in the database so that every node serves the same ones. A stored
 * picture's name, as the client keeps it, is "upload/" followed by its file name.
 */
public final class PictureStore {
    /** The file name the add screen stores for an object without a picture. */
    public static final String NO_IMAGE =
            Protocol.NO_IMAGE.substring(Protocol.PICTURE_PREFIX.length());

    private static final String TABLE = "\"" + SchemaManager.PICTURES_TABLE + "\"";
    private static final byte[] PLACEHOLDER = readPlaceholder();

    /** A picture's bytes and content type. */
    public record Picture(byte[] bytes, String contentType) {
    }

    private PictureStore() {
    }

    /**
     * Stores a JPEG, PNG, GIF, BMP or WebP picture under a new name and answers
     * "upload/&lt;name&gt;"; anything else is refused (415).
     */
    public static String store(byte[] bytes) throws SQLException {
        PictureKind kind = PictureKind.of(bytes);
        if (kind == null) {
            throw new Refusal(415, Protocol.notAPicture());
        }
        String name = UUID.randomUUID().toString().replace("-", "") + "." + kind.extension();
        Database.inTransaction(connection -> insert(connection, name, bytes));
        return Protocol.PICTURE_PREFIX + name;
    }

    /**
     * The picture stored under the file name (the part after "upload/"), or null.
     * "noimage.jpg" is the template's picture as long as no picture of that name is stored.
     */
    public static Picture find(String fileName) throws SQLException {
        PictureKind kind = PictureKind.ofName(fileName);
        if (kind == null) {
            return null;
        }
        byte[] bytes = Database.inTransaction(connection -> select(connection, fileName));
        if (bytes != null) {
            return new Picture(bytes, kind.contentType());
        }
        if (!fileName.equals(NO_IMAGE)) {
            return null;
        }
        return new Picture(PLACEHOLDER, PictureKind.of(PLACEHOLDER).contentType());
    }

    private static Void insert(Connection connection, String name, byte[] bytes)
            throws SQLException {
        String sql = "INSERT INTO " + TABLE + " (name, content) VALUES (?, ?)";
        try (PreparedStatement insert = connection.prepareStatement(sql)) {
            insert.setString(1, name);
            insert.setBytes(2, bytes);
            insert.executeUpdate();
        }
        return null;
    }

    private static byte[] select(Connection connection, String name) throws SQLException {
        String sql = "SELECT content FROM " + TABLE + " WHERE name = ?";
        try (PreparedStatement select = connection.prepareStatement(sql)) {
            select.setString(1, name);
            try (ResultSet row = select.executeQuery()) {
                return row.next() ? row.getBytes(1) : null;
            }
        }
    }

    private static byte[] readPlaceholder() {
        try (InputStream in = PictureStore.class.getResourceAsStream("noimage.png")) {
            return in.readAllBytes();
        } catch (IOException e) {
            throw new UncheckedIOException(e);
        }
    }
}

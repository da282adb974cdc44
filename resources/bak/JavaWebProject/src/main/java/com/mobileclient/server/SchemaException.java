package com.mobileclient.server;

/**
 * The database's schema cannot follow the model without losing stored values, or the database
 * refused a change. The message is one line and names what stands in the way; nothing was
 * changed.
 */
public class SchemaException extends Exception {
    private static final long serialVersionUID = 1L;

    public SchemaException(String message) {
        super(message);
    }

    public SchemaException(String message, Throwable cause) {
        super(message, cause);
    }
}

package com.mobileclient.server;

/**
 * A request the server refuses: an HTTP status (4xx) and the text that tells the client why.
 * Thrown anywhere while a request is handled; the servlet answers it as plain text.
 */
public class Refusal extends RuntimeException {
    private static final long serialVersionUID = 1L;

    private final int status;

    public Refusal(int status, String message) {
        super(message, null, false, false);
        this.status = status;
    }

    public int status() {
        return status;
    }
}

package com.mobileclient.server;

import java.sql.Connection;
import java.sql.SQLException;
import java.util.Set;
import javax.naming.InitialContext;
import javax.naming.NamingException;
import javax.sql.DataSource;

/**
 * The application's database: the container's pool, declared in META-INF/context.xml as
 * jdbc/JavaWebProject. Each request's work runs in one transaction.
 */
public final class Database {
    public static final String JNDI_NAME = "java:comp/env/jdbc/JavaWebProject";

    /**
     * What another transaction's concurrent change can cause: a key or reference taken or
     * removed between a check and a write, a serialization failure, a deadlock. The work is run
     * again and its checks then see the other change.
     */
    private static final Set<String> RETRIED_STATES = Set.of("23505", "23503", "40001", "40P01");
    private static final int ATTEMPTS = 3;

    private static volatile DataSource dataSource;

    /** Work done with a connection inside a transaction. */
    @FunctionalInterface
    public interface Work<T> {
        T run(Connection connection) throws SQLException;
    }

    private Database() {
    }

    public static DataSource lookUp() throws NamingException {
        if (dataSource == null) {
            dataSource = (DataSource) new InitialContext().lookup(JNDI_NAME);
        }
        return dataSource;
    }

    /**
     * Runs the work in one transaction and commits it; a refusal or an error rolls everything
     * back.
     */
    public static <T> T inTransaction(Work<T> work) throws SQLException {
        for (int attempt = 1;; attempt++) {
            try (Connection connection = dataSource.getConnection()) {
                connection.setAutoCommit(false);
                try {
                    T result = work.run(connection);
                    connection.commit();
                    return result;
                } catch (SQLException e) {
                    connection.rollback();
                    if (attempt == ATTEMPTS || !RETRIED_STATES.contains(e.getSQLState())) {
                        throw e;
                    }
                } catch (RuntimeException e) {
                    connection.rollback();
                    throw e;
                }
            }
        }
    }

    /**
     * An insert that failed because the key sequence reached its end is refused (409): the class
     * has used up its keys. Any other failure is answered to be thrown as it is.
     */
    public static SQLException refusalIfKeysUsedUp(SQLException failure, String friendName) {
        if ("2200H".equals(failure.getSQLState())) {
            throw new Refusal(409, Protocol.keysUsedUp(friendName));
        }
        return failure;
    }
}

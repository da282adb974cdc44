package com.mobileclient.server;

import jakarta.servlet.ServletContextEvent;
import jakarta.servlet.ServletContextListener;
import javax.naming.NamingException;

/**
 * Makes or brings up to date the tables when the application starts. A schema the application
 * cannot keep (a stored value that would not fit a changed column), or a database it cannot
 * reach, stops the start, and the reason goes to the container's log on one line.
 */
public class StartupListener implements ServletContextListener {
    public static final String REFUSAL_PREFIX = "JavaWebProject refuses to start: ";

    @Override
    public void contextInitialized(ServletContextEvent event) {
        try {
            SchemaManager.ensure(Database.lookUp(), Schema.tables());
        } catch (SchemaException | NamingException | RuntimeException e) {
            String reason = String.valueOf(e.getMessage()).replaceAll("[\\r\\n]+", " ");
            System.err.println(REFUSAL_PREFIX + reason);
            throw new IllegalStateException(REFUSAL_PREFIX + reason, e);
        }
    }
}

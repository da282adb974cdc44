package com.mobileclient.server;

import java.sql.Connection;
import java.sql.PreparedStatement;
import java.sql.ResultSet;
import java.sql.SQLException;
import java.util.ArrayList;
import java.util.LinkedHashMap;
import java.util.List;
import java.util.Map;

/** What the database holds of one table now, read from PostgreSQL's catalog. */
final class StoredTable {
    /** A column as stored: its type as format_type() writes it and its constraints. */
    record Column(String sqlType, boolean identity, boolean notNull, boolean hasDefault) {
        boolean isText() {
            return sqlType.equals("text") || sqlType.startsWith("character");
        }
    }

    /** A single-column foreign key. */
    record ForeignKey(String constraint, String column, String referencedTable) {}

    final String name;
    final Map<String, Column> columns = new LinkedHashMap<>();
    final List<ForeignKey> foreignKeys = new ArrayList<>();
    String primaryKeyConstraint;
    String primaryKeyColumn;

    private StoredTable(String name) {
        this.name = name;
    }

    /** The table of that name in the current schema, or null when there is none. */
    static StoredTable read(Connection connection, String name) throws SQLException {
        Long oid = tableOid(connection, name);
        if (oid == null) {
            return null;
        }
        StoredTable table = new StoredTable(name);
        table.readColumns(connection, oid);
        table.readConstraints(connection, oid);
        return table;
    }

    private static Long tableOid(Connection connection, String name) throws SQLException {
        String sql = "SELECT c.oid FROM pg_class c JOIN pg_namespace n ON n.oid = c.relnamespace"
                + " WHERE n.nspname = current_schema() AND c.relname = ?"
                + " AND c.relkind IN ('r', 'p')";
        try (PreparedStatement statement = connection.prepareStatement(sql)) {
            statement.setString(1, name);
            try (ResultSet result = statement.executeQuery()) {
                return result.next() ? result.getLong(1) : null;
            }
        }
    }

    private void readColumns(Connection connection, long oid) throws SQLException {
        String sql = "SELECT attname, format_type(atttypid, atttypmod), attidentity <> '',"
                + " attnotnull, atthasdef FROM pg_attribute"
                + " WHERE attrelid = ? AND attnum > 0 AND NOT attisdropped ORDER BY attnum";
        try (PreparedStatement statement = connection.prepareStatement(sql)) {
            statement.setLong(1, oid);
            try (ResultSet result = statement.executeQuery()) {
                while (result.next()) {
                    columns.put(result.getString(1), new Column(result.getString(2),
                            result.getBoolean(3), result.getBoolean(4), result.getBoolean(5)));
                }
            }
        }
    }

    private void readConstraints(Connection connection, long oid) throws SQLException {
        String sql = "SELECT k.contype, k.conname, a.attname, r.relname FROM pg_constraint k"
                + " JOIN pg_attribute a ON a.attrelid = k.conrelid AND a.attnum = k.conkey[1]"
                + " LEFT JOIN pg_class r ON r.oid = k.confrelid"
                + " WHERE k.conrelid = ? AND k.contype IN ('p', 'f')"
                + " AND cardinality(k.conkey) = 1";
        try (PreparedStatement statement = connection.prepareStatement(sql)) {
            statement.setLong(1, oid);
            try (ResultSet result = statement.executeQuery()) {
                while (result.next()) {
                    if (result.getString(1).equals("p")) {
                        primaryKeyConstraint = result.getString(2);
                        primaryKeyColumn = result.getString(3);
                    } else {
                        foreignKeys.add(new ForeignKey(
                                result.getString(2), result.getString(3), result.getString(4)));
                    }
                }
            }
        }
    }
}

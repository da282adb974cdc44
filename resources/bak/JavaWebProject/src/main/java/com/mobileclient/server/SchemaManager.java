package com.mobileclient.server;

import java.sql.Connection;
import java.sql.ResultSet;
import java.sql.SQLException;
import java.sql.Statement;
import java.util.HashSet;
import java.util.LinkedHashMap;
import java.util.List;
import java.util.Map;
import java.util.Set;
import java.util.function.Function;
import javax.sql.DataSource;

/**
 * Makes the database's tables follow the model at start.
 *
 * <p>Missing tables and columns are added; nothing is dropped, so the columns of removed members
 * keep their values. A column whose type changed is converted when every stored value fits the
 * new type; otherwise the start is refused with a {@link SchemaException} that names the table,
 * the column and the first value that does not fit. A key's type, or which column is the key,
 * changes only while the table is empty. Everything happens in one transaction under an advisory
 * lock, so several containers starting together apply the changes once, and a refused start
 * leaves the data as they were.
 */
public final class SchemaManager {
    /** The table of uploaded pictures: file name and content. */
    public static final String PICTURES_TABLE = "uploaded pictures";

    /** The advisory lock that every container takes while it brings the schema up to date. */
    public static final long LOCK_KEY = 7_433_512_001L;

    /**
     * A function of this transaction that tells whether a text converts to a type; PostgreSQL
     * 15 has none of its own.
     */
    private static final String FITS_FUNCTION = "pg_temp.value_converts";

    private static final String UNCHANGED = "；数据库未做任何改动";

    private final Connection connection;
    private final Map<String, TableSpec> specs = new LinkedHashMap<>();
    private final Map<String, StoredTable> storedTables = new LinkedHashMap<>();
    private final Set<String> keptForeignKeys = new HashSet<>();

    private SchemaManager(Connection connection, List<TableSpec> tables) {
        this.connection = connection;
        for (TableSpec table : tables) {
            specs.put(table.name(), table);
        }
        for (TableSpec table : tables) {
            for (ColumnSpec column : table.columns()) {
                if (column.isReference()) {
                    checkReference(table, column);
                }
            }
        }
    }

    private void checkReference(TableSpec table, ColumnSpec column) {
        TableSpec referenced = specs.get(column.referencedTable());
        if (referenced == null || !referenced.key().sqlType().equals(column.sqlType())) {
            throw new IllegalArgumentException(table.name() + "." + column.name()
                    + " must have the type of the key of the listed table "
                    + column.referencedTable());
        }
    }

    /** Brings the schema up to date through a connection of the pool. */
    public static void ensure(DataSource dataSource, List<TableSpec> tables)
            throws SchemaException {
        try (Connection connection = dataSource.getConnection()) {
            ensure(connection, tables);
        } catch (SQLException e) {
            throw new SchemaException("无法使用数据库：" + oneLine(e.getMessage()), e);
        }
    }

    /** Brings the schema up to date in one transaction of this connection. */
    public static void ensure(Connection connection, List<TableSpec> tables)
            throws SchemaException, SQLException {
        boolean autoCommit = connection.getAutoCommit();
        connection.setAutoCommit(false);
        try {
            new SchemaManager(connection, tables).apply();
            connection.commit();
        } catch (SQLException e) {
            connection.rollback();
            throw new SchemaException("无法更新数据库结构：" + oneLine(e.getMessage()) + UNCHANGED, e);
        } catch (SchemaException | RuntimeException e) {
            connection.rollback();
            throw e;
        } finally {
            connection.setAutoCommit(autoCommit);
        }
    }

    private void apply() throws SQLException, SchemaException {
        execute("SELECT pg_advisory_xact_lock(" + LOCK_KEY + ")");
        // Values are compared through their text forms, which these settings fix.
        execute("SET LOCAL DateStyle = 'ISO, YMD'");
        execute("SET LOCAL extra_float_digits = 1");
        createFitsFunction();
        // A start with nothing to make asks for no right to create tables.
        if (StoredTable.read(connection, PICTURES_TABLE) == null) {
            execute("CREATE TABLE " + quote(PICTURES_TABLE)
                    + " (name character varying(255) PRIMARY KEY, content bytea NOT NULL)");
        }
        for (TableSpec table : specs.values()) {
            storedTables.put(table.name(), StoredTable.read(connection, table.name()));
        }
        dropForeignKeysThatChange();
        for (TableSpec table : specs.values()) {
            StoredTable stored = storedTables.get(table.name());
            if (stored == null) {
                createTable(table);
            } else {
                updateTable(table, stored);
            }
        }
        for (TableSpec table : specs.values()) {
            addForeignKeys(table);
        }
        execute("DROP FUNCTION " + FITS_FUNCTION + "(text, text)");
    }

    // ---- tables and columns ----

    private void createTable(TableSpec table) throws SQLException {
        StringBuilder sql = new StringBuilder("CREATE TABLE " + quote(table.name()) + " (");
        for (ColumnSpec column : table.columns()) {
            if (column != table.columns().get(0)) {
                sql.append(", ");
            }
            sql.append(columnDefinition(table, column));
        }
        execute(sql.append(")").toString());
    }

    private static String columnDefinition(TableSpec table, ColumnSpec column) {
        String definition = quote(column.name()) + " " + column.sqlType();
        if (column.name().equals(table.keyColumn())) {
            return definition + (table.integerKey() ? " GENERATED ALWAYS AS IDENTITY" : "")
                    + " PRIMARY KEY";
        }
        if (column.isReference()) {
            return definition;
        }
        return definition + " NOT NULL DEFAULT " + column.type().defaultValue();
    }

    private void updateTable(TableSpec table, StoredTable stored)
            throws SQLException, SchemaException {
        boolean keyMoves = !table.keyColumn().equals(stored.primaryKeyColumn);
        if (keyMoves) {
            refuseIfRows(stored, key -> "的键不能从" + describeColumn(stored.primaryKeyColumn)
                    + "改为" + table.keyColumn() + "：表中已有对象(第一个的键是" + key
                    + ")，键只能在表为空时更换");
            if (stored.primaryKeyConstraint != null) {
                alter(table, "DROP CONSTRAINT " + quote(stored.primaryKeyConstraint));
            }
        }
        for (ColumnSpec column : table.columns()) {
            StoredTable.Column present = stored.columns.get(column.name());
            if (present == null) {
                alter(table, "ADD COLUMN " + columnDefinition(table, column));
            } else {
                new ColumnUpdate(table, stored, column, present, keyMoves).apply();
            }
        }
        for (Map.Entry<String, StoredTable.Column> entry : stored.columns.entrySet()) {
            StoredTable.Column column = entry.getValue();
            // A removed member's column keeps its values; new rows must still be insertable.
            boolean removed = table.column(entry.getKey()) == null;
            if (removed && column.notNull() && !column.hasDefault() && !column.identity()) {
                alter(table, "ALTER COLUMN " + quote(entry.getKey()) + " DROP NOT NULL");
            }
        }
    }

    /** The changes one existing column of the model needs, in an order PostgreSQL accepts. */
    private final class ColumnUpdate {
        private final TableSpec table;
        private final StoredTable stored;
        private final ColumnSpec column;
        private final StoredTable.Column present;
        private final boolean isKey;
        private final boolean becomesKey;
        private final String alterColumn;
        private boolean hasDefault;

        ColumnUpdate(TableSpec table, StoredTable stored, ColumnSpec column,
                     StoredTable.Column present, boolean keyMoves) {
            this.table = table;
            this.stored = stored;
            this.column = column;
            this.present = present;
            this.isKey = column.name().equals(table.keyColumn());
            this.becomesKey = isKey && keyMoves;
            this.alterColumn = "ALTER COLUMN " + quote(column.name()) + " ";
            this.hasDefault = present.hasDefault();
        }

        void apply() throws SQLException, SchemaException {
            boolean identityStays = isKey && table.integerKey() && typeStays();
            if (present.identity() && !identityStays) {
                alter(table, alterColumn + "DROP IDENTITY");
            }
            if (column.isReference() && present.notNull()) {
                alter(table, alterColumn + "DROP NOT NULL");
            }
            if (!typeStays()) {
                changeType();
            }
            if (isKey) {
                makeKey(identityStays && present.identity());
            } else if (column.isReference()) {
                dropDefault();
            } else {
                makeNotNullWithDefault();
            }
        }

        private boolean typeStays() {
            return present.sqlType().equals(column.sqlType());
        }

        private void changeType() throws SQLException, SchemaException {
            if (isKey && !becomesKey && !(present.isText() && column.type() == ColumnType.TEXT)) {
                refuseIfRows(stored, key -> "的键" + column.name() + "不能从"
                        + describeSqlType(present.sqlType()) + "改为"
                        + column.type().describe(column.length()) + "：表中已有对象(第一个的键是"
                        + key + ")，键的类型只能在表为空时改变");
            }
            checkValuesFit(table, stored, column, present);
            dropDefault();
            alter(table, alterColumn + "TYPE " + column.sqlType() + " USING "
                    + conversion(column, quote(column.name())));
        }

        private void makeKey(boolean hasIdentity) throws SQLException {
            dropDefault();
            if (becomesKey) {
                alter(table, "ADD PRIMARY KEY (" + quote(column.name()) + ")");
            }
            if (table.integerKey() && !hasIdentity) {
                long start = nextKey(table);
                alter(table, alterColumn + "ADD GENERATED ALWAYS AS IDENTITY (START WITH "
                        + start + ")");
            }
        }

        private void makeNotNullWithDefault() throws SQLException {
            String defaultValue = column.type().defaultValue();
            if (!hasDefault) {
                alter(table, alterColumn + "SET DEFAULT " + defaultValue);
            }
            if (!present.notNull()) {
                execute("UPDATE " + quote(table.name()) + " SET " + quote(column.name()) + " = "
                        + defaultValue + " WHERE " + quote(column.name()) + " IS NULL");
                alter(table, alterColumn + "SET NOT NULL");
            }
        }

        private void dropDefault() throws SQLException {
            if (hasDefault) {
                alter(table, alterColumn + "DROP DEFAULT");
                hasDefault = false;
            }
        }
    }

    /**
     * The expression that converts a stored value to the column's type. An empty text, the
     * value of rows older than a text member, becomes the new type's default (none for a
     * reference).
     */
    private static String conversion(ColumnSpec column, String value) {
        String cast = value + "::text::" + column.sqlType();
        if (column.type() == ColumnType.TEXT) {
            return cast;
        }
        String empty = column.isReference() ? "NULL" : column.type().defaultValue();
        return "CASE WHEN " + value + "::text = '' THEN " + empty + "::" + column.sqlType()
                + " ELSE " + cast + " END";
    }

    private void checkValuesFit(TableSpec table, StoredTable stored, ColumnSpec column,
                                StoredTable.Column present) throws SQLException, SchemaException {
        String condition = misfitCondition(column, present);
        if (condition == null) {
            return;
        }
        String order = stored.primaryKeyColumn == null ? "ctid" : quote(stored.primaryKeyColumn);
        String sql = "SELECT " + quote(column.name()) + "::text, " + order + "::text FROM "
                + quote(table.name()) + " WHERE " + condition + " ORDER BY " + order + " LIMIT 1";
        try (Statement statement = connection.createStatement();
             ResultSet misfit = statement.executeQuery(sql)) {
            if (misfit.next()) {
                throw new SchemaException("表" + table.name() + "的列" + column.name() + "不能从"
                        + describeSqlType(present.sqlType()) + "改为"
                        + column.type().describe(column.length()) + "：键为"
                        + shown(misfit.getString(2)) + "的对象的值" + shown(misfit.getString(1))
                        + "放不下" + UNCHANGED);
            }
        }
    }

    /** The condition that selects stored values the new type cannot hold, or null for none. */
    private static String misfitCondition(ColumnSpec column, StoredTable.Column present) {
        String value = quote(column.name()) + "::text";
        if (column.type() == ColumnType.TEXT) {
            return column.length() > 0 ? "char_length(" + value + ") > " + column.length() : null;
        }
        if (present.sqlType().equals("integer") && column.type() == ColumnType.REAL) {
            return null;
        }
        return value + " <> '' AND NOT " + FITS_FUNCTION + "(" + value + ", '"
                + column.sqlType() + "')";
    }

    private long nextKey(TableSpec table) throws SQLException {
        String sql = "SELECT coalesce(max(" + quote(table.keyColumn()) + "), 0) + 1 FROM "
                + quote(table.name());
        try (Statement statement = connection.createStatement();
             ResultSet result = statement.executeQuery(sql)) {
            result.next();
            return result.getLong(1);
        }
    }

    /** Refuses with "表" + table + detail(first key) when the table holds a row. */
    private void refuseIfRows(StoredTable stored, Function<String, String> detail)
            throws SQLException, SchemaException {
        String key = stored.primaryKeyColumn == null ? "ctid" : quote(stored.primaryKeyColumn);
        String sql = "SELECT " + key + "::text FROM " + quote(stored.name) + " ORDER BY " + key
                + " LIMIT 1";
        try (Statement statement = connection.createStatement();
             ResultSet row = statement.executeQuery(sql)) {
            if (row.next()) {
                throw new SchemaException("表" + stored.name
                        + detail.apply(shown(row.getString(1))) + UNCHANGED);
            }
        }
    }

    // ---- foreign keys ----

    /**
     * Drops the foreign keys that no longer match the model: of removed members, of members
     * that refer elsewhere or to nothing now, and of columns whose type, or whose referenced
     * key, changes. The references of the model get theirs again afterwards.
     */
    private void dropForeignKeysThatChange() throws SQLException {
        for (TableSpec table : specs.values()) {
            StoredTable stored = storedTables.get(table.name());
            if (stored == null) {
                continue;
            }
            for (StoredTable.ForeignKey foreignKey : stored.foreignKeys) {
                if (foreignKeyStays(table, stored, foreignKey)) {
                    keptForeignKeys.add(table.name() + "\0" + foreignKey.column());
                } else {
                    alter(table, "DROP CONSTRAINT " + quote(foreignKey.constraint()));
                }
            }
        }
    }

    private boolean foreignKeyStays(TableSpec table, StoredTable stored,
                                    StoredTable.ForeignKey foreignKey) {
        ColumnSpec column = table.column(foreignKey.column());
        if (column == null || !foreignKey.referencedTable().equals(column.referencedTable())
                || !column.sqlType().equals(stored.columns.get(column.name()).sqlType())) {
            return false;
        }
        TableSpec referenced = specs.get(column.referencedTable());
        StoredTable referencedStored = storedTables.get(referenced.name());
        if (referencedStored == null
                || !referenced.keyColumn().equals(referencedStored.primaryKeyColumn)) {
            return false;
        }
        StoredTable.Column key = referencedStored.columns.get(referenced.keyColumn());
        return key.sqlType().equals(referenced.key().sqlType());
    }

    /**
     * Gives every reference of the table a foreign key. A value that names no object in rows
     * written before the column was a reference (0 or an empty text) becomes NULL, which means
     * the same; a value naming an object that does not exist is kept, and the key then checks
     * only rows written from now on (NOT VALID).
     */
    private void addForeignKeys(TableSpec table) throws SQLException {
        for (ColumnSpec column : table.columns()) {
            if (!column.isReference() || keptForeignKeys.contains(table.name() + "\0" + column.name())) {
                continue;
            }
            String name = quote(column.name());
            String none = column.type() == ColumnType.TEXT ? "''" : "0";
            execute("UPDATE " + quote(table.name()) + " SET " + name + " = NULL WHERE " + name
                    + " = " + none);
            TableSpec referenced = specs.get(column.referencedTable());
            String key = quote(referenced.keyColumn());
            boolean dangling = exists("SELECT 1 FROM " + quote(table.name()) + " x WHERE x."
                    + name + " IS NOT NULL AND NOT EXISTS (SELECT 1 FROM "
                    + quote(referenced.name()) + " y WHERE y." + key + " = x." + name + ")");
            alter(table, "ADD FOREIGN KEY (" + name + ") REFERENCES " + quote(referenced.name())
                    + " (" + key + ")" + (dangling ? " NOT VALID" : ""));
        }
    }

    // ---- SQL helpers ----

    private void createFitsFunction() throws SQLException {
        execute("CREATE OR REPLACE FUNCTION " + FITS_FUNCTION + "(value text, target text)"
                + " RETURNS boolean LANGUAGE plpgsql AS $$ BEGIN"
                + " EXECUTE format('SELECT %L::%s', value, target); RETURN true;"
                + " EXCEPTION WHEN OTHERS THEN RETURN false; END $$");
    }

    private boolean exists(String sql) throws SQLException {
        try (Statement statement = connection.createStatement();
             ResultSet result = statement.executeQuery(sql)) {
            return result.next();
        }
    }

    private void alter(TableSpec table, String change) throws SQLException {
        execute("ALTER TABLE " + quote(table.name()) + " " + change);
    }

    private void execute(String sql) throws SQLException {
        try (Statement statement = connection.createStatement()) {
            statement.execute(sql);
        }
    }

    static String quote(String identifier) {
        return '"' + identifier.replace("\"", "\"\"") + '"';
    }

    private static String describeColumn(String column) {
        return column == null ? "(无)" : column;
    }

    private static String describeSqlType(String sqlType) {
        for (ColumnType type : ColumnType.values()) {
            if (type.sqlType(0).equals(sqlType)) {
                return type.describe(0);
            }
        }
        if (sqlType.startsWith("character varying(")) {
            int length = Integer.parseInt(sqlType.replaceAll("\\D", ""));
            return ColumnType.TEXT.describe(length);
        }
        return sqlType;
    }

    /** A stored value in a one-line message: quoted, control characters escaped, cut short. */
    private static String shown(String value) {
        if (value == null) {
            return "NULL";
        }
        String escaped = value.replace("\\", "\\\\").replace("\r", "\\r").replace("\n", "\\n")
                .replace("\t", "\\t");
        return "\"" + (escaped.length() > 60 ? escaped.substring(0, 60) + "…" : escaped) + "\"";
    }

    private static String oneLine(String text) {
        return text == null ? "" : text.replaceAll("\\s*\\R\\s*", " ").trim();
    }
}

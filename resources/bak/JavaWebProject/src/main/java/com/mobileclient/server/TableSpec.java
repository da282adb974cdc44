package com.mobileclient.server;

import java.util.List;

/**
 * One table: a class of the model.
 *
 * @param name the table's SQL name (exact case)
 * @param keyColumn the name of the key column, which is one of {@code columns}
 * @param integerKey true when the key is an integer that the database assigns from an identity
 *     sequence; the key column's type is then {@link ColumnType#INTEGER}
 * @param columns every column, the key included, in member order
 */
public record TableSpec(String name, String keyColumn, boolean integerKey,
                        List<ColumnSpec> columns) {
    public TableSpec {
        columns = List.copyOf(columns);
        ColumnSpec key = columns.stream()
                .filter(column -> column.name().equals(keyColumn))
                .findFirst()
                .orElseThrow(() -> new IllegalArgumentException(
                        "table " + name + " has no key column " + keyColumn));
        // An integer key may also be the client's (a key that refers to a class with an integer
        // key): only a key the database assigns must be an integer.
        if ((integerKey && key.type() != ColumnType.INTEGER) || key.isReference()) {
            throw new IllegalArgumentException(
                    "the key column of table " + name + " does not match integerKey");
        }
    }

    ColumnSpec key() {
        return column(keyColumn);
    }

    /** The column of that name, or null. */
    ColumnSpec column(String columnName) {
        for (ColumnSpec column : columns) {
            if (column.name().equals(columnName)) {
                return column;
            }
        }
        return null;
    }
}

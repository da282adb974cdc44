package com.mobileclient.server;

/**
 * One column of a table: a member of the class.
 *
 * @param name the column's SQL name (exact case)
 * @param type the kind of value; a reference has the type of the referenced table's key
 * @param length the longest text for {@link ColumnType#TEXT}, 0 or less for no limit; unused
 *     otherwise
 * @param referencedTable the SQL name of the table this column refers to, or null when the
 *     column is no reference
 */
public record ColumnSpec(String name, ColumnType type, int length, String referencedTable) {
    public ColumnSpec {
        if (name == null || name.isEmpty() || type == null) {
            throw new IllegalArgumentException("a column needs a name and a type");
        }
    }

    public boolean isReference() {
        return referencedTable != null;
    }

    String sqlType() {
        return type.sqlType(length);
    }
}

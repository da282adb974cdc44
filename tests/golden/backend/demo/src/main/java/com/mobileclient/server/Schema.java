package com.mobileclient.server;

import java.util.List;

/** The tables of the model's classes, which the schema manager makes and keeps. */
public final class Schema {
    private Schema() {
    }

    public static List<TableSpec> tables() {
        return List.of(
                new TableSpec("BookType", "typeId", true, List.of(
                        new ColumnSpec("typeId", ColumnType.INTEGER, 0, null),
                        new ColumnSpec("typeName", ColumnType.TEXT, 20, null),
                        new ColumnSpec("borrowDays", ColumnType.INTEGER, 0, null))),
                new TableSpec("Book", "barcode", false, List.of(
                        new ColumnSpec("barcode", ColumnType.TEXT, 20, null),
                        new ColumnSpec("bookName", ColumnType.TEXT, 50, null),
                        new ColumnSpec("bookType", ColumnType.INTEGER, 0, "BookType"),
                        new ColumnSpec("price", ColumnType.REAL, 0, null),
                        new ColumnSpec("count", ColumnType.INTEGER, 0, null),
                        new ColumnSpec("publishDate", ColumnType.TIMESTAMP, 0, null),
                        new ColumnSpec("publish", ColumnType.TEXT, 20, null),
                        new ColumnSpec("bookPhoto", ColumnType.TEXT, 0, null),
                        new ColumnSpec("introduction", ColumnType.TEXT, 500, null))),
                new TableSpec("Reader", "readerNo", false, List.of(
                        new ColumnSpec("readerNo", ColumnType.TEXT, 20, null),
                        new ColumnSpec("readerName", ColumnType.TEXT, 20, null),
                        new ColumnSpec("sex", ColumnType.TEXT, 4, null),
                        new ColumnSpec("birthday", ColumnType.TIMESTAMP, 0, null),
                        new ColumnSpec("telephone", ColumnType.TEXT, 20, null),
                        new ColumnSpec("readerPhoto", ColumnType.TEXT, 0, null))),
                new TableSpec("Loan", "loanId", true, List.of(
                        new ColumnSpec("loanId", ColumnType.INTEGER, 0, null),
                        new ColumnSpec("book", ColumnType.TEXT, 20, "Book"),
                        new ColumnSpec("reader", ColumnType.TEXT, 20, "Reader"),
                        new ColumnSpec("borrowDate", ColumnType.TIMESTAMP, 0, null),
                        new ColumnSpec("memo", ColumnType.TEXT, 100, null))));
    }
}

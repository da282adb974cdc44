package com.mobileclient.server;

import java.util.List;

/** The tables of the model's classes, which the schema manager makes and keeps. */
public final class Schema {
    private Schema() {
    }

    public static List<TableSpec> tables() {
        return List.of(
                new TableSpec("City", "cityId", true, List.of(
                        new ColumnSpec("cityId", ColumnType.INTEGER, 0, null),
                        new ColumnSpec("cityName", ColumnType.TEXT, 99, null))),
                new TableSpec("Trip", "tripNo", false, List.of(
                        new ColumnSpec("tripNo", ColumnType.TEXT, 100, null),
                        new ColumnSpec("fromCity", ColumnType.INTEGER, 0, "City"),
                        new ColumnSpec("toCity", ColumnType.INTEGER, 0, "City"),
                        new ColumnSpec("city", ColumnType.INTEGER, 0, "City"),
                        new ColumnSpec("startDate", ColumnType.TIMESTAMP, 0, null),
                        new ColumnSpec("fare", ColumnType.REAL, 0, null),
                        new ColumnSpec("seats", ColumnType.INTEGER, 0, null),
                        new ColumnSpec("photo", ColumnType.TEXT, 0, null),
                        new ColumnSpec("ticket", ColumnType.TEXT, 0, null),
                        new ColumnSpec("note", ColumnType.TEXT, 100, null),
                        new ColumnSpec("memo", ColumnType.TEXT, 99, null))),
                new TableSpec("Category", "categoryName", false, List.of(
                        new ColumnSpec("categoryName", ColumnType.TEXT, 20, null),
                        new ColumnSpec("parent", ColumnType.TEXT, 20, "Category"),
                        new ColumnSpec("picture", ColumnType.TEXT, 0, null))),
                new TableSpec("Badge", "badgePic", false, List.of(
                        new ColumnSpec("badgePic", ColumnType.TEXT, 0, null),
                        new ColumnSpec("label", ColumnType.TEXT, 20, null),
                        new ColumnSpec("category", ColumnType.TEXT, 20, "Category"))),
                new TableSpec("Profile", "trip", false, List.of(
                        new ColumnSpec("trip", ColumnType.TEXT, 100, null),
                        new ColumnSpec("level", ColumnType.REAL, 0, null),
                        new ColumnSpec("since", ColumnType.TIMESTAMP, 0, null))),
                new TableSpec("X", "a", true, List.of(
                        new ColumnSpec("a", ColumnType.INTEGER, 0, null),
                        new ColumnSpec("t", ColumnType.TEXT, 20, null))),
                new TableSpec("Y", "b", false, List.of(
                        new ColumnSpec("b", ColumnType.TEXT, 20, null),
                        new ColumnSpec("p", ColumnType.TEXT, 100, "Profile"),
                        new ColumnSpec("x", ColumnType.INTEGER, 0, "X"),
                        new ColumnSpec("d", ColumnType.TIMESTAMP, 0, null))));
    }
}

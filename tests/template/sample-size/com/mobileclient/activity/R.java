package com.mobileclient.activity;

// Test double of the resource class that aapt writes for the template project.
public final class R {
    public static final class drawable {
        public static final int noimage = 1;
    }

    public static final class id {
        public static final int photo_empty = 2;
        public static final int photo_grid = 3;
        public static final int photo_name = 4;
        public static final int photo_thumbnail = 5;
    }

    public static final class layout {
        public static final int photo_chooser = 6;
        public static final int photo_chooser_cell = 7;
    }
}

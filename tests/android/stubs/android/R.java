package android;

public final class R {
    public R() { throw new RuntimeException("Stub!"); }

    public static final class color {
        public color() { throw new RuntimeException("Stub!"); }
        public static final int white = 0x0106000b;
        public static final int black = 0x0106000c;
        public static final int transparent = 0x0106000d;
    }

    public static final class drawable {
        public drawable() { throw new RuntimeException("Stub!"); }
        public static final int ic_dialog_alert = 0x01080027;
        public static final int ic_menu_add = 0x01080033;
        public static final int ic_menu_camera = 0x01080037;
        public static final int ic_menu_delete = 0x0108003c;
        public static final int ic_menu_edit = 0x0108003e;
        public static final int ic_menu_gallery = 0x0108003f;
        public static final int ic_menu_search = 0x0108004f;
        public static final int ic_dialog_info = 0x0108009b;
    }

    public static final class id {
        public id() { throw new RuntimeException("Stub!"); }
        public static final int content = 0x01020002;
        public static final int empty = 0x01020004;
        public static final int icon = 0x01020006;
        public static final int list = 0x0102000a;
        public static final int text1 = 0x01020014;
        public static final int text2 = 0x01020015;
        public static final int title = 0x01020016;
    }

    public static final class layout {
        public layout() { throw new RuntimeException("Stub!"); }
        public static final int simple_list_item_1 = 0x01090003;
        public static final int simple_list_item_2 = 0x01090004;
        public static final int simple_spinner_item = 0x01090008;
        public static final int simple_spinner_dropdown_item = 0x01090009;
        public static final int simple_list_item_single_choice = 0x0109000f;
    }

    public static final class string {
        public string() { throw new RuntimeException("Stub!"); }
        public static final int cancel = 0x01040000;
        public static final int no = 0x01040009;
        public static final int ok = 0x0104000a;
        public static final int yes = 0x01040013;
    }
}

package android.content;

import java.io.File;

public abstract class Context {
    public static final String LAYOUT_INFLATER_SERVICE = "layout_inflater";
    public static final String CONNECTIVITY_SERVICE = "connectivity";
    public static final String INPUT_METHOD_SERVICE = "input_method";
    public static final int MODE_PRIVATE = 0;
    public static final int MODE_APPEND = 32768;

    public Context() { throw new RuntimeException("Stub!"); }

    public abstract Context getApplicationContext();
    public abstract String getPackageName();
    public abstract Object getSystemService(String name);
    public abstract File getFilesDir();
    public abstract File getCacheDir();
    public abstract File getExternalFilesDir(String type);
    public abstract SharedPreferences getSharedPreferences(String name, int mode);
    public abstract void startActivity(Intent intent);
    public final String getString(int resId) { throw new RuntimeException("Stub!"); }
    public final CharSequence getText(int resId) { throw new RuntimeException("Stub!"); }
}

package android.content;

import java.io.File;

public class ContextWrapper extends Context {
    public ContextWrapper(Context base) { throw new RuntimeException("Stub!"); }

    public Context getBaseContext() { throw new RuntimeException("Stub!"); }
    public Context getApplicationContext() { throw new RuntimeException("Stub!"); }
    public String getPackageName() { throw new RuntimeException("Stub!"); }
    public Object getSystemService(String name) { throw new RuntimeException("Stub!"); }
    public File getFilesDir() { throw new RuntimeException("Stub!"); }
    public File getCacheDir() { throw new RuntimeException("Stub!"); }
    public File getExternalFilesDir(String type) { throw new RuntimeException("Stub!"); }
    public SharedPreferences getSharedPreferences(String name, int mode) { throw new RuntimeException("Stub!"); }
    public void startActivity(Intent intent) { throw new RuntimeException("Stub!"); }
}

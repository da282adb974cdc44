package android.os;

import java.io.File;

public class Environment {
    public static final String MEDIA_MOUNTED = "mounted";
    public static final String MEDIA_MOUNTED_READ_ONLY = "mounted_ro";
    public static final String MEDIA_REMOVED = "removed";
    public static final String MEDIA_UNMOUNTED = "unmounted";
    public static final String DIRECTORY_DCIM = "DCIM";
    public static final String DIRECTORY_DOWNLOADS = "Download";
    public static final String DIRECTORY_PICTURES = "Pictures";

    public Environment() { throw new RuntimeException("Stub!"); }

    public static File getRootDirectory() { throw new RuntimeException("Stub!"); }
    public static File getDataDirectory() { throw new RuntimeException("Stub!"); }
    public static File getDownloadCacheDirectory() { throw new RuntimeException("Stub!"); }
    public static File getExternalStorageDirectory() { throw new RuntimeException("Stub!"); }
    public static File getExternalStoragePublicDirectory(String type) { throw new RuntimeException("Stub!"); }
    public static String getExternalStorageState() { throw new RuntimeException("Stub!"); }
}

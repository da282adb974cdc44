package android.net;

import android.os.Parcelable;
import java.io.File;
import java.util.List;

public abstract class Uri implements Parcelable, Comparable<Uri> {
    public static final Uri EMPTY = null;

    Uri() { throw new RuntimeException("Stub!"); }

    public static Uri parse(String uriString) { throw new RuntimeException("Stub!"); }
    public static Uri fromFile(File file) { throw new RuntimeException("Stub!"); }
    public static String encode(String s) { throw new RuntimeException("Stub!"); }
    public static String decode(String s) { throw new RuntimeException("Stub!"); }

    public abstract String getScheme();
    public abstract String getAuthority();
    public abstract String getPath();
    public abstract List<String> getPathSegments();
    public abstract String getLastPathSegment();
    public abstract String getQuery();
    public abstract String toString();
    public String getQueryParameter(String key) { throw new RuntimeException("Stub!"); }
    public int compareTo(Uri other) { throw new RuntimeException("Stub!"); }
    public boolean equals(Object o) { throw new RuntimeException("Stub!"); }
    public int hashCode() { throw new RuntimeException("Stub!"); }
}

package android.os;

import java.io.Closeable;
import java.io.File;
import java.io.FileNotFoundException;
import java.io.IOException;

public class ParcelFileDescriptor implements Parcelable, Closeable {
    public static final int MODE_APPEND = 33554432;
    public static final int MODE_CREATE = 134217728;
    public static final int MODE_READ_ONLY = 268435456;
    public static final int MODE_READ_WRITE = 805306368;
    public static final int MODE_TRUNCATE = 67108864;
    public static final int MODE_WRITE_ONLY = 536870912;

    public ParcelFileDescriptor(ParcelFileDescriptor wrapped) { throw new RuntimeException("Stub!"); }

    public static ParcelFileDescriptor open(File file, int mode) throws FileNotFoundException { throw new RuntimeException("Stub!"); }
    public static int parseMode(String mode) { throw new RuntimeException("Stub!"); }
    public long getStatSize() { throw new RuntimeException("Stub!"); }
    public void close() throws IOException { throw new RuntimeException("Stub!"); }
    public int describeContents() { throw new RuntimeException("Stub!"); }
    public void writeToParcel(Parcel out, int flags) { throw new RuntimeException("Stub!"); }
}

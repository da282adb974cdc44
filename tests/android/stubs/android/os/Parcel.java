package android.os;

public final class Parcel {
    Parcel() { throw new RuntimeException("Stub!"); }

    public static Parcel obtain() { throw new RuntimeException("Stub!"); }
    public final void recycle() { throw new RuntimeException("Stub!"); }
}

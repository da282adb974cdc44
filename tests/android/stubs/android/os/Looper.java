package android.os;

public final class Looper {
    Looper() { throw new RuntimeException("Stub!"); }

    public static void prepare() { throw new RuntimeException("Stub!"); }
    public static void loop() { throw new RuntimeException("Stub!"); }
    public static Looper myLooper() { throw new RuntimeException("Stub!"); }
    public static Looper getMainLooper() { throw new RuntimeException("Stub!"); }
    public Thread getThread() { throw new RuntimeException("Stub!"); }
}

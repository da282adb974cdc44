package android.os;

public final class StrictMode {
    StrictMode() { throw new RuntimeException("Stub!"); }

    public static void setThreadPolicy(StrictMode.ThreadPolicy policy) { throw new RuntimeException("Stub!"); }
    public static StrictMode.ThreadPolicy getThreadPolicy() { throw new RuntimeException("Stub!"); }
    public static StrictMode.ThreadPolicy allowThreadDiskReads() { throw new RuntimeException("Stub!"); }
    public static StrictMode.ThreadPolicy allowThreadDiskWrites() { throw new RuntimeException("Stub!"); }
    public static void setVmPolicy(StrictMode.VmPolicy policy) { throw new RuntimeException("Stub!"); }
    public static StrictMode.VmPolicy getVmPolicy() { throw new RuntimeException("Stub!"); }
    public static void enableDefaults() { throw new RuntimeException("Stub!"); }

    public static final class ThreadPolicy {
        ThreadPolicy() { throw new RuntimeException("Stub!"); }

        public static final StrictMode.ThreadPolicy LAX = null;

        public static final class Builder {
            public Builder() { throw new RuntimeException("Stub!"); }
            public Builder(StrictMode.ThreadPolicy policy) { throw new RuntimeException("Stub!"); }

            public StrictMode.ThreadPolicy.Builder detectAll() { throw new RuntimeException("Stub!"); }
            public StrictMode.ThreadPolicy.Builder permitAll() { throw new RuntimeException("Stub!"); }
            public StrictMode.ThreadPolicy.Builder detectNetwork() { throw new RuntimeException("Stub!"); }
            public StrictMode.ThreadPolicy.Builder permitNetwork() { throw new RuntimeException("Stub!"); }
            public StrictMode.ThreadPolicy.Builder detectDiskReads() { throw new RuntimeException("Stub!"); }
            public StrictMode.ThreadPolicy.Builder permitDiskReads() { throw new RuntimeException("Stub!"); }
            public StrictMode.ThreadPolicy.Builder detectDiskWrites() { throw new RuntimeException("Stub!"); }
            public StrictMode.ThreadPolicy.Builder permitDiskWrites() { throw new RuntimeException("Stub!"); }
            public StrictMode.ThreadPolicy.Builder penaltyLog() { throw new RuntimeException("Stub!"); }
            public StrictMode.ThreadPolicy.Builder penaltyDeath() { throw new RuntimeException("Stub!"); }
            public StrictMode.ThreadPolicy build() { throw new RuntimeException("Stub!"); }
        }
    }

    public static final class VmPolicy {
        VmPolicy() { throw new RuntimeException("Stub!"); }

        public static final StrictMode.VmPolicy LAX = null;

        public static final class Builder {
            public Builder() { throw new RuntimeException("Stub!"); }
            public Builder(StrictMode.VmPolicy base) { throw new RuntimeException("Stub!"); }

            public StrictMode.VmPolicy.Builder detectAll() { throw new RuntimeException("Stub!"); }
            public StrictMode.VmPolicy.Builder detectFileUriExposure() { throw new RuntimeException("Stub!"); }
            public StrictMode.VmPolicy.Builder detectLeakedClosableObjects() { throw new RuntimeException("Stub!"); }
            public StrictMode.VmPolicy.Builder penaltyLog() { throw new RuntimeException("Stub!"); }
            public StrictMode.VmPolicy.Builder penaltyDeath() { throw new RuntimeException("Stub!"); }
            public StrictMode.VmPolicy build() { throw new RuntimeException("Stub!"); }
        }
    }
}

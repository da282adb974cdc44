package android.view;

public final class WindowInsets {
    WindowInsets() { throw new RuntimeException("Stub!"); }

    public int getSystemWindowInsetLeft() { throw new RuntimeException("Stub!"); }
    public int getSystemWindowInsetTop() { throw new RuntimeException("Stub!"); }
    public int getSystemWindowInsetRight() { throw new RuntimeException("Stub!"); }
    public int getSystemWindowInsetBottom() { throw new RuntimeException("Stub!"); }
}

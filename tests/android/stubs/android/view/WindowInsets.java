package android.view;

public final class WindowInsets {
    public WindowInsets(WindowInsets src) { throw new RuntimeException("Stub!"); }

    public int getSystemWindowInsetLeft() { throw new RuntimeException("Stub!"); }
    public int getSystemWindowInsetTop() { throw new RuntimeException("Stub!"); }
    public int getSystemWindowInsetRight() { throw new RuntimeException("Stub!"); }
    public int getSystemWindowInsetBottom() { throw new RuntimeException("Stub!"); }
}

package android.view;

import android.content.Context;
import android.content.ContextWrapper;

public class ContextThemeWrapper extends ContextWrapper {
    public ContextThemeWrapper() { super(null); throw new RuntimeException("Stub!"); }
    public ContextThemeWrapper(Context base, int themeResId) { super(null); throw new RuntimeException("Stub!"); }

    public void setTheme(int resid) { throw new RuntimeException("Stub!"); }
}

package android.view;

import android.content.Context;

public abstract class LayoutInflater {
    protected LayoutInflater(Context context) { throw new RuntimeException("Stub!"); }
    protected LayoutInflater(LayoutInflater original, Context newContext) { throw new RuntimeException("Stub!"); }

    public static LayoutInflater from(Context context) { throw new RuntimeException("Stub!"); }
    public Context getContext() { throw new RuntimeException("Stub!"); }
    public abstract LayoutInflater cloneInContext(Context newContext);
    public View inflate(int resource, ViewGroup root) { throw new RuntimeException("Stub!"); }
    public View inflate(int resource, ViewGroup root, boolean attachToRoot) { throw new RuntimeException("Stub!"); }
}

package android.widget;

import android.content.Context;
import android.view.ViewGroup;

public class LinearLayout extends ViewGroup {
    public static final int HORIZONTAL = 0;
    public static final int VERTICAL = 1;

    public LinearLayout(Context context) { super(null); throw new RuntimeException("Stub!"); }

    public void setOrientation(int orientation) { throw new RuntimeException("Stub!"); }
    public int getOrientation() { throw new RuntimeException("Stub!"); }
    public void setGravity(int gravity) { throw new RuntimeException("Stub!"); }
}
